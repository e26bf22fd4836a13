#pragma once
// The tables of the gravity model: its settings and its results (rows and columns
// 1..NbNoeuds).

#include <array>
#include <cstdint>
#include <vector>

#include "gravity/ParametresGravitaires.h"
#include "paths/EtatChemins.h"

namespace vek {

struct TablesGravite {
    ParametresGravite Gravite;
    std::int16_t LargeurColonne = 20;
    Matrice<double> MatAttractions;
    std::vector<double> SommesLignesAttractions;
    std::vector<std::array<std::int32_t, 4>> TroisAttractions;  // ranks 1..3
    std::vector<double> SommesAttractions;
    std::vector<float> SommesPondereesPop;
    Matrice<std::int32_t> MatPersonnesAttirees;
    std::vector<std::int32_t> AutoAttractions, AttractionsTotales, AttractionsExterieures, Evasions;
    std::uint64_t AttractionsReseau = 0;  // the paths the attractions were computed from
    std::uint64_t PersonnesReseau = 0;    // the paths the persons were counted on; 0 = none
};

struct EtatGravite : virtual EtatChemins, TablesGravite {
    explicit EtatGravite(Port& port) : EtatChemins(port) {}
};

}  // namespace vek
