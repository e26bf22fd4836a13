#include "shell/ListeCouples.h"

#include <algorithm>
#include <stdexcept>

#include "shell/Champs.h"
#include "shell/Etat.h"
#include "shell/Fichiers.h"
#include "shell/Texte.h"
#include "shell/ValeursNoeuds.h"

namespace vek {

namespace {

constexpr const char* kMotifValeur = "00000000000000000000.00000000000000000000";
constexpr const char* kMotifCode = "0000000000";

const Noeud& NoeudDuCouple(const Etat& e, std::int32_t indice) {
    if (indice < 1 || indice > e.NbNoeuds)
        throw std::out_of_range("La liste des couples désigne un noeud absent du réseau (indice " +
                                std::to_string(indice) + ").");
    return e.Noeuds[static_cast<std::size_t>(indice)];
}

// The value as the pattern writes it: a negative value is the pattern preceded by its sign.
std::string TexteValeur(ControleChamps& c, double v) {
    if (v < 0) return "-" + c.Reel(-v, kMotifValeur, "Valeur");
    return c.Reel(v, kMotifValeur, "Valeur");
}

}  // namespace

void EcritureListeCouples(Etat& e, const std::string& chemin) {
    const bool graphique = e.ChoixSortie == "Graphique" || e.ChoixSortieGravite == "Graphique";
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    ControleChamps c;
    for (std::int32_t n = 1; n <= e.NbCouples; ++n) {
        const Couple& p = e.ListeCouples[static_cast<std::size_t>(n)];
        const Noeud& ni = NoeudDuCouple(e, p.I);
        const Noeud& nj = NoeudDuCouple(e, p.J);
        c.Ligne(n);
        const std::string valeur = TexteValeur(c, p.Valeur);
        const std::string nomI = Cadre(ni.Nom, 16);
        const std::string nomJ = Cadre(nj.Nom, 16);
        if (!graphique) {
            f.Ligne(c.Entier(ni.Code, kMotifCode, "Code") + ' ' + nomI + ' ' +
                    c.Entier(nj.Code, kMotifCode, "Code") + ' ' + nomJ + std::string(7, ' ') +
                    valeur);
        } else if (e.VekForCM.Uni_polaire || e.FichGrav.FichAVAttRelGén ||
                   e.FichGrav.FichAVAttAbsGén) {
            f.Ligne(nomJ + '\t' + valeur);
        } else if (e.VekForCM.MultipolaireNbRelations) {
            f.Ligne(nomI + '\t' + nomJ + '\t' + valeur);
        } else {
            f.Ligne(nomI + '\t' + valeur);
        }
    }
    f.Ferme();
    c.Signale(e, chemin);
}

void ListeCouplesDepuisMatrice(Etat& e) {
    e.ListeCouples.assign(1, Couple{});
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

void menEdition(Etat& e) {
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
