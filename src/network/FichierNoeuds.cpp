#include "network/FichierNoeuds.h"

#include <utility>

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
    std::vector<Noeud> lus(1);
    std::int32_t n = 0;
    std::size_t ligne = 0, longueurPrecedente = 0, tronquee = 0;
    LignesRejetees sansCode;
    auto traite = [&](const LigneLue& lue) {
        if (n >= maximum) return false;
        ++ligne;
        const std::u32string_view l = lue.texte;
        const std::size_t precedente = std::exchange(longueurPrecedente, l.size());
        if (lue.derniere && !lue.finie &&
            LigneTronquee(l.size(), precedente, {61, 70, 79, 88, 99})) {
            tronquee = lue.numero;
            return true;
        }
        if (!ChampEstNombre(l, 52, 10)) {
            sansCode.Ajoute(lue.numero);
            return true;
        }
        Noeud nd;
        nd.Nom = Cadre(SousChaine(l, 1, 50), kLongueurNom);
        nd.Code = EntierArrondi<std::int64_t>(ChampNumerique(l, 52, 10)).value_or(0);
        nd.Population = EntierArrondi<std::int32_t>(ChampNumerique(l, 63, 8)).value_or(0);
        nd.X = static_cast<float>(ChampNumerique(l, 72, 8));
        nd.Y = static_cast<float>(ChampNumerique(l, 81, 8));
        nd.Parametre = static_cast<float>(ChampNumerique(l, 90, 10));
        lus.push_back(std::move(nd));
        ++n;
        return true;
    };
    TexteLu texte;
    if (!ParcourtFichierTexte(CheminDe(e, chemin), texte, 100, traite)) {
        e.Ihm.Message("Impossible de lire le fichier : " + chemin, Boutons::Ok, Icone::Exclamation,
                      kTitreErreurNoeuds);
        return std::nullopt;
    }
    if (texte.utf16 != Utf16::Non) {
        e.Ihm.Message(MessageUtf16(chemin, texte.utf16), Boutons::Ok, Icone::Critique,
                      kTitreErreurNoeuds);
        return std::nullopt;
    }
    if (sansCode.nombre > 0)
        e.Ihm.Message(std::to_string(sansCode.nombre) +
                          " ligne(s) dont le code n'est pas un nombre ont été ignorées (ligne(s) " +
                          sansCode.Citees() + " du fichier des noeuds)",
                      Boutons::Ok, Icone::Critique, kTitreErreurNoeuds);
    if (tronquee > 0)
        e.Ihm.Message(MessageLigneTronquee(tronquee, "fichier des noeuds"), Boutons::Ok,
                      Icone::Critique, kTitreErreurNoeuds);
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
