#include "network/FichierNoeuds.h"

#include "network/EtatReseau.h"
#include "network/Lecture.h"
#include "shell/Champs.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"

namespace vek {

namespace {
constexpr const char* kTitreErreurNoeuds = "Erreur dans le fichier des noeuds";

std::string Lignes(std::size_t n) {
    return n == 1 ? "1 ligne" : std::to_string(n) + " lignes";
}
}  // namespace

std::optional<std::int32_t> LectureFichierNoeuds(EtatReseau& e, const std::string& chemin,
                                                 std::int32_t maximum) {
    if (!FichierExiste(e, chemin)) return std::nullopt;
    TexteLu texte;
    if (!LitFichierTexte(CheminDe(e, chemin), texte, static_cast<std::size_t>(maximum), 100)) {
        e.Ihm.Message("Impossible de lire le fichier : " + chemin, Boutons::Ok, Icone::Exclamation,
                      kTitreErreurNoeuds);
        return std::nullopt;
    }
    std::vector<Noeud> lus(1);
    std::int32_t n = 0;
    std::size_t ligne = 0;
    for (; ligne < texte.lignes.size() && n < maximum; ++ligne) {
        const std::u32string& l = texte.lignes[ligne];
        Noeud nd;
        nd.Nom = Cadre(SousChaine(l, 1, 50), kLongueurNom);
        nd.Code = EntierArrondi<std::int64_t>(ChampNumerique(l, 52, 10)).value_or(0);
        nd.Population = EntierArrondi<std::int32_t>(ChampNumerique(l, 63, 8)).value_or(0);
        nd.X = static_cast<float>(ChampNumerique(l, 72, 8));
        nd.Y = static_cast<float>(ChampNumerique(l, 81, 8));
        nd.Parametre = static_cast<float>(ChampNumerique(l, 90, 10));
        lus.push_back(std::move(nd));
        ++n;
    }
    if (ligne < texte.nombreLignes) {
        e.Ihm.Message("Le fichier des noeuds " + chemin + " compte " +
                          std::to_string(texte.nombreLignes) + " lignes : seuls les " +
                          std::to_string(maximum) + " premiers noeuds ont été lus, " +
                          Lignes(texte.nombreLignes - ligne) + " ignorée(s).",
                      Boutons::Ok, Icone::Exclamation, kTitreErreurNoeuds);
    }
    e.NoeudsLus = std::move(lus);
    e.NbNoeudsLus = n;
    e.EncodageNoeuds = texte.encodage;
    e.MarqueNoeuds = texte.marqueUtf8;
    return n;
}

void EcritureFichierNoeuds(EtatReseau& e, const std::string& chemin) {
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    ControleChamps champs;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Création du fichier des noeuds après intégration...");
        const Noeud& nd = e.Noeuds[i];
        champs.Ligne(i);
        std::string l = Cadre(nd.Nom, kLongueurNom);
        l += ' ' + champs.Entier(nd.Code, "0000000000", "Code");
        l += ' ' + champs.Entier(nd.Population, "00000000", "Population");
        l += ' ' + champs.Reel(nd.X, "0000.000", "X");
        l += ' ' + champs.Reel(nd.Y, "0000.000", "Y");
        l += ' ' + champs.Reel(nd.Parametre, "0000.00000", "Parametre");
        f.Ligne(l);
    }
    f.Ferme();
    champs.Signale(e, chemin);
}

}  // namespace vek
