#include "accessibility/VitesseMoyenne.h"

#include <string>

#include "accessibility/Circuite.h"
#include "accessibility/EtatAccessibilite.h"
#include "network/ValeursNoeuds.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"

namespace vek {

namespace {

enum class Indicateur { Effective, Moyenne, Droite };

// The shortest paths on the primary value of a circuity valuation, carrying the secondary.
void CheminsDeCircuite(EtatAccessibilite& e, const char* valuation) {
    e.Valuation = valuation;
    RecalculeOriente(e);
    CreationMatriceArcsMinCircuite(e, valuation);
    CheminsCircuite(e);
    e.MatArcsMin.Libere();
}

void CheminsTemps(EtatAccessibilite& e) {
    e.Valuation = "Temps";
    RecalculeOriente(e);
    CreationMatriceArcsMin(e, "Temps");
    PlusCourtsChemins(e);
    e.MatArcsMin.Libere();
}

// D (km) and T (minutes) of each pair in the fields the paths left; E from MatArcsMin. The
// speeds go to ValeursNoeuds; the matrices used are released.
void CalculeVitesses(EtatAccessibilite& e, Indicateur indicateur, bool distanceEnValeur,
                     bool tempsEnValeur) {
    const std::int32_t n = e.NbNoeuds;
    e.ValeursNoeuds.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0.0);
    std::int64_t sansChemin = 0, tempsNuls = 0, noeudsNuls = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        AfficheProgression(e, n, i, "Calcul vitesse moyenne...");
        float sommeD = 0, sommeT = 0, sommeV = 0;
        std::int64_t paires = 0;
        for (std::int32_t j = 1; j <= n; ++j) {
            if (j == i) continue;
            const CelluleChemin& c =
                e.CheminsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
            const float t = tempsEnValeur ? c.Valeur : c.Valeur2;
            const float d =
                indicateur == Indicateur::Droite
                    ? e.MatArcsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j)).Valeur
                    : (distanceEnValeur ? c.Valeur : c.Valeur2);
            if (!(t < kInfini) || (indicateur != Indicateur::Droite && !(d < kInfini))) {
                ++sansChemin;
                continue;
            }
            if (indicateur == Indicateur::Moyenne) {
                if (t == 0) {
                    ++tempsNuls;
                    continue;
                }
                sommeV = sommeV + d / t;
            } else {
                sommeD = sommeD + d;
                sommeT = sommeT + t;
            }
            ++paires;
        }
        double v = 0;
        if (indicateur == Indicateur::Moyenne) {
            if (paires > 0) v = 60.0f * sommeV / static_cast<float>(paires);
        } else if (sommeT > 0) {
            v = 60.0f * sommeD / sommeT;
        } else if (paires > 0) {
            ++noeudsNuls;
        }
        e.ValeursNoeuds[static_cast<std::size_t>(i)] = v;
    }
    std::string t;
    auto ajoute = [&](std::int64_t nombre, const std::string& texte) {
        if (nombre == 0) return;
        t += (t.empty() ? "" : "\n") + TexteNombre(nombre) + texte;
    };
    ajoute(sansChemin, " paire(s) de noeuds sans chemin sont laissées de côté.");
    ajoute(tempsNuls, " paire(s) de temps nul sont laissées de côté.");
    ajoute(noeudsNuls,
           " noeud(s) n'atteignent les autres qu'en un temps nul : leur vitesse est 0.");
    if (!t.empty()) e.Ihm.Message(t, Boutons::Ok, Icone::Information, kTitreVek);
    e.CheminsMin.Libere();
    if (indicateur == Indicateur::Droite) e.MatArcsMin.Libere();
    ++e.GenerationReseau;  // the paths used are gone
}

void Vitesses(EtatAccessibilite& e, Indicateur indicateur, bool distanceEnValeur,
              bool tempsEnValeur) {
    CalculeVitesses(e, indicateur, distanceEnValeur, tempsEnValeur);
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

}  // namespace

void menMinKm(EtatAccessibilite& e) {
    Sablier s(e.Ihm);
    CheminsDeCircuite(e, "Distance2Temps");
    Vitesses(e, Indicateur::Effective, true, false);
}

void menMinTemps(EtatAccessibilite& e) {
    Sablier s(e.Ihm);
    CheminsDeCircuite(e, "Temps2Distance");
    Vitesses(e, Indicateur::Effective, false, true);
}

void menMinKm2(EtatAccessibilite& e) {
    Sablier s(e.Ihm);
    CheminsDeCircuite(e, "Distance2Temps");
    Vitesses(e, Indicateur::Moyenne, true, false);
}

void menMinTemps2(EtatAccessibilite& e) {
    Sablier s(e.Ihm);
    CheminsDeCircuite(e, "Temps2Distance");
    Vitesses(e, Indicateur::Moyenne, false, true);
}

void menMinKm3(EtatAccessibilite& e) {
    Sablier s(e.Ihm);
    CheminsDeCircuite(e, "Distance2Temps");
    CreationMatriceDistancesEuclidiennes(e);
    Vitesses(e, Indicateur::Droite, false, false);
}

void VitessesMoyennesEuclidiennes(EtatAccessibilite& e) {
    CheminsTemps(e);
    CreationMatriceDistancesEuclidiennes(e);
    CalculeVitesses(e, Indicateur::Droite, false, true);
}

void menMinTemps3(EtatAccessibilite& e) {
    Sablier s(e.Ihm);
    CheminsTemps(e);
    CreationMatriceDistancesEuclidiennes(e);
    Vitesses(e, Indicateur::Droite, false, true);
}

}  // namespace vek
