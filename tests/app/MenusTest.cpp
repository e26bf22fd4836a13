// The menu bar of the main window shows the menu tree as it is: every command and every
// sub-menu is enabled and visible exactly when the tree says so, after start-up, after a
// network is loaded and after the shortest paths are computed once.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <string>

#include "FenetreVek.h"
#include "Outils.h"
#include "PortEssai.h"
#include "vek/Demarrage.h"

namespace vek {
namespace {

// The commands whose action differs from the tree, one line each.
std::string Ecarts(FenetreVek& fenetre, const MenuModele& menus) {
    std::string ecarts;
    for (const Commande& c : menus.Commandes()) {
        if (c.EstSeparateur()) continue;
        const QString nom = QString::fromStdString(c.nom);
        QAction* a = nullptr;
        if (!c.enfants.empty() || !c.routine) {
            auto* m = fenetre.findChild<QMenu*>(nom);
            if (m) a = m->menuAction();
        } else {
            a = fenetre.findChild<QAction*>(nom);
        }
        if (!a) {
            ecarts += c.nom + " : absent\n";
            continue;
        }
        // Qt reads a hidden action as disabled.
        const bool actif = c.actif && c.visible;
        if (a->isEnabled() != actif)
            ecarts +=
                c.nom + (actif ? " : désactivé, actif attendu\n" : " : actif, désactivé attendu\n");
        if (a->isVisible() != c.visible)
            ecarts +=
                c.nom + (c.visible ? " : caché, visible attendu\n" : " : visible, caché attendu\n");
    }
    return ecarts;
}

TEST(Menus, LaBarreSuitLArbreDesMenus) {
    int argc = 1;
    char nom[] = "vek";
    char* argv[] = {nom};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::PortEssai port;
    Etat e(port);
    Demarrage(e);
    FenetreVek fenetre(e);
    port.Fenetre(&fenetre);
    fenetre.show();
    port.fichiers = {test::Source("examples/utf8/noeuds.dat"),
                     test::Source("examples/utf8/arcs.dat")};

    struct Etape {
        const char* nom;
        const char* commande;  // run before the check; none at start-up
    };
    const Etape etapes[] = {{"démarrage", nullptr},
                            {"après menOuvrir", "menOuvrir"},
                            {"après menUneFois", "menUneFois"}};
    for (const Etape& etape : etapes) {
        SCOPED_TRACE(etape.nom);
        if (etape.commande) {
            fenetre.Lance(etape.commande,
                          [&] { QTimer::singleShot(0, &app, &QApplication::quit); });
            app.exec();
        }
        const std::string ecarts = Ecarts(fenetre, e.Menus);
        EXPECT_TRUE(ecarts.empty()) << ecarts;
    }
    EXPECT_GT(e.NbNoeuds, 0);
    EXPECT_EQ(port.messages, 0);
    // The gravity model waits for the shortest paths; then its sub-menu opens.
    EXPECT_TRUE(e.Menus.EstActif("menGravit"));
    EXPECT_TRUE(fenetre.findChild<QMenu*>("menGravit")->menuAction()->isEnabled());
}

}  // namespace
}  // namespace vek
