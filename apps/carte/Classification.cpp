#include "Classification.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vek::carte {

namespace {

std::vector<double> Quantiles(const std::vector<double>& x, int k) {
    const std::size_t n = x.size();
    std::vector<double> b{x.front()};
    for (int i = 1; i < k; ++i) {
        const std::size_t rang =
            static_cast<std::size_t>(std::ceil(static_cast<double>(i) * n / k)) - 1;
        b.push_back(x[std::min(rang, n - 1)]);
    }
    // A quantile falling on the largest value would leave it no class of its own: the bound
    // is the value below it.
    const double sousMax = *(std::lower_bound(x.begin(), x.end(), x.back()) - 1);
    for (double& v : b)
        if (v == x.back()) v = sousMax;
    b.push_back(x.back());
    return b;
}

std::vector<double> IntervallesEgaux(const std::vector<double>& x, int k) {
    const double min = x.front(), max = x.back();
    std::vector<double> b;
    for (int i = 0; i < k; ++i) b.push_back(min + (max - min) * i / k);
    b.push_back(max);
    return b;
}

// Fisher's exact optimisation (Jenks): the partition of the sorted series into k groups with
// the least sum of squared deviations. O(k n^2): a long series is first reduced to 1000 of its
// order statistics, evenly spaced.
std::vector<double> SeuilsNaturels(const std::vector<double>& tout, int k) {
    constexpr std::size_t kEchantillon = 1000;
    std::vector<double> x;
    if (tout.size() > kEchantillon) {
        for (std::size_t i = 0; i < kEchantillon; ++i)
            x.push_back(tout[i * (tout.size() - 1) / (kEchantillon - 1)]);
    } else {
        x = tout;
    }
    const std::size_t n = x.size(), K = static_cast<std::size_t>(k);
    const double infini = std::numeric_limits<double>::infinity();
    // debut[l][j]: first element (from 1) of the last group of the best split of 1..l in j.
    std::vector<std::vector<std::size_t>> debut(n + 1, std::vector<std::size_t>(K + 1, 1));
    std::vector<std::vector<double>> ecart(n + 1, std::vector<double>(K + 1, infini));
    for (std::size_t j = 1; j <= K; ++j) ecart[0][j] = 0;
    for (std::size_t l = 1; l <= n; ++l) {
        double s1 = 0, s2 = 0, w = 0, v = 0;
        for (std::size_t m = 1; m <= l; ++m) {
            const std::size_t i3 = l - m + 1;
            const double val = x[i3 - 1];
            s1 += val;
            s2 += val * val;
            w += 1;
            v = s2 - s1 * s1 / w;
            const std::size_t i4 = i3 - 1;
            if (i4 == 0) continue;
            for (std::size_t j = 2; j <= K; ++j)
                if (ecart[l][j] >= v + ecart[i4][j - 1]) {
                    debut[l][j] = i3;
                    ecart[l][j] = v + ecart[i4][j - 1];
                }
        }
        debut[l][1] = 1;
        ecart[l][1] = v;
    }
    std::vector<double> b(K + 1);
    b[K] = x[n - 1];
    std::size_t fin = n;
    for (std::size_t j = K; j >= 2; --j) {
        const std::size_t d = debut[fin][j];
        if (d < 2 || d > fin) {  // fewer groups than asked: the lower bounds merge
            for (std::size_t i = 1; i < j; ++i) b[i] = x[0];
            break;
        }
        b[j - 1] = x[d - 2];
        fin = d - 1;
    }
    b[0] = x[0];
    return b;
}

}  // namespace

bool ValeurManquante(double v) {
    return !std::isfinite(v) || v >= 32000;
}

std::vector<double> BornesClasses(std::vector<double> valeurs, int nbClasses,
                                  MethodeClasses methode) {
    valeurs.erase(std::remove_if(valeurs.begin(), valeurs.end(), ValeurManquante), valeurs.end());
    if (valeurs.empty()) return {};
    std::sort(valeurs.begin(), valeurs.end());
    std::size_t distinctes = 1;
    for (std::size_t i = 1; i < valeurs.size(); ++i)
        if (valeurs[i] != valeurs[i - 1]) ++distinctes;
    if (distinctes == 1) return {valeurs.front(), valeurs.front()};
    const int k = std::clamp(nbClasses, 1, static_cast<int>(std::min<std::size_t>(distinctes, 64)));
    std::vector<double> b;
    switch (methode) {
        case MethodeClasses::Quantiles:
            b = Quantiles(valeurs, k);
            break;
        case MethodeClasses::IntervallesEgaux:
            b = IntervallesEgaux(valeurs, k);
            break;
        case MethodeClasses::SeuilsNaturels:
            b = SeuilsNaturels(valeurs, k);
            break;
    }
    // Repeated upper bounds merge their classes; the first class may hold its lower bound
    // alone.
    b.erase(std::unique(b.begin() + 1, b.end()), b.end());
    return b;
}

int ClasseDe(const std::vector<double>& bornes, double v) {
    if (bornes.size() < 2) return -1;
    const int nb = static_cast<int>(bornes.size()) - 1;
    const int c = static_cast<int>(std::lower_bound(bornes.begin() + 1, bornes.end(), v) -
                                   (bornes.begin() + 1));
    return std::min(c, nb - 1);
}

namespace {

// A difference this near to 0 is no change. A difference is missing only when it is not a
// number: 32000 is a real difference here.
double SeuilNul(double ecartMax) {
    return 1e-6 * std::max(ecartMax, 1e-9);
}

}  // namespace

std::vector<double> BornesEcarts(const std::vector<double>& ecarts, int nbClasses,
                                 MethodeClasses methode) {
    double max = 0;
    bool valeurs = false;
    for (double v : ecarts)
        if (std::isfinite(v)) {
            max = std::max(max, std::fabs(v));
            valeurs = true;
        }
    if (!valeurs) return {};
    // Classed as fractions of the largest: a difference of 32000 or more is no "unreachable".
    std::vector<double> absolus;
    for (double v : ecarts)
        if (std::isfinite(v) && std::fabs(v) > SeuilNul(max)) absolus.push_back(std::fabs(v) / max);
    const int h = std::max(nbClasses / 2, 1);
    std::vector<double> b;
    if (!absolus.empty() && methode == MethodeClasses::IntervallesEgaux) {
        // Equal steps from no change to the largest difference.
        for (int i = 0; i <= h; ++i) b.push_back(static_cast<double>(i) / h);
    } else if (!absolus.empty()) {
        b = BornesClasses(std::move(absolus), h, methode);
    }
    for (double& v : b) v *= max;
    if (!b.empty()) {
        b.front() = 0;
        b.back() = max;
    }
    std::vector<double> r;
    for (auto i = b.rbegin(); i != b.rend(); ++i) r.push_back(-*i);
    if (b.empty()) r.push_back(0);
    r.push_back(0);
    for (std::size_t i = 1; i < b.size(); ++i) r.push_back(b[i]);
    for (double& v : r)
        if (v == 0) v = 0;  // no -0 in the legend
    return r;
}

int ClasseEcart(const std::vector<double>& bornes, double v) {
    if (bornes.size() < 2 || !std::isfinite(v)) return -1;
    const int h = static_cast<int>(bornes.size()) / 2 - 1;
    if (h == 0 || std::fabs(v) <= SeuilNul(bornes.back())) return h;
    const std::vector<double> haut(bornes.begin() + h + 1, bornes.end());
    const int c = std::max(ClasseDe(haut, std::fabs(v)), 0);
    return v > 0 ? h + 1 + c : h - 1 - c;
}

std::string NomMethode(MethodeClasses m) {
    switch (m) {
        case MethodeClasses::Quantiles:
            return "quantiles";
        case MethodeClasses::IntervallesEgaux:
            return "intervalles égaux";
        case MethodeClasses::SeuilsNaturels:
            return "seuils naturels";
    }
    return {};
}

}  // namespace vek::carte
