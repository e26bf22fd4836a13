#include "indicators/Homogeneite.h"

#include <cmath>

#include "indicators/EtatIndicateurs.h"
#include "network/ValeursNoeuds.h"
#include "shell/Fichiers.h"

namespace vek {

void CalculVitesseMoyenne(EtatIndicateurs& e) {
    double somme = 0;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) somme += e.Arcs[k].Vitesse;
    e.VitesseMoyenneArcs = static_cast<float>(somme / e.NbArcs);
}

void CalculHomogeneite(EtatIndicateurs& e) {
    if (e.NbArcs <= 0) {
        e.Ihm.Message("Le réseau ne compte aucun arc : son homogénéité ne peut pas être calculée.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
        return;
    }
    CalculVitesseMoyenne(e);
    double s = 0;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        double ecart = static_cast<double>(e.Arcs[k].Vitesse) - e.VitesseMoyenneArcs;
        s += ecart * ecart;
    }
    const float sigma = static_cast<float>(std::sqrt(s / e.NbArcs));
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeurUnique(e, e.NomFichierResultat, sigma);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

void menHomogénéité(EtatIndicateurs& e) {
    Sablier sablier(e.Ihm);
    CalculHomogeneite(e);
}

}  // namespace vek
