// The nodality dialog and its command, driven as vek-batch drives them.

#include <gtest/gtest.h>

#include <sstream>

#include "Outils.h"
#include "Reseaux.h"
#include "Script.h"

namespace vek {
namespace {

struct Resultat {
    int code;
    std::string sortie, erreurs, fichier;
};

// Opens A-B (road, 12.5 km) and A -> C (train), runs the script, reads "NoeudVal.dat".
Resultat Execute(const std::string& suite) {
    test::DossierTemporaire d;
    test::EcritOctets(d / "n.dat", test::LigneNoeud("Aubeterre-sur-Dronne-le-Haut", 1) +
                                       test::LigneNoeud("B", 2) + test::LigneNoeud("C", 3));
    test::EcritOctets(d / "a.dat",
                      test::LigneArc(1, 2, 7, 12.5, 10) + test::LigneArc(1, 3, 3, 100, 30));
    std::istringstream entree("fichier \"" + (d / "n.dat") + "\"\nfichier \"" + (d / "a.dat") +
                              "\"\nmenu menOuvrir\nreglage RepResultats \"" + d.Chemin().string() +
                              "\"\n" + suite);
    std::ostringstream sortie, erreurs;
    int code = ExecuteScript(entree, sortie, erreurs, "essai.vek");
    std::string fichier;
    if (std::filesystem::exists(d / "NoeudVal.dat")) fichier = test::LitOctets(d / "NoeudVal.dat");
    return {code, sortie.str(), erreurs.str(), fichier};
}

std::string Ligne(long long code, const std::string& valeur, const std::string& nom) {
    char t[16];
    std::snprintf(t, sizeof t, "%010lld", code);
    return t + std::string(7, ' ') + valeur + std::string(10, ' ') + nom + "\r\n";
}

TEST(IndicVek, CalculDepuisLeDialogue) {
    const std::string zero = "00000000000000000000.00000000000000000000";
    struct Cas {
        std::string reglages;
        std::string attendu;
    } cas[] = {
        // The file layout: code, value on 41 characters, the first 16 characters of the name.
        {"Degré Distance Ok",
         Ligne(1, "00000000000000000125.00000000000000000000", "Aubeterre-sur-Dr") +
             Ligne(2, "00000000000000000025.00000000000000000000", "B               ") +
             Ligne(3, "00000000000000000100.00000000000000000000", "C               ")},
        // A negative valence takes its sign in place of the first zero.
        {"Valence Booléenne Ok",
         Ligne(1, "-0000000000000000001.00000000000000000000", "Aubeterre-sur-Dr") +
             Ligne(2, zero, "B               ") +
             Ligne(3, "00000000000000000001.00000000000000000000", "C               ")},
        // One option group: the last indicator chosen is the one computed.
        {"Valence NbNoeudsAccess Ok",
         Ligne(1, "00000000000000000002.00000000000000000000", "Aubeterre-sur-Dr") +
             Ligne(2, "00000000000000000001.00000000000000000000", "B               ") +
             Ligne(3, zero, "C               ")},
        {"IndIntraConnex Unimodal \"ListeModesTransport=TGV 220\" Ok",
         Ligne(1, zero, "Aubeterre-sur-Dr") + Ligne(2, zero, "B               ") +
             Ligne(3, zero, "C               ")},
        {"NodalitéAntiNodalité Unimodal \"ListeModesTransport=Route 70 VI\" Ok",
         Ligne(1, "00000000000000000002.00000000000000000000", "Aubeterre-sur-Dr") +
             Ligne(2, "00000000000000000002.00000000000000000000", "B               ") +
             Ligne(3, zero, "C               ")},
        {"Degré Ordre2 Ok",
         Ligne(1, "00000000000000000006.00000000000000000000", "Aubeterre-sur-Dr") +
             Ligne(2, "00000000000000000005.00000000000000000000", "B               ") +
             Ligne(3, "00000000000000000001.00000000000000000000", "C               ")},
    };
    for (const auto& c : cas) {
        Resultat r = Execute("dialogue IndicVek " + c.reglages + "\nmenu menCalculNodalité\n");
        EXPECT_EQ(r.code, 0) << c.reglages << r.erreurs;
        EXPECT_EQ(r.fichier, c.attendu) << c.reglages;
        EXPECT_NE(r.sortie.find("NoeudVal.dat"), std::string::npos) << r.sortie;
    }
}

TEST(IndicVek, ReglesDuDialogueEtAnnulation) {
    struct Cas {
        std::string script;
        int code;
        const char* erreur;
    } cas[] = {
        // The order is read by the degree family only, the valuation also by the valence.
        {"dialogue IndicVek IndConnex Ordre2 Ok\nmenu menCalculNodalité\n", 2, "Ordre2"},
        {"dialogue IndicVek NbNoeudsAccess Distance Ok\nmenu menCalculNodalité\n", 2, "Distance"},
        {"dialogue IndicVek Valence Distance Ok\nmenu menCalculNodalité\n", 0, ""},
        // The mode list is there only for one mode.
        {"dialogue IndicVek IndIntraConnex ListeModesTransport=#1 Ok\nmenu menCalculNodalité\n", 2,
         "ListeModesTransport"},
        {"dialogue IndicVek IndIntraConnex Unimodal ListeModesTransport=#2 Ok\n"
         "menu menCalculNodalité\n",
         0, ""},
    };
    for (const auto& c : cas) {
        Resultat r = Execute(c.script);
        EXPECT_EQ(r.code, c.code) << c.script << r.erreurs;
        EXPECT_NE(r.erreurs.find(c.erreur), std::string::npos) << c.script << r.erreurs;
    }
    // Cancelled: nothing computed, nothing written, nothing opened.
    Resultat r = Execute("dialogue IndicVek Valence Annul\nmenu menCalculNodalité\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.fichier, "");
    EXPECT_EQ(r.sortie.find("ouvre:"), std::string::npos);
    // The choices are kept for the next showing.
    r = Execute(
        "dialogue IndicVek Valence Ok\nmenu menCalculNodalité\n"
        "dialogue IndicVek Ok\nmenu menCalculNodalité\n");
    EXPECT_NE(r.fichier.find("-0000000000000000001.0"), std::string::npos) << r.fichier;
}

// A speed of 1e-40 km/h makes the road's time infinite: a half-degree no integer holds. The
// valence is refused with one message naming the node, and no file is written or opened.
TEST(IndicVek, ValenceHorsDesEntiers) {
    const std::string lente =
        "dialogue Reseaux \"ListeRéseauxPartiels=Route 70 VI\" VitesseRésPart=1e-40 Valid "
        "LectFich\nmenu menReseaux\n";
    Resultat r = Execute(lente + "dialogue IndicVek Valence Temps Ok\nmenu menCalculNodalité\n");
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_NE(r.sortie.find("La valence de 2 noeud(s) ne peut pas être calculée : le demi-degré "
                            "intérieur de Aubeterre-sur-Dronne-le-Haut vaut Infini, hors de la "
                            "capacité d'un entier. Aucun résultat n'est écrit."),
              std::string::npos)
        << r.sortie;
    EXPECT_EQ(r.fichier, "");
    EXPECT_EQ(r.sortie.find("ouvre:"), std::string::npos) << r.sortie;
    // The same network by number of arcs: the valence is computed as always.
    r = Execute(lente + "dialogue IndicVek Valence Booléenne Ok\nmenu menCalculNodalité\n");
    EXPECT_NE(r.fichier.find("-0000000000000000001.0"), std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("valence"), std::string::npos) << r.sortie;
}

TEST(IndicVek, ModesDuReseau) {
    // Unticking a mode in the partial-networks dialog of the menu removes it from the degree.
    Resultat r = Execute(
        "dialogue Reseaux \"ListeRéseauxPartiels=TGV 220\" SélectionnéOuiNon=0 Valid ResAnnule\n"
        "menu menRéseauxNodalité\ndialogue IndicVek Degré Booléenne Ok\nmenu menCalculNodalité\n");
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.fichier.substr(17, 41), "00000000000000000002.00000000000000000000");
}

}  // namespace
}  // namespace vek
