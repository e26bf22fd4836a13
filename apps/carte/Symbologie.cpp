#include "Symbologie.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace vek::carte {

namespace {

template <std::size_t N>
QColor Interpole(const std::array<QColor, N>& rampe, double t) {
    const double pos = std::clamp(t, 0.0, 1.0) * (N - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(pos), N - 2);
    const double f = pos - static_cast<double>(i);
    const QColor &a = rampe[i], &b = rampe[i + 1];
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * f),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * f),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * f));
}

// How far class c is from the middle class of nb, from 0 (no change) to 1.
double DistanceAuCentre(int c, int nb) {
    const int h = nb / 2;
    return h <= 0 ? 0.0 : std::min(std::abs(c - h), h) / static_cast<double>(h);
}

}  // namespace

QColor CouleurClasse(int c, int nb) {
    static const std::array<QColor, 6> rampe = {QColor(0xfe, 0xd9, 0x76), QColor(0xfe, 0xb2, 0x4c),
                                                QColor(0xfd, 0x8d, 0x3c), QColor(0xf0, 0x3b, 0x20),
                                                QColor(0xbd, 0x00, 0x26), QColor(0x80, 0x00, 0x26)};
    return Interpole(rampe, nb <= 1 ? 1.0 : static_cast<double>(c) / (nb - 1));
}

QColor CouleurEcart(int c, int nb) {
    static const std::array<QColor, 4> bleus = {QColor(0xd1, 0xe5, 0xf0), QColor(0x92, 0xc5, 0xde),
                                                QColor(0x43, 0x93, 0xc3), QColor(0x21, 0x66, 0xac)};
    static const std::array<QColor, 4> rouges = {QColor(0xfd, 0xdb, 0xc7), QColor(0xf4, 0xa5, 0x82),
                                                 QColor(0xd6, 0x60, 0x4d),
                                                 QColor(0xb2, 0x18, 0x2b)};
    const int h = nb / 2;
    if (c == h || h == 0) return {0xf7, 0xf7, 0xf7};
    // The palest of a hue for the class next to the middle one, the darkest for the last.
    const double t = h == 1 ? 1.0 : (DistanceAuCentre(c, nb) * h - 1) / (h - 1);
    return Interpole(c < h ? bleus : rouges, t);
}

double RayonEcart(int classe, int nb) {
    if (classe < 0) return 3;
    return 3.5 + 6.5 * DistanceAuCentre(classe, nb);
}

double LargeurEcart(int classe, int nb) {
    if (classe < 0) return 0.8;
    return 1.5 + 5.5 * DistanceAuCentre(classe, nb);
}

double RayonNoeud(int classe, int nb) {
    if (classe < 0) return 3;
    const double t = nb <= 1 ? 1.0 : static_cast<double>(classe) / (nb - 1);
    return 3.5 + 6.5 * t;
}

double LargeurArc(int classe, int nb, FamilleMode f, bool resultat) {
    if (resultat) {
        if (classe < 0) return 0.8;
        const double t = nb <= 1 ? 1.0 : static_cast<double>(classe) / (nb - 1);
        return 1.5 + 5.5 * t;
    }
    return f == FamilleMode::Fer ? 1.6 : 1.2;
}

QColor CouleurFamille(FamilleMode f) {
    switch (f) {
        case FamilleMode::Route:
            return {140, 109, 70};
        case FamilleMode::Fer:
            return {30, 30, 30};
        case FamilleMode::Car:
            return {123, 50, 148};
        case FamilleMode::Ferry:
            return {44, 127, 184};
        case FamilleMode::Autre:
            return {77, 175, 74};
    }
    return Qt::black;
}

std::vector<double> TiretsFamille(FamilleMode f) {
    switch (f) {
        case FamilleMode::Fer:
            return {6, 3};
        case FamilleMode::Ferry:
            return {3, 3};
        case FamilleMode::Autre:
            return {1, 2};
        default:
            return {};
    }
}

QString FormateValeur(double v) {
    if (!std::isfinite(v)) return QStringLiteral("—");
    const double a = std::fabs(v);
    const int decimales = a >= 1000 ? 0 : a >= 10 ? 1 : a >= 0.1 || a == 0 ? 2 : 4;
    QLocale fr(QLocale::French, QLocale::France);
    fr.setNumberOptions(QLocale::OmitGroupSeparator);
    QString s = fr.toString(v, 'f', decimales);
    if (s.contains(fr.decimalPoint())) {
        while (s.endsWith('0')) s.chop(1);
        if (s.endsWith(fr.decimalPoint())) s.chop(fr.decimalPoint().size());
    }
    if (s == "-0") s = "0";
    return s;
}

double LongueurEchelle(double maxKm) {
    if (!(maxKm > 0) || !std::isfinite(maxKm)) return 0;
    const double p = std::pow(10.0, std::floor(std::log10(maxKm)));
    for (double m : {5.0, 2.0, 1.0})
        if (m * p <= maxKm) return m * p;
    return p;
}

QString TexteLongueur(double km) {
    if (km < 1) return FormateValeur(km * 1000) + " m";
    return FormateValeur(km) + " km";
}

}  // namespace vek::carte
