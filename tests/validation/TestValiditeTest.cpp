// The validity test: each pass with scripted answers, the summary, the mends, and the fast
// duplicate-arc pass asking exactly what a plain scan of every pair asks.

#include <gtest/gtest.h>

#include <charconv>
#include <random>

#include "Reseaux.h"
#include "network/IndexCodes.h"
#include "validation/Suppression.h"
#include "validation/TestValidite.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

std::string Reel(float v) {
    char t[32];
    auto r = std::to_chars(t, t + sizeof t, v);
    return std::string(t, r.ptr);
}

struct Validite : test::Session {
    Validite(const std::string& noeuds, const std::string& arcs) {
        EXPECT_TRUE(Ouvre(noeuds, arcs));
    }
    void Reponses(std::initializer_list<bool> r) { port.reponsesOuiNon.assign(r.begin(), r.end()); }
    std::vector<std::string> Questions() const {
        std::vector<std::string> q;
        for (const auto& m : port.messages)
            if (m.boutons == Boutons::OuiNon) q.push_back(m.texte);
        return q;
    }
    std::vector<std::int64_t> Codes() const {
        std::vector<std::int64_t> c;
        for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) c.push_back(e.Noeuds[i].Code);
        return c;
    }
    // The indices held by the arcs are those a fresh indexing gives.
    void IndicesCoherents() const {
        const IndexCodes index(e.Noeuds, e.NbNoeuds);
        for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
            EXPECT_EQ(e.Arcs[a].IndiceOrigine, index(e.Arcs[a].Origine)) << a;
            EXPECT_EQ(e.Arcs[a].IndiceDestination, index(e.Arcs[a].Destination)) << a;
        }
    }
};

TEST(TestValidite, NoeudsDoubles) {
    const std::string arcs = LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 3, 7, 10, 0);
    // Identical fields: Yes removes the second without a further question.
    {
        Validite v(
            LigneNoeud("Aa", 1) + LigneNoeud("Bb", 2) + LigneNoeud("Aa", 1) + LigneNoeud("Cc", 3),
            arcs);
        v.e.Arcs[1].IndiceOrigine = 3;  // an arc held by the duplicate is given to the first
        v.Reponses({true});
        EliminationNoeudsDoubles(v.e);
        EXPECT_EQ(v.Codes(), (std::vector<std::int64_t>{1, 2, 3}));
        EXPECT_EQ(v.e.NbNoeudsDoublesElimines, 1);
        ASSERT_EQ(v.Questions().size(), 1u);
        EXPECT_EQ(v.Questions()[0],
                  "Noeud double : " + Cadre("Aa", 50) + "\nVoulez-vous le supprimer ?");
        EXPECT_EQ(v.port.messages[0].titre, "Erreur dans le fichier des noeuds");
        v.IndicesCoherents();
    }
    // Different coordinates: the detail question; Yes removes the first line, No the second.
    for (bool premiere : {true, false}) {
        Validite v(LigneNoeud("Aa", 1, 10, 1.5) + LigneNoeud("Bb", 2) + LigneNoeud("Ab", 1, 10, 2) +
                       LigneNoeud("Cc", 3),
                   arcs);
        v.Reponses({true, premiere});
        EliminationNoeudsDoubles(v.e);
        ASSERT_EQ(v.e.NbNoeuds, 3);
        EXPECT_EQ(SansBlancsFinaux(v.e.Noeuds[premiere ? 2 : 1].Nom), premiere ? "Ab" : "Aa");
        ASSERT_EQ(v.Questions().size(), 2u);
        EXPECT_EQ(v.Questions()[1],
                  "Le code est identique mais certains paramètres diffèrent : \n\n" +
                      Cadre("Aa", 50) + "\t1\t10\t1.5\t0\t0\n" + Cadre("Ab", 50) +
                      "\t1\t10\t2\t0\t0\n\nOui pour supprimer la première ligne ?\nNon pour "
                      "supprimer la seconde ligne ?");
        v.IndicesCoherents();
    }
    // No leaves both.
    Validite v(LigneNoeud("Aa", 1) + LigneNoeud("Aa", 1), arcs);
    v.Reponses({false});
    EliminationNoeudsDoubles(v.e);
    EXPECT_EQ(v.e.NbNoeuds, 2);
    EXPECT_EQ(v.e.NbNoeudsDoublesElimines, 0);
}

TEST(TestValidite, LePremierRetireNeRevientPasSurLaPlaceZero) {
    // The first line goes; the scan then carries on from the empty slot 0, whose code 0 would
    // match the node coded 0: nothing is asked about it.
    Validite v(
        LigneNoeud("X", 5, 1) + LigneNoeud("Y", 5, 2) + LigneNoeud("Z", 0) + LigneNoeud("W", 9),
        LigneArc(5, 9, 7, 1, 0));
    v.Reponses({true, true});
    EliminationNoeudsDoubles(v.e);
    EXPECT_EQ(v.Questions().size(), 2u);
    EXPECT_EQ(v.Codes(), (std::vector<std::int64_t>{5, 0, 9}));
    v.IndicesCoherents();
    // The same for arcs: the first of two duplicate arcs goes, an arc 0 -> 0 of mode 0 after
    // them is not compared with slot 0.
    Validite a(LigneNoeud("A", 1) + LigneNoeud("B", 2),
               LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 1, 7, 20, 0));
    Arc zero;
    a.e.Arcs.push_back(zero);
    a.e.NbArcs = 3;
    a.Reponses({true, false, true});
    EliminationArcsDoubles(a.e);
    EXPECT_EQ(a.Questions().size(), 3u);
    EXPECT_EQ(a.e.NbArcs, 2);
    EXPECT_EQ(a.e.Arcs[1].Distance, 20);
}

TEST(TestValidite, NoeudsIsolesEtBoucles) {
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3) +
                               LigneNoeud("D", 4) + LigneNoeud("E", 5);
    const std::string arcs = LigneArc(1, 4, 7, 1, 0) + LigneArc(1, 1, 7, 1, 0) +
                             LigneArc(4, 4, 7, 1, 0) + LigneArc(1, 4, 6, 1, 0) +
                             LigneArc(4, 1, 6, 1, 0) + LigneArc(1, 1, 7, 1, 0);
    {
        // No to its own question, then No to asking: B and the later isolated nodes go.
        Validite v(noeuds, arcs);
        v.Reponses({false, false});
        EliminationNoeudsIsoles(v.e);
        EXPECT_EQ(v.Codes(), (std::vector<std::int64_t>{1, 4}));
        EXPECT_EQ(v.e.NbNoeudsIsolesElimines, 3);
        ASSERT_EQ(v.Questions().size(), 2u);
        EXPECT_EQ(v.Questions()[0], "Noeud isolé : \n\n" + Cadre("B", 50) +
                                        "\t2\t0\t0\t0\t0\n\nVoulez-vous le supprimer ?");
        EXPECT_EQ(v.Questions()[1], "Voulez-vous demander l'accord avant de supprimer ?");
        v.IndicesCoherents();
    }
    {
        // Yes to B, Yes to asking, No to C, Yes to E: the second question is put once.
        Validite v(noeuds, arcs);
        v.Reponses({true, true, false, true});
        EliminationNoeudsIsoles(v.e);
        EXPECT_EQ(v.Codes(), (std::vector<std::int64_t>{1, 3, 4}));
        EXPECT_EQ(v.Questions().size(), 4u);
        v.IndicesCoherents();
    }
    {
        // Loops: the asking question comes after every loop until it is answered No. The last
        // arc, a loop, goes by shrinking the table.
        Validite v(noeuds, arcs);
        v.Reponses({false, true, true, false});
        EliminationBoucles(v.e);
        EXPECT_EQ(v.e.NbBouclesEliminees, 2);
        ASSERT_EQ(v.e.NbArcs, 4);
        EXPECT_EQ(v.e.Arcs[2].Origine, 1);  // the first loop, answered No, stays
        EXPECT_EQ(v.e.NbNoeuds, 5);
        ASSERT_EQ(v.Questions().size(), 4u);
        EXPECT_EQ(v.Questions()[0], "Boucle : de  1 à 1\n\nVoulez-vous la supprimer ?");
        EXPECT_EQ(v.port.messages[0].titre, "Erreur dans le fichier des arcs");
    }
}

TEST(TestValidite, ArcsDeconnectes) {
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2);
    const std::string arcs = LigneArc(1, 2, 7, 1, 0) + LigneArc(1, 9, 7, 2.5, 0) +
                             LigneArc(8, 9, 7, 1, 0) + LigneArc(2, 7, 6, 1, 0);
    struct Cas {
        bool sansAccord;
        std::vector<bool> reponses;
        std::int32_t restants;
        std::size_t questions;
    } cas[] = {
        {true, {}, 1, 0},                          // nothing asked, every one goes
        {false, {false}, 1, 1},                    // No to asking: they go without questions
        {false, {true, true, false, true}, 2, 4},  // asked one by one, the second kept
    };
    for (const auto& c : cas) {
        Validite v(noeuds, arcs);
        v.e.EliminationSansAccord = c.sansAccord;
        v.port.reponsesOuiNon.assign(c.reponses.begin(), c.reponses.end());
        const float temps = v.e.Arcs[2].Temps;
        EliminationArcsDeconnectes(v.e);
        EXPECT_EQ(v.e.NbArcs, c.restants);
        EXPECT_EQ(v.Questions().size(), c.questions);
        if (c.questions > 1) {
            EXPECT_EQ(v.port.messages[0].titre, "Arc déconnecté");
            EXPECT_EQ(v.Questions()[1], "Arc déconnecté : \n\n1\t9\t7\t2.5\t" + Reel(temps) +
                                            "\n\nVoulez-vous le supprimer ?");
        }
    }
}

TEST(TestValidite, ArcsDoubles) {
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3);
    // A road both ways (duplicates), two trains A -> B at different times (not), a train
    // B -> A (not), then the same road again, longer.
    const std::string arcs =
        LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 1, 7, 10, 0) + LigneArc(1, 2, 3, 50, 0, 800, 830) +
        LigneArc(1, 2, 3, 50, 0, 900, 930) + LigneArc(2, 1, 3, 50, 0, 800, 830) +
        LigneArc(1, 2, 7, 12, 0) + LigneArc(1, 2, 3, 50, 0, 800, 830);
    {
        // Yes, not systematic: identical values drop the second; then the longer road: the
        // detail question, No removes the second line; the repeated train: identical.
        Validite v(noeuds, arcs);
        v.Reponses({true, false, true, false, true});
        const float court = v.e.Arcs[1].Temps, long_ = v.e.Arcs[6].Temps;
        EliminationArcsDoubles(v.e);
        EXPECT_EQ(v.e.NbArcsDoublesElimines, 3);
        ASSERT_EQ(v.e.NbArcs, 4);
        auto q = v.Questions();
        ASSERT_EQ(q.size(), 5u);
        EXPECT_EQ(q[0], "Arc double : 1\t2\t7\t0\t0\nVoulez-vous le supprimer ?");
        EXPECT_EQ(q[1], "Voulez-vous supprimer le plus long systématiquement ?");
        EXPECT_EQ(q[3],
                  "Les codes et le mode sont identiques mais certains paramètres diffèrent : "
                  "\n\n1\t2\t7\t10\t" +
                      Reel(court) + "\n1\t2\t7\t12\t" + Reel(long_) +
                      "\n\nOui pour supprimer la première ligne ?\nNon pour supprimer la seconde "
                      "ligne ?");
        EXPECT_EQ(q[4], "Arc double : 1\t2\t3\t480\t510\nVoulez-vous le supprimer ?");
    }
    {
        // Systematic: no more questions; the longer arc goes.
        Validite v(noeuds, arcs);
        v.Reponses({true, true});
        EliminationArcsDoubles(v.e);
        EXPECT_EQ(v.Questions().size(), 2u);
        ASSERT_EQ(v.e.NbArcs, 4);
        EXPECT_EQ(v.e.Arcs[1].Distance, 10);
        EXPECT_EQ(v.e.Arcs[4].Mode, 3);
    }
}

TEST(TestValidite, CommandeEtResume) {
    Validite v(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("A", 1) + LigneNoeud("I", 7),
               LigneArc(1, 2, 7, 1, 0) + LigneArc(2, 1, 7, 1, 0) + LigneArc(2, 2, 7, 1, 0) +
                   LigneArc(2, 5, 7, 1, 0));
    // Duplicate node: Yes. Isolated I: Yes, keep asking. Loop: Yes, then No. Disconnected:
    // No to asking. Duplicate arc: Yes, systematic No.
    v.Reponses({true, true, true, true, false, false, true, false});
    ASSERT_EQ(ExecuteCommande(v.e, "menTestValiditéFichiers"), Issue::Faite);
    EXPECT_EQ(v.port.messages.back().texte,
              "Nombre de noeuds doubles éliminés :  1\nNombre de noeuds isolés éliminés :  1\n"
              "Nombre de boucles éliminées :  1\nNombre d'arcs doubles éliminés :  1\n"
              "Nombre d'arcs déconnectés éliminés :  1");
    EXPECT_EQ(v.port.messages.back().titre, "Résultats du test de validité des fichiers...");
    EXPECT_EQ(v.e.NbNoeuds, 2);
    EXPECT_EQ(v.e.NbArcs, 1);
    v.IndicesCoherents();
    EXPECT_EQ(v.e.MatArcsMin(1, 2).Valeur, v.e.Arcs[1].Temps);
    // An empty arc table: a message, no scan.
    Validite vide(LigneNoeud("A", 1), "");
    ExecuteCommande(vide.e, "menTestValiditéFichiers");
    EXPECT_EQ(vide.port.Compte("aucun arc"), 1);
    EXPECT_TRUE(vide.Questions().empty());
}

// The duplicate-arc pass as the scan of every pair, with the table shifted at each removal.
void ArcsDoublesParPaires(Etat& e) {
    auto oui = [&](const std::string& q) {
        return e.Ihm.Message(q, Boutons::OuiNon, Icone::Question,
                             "Erreur dans le fichier des arcs") == Reponse::Oui;
    };
    auto champs = [](const Arc& a) {
        return std::to_string(a.Origine) + "\t" + std::to_string(a.Destination) + "\t" +
               std::to_string(a.Mode) + "\t" + Reel(a.Distance) + "\t" + Reel(a.Temps);
    };
    bool systematique = false, enAttente = true;
    std::int32_t i = 0;
    while (i < e.NbArcs - 1) {
        ++i;
        std::int32_t j = i;
        while (j < e.NbArcs) {
            ++j;
            if (i < 1) continue;
            const Arc a = e.Arcs[i], b = e.Arcs[j];
            RechercheMode(e, a.Mode);
            const bool oi = e.ModeCourant.Oriente;
            RechercheMode(e, b.Mode);
            const bool oj = e.ModeCourant.Oriente;
            const bool doubles =
                oi ? oj && a.Origine == b.Origine && a.Destination == b.Destination &&
                         a.Mode == b.Mode && a.HeureDepart == b.HeureDepart &&
                         a.HeureArrivee == b.HeureArrivee
                   : a.Mode == b.Mode &&
                         ((a.Origine == b.Origine && a.Destination == b.Destination) ||
                          (a.Origine == b.Destination && a.Destination == b.Origine));
            if (!doubles) continue;
            if (!systematique &&
                !oui("Arc double : " + std::to_string(a.Origine) + "\t" +
                     std::to_string(a.Destination) + "\t" + std::to_string(a.Mode) + "\t" +
                     std::to_string(a.HeureDepart) + "\t" + std::to_string(a.HeureArrivee) +
                     "\nVoulez-vous le supprimer ?"))
                continue;
            if (enAttente) {
                systematique = oui("Voulez-vous supprimer le plus long systématiquement ?");
                enAttente = false;
            }
            bool premier =
                a.Distance == b.Distance && a.Temps == b.Temps ? false
                : !systematique
                    ? oui("Les codes et le mode sont identiques mais certains paramètres "
                          "diffèrent : \n\n" +
                          champs(a) + "\n" + champs(b) +
                          "\n\nOui pour supprimer la première ligne ?\nNon pour supprimer "
                          "la seconde ligne ?")
                    : !(a.Distance < b.Distance);
            SupprimeArc(e, premier ? i : j);
            ++e.NbArcsDoublesElimines;
            --(premier ? i : j);
        }
    }
}

TEST(TestValidite, ArcsDoublesRapidesCommeLeBalayageDesPaires) {
    std::mt19937 alea(41);
    for (int essai = 0; essai < 60; ++essai) {
        std::string noeuds, arcs;
        const int n = 2 + static_cast<int>(alea() % 4);
        for (int i = 1; i <= n; ++i) noeuds += LigneNoeud(std::string(1, char('A' + i)), i);
        const int modes[] = {7, 6, 3, 41};
        const int m = 2 + static_cast<int>(alea() % 40);
        for (int k = 0; k < m; ++k) {
            const int mode = modes[alea() % 4];
            const bool horaire = mode == 3 || mode == 41;
            arcs +=
                LigneArc(1 + alea() % n, 1 + alea() % n, mode, 5 + alea() % 3, 0,
                         horaire ? 800 + 10 * static_cast<int>(alea() % 2) : 0, horaire ? 900 : 0);
        }
        std::vector<bool> reponses;
        for (int r = 0; r < 4000; ++r) reponses.push_back(alea() % 3 != 0);
        Validite rapide(noeuds, arcs), simple(noeuds, arcs);
        rapide.port.reponsesOuiNon.assign(reponses.begin(), reponses.end());
        simple.port.reponsesOuiNon.assign(reponses.begin(), reponses.end());
        EliminationArcsDoubles(rapide.e);
        ArcsDoublesParPaires(simple.e);
        ASSERT_EQ(rapide.Questions(), simple.Questions()) << "essai " << essai;
        ASSERT_EQ(rapide.e.NbArcs, simple.e.NbArcs);
        EXPECT_EQ(rapide.e.NbArcsDoublesElimines, simple.e.NbArcsDoublesElimines);
        for (std::int32_t k = 1; k <= rapide.e.NbArcs; ++k) {
            EXPECT_EQ(rapide.e.Arcs[k].Origine, simple.e.Arcs[k].Origine);
            EXPECT_EQ(rapide.e.Arcs[k].Destination, simple.e.Arcs[k].Destination);
            EXPECT_EQ(rapide.e.Arcs[k].Distance, simple.e.Arcs[k].Distance);
            EXPECT_EQ(rapide.e.Arcs[k].HeureDepart, simple.e.Arcs[k].HeureDepart);
        }
    }
}

}  // namespace
}  // namespace vek
