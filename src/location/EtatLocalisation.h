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
// They are stored first candidate by first candidate: the block of a holds, for b = a..n and
// c = b..n, the value of (a, b, c).
struct TableTriples {
    std::int32_t n = 0;
    std::vector<float> valeurs;  // empty when the search streamed its file instead

    // Triples whose three candidates are among m nodes.
    static std::int64_t Nombre(std::int64_t m) { return m * (m + 1) * (m + 2) / 6; }
    // Values in the block of the first candidate a.
    std::int64_t TailleBloc(std::int32_t a) const {
        const std::int64_t r = n - a + 1;
        return r * (r + 1) / 2;
    }
    std::int64_t DebutBloc(std::int32_t a) const { return Nombre(n) - Nombre(n - a + 1); }
    // Position of (a, b, c), a <= b <= c, within the block of a.
    std::int64_t DansBloc(std::int32_t a, std::int32_t b, std::int32_t c) const {
        const std::int64_t r = n - a + 1, s = n - b + 1;
        return r * (r + 1) / 2 - s * (s + 1) / 2 + (c - b);
    }
    float operator()(std::int32_t a, std::int32_t b, std::int32_t c) const {
        return valeurs[static_cast<std::size_t>(DebutBloc(a) + DansBloc(a, b, c))];
    }
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
