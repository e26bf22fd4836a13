#pragma once
// The accessibility criteria: every place within 50 km or 45 minutes of a motorway or
// express-way interchange or of a high-speed train station. Destination nodes are known by
// the modes of the arcs that touch them (6 and 61: road; 3 and 31: rail).

#include "shell/Dialogue.h"

namespace vek {

struct EtatAccessibilite;

// NoeudsCriteres as kind codes (1 road, 2 rail, 3 both) for the kinds chosen; then the mode
// dialog, the network read again when asked and the markers made again on it.
void SelectionNoeudsDestination(EtatAccessibilite& e);
// The shortest value to the nearest destination (0 for a destination, 32000 when none is
// reached) and the kind of that destination. False, after a message, when the valuation in
// force has no meaning for it.
bool PlusProcheNoeudDestination(EtatAccessibilite& e);
// NoeudsCriteres as markers of the four kinds, whatever was chosen.
void SelectionNoeudsCriteres(EtatAccessibilite& e);
// The criteria codes: 10 a destination, 2 none within 50 km nor 45 minutes, 4 within 50 km
// only, 6 within 45 minutes only, 8 both.
void RespectCriteres(EtatAccessibilite& e);

// The destination dialog: its boxes show the kinds chosen and switch them on or off.
Dialogue DialogueSelecNoeudsDest(EtatAccessibilite& e);

void menNoeudProche(EtatAccessibilite& e);
void menTevrinLongueurs(EtatAccessibilite& e);
void menTevrinTemps(EtatAccessibilite& e);
void menRespectCritères(EtatAccessibilite& e);

}  // namespace vek
