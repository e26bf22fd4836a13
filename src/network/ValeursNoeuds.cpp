#include "network/ValeursNoeuds.h"

#include <charconv>

#include "network/EtatReseau.h"
#include "shell/Champs.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Texte.h"

namespace vek {

namespace {
constexpr const char* kMotifValeur = "00000000000000000000.00000000000000000000";
}

std::string ChampValeur(double valeur) {
    return Champ(valeur, kMotifValeur);
}

void EcritureValeursNoeuds(EtatReseau& e, const std::string& chemin) {
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    ControleChamps c;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        c.Ligne(i);
        double v = i < static_cast<std::int32_t>(e.ValeursNoeuds.size()) ? e.ValeursNoeuds[i] : 0;
        f.Ligne(c.Entier(e.Noeuds[i].Code, "0000000000", "Code") + std::string(7, ' ') +
                c.Reel(v, kMotifValeur, "Valeur") + std::string(10, ' ') +
                Cadre(e.Noeuds[i].Nom, 16));
    }
    f.Ferme();
    e.NoteResultat(TablesResultats::Genre::Noeuds);
    c.Signale(e, chemin);
}

void EcritureValeurUnique(EtatReseau& e, const std::string& chemin, float valeur) {
    char texte[32];
    const auto fin = std::to_chars(texte, texte + sizeof texte, valeur);
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds);
    f.Ligne(std::string(texte, fin.ptr));
    f.Ferme();
    e.NoteResultat(TablesResultats::Genre::Valeur, valeur);
}

}  // namespace vek
