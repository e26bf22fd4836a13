#include "DessinCarte.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <map>

#include "Symbologie.h"

namespace vek::carte {

namespace {

QPen Crayon(const QColor& c, double largeur, const std::vector<double>& tirets) {
    QPen s(c, largeur);
    s.setCapStyle(Qt::FlatCap);
    if (!tirets.empty()) s.setDashPattern(QList<qreal>(tirets.begin(), tirets.end()));
    return s;
}

// A filled triangle pointing from u to w, at two thirds of the way.
QPolygonF Fleche(QPointF u, QPointF w) {
    const QLineF l(u, w);
    const QPointF bout = l.pointAt(2.0 / 3.0);
    const double ux = (w.x() - u.x()) / l.length(), uy = (w.y() - u.y()) / l.length();
    const QPointF base = bout - QPointF(ux * 8, uy * 8);
    const QPointF n(-uy * 4, ux * 4);
    return QPolygonF({bout, base + n, base - n});
}

void DessineArcs(QPainter& p, const ModeleCarte& m, const MiseEnPage& mp) {
    const QRectF cadre = QRectF(QPointF(0, 0), mp.taille).adjusted(-10, -10, 10, 10);
    const bool resultat = m.resultat == TypeResultat::Couples;
    // One batch of lines per pen: by class under a per-pair result, by family otherwise.
    std::map<int, std::vector<QLineF>> lots;
    for (const ArcCarte& a : m.arcs) {
        const QPointF &u = mp.ecran[static_cast<std::size_t>(a.origine)],
                      &w = mp.ecran[static_cast<std::size_t>(a.destination)];
        if (!QRectF(u, w).normalized().adjusted(-1, -1, 1, 1).intersects(cadre)) continue;
        lots[resultat ? a.classe : static_cast<int>(a.famille)].emplace_back(u, w);
    }
    // Zoomed out, thin solid lines of whole pixels: the rasteriser's fast path.
    std::size_t nbLignes = 0;
    for (const auto& lot : lots) nbLignes += lot.second.size();
    const bool simple = nbLignes > static_cast<std::size_t>(kMaxArcsFleches);
    // The arcs chosen in the result table: a band wider than their own line, under it.
    for (const ArcCarte& a : m.arcs) {
        if (!a.surligne) continue;
        QPen bande(
            kSurlignage,
            (resultat ? TailleValeur(m, a.classe, true) : LargeurArc(0, 1, a.famille, false)) + 6);
        bande.setCapStyle(Qt::RoundCap);
        p.setPen(bande);
        p.drawLine(mp.ecran[static_cast<std::size_t>(a.origine)],
                   mp.ecran[static_cast<std::size_t>(a.destination)]);
    }
    for (auto& [cle, lignes] : lots) {
        QColor c;
        double largeur;
        std::vector<double> tirets;
        if (resultat) {
            c = CouleurValeur(m, cle, true);
            largeur = TailleValeur(m, cle, true);
        } else {
            const auto f = static_cast<FamilleMode>(cle);
            c = CouleurFamille(f);
            largeur = LargeurArc(0, 1, f, false);
            tirets = TiretsFamille(f);
        }
        if (simple) {
            largeur = largeur < 2 ? 0 : std::round(largeur);
            tirets.clear();
        }
        p.setPen(Crayon(c, largeur, tirets));
        p.drawLines(lignes.data(), static_cast<int>(lignes.size()));
    }
    if (!m.couplesVariante.empty()) {
        p.setPen(Crayon(kVarianteSeule, kLargeurVariante, kTiretsVariante));
        for (const CoupleVariante& c : m.couplesVariante)
            p.drawLine(mp.VersEcran(c.origine), mp.VersEcran(c.destination));
    }
    if (!mp.fleches) return;
    p.setPen(Qt::NoPen);
    for (const ArcCarte& a : m.arcs) {
        if (!AvecFleche(mp, a)) continue;
        const QPointF &u = mp.ecran[static_cast<std::size_t>(a.origine)],
                      &w = mp.ecran[static_cast<std::size_t>(a.destination)];
        if (!cadre.contains(u) && !cadre.contains(w)) continue;
        p.setBrush(resultat
                       ? (a.classe < 0 ? kGrisManquant : CouleurValeur(m, a.classe, true).darker())
                       : CouleurFamille(a.famille));
        p.drawPolygon(Fleche(u, w));
    }
}

void DessineNoeuds(QPainter& p, const ModeleCarte& m, const MiseEnPage& mp) {
    const QRectF cadre = QRectF(QPointF(0, 0), mp.taille).adjusted(-12, -12, 12, 12);
    const bool resultat = m.resultat == TypeResultat::Noeuds;
    std::vector<int> ordre;
    ordre.reserve(m.noeuds.size());
    for (std::size_t i = 0; i < m.noeuds.size(); ++i)
        if (cadre.contains(mp.ecran[i])) ordre.push_back(static_cast<int>(i));
    if (resultat)
        std::stable_sort(ordre.begin(), ordre.end(), [&m](int a, int b) {
            return Rang(m, m.noeuds[static_cast<std::size_t>(a)].classe) <
                   Rang(m, m.noeuds[static_cast<std::size_t>(b)].classe);
        });
    p.setPen(QPen(kContourNoeud, 0.8));
    for (int i : ordre) {
        const NoeudCarte& x = m.noeuds[static_cast<std::size_t>(i)];
        p.setBrush(resultat ? CouleurValeur(m, x.classe, false) : kNoeudSansResultat);
        const double r = resultat ? TailleValeur(m, x.classe, false) : RayonNoeud(-1, 0);
        p.drawEllipse(mp.ecran[static_cast<std::size_t>(i)], r, r);
    }
    // The nodes of the variant alone: rings, above the others.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kVarianteSeule, kLargeurVariante));
    for (const NoeudVariante& x : m.noeudsVariante) {
        const QPointF c = mp.VersEcran(x);
        if (cadre.contains(c)) p.drawEllipse(c, kRayonVariante, kRayonVariante);
    }
    // The nodes chosen in the result table: a ring around them, above the others.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSurlignage, 3));
    for (int i : ordre) {
        const NoeudCarte& x = m.noeuds[static_cast<std::size_t>(i)];
        if (!x.surligne) continue;
        const double r = (resultat ? TailleValeur(m, x.classe, false) : RayonNoeud(-1, 0)) + 3.5;
        p.drawEllipse(mp.ecran[static_cast<std::size_t>(i)], r, r);
    }
}

void DessineLegende(QPainter& p, const MiseEnPage& mp) {
    if (mp.cadreLegende.isEmpty()) return;
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(mp.cadreLegende);
    for (const LigneLegende& l : mp.legende) {
        if (!l.symbole.isEmpty()) {
            const QPointF c = l.symbole.center();
            if (l.ligne) {
                p.setPen(Crayon(l.couleur, l.taille,
                                l.type == TypeLigne::Famille ? TiretsFamille(l.famille)
                                : l.creux                    ? kTiretsVariante
                                                             : std::vector<double>{}));
                p.drawLine(QPointF(l.symbole.left() + 2, c.y()),
                           QPointF(l.symbole.right() - 2, c.y()));
            } else if (l.creux) {
                p.setPen(QPen(l.couleur, kLargeurVariante));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(c, l.taille, l.taille);
            } else {
                p.setPen(QPen(kContourNoeud, 0.8));
                p.setBrush(l.couleur);
                p.drawEllipse(c, l.taille, l.taille);
            }
        }
        QFont f = PoliceCarte();
        f.setBold(l.type == TypeLigne::Titre);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(l.texteEn, l.texte);
    }
}

void DessineEchelle(QPainter& p, const MiseEnPage& mp) {
    if (mp.echellePx <= 0) return;
    const QPointF o = mp.origineEchelle;
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(o, o + QPointF(mp.echellePx, 0));
    p.drawLine(o, o - QPointF(0, 5));
    p.drawLine(o + QPointF(mp.echellePx, 0), o + QPointF(mp.echellePx, -5));
    p.setFont(PoliceCarte());
    p.drawText(o + QPointF(0, -7), mp.texteEchelle);
}

}  // namespace

QFont PoliceCarte() {
    QFont f(kPolice);
    f.setPixelSize(static_cast<int>(kTaillePolice));
    return f;
}

void DessineCarte(QPainter& p, const ModeleCarte& m, const VueCarte& v, QSizeF taille,
                  const OptionsDessin& o) {
    p.save();
    p.fillRect(QRectF(QPointF(0, 0), taille), Qt::white);
    const QFontMetricsF fm(PoliceCarte());
    const QFont gras = [] {
        QFont f = PoliceCarte();
        f.setBold(true);
        return f;
    }();
    const QFontMetricsF fmGras(gras);
    const MiseEnPage mp = Dispose(
        m, v, taille,
        [&fmGras](const QString& t) {
            // The bold width bounds the plain one: the legend's title fits too.
            return QSizeF(fmGras.horizontalAdvance(t), fmGras.height());
        },
        o);
    p.setRenderHint(QPainter::Antialiasing,
                    m.arcs.size() <= static_cast<std::size_t>(kMaxArcsFleches));
    DessineArcs(p, m, mp);
    p.setRenderHint(QPainter::Antialiasing, true);
    DessineNoeuds(p, m, mp);
    if (!mp.etiquettesPlacees.empty()) {
        p.setFont(PoliceCarte());
        for (const Etiquette& e : mp.etiquettesPlacees) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 170));
            p.drawRect(e.boite);
            p.setPen(QColor(30, 30, 30));
            p.drawText(QPointF(e.boite.left(), e.boite.top() + fm.ascent()),
                       m.noeuds[static_cast<std::size_t>(e.noeud)].nom);
        }
    }
    DessineLegende(p, mp);
    DessineEchelle(p, mp);
    p.restore();
}

}  // namespace vek::carte
