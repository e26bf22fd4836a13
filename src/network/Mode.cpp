#include "network/Mode.h"

#include "network/EtatReseau.h"

namespace vek {

namespace {
struct ModeIntegre {
    const char* nom;
    int code;
    float vitesse;
    int vitesseMax;
    bool oriente;
};

constexpr ModeIntegre kModes[kNombreModes] = {
    {"Avion", 1, 600, 0, true},
    {"TGV 220", 3, 220, 0, true},
    {"TGV 120", 31, 120, 0, true},
    {"Corail 110", 4, 110, 0, true},
    {"Autorail 75", 41, 75, 0, true},
    {"Route 70 VI", 7, 70, 90, false},
    {"Route 55 PL", 702, 55, 0, false},
    {"Route 60 VI", 71, 60, 80, false},
    {"Route 40 PL", 712, 40, 0, false},
    {"Route 50 VI", 72, 50, 70, false},
    {"Route 30 PL", 722, 30, 0, false},
    {"Boulevard 35 VI", 74, 35, 35, false},
    {"Boulevard 20 PL", 742, 20, 0, false},
    {"Rue 25 VI", 75, 25, 35, false},
    {"Rue 15 PL", 752, 15, 0, false},
    {"AutoRoute 110 VI", 6, 110, 130, false},
    {"AutoRoute 75 PL", 602, 75, 0, false},
    {"VoieExpress 90 VI", 61, 90, 110, false},
    {"VoieExpress 65 PL", 612, 65, 0, false},
    {"Voie Rapide Urbaine 65 VI", 63, 65, 80, false},
    {"Artère Urbaine 50 VI", 62, 50, 50, false},
    {"Rocade 40 PL", 622, 40, 0, false},
    {"Ferry 37", 2, 37, 0, false},
    {"Métro 24", 8, 24, 0, false},
    {"Bus 8", 811, 8, 0, false},
    {"Bus 15", 812, 15, 0, true},
    {"Bus 25", 813, 25, 0, true},
    {"Tram 18", 821, 18, 0, false},
    {"Tram 45", 822, 45, 0, false},
    {"Marche 3", 91, 3, 0, false},
    {"Marche 5", 9, 5, 0, false},
};
}  // namespace

void InitialisationModes(EtatReseau& e) {
    e.TableModes.clear();
    for (const auto& m : kModes)
        e.TableModes.push_back(Mode{m.nom, m.code, m.vitesse, m.vitesseMax, m.oriente, true});
}

void RechercheMode(EtatReseau& e, int code) {
    e.ModeCourant = Mode{};
    for (const auto& m : e.TableModes)
        if (m.Code == code) {
            e.ModeCourant = m;
            return;
        }
}

void RechercheModeParNom(EtatReseau& e, const std::string& nom) {
    for (const auto& m : e.TableModes)
        if (m.Nom == nom) {
            e.ModeCourant = m;
            return;
        }
}

void EnregistreModeParNom(EtatReseau& e, const std::string& nom) {
    for (auto& m : e.TableModes)
        if (m.Nom == nom) m = e.ModeCourant;
}

bool ModeConnu(const EtatReseau& e, int code) {
    for (const auto& m : e.TableModes)
        if (m.Code == code) return true;
    return false;
}

bool EstModeHoraire(int code) {
    switch (code) {
        case 1:
        case 3:
        case 4:
        case 31:
        case 41:
        case 812:
        case 813:
            return true;
        default:
            return false;
    }
}

}  // namespace vek
