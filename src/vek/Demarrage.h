#pragma once
// Start-up: the defaults of every setting and the menu state of a program with no network.

#include <string>

namespace vek {

struct Etat;

void InitialisationParametres(Etat& e);
// Builds the menu tree, sets the defaults and empties the configuration panel.
void Demarrage(Etat& e);

enum class Issue { Faite, Refusee, Inconnue, Annulee };
// Runs a menu command as the menu bar does: only when it is available; what cannot go on is
// turned into a message here (and counted by SignaleEchec), and a progress window left open
// is closed. An ErreurFatale goes through: the program ends. When the front-end can cancel
// it, the program and the files it replaces are kept first, and a cancelled command puts them
// back: Annulee.
Issue ExecuteCommande(Etat& e, const std::string& nom);

}  // namespace vek
