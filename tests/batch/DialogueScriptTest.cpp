// The "dialogue" instruction of the script language, run in process.

#include <gtest/gtest.h>

#include <sstream>

#include "Outils.h"
#include "Reseaux.h"
#include "Script.h"

namespace vek {
namespace {

struct Resultat {
    int code;
    std::string sortie, erreurs;
};

Resultat Execute(const std::string& script) {
    std::istringstream entree(script);
    std::ostringstream sortie, erreurs;
    int code = ExecuteScript(entree, sortie, erreurs, "essai.vek");
    return {code, sortie.str(), erreurs.str()};
}

TEST(ScriptDialogue, ErreursEtCodesDeSortie) {
    test::DossierTemporaire d;
    test::EcritOctets(d / "n.dat", test::LigneNoeud("A", 1) + test::LigneNoeud("B", 2));
    test::EcritOctets(d / "a.dat", test::LigneArc(1, 2, 7, 35, 0));
    const std::string ouvre =
        "fichier \"" + (d / "n.dat") + "\"\nfichier \"" + (d / "a.dat") + "\"\nmenu menOuvrir\n";
    struct Cas {
        std::string script;
        int code;
        const char* message;
    } cas[] = {
        {ouvre + "dialogue Valu Distance ValuOk\nmenu menChangerValuation\n", 0, ""},
        {ouvre + "dialogue Valu Kilometres ValuOk\nmenu menChangerValuation\n", 2,
         "n'a pas de contrôle Kilometres"},
        {ouvre + "dialogue VekOp CochJH LectFich\nmenu menNoeudsEtArcs\n", 2,
         "CochJH du dialogue VekOp est désactivé ou caché"},
        {ouvre + "dialogue Valu Distance\nmenu menChangerValuation\n", 2, "est resté ouvert"},
        {ouvre + "dialogue Valu ValuOk Distance\nmenu menChangerValuation\n", 2,
         "s'est fermé avant Distance"},
        {ouvre + "menu menChangerValuation\n", 3, "pas de réponse prévue pour : dialogue Valu"},
        {ouvre + "dialogue Reseaux ResAnnule\nmenu menChangerValuation\n", 3,
         "pour le dialogue Reseaux"},
        {ouvre + "dialogue Reseaux \"ListeRéseauxPartiels=Route 70 VI\" VitesseRésPart=14 Valid "
                 "LectFich\nmenu menReseaux\nmenu menVisuMatArcsMin\n",
         0, ""},
        {ouvre + "dialogue Reseaux ListeRéseauxPartiels=#2 ResAnnule\nmenu menReseaux\n", 2,
         "n'a pas d'élément #2"},
        {"dialogue Valu\n", 2, "attend le nom du dialogue"},
        {"dialogue APropos OK\nmenu menAPropos\n", 0, ""},
    };
    for (const auto& c : cas) {
        Resultat r = Execute(c.script);
        EXPECT_EQ(r.code, c.code) << c.script << r.erreurs;
        EXPECT_NE(r.erreurs.find(c.message), std::string::npos) << c.script << r.erreurs;
    }
    Resultat r = Execute(cas[7].script);
    EXPECT_NE(r.sortie.find("ouvre: xdg-open ./nAMin000.dat"), std::string::npos);
}

TEST(ScriptDialogue, DecoupageDesLignes) {
    std::vector<std::string> j;
    std::string erreur;
    ASSERT_TRUE(DecoupeLigne("dialogue Reseaux \"L=Route 70 VI\" L=#2 X! # fin", j, erreur));
    EXPECT_EQ(j, (std::vector<std::string>{"dialogue", "Reseaux", "L=Route 70 VI", "L=#2", "X!"}));
    ASSERT_TRUE(DecoupeLigne("fichier \"c:\\mes données\\n.dat\"", j, erreur));
    EXPECT_EQ(j[1], "c:\\mes données\\n.dat");
    EXPECT_FALSE(DecoupeLigne("fichier \"ouvert", j, erreur));
}

}  // namespace
}  // namespace vek
