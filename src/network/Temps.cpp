#include "network/Temps.h"

#include <cmath>

#include "network/EtatReseau.h"
#include "network/Mode.h"

namespace vek {

double HeuresMinutesEnMinutes(double x) {
    double h = std::floor(x / 100);
    double m = x - 100 * h;
    return 60 * h + m;
}

double MinutesEnHeuresMinutes(double x) {
    if (!std::isfinite(x) || x < 60) return x;
    double h = std::floor(x / 60);
    double reste = x - 60 * h;
    if (reste < 0) {  // guards the rounding of the division
        h -= 1;
        reste += 60;
    } else if (reste >= 60) {
        h += 1;
        reste -= 60;
    }
    return 100 * h + reste;
}

float DistanceDepuisTemps(EtatReseau& e, float minutes, int mode) {
    RechercheMode(e, mode);
    return minutes * e.ModeCourant.Vitesse / 60;
}

float TempsDepuisDistance(EtatReseau& e, int mode, float km) {
    RechercheMode(e, mode);
    float t = km * 60 / e.ModeCourant.Vitesse;
    return static_cast<float>(MinutesEnHeuresMinutes(t));
}

void CalculTotaux(EtatReseau& e) {
    e.PopulationTotale = 0;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) e.PopulationTotale += e.Noeuds[i].Population;
    e.NombreKilometres = 0;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) e.NombreKilometres += e.Arcs[a].Distance;
}

}  // namespace vek
