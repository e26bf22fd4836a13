#pragma once
// Tiny networks for the tests, written as the fixed-column text of the node and arc files.

#include <cstdio>
#include <string>

#include "Outils.h"
#include "PortTest.h"
#include "network/Chargement.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Texte.h"
#include "vek/CommandesReseau.h"
#include "vek/Demarrage.h"
#include "vek/Etat.h"

namespace vek::test {

inline std::string LigneNoeud(const std::string& nom, long long code, long population = 0,
                              double x = 0, double y = 0) {
    char t[80];
    std::snprintf(t, sizeof t, " %010lld %08ld %08.3f %08.3f 0000.00000", code, population, x, y);
    return Cadre(nom, 50) + t + "\r\n";
}

inline std::string LigneArc(long long o, long long d, int mode, double distance, int temps,
                            int depart = 0, int arrivee = 0, int jours = 0, long debit = 0,
                            long capacite = 0) {
    char t[120];
    std::snprintf(t, sizeof t, "%010lld %010lld %04d %08.3f %04d %04d %04d %07d %06ld %06ld\r\n", o,
                  d, mode, distance, temps, depart, arrivee, jours, debit, capacite);
    return t;
}

// A timetabled arc: mode 41 (railcar), departure and arrival as hhmm, the train number.
inline std::string LigneTrain(long long o, long long d, int depart, int arrivee, long mission,
                              double km = 10) {
    return LigneArc(o, d, 41, km, 0, depart, arrivee, 31, mission);
}

// A program state started as at launch, on a recording port.
struct Session {
    PortTest port;
    Etat e{port};
    DossierTemporaire dossier;
    Session() {
        Demarrage(e);
        e.RepResultats = dossier.Chemin().string();
    }
    // Writes both files and loads them as the "&Ouvrir... " command does.
    bool Ouvre(const std::string& noeuds, const std::string& arcs) {
        EcritOctets(dossier / "n.dat", noeuds);
        EcritOctets(dossier / "a.dat", arcs);
        port.fichiers.push_back(dossier / "n.dat");
        port.fichiers.push_back(dossier / "a.dat");
        menOuvrir(e);
        return e.Menus.EstActif("menEditArcs");
    }
};

}  // namespace vek::test
