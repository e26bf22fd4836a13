#include "network/ListeCouples.h"

#include <algorithm>
#include <stdexcept>

#include "network/EtatReseau.h"
#include "network/ValeursNoeuds.h"
#include "shell/Champs.h"
#include "shell/Fichiers.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr const char* kMotifValeur = "00000000000000000000.00000000000000000000";
constexpr const char* kMotifCode = "0000000000";

const Noeud& NoeudDuCouple(const EtatReseau& e, std::int32_t indice) {
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

void EcritureListeCouples(EtatReseau& e, const std::string& chemin) {
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
    e.NoteResultat(TablesResultats::Genre::Couples);
    c.Signale(e, chemin);
}

void DimensionneListeCouples(EtatReseau& e, std::int32_t n) {
    e.NbCouples = std::max<std::int32_t>(n, 0);
    e.ListeCouples.assign(static_cast<std::size_t>(e.NbCouples) + 1, Couple{});
    e.IndexCouples.clear();
    e.IndexCouplesNb = -1;
}

}  // namespace vek
