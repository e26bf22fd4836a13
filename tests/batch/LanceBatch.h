#pragma once
// vek-batch run as a user runs it: a script written in a working folder and run from there,
// its exit status, what it prints.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "Outils.h"

namespace vek::test {

struct Execution {
    int code = -1;
    std::string sortie, erreurs;
};

// Writes the script as s.vek in the folder and runs it from there, by name or on the
// standard input.
inline Execution Lance(const DossierTemporaire& d, const std::string& script, bool entree = false) {
    EcritOctets(d / "s.vek", script);
    const std::string dossier = d.Chemin().string();
    const std::string commande = "cd '" + dossier + "' && '" + VEK_BATCH + "' " +
                                 (entree ? "- < s.vek" : "s.vek") + " > sortie.txt 2> erreurs.txt";
    const int statut = std::system(commande.c_str());
    Execution x;
    if (statut != -1 && WIFEXITED(statut)) x.code = WEXITSTATUS(statut);
    x.sortie = LitOctets(d / "sortie.txt");
    x.erreurs = LitOctets(d / "erreurs.txt");
    return x;
}

inline std::string Ouvre(const std::string& noeuds, const std::string& arcs) {
    return "fichier \"" + noeuds + "\"\nfichier \"" + arcs + "\"\nmenu menOuvrir\n";
}

}  // namespace vek::test
