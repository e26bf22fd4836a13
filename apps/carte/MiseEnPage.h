#pragma once
// Where things go in one drawing of the map, the same for the painted image and the SVG text:
// the nodes on screen, whether arrows and labels are shown at this scale, the labels kept
// (a label whose box meets one already placed, or the legend, is left out), the legend lines
// and the scale bar.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "ModeleCarte.h"
#include "VueCarte.h"

namespace vek::carte {

// The size of a text in the map's font.
using Mesure = std::function<QSizeF(const QString&)>;
// The size the SVG text is given: an estimate, there being no font to measure it with.
QSizeF MesureEstimee(const QString& texte);

struct OptionsDessin {
    bool etiquettes = true;
    bool fleches = true;
    bool legende = true;
    bool echelle = true;
};

// Above these, the map is zoomed out: labels, then arrows, are left out.
inline constexpr int kMaxNoeudsEtiquetes = 400;
inline constexpr int kMaxArcsFleches = 4000;
inline constexpr double kLongueurMinFleche = 24;  // pixels

enum class TypeLigne { Titre, Texte, Classe, Manquant, Famille, Variante };

struct LigneLegende {
    TypeLigne type = TypeLigne::Texte;
    QString texte;
    QColor couleur;
    double taille = 0;   // radius of a node symbol, width of a line symbol
    bool ligne = false;  // line symbol (arcs) rather than a disc (nodes)
    bool creux = false;  // a ring rather than a disc; a dashed line
    FamilleMode famille = FamilleMode::Route;
    QPointF texteEn;  // left end of the text's baseline
    QRectF symbole;   // box of the symbol; empty for text lines
};

struct Etiquette {
    int noeud = 0;
    QRectF boite;
};

struct MiseEnPage {
    QSizeF taille;
    std::vector<QPointF> ecran;  // node positions in pixels
    bool fleches = false, etiquettes = false;
    std::vector<Etiquette> etiquettesPlacees;
    QRectF cadreLegende;  // empty: no legend
    std::vector<LigneLegende> legende;
    double echelleKm = 0, echellePx = 0;
    QPointF origineEchelle;  // left end of the bar
    QString texteEchelle;
    // Where a point of the network (km) is drawn.
    VueCarte vue;
    QPointF VersEcran(const NoeudVariante& x) const { return vue.VersEcran(x.x, x.y, taille); }
};

// True when an arc with these ends on screen carries an arrow.
inline bool AvecFleche(const MiseEnPage& p, const ArcCarte& a) {
    if (!p.fleches || !a.sensUnique) return false;
    const QPointF d = p.ecran[static_cast<std::size_t>(a.destination)] -
                      p.ecran[static_cast<std::size_t>(a.origine)];
    return d.x() * d.x() + d.y() * d.y() >= kLongueurMinFleche * kLongueurMinFleche;
}

MiseEnPage Dispose(const ModeleCarte& m, const VueCarte& v, QSizeF taille, const Mesure& mesure,
                   const OptionsDessin& o);

// The title of the result shown: "Valeur par nœud", "Valeur par liaison", "Écart à la
// variante par nœud", "Écart à la variante par liaison" or "Réseau".
QString TitreResultat(const ModeleCarte& m);

}  // namespace vek::carte
