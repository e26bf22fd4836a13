#pragma once
// The nodality indicators: node by node, how strongly each node is connected. Each routine
// re-creates ValeursNoeuds (0..NbNoeuds, zeros) and fills it; the choices it reads (order,
// valuation, mode options) are those of the nodality dialog, kept in EtatIndicateurs::IndicVek.

#include <cstdint>
#include <string>

namespace vek {

struct EtatIndicateurs;

enum class Demi { Degre, Exterieur, Interieur };

// Degree ("Degré"), outer half-degree ("Demi-degré extérieur") or inner half-degree
// ("Demi-degré intérieur") of order 1: arcs of selected modes, weighted by the valuation
// (1, Distance or Temps); a non-oriented arc counts both ways.
void CalculDegre(EtatIndicateurs& e, const std::string& indicateur);
// The same computation under its fixed caption ("Calcul du degré...", ...).
void CalculDegreFixe(EtatIndicateurs& e, Demi type);
// Inner minus outer half-degree, each rounded to an integer. False, after a message naming
// the first node, when a half-degree or the valence is no 64-bit integer: the values are then
// all 0 and are not to be written.
bool CalculValence(EtatIndicateurs& e);
// The number of other nodes reached directly by an arc of a selected mode.
void CalculNbNoeudsAccessibles(EtatIndicateurs& e);
// d·log10(d), d the number of arcs incident to the node.
void CalculIndiceConnexion(EtatIndicateurs& e);
// Connexion indices by mode: over all the modes of the network, or for the mode of that code.
void CalculInterConnexion(EtatIndicateurs& e, bool multimodal, int mode = 0);
void CalculIntraConnexion(EtatIndicateurs& e, bool multimodal, int mode = 0);
// 0 no arc, 2 one arc, 3 more (with "Missions", a mode-3 arc counts half); mode 0 for all.
void CalculProprieteNodalite(EtatIndicateurs& e, int mode);
// ArcsTravail: a copy of the arc table.
void CopieArcsTravail(EtatIndicateurs& e);
// The order-1 value chosen plus the order-1 values of the nodes reached by one arc.
void CalculContiguiteOrdre2(EtatIndicateurs& e);

// Runs the indicator chosen in the nodality dialog; false when its values are not to be
// written (said in a message).
bool CalculNodalite(EtatIndicateurs& e);

}  // namespace vek
