#include "location/LegislationSociale.h"

#include <cmath>
#include <cstdint>

#include "location/EtatLocalisation.h"
#include "paths/Floyd.h"
#include "shell/Fichiers.h"
#include "shell/Progression.h"

namespace vek {

float TempsAvecArretsReglementaires(float temps) {
    // 32000 marks no path, and nothing beyond it is a drive: such a value, infinity (which
    // would never leave the loop) and NaN are left as they are.
    if (!(temps < kInfini)) return temps;
    std::int32_t blocs = 0, pauses = 0, repos = 0, compteur = 0;
    float t = temps;
    while (t > 270) {
        t = t - 270;
        ++blocs;
        if (compteur != 1) {
            pauses += 45;
            ++compteur;
        } else if (t > 60) {  // the second block since the last rest
            repos += 540;
            compteur = 0;
        } else {
            pauses += 45;
        }
    }
    // Summed in Single, from left to right.
    return static_cast<float>(blocs * 270) + t + static_cast<float>(pauses) +
           static_cast<float>(repos);
}

Matrice<float> LegislationSocialeTransportsRoutiers(EtatLocalisation& e) {
    Matrice<float> temps;
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    const TablesChemins& r = e;
    if (r.CheminsMin.Lignes() != n + 1) {
        e.Ihm.Message(
            "Les chemins minimaux ne correspondent pas au réseau en cours : calculez-les d'abord "
            "(Chemins minimaux, Calcul).",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return temps;
    }
    // Only paths computed on the times hold minutes of driving.
    if (r.CheminsMinValuation != "Temps") {
        e.Ihm.Message(
            "La législation sociale des transports routiers porte sur des temps de "
            "conduite en minutes : calculez les chemins minimaux avec la valuation "
            "\"Temps\" (ceux en cours le sont avec \"" +
                r.CheminsMinValuation + "\").",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return temps;
    }
    temps.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i) {
        AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(i),
                           "Législation sociale transports routiers...");
        const CelluleChemin* ligne = r.CheminsMin.Ligne(i);
        float* sortie = temps.Ligne(i);
        for (std::size_t j = 1; j <= n; ++j)
            sortie[j] = TempsAvecArretsReglementaires(ligne[j].Valeur);
    }
    return temps;
}

}  // namespace vek
