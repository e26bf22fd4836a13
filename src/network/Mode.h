#pragma once
// Transport modes: the built-in table of 31 modes with their speeds, the current mode that
// the lookups fill, and the list of modes present in the network.

#include <string>
#include <vector>

namespace vek {

struct EtatReseau;

struct Mode {
    std::string Nom;
    int Code = 0;
    float Vitesse = 0;   // commercial speed, km/h
    int VitesseMax = 0;  // free-flow speed, km/h; 0 where none
    bool Oriente = false;
    bool Selectionne = false;
};

struct ModeReseau {
    int Rang = 0;
    int Code = 0;
    std::string Nom;  // at most 35 characters
};

inline constexpr int kNombreModes = 31;

// Fills TableModes with the built-in modes, all selected.
void InitialisationModes(EtatReseau& e);
// Copies the mode of that code into ModeCourant; an unknown code leaves a mode that is not
// selected (every field cleared), so that its arcs are treated as a mode not kept.
void RechercheMode(EtatReseau& e, int code);
void RechercheModeParNom(EtatReseau& e, const std::string& nom);
void EnregistreModeParNom(EtatReseau& e, const std::string& nom);
// True when the code is in the built-in table.
bool ModeConnu(const EtatReseau& e, int code);

// The scheduled modes: 1, 3, 4, 31, 41, 812 and 813.
bool EstModeHoraire(int code);

}  // namespace vek
