#pragma once
// The tables of the path outputs (the dialog "Fichiers Chemins Minimaux"), of the location
// searches and of the distance model. The outputs read the timetable journeys, count the
// paths per link as the assignment does and weigh distances with the persons of the gravity
// model.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "accessibility/EtatAccessibilite.h"
#include "flows/EtatFlux.h"
#include "shell/Dialogue.h"
#include "timetable/EtatHoraires.h"

namespace vek {

// The choices of the distance-model options (DistOp), kept while the program runs. A
// section's file field, file button and boxes are enabled exactly when its "Oui" is chosen.
struct OptionsDistance {
    bool OuiDest = false;    // "Distance parcourue à destination de ..." ("Non" otherwise)
    bool OuiOrig = false;    // "Distance parcourue à partir de ..."
    bool EcranDest = false;  // open the written file in the text viewer
    bool EcranOrig = false;
    bool Distot = false;  // show the total of the distances to the nodes
};

// The values of the three-facility searches, kept for a <= b <= c only (the value of a triple
// does not depend on the order of its facilities).
struct TableTriples {
    std::int32_t n = 0;
    std::vector<float> valeurs;  // empty when the search streamed its file instead
};

struct TablesLocalisation {
    // Path outputs.
    std::int16_t NbEquipements = 0;
    bool PonderationPopulation = false;
    std::string NomFichierMatrice;
    // The dialog, built once and kept from one showing to the next.
    std::shared_ptr<Dialogue> FormulaireCheminsMinimaux;

    // Location searches: the values of the last one.
    Matrice<float> MatLocalisation2;
    TableTriples MatLocalisation3;

    // Distance model.
    Matrice<float> MatDistancesPersonnes;
    std::vector<std::int32_t> DistancesDestination;  // 1..NbNoeuds
    std::vector<std::int32_t> DistancesOrigine;
    std::string RepDistDest, NomFichierDistDest;
    std::string RepDistOrig, NomFichierDistOrig;
    OptionsDistance Distance;
};

struct EtatLocalisation : virtual EtatHoraires,
                          virtual EtatFlux,
                          virtual EtatAccessibilite,
                          TablesLocalisation {
    explicit EtatLocalisation(Port& port)
        : EtatChemins(port),
          EtatHoraires(port),
          EtatGravite(port),
          EtatFlux(port),
          EtatValidation(port),
          EtatAccessibilite(port) {}
};

}  // namespace vek
