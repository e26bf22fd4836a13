#include "paths/Traces.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "paths/EtatChemins.h"
#include "paths/Floyd.h"
#include "shell/Fichiers.h"
#include "shell/Progression.h"

namespace vek {

namespace {
// An arc k -> j of the minimal-arc matrix.
struct ArcDirect {
    std::int32_t j;
    std::int16_t mode;
    float valeur;
};
}  // namespace

void RecuperationTraces(EtatChemins& e) {
    const std::int32_t n = e.NbNoeuds;
    const std::size_t t = static_cast<std::size_t>(n);
    // Fresh seed: the direct arcs, as the Floyd initialisation leaves them.
    e.MatPredecesseurs.Dimensionne(t);
    std::vector<std::vector<ArcDirect>> sortants(t + 1);
    for (std::size_t k = 1; k <= t; ++k)
        for (std::size_t j = 1; j <= t; ++j) {
            const CelluleArcMin& a = e.MatArcsMin(k, j);
            if (a.Valeur == 0) continue;
            e.MatPredecesseurs(k, j) = {static_cast<std::int32_t>(k), a.Mode, a.Valeur};
            if (j != k) sortants[k].push_back({static_cast<std::int32_t>(j), a.Mode, a.Valeur});
        }
    // "Distance2Temps" paths hold their times in Valeur and the distances they minimise, which
    // the direct arcs hold too, in Valeur2.
    const bool distances = e.CheminsMinValuation == "Distance2Temps";
    auto valeur = [distances](const CelluleChemin& c) { return distances ? c.Valeur2 : c.Valeur; };
    for (std::size_t i = 1; i <= t; ++i)
        for (std::size_t j = 1; j <= t; ++j)
            if (valeur(e.CheminsMin(i, j)) == 0) e.MatPredecesseurs(i, j).Valeur = kInfini;
    // The predecessor of j is the highest k with an arc k -> j on a shortest path: values
    // compared in Double with a small relative tolerance. Rows are independent: they are
    // shared between the cores, the calling thread reporting progress.
    auto ligneDeTraces = [&](std::int32_t i) {
        const CelluleChemin* ligne = e.CheminsMin.Ligne(static_cast<std::size_t>(i));
        CellulePredecesseur* preds = e.MatPredecesseurs.Ligne(static_cast<std::size_t>(i));
        for (std::int32_t k = 1; k <= n; ++k) {
            const double cik = valeur(ligne[k]);
            if (!(cik < kInfini)) continue;
            for (const ArcDirect& a : sortants[static_cast<std::size_t>(k)]) {
                const double cij = valeur(ligne[a.j]);
                if (!(cij < kInfini)) continue;
                if (cik + static_cast<double>(a.valeur) <= cij * (1 + 1e-6) + 1e-6)
                    preds[a.j] = {k, a.mode, a.valeur};
            }
        }
    };
    const unsigned nb =
        n < 128 ? 1u : std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    std::vector<std::thread> fils;
    std::atomic<bool> abandon{false};  // a progress step stopped the computation
    for (unsigned t = 1; t < nb; ++t)
        fils.emplace_back([&, t] {
            for (std::int32_t i = 1 + static_cast<std::int32_t>(t); i <= n && !abandon;
                 i += static_cast<std::int32_t>(nb))
                ligneDeTraces(i);
        });
    try {
        for (std::int32_t i = 1, faites = 0; i <= n; i += static_cast<std::int32_t>(nb)) {
            std::int64_t courant = std::min<std::int64_t>(std::int64_t{faites} * nb + 1, n - 1);
            if (n > 1)
                AfficheTempsDeCalcul(e, n, courant,
                                     "Récupération du tracé des chemins minimaux...");
            ligneDeTraces(i);
            ++faites;
        }
    } catch (...) {
        abandon = true;
        for (auto& f : fils) f.join();
        throw;
    }
    for (auto& f : fils) f.join();
    std::int64_t fin = n;
    AfficheTempsDeCalcul(e, n, fin, "Récupération du tracé des chemins minimaux...");
    Sablier sablier(e.Ihm);
    for (std::size_t i = 1; i <= t; ++i) {
        e.MatPredecesseurs(i, i).Valeur = 1;
        e.MatPredecesseurs(i, i).Pred = static_cast<std::int32_t>(i);
        for (std::size_t j = 1; j <= t; ++j)
            if (e.MatPredecesseurs(i, j).Valeur == 0)
                e.MatPredecesseurs(i, j).Pred = static_cast<std::int32_t>(i);
    }
    e.TracesReseau = e.CheminsMinReseau;
}

bool TracesCourantes(const EtatChemins& e) {
    return CheminsMinCourants(e) && e.TracesReseau == e.CheminsMinReseau &&
           e.MatPredecesseurs.Lignes() == static_cast<std::size_t>(e.NbNoeuds) + 1;
}

bool VerifieTracesCourantes(EtatChemins& e) {
    if (TracesCourantes(e)) return true;
    e.Ihm.Message(
        "Les tracés des plus courts chemins ne correspondent pas au réseau et à la "
        "valuation en cours : calculez les chemins puis leurs tracés.",
        Boutons::Ok, Icone::Exclamation, kTitreVek);
    return false;
}

void menRécupTracés(EtatChemins& e) {
    if (!VerifieCheminsMinCourants(e)) return;
    RecuperationTraces(e);
    e.Menus.Active("menVisuMatChMin");
    e.Menus.Active("menGravit");
}

std::vector<std::int32_t> TraceChemin(const EtatChemins& e, std::int32_t i, std::int32_t j) {
    std::vector<std::int32_t> chemin;
    if (!(e.CheminsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j)).Valeur < kInfini))
        return chemin;
    std::int32_t noeud = j;
    chemin.push_back(noeud);
    for (std::int32_t pas = 0; noeud != i && pas < e.NbNoeuds; ++pas) {
        noeud =
            e.MatPredecesseurs(static_cast<std::size_t>(i), static_cast<std::size_t>(noeud)).Pred;
        chemin.push_back(noeud);
    }
    if (noeud != i) chemin.clear();
    return chemin;
}

}  // namespace vek
