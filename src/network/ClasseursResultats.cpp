#include "network/ClasseursResultats.h"

#include <algorithm>

#include "network/EtatReseau.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Tableur.h"
#include "shell/Texte.h"

namespace vek {

void EcritureClasseurListeCouples(const EtatReseau& e, const std::string& cheminClasseur) {
    std::vector<std::pair<std::string, double>> lignes;
    const auto n = static_cast<std::size_t>(std::max(e.NbCouples, 0));
    lignes.reserve(n);
    for (std::size_t k = 1; k <= n; ++k) {
        const Couple& p = e.ListeCouples[k];
        lignes.emplace_back(p.I >= 1 && p.I <= e.NbNoeuds
                                ? Gauche(e.Noeuds[static_cast<std::size_t>(p.I)].Nom, 16)
                                : std::string(),
                            p.Valeur);
    }
    EcritureClasseur(e, cheminClasseur, lignes);
}

std::string EnvoiTableur(EtatReseau& e, const std::string& cheminTexte) {
    const std::string classeur = CheminClasseur(cheminTexte);
    EcritureClasseurListeCouples(e, classeur);
    if (e.NbCouples > kLignesFeuille)
        e.Ihm.Message("La feuille ne peut contenir que " +
                          TexteNombre(std::int64_t{kLignesFeuille}) + " lignes : le classeur " +
                          classeur + " reçoit les premières des " +
                          TexteNombre(std::int64_t{e.NbCouples}) + " valeurs, le fichier " +
                          cheminTexte + " les contient toutes.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
    LanceTableur(e, classeur);
    return classeur;
}

std::string EnvoiTableurValeursNoeuds(EtatReseau& e, const std::string& cheminTexte) {
    const std::string classeur = CheminClasseur(cheminTexte);
    std::vector<std::pair<std::string, double>> lignes;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        lignes.emplace_back(Gauche(e.Noeuds[static_cast<std::size_t>(i)].Nom, 16),
                            static_cast<std::size_t>(i) < e.ValeursNoeuds.size()
                                ? e.ValeursNoeuds[static_cast<std::size_t>(i)]
                                : 0);
    EcritureClasseur(e, classeur, lignes);
    LanceTableur(e, classeur);
    return classeur;
}

}  // namespace vek
