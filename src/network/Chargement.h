#pragma once
// Opening a network: choosing the node and arc files, reading them, making them the working
// network, listing the modes present and refreshing the main window.

#include <functional>
#include <optional>
#include <string>

namespace vek {

struct EtatReseau;

// The file-open choosers "Fichier des noeuds..." and "Fichier des arcs...": propose the name
// of `nom` in `repertoire`; return the full path chosen, nothing when cancelled. The
// directory of the chosen file becomes RepNoeudsNivN (nodes), RepOdNivN (arcs, 1993 family)
// or RepArcsNivN (arcs).
std::optional<std::string> ChoixFichierNoeuds(EtatReseau& e, const std::string& nom,
                                              const std::string& repertoire);
std::optional<std::string> ChoixFichierArcs(EtatReseau& e, const std::string& nom,
                                            const std::string& repertoire);

// The loading of "&Ouvrir... ": choose both files and load them, then `construitMatrice`
// (the command's minimal-arc matrix) before the commands that need a network are enabled;
// true when a network was loaded.
bool OuvertureReseau(EtatReseau& e, const std::function<void()>& construitMatrice);
// The same once the two files are known (an imported network): false when one is missing
// or the load fails.
bool OuvreFichiersReseau(EtatReseau& e, const std::string& noeuds, const std::string& arcs,
                         const std::function<void()>& construitMatrice);

// Reads NomFichierNoeuds and NomFichierArcs and makes them the working network. Both files
// are checked first: when one is missing or unreadable the current network is kept and the
// routine returns false.
bool ChargementReseau(EtatReseau& e);

// Releases the results computed on the previous network, which no longer match it, and
// disables the commands that read them.
void InvalideResultats(EtatReseau& e);

// Rebuilds ModesReseau, NbModes, Oriente and the choice lists of the dialogs.
void ListeModesReseau(EtatReseau& e);

}  // namespace vek
