// A command cancelled in the middle of a computation shared between threads (the shortest
// paths, their traces, the timetable journeys, the hierarchy of the links) stops without
// waiting for the end, leaves the menus and the network as they were, and the same command
// then runs to its end as if nothing had happened.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "Reseaux.h"
#include "ScriptTest.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::LigneTrain;
using test::LitOctets;

// A ring of 300 towns with a chord every tenth town, both ways by road, and a train around
// the ring every morning: enough nodes for the computations to share their work.
struct Anneau : test::SessionScript {
    static constexpr int kVilles = 300;
    Anneau() {
        std::string noeuds, arcs;
        for (int i = 1; i <= kVilles; ++i) {
            const double a = 2 * M_PI * i / kVilles;
            noeuds += LigneNoeud("Ville " + std::to_string(i), i, 1000 + i, 100 + 90 * std::cos(a),
                                 100 + 90 * std::sin(a));
            const int j = i % kVilles + 1;
            arcs += LigneArc(i, j, 1, 2, 3 + i % 4) + LigneArc(j, i, 1, 2, 3 + i % 4);
            if (i % 10 == 0) {
                const int k = (i + kVilles / 3) % kVilles + 1;
                arcs += LigneArc(i, k, 1, 50, 40) + LigneArc(k, i, 1, 50, 40);
            }
            const int depart = 600 + i / 60 * 100 + i % 60;
            arcs += LigneTrain(i, j, depart % 2400, (depart + 1) % 2400, 77);
        }
        Ecrit("n.dat", noeuds);
        Ecrit("a.dat", arcs);
        Fichier(dossier / "n.dat");
        Fichier(dossier / "a.dat");
        EXPECT_EQ(Menu("menOuvrir"), Issue::Faite);
    }
    // The arcs as menEditArcs writes them.
    std::string Arcs() {
        e.NomFichierArcsEcrits = dossier / "ecrits.dat";
        EXPECT_EQ(Menu("menEditArcs"), Issue::Faite);
        return LitOctets(dossier / "ecrits.dat");
    }
    // Runs the command cancelled at the given progress step, then in full; `avant` queues the
    // answers it asks for before its computation, `apres` those it asks for after.
    void DeuxFois(const std::string& nom, int etape, const std::function<void()>& avant = {},
                  const std::function<void()>& apres = {}) {
        SCOPED_TRACE(nom);
        const std::string arcs = Arcs();
        const auto menus = e.Menus;
        port.AnnuleApres(etape);
        if (avant) avant();
        EXPECT_EQ(Menu(nom), Issue::Annulee);
        port.FinCommande();
        EXPECT_EQ(Arcs(), arcs);
        for (const char* m : {"menRécupTracés", "menVisuMatChMin", "menConnexions", "menSomChem"})
            EXPECT_EQ(e.Menus.EstActif(m), menus.EstActif(m)) << m;
        if (avant) avant();
        if (apres) apres();
        EXPECT_EQ(Menu(nom), Issue::Faite);
        EXPECT_EQ(port.ReponsesRestantes(), 0u);
    }
};

TEST(AnnulationEtat, CalculsPartagesEntreFils) {
    Anneau s;
    s.DeuxFois("menUneFois", 5);
    // The sum of the paths after the cancelled run is the one of a run never cancelled.
    ASSERT_EQ(s.Menu("menSomChem"), Issue::Faite);
    const double somme = s.e.SommeChemins;
    s.DeuxFois("menRécupTracés", 5);
    s.DeuxFois("menDestructionRes", 1, [&] {
        s.Dialogue("CritOptArcs", {"SomCheMin", "CritOptOk"});
    });
    ASSERT_EQ(s.Menu("menSomChem"), Issue::Faite);
    EXPECT_EQ(s.e.SommeChemins, somme);
    // The timetable journeys, one origin after another on each thread.
    s.Dialogue("Valu", {"ChapHeur", "ValuOk"});
    ASSERT_EQ(s.Menu("menChangerValuation"), Issue::Faite);
    s.DeuxFois(
        "menHoraireContrainteDépart", 5,
        [&] {
            s.port.Ajoute({TypeReponse::Saisie, true, "0700", {}});
        },
        [&] { s.Dialogue("VekForCM", {"Annuler"}); });
    EXPECT_EQ(s.Compte("La commande a été annulée"), 4);
}

}  // namespace
}  // namespace vek
