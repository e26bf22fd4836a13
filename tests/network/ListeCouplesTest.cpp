// The pair result list: its text and tab-separated layouts, the list built from the
// assignment's matrix, and the workbook of the spreadsheet hand-off read back.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "Reseaux.h"
#include "flows/EditionFlux.h"
#include "network/ClasseursResultats.h"
#include "network/ListeCouples.h"
#include "shell/Erreurs.h"
#include "shell/Tableur.h"

namespace vek {
namespace {

using test::LigneNoeud;

// Nodes coded 12 and 345, the second with a name longer than 16 characters.
struct Paires : test::Session {
    Paires() {
        EXPECT_TRUE(Ouvre(LigneNoeud("Ruffec", 12) + LigneNoeud("Saint-Amant-de-Boixe", 345) +
                              LigneNoeud("Élan", 7),
                          test::LigneArc(12, 345, 7, 10, 10)));
    }
    void Liste(std::vector<Couple> couples) {
        e.ListeCouples.assign(1, Couple{});
        e.ListeCouples.insert(e.ListeCouples.end(), couples.begin(), couples.end());
        e.NbCouples = static_cast<std::int32_t>(couples.size());
    }
    std::string Ecrit() {
        EcritureListeCouples(e, (dossier / "ARelatio.dat"));
        return test::LitOctets(dossier / "ARelatio.dat");
    }
};

TEST(ListeCouples, DispositionsTexteEtTabulee) {
    const std::string v25 = "00000000000000000002.50000000000000000000";
    struct Cas {
        const char* choixSortie;
        const char* choixGravite;
        OptionsVekForCM chemins;
        OptionsFichGrav gravite;
        std::vector<Couple> couples;
        std::string attendu;
    } cas[] = {
        {"Fichier",
         "",
         {},
         {},
         {{1, 2, 2.5}},
         "0000000012 Ruffec           0000000345 Saint-Amant-de-B       " + v25 + "\r\n"},
        // A negative value makes the line one character longer.
        {"",
         "",
         {},
         {},
         {{2, 3, -2.5}},
         "0000000345 Saint-Amant-de-B 0000000007 Élan                   -" + v25 + "\r\n"},
        {"",
         "Graphique",
         {},
         {},
         {{1, 2, 2.5}, {2, 1, 0}},
         "Ruffec          \t" + v25 + "\r\nSaint-Amant-de-B\t" +
             "00000000000000000000.00000000000000000000\r\n"},
        {"Graphique", "", {true, false}, {}, {{1, 2, 2.5}}, "Saint-Amant-de-B\t" + v25 + "\r\n"},
        {"Graphique",
         "",
         {false, true},
         {},
         {{1, 2, 2.5}},
         "Ruffec          \tSaint-Amant-de-B\t" + v25 + "\r\n"},
        {"",
         "Graphique",
         {false, true},
         {false, true},
         {{1, 2, 2.5}},
         "Saint-Amant-de-B\t" + v25 + "\r\n"},
        {"", "Graphique", {}, {true, false}, {{1, 2, 2.5}}, "Saint-Amant-de-B\t" + v25 + "\r\n"},
        {"", "", {}, {}, {}, ""},
    };
    for (const auto& c : cas) {
        Paires p;
        p.e.ChoixSortie = c.choixSortie;
        p.e.ChoixSortieGravite = c.choixGravite;
        p.e.VekForCM = c.chemins;
        p.e.FichGrav = c.gravite;
        p.Liste(c.couples);
        EXPECT_EQ(p.Ecrit(), c.attendu) << c.choixSortie << c.choixGravite;
    }
    // Nothing is ticked at start-up.
    Paires p;
    EXPECT_FALSE(p.e.VekForCM.Uni_polaire || p.e.VekForCM.MultipolaireNbRelations ||
                 p.e.FichGrav.FichAVAttRelGén || p.e.FichGrav.FichAVAttAbsGén);
    // A value too wide for its field is starred and reported, the columns hold.
    p.Liste({{1, 2, 1e21}});
    EXPECT_EQ(p.Ecrit().size(), 63 - 1 + 41 + 2u);
    EXPECT_EQ(p.port.Compte("ARelatio.dat"), 1);
}

TEST(ListeCouples, DepuisLaMatriceDeLAffectation) {
    Paires p;
    Etat& e = p.e;
    // Without an assignment, "&Edition" says so and writes nothing.
    {
        test::DansDossier ici(p.dossier.Chemin());
        menEdition(e);
        EXPECT_EQ(p.port.Compte("Aucune affectation"), 1);
        EXPECT_FALSE(std::filesystem::exists(p.dossier / "AFlux000.dat"));
    }
    // Only the diagonal: no pair.
    e.FluxAffectes.Dimensionne(3);
    for (int i = 1; i <= 3; ++i) e.FluxAffectes(i, i) = 5;
    ListeCouplesDepuisMatrice(e);
    EXPECT_EQ(e.NbCouples, 0);
    EXPECT_TRUE(e.FluxAffectes.Vide());
    // Row by row, the diagonal left out.
    e.FluxAffectes.Dimensionne(3);
    e.FluxAffectes(3, 1) = 1.5f;
    e.FluxAffectes(1, 2) = 4;
    e.FluxAffectes(2, 2) = 9;
    e.FluxAffectes(1, 3) = -2;
    ListeCouplesDepuisMatrice(e);
    ASSERT_EQ(e.NbCouples, 3);
    EXPECT_EQ(e.ListeCouples[1].J, 2);
    EXPECT_EQ(e.ListeCouples[2].J, 3);
    EXPECT_EQ(e.ListeCouples[3].I, 3);
    EXPECT_EQ(e.ListeCouples[3].Valeur, 1.5);
    // "&Edition" builds the list and writes the node values to AFlux000.dat where it runs.
    e.FluxAffectes.Dimensionne(3);
    e.FluxAffectes(2, 1) = 3;
    {
        test::DansDossier ici(p.dossier.Chemin());
        menEdition(e);
    }
    EXPECT_EQ(e.NbCouples, 1);
    EXPECT_EQ(e.NomFichierResultat, "AFlux000.dat");
    // The flow of the steps ending at each node: 3 at the second node.
    const std::string flux = test::LitOctets(p.dossier / "AFlux000.dat");
    EXPECT_EQ(flux.substr(0, 58), "0000000012       00000000000000000000.00000000000000000000");
    EXPECT_EQ(flux.substr(86, 58), "0000000345       00000000000000000003.00000000000000000000");
    ASSERT_EQ(p.port.lances.size(), 1u);
}

// A member of the workbook, through unzip.
std::string Membre(const std::string& classeur, const std::string& membre) {
    const std::string commande = "unzip -p '" + classeur + "' " + membre;
    std::unique_ptr<FILE, int (*)(FILE*)> f(popen(commande.c_str(), "r"), pclose);
    std::string texte;
    if (!f) return texte;
    char tampon[4096];
    for (std::size_t n; (n = std::fread(tampon, 1, sizeof tampon, f.get())) > 0;)
        texte.append(tampon, n);
    return texte;
}

TEST(ListeCouples, ClasseurDuTableurRelu) {
    Paires p;
    Etat& e = p.e;
    e.ChoixSortieGravite = "Graphique";
    e.Tableur = "tableur-essai";
    p.Liste({{2, 1, 2.5}, {3, 2, -0.125}, {1, 3, 1e6}});
    const std::string texte = p.dossier / "AVAAG000.xls";
    EcritureListeCouples(e, texte);
    const std::string classeur = EnvoiTableur(e, texte);
    EXPECT_EQ(classeur, p.dossier / "AVAAG000.xlsx");
    ASSERT_TRUE(std::filesystem::exists(texte));
    ASSERT_EQ(p.port.lances, (std::vector<std::string>{"tableur-essai " + classeur}));

    EXPECT_NE(Membre(classeur, "xl/workbook.xml").find("name=\"Feuil1\""), std::string::npos);
    const std::string feuille = Membre(classeur, "xl/worksheets/sheet1.xml");
    ASSERT_FALSE(feuille.empty()) << "unzip is needed to read the workbook back";
    // Names (first 16 characters, blanks kept) in column A, values in column B, from row 1.
    for (const char* attendu :
         {"<c r=\"A1\" t=\"inlineStr\"><is><t>Saint-Amant-de-B</t>", "<c r=\"B1\"><v>2.5</v></c>",
          "<c r=\"A2\" t=\"inlineStr\"><is><t xml:space=\"preserve\">Élan            </t>",
          "<c r=\"B2\"><v>-0.125</v></c>",
          "<c r=\"A3\" t=\"inlineStr\"><is><t xml:space=\"preserve\">Ruffec          </t>",
          "<c r=\"B3\"><v>1000000</v></c>", "sqref=\"A1:B3\""}) {
        EXPECT_NE(feuille.find(attendu), std::string::npos) << attendu << "\n" << feuille;
    }
    EXPECT_EQ(feuille.find("r=\"A4\""), std::string::npos);

    // A workbook that cannot be written stops with the reason; the text file is untouched.
    e.ListeCouples.resize(2);
    e.NbCouples = 1;
    struct Echec {
        std::string chemin;
        const char* raison;
    } echecs[] = {
        {p.dossier / "absent/x.xlsx", "Aucun fichier ou dossier de ce type"},
        {p.dossier / "plein.xlsx", "Plus de place sur le périphérique"},  // a link to /dev/full
    };
    std::filesystem::create_symlink("/dev/full", p.dossier / "plein.xlsx");
    for (const Echec& c : echecs) {
        std::string message;
        try {
            EcritureClasseurListeCouples(e, c.chemin);
        } catch (const ErreurFichier& x) {
            message = x.what();
        }
        EXPECT_NE(message.find(c.chemin), std::string::npos) << message;
        EXPECT_NE(message.find(c.raison), std::string::npos) << message;
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    EXPECT_TRUE(std::filesystem::exists(texte));
    // Names of the workbooks.
    EXPECT_EQ(CheminClasseur("c:\\res\\NVSAA000.xls"), "c:\\res\\NVSAA000.xlsx");
    EXPECT_EQ(CheminClasseur("c:\\res.d\\liste"), "c:\\res.d\\liste.xlsx");
    // The map view: the file is written, the message says where.
    MontreSurCarte(e, texte);
    EXPECT_EQ(p.port.Compte(texte), 1);
}

}  // namespace
}  // namespace vek
