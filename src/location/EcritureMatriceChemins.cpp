#include "location/EcritureMatriceChemins.h"

#include <stdexcept>

#include "location/EtatLocalisation.h"
#include "shell/Fichiers.h"
#include "shell/Texte.h"

namespace vek {

namespace {
constexpr const char* kMotifPosition = "0000";
constexpr const char* kMotifValeur = "000000000000000.0000";
}  // namespace

std::int64_t OctetsLigneCombinaison(int equipements, std::int64_t octetsNoms) {
    // Each position and its blank, the value and its blank, the blanks between the names and
    // the line end.
    return equipements * 5 + 21 + octetsNoms + (equipements - 1) + 2;
}

EcrivainCombinaisons::EcrivainCombinaisons(EtatLocalisation& e, const std::string& chemin)
    : e_(e), chemin_(chemin), f_(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    noms_.resize(n + 1);
    positions_.resize(n + 1);
    for (std::size_t i = 1; i <= n; ++i) {
        noms_[i] = ' ';
        noms_[i] += Cadre(e.Noeuds[i].Nom, kLongueurNom);
    }
}

const std::string& EcrivainCombinaisons::Position(std::int32_t i) {
    std::string& p = positions_[static_cast<std::size_t>(i)];
    if (p.empty()) p = c_.Entier(i, kMotifPosition, "Noeud") + " ";
    return p;
}

void EcrivainCombinaisons::Paire(std::int32_t i, std::int32_t j, float valeur) {
    c_.Ligne(++ligne_);
    tampon_ = Position(i);
    tampon_ += Position(j);
    tampon_ += c_.Reel(valeur, kMotifValeur, "Valeur");
    tampon_ += noms_[static_cast<std::size_t>(i)];
    tampon_ += noms_[static_cast<std::size_t>(j)];
    f_.Ligne(tampon_);
}

void EcrivainCombinaisons::Triple(std::int32_t i, std::int32_t j, std::int32_t k, float valeur) {
    c_.Ligne(++ligne_);
    tampon_ = Position(i);
    tampon_ += Position(j);
    tampon_ += Position(k);
    tampon_ += c_.Reel(valeur, kMotifValeur, "Valeur");
    tampon_ += noms_[static_cast<std::size_t>(i)];
    tampon_ += noms_[static_cast<std::size_t>(j)];
    tampon_ += noms_[static_cast<std::size_t>(k)];
    f_.Ligne(tampon_);
}

void EcrivainCombinaisons::Ferme() {
    f_.Ferme();
    c_.Signale(e_, chemin_);
}

void EcritureMatriceChemins(EtatLocalisation& e, const std::string& chemin,
                            DispositionMatrice disposition, const Matrice<float>* valeurs) {
    const std::int32_t n = e.NbNoeuds;
    const auto taille = static_cast<std::size_t>(n) + 1;
    if ((disposition == DispositionMatrice::Localisation2 &&
         (e.MatLocalisation2.Lignes() != taille || e.MatLocalisation2.Colonnes() != taille)) ||
        (disposition == DispositionMatrice::Localisation3 &&
         (e.MatLocalisation3.n != n || e.MatLocalisation3.valeurs.size() !=
                                           static_cast<std::size_t>(TableTriples::Nombre(n)))) ||
        (valeurs && (valeurs->Lignes() != taille || valeurs->Colonnes() != taille)))
        throw std::logic_error("EcritureMatriceChemins : table sans rapport avec le réseau");
    EcrivainCombinaisons f(e, chemin);
    switch (disposition) {
        case DispositionMatrice::Chemins: {
            const TablesChemins& r = e;
            for (std::int32_t i = 1; i <= n; ++i)
                for (std::int32_t j = 1; j <= n; ++j)
                    f.Paire(i, j, valeurs ? (*valeurs)(i, j) : r.CheminsMin(i, j).Valeur);
            break;
        }
        case DispositionMatrice::Localisation2: {
            const Matrice<float>& m = e.MatLocalisation2;
            for (std::int32_t i = 1; i <= n; ++i)
                for (std::int32_t j = i; j <= n; ++j) f.Paire(i, j, m(i, j));
            break;
        }
        case DispositionMatrice::Localisation3: {
            const TableTriples& t = e.MatLocalisation3;
            for (std::int32_t i = 1; i <= n; ++i)
                for (std::int32_t j = i; j <= n; ++j)
                    for (std::int32_t k = j; k <= n; ++k) f.Triple(i, j, k, t(i, j, k));
            break;
        }
    }
    f.Ferme();
}

}  // namespace vek
