// The dialog "Fichiers Chemins Minimaux" as vek-batch drives it: what each choice writes and
// opens, and what it refuses.

#include <gtest/gtest.h>

#include <filesystem>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "location/FormulaireCheminsMinimaux.h"
#include "network/Temps.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

struct Edition : test::SessionScript {
    test::DansDossier ici{dossier.Chemin()};
    explicit Edition(const std::string& valuation = "Temps") {
        Ecrit("n.dat", LigneNoeud("Aval", 1, 60000, 0, 0) + LigneNoeud("Bourg", 2, 3000, 3, 4) +
                           LigneNoeud("Col", 3, 80000, 6, 8) + LigneNoeud("Dune", 4, 0, 9, 9));
        Ecrit("a.dat", LigneArc(1, 2, 7, 10, 12) + LigneArc(2, 3, 72, 5, 9) +
                           LigneArc(1, 3, 7, 40, 45) + LigneArc(3, 4, 7, 20, 30));
        Fichier(dossier / "n.dat");
        Fichier(dossier / "a.dat");
        EXPECT_EQ(Menu("menOuvrir"), Issue::Faite);
        if (valuation != "Temps") {
            Dialogue("Valu", {valuation, "ValuOk"});
            EXPECT_EQ(Menu("menChangerValuation"), Issue::Faite);
        }
        EXPECT_EQ(Menu("menUneFois"), Issue::Faite);
    }
    // Runs the command with these settings; the files opened, in order.
    std::vector<std::string> Sorties(std::vector<std::string> reglages) {
        const std::size_t avant = sortie.str().size();
        Dialogue("VekForCM", std::move(reglages));
        EXPECT_EQ(Menu("menVisuMatChMin"), Issue::Faite);
        std::vector<std::string> ouverts;
        const std::string s = sortie.str().substr(avant);
        for (std::size_t p = s.find("ouvre: "); p != std::string::npos;
             p = s.find("ouvre: ", p + 1))
            ouverts.push_back(s.substr(s.rfind('/', s.find('\n', p)) + 1,
                                       s.find('\n', p) - s.rfind('/', s.find('\n', p)) - 1));
        return ouverts;
    }
    bool Existe(const std::string& nom) { return std::filesystem::exists(dossier / nom); }
};

TEST(SortiesCheminsMinimaux, ChaqueSortieDansSonOrdre) {
    Edition x;
    // Right after "once", before the traces: the predecessors are traced first.
    EXPECT_EQ(x.Sorties({"Précarto", "MatriceChem", "EditMatPreced", "Consult=0", "Ok"}),
              (std::vector<std::string>{"MatPrec0.dat", "MatChem0.dat"}))
        << x.sortie.str();
    EXPECT_EQ(x.Compte("Cochez « Description des Chemins »"), 1);
    // The choices stay for the next showing.
    EXPECT_EQ(x.Sorties({"EditMatPreced=0", "MatriceChem=0", "DescriptionChemins",
                         "ListeNoeudsFormatArc1=#1", "ListeNoeudsFormatArc2=#3", "Ok"}),
              (std::vector<std::string>{"Descrip0.dat"}));
    EXPECT_EQ(x.Sorties({"ArcVal", "MultipolaireNbRelations", "Ok"}),
              (std::vector<std::string>{"ARelatio.dat"}));
    EXPECT_EQ(x.Sorties({"Uni_polaire", "ListeNoeudsFormatArcVal=#2", "Ok"}),
              (std::vector<std::string>{"ATM000.dat"}));
    for (const char* f : {"ARelatio.dat", "ATM000.dat"}) {
        const auto [lu, attendu] = test::EtSonModele(x.dossier / f, std::string("chemins/") + f);
        EXPECT_EQ(lu, attendu) << f;
    }
    EXPECT_EQ(x.Sorties({"NoeudVal", "Multipolaire", "Centralité_A", "Ok"}),
              (std::vector<std::string>{"NCA000.dat"}));
    // The first ticked indicator in the table's order decides.
    EXPECT_EQ(x.Sorties({"Equité_A", "SVME", "Ok"}), (std::vector<std::string>{"NSVME000.dat"}));
    EXPECT_EQ(
        x.Sorties({"Unipolaire", "ValTMVersNoeudSélec", "ListeNoeudsFormatNoeudVal=#4", "Ok"}),
        (std::vector<std::string>{"NTM000.dat"}));
    EXPECT_EQ(x.e.NomFichierResultat, "c:\\NTM000.dat");
}

TEST(SortiesCheminsMinimaux, ChoixRefuses) {
    Edition x;
    struct Cas {
        std::vector<std::string> reglages;
        const char* message;
    } cas[] = {
        {{"Loceq", "EntréeNbEq=", "Ok", "Annuler"},
         "Vous devez entrer le nombre d'équipements à localiser"},
        {{"EntréeNbEq=abc", "Ok", "Annuler"},
         "Vous devez entrer le nombre d'équipements à localiser"},
        {{"EntréeNbEq=4", "Ok", "Annuler"}, "doit être 1, 2 ou 3"},
        {{"EntréeNbEq=-1", "Ok", "Annuler"}, "doit être 1, 2 ou 3"},
        {{"Loceq=0", "Consult", "Ok"}, "Aucun trajet horaire n'est calculé"},
        {{"Consult=0", "Précarto", "NoeudVal", "Unipolaire", "Ok"}, "Cochez la valeur à écrire"},
        {{"ValTMDépartNoeudSélec", "Ok"}, "Choisissez le noeud dans la liste."},
        {{"ValTMDépartNoeudSélec=0", "ValTTotalDépartNoeudSélec", "ListeNoeudsFormatNoeudVal=#1",
          "Ok"},
         "Aucun trajet horaire n'est calculé"},
        {{"Multipolaire", "Ok"}, "Cochez l'indicateur multipolaire"},
        {{"Précarto=0", "Ok"}, "Aucune sortie n'est cochée"},
    };
    for (const Cas& c : cas) {
        const int avant = x.Compte(c.message);
        EXPECT_TRUE(x.Sorties(c.reglages).empty()) << c.message;
        EXPECT_EQ(x.Compte(c.message), avant + 1) << c.message << "\n" << x.sortie.str();
    }
    // The hour options wait for a timetable run.
    EXPECT_FALSE(x.e.FormulaireCheminsMinimaux->EstVisible("ValHDepVersNoeudSélec"));
    EXPECT_TRUE(x.e.FormulaireCheminsMinimaux->EstVisible("ValTTotalDépartNoeudSélec"));
    EXPECT_FALSE(x.Existe("nCMin000.dat"));
    EXPECT_FALSE(x.Existe("NTM000.dat"));
    // A count of 2.6 reads as 3.
    EXPECT_EQ(x.Sorties({"Précarto=0", "Loceq", "EquitéEq", "EntréeNbEq=2.6", "Ok"}),
              (std::vector<std::string>{"Loc3eq.dat"}));
    EXPECT_EQ(x.e.NbEquipements, 3);
}

TEST(SortiesCheminsMinimaux, ReglesDeConduiteEtUnEquipement) {
    Edition x;
    const Matrice<CelluleChemin> avant = x.e.CheminsMin;
    EXPECT_EQ(x.Sorties({"TranspRoutPL", "Ok"}), (std::vector<std::string>{"MatChPL0.dat"}));
    // Twice: the rule never compounds, and the paths keep their values.
    EXPECT_EQ(x.Sorties({"Ok"}), (std::vector<std::string>{"MatChPL0.dat"}));
    for (std::size_t i = 1; i <= 4; ++i)
        for (std::size_t j = 1; j <= 4; ++j)
            EXPECT_EQ(x.e.CheminsMin(i, j).Valeur, avant(i, j).Valeur);
    EXPECT_EQ(x.Sorties({"TranspRoutPL=0", "Loceq", "EquitéEq", "EntréeNbEq=1", "Ok"}),
              (std::vector<std::string>{"Loc1eq.dat"}));
    // The weighting question is answered after the dialog's line, as a script does.
    x.Dialogue("VekForCM", {"EfficacitéEq", "EntréeNbEq=2", "Ok"});
    x.port.Ajoute({TypeReponse::OuiNon, false, {}, {}});
    EXPECT_EQ(x.Menu("menVisuMatChMin"), Issue::Faite);
    EXPECT_TRUE(x.Existe("Loc2eff.dat"));
    EXPECT_FALSE(x.e.PonderationPopulation);
    // Under distances the values are not minutes of driving.
    Edition d("Distance");
    EXPECT_TRUE(d.Sorties({"TranspRoutPL", "Ok"}).empty());
    EXPECT_FALSE(d.Existe("MatChPL0.dat"));
}

// After a timetable computation, the outputs of the journeys need no shortest paths.
TEST(SortiesCheminsMinimaux, ValeursDesTrajetsHoraires) {
    Edition x;
    auto train = [](long long o, long long d, int depart, int arrivee) {
        return LigneArc(o, d, 41, 10, 0, depart, arrivee, 31, 11);
    };
    x.Ecrit("h.dat", train(1, 2, 800, 830) + train(2, 3, 830, 905));
    x.Fichier(x.dossier / "n.dat");
    x.Fichier(x.dossier / "h.dat");
    ASSERT_EQ(x.Menu("menOuvrir"), Issue::Faite);
    x.e.Valuation = "Horaires";
    CreeMatriceArcsMinHoraires(x.e, "Horaires");
    x.e.HeureDepart = static_cast<std::int32_t>(HeuresMinutesEnMinutes(745));
    CalculTrajetsHoraires(x.e, false);
    x.e.Menus.Active("menVisuMatChMin");
    EXPECT_EQ(x.Sorties({"Consult", "Précarto", "NoeudVal", "Unipolaire", "ValHArrDépartNoeudSélec",
                         "ListeNoeudsFormatNoeudVal=#1", "Ok"}),
              (std::vector<std::string>{"nCMin000.dat", "NTM000.dat"}))
        << x.sortie.str();
    EXPECT_TRUE(x.e.FormulaireCheminsMinimaux->EstVisible("ValHArrDépartNoeudSélec"));
    EXPECT_DOUBLE_EQ(x.e.ValeursNoeuds[3], 9.05);
    // The per-node values are the ones meant for the map; the consultation file is not.
    EXPECT_EQ(x.Compte("carte: "), 1);
    EXPECT_EQ(x.Compte("NTM000.dat\n"), 2);  // opened, then shown on the map
    // The outputs of the paths still want paths of this network.
    EXPECT_TRUE(x.Sorties({"Consult=0", "Précarto=0", "MatriceChem", "Ok"}).empty());
    EXPECT_EQ(x.Compte("Les chemins minimaux ne correspondent plus"), 1);
}

TEST(SortiesCheminsMinimaux, CheminsQuiNeCorrespondentPlus) {
    Edition x;
    x.Dialogue("Valu", {"Distance", "ValuOk"});
    ASSERT_EQ(x.Menu("menChangerValuation"), Issue::Faite);
    x.e.Menus.Active("menVisuMatChMin");
    EXPECT_TRUE(x.Sorties({"MatriceChem", "Ok"}).empty());
    EXPECT_EQ(x.Compte("Les chemins minimaux ne correspondent plus"), 1);
    EXPECT_FALSE(x.Existe("MatChem0.dat"));
}

}  // namespace
}  // namespace vek
