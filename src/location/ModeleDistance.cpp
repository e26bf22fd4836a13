#include "location/ModeleDistance.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "location/EtatLocalisation.h"
#include "location/ParametresDistance.h"
#include "paths/Floyd.h"
#include "shell/Echecs.h"
#include "shell/Entiers.h"
#include "shell/FichierTexte.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr std::size_t kLargeurValeur = 12;

std::size_t Taille(const EtatLocalisation& e) {
    return static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1;
}

// The node's code as decimal digits; a 6-digit text takes one more blank.
std::string TexteCode(std::int64_t code) {
    std::string t = std::to_string(code);
    if (t.size() == 6) t += ' ';
    return t;
}

// The persons of the gravity model, counted on the paths in force.
bool PersonnesCourantes(EtatLocalisation& e) {
    const TablesGravite& g = e;
    if (g.MatPersonnesAttirees.Vide() || g.PersonnesReseau == 0) {
        e.Ihm.Message(
            "Aucune personne attirée n'a été comptée : lancez d'abord le modèle gravitaire "
            "(Attractions, Démarrage) avec la section « Auto-Attraction ».",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    if (!CheminsMinCourants(e) || g.PersonnesReseau != e.CheminsMinReseau ||
        g.MatPersonnesAttirees.Lignes() != Taille(e)) {
        e.Ihm.Message(
            "Les personnes attirées ne correspondent pas au réseau et aux plus courts chemins "
            "en cours : lancez d'abord le modèle gravitaire (Attractions, Démarrage).",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    return true;
}

// Sums M(j,i) over j into valeurs(i) (vers = true) or M(i,j) (vers = false), each addition
// made in Double and rounded to the nearest 32-bit integer. Both run along the rows of M,
// adding into each node's sum in the order j = 1..N. The nodes whose sum leaves the range
// keep 0 and are counted; the first of them is named in `premier`.
std::int32_t Sommes(EtatLocalisation& e, bool vers, std::vector<std::int32_t>& valeurs,
                    std::size_t& premier) {
    const std::size_t n = Taille(e) - 1;
    const Matrice<float>& m = e.MatDistancesPersonnes;
    if (m.Lignes() != n + 1)
        throw std::logic_error("Les distances des personnes ne sont pas calculées pour ce réseau.");
    valeurs.assign(n + 1, 0);
    std::vector<char> hors(n + 1, 0);
    auto ajoute = [&](std::size_t i, float v) {
        if (hors[i]) return;
        const auto s =
            EntierArrondi<std::int32_t>(static_cast<double>(valeurs[i]) + static_cast<double>(v));
        if (s) {
            valeurs[i] = *s;
        } else {
            hors[i] = 1;
            valeurs[i] = 0;
        }
    };
    for (std::size_t a = 1; a <= n; ++a) {
        const float* ligne = m.Ligne(a);
        if (vers) {
            for (std::size_t i = 1; i <= n; ++i) ajoute(i, ligne[i]);
        } else {
            for (std::size_t j = 1; j <= n; ++j) ajoute(a, ligne[j]);
        }
    }
    std::int32_t nombre = 0;
    for (std::size_t i = n; i >= 1; --i)
        if (hors[i]) {
            ++nombre;
            premier = i;
        }
    return nombre;
}

bool Calcule(EtatLocalisation& e, bool vers) {
    std::vector<std::int32_t>& valeurs = vers ? e.DistancesDestination : e.DistancesOrigine;
    std::size_t premier = 0;
    const std::int32_t hors = Sommes(e, vers, valeurs, premier);
    if (hors == 0) return true;
    e.Ihm.Message(
        std::string("La distance parcourue ") + (vers ? "à destination de " : "à partir de ") +
            SansBlancsFinaux(e.Noeuds[premier].Nom) + " dépasse la capacité d'un entier" +
            (hors > 1 ? " (" + std::to_string(hors) + " noeuds en tout)" : "") + " : le fichier " +
            (vers ? e.NomFichierDistDest : e.NomFichierDistOrig) + " n'est pas écrit.",
        Boutons::Ok, Icone::Exclamation, kTitreVek);
    return false;
}

// The folder of a section, ready to hold its file: the folder set at start is made when it
// is missing; a folder the person chose has to exist. False after a message.
bool DossierPret(EtatLocalisation& e, const std::string& rep, const std::string& fichier) {
    const std::filesystem::path dossier = CheminDe(e, rep);
    std::string nom = rep;
    if (dossier.string() != rep) nom += " (" + dossier.string() + ")";
    std::error_code erreur;
    if (std::filesystem::is_directory(dossier, erreur)) return true;
    const bool existe = std::filesystem::exists(dossier, erreur);
    std::string raison;
    if (rep == kRepDistParDefaut && !existe) {
        std::filesystem::create_directories(dossier, erreur);
        if (!erreur && std::filesystem::is_directory(dossier, erreur)) return true;
        raison = "ne peut pas être créé";
        if (erreur) raison += " (" + erreur.message() + ")";
    } else {
        raison = existe ? "n'est pas un dossier" : "n'existe pas";
    }
    e.Ihm.Message(
        "Le dossier " + nom + " " + raison + " : le fichier " + fichier + " n'est pas écrit.",
        Boutons::Ok, Icone::Exclamation, kTitreVek);
    return false;
}

// Writes one section's file into its folder and opens it when asked. False when it is not
// written (said in a message).
bool Section(EtatLocalisation& e, const std::string& rep, const std::string& fichier,
             const std::vector<std::int32_t>& valeurs, bool ecran) {
    if (SansBlancsFinaux(fichier).empty()) {
        e.Ihm.Message("Aucun nom de fichier n'est donné pour le dossier " + rep +
                          " : choisissez-en un dans les options du modèle Distance.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    if (!DossierPret(e, rep, fichier)) return false;
    const std::string chemin = rep + "\\" + fichier;
    EcritureDistances(e, valeurs, chemin);
    if (ecran) {
        OuvreDansEditeur(e, chemin);
        e.Ihm.Rafraichit();
    }
    return true;
}

}  // namespace

void CalculDistancesPersonnes(EtatLocalisation& e) {
    const TablesChemins& r = e;
    const TablesGravite& g = e;
    const std::size_t n = Taille(e) - 1;
    e.MatDistancesPersonnes.Dimensionne(n, 0.0f);
    for (std::size_t i = 1; i <= n; ++i) {
        const CelluleChemin* d = r.CheminsMin.Ligne(i);
        const std::int32_t* f = g.MatPersonnesAttirees.Ligne(i);
        float* m = e.MatDistancesPersonnes.Ligne(i);
        for (std::size_t j = 1; j <= n; ++j)
            m[j] = static_cast<float>(static_cast<double>(d[j].Valeur) * f[j]);
    }
}

bool CalculDistancesDestination(EtatLocalisation& e) {
    if (!Calcule(e, true)) return false;
    if (e.Distance.Distot) {
        std::int64_t total = 0;
        for (std::size_t i = 1; i < e.DistancesDestination.size(); ++i)
            total += e.DistancesDestination[i];
        e.Ihm.Message(Str(total), Boutons::Ok, Icone::Information,
                      "Total des distances parcourues");
    }
    return true;
}

bool CalculDistancesOrigine(EtatLocalisation& e) {
    return Calcule(e, false);
}

void EcritureDistances(EtatLocalisation& e, const std::vector<std::int32_t>& valeurs,
                       const std::string& chemin) {
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const Noeud& n = e.Noeuds[static_cast<std::size_t>(i)];
        const auto p = static_cast<std::size_t>(i);
        const std::string valeur = std::to_string(p < valeurs.size() ? valeurs[p] : 0);
        std::string ligne(1, ' ');
        ligne += TexteCode(n.Code);
        ligne += valeur;
        if (valeur.size() < kLargeurValeur) ligne.append(kLargeurValeur - valeur.size(), ' ');
        ligne += "   ";
        ligne += n.Nom;
        f.Ligne(ligne);
    }
    f.Ferme();
}

void menDémarrageDistance(EtatLocalisation& e) {
    if (!PersonnesCourantes(e)) return;
    Sablier sablier(e.Ihm);
    CalculDistancesPersonnes(e);
    const OptionsDistance& o = e.Distance;
    if (o.OuiDest) {
        const bool ecrit =
            CalculDistancesDestination(e) &&
            Section(e, e.RepDistDest, e.NomFichierDistDest, e.DistancesDestination, o.EcranDest);
        if (!ecrit) SignaleEchec();
    }
    if (o.OuiOrig) {
        const bool ecrit =
            CalculDistancesOrigine(e) &&
            Section(e, e.RepDistOrig, e.NomFichierDistOrig, e.DistancesOrigine, o.EcranOrig);
        if (!ecrit) SignaleEchec();
    }
}

}  // namespace vek
