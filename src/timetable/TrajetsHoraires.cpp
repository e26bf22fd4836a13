#include "timetable/TrajetsHoraires.h"

#include <algorithm>
#include <stdexcept>

#include "timetable/ModesHoraires.h"

namespace vek {

void TrajetsHoraires::Dimensionne(std::int32_t n) {
    n_ = n;
    const auto t = static_cast<std::size_t>(n);
    meilleurs_.Dimensionne(t);
    designations_.Dimensionne(t, Designation::Sentinelle);
    // The flat times are made only for the relaxation that reads them.
    arrivees_.Libere();
    departs_.Libere();
    durees_.Libere();
    for (std::int32_t i = 0; i <= n; ++i) {
        designations_(i, i) = Designation::Aucune;
        designations_(0, i) = designations_(i, 0) = Designation::Aucune;
    }
    options_.clear();
    debutLigne_.assign(t + 2, 0);
    derniereLigne_ = 0;
    NbTrajets = 2;
}

void TrajetsHoraires::Libere() {
    n_ = 0;
    meilleurs_.Libere();
    designations_.Libere();
    arrivees_.Libere();
    departs_.Libere();
    durees_.Libere();
    options_ = {};
    debutLigne_ = {};
    NbTrajets = 2;
}

bool TrajetsHoraires::Ecrit(std::int32_t i, std::int32_t j, const Trajet& t) {
    const bool nouveau = designations_(i, j) != Designation::Propre;
    designations_(i, j) = Designation::Propre;
    meilleurs_(i, j) = t;
    if (!arrivees_.Vide()) {
        arrivees_(i, j) = t.Arrivee;
        departs_(i, j) = t.Depart;
        durees_(i, j) = EstModeContinu(t.Mode) ? t.Arrivee - t.Depart : -1;
    }
    return nouveau;
}

void TrajetsHoraires::PrepareTemps() {
    if (n_ == 0 || !arrivees_.Vide()) return;
    const auto t = static_cast<std::size_t>(n_);
    arrivees_.Dimensionne(t, kAucunTrajet);
    departs_.Dimensionne(t, kDepartAbsent);
    durees_.Dimensionne(t, -1);
    for (std::int32_t i = 0; i <= n_; ++i)
        for (std::int32_t j = 0; j <= n_; ++j) {
            if (!Existe(i, j)) continue;
            const Trajet& x = meilleurs_(i, j);
            arrivees_(i, j) = x.Arrivee;
            departs_(i, j) = x.Depart;
            durees_(i, j) = EstModeContinu(x.Mode) ? x.Arrivee - x.Depart : -1;
        }
}

void TrajetsHoraires::AjouteOption(std::int32_t i, std::int32_t j, const Trajet& t) {
    // Pairs come in increasing order: close the rows before i.
    while (derniereLigne_ < i)
        debutLigne_[static_cast<std::size_t>(++derniereLigne_)] =
            static_cast<std::int32_t>(options_.size());
    options_.push_back({j, t});
    ++NbTrajets;
}

void TrajetsHoraires::Termine() {
    while (derniereLigne_ <= n_)
        debutLigne_[static_cast<std::size_t>(++derniereLigne_)] =
            static_cast<std::int32_t>(options_.size());
}

const TrajetsHoraires::Option* TrajetsHoraires::DebutOptionsVers(std::int32_t i,
                                                                 std::int32_t j) const {
    return std::lower_bound(DebutOptions(i), FinOptions(i), j,
                            [](const Option& a, std::int32_t v) { return a.autre < v; });
}

std::int32_t TrajetsHoraires::NbCheMin(std::int32_t i, std::int32_t j) const {
    if (i == j || i < 1 || j < 1 || i > n_ || j > n_) return 0;
    std::int32_t m = 1;
    for (const Option* o = DebutOptionsVers(i, j); o != FinOptions(i) && o->autre == j; ++o) ++m;
    return m;
}

const Trajet& TrajetsHoraires::OptionDe(std::int32_t i, std::int32_t j, std::int32_t m) const {
    if (m < 2 || m > NbCheMin(i, j)) throw std::out_of_range("option absente");
    return DebutOptionsVers(i, j)[m - 2].trajet;
}

std::size_t TrajetsHoraires::OctetsUtilises() const {
    const std::size_t c = static_cast<std::size_t>(n_) + 1;
    const std::size_t plats = arrivees_.Vide() ? 0 : 3 * sizeof(std::int32_t);
    return c * c * (sizeof(Trajet) + sizeof(Designation) + plats) +
           options_.capacity() * sizeof(Option) + debutLigne_.size() * sizeof(std::int32_t);
}

}  // namespace vek
