#pragma once
// The tables of the node indicators: the choices of the nodality dialog, kept from one
// showing to the next, the working copy of the arcs, the half-degrees and the connection
// times collected per arc and per minimal arc.

#include <cstdint>
#include <utility>
#include <vector>

#include "indicators/OptionsIndicVek.h"
#include "paths/EtatChemins.h"
#include "paths/Matrice.h"

namespace vek {

// The connection times collected for one minimal arc: their sum in minutes and their number.
struct CelluleConnexion {
    std::int32_t Somme = 0;
    float Nombre = 0;
};

static_assert(sizeof(CelluleConnexion) == 8);

struct TablesIndicateurs {
    OptionsIndicVek IndicVek;
    bool AnnulationIndicateurs = false;
    std::vector<Arc> ArcsTravail;  // copy of Arcs, 1..NbArcsTravail
    std::int32_t NbArcsTravail = 0;
    std::vector<std::int64_t> DemiDegresInterieurs;
    std::vector<std::int64_t> DemiDegresExterieurs;
    float VitesseMoyenneArcs = 0;  // mean speed of the arcs, left by the homogeneity

    std::vector<std::int32_t> SommesTempsConnexion;  // 0..NbArcs, minutes
    std::vector<std::int32_t> NbConnexionsArc;       // 0..NbArcs
    Matrice<CelluleConnexion> ConnexionsArcsMin;     // 0..NbNoeuds x 0..NbNoeuds
    // The minimal arcs the connection times per arc changed, with their values before (cell
    // index in MatArcsMin, value), and the GenerationReseau the change left: while it is still
    // the current one, MatArcsMin was not rebuilt and those values are put back first.
    std::vector<std::pair<std::size_t, float>> ValeursAvantConnexions;
    std::uint64_t GenerationConnexions = 0;
};

struct EtatIndicateurs : virtual EtatChemins, TablesIndicateurs {
    explicit EtatIndicateurs(Port& port) : EtatChemins(port) {}
};

}  // namespace vek
