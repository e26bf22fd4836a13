// The data-set catalogue and the partial-networks dialog, driven as a script drives them.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "network/Mode.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::SessionScript;

const std::string kNoeuds = LigneNoeud("A", 1, 10) + LigneNoeud("B", 2, 20) + LigneNoeud("C", 3);
const std::string kArcs =
    LigneArc(1, 2, 7, 35, 0) + LigneArc(2, 3, 72, 25, 0) + LigneArc(3, 1, 3, 100, 0, 800, 830);

TEST(Espaces, CatalogueEtLectureConstruitLaMatrice) {
    struct Cas {
        const char* option;
        const char* noeuds;
        const char* arcs;
    } cas[] = {
        {"France36", "n036fr.dat", "Franc036/a036fr01.dat"},
        {"France508", "n518fr.dat", "Franc508/a518tevr.dat"},
        {"Europe157", "n157eu.dat", "Europ157/a157eu01.dat"},
        {"Europe67", "n067eu.dat", "Europ067/a067eu01.dat"},
        {"IndreEtLoire321", "n321il.dat", "I&Loi321/a321il01.dat"},
    };
    for (const auto& c : cas) {
        SessionScript s;
        s.Ecrit(c.noeuds, kNoeuds);
        s.Ecrit(c.arcs, kArcs);
        s.Dialogue("VekOp", {c.option, "LectFich"});
        ASSERT_EQ(s.Menu("menNoeudsEtArcs"), Issue::Faite);
        EXPECT_EQ(s.e.NbNoeuds, 3) << c.option << s.sortie.str();
        EXPECT_EQ(s.e.NomFichierArcs,
                  std::string("c:\\\\") + (std::string(c.arcs).replace(8, 1, "\\")))
            << c.option;
        // The load builds the matrix and opens the analyses, as "&Ouvrir... " does.
        EXPECT_EQ(s.e.MatArcsMin.Lignes(), 4u);
        for (const char* m : {"menVisuMatArcsMin", "menAlpha", "menNodalité", "menEditArcs"})
            EXPECT_TRUE(s.e.Menus.EstDisponible(m)) << c.option << " " << m;
    }
    SessionScript s;
    s.Dialogue("VekOp", {"France508", "LectFich"});
    s.Menu("menNoeudsEtArcs");
    EXPECT_FALSE(s.e.Menus.EstActif("menNodal"));
    EXPECT_TRUE(s.e.Menus.EstActif("menMultinodal"));
    EXPECT_EQ(s.Compte("Ce fichier ou répertoire n'existe pas : c:\\\\n518fr.dat"), 1);
}

TEST(Espaces, OptionsDeLecturePoitouCharentes) {
    struct Cas {
        std::vector<std::string> reglages;
        const char* fichier;
        const char* missions;
        const char* horaires;
        const char* type;
    } cas[] = {
        {{"PoitouCharentes212", "OkTC", "LectFich"},
         "pchar212\\base a212pc01.dat",
         "NON",
         "NON",
         "Base"},
        {{"PoitouCharentes212", "Cochmissions", "OkTC", "LectFich"},
         "pchar212\\missions a212pc02.dat",
         "OUI",
         "NON",
         "Missions"},
        {{"PoitouCharentes212", "Cochmissions", "CochJH", "OkTC", "LectFich"},
         "pchar212\\horaires a212pc00.dat",
         "OUI",
         "OUI",
         "JoursEtHeures"},
        // Unticking "Missions" unticks and disables "Jours et Heures": the base files.
        {{"PoitouCharentes238", "Cochmissions", "CochJH", "Cochmissions=0", "OkTC", "LectFich"},
         "pchar238\\base a238pc01.dat",
         "NON",
         "NON",
         "Base"},
    };
    for (const auto& c : cas) {
        SessionScript s;
        s.Ecrit("n212pc.dat", kNoeuds);
        s.Ecrit("n238pc.dat", kNoeuds);
        s.Ecrit("a.dat", kArcs);
        s.Dialogue("VekOp", c.reglages);
        s.Fichier(s.dossier / "a.dat");
        ASSERT_EQ(s.Menu("menNoeudsEtArcs"), Issue::Faite);
        EXPECT_EQ(s.Compte(c.fichier), 1) << s.sortie.str();
        EXPECT_EQ(s.e.MissionsFerroviaires, c.missions);
        EXPECT_EQ(s.e.HorairesTC, c.horaires);
        EXPECT_EQ(s.e.TypeDonneesTC, c.type);
        EXPECT_EQ(s.e.NbArcs, 3);
    }
}

TEST(Espaces, AnnulerRendLesNomsPrecedents) {
    SessionScript s;
    s.Ecrit("n.dat", kNoeuds);
    s.Ecrit("a.dat", kArcs);
    s.Fichier(s.dossier / "n.dat");
    s.Fichier(s.dossier / "a.dat");
    s.Menu("menOuvrir");
    ASSERT_EQ(s.e.NbNoeuds, 3);
    s.Dialogue("VekOp", {"Europe67", "Annuler"});
    s.Menu("menNoeudsEtArcs");
    EXPECT_EQ(s.e.NomFichierNoeuds, s.dossier / "n.dat");
    EXPECT_EQ(s.e.NomFichierArcs, s.dossier / "a.dat");
    EXPECT_FALSE(s.e.ChargerReseau);
    EXPECT_FALSE(s.e.Menus.EstActif("menZooms"));
    EXPECT_EQ(s.e.NbNoeuds, 3);
}

TEST(Espaces, DoubleClicEtFormatsDeFichiers) {
    SessionScript s;
    s.Ecrit("n036fr.dat", kNoeuds);
    s.Ecrit("vil/n.dat", kNoeuds);
    s.Ecrit("od/a.dat", kArcs);
    // The second action proposes the alternative arc file in the data set's arc folder.
    s.Dialogue("VekOp", {"France36", "France36!", "LectFich"});
    s.Fichier("c:\\od\\a.dat");
    ASSERT_EQ(s.Menu("menNoeudsEtArcs"), Issue::Faite);
    EXPECT_EQ(s.Compte("[Fichier des arcs...] c:\\\\Franc036 a036fr01.dat -> c:\\od\\a.dat"), 1)
        << s.sortie.str();
    EXPECT_EQ(s.e.NbArcs, 3);
    // "Format 1993" chooses both files, starting in the 1993 folders, and keeps the arc
    // folder in RepOdNivN.
    s.e.RepVilNivN = "c:\\vil";
    s.Dialogue("VekOp", {"FormatFich93", "LectFich"});
    s.Fichier("c:\\vil\\n.dat");
    s.Fichier("c:\\od\\a.dat");
    ASSERT_EQ(s.Menu("menNoeudsEtArcs"), Issue::Faite);
    EXPECT_EQ(s.Compte("[Fichier des noeuds...] c:\\vil"), 1) << s.sortie.str();
    EXPECT_EQ(s.e.NomFichierNoeuds, "c:\\vil\\n.dat");
    EXPECT_EQ(s.e.RepOdNivN, "c:\\od");
    EXPECT_EQ(s.e.NbNoeuds, 3);
}

// A chooser cancelled while choosing a data set keeps the name it proposed, and the choice
// goes on with it: the reading options, the second action on a data set, the two formats.
TEST(Espaces, ChoixAnnuleGardeLeNomPropose) {
    const std::optional<std::string> annule;
    struct Cas {
        std::vector<std::string> reglages;
        std::vector<std::optional<std::string>> fichiers;
        const char* noeuds;
        const char* arcs;
    } cas[] = {
        {{"PoitouCharentes212", "Cochmissions", "CochJH", "OkTC", "LectFich"},
         {annule},
         "c:\\\\n212pc.dat",
         "c:\\\\pchar212\\horaires\\a212pc00.dat"},
        {{"France508", "France508!", "LectFich"},
         {annule},
         "c:\\\\n518fr.dat",
         "c:\\\\Franc508\\a508all.dat"},
        // Both formats propose the names in force; a cancelled node file keeps its name and
        // the arc file is still asked for, and the other way round.
        {{"France36", "FormatFich95", "LectFich"},
         {annule, "c:\\od\\a.dat"},
         "c:\\\\n036fr.dat",
         "c:\\od\\a.dat"},
        {{"France36", "FormatFich93", "LectFich"},
         {"c:\\vil\\n.dat", annule},
         "c:\\vil\\n.dat",
         "c:\\\\Franc036\\a036fr01.dat"},
    };
    for (const auto& c : cas) {
        SessionScript s;
        for (const char* f : {"n212pc.dat", "n518fr.dat", "n036fr.dat", "vil/n.dat"})
            s.Ecrit(f, kNoeuds);
        for (const char* f : {"pchar212/horaires/a212pc00.dat", "Franc508/a508all.dat",
                              "Franc036/a036fr01.dat", "od/a.dat"})
            s.Ecrit(f, kArcs);
        s.Dialogue("VekOp", c.reglages);
        for (const auto& f : c.fichiers)
            s.port.Ajoute({TypeReponse::Fichier, f.has_value(), f.value_or(""), {}});
        Issue issue = Issue::Refusee;
        EXPECT_NO_THROW(issue = s.Menu("menNoeudsEtArcs")) << c.reglages[1];
        EXPECT_EQ(issue, Issue::Faite);
        EXPECT_EQ(s.port.ReponsesRestantes(), 0u) << c.reglages[1];
        EXPECT_EQ(s.e.NomFichierNoeuds, c.noeuds) << c.reglages[1];
        EXPECT_EQ(s.e.NomFichierArcs, c.arcs) << c.reglages[1];
        EXPECT_EQ(s.e.NbNoeuds, 3) << c.reglages[1] << s.sortie.str();
        EXPECT_EQ(s.e.NbArcs, 3) << c.reglages[1];
    }
}

// A speed is a number of km/h above 0 and at most 1000; the free-flow speed 0 (none) or a
// whole number from 1 to 1000. Anything else is named with the range accepted, and the mode
// keeps its speeds.
TEST(Reseaux, VitessesHorsDesBornes) {
    const std::string vitesse =
        "La vitesse du mode Route 70 VI doit être un nombre de km/h supérieur à 0 et au plus "
        "égal à 1000 : ";
    const std::string vmax =
        "La vitesse maximale (VMax) du mode Route 70 VI doit être 0 (aucune) ou un nombre "
        "entier de km/h de 1 à 1000 : ";
    struct Cas {
        const char* champ;
        const char* texte;
        std::string message;  // empty: accepted
    } cas[] = {
        {"VitesseRésPart", "0", vitesse},     {"VitesseRésPart", "-5", vitesse},
        {"VitesseRésPart", "1e-50", vitesse}, {"VitesseRésPart", "1000.5", vitesse},
        {"VitesseRésPart", "1e300", vitesse}, {"VitesseRésPart", "abc", vitesse},
        {"VitMaxRésPart", "1001", vmax},      {"VitMaxRésPart", "1e300", vmax},
        {"VitMaxRésPart", "-1", vmax},        {"VitMaxRésPart", "2.5", vmax},
        {"VitesseRésPart", "1000", ""},       {"VitesseRésPart", "0.5", ""},
        {"VitMaxRésPart", "0", ""},           {"VitMaxRésPart", "1000", ""},
    };
    for (const Cas& c : cas) {
        SessionScript s;
        s.Ecrit("n.dat", kNoeuds);
        s.Ecrit("a.dat", kArcs);
        s.Fichier(s.dossier / "n.dat");
        s.Fichier(s.dossier / "a.dat");
        s.Menu("menOuvrir");
        s.Dialogue("Reseaux", {"ListeRéseauxPartiels=Route 70 VI",
                               std::string(c.champ) + "=" + c.texte, "Valid", "ResAnnule"});
        ASSERT_EQ(s.Menu("menReseaux"), Issue::Faite);
        RechercheMode(s.e, 7);
        EXPECT_EQ(s.Compte(c.message.empty() ? "doit être" : c.message + c.texte),
                  c.message.empty() ? 0 : 1)
            << c.champ << "=" << c.texte << s.sortie.str();
        const bool accepte = c.message.empty();
        const bool vitesse = std::string(c.champ) == "VitesseRésPart";
        EXPECT_EQ(s.e.ModeCourant.Vitesse, accepte && vitesse ? std::stof(c.texte) : 70.0f)
            << c.champ << "=" << c.texte;
        EXPECT_EQ(s.e.ModeCourant.VitesseMax, accepte && !vitesse ? std::stoi(c.texte) : 90)
            << c.champ << "=" << c.texte;
    }
}

TEST(Reseaux, ModesEditesPuisRelus) {
    SessionScript s;
    s.Ecrit("n.dat", kNoeuds);
    s.Ecrit("a.dat", kArcs);
    s.Fichier(s.dossier / "n.dat");
    s.Fichier(s.dossier / "a.dat");
    s.Menu("menOuvrir");
    ASSERT_EQ(s.e.ListeModesDialogues,
              (std::vector<std::string>{"Route 70 VI", "Route 50 VI", "TGV 220"}));
    // A speed of 0 is refused; 35 km/h doubles the time; "Route 50 VI" is dropped.
    s.Dialogue("Reseaux", {"ListeRéseauxPartiels=Route 70 VI", "VitesseRésPart=0", "Valid",
                           "VitesseRésPart=35", "Valid", "ListeRéseauxPartiels=#2",
                           "SélectionnéOuiNon=0", "Valid", "LectFich"});
    ASSERT_EQ(s.Menu("menReseaux"), Issue::Faite);
    EXPECT_EQ(s.Compte("au plus égal à 1000 : 0"), 1);
    ASSERT_EQ(s.e.NbArcs, 2);
    EXPECT_EQ(s.e.Arcs[1].Temps, 60);
    EXPECT_EQ(s.e.MatArcsMin(1, 2).Valeur, 60);
    EXPECT_FALSE(s.e.Menus.EstActif("menZooms"));
    // Making a road mode one-way changes the orientation before the matrix is rebuilt.
    s.Dialogue("Reseaux",
               {"ListeRéseauxPartiels=Route 70 VI", "OrientéOuiNon", "Valid", "ResAnnule"});
    s.Menu("menReseaux");
    EXPECT_EQ(s.e.MatArcsMin(2, 1).Valeur, 0);
    s.Dialogue("Reseaux",
               {"ListeRéseauxPartiels=TGV 220", "OrientéOuiNon=0", "Valid", "ResAnnule"});
    s.Dialogue("Reseaux",
               {"ListeRéseauxPartiels=Route 70 VI", "OrientéOuiNon=0", "Valid", "ResAnnule"});
    s.Menu("menReseaux");
    EXPECT_TRUE(s.e.Oriente);
    s.Menu("menReseaux");
    EXPECT_FALSE(s.e.Oriente);
    EXPECT_EQ(s.e.MatArcsMin(1, 3).Valeur, 30);
    // "ResOk" is disabled once a network was read.
    s.Dialogue("Reseaux", {"ResOk"});
    EXPECT_THROW(s.Menu("menReseaux"), ErreurScript);
}

}  // namespace
}  // namespace vek
