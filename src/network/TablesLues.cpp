#include "network/TablesLues.h"

#include "network/EtatReseau.h"
#include "network/IndexCodes.h"
#include "shell/Progression.h"

namespace vek {

void AjouteTablesLues(EtatReseau& e, std::int32_t nombreNoeuds) {
    if (e.Noeuds.empty()) e.Noeuds.assign(1, Noeud{});
    if (e.Arcs.empty()) e.Arcs.assign(1, Arc{});
    for (std::int32_t i = 1; i <= nombreNoeuds && i <= e.NbNoeudsLus; ++i)
        e.Noeuds.push_back(e.NoeudsLus[static_cast<std::size_t>(i)]);
    for (std::int32_t a = 1; a <= e.NbArcsLus; ++a) {
        Arc arc = e.ArcsLus[static_cast<std::size_t>(a)];
        arc.DistanceEuclidienne = 0;
        arc.IndiceOrigine = arc.IndiceDestination = 0;
        e.Arcs.push_back(std::move(arc));
    }
    e.NbNoeuds = static_cast<std::int32_t>(e.Noeuds.size()) - 1;
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
    IndexationArcs(e);
    e.NoeudsLus.assign(1, Noeud{});
    e.NbNoeudsLus = 0;
    e.ArcsLus.assign(1, Arc{});
    e.NbArcsLus = 0;
}

void CopieTablesLues(EtatReseau& e) {
    e.Noeuds.assign(1, Noeud{});
    e.Arcs.assign(1, Arc{});
    e.NbNoeuds = e.NbArcs = 0;
    AjouteTablesLues(e, e.NbNoeudsLus);
}

void IndexationArcs(EtatReseau& e) {
    const IndexCodes index(e.Noeuds, e.NbNoeuds);
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        if (a % 10 == 0) AfficheProgression(e, e.NbArcs, a, "Implémente les indices des arcs...");
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (arc.IndiceOrigine != 0 && arc.IndiceDestination != 0) continue;
        arc.IndiceOrigine = index(arc.Origine);
        arc.IndiceDestination = index(arc.Destination);
    }
    AfficheProgression(e, e.NbArcs, e.NbArcs, "Implémente les indices des arcs...");
}

}  // namespace vek
