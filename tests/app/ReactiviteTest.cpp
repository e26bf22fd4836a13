// A long command run from the desktop application leaves the event loop running: a timer on
// the interface thread never waits more than 100 ms while a 3000-node network is loaded and
// its minimal-arc matrix built on the worker thread. "Annuler" in a progress window stops
// such a command and leaves the network loaded before it as it was.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "FenetreVek.h"
#include "Outils.h"
#include "PortEssai.h"
#include "Progressions.h"
#include "gravity/DialoguesGravite.h"
#include "vek/Demarrage.h"

namespace vek {
namespace {

using test::PortEssai;

void EcritReseau(const std::string& noeuds, const std::string& arcs, int n) {
    std::ofstream fn(noeuds, std::ios::binary), fa(arcs, std::ios::binary);
    char t[160];
    for (int i = 1; i <= n; ++i) {
        std::snprintf(t, sizeof t, "%-50s %010d %08d %08.3f %08.3f 0000.00000\r\n", "Ville", i,
                      1000 + i, (i % 60) * 3.0, (i / 60) * 3.0);
        fn << t;
    }
    const int modes[] = {7, 71, 72, 6, 61};
    for (int a = 0; a < 47000; ++a) {
        int o = 1 + a % n, d = 1 + (a * 7919 + 13) % n;
        std::snprintf(t, sizeof t,
                      "%010d %010d %04d %08.3f 0000 0000 0000 0000000 000000 000000\r\n", o, d,
                      modes[a % 5], 1.0 + (a % 97) * 0.5);
        fa << t;
    }
}

TEST(Reactivite, LaBoucleDEvenementsNeSArretePasPendantUnCalcul) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::DossierTemporaire d;
    EcritReseau(d / "n.dat", d / "a.dat", 3000);
    PortEssai port;
    Etat e(port);
    Demarrage(e);
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    port.fichiers = {d / "n.dat", d / "a.dat"};

    QElapsedTimer horloge;
    qint64 dernier = 0, pireAttente = 0;
    int battements = 0;
    QTimer battement;
    QObject::connect(&battement, &QTimer::timeout, [&] {
        qint64 maintenant = horloge.elapsed();
        pireAttente = std::max(pireAttente, maintenant - dernier);
        dernier = maintenant;
        ++battements;
    });
    horloge.start();
    battement.start(10);
    bool menuBloque = false;
    fenetre.Lance("menOuvrir", [&] { QTimer::singleShot(50, &app, &QApplication::quit); });
    QTimer::singleShot(5, [&] {
        menuBloque = fenetre.EnCours();
        fenetre.Lance("menAlpha");  // refused while the first command runs
    });
    app.exec();

    EXPECT_EQ(e.NbNoeuds, 3000);
    EXPECT_EQ(e.NbArcs, 47000);
    EXPECT_EQ(e.MatArcsMin.Lignes(), 3001u);
    EXPECT_TRUE(menuBloque);
    EXPECT_EQ(port.messages, 0);
    EXPECT_GT(battements, 2);
    RecordProperty("pire_attente_ms", static_cast<int>(pireAttente));
    std::printf("longest wait of the event loop: %lld ms\n", static_cast<long long>(pireAttente));
    EXPECT_LE(pireAttente, 100) << "the event loop stopped for " << pireAttente << " ms";
}

// Runs a command through the window and waits for its end.
void Attend(FenetreVek& fenetre, const std::string& commande) {
    fenetre.Lance(commande, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    qApp->exec();
}

TEST(Reactivite, AnnulerRemetLeReseauDAvant) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::DossierTemporaire d;
    EcritReseau(d / "n.dat", d / "a.dat", 3000);
    PortEssai port;
    Etat e(port);
    Demarrage(e);
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    e.Editeur = "vek";
    port.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                     test::Source("examples/utf8/arcs.dat")};
    Attend(fenetre, "menOuvrir");
    ASSERT_EQ(e.NbNoeuds, 44);
    e.RepResultats = d.Chemin().string();
    e.NomFichierArcsEcrits = d / "avant.dat";
    Attend(fenetre, "menEditArcs");
    const std::string avant = test::LitOctets(d / "avant.dat");
    ASSERT_FALSE(avant.empty());
    e.ValeursNoeuds.assign(45, 2.5);  // a per-node result, as a command leaves it
    const auto valeurs = e.ValeursNoeuds;
    const auto arcsMin = e.MatArcsMin.Lignes();

    // "Annuler" is clicked as soon as a progress window shows, while the large network loads.
    QElapsedTimer horloge;
    horloge.start();
    int clics = 0;
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        for (bool chronometre : {false, true}) {
            FenetreProgression* p = fenetre.Progression(chronometre);
            QPushButton* b = p->BoutonAnnuler();
            if (p->isVisible() && b->isEnabled()) {
                b->click();
                ++clics;
                EXPECT_FALSE(b->isEnabled());
                EXPECT_EQ(b->text(), "Annulation...");
            }
        }
    });
    guet.start(1);
    port.fichiers = {d / "n.dat", d / "a.dat"};
    Attend(fenetre, "menOuvrir");
    guet.stop();
    const qint64 duree = horloge.elapsed();
    std::printf("cancelled load: %lld ms\n", static_cast<long long>(duree));
    EXPECT_EQ(clics, 1);
    EXPECT_EQ(fenetre.DerniereIssue(), Issue::Annulee);
    EXPECT_EQ(port.messages, 1);  // "La commande a été annulée..."
    EXPECT_FALSE(fenetre.Progression(false)->isVisible());
    EXPECT_FALSE(fenetre.Progression(true)->isVisible());
    EXPECT_EQ(e.NbNoeuds, 44);
    EXPECT_EQ(e.ValeursNoeuds, valeurs);
    EXPECT_EQ(e.MatArcsMin.Lignes(), arcsMin);
    e.NomFichierArcsEcrits = d / "apres.dat";
    Attend(fenetre, "menEditArcs");
    EXPECT_EQ(test::LitOctets(d / "apres.dat"), avant);

    // A click left from the command before never cancels the next one.
    fenetre.Progression(false)->BoutonAnnuler()->setEnabled(true);
    fenetre.Progression(false)->BoutonAnnuler()->click();
    port.fichiers = {d / "n.dat", d / "a.dat"};
    Attend(fenetre, "menOuvrir");
    EXPECT_EQ(fenetre.DerniereIssue(), Issue::Faite);
    EXPECT_EQ(e.NbNoeuds, 3000);
}

// The options of the gravity model stay open beside the main window: showing them returns at
// once, and their handlers still act on the state.
TEST(Reactivite, DialogueNonBloquant) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PortEssai port;
    Etat e(port);
    Demarrage(e);
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    e.Menus.Desactive("menDémarrageGravit");
    port.MontreDialogueNonModal(std::make_shared<Dialogue>(DialogueGvOp(e)));
    QWidget* dialogue = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Options du modèle Gravitaire") dialogue = w;
    ASSERT_NE(dialogue, nullptr);
    auto* oui = dialogue->findChild<QAbstractButton*>("OuiSLP");
    auto* ok = dialogue->findChild<QAbstractButton*>("Command3D5");
    ASSERT_TRUE(oui && ok);
    oui->click();
    EXPECT_TRUE(e.Gravite.Options.OuiSLP);
    ok->click();
    QApplication::processEvents();
    EXPECT_TRUE(e.Menus.EstActif("menDémarrageGravit"));
    bool ouvert = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Options du modèle Gravitaire") ouvert = true;
    EXPECT_FALSE(ouvert);
}

}  // namespace
}  // namespace vek
