#pragma once
// vek-batch (and the other programs) run as a user runs them: a script written in a working folder
// and run from there, its exit status, what it prints.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "Outils.h"

namespace vek::test {

struct Execution {
    int code = -1;
    std::string sortie, erreurs;
};

// Runs a program of the build from the folder with the arguments given (a shell's words),
// its output and errors kept.
inline Execution Execute(const DossierTemporaire& d, const std::string& programme,
                         const std::string& arguments) {
    const std::string commande = "cd '" + d.Chemin().string() + "' && '" + programme + "' " +
                                 arguments + " > sortie.txt 2> erreurs.txt";
    const int statut = std::system(commande.c_str());
    Execution x;
    if (statut != -1 && WIFEXITED(statut)) x.code = WEXITSTATUS(statut);
    x.sortie = LitOctets(d / "sortie.txt");
    x.erreurs = LitOctets(d / "erreurs.txt");
    return x;
}

// Writes the script as s.vek in the folder and runs vek-batch on it from there, by name or on
// the standard input.
inline Execution Lance(const DossierTemporaire& d, const std::string& script, bool entree = false) {
    EcritOctets(d / "s.vek", script);
    return Execute(d, VEK_BATCH, entree ? "- < s.vek" : "s.vek");
}

inline std::string Ouvre(const std::string& noeuds, const std::string& arcs) {
    return "fichier \"" + noeuds + "\"\nfichier \"" + arcs + "\"\nmenu menOuvrir\n";
}

}  // namespace vek::test
