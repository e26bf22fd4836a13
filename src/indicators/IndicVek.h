#pragma once
// The nodality dialog ("Edition des indicateurs de nodalité") and the commands of the
// "&Nodalité" menu.

#include "shell/Dialogue.h"

namespace vek {

struct EtatIndicateurs;

// One option group for the ten indicators; frames for the order, the valuation and the
// modes, each enabled only for the indicators that read it; the mode list shown only for
// "Unimodalité". "Fichier" keeps the choices in EtatIndicateurs::IndicVek.
Dialogue DialogueIndicVek(EtatIndicateurs& e);

// "&Calcul...": the indicator chosen, written to RepResultats + "\NoeudVal.dat" and opened.
void menCalculNodalité(EtatIndicateurs& e);
// "&Réseaux...": the characteristics of the modes; "Lecture" reads the network again.
void menRéseauxNodalité(EtatIndicateurs& e);

}  // namespace vek
