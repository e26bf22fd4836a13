// The map of the network and its results: the class breaks on known series, the example
// network exported as SVG (one circle per node, one line per arc, their titles, the legend)
// and as PNG, the degree of the nodes and a per-pair result shown, what the setting
// ValeursCarte puts on the map, the differences with a variant in classes symmetric around
// zero and what the variant alone has, the `carte` instruction of vek-batch and the maps of
// docs/screens, what the map of the main window says under the pointer, the result a command
// sends to the map, what its "Fenêtre" menu shows on it, and the rows of the result table
// chosen from the map and shown on it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "Classification.h"
#include "DessinCarte.h"
#include "ExecutionScript.h"
#include "ExportCarte.h"
#include "FenetreVek.h"
#include "ModeleCarte.h"
#include "PanneauCarte.h"
#include "PortEssai.h"
#include "Reseaux.h"
#include "Symbologie.h"
#include "TableResultats.h"
#include "Visionneuse.h"
#include "indicators/Nodalite.h"
#include "network/ListeCouples.h"
#include "network/ValeursNoeuds.h"
#include "shell/Fichiers.h"
#include "shell/Journal.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

using carte::BornesClasses;
using carte::ClasseDe;
using carte::MethodeClasses;

// The application object the drawing needs, unless a test before left one.
struct Application {
    int argc = 1;
    char nom[4] = "vek";
    char* argv[2] = {nom, nullptr};
    std::unique_ptr<QApplication> app;
    Application() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QCoreApplication::instance()) app = std::make_unique<QApplication>(argc, argv);
    }
};

// The example network loaded as the "Ouvrir" command loads it.
struct Exemple : test::Session {
    Exemple() {
        port.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                         test::Source("examples/utf8/arcs.dat")};
        menOuvrir(e);
    }
    void Degre() {
        e.IndicVek = {"Degré", "Ordre1", "Booléenne", "Multimodal", ""};
        CalculNodalite(e);
    }
};

// What an SVG document holds: its circles and lines with their titles, the
// texts of the group "legende".
struct Svg {
    std::vector<QString> cercles, lignes, legende;
    std::vector<QString> remplissages, traits;  // of each circle, of each line
    int cerclesVariante = 0, lignesVariante = 0;
    bool groupeLegende = false;
    QString erreur;
};

Svg Analyse(const QByteArray& texte) {
    Svg s;
    QXmlStreamReader x(texte);
    std::vector<QString> pile;  // names of the open elements
    int profondeurLegende = -1;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            const QString nom = x.name().toString();
            if (nom == "g" && x.attributes().value("id") == QLatin1String("legende")) {
                s.groupeLegende = true;
                profondeurLegende = static_cast<int>(pile.size());
            }
            const bool variante = x.attributes().value("class") == QLatin1String("variante");
            if (nom == "circle") {
                s.cercles.emplace_back();
                s.remplissages.push_back(x.attributes().value("fill").toString());
                s.cerclesVariante += variante;
            }
            if (nom == "line") {
                s.lignes.emplace_back();
                s.traits.push_back(x.attributes().value("stroke").toString());
                s.lignesVariante += variante;
            }
            if (nom == "title" && !pile.empty()) {
                const QString t = x.readElementText();
                if (pile.back() == "circle") s.cercles.back() = t;
                if (pile.back() == "line") s.lignes.back() = t;
                continue;  // the title's end is read
            }
            if (nom == "text" && profondeurLegende >= 0) {
                s.legende.push_back(x.readElementText());
                continue;
            }
            pile.push_back(nom);
        } else if (x.isEndElement()) {
            pile.pop_back();
            if (static_cast<int>(pile.size()) == profondeurLegende) profondeurLegende = -1;
        }
    }
    if (x.hasError()) s.erreur = x.errorString();
    return s;
}

bool Contient(const std::vector<QString>& textes, const QString& fragment) {
    return std::any_of(textes.begin(), textes.end(),
                       [&](const QString& t) { return t.contains(fragment); });
}

TEST(Classes, SeriesConnues) {
    std::vector<double> un_a_dix;
    for (int i = 1; i <= 10; ++i) un_a_dix.push_back(i);
    EXPECT_EQ(BornesClasses(un_a_dix, 5, MethodeClasses::Quantiles),
              (std::vector<double>{1, 2, 4, 6, 8, 10}));
    EXPECT_EQ(BornesClasses(un_a_dix, 3, MethodeClasses::IntervallesEgaux),
              (std::vector<double>{1, 4, 7, 10}));
    // Three clear groups: the natural breaks fall between them, whatever the
    // order.
    const std::vector<double> groupes = {21, 1, 12, 2, 22, 3, 10, 11, 20};
    EXPECT_EQ(BornesClasses(groupes, 3, MethodeClasses::SeuilsNaturels),
              (std::vector<double>{1, 3, 12, 22}));
    EXPECT_EQ(BornesClasses({1, 1, 1, 2, 2, 50, 52, 53, 90}, 3, MethodeClasses::SeuilsNaturels),
              (std::vector<double>{1, 2, 53, 90}));
    // Missing and unreachable values never enter; repeated quantiles merge.
    EXPECT_EQ(BornesClasses({5, NAN, 32000, INFINITY, 1, 3}, 2, MethodeClasses::IntervallesEgaux),
              (std::vector<double>{1, 3, 5}));
    EXPECT_EQ(BornesClasses({0, 0, 0, 0, 0, 0, 0, 1}, 5, MethodeClasses::Quantiles),
              (std::vector<double>{0, 0, 1}));
    EXPECT_EQ(BornesClasses({2.5, 7.5}, 5, MethodeClasses::Quantiles),
              (std::vector<double>{2.5, 2.5, 7.5}));
    EXPECT_EQ(BornesClasses({2.5, 7.5, 7.5, 7.5}, 5, MethodeClasses::Quantiles),
              (std::vector<double>{2.5, 2.5, 7.5}));
    EXPECT_EQ(BornesClasses({7, 7, 7}, 5, MethodeClasses::SeuilsNaturels),
              (std::vector<double>{7, 7}));
    EXPECT_TRUE(BornesClasses({NAN, 40000}, 5, MethodeClasses::Quantiles).empty());
    // A long series: the natural breaks stay between the groups.
    std::vector<double> longue;
    for (int i = 0; i < 3000; ++i) longue.push_back(i % 3 == 0 ? i % 7 : 1000 + i % 5);
    const auto b = BornesClasses(longue, 2, MethodeClasses::SeuilsNaturels);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[1], 6);

    const std::vector<double> bornes = {1, 3, 12, 22};
    EXPECT_EQ(ClasseDe(bornes, 1), 0);
    EXPECT_EQ(ClasseDe(bornes, 3), 0);
    EXPECT_EQ(ClasseDe(bornes, 3.5), 1);
    EXPECT_EQ(ClasseDe(bornes, 22), 2);
    EXPECT_EQ(ClasseDe({}, 5), -1);
    EXPECT_TRUE(carte::ValeurManquante(32000));
    EXPECT_TRUE(carte::ValeurManquante(NAN));
    EXPECT_FALSE(carte::ValeurManquante(31999.5));
}

TEST(Carte, ReseauExempleEnSvgEtEnPng) {
    Application application;
    Exemple x;
    ASSERT_EQ(x.e.NbNoeuds, 44);
    carte::ModeleCarte m = carte::ConstruitModele(x.e);
    carte::AppliqueResultat(m, x.e, true, MethodeClasses::Quantiles, 5);
    EXPECT_EQ(m.resultat, carte::TypeResultat::Aucun);
    ASSERT_EQ(static_cast<int>(m.arcs.size()), x.e.NbArcs);
    EXPECT_GT(m.arcsParFamille[static_cast<std::size_t>(carte::FamilleMode::Fer)], 0);
    EXPECT_GT(m.arcsParFamille[static_cast<std::size_t>(carte::FamilleMode::Ferry)], 0);

    const Svg s = Analyse(carte::TexteSvg(m, 1600, 1200));
    ASSERT_TRUE(s.erreur.isEmpty()) << s.erreur.toStdString();
    EXPECT_EQ(static_cast<int>(s.cercles.size()), x.e.NbNoeuds);
    EXPECT_EQ(static_cast<int>(s.lignes.size()), x.e.NbArcs);
    for (int i = 1; i <= x.e.NbNoeuds; ++i)
        EXPECT_TRUE(Contient(s.cercles, QString::number(x.e.Noeuds[i].Code))) << i;
    const Arc& a = x.e.Arcs[1];
    EXPECT_TRUE(s.lignes.front().startsWith(QString::number(a.Origine)));
    EXPECT_TRUE(s.lignes.front().contains(QString::number(a.Destination)));
    EXPECT_FALSE(s.cercles.front().contains(":"));  // no result, no value
    EXPECT_TRUE(s.groupeLegende);
    EXPECT_TRUE(Contient(s.legende, "Réseau"));
    EXPECT_TRUE(Contient(s.legende, "Route"));
    EXPECT_TRUE(Contient(s.legende, "km"));  // the scale bar

    // PNG at the size asked, with something drawn on the white.
    const std::string png = x.dossier / "carte.PNG";
    std::string erreur;
    ASSERT_TRUE(carte::ExporteCarte(m, png, 800, 600, erreur)) << erreur;
    QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(800, 600));
    int colores = 0;
    for (int y = 0; y < 600; y += 3)
        for (int xx = 0; xx < 800; xx += 3) colores += image.pixel(xx, y) != qRgb(255, 255, 255);
    EXPECT_GT(colores, 500);
    EXPECT_FALSE(carte::ExporteCarte(m, x.dossier / "carte.jpg", 800, 600, erreur));
    EXPECT_FALSE(carte::ExporteCarte(m, "/dossier/absent/carte.svg", 800, 600, erreur));
    EXPECT_NE(erreur.find("/dossier/absent/carte.svg"), std::string::npos);
}

TEST(Carte, DegreDesNoeudsEtValeursParLiaison) {
    Application application;
    Exemple x;
    x.Degre();
    carte::ModeleCarte m = carte::ConstruitModele(x.e);
    carte::AppliqueResultat(m, x.e, true, MethodeClasses::Quantiles, 5);
    ASSERT_EQ(m.resultat, carte::TypeResultat::Noeuds);
    EXPECT_EQ(m.NbClasses(), 5);
    EXPECT_EQ(m.manquants, 0);
    int total = 0;
    for (int n : m.effectifs) total += n;
    EXPECT_EQ(total, 44);
    for (std::size_t i = 0; i < m.noeuds.size(); ++i) {
        EXPECT_EQ(m.noeuds[i].valeur, x.e.ValeursNoeuds[i + 1]);
        EXPECT_GE(m.noeuds[i].classe, 0);
    }
    Svg s = Analyse(carte::TexteSvg(m, 1600, 1200));
    EXPECT_EQ(static_cast<int>(s.cercles.size()), 44);
    EXPECT_TRUE(Contient(s.legende, "Valeur par nœud"));
    EXPECT_TRUE(Contient(s.legende, "quantiles, 5 classes"));
    int classes = 0;
    for (const QString& t : s.legende) classes += t.contains(" – ");
    EXPECT_EQ(classes, 5);
    EXPECT_FALSE(Contient(s.legende, "Sans valeur"));
    const QString premier =
        QString::number(x.e.Noeuds[1].Code) + " : " + QString::number(x.e.ValeursNoeuds[1]);
    EXPECT_TRUE(Contient(s.cercles, premier)) << premier.toStdString();

    // An unreachable node is drawn apart and counted in the legend.
    x.e.ValeursNoeuds[3] = 32000;
    carte::AppliqueResultat(m, x.e, true, MethodeClasses::SeuilsNaturels, 3);
    EXPECT_EQ(m.noeuds[2].classe, -1);
    EXPECT_EQ(m.manquants, 1);
    s = Analyse(carte::TexteSvg(m, 1600, 1200));
    EXPECT_TRUE(Contient(s.legende, "Sans valeur ou inaccessible (1)"));
    EXPECT_TRUE(Contient(s.legende, "seuils naturels, 3 classes"));

    // No per-node values: the per-pair values go on the arcs joining each pair,
    // either way.
    x.e.ValeursNoeuds.clear();
    const Arc& a1 = x.e.Arcs[1];
    const Arc& a2 = x.e.Arcs[2];
    x.e.ListeCouples = {Couple{}, Couple{a1.IndiceDestination, a1.IndiceOrigine, 2.5},
                        Couple{a2.IndiceOrigine, a2.IndiceDestination, 7.5}};
    x.e.NbCouples = 2;
    carte::AppliqueResultat(m, x.e, true, MethodeClasses::Quantiles, 5);
    ASSERT_EQ(m.resultat, carte::TypeResultat::Couples);
    EXPECT_EQ(m.arcs[0].valeur, 2.5);
    EXPECT_EQ(m.arcs[1].valeur, 7.5);
    EXPECT_EQ(m.NbClasses(), 2);
    int avecValeur = 0;
    for (const carte::ArcCarte& a : m.arcs) avecValeur += !std::isnan(a.valeur);
    EXPECT_GE(avecValeur, 2);  // an arc the other way between the same nodes too
    EXPECT_EQ(m.manquants, x.e.NbArcs - avecValeur);
    s = Analyse(carte::TexteSvg(m, 1600, 1200));
    EXPECT_TRUE(s.lignes[0].endsWith(" : 2,5")) << s.lignes[0].toStdString();
    EXPECT_TRUE(Contient(s.legende, "Valeur par liaison"));
    EXPECT_TRUE(Contient(s.legende, "Sans valeur ou inaccessible"));
    // Hidden on demand.
    carte::AppliqueResultat(m, x.e, false, MethodeClasses::Quantiles, 5);
    EXPECT_EQ(m.resultat, carte::TypeResultat::Aucun);
    EXPECT_TRUE(std::isnan(m.arcs[0].valeur));
}

TEST(Classes, EcartsSymetriquesAutourDeZero) {
    using carte::BornesEcarts;
    using carte::ClasseEcart;
    const std::vector<double> b =
        BornesEcarts({-10, -5, 0, 0, 2, NAN, 1e-9}, 5, MethodeClasses::IntervallesEgaux);
    EXPECT_EQ(b, (std::vector<double>{-10, -5, 0, 0, 5, 10}));
    EXPECT_FALSE(std::signbit(b[2]));  // no "-0" in the legend
    EXPECT_EQ(ClasseEcart(b, -10), 0);
    EXPECT_EQ(ClasseEcart(b, -5), 1);
    EXPECT_EQ(ClasseEcart(b, -0.1), 1);
    EXPECT_EQ(ClasseEcart(b, 0), 2);
    EXPECT_EQ(ClasseEcart(b, 1e-9), 2);  // rounding noise is no change
    EXPECT_EQ(ClasseEcart(b, 2), 3);
    EXPECT_EQ(ClasseEcart(b, 10), 4);
    EXPECT_EQ(ClasseEcart(b, NAN), -1);
    // The same classes on both sides whatever side holds the largest difference.
    EXPECT_EQ(BornesEcarts({3, 1, 2}, 3, MethodeClasses::Quantiles),
              (std::vector<double>{-3, 0, 0, 3}));
    // Differences of 32000 and more are differences, not "unreachable".
    EXPECT_EQ(BornesEcarts({-40000, 40000}, 5, MethodeClasses::SeuilsNaturels),
              (std::vector<double>{-40000, 0, 0, 40000}));
    EXPECT_EQ(ClasseEcart({-40000, 0, 0, 40000}, 32000), 2);
    // No change anywhere: the class of no change alone; nothing to compare: no
    // class.
    EXPECT_EQ(BornesEcarts({0, 0}, 5, MethodeClasses::Quantiles), (std::vector<double>{0, 0}));
    EXPECT_EQ(ClasseEcart({0, 0}, 0), 0);
    EXPECT_TRUE(BornesEcarts({NAN, INFINITY}, 5, MethodeClasses::Quantiles).empty());

    // Decreases in blues, increases in reds, darker and larger away from no
    // change, which is nearly white.
    const QColor baisse = carte::CouleurEcart(0, 5), hausse = carte::CouleurEcart(4, 5),
                 nul = carte::CouleurEcart(2, 5);
    EXPECT_GT(baisse.blue(), baisse.red());
    EXPECT_GT(hausse.red(), hausse.blue());
    EXPECT_GT(nul.lightness(), 240);
    EXPECT_LT(baisse.lightness(), carte::CouleurEcart(1, 5).lightness());
    EXPECT_EQ(carte::RayonEcart(0, 5), carte::RayonEcart(4, 5));
    EXPECT_LT(carte::RayonEcart(2, 5), carte::RayonEcart(3, 5));
}

// What the map shows follows ValeursCarte: the last result by its kind
// (per-pair values shown as such even when per-node values of an earlier result
// remain), either kind on demand, the last comparison while it is that of the
// last result or on demand.
TEST(Carte, LaCarteMontreCeQueDitValeursCarte) {
    Application application;
    Exemple x;
    x.Degre();
    const Arc& a1 = x.e.Arcs[1];
    x.e.ListeCouples = {Couple{}, Couple{a1.IndiceOrigine, a1.IndiceDestination, 4}};
    x.e.NbCouples = 1;
    carte::ModeleCarte m = carte::ConstruitModele(x.e);
    const auto montre = [&] {
        carte::AppliqueResultat(m, x.e, true, MethodeClasses::Quantiles, 5);
        return m.resultat;
    };
    EXPECT_EQ(montre(),
              carte::TypeResultat::Noeuds);  // no kind noted: the per-node values
    x.e.NoteResultat(TablesResultats::Genre::Couples);
    EXPECT_EQ(montre(), carte::TypeResultat::Couples);
    EXPECT_EQ(m.arcs[0].valeur, 4);
    x.e.NoteResultat(TablesResultats::Genre::Noeuds);
    EXPECT_EQ(montre(), carte::TypeResultat::Noeuds);
    x.e.ValeursCarte = "couples";
    EXPECT_EQ(montre(), carte::TypeResultat::Couples);
    x.e.ValeursCarte = "noeuds";
    x.e.NoteResultat(TablesResultats::Genre::Couples);
    EXPECT_EQ(montre(), carte::TypeResultat::Noeuds);
    x.e.ValeursCarte = "comparaison";  // none yet
    EXPECT_EQ(montre(), carte::TypeResultat::Aucun);

    auto c = std::make_shared<ComparaisonCarte>();
    c->ecartsNoeuds.assign(45, 0.0);
    c->ecartsNoeuds[1] = -12;
    c->ecartsNoeuds[2] = NAN;
    c->numeroResultat = x.e.NumeroResultat;
    x.e.DerniereComparaison = c;
    x.e.ValeursCarte = "auto";
    EXPECT_EQ(montre(), carte::TypeResultat::Noeuds);
    EXPECT_TRUE(m.comparaison);
    EXPECT_EQ(m.noeuds[0].valeur, -12);
    EXPECT_EQ(m.manquants, 1);
    const Svg s = Analyse(carte::TexteSvg(m, 1600, 1200));
    EXPECT_TRUE(Contient(s.legende, "Écart à la variante par nœud"));
    EXPECT_TRUE(Contient(s.legende, "0, inchangé (42)"));
    EXPECT_TRUE(Contient(s.legende, "Sans écart : inaccessible ou d'un seul réseau (1)"));
    EXPECT_TRUE(Contient(s.cercles, QString::number(x.e.Noeuds[1].Code) + " : -12"));
    EXPECT_TRUE(Contient(s.cercles, QString::number(x.e.Noeuds[2].Code) + " : sans écart"));
    // A result after it: the comparison is no longer that of the last result.
    x.e.NoteResultat(TablesResultats::Genre::Couples);
    EXPECT_EQ(montre(), carte::TypeResultat::Couples);
    EXPECT_FALSE(m.comparaison);
    x.e.ValeursCarte = "comparaison";
    EXPECT_EQ(montre(), carte::TypeResultat::Noeuds);
    EXPECT_TRUE(m.comparaison);
    // Hidden on demand.
    carte::AppliqueResultat(m, x.e, false, MethodeClasses::Quantiles, 5);
    EXPECT_EQ(m.resultat, carte::TypeResultat::Aucun);
    EXPECT_FALSE(m.comparaison);
}

// A per-pair comparison: the differences on the arcs, in two hues around the
// sand of no change; the node and the link the variant alone has drawn apart,
// each its own element.
TEST(Carte, ComparaisonParCoupleEtCeQueLaVarianteSeuleA) {
    Application application;
    Exemple x;
    const Arc& a1 = x.e.Arcs[1];
    const Arc& a2 = x.e.Arcs[2];
    auto c = std::make_shared<ComparaisonCarte>();
    c->couples = true;
    c->ecartsCouples = {Couple{a1.IndiceOrigine, a1.IndiceDestination, -3},
                        Couple{a2.IndiceDestination, a2.IndiceOrigine, 5}};
    Noeud nouveau = x.e.Noeuds[1];
    nouveau.Code = 990001;
    nouveau.X += 500;  // far east of the network: the fitted view takes it in
    c->noeudsVariante = {nouveau};
    c->couplesVariante = {{x.e.Noeuds[1], nouveau}};
    x.e.DerniereComparaison = c;
    x.e.ValeursCarte = "comparaison";
    carte::ModeleCarte m = carte::ConstruitModele(x.e);
    carte::AppliqueResultat(m, x.e, true, MethodeClasses::Quantiles, 5);
    ASSERT_EQ(m.resultat, carte::TypeResultat::Couples);
    EXPECT_EQ(m.arcs[0].valeur, -3);
    EXPECT_EQ(m.arcs[1].valeur, 5);
    const carte::VueCarte v = carte::VueAjustee(m, QSizeF(1600, 1200));
    EXPECT_LE(v.VersEcran(nouveau.X, nouveau.Y, QSizeF(1600, 1200)).x(), 1600 - 39);

    const Svg s = Analyse(carte::TexteSvg(m, 1600, 1200));
    ASSERT_TRUE(s.erreur.isEmpty()) << s.erreur.toStdString();
    EXPECT_EQ(static_cast<int>(s.lignes.size()), x.e.NbArcs + 1);
    EXPECT_EQ(s.cercles.size(), 45u);
    EXPECT_EQ(s.cerclesVariante, 1);
    EXPECT_EQ(s.lignesVariante, 1);
    EXPECT_TRUE(Contient(s.cercles, "990001 : variante seule"));
    EXPECT_TRUE(
        Contient(s.lignes, QStringLiteral("%1 – 990001 : variante seule").arg(x.e.Noeuds[1].Code)));
    EXPECT_TRUE(s.lignes[0].endsWith(" : -3")) << s.lignes[0].toStdString();
    EXPECT_TRUE(s.lignes[1].endsWith(" : +5")) << s.lignes[1].toStdString();
    EXPECT_NE(s.traits[0], s.traits[1]);
    EXPECT_GT(QColor(s.traits[0]).blue(), QColor(s.traits[0]).red());
    EXPECT_GT(QColor(s.traits[1]).red(), QColor(s.traits[1]).blue());
    EXPECT_TRUE(Contient(s.legende, "Écart à la variante par liaison"));
    EXPECT_TRUE(Contient(s.legende, "Nœud de la variante seule (1)"));
    EXPECT_TRUE(Contient(s.legende, "Liaison de la variante seule (1)"));
    EXPECT_TRUE(Contient(s.legende, "Sans écart"));
    // Under the pointer in the window's map.
    PanneauCarte panneau;
    panneau.resize(800, 600);
    panneau.Actualise(x.e);
    panneau.Termine();
    const QPointF ici = panneau.Vue().VersEcran(nouveau.X, nouveau.Y, panneau.size());
    EXPECT_EQ(panneau.TexteSurvol(ici), QStringLiteral("Nœud 990001 — ") +
                                            QString::fromStdString(nouveau.Nom).trimmed() +
                                            "\nVariante seule");
    const QPointF milieu = (ici + panneau.PositionNoeud(0)) / 2;
    EXPECT_TRUE(panneau.TexteSurvol(milieu).startsWith(
        QStringLiteral("Liaison %1 – 990001").arg(x.e.Noeuds[1].Code)))
        << panneau.TexteSurvol(milieu).toStdString();
    // Drawn as an image too: the variant's colour stands on it.
    const QImage image = carte::ImageCarte(m, 800, 600);
    int vertes = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int xx = 0; xx < image.width(); ++xx)
            vertes += image.pixel(xx, y) == carte::kVarianteSeule.rgb();
    EXPECT_GT(vertes, 20);
}

int LanceBatch(const test::DossierTemporaire& d, const std::string& script) {
    test::EcritOctets(d / "s.vek", script);
    const std::string commande = "cd '" + d.Chemin().string() +
                                 "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                 VEK_BATCH + "' s.vek > sortie.txt 2> erreurs.txt";
    const int statut = std::system(commande.c_str());
    return statut != -1 && WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

TEST(Carte, InstructionCarteDeVekBatch) {
    Application application;
    test::DossierTemporaire d;
    const std::string ouvre = "fichier \"" + test::Source("examples/utf8/noeuds.dat") +
                              "\"\nfichier \"" + test::Source("examples/utf8/arcs.dat") +
                              "\"\nmenu menOuvrir\n";
    EXPECT_EQ(LanceBatch(d, ouvre + "carte reseau.svg\n"
                                    "dialogue IndicVek Degré Ordre1 Booléenne Ok\n"
                                    "menu menCalculNodalité\n"
                                    "carte degre.png 640 480\n"),
              0)
        << test::LitOctets(d / "erreurs.txt");
    const Svg s = Analyse(QByteArray::fromStdString(test::LitOctets(d / "reseau.svg")));
    EXPECT_EQ(s.cercles.size(), 44u);
    EXPECT_TRUE(s.groupeLegende);
    const QImage image(QString::fromStdString(d / "degre.png"));
    EXPECT_EQ(image.size(), QSize(640, 480));

    EXPECT_EQ(LanceBatch(d, ouvre + "carte reseau.jpg\n"), 2);
    EXPECT_NE(test::LitOctets(d / "erreurs.txt").find("s.vek:4: « carte » écrit un fichier"),
              std::string::npos);
    EXPECT_EQ(LanceBatch(d, "carte a.png 0 10\n"), 2);
    EXPECT_EQ(LanceBatch(d, "carte\n"), 2);
    // A file that cannot be written: the run ends with status 5, as a command's
    // failure.
    EXPECT_EQ(LanceBatch(d, ouvre + "carte absent/carte.png\n"), 5);
}

// A script of docs/screens run by vek-batch in `d`, its map written as
// carte.svg: the example's files are taken from the sources, the results go to
// `d`.
Svg CarteDuScript(const test::DossierTemporaire& d, const std::string& script) {
    std::istringstream lignes(test::LitOctets(test::Source(script)));
    std::string texte, ligne;
    int cartes = 0;
    while (std::getline(lignes, ligne)) {
        if (ligne.rfind("carte ", 0) == 0) {
            ligne = "carte carte.svg 1600 1200";
            ++cartes;
        } else if (ligne.rfind("reglage Rep", 0) == 0) {
            ligne = ligne.substr(0, ligne.find(' ', 8)) + " .";
        } else if (ligne.rfind("fichier examples/", 0) == 0) {
            ligne = "fichier \"" + test::Source(ligne.substr(8)) + '"';
        }
        texte += ligne + '\n';
    }
    Svg s;
    if (cartes != 1) {
        s.erreur = "une carte attendue";
        return s;
    }
    if (LanceBatch(d, texte) != 0) {
        s.erreur = QString::fromStdString(test::LitOctets(d / "erreurs.txt"));
        return s;
    }
    return Analyse(QByteArray::fromStdString(test::LitOctets(d / "carte.svg")));
}

// The congestion under the example's flows, as
// docs/screens/carte-congestion.vek draws it, written as SVG instead: every
// node and arc with its title, the per-pair legend.
TEST(Carte, CongestionSousLesDebitsDeLExemple) {
    Application application;
    test::DossierTemporaire d;
    const Svg s = CarteDuScript(d, "docs/screens/carte-congestion.vek");
    ASSERT_TRUE(s.erreur.isEmpty()) << s.erreur.toStdString();
    EXPECT_EQ(s.cercles.size(), 44u);
    EXPECT_EQ(s.lignes.size(), 171u);
    for (const auto* titres : {&s.cercles, &s.lignes})
        for (const QString& t : *titres) EXPECT_FALSE(t.isEmpty());
    // The arcs of a road under congestion say their value; the others only their
    // ends.
    int avecValeur = 0;
    for (const QString& t : s.lignes) avecValeur += t.contains(" : ");
    EXPECT_GT(avecValeur, 100);
    EXPECT_LT(avecValeur, 171);
    EXPECT_TRUE(s.groupeLegende);
    EXPECT_TRUE(Contient(s.legende, "Valeur par liaison"));
    EXPECT_TRUE(
        Contient(s.legende, QString("Sans valeur ou inaccessible (%1)").arg(171 - avecValeur)));
    EXPECT_TRUE(Contient(s.legende, "km"));
}

// The demand of the gravity model assigned to the paths, as
// docs/screens/carte-debits.vek draws it: the flows of the arcs, the per-node
// values of the gravity run before it left aside.
TEST(Carte, DebitsAffectesAuxArcs) {
    Application application;
    test::DossierTemporaire d;
    const Svg s = CarteDuScript(d, "docs/screens/carte-debits.vek");
    ASSERT_TRUE(s.erreur.isEmpty()) << s.erreur.toStdString();
    EXPECT_EQ(s.cercles.size(), 44u);
    EXPECT_EQ(s.lignes.size(), 171u);
    for (const QString& t : s.cercles) EXPECT_FALSE(t.contains(" : ")) << t.toStdString();
    int avecDebit = 0;
    for (const QString& t : s.lignes) {
        EXPECT_FALSE(t.isEmpty());
        const qsizetype deux = t.indexOf(" : ");
        if (deux < 0) continue;
        bool nombre = false;
        const double v = QLocale(QLocale::French).toDouble(t.mid(deux + 3), &nombre);
        EXPECT_TRUE(nombre && v > 0) << t.toStdString();
        ++avecDebit;
    }
    EXPECT_GT(avecDebit, 150);
    EXPECT_TRUE(s.groupeLegende);
    EXPECT_TRUE(Contient(s.legende, "Valeur par liaison"));
    EXPECT_TRUE(Contient(s.legende, "quantiles, 5 classes"));
}

// The example compared with its planned motorway, as
// docs/screens/carte-comparaison.vek draws it: the towns the motorway brings
// nearer in blues, the others in the class of no change.
TEST(Carte, ComparaisonDeLExempleASaVariante) {
    Application application;
    test::DossierTemporaire d;
    const Svg s = CarteDuScript(d, "docs/screens/carte-comparaison.vek");
    ASSERT_TRUE(s.erreur.isEmpty()) << s.erreur.toStdString();
    ASSERT_EQ(s.cercles.size(), 44u);
    EXPECT_EQ(s.cerclesVariante, 0);
    EXPECT_EQ(s.lignes.size(), 171u);
    std::set<QString> baisses, inchanges;
    for (std::size_t i = 0; i < s.cercles.size(); ++i) {
        const QString& t = s.cercles[i];
        if (t.endsWith(" : 0"))
            inchanges.insert(s.remplissages[i]);
        else if (t.contains(" : -"))
            baisses.insert(s.remplissages[i]);
        else
            ADD_FAILURE() << t.toStdString();
    }
    EXPECT_EQ(inchanges.size(), 1u);
    EXPECT_GE(baisses.size(), 1u);
    for (const QString& c : baisses) {
        EXPECT_EQ(inchanges.count(c), 0u);
        // A blue.
        EXPECT_GT(QColor(c).blue(), QColor(c).red()) << c.toStdString();
    }
    EXPECT_TRUE(s.groupeLegende);
    EXPECT_TRUE(Contient(s.legende, "Écart à la variante par nœud"));
    EXPECT_TRUE(Contient(s.legende, "0, inchangé (18)"));
    EXPECT_FALSE(Contient(s.legende, "Sans écart"));
}

TEST(Carte, SurvolEtTitreDeLaFenetre) {
    Application application;
    Exemple x;
    x.Degre();
    PanneauCarte panneau;
    panneau.resize(800, 600);
    panneau.Actualise(x.e);
    panneau.Termine();
    ASSERT_EQ(panneau.Modele().noeuds.size(), 44u);
    const QString noeud = panneau.TexteSurvol(panneau.PositionNoeud(0));
    EXPECT_TRUE(noeud.contains(QString::number(x.e.Noeuds[1].Code))) << noeud.toStdString();
    EXPECT_TRUE(noeud.contains("Brenne-la-Ville"));
    EXPECT_TRUE(noeud.contains("Valeur : " + QString::number(x.e.ValeursNoeuds[1])));
    EXPECT_TRUE(panneau.TexteSurvol(QPointF(-50, -50)).isEmpty());
    // The middle of the longest arc on screen names its two ends and its mode.
    const carte::ArcCarte* long_ = nullptr;
    double l = 0;
    for (const carte::ArcCarte& a : panneau.Modele().arcs) {
        const QPointF d = panneau.PositionNoeud(a.origine) - panneau.PositionNoeud(a.destination);
        if (std::hypot(d.x(), d.y()) > l) {
            l = std::hypot(d.x(), d.y());
            long_ = &a;
        }
    }
    ASSERT_NE(long_, nullptr);
    const QString arc = panneau.TexteSurvol(
        (panneau.PositionNoeud(long_->origine) + panneau.PositionNoeud(long_->destination)) / 2);
    EXPECT_TRUE(arc.startsWith("Arc ")) << arc.toStdString();
    EXPECT_TRUE(arc.contains(QString::number(panneau.Modele().noeuds[long_->origine].code)));
    EXPECT_TRUE(arc.contains(QStringLiteral("Mode : %1").arg(long_->mode)));
    EXPECT_TRUE(arc.contains("Longueur : "));
    // Zoomed in around a node, it stays under the pointer.
    const QPointF p = panneau.PositionNoeud(5);
    QWheelEvent roue(p, panneau.mapToGlobal(p), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(&panneau, &roue);
    EXPECT_NEAR(panneau.PositionNoeud(5).x(), p.x(), 1e-6);
    EXPECT_GT(panneau.Vue().echelle,
              1.5 * carte::VueAjustee(panneau.Modele(), panneau.size()).echelle);
    panneau.Ajuste();
    EXPECT_EQ(panneau.Vue(), carte::VueAjustee(panneau.Modele(), panneau.size()));

    // The main window: its title names the arc file, its map follows the
    // commands.
    test::PortEssai port;
    Etat e(port);
    Demarrage(e);
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    port.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                     test::Source("examples/utf8/arcs.dat")};
    EXPECT_TRUE(fenetre.Carte()->Modele().Vide());
    fenetre.Lance("menOuvrir", [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    qApp->exec();
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("VEK — arcs.dat"));
    fenetre.Carte()->Termine();
    EXPECT_EQ(fenetre.Carte()->Modele().noeuds.size(), 44u);
    EXPECT_FALSE(fenetre.grab().isNull());
}

// The main window, the example loaded through its menu.
struct Bureau {
    test::PortEssai port;
    Etat e{port};
    test::DossierTemporaire dossier;
    std::unique_ptr<FenetreVek> fenetre;
    Bureau() {
        Demarrage(e);
        e.Editeur = "vek";
        fenetre = std::make_unique<FenetreVek>(e);
        port.Fenetre(fenetre.get());
        fenetre->show();
        port.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                         test::Source("examples/utf8/arcs.dat")};
        Lance("menOuvrir");
        e.RepResultats = dossier.Chemin().string();
    }
    void Lance(const std::string& commande) {
        fenetre->Lance(commande, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
        qApp->exec();
        fenetre->Carte()->Termine();
    }
    PanneauCarte& Carte() { return *fenetre->Carte(); }
    // The positions in the map's model of the nodes and arcs outlined.
    std::vector<int> NoeudsSurlignes() {
        std::vector<int> r;
        for (std::size_t i = 0; i < Carte().Modele().noeuds.size(); ++i)
            if (Carte().Modele().noeuds[i].surligne) r.push_back(static_cast<int>(i));
        return r;
    }
    int ArcsSurlignes() {
        int n = 0;
        for (const carte::ArcCarte& a : Carte().Modele().arcs) n += a.surligne;
        return n;
    }
    // The pixels of the outline colour in the map drawn as the window shows it.
    int PixelsSurlignage() {
        QImage image(Carte().size(), QImage::Format_ARGB32);
        {
            QPainter p(&image);
            carte::DessineCarte(p, Carte().Modele(), Carte().Vue(), Carte().size());
        }
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == carte::kSurlignage.rgb();
        return n;
    }
    void Clique(QPointF p) {
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent ev(t, p, Carte().mapToGlobal(p), Qt::LeftButton,
                           t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                           Qt::NoModifier);
            QApplication::sendEvent(&Carte(), &ev);
        }
    }
};

TEST(Carte, LeResultatEnvoyeALaCarteYEstMontre) {
    Application application;
    Bureau b;
    auto* resultat = b.fenetre->findChild<QAction*>("menCarteResultat");
    ASSERT_NE(resultat, nullptr);
    resultat->setChecked(false);
    b.e.IndicVek = {"Degré", "Ordre1", "Booléenne", "Multimodal", ""};
    ASSERT_TRUE(CalculNodalite(b.e));
    b.fenetre->Synchronise();
    b.Carte().Termine();
    EXPECT_EQ(b.Carte().Modele().resultat, carte::TypeResultat::Aucun);
    EXPECT_TRUE(b.port.MontreCarte(b.dossier / "NoeudVal.dat"));
    EXPECT_TRUE(resultat->isChecked());
    ASSERT_EQ(b.Carte().Modele().resultat, carte::TypeResultat::Noeuds);
    EXPECT_EQ(b.Carte().Modele().noeuds[0].valeur, b.e.ValeursNoeuds[1]);
    EXPECT_TRUE(b.Carte().isVisible());
}

// The "Fenêtre" menu's choice of values: the setting ValeursCarte, noted in the journal as a
// script line; a setting changed otherwise ticks its entry.
TEST(Carte, LeMenuFenetreChoisitLesValeursDeLaCarte) {
    Application application;
    Journal journal;
    Bureau b;
    b.fenetre->Journalise(&journal);
    b.e.IndicVek = {"Degré", "Ordre1", "Booléenne", "Multimodal", ""};
    ASSERT_TRUE(CalculNodalite(b.e));
    const Arc& a = b.e.Arcs[1];
    b.e.ListeCouples = {Couple{}, Couple{a.IndiceOrigine, a.IndiceDestination, 2.5}};
    b.e.NbCouples = 1;
    b.e.NoteResultat(TablesResultats::Genre::Noeuds);
    b.fenetre->Synchronise();
    b.Carte().Termine();
    EXPECT_EQ(b.Carte().Modele().resultat, carte::TypeResultat::Noeuds);
    std::map<std::string, QAction*> entrees;
    for (const char* nom : {"menCarteDernierResultat", "menCarteValeursNoeuds",
                            "menCarteValeursCouples", "menCarteDerniereComparaison"}) {
        entrees[nom] = b.fenetre->findChild<QAction*>(nom);
        ASSERT_NE(entrees[nom], nullptr) << nom;
    }
    EXPECT_TRUE(entrees["menCarteDernierResultat"]->isChecked());

    entrees["menCarteValeursCouples"]->trigger();
    b.Carte().Termine();
    EXPECT_EQ(b.e.ValeursCarte, "couples");
    EXPECT_EQ(b.Carte().Modele().resultat, carte::TypeResultat::Couples);
    EXPECT_EQ(b.Carte().Modele().arcs[0].valeur, 2.5);
    EXPECT_TRUE(entrees["menCarteValeursCouples"]->isChecked());
    EXPECT_FALSE(entrees["menCarteDernierResultat"]->isChecked());
    entrees["menCarteDerniereComparaison"]->trigger();  // none: the map shows no value
    b.Carte().Termine();
    EXPECT_EQ(b.Carte().Modele().resultat, carte::TypeResultat::Aucun);
    const std::string texte = journal.Texte();
    const std::size_t couples = texte.find("reglage ValeursCarte couples\n");
    ASSERT_NE(couples, std::string::npos) << texte;
    EXPECT_NE(texte.find("reglage ValeursCarte comparaison\n", couples), std::string::npos);

    std::string erreur;
    ASSERT_TRUE(b.fenetre->ChangeReglage("ValeursCarte", "auto", erreur)) << erreur;
    EXPECT_TRUE(entrees["menCarteDernierResultat"]->isChecked());
    EXPECT_FALSE(entrees["menCarteDerniereComparaison"]->isChecked());
    b.Carte().Termine();
    EXPECT_EQ(b.Carte().Modele().resultat, carte::TypeResultat::Noeuds);
}

// A scripted run: the view of the attractions sent to the map is captured with
// the window, and no message says where the file went.
TEST(Carte, UnScriptEnvoieLaVueALaCarte) {
    Application application;
    test::DossierTemporaire d;
    std::ofstream(d / "s.vek") << "fichier \"" << test::Source("examples/utf8/noeuds.dat")
                               << "\"\nfichier \"" << test::Source("examples/utf8/arcs.dat")
                               << "\"\nmenu menOuvrir\n"
                                  "reglage RepResultats \""
                               << d.Chemin().string()
                               << "\"\nmenu menUneFois\n"
                                  "menu menDémarrageGravit\n"
                                  "dialogue FichGrav FichSomAttAbs Map\n"
                                  "menu menEditionFichGravit\n";
    std::ostringstream sortie, erreurs;
    const QString captures = QString::fromStdString(d / "captures");
    int code;
    {
        test::DansDossier dans(d.Chemin());  // where the view of the attractions goes
        code = ExecuteScriptBureau(QString::fromStdString(d / "s.vek"), captures, sortie, erreurs);
    }
    ASSERT_EQ(code, 0) << erreurs.str();
    EXPECT_TRUE(std::filesystem::exists(d / "NVSAA000.xls"));
    const QStringList images = QDir(captures).entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_GE(images.size(), 3);
    // The dialog, the window with its map, and the window as the run ends.
    EXPECT_TRUE(images[images.size() - 3].endsWith("-FichGrav.png"))
        << images.join(' ').toStdString();
    EXPECT_TRUE(images[images.size() - 2].endsWith("-Vek.png"));
    EXPECT_TRUE(images.filter("Message").isEmpty());
    const QImage fenetre(captures + '/' + images[images.size() - 2]);
    ASSERT_FALSE(fenetre.isNull());
    // The dark red of the highest class stands on the map.
    const QRgb rouge = carte::CouleurClasse(4, 5).rgb();
    int rouges = 0;
    for (int y = 0; y < fenetre.height(); ++y)
        for (int x = 0; x < fenetre.width(); ++x) rouges += fenetre.pixel(x, y) == rouge;
    EXPECT_GT(rouges, 20);
}

// The table of the last result leaves for a GIS; the table of another file does not.
TEST(Carte, LeTableauDuDernierResultatSExportePourUnSig) {
    Application application;
    Bureau b;
    b.e.IndicVek = {"Degré", "Ordre1", "Booléenne", "Multimodal", ""};
    ASSERT_TRUE(CalculNodalite(b.e));
    b.e.NomFichierResultat = b.dossier / "NoeudVal.dat";
    EcritureValeursNoeuds(b.e, b.e.NomFichierResultat);
    OuvreDansEditeur(b.e, b.e.NomFichierResultat);
    b.fenetre->Synchronise();
    TableResultats* table = b.fenetre->Visionneuse_()->Table();
    EXPECT_TRUE(table->findChild<QPushButton*>("ExporterSig")->isVisibleTo(table));
    const std::string gpkg = b.dossier / "degre.gpkg";
    EXPECT_EQ(table->ExporteSig(QString::fromStdString(gpkg)), QString());
    EXPECT_GT(std::filesystem::file_size(gpkg), 0u);
    b.e.NomFichierResultat = b.dossier / "autre.dat";
    EXPECT_TRUE(table->ExporteSig(QString::fromStdString(b.dossier / "non.gpkg"))
                    .startsWith("Seul le dernier résultat"));
    EXPECT_FALSE(std::filesystem::exists(b.dossier / "non.gpkg"));
}

TEST(Carte, ChoixPartagesEntreLaCarteEtLeTableau) {
    Application application;
    Bureau b;
    b.e.IndicVek = {"Degré", "Ordre1", "Booléenne", "Multimodal", ""};
    ASSERT_TRUE(CalculNodalite(b.e));
    // Written and opened in the viewer as the command does.
    EcritureValeursNoeuds(b.e, b.dossier / "NoeudVal.dat");
    OuvreDansEditeur(b.e, b.dossier / "NoeudVal.dat");
    b.fenetre->Synchronise();
    b.Carte().Termine();
    Visionneuse* v = b.fenetre->Visionneuse_();
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(v->TableauVisible());
    TableResultats* table = v->Table();
    ASSERT_EQ(table->Disposition(), DispositionResultat::ParNoeud);
    EXPECT_EQ(b.PixelsSurlignage(), 0);

    // A node clicked on the map: its row alone is chosen, and the node is
    // outlined.
    b.Clique(b.Carte().PositionNoeud(6));
    EXPECT_EQ(table->NoeudsChoisis(), std::vector<std::int64_t>{b.e.Noeuds[7].Code});
    EXPECT_EQ(b.NoeudsSurlignes(), std::vector<int>{6});
    b.Clique(b.Carte().PositionNoeud(20));
    EXPECT_EQ(table->NoeudsChoisis(), std::vector<std::int64_t>{b.e.Noeuds[21].Code});
    EXPECT_EQ(b.NoeudsSurlignes(), std::vector<int>{20});
    EXPECT_GT(b.PixelsSurlignage(), 10);
    b.Clique(QPointF(2, 2));  // nowhere near a node: the choice stays
    EXPECT_EQ(table->NoeudsChoisis().size(), 1u);

    // Rows chosen in the table, sorted by value: their nodes are outlined, and no
    // other.
    QTableView* vue = table->Vue();
    vue->sortByColumn(2, Qt::DescendingOrder);
    vue->selectionModel()->select(vue->model()->index(0, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    vue->selectionModel()->select(vue->model()->index(3, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const std::vector<std::int64_t> codes = table->NoeudsChoisis();
    ASSERT_EQ(codes.size(), 2u);
    std::vector<std::int64_t> surlignes;
    for (int i : b.NoeudsSurlignes()) surlignes.push_back(b.Carte().Modele().noeuds[i].code);
    std::sort(surlignes.begin(), surlignes.end());
    std::vector<std::int64_t> attendus = codes;
    std::sort(attendus.begin(), attendus.end());
    EXPECT_EQ(surlignes, attendus);
    vue->clearSelection();
    EXPECT_TRUE(b.NoeudsSurlignes().empty());
    EXPECT_EQ(b.PixelsSurlignage(), 0);

    // A per-pair list: a row chosen outlines the arcs joining its pair, either
    // way; a click on the map chooses nothing there.
    const Arc& a = b.e.Arcs[1];
    b.e.ValeursNoeuds.clear();
    b.e.ListeCouples = {Couple{}, Couple{a.IndiceDestination, a.IndiceOrigine, 2.5}};
    b.e.NbCouples = 1;
    EcritureListeCouples(b.e, b.dossier / "ArcVal.dat");
    OuvreDansEditeur(b.e, b.dossier / "ArcVal.dat");
    ASSERT_EQ(table->Disposition(), DispositionResultat::ParCouple);
    vue->selectRow(0);
    ASSERT_EQ(table->CouplesChoisis().size(), 1u);
    EXPECT_EQ(table->CouplesChoisis()[0],
              std::make_pair(std::int64_t{a.Destination}, std::int64_t{a.Origine}));
    EXPECT_TRUE(b.NoeudsSurlignes().empty());
    int attendu = 0;
    for (const carte::ArcCarte& x : b.Carte().Modele().arcs) {
        const std::int64_t o = b.Carte().Modele().noeuds[x.origine].code,
                           d = b.Carte().Modele().noeuds[x.destination].code;
        const bool paire =
            (o == a.Origine && d == a.Destination) || (o == a.Destination && d == a.Origine);
        attendu += paire;
        EXPECT_EQ(x.surligne, paire) << o << " " << d;
    }
    EXPECT_GE(attendu, 1);
    EXPECT_EQ(b.ArcsSurlignes(), attendu);
    EXPECT_GT(b.PixelsSurlignage(), 10);
    b.Clique(b.Carte().PositionNoeud(6));
    EXPECT_EQ(table->CouplesChoisis().size(), 1u);
    // A file of no table clears the outline.
    b.fenetre->Visionne(QString::fromStdString(test::Source("examples/README.md")));
    EXPECT_FALSE(v->TableauVisible());
    EXPECT_EQ(b.ArcsSurlignes(), 0);
}

}  // namespace
}  // namespace vek
