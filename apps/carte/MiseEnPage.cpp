#include "MiseEnPage.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "Symbologie.h"

namespace vek::carte {

namespace {

constexpr double kPas = 17;      // height of a legend line
constexpr double kSymbole = 26;  // width of the symbol column
constexpr double kBord = 8;

std::vector<LigneLegende> LignesLegende(const ModeleCarte& m) {
    std::vector<LigneLegende> l;
    auto ajoute = [&l](TypeLigne t, QString texte) {
        LigneLegende x;
        x.type = t;
        x.texte = std::move(texte);
        l.push_back(x);
        return &l.back();
    };
    ajoute(TypeLigne::Titre, TitreResultat(m));
    const int nb = m.NbClasses();
    const bool arcs = m.resultat == TypeResultat::Couples;
    if (m.resultat != TypeResultat::Aucun) {
        const QString classes = QStringLiteral("%1 classe%2").arg(nb).arg(nb > 1 ? "s" : "");
        ajoute(TypeLigne::Texte, m.comparaison ? QStringLiteral("variante − base, ") +
                                                     QString::fromStdString(NomMethode(m.methode)) +
                                                     QStringLiteral(" des écarts, ") + classes
                                               : QString::fromStdString(NomMethode(m.methode)) +
                                                     QStringLiteral(", ") + classes);
        // A difference says its sign; the class of no change, its one value.
        const auto borne = [&m](double v) {
            return (m.comparaison && v > 0 ? QStringLiteral("+") : QString()) + FormateValeur(v);
        };
        for (int c = 0; c < nb; ++c) {
            const auto k = static_cast<std::size_t>(c);
            const QString plage =
                m.comparaison && m.bornes[k] == 0 && m.bornes[k + 1] == 0
                    ? QStringLiteral("0, inchangé")
                    : borne(m.bornes[k]) + QStringLiteral(" – ") + borne(m.bornes[k + 1]);
            LigneLegende* x =
                ajoute(TypeLigne::Classe, plage + QStringLiteral(" (%1)").arg(m.effectifs[k]));
            x->couleur = CouleurValeur(m, c, arcs);
            x->ligne = arcs;
            x->taille = TailleValeur(m, c, arcs);
        }
        if (m.manquants > 0 || nb == 0) {
            LigneLegende* x =
                ajoute(TypeLigne::Manquant,
                       (m.comparaison
                            ? QStringLiteral("Sans écart : inaccessible ou d'un seul réseau (%1)")
                            : QStringLiteral("Sans valeur ou inaccessible (%1)"))
                           .arg(m.manquants));
            x->couleur = CouleurValeur(m, -1, arcs);
            x->ligne = arcs;
            x->taille = TailleValeur(m, -1, arcs);
        }
        if (!m.noeudsVariante.empty()) {
            LigneLegende* x = ajoute(
                TypeLigne::Variante,
                QStringLiteral("Nœud de la variante seule (%1)").arg(m.noeudsVariante.size()));
            x->couleur = kVarianteSeule;
            x->creux = true;
            x->taille = kRayonVariante;
        }
        if (!m.couplesVariante.empty()) {
            LigneLegende* x = ajoute(
                TypeLigne::Variante,
                QStringLiteral("Liaison de la variante seule (%1)").arg(m.couplesVariante.size()));
            x->couleur = kVarianteSeule;
            x->creux = true;
            x->ligne = true;
            x->taille = kLargeurVariante;
        }
    }
    if (!arcs)
        for (FamilleMode f : kFamilles) {
            if (m.arcsParFamille[static_cast<std::size_t>(f)] == 0) continue;
            LigneLegende* x = ajoute(TypeLigne::Famille, NomFamille(f));
            x->couleur = CouleurFamille(f);
            x->ligne = true;
            x->famille = f;
            x->taille = LargeurArc(0, 1, f, false);
        }
    return l;
}

}  // namespace

QSizeF MesureEstimee(const QString& texte) {
    return {0.6 * kTaillePolice * texte.size(), 1.3 * kTaillePolice};
}

QString TitreResultat(const ModeleCarte& m) {
    switch (m.resultat) {
        case TypeResultat::Noeuds:
            return m.comparaison ? QStringLiteral("Écart à la variante par nœud")
                                 : QStringLiteral("Valeur par nœud");
        case TypeResultat::Couples:
            return m.comparaison ? QStringLiteral("Écart à la variante par liaison")
                                 : QStringLiteral("Valeur par liaison");
        case TypeResultat::Aucun:
            break;
    }
    return QStringLiteral("Réseau");
}

MiseEnPage Dispose(const ModeleCarte& m, const VueCarte& v, QSizeF taille, const Mesure& mesure,
                   const OptionsDessin& o) {
    MiseEnPage p;
    p.taille = taille;
    p.vue = v;
    const QRectF cadre(QPointF(0, 0), taille);
    p.ecran.reserve(m.noeuds.size());
    int visibles = 0;
    for (const NoeudCarte& x : m.noeuds) {
        p.ecran.push_back(v.VersEcran(x.x, x.y, taille));
        if (cadre.contains(p.ecran.back())) ++visibles;
    }
    int arcsVisibles = 0;
    for (const ArcCarte& a : m.arcs) {
        const QPointF &u = p.ecran[static_cast<std::size_t>(a.origine)],
                      &w = p.ecran[static_cast<std::size_t>(a.destination)];
        if (QRectF(u, w).normalized().intersects(cadre) || cadre.contains(u)) ++arcsVisibles;
    }
    p.fleches = o.fleches && arcsVisibles <= kMaxArcsFleches;
    p.etiquettes = o.etiquettes && visibles <= kMaxNoeudsEtiquetes;

    if (o.legende && !m.Vide()) {
        p.legende = LignesLegende(m);
        double largeur = 0;
        for (const LigneLegende& l : p.legende) {
            const double w =
                mesure(l.texte).width() +
                (l.type == TypeLigne::Titre || l.type == TypeLigne::Texte ? 0 : kSymbole + 6);
            largeur = std::max(largeur, w);
        }
        const double l = largeur + 2 * kBord;
        const double h = kPas * static_cast<double>(p.legende.size()) + 2 * kBord;
        p.cadreLegende = QRectF(taille.width() - l - 10, 10, l, h);
        double y = p.cadreLegende.top() + kBord;
        const double x0 = p.cadreLegende.left() + kBord;
        for (LigneLegende& x : p.legende) {
            const bool symbole = x.type != TypeLigne::Titre && x.type != TypeLigne::Texte;
            x.texteEn = QPointF(symbole ? x0 + kSymbole + 6 : x0, y + kPas - 4);
            if (symbole) x.symbole = QRectF(x0, y + 1, kSymbole, kPas - 2);
            y += kPas;
        }
    }
    if (o.echelle && !m.Vide() && v.echelle > 0) {
        p.echelleKm = LongueurEchelle(taille.width() / 5 / v.echelle);
        p.echellePx = p.echelleKm * v.echelle;
        p.origineEchelle = QPointF(16, taille.height() - 16);
        p.texteEchelle = TexteLongueur(p.echelleKm);
    }

    if (p.etiquettes) {
        // The larger values, then the larger populations, are labelled first.
        std::vector<int> ordre;
        for (std::size_t i = 0; i < m.noeuds.size(); ++i)
            if (!m.noeuds[i].nom.isEmpty() && cadre.contains(p.ecran[i]))
                ordre.push_back(static_cast<int>(i));
        std::stable_sort(ordre.begin(), ordre.end(), [&m](int a, int b) {
            const NoeudCarte &x = m.noeuds[static_cast<std::size_t>(a)],
                             &y = m.noeuds[static_cast<std::size_t>(b)];
            const int rx = Rang(m, x.classe), ry = Rang(m, y.classe);
            if (rx != ry) return rx > ry;
            return x.population > y.population;
        });
        std::vector<QRectF> prises;
        if (!p.cadreLegende.isEmpty()) prises.push_back(p.cadreLegende);
        for (int i : ordre) {
            const NoeudCarte& x = m.noeuds[static_cast<std::size_t>(i)];
            const QPointF c = p.ecran[static_cast<std::size_t>(i)];
            const QSizeF s = mesure(x.nom);
            const double r = m.resultat == TypeResultat::Noeuds ? TailleValeur(m, x.classe, false)
                                                                : RayonNoeud(-1, 0);
            for (const QRectF& b :
                 {QRectF(QPointF(c.x() + r + 2, c.y() - s.height() / 2), s),
                  QRectF(QPointF(c.x() - r - 2 - s.width(), c.y() - s.height() / 2), s)}) {
                if (!cadre.contains(b)) continue;
                if (std::any_of(prises.begin(), prises.end(),
                                [&b](const QRectF& q) { return q.intersects(b); }))
                    continue;
                prises.push_back(b);
                p.etiquettesPlacees.push_back({i, b});
                break;
            }
        }
    }
    return p;
}

}  // namespace vek::carte
