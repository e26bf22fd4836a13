// The distance model: the person-distances of the gravity model's persons, their sums per
// node of destination and of origin, the two result files, their folders, the options dialog
// and the command's refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <sstream>

#include "Reseaux.h"
#include "Script.h"
#include "ScriptTest.h"
#include "gravity/ModeleGravitaire.h"
#include "location/DialogueDistOp.h"
#include "location/ModeleDistance.h"
#include "location/ParametresDistance.h"
#include "paths/Floyd.h"
#include "shell/Echecs.h"
#include "vek/Reglages.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// The sums as they are defined: for each node, the additions over the other end in order,
// each rounded to the nearest integer, halves to even. A node whose sum leaves 32 bits on the
// way holds 0, and the sums are then refused.
struct SommesAttendues {
    std::vector<std::int32_t> valeurs;
    bool acceptees = true;
};
SommesAttendues SommesLitterales(const Matrice<float>& m, std::size_t n, bool destination) {
    SommesAttendues r{std::vector<std::int32_t>(n + 1, 0)};
    for (std::size_t i = 1; i <= n; ++i) {
        double s = 0;
        bool hors = false;
        for (std::size_t j = 1; j <= n && !hors; ++j) {
            s = std::nearbyint(s + static_cast<double>(destination ? m(j, i) : m(i, j)));
            hors = s < -2147483648.0 || s > 2147483647.0;
        }
        if (hors) r.acceptees = false;
        r.valeurs[i] = hors ? 0 : static_cast<std::int32_t>(s);
    }
    return r;
}

// A (6-digit code, 1000 people) - B (5-digit code, 500) by a 10 km road, B - C (a 10-digit
// code, 300) by another of 20 km; D (200 people) is reached by nothing. The gravity model has
// counted its persons; "c:" is the test's folder.
struct Distance : test::Session {
    Distance() {
        e.Disques.dossiers['c'] = dossier.Chemin().string();
        EXPECT_TRUE(
            Ouvre(LigneNoeud("Aval", 123456, 1000) + LigneNoeud("Bourg", 12345, 500) +
                      LigneNoeud("Col", 1601000003, 300) + LigneNoeud("Désert", 4, 200),
                  LigneArc(123456, 12345, 7, 10, 0) + LigneArc(12345, 1601000003, 7, 20, 0)));
        e.Valuation = "Distance";
        CalculMatriceArcsMin(e);
        EXPECT_TRUE(CalculCheminsMinimaux(e));
        Gravite();
    }
    void Gravite() {
        auto& g = e.Gravite;
        for (std::string* rep : {&g.RepSLP, &g.Rep3AA, &g.Rep3AR, &g.RepSAA, &g.RepAuto, &g.RepAP})
            *rep = dossier.Chemin().string();
        g.Options.OuiAuto = true;
        menDémarrageGravit(e);
        EXPECT_TRUE(e.Menus.EstActif("menDistance"));
    }
    // Every person-distance d x F set: the distances of `d`, one person a pair unless `f` says.
    void Fixe(const std::vector<std::vector<float>>& d,
              const std::vector<std::vector<std::int32_t>>& f) {
        for (std::size_t i = 1; i <= 4; ++i)
            for (std::size_t j = 1; j <= 4; ++j) {
                e.CheminsMin(i, j).Valeur = d[i - 1][j - 1];
                e.MatPersonnesAttirees(i, j) = f.empty() ? 1 : f[i - 1][j - 1];
            }
    }
    std::string Defaut(const std::string& nom) { return dossier / ("data/NoeudVal/dist/" + nom); }
    std::vector<std::string> Lignes(const std::string& chemin) {
        std::vector<std::string> l;
        if (!std::filesystem::exists(chemin)) return l;
        const std::string t = test::LitOctets(chemin);
        for (std::size_t p = 0, q; (q = t.find("\r\n", p)) != std::string::npos; p = q + 2)
            l.push_back(t.substr(p, q - p));
        return l;
    }
};

TEST(ModeleDistance, PersonnesParDistanceEtSommes) {
    Distance t;
    Etat& e = t.e;
    CalculDistancesPersonnes(e);
    ASSERT_EQ(e.MatDistancesPersonnes.Lignes(), 5u);
    for (std::size_t i = 1; i <= 4; ++i)
        for (std::size_t j = 1; j <= 4; ++j)
            EXPECT_EQ(e.MatDistancesPersonnes(i, j),
                      static_cast<float>(static_cast<double>(e.CheminsMin(i, j).Valeur) *
                                         e.MatPersonnesAttirees(i, j)))
                << i << "," << j;
    // The product is made exactly and rounded once: 16777217 persons would lose their last
    // one as a float before the product.
    e.MatPersonnesAttirees(1, 2) = 16777217;
    e.CheminsMin(1, 2).Valeur = 3;
    CalculDistancesPersonnes(e);
    EXPECT_EQ(e.MatDistancesPersonnes(1, 2), 50331652.0f);
    EXPECT_NE(e.MatDistancesPersonnes(1, 2), 3.0f * static_cast<float>(16777217));

    // Each addition rounded, halves to even: 0.5 -> 0, 0 + 1.5 -> 2, 2 + 0.5 -> 2, 2 + 2.5 -> 4
    // (the sum rounded once would be 5, halves away from zero 7).
    t.Fixe({{0.5f, 0, 0, 0}, {1.5f, 0, 0, 0}, {0.5f, 0, 0, 0}, {2.5f, 0, 0, 0}}, {});
    CalculDistancesPersonnes(e);
    ASSERT_TRUE(CalculDistancesDestination(e));
    ASSERT_TRUE(CalculDistancesOrigine(e));
    EXPECT_EQ(e.DistancesDestination, (std::vector<std::int32_t>{0, 4, 0, 0, 0}));
    // Rows: each holds a single value, rounded alone.
    EXPECT_EQ(e.DistancesOrigine, (std::vector<std::int32_t>{0, 0, 2, 0, 2}));
    EXPECT_TRUE(t.port.messages.empty());  // Distot unticked: no total
}

TEST(ModeleDistance, TotalAuDelaDe32Bits) {
    Distance t;
    Etat& e = t.e;
    // Each column sums to 2,000,000,000: every node fits, the total of 8e9 does not in 32 bits.
    const std::int32_t g = 2000000000;
    t.Fixe({{1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
           {{g, g, g, g}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
    e.Distance.Distot = true;
    CalculDistancesPersonnes(e);
    ASSERT_TRUE(CalculDistancesDestination(e));
    ASSERT_EQ(t.port.messages.size(), 1u);
    const auto& m = t.port.messages[0];
    EXPECT_EQ(m.texte, " 8000000000");
    EXPECT_EQ(m.titre, "Total des distances parcourues");
    EXPECT_EQ(m.icone, Icone::Information);
    EXPECT_EQ(m.boutons, Boutons::Ok);
    // A node's own sum beyond 32 bits is said, with no total.
    e.MatPersonnesAttirees(2, 3) = g;
    e.CheminsMin(2, 3).Valeur = 1;
    CalculDistancesPersonnes(e);
    EXPECT_FALSE(CalculDistancesDestination(e));
    ASSERT_EQ(t.port.messages.size(), 2u);
    EXPECT_EQ(t.port.messages[1].texte,
              "La distance parcourue à destination de Col dépasse la capacité d'un entier : le "
              "fichier DistDest.dat n'est pas écrit.");
    // A's row sends 8e9 person-km: its own sum is refused too.
    EXPECT_FALSE(CalculDistancesOrigine(e));
    EXPECT_EQ(t.port.messages.back().texte,
              "La distance parcourue à partir de Aval dépasse la capacité d'un entier : le "
              "fichier DistOrig.dat n'est pas écrit.");
}

// The sums along the rows of the matrix are those of the literal definition, on random
// networks whose distances and persons make many halves.
TEST(ModeleDistance, CommeLaDefinitionSurDesReseauxAleatoires) {
    std::mt19937 alea(17);
    int refusees = 0;
    for (int essai = 0; essai < 8; ++essai) {
        SCOPED_TRACE(essai);
        test::Session s;
        const int n = 5 + static_cast<int>(alea() % 40);
        std::string noeuds, arcs;
        for (int k = 1; k <= n; ++k)
            noeuds += LigneNoeud(std::string("N").append(std::to_string(k)), k,
                                 static_cast<long>(alea() % 5000));
        for (int k = 0; k < 2 * n; ++k)
            arcs += LigneArc(1 + alea() % n, 1 + alea() % n, 7, 1 + alea() % 90, 0);
        ASSERT_TRUE(s.Ouvre(noeuds, arcs));
        s.e.Valuation = "Distance";
        CalculMatriceArcsMin(s.e);
        ASSERT_TRUE(CalculCheminsMinimaux(s.e));
        s.e.Gravite.RepAuto = s.dossier.Chemin().string();
        s.e.Gravite.Options.OuiAuto = true;
        menDémarrageGravit(s.e);
        // Halves and quarters of distances, and a few large counts.
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) {
                if (alea() % 3 == 0) s.e.CheminsMin(i, j).Valeur = (alea() % 400) / 4.0f;
                if (alea() % 5 == 0)
                    s.e.MatPersonnesAttirees(i, j) = static_cast<std::int32_t>(alea() % 100000);
            }
        CalculDistancesPersonnes(s.e);
        for (bool destination : {true, false}) {
            const SommesAttendues attendu = SommesLitterales(
                s.e.MatDistancesPersonnes, static_cast<std::size_t>(n), destination);
            EXPECT_EQ(destination ? CalculDistancesDestination(s.e) : CalculDistancesOrigine(s.e),
                      attendu.acceptees);
            EXPECT_EQ(destination ? s.e.DistancesDestination : s.e.DistancesOrigine,
                      attendu.valeurs);
            refusees += !attendu.acceptees;
        }
    }
    // Some of the sums reach beyond 32 bits (unreachable pairs weigh 32000), others not.
    EXPECT_GT(refusees, 0);
    EXPECT_LT(refusees, 16);
}

TEST(ModeleDistance, FichiersDansLeDossierParDefaut) {
    Distance t;
    Etat& e = t.e;
    e.Distance = {true, true, true, false, false};  // both sections, the first one shown
    EXPECT_FALSE(std::filesystem::exists(t.dossier / "data"));
    menDémarrageDistance(e);
    // The folder set at start did not exist: it is made.
    EXPECT_TRUE(std::filesystem::is_directory(t.dossier / "data/NoeudVal/dist"));
    EXPECT_TRUE(t.port.messages.empty());  // no total asked
    const auto dest = t.Lignes(t.Defaut("DistDest.dat"));
    const auto orig = t.Lignes(t.Defaut("DistOrig.dat"));
    ASSERT_EQ(dest.size(), 4u);
    ASSERT_EQ(orig.size(), 4u);
    // Blank, code (a 6-digit code takes 7 columns, others as they are), the value padded with
    // blanks to 12, three blanks, the 50-character name.
    auto ligne = [&](const std::string& code, std::int32_t v, const char* nom) {
        std::string valeur = std::to_string(v);
        return " " + code + valeur + std::string(12 - valeur.size(), ' ') + "   " + Cadre(nom, 50);
    };
    EXPECT_EQ(dest[0], ligne("123456 ", e.DistancesDestination[1], "Aval"));
    EXPECT_EQ(dest[1], ligne("12345", e.DistancesDestination[2], "Bourg"));
    EXPECT_EQ(dest[2], ligne("1601000003", e.DistancesDestination[3], "Col"));
    EXPECT_EQ(orig[3], ligne("4", e.DistancesOrigine[4], "Désert"));
    EXPECT_EQ(dest[0].size(), 1 + 7 + 12 + 3 + 50u);
    // Persons from A travel 10 km to B and 30 km to C.
    EXPECT_EQ(e.DistancesOrigine[1], 10 * e.MatPersonnesAttirees(1, 2) +
                                         30 * e.MatPersonnesAttirees(1, 3) +
                                         32000 * e.MatPersonnesAttirees(1, 4));
    // Only the file asked for is opened.
    ASSERT_EQ(t.port.lances.size(), 1u);
    EXPECT_NE(t.port.lances[0].find("DistDest.dat"), std::string::npos);
}

TEST(ModeleDistance, DossiersAbsents) {
    {
        // A folder the person chose that does not exist: said by name, that section alone is
        // not written, and the command counts as failed.
        Distance t;
        Etat& e = t.e;
        e.Distance = {true, true, false, false, false};
        e.RepDistOrig = t.dossier / "absent";
        const std::uint64_t echecs = NombreEchecs();
        menDémarrageDistance(e);
        EXPECT_EQ(NombreEchecs(), echecs + 1);
        ASSERT_EQ(t.port.messages.size(), 1u);
        EXPECT_EQ(t.port.messages[0].texte, "Le dossier " + (t.dossier / "absent") +
                                                " n'existe pas : le fichier DistOrig.dat n'est "
                                                "pas écrit.");
        EXPECT_EQ(t.port.messages[0].icone, Icone::Exclamation);
        EXPECT_FALSE(std::filesystem::exists(t.dossier / "absent"));
        EXPECT_EQ(t.Lignes(t.Defaut("DistDest.dat")).size(), 4u);
    }
    {
        // A file name emptied in the dialog: said, nothing written in the folder.
        Distance t;
        t.e.Distance = {true, false, false, false, false};
        t.e.NomFichierDistDest = " ";
        const std::uint64_t echecs = NombreEchecs();
        menDémarrageDistance(t.e);
        EXPECT_EQ(NombreEchecs(), echecs + 1);
        ASSERT_EQ(t.port.messages.size(), 1u);
        EXPECT_EQ(t.port.messages[0].texte,
                  "Aucun nom de fichier n'est donné pour le dossier c:\\data\\NoeudVal\\dist : "
                  "choisissez-en un dans les options du modèle Distance.");
    }
    {
        // The folder set at start cannot be made when a file holds its place.
        Distance t;
        test::EcritOctets(t.dossier / "data", "");
        t.e.Distance = {true, false, false, false, false};
        menDémarrageDistance(t.e);
        ASSERT_EQ(t.port.messages.size(), 1u);
        EXPECT_EQ(t.port.messages[0].texte.rfind("Le dossier c:\\data\\NoeudVal\\dist (", 0), 0u)
            << t.port.messages[0].texte;
        EXPECT_NE(t.port.messages[0].texte.find(") ne peut pas être créé"), std::string::npos);
    }
}

// Without persons counted for the network and paths in force, nothing is computed, written
// or opened.
TEST(ModeleDistance, PersonnesAbsentesOuDUnAutreReseau) {
    const std::string autre =
        "Les personnes attirées ne correspondent pas au réseau et aux plus courts chemins en "
        "cours : lancez d'abord le modèle gravitaire (Attractions, Démarrage).";
    const std::string aucune =
        "Aucune personne attirée n'a été comptée : lancez d'abord le modèle gravitaire "
        "(Attractions, Démarrage) avec la section « Auto-Attraction ».";
    struct Cas {
        const char* nom;
        void (*change)(Distance&);
        const std::string& message;
    } cas[] = {
        {"jamais comptées", [](Distance& t) { t.e.MatPersonnesAttirees.Libere(); }, aucune},
        {"chemins d'une autre valuation",
         [](Distance& t) {
             t.e.Valuation = "Temps";
             CalculMatriceArcsMin(t.e);
             ASSERT_TRUE(CalculCheminsMinimaux(t.e));
         },
         autre},
        {"chemins périmés", [](Distance& t) { t.e.Valuation = "Temps"; }, autre},
        {"attractions recalculées sans les personnes",
         [](Distance& t) {
             t.e.Valuation = "Temps";
             CalculMatriceArcsMin(t.e);
             ASSERT_TRUE(CalculCheminsMinimaux(t.e));
             t.e.Gravite.Options.OuiAuto = false;
             menDémarrageGravit(t.e);
             t.port.messages.clear();
         },
         autre},
        {"matrice d'une autre taille",
         [](Distance& t) { t.e.MatPersonnesAttirees.Dimensionne(2, 1); }, autre},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Distance t;
        Etat& e = t.e;
        e.Distance = {true, true, true, true, true};
        // A first run writes and opens both files.
        menDémarrageDistance(e);
        ASSERT_EQ(t.port.lances.size(), 2u);
        const std::string avant = test::LitOctets(t.Defaut("DistDest.dat"));
        t.port.messages.clear();
        c.change(t);
        e.MatDistancesPersonnes.Libere();
        const std::uint64_t echecs = NombreEchecs();
        menDémarrageDistance(e);
        ASSERT_EQ(t.port.messages.size(), 1u);
        EXPECT_EQ(t.port.messages[0].texte, c.message);
        EXPECT_TRUE(e.MatDistancesPersonnes.Vide());
        EXPECT_EQ(t.port.lances.size(), 2u);  // nothing opened again
        EXPECT_EQ(test::LitOctets(t.Defaut("DistDest.dat")), avant);
        EXPECT_EQ(NombreEchecs(), echecs);
        EXPECT_EQ(t.port.sabliers, 0);
    }
}

TEST(ModeleDistance, DialogueDistOp) {
    Distance t;
    Etat& e = t.e;
    // At start: no section, the start command waiting for "Ok".
    EXPECT_EQ(ExecuteCommande(e, "menDémarrageDistance"), Issue::Refusee);
    EXPECT_EQ(ExecuteCommande(e, "menOptionsDistance"), Issue::Faite);
    EXPECT_EQ(t.port.dialogues, std::vector<std::string>{"DistOp"});
    e.NomFichierDistDest = "d.dat";
    Dialogue d = DialogueDistOp(e);
    EXPECT_EQ(d.legende, "Options du modèle Distance");
    EXPECT_EQ(d["TexteDest"].texte, "d.dat");
    EXPECT_EQ(d["TexteOrig"].texte, "DistOrig.dat");
    EXPECT_EQ(d.OptionChoisie("Frame3D2"), "NonDest");
    EXPECT_EQ(d.OptionChoisie("Frame3D1"), "NonOrig");
    const char* dest[] = {"TexteDest", "Command3D2", "EcranDest", "Distot"};
    const char* orig[] = {"TexteOrig", "Command3D1", "EcranOrig"};
    auto ouverts = [&](std::initializer_list<const char*> noms, bool attendu) {
        for (const char* c : noms) EXPECT_EQ(d.EstUtilisable(c), attendu) << c;
    };
    for (const char* c : dest) EXPECT_FALSE(d.EstUtilisable(c)) << c;
    for (const char* c : orig) EXPECT_FALSE(d.EstUtilisable(c)) << c;
    // Each "Oui" opens its own section only; "Non" closes it.
    d.Choisit("OuiDest");
    ouverts({"TexteDest", "Command3D2", "EcranDest", "Distot"}, true);
    ouverts({"TexteOrig", "Command3D1", "EcranOrig"}, false);
    EXPECT_TRUE(e.Distance.OuiDest);
    d.Choisit("OuiOrig");
    d.Choisit("NonDest");
    ouverts({"TexteDest", "Command3D2", "EcranDest", "Distot"}, false);
    ouverts({"TexteOrig", "Command3D1", "EcranOrig"}, true);
    EXPECT_FALSE(e.Distance.OuiDest);
    // A file chosen gives its name; the folder stays.
    t.port.fichiers.push_back("/ailleurs/autre.dat");
    d.Clique("Command3D1");
    EXPECT_EQ(e.NomFichierDistOrig, "autre.dat");
    EXPECT_EQ(d["TexteOrig"].texte, "autre.dat");
    EXPECT_EQ(e.RepDistOrig, kRepDistParDefaut);
    d.Clique("Command3D1");  // cancelled: nothing changes
    EXPECT_EQ(e.NomFichierDistOrig, "autre.dat");
    d.Saisit("TexteOrig", "tape.dat");
    EXPECT_EQ(e.NomFichierDistOrig, "tape.dat");
    // The defaults choose both sections and tick the three boxes.
    d.Clique("Command3D4");
    EXPECT_EQ(d.OptionChoisie("Frame3D2"), "OuiDest");
    EXPECT_EQ(d.OptionChoisie("Frame3D1"), "OuiOrig");
    for (const char* c : {"EcranDest", "EcranOrig", "Distot"}) EXPECT_TRUE(d[c].coche) << c;
    ouverts({"TexteDest", "Command3D2", "EcranDest", "Distot", "TexteOrig", "EcranOrig"}, true);
    EXPECT_TRUE(e.Distance.OuiDest && e.Distance.OuiOrig && e.Distance.EcranDest &&
                e.Distance.EcranOrig && e.Distance.Distot);
    EXPECT_EQ(e.NomFichierDistOrig, "tape.dat");  // names are not reset
    d.Coche("EcranOrig", false);
    EXPECT_FALSE(e.Distance.EcranOrig);
    // "Ok" closes the dialog and opens the start command.
    d.ouvert = true;
    d.Clique("Command3D3");
    EXPECT_FALSE(d.ouvert);
    EXPECT_TRUE(e.Menus.EstActif("menDémarrageDistance"));
    EXPECT_EQ(ExecuteCommande(e, "menDémarrageDistance"), Issue::Faite);
    // Shown again, the dialog holds the choices made.
    Dialogue encore = DialogueDistOp(e);
    EXPECT_EQ(encore.OptionChoisie("Frame3D1"), "OuiOrig");
    EXPECT_FALSE(encore["EcranOrig"].coche);
    EXPECT_TRUE(encore.EstUtilisable("Distot"));
}

// Both files of the bundled example against their golden copies, through the menu and the
// dialogs as a script drives them.
TEST(ModeleDistance, FichiersDeLExemple) {
    test::SessionScript s;
    test::DansDossier ici(s.dossier.Chemin());
    s.Fichier(test::Source("examples/utf8/noeuds.dat"));
    s.Fichier(test::Source("examples/utf8/arcs.dat"));
    ASSERT_EQ(s.Menu("menOuvrir"), Issue::Faite);
    ASSERT_EQ(s.Menu("menUneFois"), Issue::Faite);
    s.e.Gravite.RepAuto = s.dossier.Chemin().string();
    s.Dialogue("GvOp", {"OuiAuto", "Command3D5"});
    ASSERT_EQ(s.Menu("menOptionsGravit"), Issue::Faite);
    ASSERT_EQ(s.Menu("menDémarrageGravit"), Issue::Faite);
    s.Dialogue("DistOp", {"Command3D4", "Command3D3"});
    ASSERT_EQ(s.Menu("menOptionsDistance"), Issue::Faite);
    ASSERT_EQ(s.Menu("menDémarrageDistance"), Issue::Faite);
    EXPECT_EQ(s.Compte("[Total des distances parcourues] "), 1) << s.sortie.str();
    for (const char* f : {"DistDest.dat", "DistOrig.dat"}) {
        const std::string ecrit =
            test::LitOctets(s.dossier / (std::string("data/NoeudVal/dist/") + f));
        EXPECT_EQ(ecrit,
                  test::LitOctets(test::Source(std::string("tests/data/golden/distance/") + f)))
            << f;
        EXPECT_EQ(std::count(ecrit.begin(), ecrit.end(), '\n'), 44) << f;
    }
}

// The folders are settings of a script; a missing one ends the script with status 5.
TEST(ModeleDistance, Script) {
    test::DossierTemporaire d;
    std::filesystem::create_directories(d.Chemin() / "dest");
    const std::string debut =
        "reglage c: \"" + d.Chemin().string() + "\"\nreglage RepAuto c:\nfichier \"" +
        test::Source("examples/utf8/noeuds.dat") + "\"\nfichier \"" +
        test::Source("examples/utf8/arcs.dat") +
        "\"\nmenu menOuvrir\nmenu menUneFois\n"
        "dialogue GvOp OuiAuto Command3D5\nmenu menOptionsGravit\nmenu menDémarrageGravit\n"
        "reglage RepDistDest c:\\dest\n";
    struct Cas {
        const char* nom;
        std::string suite;
        int code;
        const char* message;
    } cas[] = {
        {"sans Ok", "menu menDémarrageDistance\n", 2, "n'est pas disponible"},
        {"les deux",
         "dialogue DistOp OuiDest OuiOrig Command3D3\nmenu menOptionsDistance\n"
         "menu menDémarrageDistance\n",
         0, ""},
        {"dossier absent",
         "reglage RepDistOrig c:\\absent\ndialogue DistOp OuiDest OuiOrig Command3D3\n"
         "menu menOptionsDistance\nmenu menDémarrageDistance\n",
         5, "1 commande(s) en échec"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::filesystem::remove_all(d.Chemin() / "dest");
        std::filesystem::create_directories(d.Chemin() / "dest");
        std::istringstream entree(debut + c.suite);
        std::ostringstream sortie, erreurs;
        const int code = ExecuteScript(entree, sortie, erreurs, "d.vek");
        EXPECT_EQ(code, c.code) << erreurs.str() << sortie.str();
        EXPECT_NE(erreurs.str().find(c.message), std::string::npos) << erreurs.str();
        const bool ecrit = std::filesystem::exists(d.Chemin() / "dest/DistDest.dat");
        EXPECT_EQ(ecrit, c.code != 2);
        if (c.code == 5) {
            EXPECT_NE(sortie.str().find("Le dossier c:\\absent ("), std::string::npos)
                << sortie.str();
        }
    }
    std::string erreur;
    test::Session s;
    EXPECT_TRUE(ChangeReglage(s.e, "RepDistOrig", "c:\\o", erreur));
    EXPECT_EQ(s.e.RepDistOrig, "c:\\o");
}

}  // namespace
}  // namespace vek
