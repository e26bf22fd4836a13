#pragma once
// How the map draws what it shows: the colour ramp and sizes of the classes, the colours and
// dashes of the mode families, the grey of the missing values, the number format of the legend
// and the tooltips, the fonts.

#include <QColor>
#include <QString>
#include <vector>

#include "FamilleMode.h"

namespace vek::carte {

inline const QColor kGrisManquant{160, 160, 160};
inline const QColor kGrisArcSansValeur{200, 200, 200};
// An arc whose value did not change with the variant: sand, apart from the greys.
inline const QColor kArcInchange{190, 170, 120};
inline const QColor kContourNoeud{60, 60, 60};
inline const QColor kNoeudSansResultat{70, 70, 70};
// The outline of what is chosen in the result table: apart from the yellow-to-red classes.
inline const QColor kSurlignage{0, 150, 255};
inline constexpr double kTaillePolice = 11;  // pixels
inline constexpr const char* kPolice = "DejaVu Sans";

// What the compared variant alone has: hollow nodes and dashed lines of this colour.
inline const QColor kVarianteSeule{0, 140, 70};
inline const std::vector<double> kTiretsVariante{4, 2.5};
inline constexpr double kRayonVariante = 5;
inline constexpr double kLargeurVariante = 2;

// The colour of class c among nb, from pale yellow to dark red.
QColor CouleurClasse(int c, int nb);
double RayonNoeud(int classe, int nb);  // classe -1: no value or no result
double LargeurArc(int classe, int nb, FamilleMode f, bool resultat);
// The classes of a difference (Classification.h, BornesEcarts): the decreases in blues, the
// class of no change (the middle one) near white, the increases in reds, darker and larger
// the farther from it.
QColor CouleurEcart(int c, int nb);
double RayonEcart(int classe, int nb);
double LargeurEcart(int classe, int nb);
QColor CouleurFamille(FamilleMode f);
// Dash pattern in units of the pen width; empty for a solid line.
std::vector<double> TiretsFamille(FamilleMode f);

// A value as the legend and the tooltips write it: a decimal comma, no more decimals than
// its size needs.
QString FormateValeur(double v);

// The length of the scale bar: 1, 2 or 5 times a power of ten km, at most `maxKm`.
double LongueurEchelle(double maxKm);
QString TexteLongueur(double km);

}  // namespace vek::carte
