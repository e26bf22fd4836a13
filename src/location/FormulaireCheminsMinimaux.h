#pragma once
// The dialog of the shortest-path outputs, "Fichiers Chemins Minimaux": the outputs to write
// (check boxes, written in the order of the list below), the location problem, the
// pre-mapping formats with their node lists, the values of one node and the multipolar
// indicators. It is built once and keeps its choices from one showing to the next.

#include <memory>

#include "shell/Dialogue.h"

namespace vek {

struct EtatLocalisation;

// The outputs, in the order they are written.
inline constexpr const char* kSortiesChemins[] = {"Consult",      "EditMatPreced", "MatriceChem",
                                                  "TranspRoutPL", "Loceq",         "Précarto"};

// One value of the selected node: its box, caption, and whether it reads the paths from the
// node (else towards it). In the order in which the first ticked one decides.
struct ValeurUnipolaire {
    const char* nom;
    const char* legende;
    bool depart;
};
inline constexpr ValeurUnipolaire kValeursUnipolaires[] = {
    {"ValTMDépartNoeudSélec", "Tps minimal sur le réseau", true},
    {"ValTTotalDépartNoeudSélec", "Temps total du déplacement", true},
    {"ValTMVersNoeudSélec", "Temps minimal sur le réseau", false},
    {"ValTTotalVersNoeudSélec", "Temps total du déplacement", false},
    {"ValHDepVersNoeudSélec", "Heure de départ HHMM", false},
    {"ValHDepDépartNoeudSélec", "Heure de départ HHMM", true},
    {"ValHArrDépartNoeudSélec", "Heure d'arrivée HHMM", true},
    {"ValHArrDépartNoeudSélecEnMinutes", "Heure d'arrivée en minutes", true},
    {"ValHDepVersNoeudSélecEnMinutes", "Heure de départ en minutes", false},
    {"ValHArrVersNoeudSélec", "Heure d'arrivée HHMM", false},
    {"ValSomTpsCorrespDépart", "Tps de correspondance", true},
    {"ValSomTpsCorrespVers", "Tps de correspondance", false},
    {"ModesDuCheminDépart", "Modes empruntés", true},
    {"ModesDuCheminVers", "Modes empruntés", false},
};

// The six hour options, hidden at start-up: they only make sense after a timetable run.
inline constexpr const char* kOptionsHeures[] = {
    "ValHDepVersNoeudSélec",          "ValHDepDépartNoeudSélec",
    "ValHArrDépartNoeudSélec",        "ValHArrDépartNoeudSélecEnMinutes",
    "ValHDepVersNoeudSélecEnMinutes", "ValHArrVersNoeudSélec"};

// The boxes of the multipolar indicators and their captions, in the order in which the
// first ticked one runs.
struct CaseIndicateur {
    const char* nom;
    const char* legende;
};
inline constexpr CaseIndicateur kCasesIndicateurs[] = {
    {"SVMA", "SVM-Attraction"},
    {"SVME", "SVM-Emission"},
    {"SVE", "SVEuclid"},
    {"NbConnex", "Nb Connexions"},
    {"Centralité_A", "Centralité-Attraction"},
    {"Centralité_E", "Centralité-Emission"},
    {"CentralitéEuclid", "Centralité euclidienne"},
    {"Equité_E", "Equité-Emission (MaxiMin)"},
    {"Equité_A", "Equité-Attraction (MaxiMin)"},
};

std::shared_ptr<Dialogue> DialogueVekForCM(EtatLocalisation& e);
// The dialog as the program starts: built, its six hour options hidden.
void InitialiseVekForCM(EtatLocalisation& e);
// Enables the controls that the current choices use.
void MetAJourVekForCM(Dialogue& d);

}  // namespace vek
