#include "ExportCarte.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <cmath>

#include "DessinCarte.h"
#include "MiseEnPage.h"
#include "Symbologie.h"
#include "VueCarte.h"

namespace vek::carte {

namespace {

QString Echappe(const QString& t) {
    return t.toHtmlEscaped();
}

QString N(double v) {
    QString t = QString::number(v, 'f', 2);
    while (t.endsWith('0')) t.chop(1);
    if (t.endsWith('.')) t.chop(1);
    return t == "-0" ? QStringLiteral("0") : t;
}

QString Couleur(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString Tirets(const std::vector<double>& t, double largeur) {
    if (t.empty()) return {};
    QStringList l;
    for (double x : t) l << N(x * largeur);
    return QStringLiteral(" stroke-dasharray=\"%1\"").arg(l.join(' '));
}

QString Texte(QPointF en, const QString& t, bool gras = false) {
    return QStringLiteral("<text x=\"%1\" y=\"%2\"%3>%4</text>\n")
        .arg(N(en.x()), N(en.y()), gras ? QStringLiteral(" font-weight=\"bold\"") : QString(),
             Echappe(t));
}

}  // namespace

QImage ImageCarte(const ModeleCarte& m, int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    const QSizeF taille(largeur, hauteur);
    DessineCarte(p, m, VueAjustee(m, taille), taille);
    p.end();
    return image;
}

QByteArray TexteSvg(const ModeleCarte& m, int largeur, int hauteur) {
    const QSizeF taille(largeur, hauteur);
    const VueCarte v = VueAjustee(m, taille);
    const MiseEnPage mp = Dispose(m, v, taille, MesureEstimee, {});
    QString s;
    s.reserve(static_cast<qsizetype>(200 + 160 * (m.arcs.size() + m.noeuds.size())));
    s += QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
             "viewBox=\"0 0 %1 %2\" font-family=\"%3, sans-serif\" font-size=\"%4\">\n")
             .arg(largeur)
             .arg(hauteur)
             .arg(kPolice)
             .arg(N(kTaillePolice));
    s += QStringLiteral("<title>%1</title>\n").arg(Echappe(TitreResultat(m)));
    s += QStringLiteral(
        "<defs><marker id=\"fleche\" markerUnits=\"userSpaceOnUse\" markerWidth=\"8\" "
        "markerHeight=\"8\" refX=\"18\" refY=\"4\" orient=\"auto\">"
        "<path d=\"M0,0 L8,4 L0,8 z\" fill=\"#333333\"/></marker></defs>\n");
    s += QStringLiteral("<rect width=\"%1\" height=\"%2\" fill=\"white\"/>\n")
             .arg(largeur)
             .arg(hauteur);

    const bool couples = m.resultat == TypeResultat::Couples;
    s += QStringLiteral("<g id=\"arcs\" stroke-linecap=\"butt\">\n");
    for (const ArcCarte& a : m.arcs) {
        const QPointF &u = mp.ecran[static_cast<std::size_t>(a.origine)],
                      &w = mp.ecran[static_cast<std::size_t>(a.destination)];
        QColor c;
        double l;
        QString tirets;
        if (couples) {
            c = CouleurValeur(m, a.classe, true);
            l = TailleValeur(m, a.classe, true);
        } else {
            c = CouleurFamille(a.famille);
            l = LargeurArc(0, 1, a.famille, false);
            tirets = Tirets(TiretsFamille(a.famille), l);
        }
        s +=
            QStringLiteral(
                "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                "stroke-width=\"%6\"%7%8><title>%9</title></line>\n")
                .arg(N(u.x()), N(u.y()), N(w.x()), N(w.y()), Couleur(c), N(l), tirets,
                     AvecFleche(mp, a) ? QStringLiteral(" marker-end=\"url(#fleche)\"") : QString(),
                     Echappe(TitreArc(m, a)));
    }
    for (const CoupleVariante& c : m.couplesVariante) {
        const QPointF u = mp.VersEcran(c.origine), w = mp.VersEcran(c.destination);
        s += QStringLiteral(
                 "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                 "stroke-width=\"%6\"%7 class=\"variante\"><title>%8</title></line>\n")
                 .arg(N(u.x()), N(u.y()), N(w.x()), N(w.y()), Couleur(kVarianteSeule),
                      N(kLargeurVariante), Tirets(kTiretsVariante, kLargeurVariante),
                      Echappe(TitreVariante(c)));
    }
    s += QStringLiteral("</g>\n");

    const bool noeuds = m.resultat == TypeResultat::Noeuds;
    s += QStringLiteral("<g id=\"noeuds\" stroke=\"%1\" stroke-width=\"0.8\">\n")
             .arg(Couleur(kContourNoeud));
    std::vector<std::size_t> ordre(m.noeuds.size());
    for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
    if (noeuds)
        std::stable_sort(ordre.begin(), ordre.end(), [&m](std::size_t a, std::size_t b) {
            return Rang(m, m.noeuds[a].classe) < Rang(m, m.noeuds[b].classe);
        });
    for (std::size_t i : ordre) {
        const NoeudCarte& x = m.noeuds[i];
        const QColor f = noeuds ? CouleurValeur(m, x.classe, false) : kNoeudSansResultat;
        const double r = noeuds ? TailleValeur(m, x.classe, false) : RayonNoeud(-1, 0);
        s += QStringLiteral(
                 "<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"><title>%5</title>"
                 "</circle>\n")
                 .arg(N(mp.ecran[i].x()), N(mp.ecran[i].y()), N(r), Couleur(f),
                      Echappe(TitreNoeud(m, x)));
    }
    for (const NoeudVariante& x : m.noeudsVariante) {
        const QPointF c = mp.VersEcran(x);
        s += QStringLiteral(
                 "<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"%4\" "
                 "stroke-width=\"%5\" class=\"variante\"><title>%6</title></circle>\n")
                 .arg(N(c.x()), N(c.y()), N(kRayonVariante), Couleur(kVarianteSeule),
                      N(kLargeurVariante), Echappe(TitreVariante(x)));
    }
    s += QStringLiteral("</g>\n");

    if (!mp.etiquettesPlacees.empty()) {
        s += QStringLiteral("<g id=\"etiquettes\" fill=\"#1e1e1e\">\n");
        for (const Etiquette& e : mp.etiquettesPlacees)
            s += Texte(QPointF(e.boite.left(), e.boite.top() + 0.95 * kTaillePolice),
                       m.noeuds[static_cast<std::size_t>(e.noeud)].nom);
        s += QStringLiteral("</g>\n");
    }

    s += QStringLiteral("<g id=\"legende\">\n");
    if (!mp.cadreLegende.isEmpty()) {
        const QRectF& r = mp.cadreLegende;
        s += QStringLiteral(
                 "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"white\" "
                 "fill-opacity=\"0.9\" stroke=\"#787878\"/>\n")
                 .arg(N(r.x()), N(r.y()), N(r.width()), N(r.height()));
        for (const LigneLegende& l : mp.legende) {
            if (!l.symbole.isEmpty()) {
                const QPointF c = l.symbole.center();
                if (l.ligne) {
                    // A path, not a line: every <line> of the document is an arc.
                    s += QStringLiteral(
                             "<path d=\"M%1,%2 H%3\" stroke=\"%4\" stroke-width=\"%5\""
                             "%6/>\n")
                             .arg(N(l.symbole.left() + 2), N(c.y()), N(l.symbole.right() - 2),
                                  Couleur(l.couleur), N(l.taille),
                                  l.type == TypeLigne::Famille
                                      ? Tirets(TiretsFamille(l.famille), l.taille)
                                  : l.creux ? Tirets(kTiretsVariante, l.taille)
                                            : QString());
                } else {
                    // A square, not a circle: every <circle> of the document is a node.
                    s +=
                        QStringLiteral(
                            "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" "
                            "rx=\"%4\" fill=\"%5\" stroke=\"%6\" "
                            "stroke-width=\"%7\"/>\n")
                            .arg(N(c.x() - l.taille), N(c.y() - l.taille), N(2 * l.taille),
                                 N(l.taille), l.creux ? QStringLiteral("none") : Couleur(l.couleur),
                                 Couleur(l.creux ? l.couleur : kContourNoeud),
                                 N(l.creux ? kLargeurVariante : 0.8));
                }
            }
            s += Texte(l.texteEn, l.texte, l.type == TypeLigne::Titre);
        }
    }
    if (mp.echellePx > 0) {
        const QPointF o = mp.origineEchelle;
        s += QStringLiteral(
                 "<g id=\"echelle\"><path d=\"M%1,%2 V%3 H%4 V%2\" fill=\"none\" "
                 "stroke=\"black\" stroke-width=\"1.5\"/>")
                 .arg(N(o.x()), N(o.y() - 5), N(o.y()), N(o.x() + mp.echellePx));
        s += Texte(o + QPointF(0, -7), mp.texteEchelle);
        s += QStringLiteral("</g>\n");
    }
    s += QStringLiteral("</g>\n</svg>\n");
    return s.toUtf8();
}

bool ExtensionCarte(const std::string& chemin) {
    const QString e = QFileInfo(QString::fromStdString(chemin)).suffix().toLower();
    return e == "png" || e == "svg";
}

bool ExporteCarte(const ModeleCarte& m, const std::string& chemin, int largeur, int hauteur,
                  std::string& erreur) {
    const QString nom = QString::fromStdString(chemin);
    const QString e = QFileInfo(nom).suffix().toLower();
    if (e != "png" && e != "svg") {
        erreur = "la carte s'écrit en PNG ou en SVG (extension .png ou .svg) : " + chemin;
        return false;
    }
    if (largeur < 1 || hauteur < 1 || largeur > 20000 || hauteur > 20000) {
        erreur = "taille de carte invalide : " + std::to_string(largeur) + " × " +
                 std::to_string(hauteur);
        return false;
    }
    QSaveFile f(nom);
    bool ok = f.open(QIODevice::WriteOnly);
    if (ok) {
        if (e == "svg")
            ok = f.write(TexteSvg(m, largeur, hauteur)) >= 0;
        else
            ok = ImageCarte(m, largeur, hauteur).save(&f, "PNG");
    }
    if (ok) ok = f.commit();
    if (!ok) {
        erreur =
            "impossible d'écrire la carte : " + chemin + " (" + f.errorString().toStdString() + ")";
        f.cancelWriting();
    }
    return ok;
}

}  // namespace vek::carte
