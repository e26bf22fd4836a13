#include "flows/EditionFlux.h"

#include <algorithm>

#include "flows/EtatFlux.h"
#include "network/ListeCouples.h"
#include "network/ValeursNoeuds.h"
#include "shell/Fichiers.h"
#include "shell/Port.h"

namespace vek {

void ListeCouplesDepuisMatrice(EtatFlux& e) {
    DimensionneListeCouples(e, 0);
    std::int32_t n = 0;
    const Matrice<float>& m = e.FluxAffectes;
    const std::int32_t taille = std::min<std::int32_t>(
        e.NbNoeuds, static_cast<std::int32_t>(std::min(m.Lignes(), m.Colonnes())) - 1);
    for (std::int32_t i = 1; i <= taille; ++i)
        for (std::int32_t j = 1; j <= taille; ++j) {
            if (j == i) continue;
            const float v = m(i, j);
            if (v != 0) {
                e.ListeCouples.push_back(Couple{i, j, static_cast<double>(v)});
                ++n;
            }
        }
    e.NbCouples = n;
    e.IndexCouplesNb = -1;
    e.FluxAffectes.Libere();
}

void menEdition(EtatFlux& e) {
    if (e.FluxAffectes.Vide()) {
        e.Ihm.Message("Aucune affectation n'a été calculée : lancez d'abord l'affectation.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
        return;
    }
    Sablier sablier(e.Ihm);
    e.NomFichierResultat = "AFlux000.dat";
    // The node values of the assignment: the flow of the steps that end at each node.
    e.ValeursNoeuds.assign(static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1, 0.0);
    const std::size_t n = std::min(e.FluxAffectes.Lignes(), e.ValeursNoeuds.size());
    for (std::size_t v = 1; v < n; ++v)
        for (std::size_t u = 1; u < e.FluxAffectes.Colonnes(); ++u)
            e.ValeursNoeuds[v] += e.FluxAffectes(v, u);
    ListeCouplesDepuisMatrice(e);
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

}  // namespace vek
