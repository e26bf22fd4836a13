#pragma once
// Opening a network: choosing the node and arc files, reading them, making them the working
// network, listing the modes present and refreshing the main window.

#include <optional>
#include <string>

namespace vek {

struct Etat;

// The file-open choosers "Fichier des noeuds..." and "Fichier des arcs...": propose the name
// of `nom` in `repertoire`; return the full path chosen, nothing when cancelled. The
// directory of the chosen file becomes RepNoeudsNivN (nodes), RepOdNivN (arcs, 1993 family)
// or RepArcsNivN (arcs).
std::optional<std::string> ChoixFichierNoeuds(Etat& e, const std::string& nom,
                                              const std::string& repertoire);
std::optional<std::string> ChoixFichierArcs(Etat& e, const std::string& nom,
                                            const std::string& repertoire);

// "&Ouvrir... ": choose both files and load them, then build the minimal-arc matrix.
void menOuvrir(Etat& e);

// Reads NomFichierNoeuds and NomFichierArcs and makes them the working network. Both files
// are checked first: when one is missing or unreadable the current network is kept and the
// routine returns false.
bool ChargementReseau(Etat& e);

// Releases the results computed on the previous network, which no longer match it, and
// disables the commands that read them.
void InvalideResultats(Etat& e);

// Rebuilds ModesReseau, NbModes, Oriente and the choice lists of the dialogs.
void ListeModesReseau(Etat& e);

}  // namespace vek
