// The views of the attraction matrix, through the dialog as vek-batch drives it.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "gravity/DialoguesGravite.h"
#include "gravity/FichiersGravitaires.h"
#include "gravity/ModeleGravitaire.h"
#include "paths/Floyd.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

struct Vues : test::SessionScript {
    test::DansDossier ici{dossier.Chemin()};
    Vues() {
        Ecrit("n.dat", LigneNoeud("Aval", 1, 1000) + LigneNoeud("Bourg", 2, 500) +
                           LigneNoeud("Col", 3, 300));
        Ecrit("a.dat", LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 3, 7, 20, 0));
        Fichier((dossier / "n.dat"));
        Fichier((dossier / "a.dat"));
        Menu("menOuvrir");
        e.Valuation = "Distance";
        CalculMatriceArcsMin(e);
        CalculCheminsMinimaux(e);
        CalculAttractions(e);
        e.Tableur = "tableur";
        e.Menus.Active("menGravit");
    }
    std::string Vue(const std::vector<std::string>& reglages) {
        Dialogue("FichGrav", reglages);
        Menu("menEditionFichGravit");
        return e.NomFichierResultat;
    }
    std::vector<std::string> Lignes(const std::string& nom) {
        std::vector<std::string> l;
        std::string t = test::LitOctets(dossier / nom);
        for (std::size_t p = 0, q; (q = t.find("\r\n", p)) != std::string::npos; p = q + 2)
            l.push_back(t.substr(p, q - p));
        return l;
    }
    double Valeur(const std::string& ligne) { return std::stod(ligne.substr(17, 41)); }
};

TEST(FichiersGravitaires, VuesNoeudValeur) {
    Vues v;
    struct Cas {
        std::vector<std::string> reglages;
        const char* fichier;
        double somme;   // of the values over the nodes
        double propre;  // the chosen node's own value
    } cas[] = {
        {{"ListeNValGrav=#2", "FichNVAttAbsGén", "SortieFichier"}, "NVAAG000.xls", 0, 500},
        {{"ListeNValGrav=#2", "NVAttAbsHorsAutoAtt", "SortieFichier"}, "NVAAGHA0.xls", 0, 0},
        {{"ListeNValGrav=#2", "FichNVAttAbsRes", "SortieFichier"}, "NVAAR000.xls", 0, 500},
        {{"ListeNValGrav=#2", "NVFichAttRel", "SortieFichier"}, "NVARG000.xls", 100, -1},
        {{"ListeNValGrav=#2", "NVFichAttRel", "NVAttRelHorsAutoAtt", "SortieFichier"},
         "NVARGHA0.xls",
         100,
         0},
        {{"ListeNValGrav=#1", "NVFichAttRel", "FichNVAttRelRes", "SortieFichier"},
         "NVARR000.xls",
         100,
         -1},
        {{"FichSomAttAbs", "SortieFichier"}, "NVSAA000.xls", 0, -1},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(v.Vue(c.reglages), c.fichier);
        auto l = v.Lignes(c.fichier);
        ASSERT_EQ(l.size(), 3u) << c.fichier;
        double s = 0;
        for (const auto& x : l) s += v.Valeur(x);
        if (c.somme > 0) {
            EXPECT_NEAR(s, c.somme, 1e-9) << c.fichier;
        }
        if (c.propre >= 0) {
            EXPECT_DOUBLE_EQ(v.Valeur(l[1]), c.propre) << c.fichier;
        }
    }
    EXPECT_EQ(v.Compte("ouvre: xdg-open NVSAA000.xls"), 1);
    // A relative view of a zero total says so and writes nothing.
    v.e.Noeuds[3].Population = 0;
    CalculAttractions(v.e);
    v.e.NomFichierResultat.clear();
    v.Vue({"ListeNValGrav=#3", "NVFichAttRel", "SortieFichier"});
    EXPECT_EQ(v.Compte("est nul"), 1);
    EXPECT_FALSE(std::filesystem::exists(v.dossier / "NVARG000.xlsx"));
    // Cancelled: nothing.
    v.Vue({"Annuler"});
}

// A member of a workbook, through unzip.
std::string Membre(const std::string& classeur, const std::string& membre) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(
        popen(("unzip -p '" + classeur + "' " + membre).c_str(), "r"), pclose);
    std::string t;
    char b[4096];
    for (std::size_t n; f && (n = std::fread(b, 1, sizeof b, f.get())) > 0;) t.append(b, n);
    return t;
}

TEST(FichiersGravitaires, VuesArcValeurEtClasseurs) {
    Vues v;
    // One node: N pairs; three nodes: 3 N pairs.
    EXPECT_EQ(v.Vue({"ArcVal", "ListeAValGrav1=#1", "SortieFichier"}), "AVAAG000.xls");
    EXPECT_EQ(v.e.NbCouples, 3);
    EXPECT_EQ(
        v.Vue({"ArcVal", "ListeAValGrav1=#1", "Noeud2", "ListeAValGrav2=#2", "Noeud3",
               "ListeAValGrav3=#3", "FichAVAttAbsRes", "AVAttAbsHorsAutoAtt", "SortieFichier"}),
        "AVAARHA0.xls");
    EXPECT_EQ(v.e.NbCouples, 9);
    EXPECT_EQ(v.Lignes("AVAARHA0.xls").size(), 9u);
    // The three principal attractions write their pairs.
    EXPECT_EQ(v.Vue({"ArcVal", "ListeAValGrav1=#2", "FichAV3AttAbs", "SortieFichier"}),
              "AV3AA000.xls");
    EXPECT_EQ(v.e.NbCouples, 3);
    EXPECT_EQ(v.e.ListeCouples[1].J, 2);  // its own attraction first
    // "Graphe": the tab layout (name j, value for the relative generated view), then a
    // workbook beside it, opened in the spreadsheet.
    EXPECT_EQ(v.Vue({"ArcVal", "ListeAValGrav1=#1", "AVFichAttRel", "SortieGraphique"}),
              "AVARE000.xls");
    auto l = v.Lignes("AVARE000.xls");
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1].substr(0, 17), "Bourg           \t");
    EXPECT_EQ(v.Compte("ouvre: tableur AVARE000.xlsx"), 1);
    const std::string feuille = Membre(v.dossier / "AVARE000.xlsx", "xl/worksheets/sheet1.xml");
    EXPECT_NE(feuille.find("sqref=\"A1:B3\""), std::string::npos) << feuille;
    // The chart button writes to a fixed folder. When the folder cannot be made (a plain file
    // stands in its way) the message names it and nothing is written.
    const auto programme = v.dossier.Chemin() / "program";
    test::EcritOctets(programme, "");
    v.Dialogue("FichGrav", {"Commande1", "Annuler"});
    v.Menu("menEditionFichGravit");
    EXPECT_EQ(v.Compte("Le dossier " + (programme / "vek").string() + " ne peut pas être créé"), 1);
    EXPECT_EQ(v.Compte("ouvre: tableur"), 1);  // the one of AVARE000 only
    std::filesystem::remove(programme);
    // Missing, it is made: a real chart in a workbook saved as XLCHART.xlsx.
    v.Dialogue("FichGrav", {"Commande1", "Annuler"});
    v.Menu("menEditionFichGravit");
    EXPECT_EQ(v.Compte("ne peut pas"), 1);
    const std::string graphique = (programme / "vek" / "XLCHART.xlsx").string();
    ASSERT_TRUE(std::filesystem::exists(graphique));
    const std::string chart = Membre(graphique, "xl/charts/chart1.xml");
    EXPECT_NE(chart.find("<c:barChart>"), std::string::npos);
    // Its series points at the values of the sheet, its categories at the names.
    EXPECT_NE(chart.find("<c:f>Feuil1!$B$1:$B$3</c:f>"), std::string::npos) << chart;
    EXPECT_NE(chart.find("<c:f>Feuil1!$A$1:$A$3</c:f>"), std::string::npos);
    // "Map": the file is written and shown on the map.
    v.Vue({"ArcVal", "ListeAValGrav1=#1", "Map"});
    EXPECT_EQ(v.Compte("carte: AVAAG000.xls\n"), 1);
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

TEST(DialoguesGravite, ParametresEtOptions) {
    test::SessionScript s;
    s.e.Menus.Active("menIndicateursN");
    s.e.Menus.Active("menGravit");
    // GvPa shows the parameters with their leading blank; Texte8 keeps its own text.
    s.e.Gravite.PersonnesParEmploi = 3;
    s.Dialogue("GvPa", {"Texte3=1.5km", "Texte2=0", "Ok"});
    ASSERT_EQ(s.Menu("menParamétrageGravit"), Issue::Faite);
    EXPECT_EQ(s.e.Gravite.ElasticiteDistance, 1.5f);  // the leading number
    EXPECT_EQ(s.e.Gravite.ElasticitePopulation, 0);
    EXPECT_EQ(s.e.Gravite.PersonnesParEmploi, 2.1f);  // "2.1" was still in its box
    Dialogue gvpa = DialogueGvPa(s.e);
    EXPECT_EQ(gvpa["Texte3"].texte, " 1.5");
    // GvOp: a section's controls follow its choice; the AP pair waits for the auto section.
    Dialogue d = DialogueGvOp(s.e);
    EXPECT_FALSE(d.EstUtilisable("TexteSLP"));
    EXPECT_FALSE(d.EstUtilisable("OuiAP"));
    d.Choisit("OuiAuto");
    EXPECT_TRUE(d.EstUtilisable("OuiAP"));
    EXPECT_TRUE(d.EstUtilisable("TexteAuto"));
    d.Choisit("NonAuto");
    EXPECT_TRUE(d.EstUtilisable("OuiAP"));  // "Non" leaves the AP pair as it is
    d.Clique("Command3D4");
    const OptionsGvOp& o = s.e.Gravite.Options;
    EXPECT_TRUE(o.OuiSLP && o.Oui3AA && o.Oui3AR && o.OuiSAA && o.OuiAuto && !o.OuiAP);
    EXPECT_TRUE(o.EcranSLP && o.EcranAuto && !o.TotSLP && !o.TotSAA);
    EXPECT_FALSE(d.EstUtilisable("TexteAP"));
    d.Saisit("TexteSAA", "sommes.dat");
    EXPECT_EQ(s.e.Gravite.NomFichierSAA, "sommes.dat");
    // "Changer de fichier": the name chosen, without its directory.
    s.Fichier("/tmp/ailleurs/autre.dat");
    d.Clique("Command3D3");
    EXPECT_EQ(s.e.Gravite.NomFichierSAA, "autre.dat");
    EXPECT_EQ(d["TexteSAA"].texte, "autre.dat");
    EXPECT_EQ(s.e.Gravite.RepSAA, "c:\\data\\NoeudVal");
    // A disabled control cannot be set from a script.
    s.e.Gravite.Options = OptionsGvOp{};
    s.Dialogue("GvOp", {"TexteSLP=x.dat", "Command3D5"});
    EXPECT_THROW(s.Menu("menOptionsGravit"), ErreurScript);
}

// The AP pair, once opened by the auto section, stays open from one showing to the next, as
// every other choice of the dialog does.
TEST(DialoguesGravite, PaireAPGardee) {
    test::SessionScript s;
    s.e.Menus.Active("menIndicateursN");
    s.e.Menus.Active("menGravit");
    s.Dialogue("GvOp", {"OuiAuto", "NonAuto", "Command3D5"});
    ASSERT_EQ(s.Menu("menOptionsGravit"), Issue::Faite);
    s.Dialogue("GvOp", {"OuiAP", "Command3D5"});
    ASSERT_NO_THROW(s.Menu("menOptionsGravit"));  // OuiAP can be chosen
    EXPECT_TRUE(s.e.Gravite.Options.OuiAP);
    EXPECT_FALSE(s.e.Gravite.Options.OuiAuto);
    Dialogue d = DialogueGvOp(s.e);
    EXPECT_TRUE(d.EstUtilisable("NonAP"));
    EXPECT_TRUE(d.EstUtilisable("TexteAP"));
    // Back to the state of start-up: closed again.
    ParametresGravitairesParDefaut(s.e);
    EXPECT_FALSE(DialogueGvOp(s.e).EstUtilisable("OuiAP"));
}

}  // namespace
}  // namespace vek
