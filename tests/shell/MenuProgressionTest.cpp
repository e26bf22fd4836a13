// The state of the menu tree, the progress window driven by long loops, and the file check
// with its messages.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "Outils.h"
#include "PortTest.h"
#include "shell/Fichiers.h"
#include "shell/Menu.h"
#include "shell/Progression.h"
#include "vek/Etat.h"

namespace vek {
namespace {

TEST(Menu, DisponibiliteEtVersion) {
    MenuModele m;
    m.Ajoute("", "Fichier", "&Fichier");
    m.Ajoute("Fichier", "Ouvrir", "&Ouvrir", [] {});
    m.Ajoute("Fichier", "Outils", "O&utils");
    m.Ajoute("Outils", "Calcul", "&Calcul", [] {});
    EXPECT_TRUE(m.EstDisponible("Calcul"));
    EXPECT_FALSE(m.EstDisponible("Inconnu"));

    std::size_t v = m.Version();
    m.Active("Calcul");  // already enabled: no change
    m.Montre("Outils");  // already visible: no change
    EXPECT_EQ(m.Version(), v);

    m.Desactive("Outils");
    EXPECT_GT(m.Version(), v);
    v = m.Version();
    m.Desactive("Outils");
    EXPECT_EQ(m.Version(), v);
    // The command keeps its own state but its sub-menu makes it unavailable.
    EXPECT_TRUE(m.EstActif("Calcul"));
    EXPECT_FALSE(m.EstDisponible("Calcul"));
    EXPECT_TRUE(m.EstDisponible("Ouvrir"));

    m.Active("Outils");
    m.Cache("Fichier");
    EXPECT_TRUE(m.EstVisible("Calcul"));
    EXPECT_FALSE(m.EstDisponible("Calcul"));
    EXPECT_FALSE(m.EstDisponible("Ouvrir"));
    v = m.Version();
    m.Cache("Fichier");
    EXPECT_EQ(m.Version(), v);
}

TEST(Progression, MontreCacheEtPourcentages) {
    struct Cas {
        std::int64_t total;
        std::vector<std::int64_t> courants;
        int montrees, cachees;
        bool visible;
        std::vector<double> pourcentages;
    };
    const Cas cas[] = {
        {0, {0, 1, 2}, 0, 0, false, {}},  // nothing to show, nothing divided
        {4, {1, 2, 3, 4}, 1, 1, false, {25, 50, 75, 100}},
        {1, {1}, 1, 0, true, {100}},  // the first step is also the last
        {3, {1, 2}, 1, 0, true, {100.0 / 3, 200.0 / 3}},
    };
    for (const Cas& c : cas) {
        test::PortTest port;
        Etat e(port);
        for (std::int64_t k : c.courants) AfficheProgression(e, c.total, k, "Calcul");
        SCOPED_TRACE(c.total);
        EXPECT_EQ(port.progressionsMontrees, c.montrees);
        EXPECT_EQ(port.progressionsCachees, c.cachees);
        EXPECT_EQ(e.ProgressionVisible, c.visible);
        ASSERT_EQ(port.pourcentages.size(), c.pourcentages.size());
        for (std::size_t k = 0; k < c.pourcentages.size(); ++k)
            EXPECT_DOUBLE_EQ(port.pourcentages[k], c.pourcentages[k]);
        EXPECT_TRUE(port.messages.empty());
    }
}

TEST(Progression, TempsDeCalculMontreSesTextesEtSonHorloge) {
    // The calls of one computation, each with its own message: the window is shown once,
    // every message reaches it, and its clock starts with the computation, not before.
    struct Cas {
        const char* nom;
        bool ouverte;  // shown on entry of the computation, before its steps
        std::int64_t total;
        std::vector<std::int64_t> courants;
        int caches;
        std::vector<std::string> textes;
        std::vector<double> pourcentages;
    };
    const Cas cas[] = {
        {"de la première à la dernière étape",
         false,
         4,
         {1, 2, 3, 4},
         1,
         {"étape 1", "étape 2", "étape 3"},
         {25, 50, 75, 100}},
        {"à partir de 0", false, 3, {0, 2}, 0, {"étape 0", "étape 2"}, {100.0 / 3, 200.0 / 3}},
        {"à partir de la deuxième étape", false, 4, {2, 3}, 0, {"étape 2", "étape 3"}, {50, 75}},
        {"montrée à l'entrée", true, 5, {2, 3}, 0, {"entrée", "étape 2", "étape 3"}, {0, 40, 60}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        test::PortTest port;
        Etat e(port);
        // The clock of a computation that ran a day ago.
        e.HeureDebutCalcul = std::chrono::steady_clock::now() - std::chrono::hours(24);
        if (c.ouverte) OuvreTempsDeCalcul(e, "entrée");
        for (std::int64_t k : c.courants) {
            std::int64_t courant = k;
            AfficheTempsDeCalcul(e, c.total, courant, "étape " + std::to_string(k));
            if (k == 0) {
                EXPECT_EQ(courant, 1);
            }
        }
        EXPECT_EQ(port.tempsMontres, 1);
        EXPECT_EQ(port.tempsCaches, c.caches);
        EXPECT_EQ(e.TempsDeCalculVisible, c.caches == 0);
        EXPECT_EQ(port.textesTemps, c.textes);
        ASSERT_EQ(port.pourcentages.size(), c.pourcentages.size());
        for (std::size_t k = 0; k < c.pourcentages.size(); ++k) {
            EXPECT_DOUBLE_EQ(port.pourcentages[k], c.pourcentages[k]);
            // Seconds of this computation: far less than the day since the other one.
            EXPECT_GE(port.ecoules[k], 0);
            EXPECT_LT(port.ecoules[k], 3600);
            EXPECT_GE(port.estimes[k], port.ecoules[k]);
        }
        FermeProgressions(e);
        EXPECT_FALSE(e.TempsDeCalculVisible);
        EXPECT_EQ(port.tempsCaches, 1);
    }
}

TEST(Fichiers, FichierExiste) {
    test::DossierTemporaire d;
    test::EcritOctets(d / "noeuds.dat", "x\r\n");
    test::PortTest port;
    Etat e(port);

    const std::string absent = d / "absent.dat";
    EXPECT_FALSE(FichierExiste(e, absent));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].texte, "Ce fichier ou répertoire n'existe pas : " + absent);
    EXPECT_EQ(port.messages[0].icone, Icone::Exclamation);

    port.messages.clear();
    EXPECT_FALSE(FichierExiste(e, d.Chemin().string()));  // a folder is not a file
    EXPECT_EQ(port.messages.size(), 1u);

    port.messages.clear();
    EXPECT_TRUE(FichierExiste(e, d / "noeuds.dat"));
    EXPECT_TRUE(port.messages.empty());
}

}  // namespace
}  // namespace vek
