#pragma once
// The tables of the validity test and of the level integration: what each pass of the test
// removed, and the zoom files and zone codes chosen in the zoom dialog.

#include <cstdint>
#include <string>
#include <vector>

#include "paths/EtatChemins.h"

namespace vek {

struct TablesValidation {
    std::string FichierZoomTours, FichierZoomAngouleme, FichierZoomLaRochelle, FichierZoomPoitiers,
        FichierZoomLeMans, FichierZoomParis, FichierZoomToursZM, FichierZoomFranceZM,
        FichierZoomRegionZM, FichierZoomDepartementZM, FichierZoomAggloZM;
    std::string FichierZoomAngoulemeZI, FichierZoomLaRochelleZI, FichierZoomPoitiersZI;
    std::vector<std::int64_t> CodesZoneInverse{0};  // 1..NbCodesZoneInverse
    std::int32_t NbCodesZoneInverse = 0;
    std::vector<std::int64_t> CodesZoneMultinodale{0};  // 1..NbCodesZoneMultinodale
    std::int32_t NbCodesZoneMultinodale = 0;

    std::int32_t NbNoeudsDoublesElimines = 0;
    std::int32_t NbNoeudsIsolesElimines = 0;
    std::int32_t NbBouclesEliminees = 0;
    std::int32_t NbArcsDoublesElimines = 0;
    std::int32_t NbArcsDeconnectesElimines = 0;
    bool EliminationSansAccord = false;  // disconnected arcs are removed without asking
};

struct EtatValidation : virtual EtatChemins, TablesValidation {
    explicit EtatValidation(Port& port) : EtatChemins(port) {}
};

}  // namespace vek
