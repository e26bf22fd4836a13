#pragma once
// The commands of the main window that belong to no analysis: saving the network, the alpha
// index, the about window, printing the configuration, leaving.

#include "shell/Dialogue.h"

namespace vek {

struct Etat;

// "Enregistrer les &noeuds sous...": writes Noeuds to NomFichierNoeudsEcrits and opens it.
void menEditNoeuds(Etat& e);
// "Enregistrer les &arcs sous...": writes Arcs to NomFichierArcsEcrits and opens it.
void menEditArcs(Etat& e);
// "&Indice Alpha": (NbArcs - NbNoeuds + 1) / (2 NbNoeuds - 5), shown in a message box.
void menAlpha(Etat& e);
double IndiceAlpha(const Etat& e);
void menAPropos(Etat& e);
void menPrintConfig(Etat& e);
void menQuitter(Etat& e);

// The about window; `chargement` gives the caption shown while the program starts.
Dialogue DialogueAPropos(bool chargement);

// Commands with no action of their own, and those this version does not offer yet.
void AucuneAction(Etat& e);
void CommandeNonDisponible(Etat& e);

}  // namespace vek
