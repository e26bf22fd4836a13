#include "validation/IntegrationNodale.h"

#include "network/IndexCodes.h"
#include "shell/Etat.h"
#include "shell/Fichiers.h"
#include "shell/Progression.h"

namespace vek {

void IndexationArcs(Etat& e) {
    const IndexCodes index(e.Noeuds, e.NbNoeuds);
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        if (a % 10 == 0) AfficheProgression(e, e.NbArcs, a, "Implémente les indices des arcs...");
        Arc& arc = e.Arcs[a];
        arc.IndiceOrigine = index(arc.Origine);
        arc.IndiceDestination = index(arc.Destination);
    }
    AfficheProgression(e, e.NbArcs, e.NbArcs, "Implémente les indices des arcs...");
}

void IntegrationNodale(Etat& e, std::int64_t code) {
    if (code != 0) {
        e.Ihm.Message("L'intégration d'un zoom n'est pas disponible dans cette version de VEK.",
                      Boutons::Ok, Icone::Information, kTitreVek);
        return;
    }
    e.NbNoeuds = e.NbNoeudsLus;
    e.NbArcs = e.NbArcsLus;
    e.Noeuds.assign(1, Noeud{});
    e.Noeuds.insert(e.Noeuds.end(), e.NoeudsLus.begin() + (e.NoeudsLus.empty() ? 0 : 1),
                    e.NoeudsLus.end());
    e.Arcs.assign(1, Arc{});
    for (std::int32_t a = 1; a <= e.NbArcsLus; ++a) {
        Arc arc = e.ArcsLus[a];
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

}  // namespace vek
