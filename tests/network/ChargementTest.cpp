// Opening a network: choosers, missing files, the menu state around a load.

#include <gtest/gtest.h>

#include "PortTest.h"
#include "Reseaux.h"
#include "paths/MatriceArcsMin.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::Session;

const std::string kNoeuds = LigneNoeud("A", 1, 100) + LigneNoeud("B", 2, 250);
const std::string kArcs = LigneArc(1, 2, 7, 35, 0) + LigneArc(2, 1, 6, 55, 0, 0, 0, 0, 400);

TEST(Chargement, EtatDesMenusAutourDuChargement) {
    Session s;
    for (const char* nom : {"menEditArcs", "menVisuMatArcsMin", "menChemins", "menReseaux",
                            "menPrintConfig", "menTempsDébit", "menAffectation"})
        EXPECT_FALSE(s.e.Menus.EstDisponible(nom)) << nom;
    EXPECT_FALSE(s.e.Menus.EstVisible("menHoraireContrainteDépart"));
    EXPECT_TRUE(s.e.Menus.EstVisible("menUneFois"));
    ASSERT_TRUE(s.Ouvre(kNoeuds, kArcs));
    for (const char* nom :
         {"menEditArcs", "menEditNoeuds", "menVisuMatArcsMin", "menReseaux", "menPrintConfig",
          "menTempsDébit", "menChangerValuation", "menTestValiditéFichiers"})
        EXPECT_TRUE(s.e.Menus.EstDisponible(nom)) << nom;
    EXPECT_EQ(s.e.Configuration[0].valeur, " 2");
    EXPECT_EQ(s.e.Configuration[8].valeur, " 350");
    EXPECT_EQ(s.e.Configuration[9].valeur, " 90");
    EXPECT_EQ(s.port.sabliers, 0);
    // A reload: what was computed on the previous network cannot be read any more.
    s.e.NomFichierNoeuds = s.dossier / "n.dat";
    ASSERT_TRUE(ChargementReseau(s.e));
    EXPECT_FALSE(s.e.Menus.EstDisponible("menVisuMatArcsMin"));
    EXPECT_TRUE(s.e.MatArcsMin.Vide());
    CalculMatriceArcsMin(s.e);
    EXPECT_TRUE(s.e.Menus.EstDisponible("menVisuMatArcsMin"));
}

TEST(Chargement, FichierManquantGardeLeReseauCourant) {
    Session s;
    ASSERT_TRUE(s.Ouvre(kNoeuds, kArcs));
    s.port.messages.clear();
    s.port.fichiers = {s.dossier / "n.dat", s.dossier / "absent.dat"};
    menOuvrir(s.e);
    ASSERT_EQ(s.port.messages.size(), 1u);
    EXPECT_EQ(s.port.messages[0].texte,
              "Ce fichier ou répertoire n'existe pas : " + (s.dossier / "absent.dat"));
    EXPECT_EQ(s.port.messages[0].icone, Icone::Exclamation);
    EXPECT_EQ(s.e.NbNoeuds, 2);
    EXPECT_EQ(s.e.NbArcs, 2);
    EXPECT_EQ(s.e.NomFichierArcs, s.dossier / "a.dat");
    EXPECT_FALSE(s.e.MatArcsMin.Vide());
    // A directory is not a file either.
    s.port.fichiers = {s.dossier.Chemin().string(), s.dossier / "a.dat"};
    menOuvrir(s.e);
    EXPECT_EQ(s.port.Compte("ne désigne pas un fichier"), 1);
    EXPECT_EQ(s.e.NbNoeuds, 2);
}

TEST(Chargement, ChoixAnnuleAbandonneLaCommande) {
    for (int annule = 0; annule < 2; ++annule) {
        Session s;
        ASSERT_TRUE(s.Ouvre(kNoeuds, kArcs));
        RechercheModeParNom(s.e, "Route 70 VI");
        s.e.ModeCourant.Vitesse = 10;
        EnregistreModeParNom(s.e, "Route 70 VI");
        s.port.fichiers.clear();
        if (annule == 1) s.port.fichiers.push_back(s.dossier / "n.dat");
        s.port.fichiers.push_back(std::nullopt);
        menOuvrir(s.e);
        EXPECT_TRUE(s.port.fichiers.empty());
        RechercheMode(s.e, 7);
        EXPECT_EQ(s.e.ModeCourant.Vitesse, 10) << "the mode edits stay when nothing is loaded";
        EXPECT_EQ(s.e.NbArcs, 2);
    }
}

TEST(Chargement, RepertoiresDesChoix) {
    Session s;
    ASSERT_TRUE(s.Ouvre(kNoeuds, kArcs));
    EXPECT_EQ(s.e.RepNoeudsNivN, s.dossier.Chemin().string());
    EXPECT_EQ(s.e.RepArcsNivN, s.dossier.Chemin().string());
    EXPECT_EQ(s.e.NomFichierNoeudsEcrits, "noeud000.dat");
}

}  // namespace
}  // namespace vek
