#include "paths/MatriceArcsMin.h"

#include <cmath>
#include <unordered_map>

#include "network/Mode.h"
#include "network/Temps.h"
#include "shell/Champs.h"
#include "shell/Etat.h"
#include "shell/Fichiers.h"
#include "shell/Progression.h"
#include "shell/Texte.h"

namespace vek {

void CalculMatriceArcsMin(Etat& e) {
    Sablier sablier(e.Ihm);
    if (e.Valuation != "Horaires") e.Menus.Cache("menHoraireContrainteArrivée");
    const std::string& v = e.Valuation;
    if (v == "Horaires" || v == "JoursEtHeures" || v == "Distance2Temps") {
        e.Ihm.Message("La valuation \"" + v +
                          "\" n'est pas disponible dans cette version de VEK.",
                      Boutons::Ok, Icone::Information, kTitreVek);
        return;
    }
    CreationMatriceArcsMin(e, v);
    e.Menus.Active("menVisuMatArcsMin");
    e.Menus.Active("menChemins");
}

void CreationMatriceArcsMin(Etat& e, const std::string& v) {
    const std::int32_t n = e.NbNoeuds;
    e.MatArcsMin.Dimensionne(static_cast<std::size_t>(n));
    std::unordered_map<std::int64_t, std::int32_t> index;
    index.reserve(static_cast<std::size_t>(n) * 2);
    for (std::int32_t k = 1; k <= n; ++k) index.emplace(e.Noeuds[k].Code, k);
    const bool distance = v == "Distance";
    const bool temps = v == "Temps";
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        AfficheProgression(e, e.NbArcs, a, "Création de la matrice des arcs minimaux...");
        const Arc& arc = e.Arcs[a];
        float x = distance ? arc.Distance : temps ? arc.Temps : arc.Temps / arc.Distance;
        if (arc.Origine == 0 || arc.Destination == 0) continue;
        if (!std::isfinite(x)) continue;  // a ratio over a zero distance values nothing
        auto io = index.find(arc.Origine);
        auto id = index.find(arc.Destination);
        const std::size_t i = io == index.end() ? 0 : static_cast<std::size_t>(io->second);
        const std::size_t j = id == index.end() ? 0 : static_cast<std::size_t>(id->second);
        RechercheMode(e, arc.Mode);
        CelluleArcMin& c = e.MatArcsMin(i, j);
        if (c.Valeur == 0 || x < c.Valeur) {
            c.Valeur = x;
            c.Mode = arc.Mode;
            if (!e.ModeCourant.Oriente) {
                CelluleArcMin& r = e.MatArcsMin(j, i);
                r.Valeur = x;
                r.Mode = arc.Mode;
            }
        }
    }
}

void EcritureMatriceArcsMin(Etat& e, const std::string& chemin) {
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    ControleChamps c;
    const std::int32_t n = e.NbNoeuds;
    const bool distance = e.Valuation == "Distance" || e.Valuation == "Distance2Temps";
    std::int64_t ligne = 0;
    if (e.MatArcsMin.Lignes() == static_cast<std::size_t>(n) + 1) {
        for (std::int32_t i = 1; i <= n; ++i) {
            for (std::int32_t j = 1; j <= n; ++j) {
                const CelluleArcMin& m = e.MatArcsMin(i, j);
                if (!(m.Valeur > 0)) continue;
                c.Ligne(++ligne);
                float km, hhmm;
                if (distance) {
                    km = m.Valeur;
                    hhmm = TempsDepuisDistance(e, m.Mode, m.Valeur);
                } else {
                    hhmm = static_cast<float>(MinutesEnHeuresMinutes(m.Valeur));
                    km = DistanceDepuisTemps(e, m.Valeur, m.Mode);
                }
                std::string l = c.Entier(e.Noeuds[i].Code, "0000000000", "Code");
                l += ' ' + c.Entier(e.Noeuds[j].Code, "0000000000", "Code");
                l += ' ' + c.Entier(m.Mode, "0000", "Mode");
                l += ' ' + c.Reel(km, "0000.000", "Distance");
                l += ' ' + c.Reel(hhmm, "0000", "Temps");
                l += ' ' + Cadre(e.Noeuds[i].Nom, 20) + ' ' + Cadre(e.Noeuds[j].Nom, 20);
                f.Ligne(l);
            }
        }
    }
    f.Ferme();
    c.Signale(e, chemin);
}

void menVisuMatArcsMin(Etat& e) {
    Sablier sablier(e.Ihm);
    std::string chemin = CheminResultat(e, "\\nAMin000.dat");
    EcritureMatriceArcsMin(e, chemin);
    e.NomFichierResultat = chemin;
    OuvreDansEditeur(e, chemin);
}

}  // namespace vek
