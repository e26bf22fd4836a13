// The vek-batch executable run as a user runs it: a script in a working folder, its exit
// status, what it prints, the files it writes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "Outils.h"
#include "Reseaux.h"
#include "batch/LanceBatch.h"

namespace vek {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::Execution;
using test::Lance;
using test::LigneArc;
using test::LigneNoeud;
using test::LitOctets;
using test::Ouvre;
using test::Source;

std::size_t Lignes(const std::string& chemin) {
    const std::string t = LitOctets(chemin);
    std::size_t n = 0;
    for (std::size_t p = t.find("\r\n"); p != std::string::npos; p = t.find("\r\n", p + 2)) ++n;
    return n;
}

// True when the text starts with the layout given, where '9' stands for any digit.
bool Forme(const std::string& texte, const std::string& modele) {
    if (texte.size() < modele.size()) return false;
    for (std::size_t k = 0; k < modele.size(); ++k)
        if (modele[k] == '9' ? !std::isdigit(static_cast<unsigned char>(texte[k]))
                             : texte[k] != modele[k])
            return false;
    return true;
}

TEST(VekBatch, ExempleFourniParNomEtSurLEntreeStandard) {
    for (bool entree : {false, true}) {
        SCOPED_TRACE(entree ? "entrée standard" : "nom du script");
        DossierTemporaire d;
        const Execution x =
            Lance(d,
                  "reglage RepResultats \"" + d.Chemin().string() + "\"\n" +
                      Ouvre(Source("examples/utf8/noeuds.dat"), Source("examples/utf8/arcs.dat")) +
                      "menu menVisuMatArcsMin\nmenu menAlpha\n",
                  entree);
        EXPECT_EQ(x.code, 0) << x.erreurs;
        EXPECT_EQ(x.erreurs, "");
        EXPECT_NE(x.sortie.find("ouvre: "), std::string::npos) << x.sortie;
        EXPECT_NE(x.sortie.find("[Indice Alpha] Indice Alpha du réseau :"), std::string::npos);
        const std::string matrice = LitOctets(d / "nAMin000.dat");
        ASSERT_FALSE(matrice.empty()) << x.sortie;
        const std::string premiere = matrice.substr(0, matrice.find("\r\n"));
        EXPECT_TRUE(Forme(premiere, "9999999999 9999999999 9999 9999.999 9999 ")) << premiere;
    }
}

TEST(VekBatch, QuatreCommandesHoraires) {
    // The example's trains: a query each way ending in the outputs dialog, then both sweeps,
    // every time answered by "saisie"; the sweeps' files in the working directory.
    DossierTemporaire d;
    const Execution x =
        Lance(d, "reglage RepResultats \"" + d.Chemin().string() + "\"\n" +
                     Ouvre(Source("examples/utf8/noeuds.dat"), Source("examples/utf8/arcs.dat")) +
                     "dialogue Valu ChapHeur ValuOk\nmenu menChangerValuation\n"
                     "reglage ExportTrajets depart.tsv\n"
                     "saisie 0700\ndialogue VekForCM Consult Ok\nmenu menHoraireContrainteDépart\n"
                     "reglage ExportTrajets arrivee.tsv\n"
                     "saisie 0930\ndialogue VekForCM Annuler\nmenu menHoraireContrainteArrivée\n"
                     "saisie 0700\nsaisie 0930\nmenu menCheminsSurIntervalleHoraire\n"
                     "saisie 0600\nsaisie 1000\ndialogue VekForCM Consult Ok\n"
                     "menu menTMSurIntervalleHoraire\n");
    EXPECT_EQ(x.code, 0) << x.erreurs << x.sortie;
    EXPECT_GT(Lignes(d / "nCMin000.dat"), 20u);  // the minimal times of 06:00-10:00
    for (const char* f : {"0000-0930chem.dat", "0700-0930chem.dat", "0700-0930TrainsEntrants.dat",
                          "0700-0930TrainsSortants.dat", "0600-1000chem.dat"})
        EXPECT_TRUE(std::filesystem::exists(d / f)) << f;
    EXPECT_GT(Lignes(d / "0700-0930chem.dat"), 10u);
    EXPECT_EQ(LitOctets(d / "depart.tsv").substr(0, 8), "origine\t");
    EXPECT_GT(Lignes(d / "arrivee.tsv"), Lignes(d / "0700-0930chem.dat"));
}

TEST(VekBatch, CodesDeSortie) {
    struct Cas {
        const char* script;
        int code;
        const char* erreur;  // expected on stderr; "" = nothing there
        const char* sortie;  // expected on stdout
    } cas[] = {
        {"menu menEditArcs\n", 2, "s.vek:1: la commande menEditArcs n'est pas disponible", ""},
        {"# rien\n\nmenu menQuiNExistePas\n", 2, "s.vek:3: commande de menu inconnue", ""},
        {"ouvrir tout\n", 2, "s.vek:1: instruction inconnue : ouvrir", ""},
        {"menu\n", 2, "s.vek:1: « menu » attend 1 argument(s)", ""},
        {"fichier \"sans fin\n", 2, "s.vek:1: guillemet non fermé", ""},
        {"menu menOuvrir\n", 3, "s.vek:1: pas de réponse prévue pour : fichier", ""},
        {"fichier annule\nmenu menOuvrir\n", 0, "", "-> annule"},
        // A cancelled opening loads nothing.
        {"fichier annule\nmenu menOuvrir\nmenu menEditNoeuds\n", 2, "s.vek:3:", "-> annule"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.script);
        DossierTemporaire d;
        const Execution x = Lance(d, c.script);
        EXPECT_EQ(x.code, c.code) << x.erreurs;
        if (*c.erreur) {
            EXPECT_NE(x.erreurs.find(c.erreur), std::string::npos) << x.erreurs;
        } else {
            EXPECT_EQ(x.erreurs, "");
        }
        EXPECT_NE(x.sortie.find(c.sortie), std::string::npos) << x.sortie;
    }
}

// Every hostile file loads: the run ends normally, says what it dropped, and the network
// written back holds the nodes and arcs that were kept.
TEST(VekBatch, FichiersHostiles) {
    std::mt19937 g(7);
    std::string bruitNoeuds(4000, '\0'), bruitArcs(4000, '\0');
    for (std::string* b : {&bruitNoeuds, &bruitArcs})
        for (char& c : *b) c = static_cast<char>(g() & 0xFF);
    std::string milliers;
    for (int i = 1; i <= 3500; ++i) milliers += LigneNoeud("N" + std::to_string(i), i);
    const std::string deux = LigneNoeud("A", 1) + LigneNoeud("B", 2);
    const std::string arc = LigneArc(1, 2, 7, 10, 0);
    const std::string alpha =
        Cadre("A", 50) + " abcdefghij abcdefgh abcdefgh abcdefgh abcdefghij\r\n";
    const std::string alphaArc =
        "abcdefghij abcdefghij 0007 abcdefgh abcd abcd abcd abcdefg abcdef abcdef\r\n";
    struct Cas {
        const char* nom;
        std::string noeuds, arcs;
        const char* message;    // expected on stdout
        long nbNoeuds, nbArcs;  // -1: not checked
    } cas[] = {
        {"octets au hasard", bruitNoeuds, bruitArcs, "[Erreur dans le fichier des arcs] ", -1, -1},
        {"NUL", std::string(5000, '\0'), std::string(5000, '\0'), "d'un mode inconnu", 0, 0},
        {"ligne de 20 000 caractères", std::string(20000, 'x') + "\r\n" + deux,
         std::string(20000, '1') + "\r\n" + arc, "1 arc(s) d'un mode inconnu", 2, 1},
        // A line whose code is not a number is reported and left out.
        {"champs non numériques", alpha, alphaArc,
         "[Erreur dans le fichier des noeuds] 1 ligne(s) dont le code n'est pas un nombre", 0, 0},
        {"fichiers vides", "", "", "", 0, 0},
        {"3500 noeuds", milliers, arc,
         "compte 3500 lignes : seuls les 3000 premiers noeuds ont été lus, 500 lignes ignorée(s).",
         3000, 1},
        {"mode inconnu", deux, arc + LigneArc(1, 2, 999, 10, 0) + LigneArc(2, 1, 999, 10, 0),
         "[Erreur dans le fichier des arcs] 2 arc(s) d'un mode inconnu ont été ignorés "
         "(ligne(s) 2, 3 du fichier arcs)",
         2, 1},
        {"jours hors limites", deux, arc + LigneArc(1, 2, 7, 10, 0, 0, 0, 99999),
         "(ligne(s) 2 du fichier arcs ; jours de circulation 0099999)", 2, 1},
        // The line cited is the line of the file, not the rank of the arc among those kept.
        {"arc nul après un arc ignoré", deux, LigneArc(1, 2, 999, 10, 0) + LigneArc(1, 2, 7, 0, 0),
         "Ligne 2 du fichier arcs", 2, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire d;
        EcritOctets(d / "n.dat", c.noeuds);
        EcritOctets(d / "a.dat", c.arcs);
        const Execution x =
            Lance(d, Ouvre(d / "n.dat", d / "a.dat") + "reglage NomFichierNoeudsEcrits \"" +
                         (d / "n2.dat") + "\"\nreglage NomFichierArcsEcrits \"" + (d / "a2.dat") +
                         "\"\nmenu menEditNoeuds\nmenu menEditArcs\n");
        EXPECT_EQ(x.code, 0) << x.erreurs;
        EXPECT_NE(x.sortie.find(c.message), std::string::npos) << x.sortie;
        ASSERT_TRUE(std::filesystem::exists(d / "n2.dat")) << x.sortie << x.erreurs;
        EXPECT_EQ(c.nbNoeuds < 0 ? -1 : long(Lignes(d / "n2.dat")), c.nbNoeuds);
        EXPECT_EQ(c.nbArcs < 0 ? -1 : long(Lignes(d / "a2.dat")), c.nbArcs);
        // Apart from the choosers and the viewer, the run prints only "[TITLE] TEXT" lines.
        std::size_t debut = 0;
        for (std::size_t fin; (fin = x.sortie.find('\n', debut)) != std::string::npos;
             debut = fin + 1) {
            const std::string l = x.sortie.substr(debut, fin - debut);
            EXPECT_TRUE(l.rfind("fichier [", 0) == 0 || l.rfind("ouvre: ", 0) == 0 ||
                        (l[0] == '[' && l.find("] ") != l.npos))
                << l;
        }
    }
}

TEST(VekBatch, ErreursDeFichiersSansPerteDuReseau) {
    DossierTemporaire d;
    EcritOctets(d / "autres.dat", LigneNoeud("A", 1) + LigneNoeud("B", 2));
    const std::string manquant = d / "absent.dat";
    const Execution x =
        Lance(d, Ouvre(Source("examples/utf8/noeuds.dat"), Source("examples/utf8/arcs.dat")) +
                     Ouvre(d / "autres.dat", manquant) + "reglage NomFichierNoeudsEcrits \"" +
                     (d / "n.dat") + "\"\nmenu menEditNoeuds\n" +
                     "reglage RepResultats /nonexistent/dir\nmenu menVisuMatArcsMin\n" +
                     "menu menAlpha\n");
    EXPECT_EQ(x.code, 5) << x.erreurs;  // a result could not be written
    EXPECT_NE(x.sortie.find("[VEK] Ce fichier ou répertoire n'existe pas : " + manquant),
              std::string::npos)
        << x.sortie;
    EXPECT_EQ(Lignes(d / "n.dat"), 44u);  // the first network's nodes
    EXPECT_NE(x.sortie.find("Impossible de créer le fichier : /nonexistent/dir/nAMin000.dat "
                            "(Aucun fichier ou dossier de ce type)"),
              std::string::npos)
        << x.sortie;
    EXPECT_NE(x.sortie.find("[Indice Alpha]"), std::string::npos);  // and the run goes on
}

// A result that cannot be written ends the run with status 5 once the script is done, the
// previous result kept; the same script into a writable folder ends with 0.
TEST(VekBatch, EcritureQuiEchoueDonneLeCode5) {
    const std::string ancien = "ancien résultat\r\n";
    struct Cas {
        const char* nom;
        const char* raison;  // expected in the message; "" = the write succeeds
        int code;
    } cas[] = {
        {"dossier inscriptible", "", 0},
        {"dossier en lecture seule", "Permission non accordée", 5},
        {"disque plein", "Plus de place sur le périphérique", 5},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire d;
        const std::filesystem::path dossier = d.Chemin() / "res";
        std::filesystem::create_directories(dossier);
        const std::filesystem::path resultat = dossier / "nAMin000.dat";
        const std::string nom(c.nom);
        if (nom == "disque plein") {
            if (!std::filesystem::exists("/dev/full")) {
                std::cout << "[  SAUTÉ   ] pas de /dev/full sur cette machine\n";
                continue;
            }
            std::filesystem::create_symlink("/dev/full", resultat);
        } else {
            EcritOctets(resultat.string(), ancien);
        }
        if (nom == "dossier en lecture seule") {
            std::filesystem::permissions(
                dossier, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
            if (std::ofstream(dossier / "essai")) {
                std::cout << "[  SAUTÉ   ] " << nom
                          << " : les droits ne sont pas appliqués à cet utilisateur (root)\n";
                std::filesystem::permissions(dossier, std::filesystem::perms::owner_all);
                continue;
            }
        }
        const Execution x = Lance(
            d, "reglage RepResultats \"" + dossier.string() + "\"\n" +
                   Ouvre(Source("examples/utf8/noeuds.dat"), Source("examples/utf8/arcs.dat")) +
                   "menu menVisuMatArcsMin\nmenu menAlpha\n");
        std::filesystem::permissions(dossier, std::filesystem::perms::owner_all);
        EXPECT_EQ(x.code, c.code) << x.erreurs;
        EXPECT_NE(x.sortie.find("[Indice Alpha]"), std::string::npos) << x.sortie;
        if (*c.raison) {
            EXPECT_EQ(x.erreurs, "s.vek: 1 commande(s) en échec (fichier non écrit ou erreur)\n");
            EXPECT_NE(x.sortie.find(resultat.string()), std::string::npos) << x.sortie;
            EXPECT_NE(x.sortie.find(c.raison), std::string::npos) << x.sortie;
            if (nom == "dossier en lecture seule") {
                EXPECT_EQ(LitOctets(resultat.string()), ancien);
            }
        } else {
            EXPECT_EQ(x.erreurs, "");
            EXPECT_TRUE(Forme(LitOctets(resultat.string()), "9999999999 9999999999 "));
        }
    }
}

}  // namespace
}  // namespace vek
