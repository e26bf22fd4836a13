#include "vek/Comparaison.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <unordered_map>
#include <vector>

#include "network/Chargement.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Chemins.h"
#include "shell/Echecs.h"
#include "shell/FichierTexte.h"
#include "shell/Fichiers.h"
#include "shell/GardeFichiers.h"
#include "shell/PortScript.h"
#include "shell/Texte.h"
#include "vek/Demarrage.h"
#include "vek/Etat.h"
#include "vek/Reglages.h"

namespace vek {

struct Variante {
    std::ostringstream sortie;  // what the variant's runs print
    PortScript port{sortie};
    Etat e{port};
    std::string noeuds, arcs;  // its files
    Variante() { Demarrage(e); }
};

void VarianteSupprimee::operator()(Variante* v) const {
    delete v;
}

namespace {

constexpr const char* kTitre = "Comparaison à une variante";

// The commands never run on the variant: those that load or write the base's own files, end
// the program, show the program itself, or start and end the comparison.
bool HorsComparaison(const std::string& commande) {
    for (const char* nom :
         {"menOuvrir", "menNoeudsEtArcs", "menEditNoeuds", "menEditArcs", "menQuitter",
          "menAPropos", "menPrintConfig", "menComparerVariante", "menFinComparaison",
          "menImporterGtfs", "menImporterTntp", "menExporterResultat", "menExporterReseau"})
        if (commande == nom) return true;
    return false;
}

// The name of a network value in ReseauComparaison.csv.
std::string Indicateur(const std::string& commande) {
    static const std::map<std::string, std::string> noms = {
        {"menAlpha", "alpha"},
        {"menSomChem", "somme_chemins"},
        {"mencongglob", "congestion_globale"},
        {"menPerteTpsGlob", "perte_temps_globale"},
        {"menPerteVitMoyGlobale", "perte_vitesse_moyenne_globale"},
        {"menHomogénéité", "homogeneite"},
    };
    auto i = noms.find(commande);
    return i != noms.end() ? i->second : commande;
}

std::string Nombre(double v) {
    char t[32];
    const auto r = std::to_chars(t, t + sizeof t, v);
    return std::string(t, r.ptr);
}

bool Inaccessible(double v) {
    return !std::isfinite(v) || v == static_cast<double>(kInfini);
}

// A CSV field: quoted when it holds a comma, a quote or a line end.
std::string Champ(const std::string& texte) {
    if (texte.find_first_of(",\"\r\n") == std::string::npos) return texte;
    std::string r = "\"";
    for (char c : texte) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

// The value columns of a line: base, variante, ecart, ecart_relatif, statut.
struct Ecart {
    std::optional<double> base, variante;
    std::string statut;
    std::optional<double> ecart, relatif;
};

Ecart Compare(std::optional<double> b, std::optional<double> v) {
    Ecart x{b, v, {}, {}, {}};
    if (!b)
        x.statut = "variante_seule";
    else if (!v)
        x.statut = "base_seule";
    else if (Inaccessible(*b) || Inaccessible(*v))
        x.statut = "inaccessible";
    if (!x.statut.empty()) return x;
    x.ecart = *v - *b;
    if (*b != 0) x.relatif = *x.ecart / *b;
    return x;
}

std::string Colonnes(const Ecart& x) {
    auto n = [](const std::optional<double>& v) { return v ? Nombre(*v) : std::string(); };
    auto valeur = [&](const std::optional<double>& v) {
        return v && Inaccessible(*v) ? std::string("inaccessible") : n(v);
    };
    return valeur(x.base) + "," + valeur(x.variante) + "," + n(x.ecart) + "," + n(x.relatif) + "," +
           x.statut;
}

std::string NomNoeud(const Noeud& n) {
    return SansBlancsFinaux(n.Nom);
}

// The per-node values of a state by node code.
std::unordered_map<std::int64_t, double> ParCode(const Etat& e) {
    std::unordered_map<std::int64_t, double> r;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        r[e.Noeuds[static_cast<std::size_t>(i)].Code] =
            static_cast<std::size_t>(i) < e.ValeursNoeuds.size()
                ? e.ValeursNoeuds[static_cast<std::size_t>(i)]
                : 0.0;
    return r;
}

// What the message of a per-node comparison says: the nodes up and down, the largest
// changes with their names, the change weighted by the base's populations.
std::string Resume(const std::vector<std::pair<const Noeud*, Ecart>>& lignes) {
    int hausses = 0, baisses = 0, egaux = 0, apart = 0;
    double pondere = 0, population = 0;
    std::vector<std::pair<double, std::string>> ecarts;
    for (const auto& [n, x] : lignes) {
        if (!x.ecart) {
            ++apart;
            continue;
        }
        const double d = *x.ecart;
        (d > 0 ? hausses : d < 0 ? baisses : egaux) += 1;
        if (d != 0) ecarts.emplace_back(d, NomNoeud(*n));
        pondere += static_cast<double>(n->Population) * d;
        population += static_cast<double>(n->Population);
    }
    std::stable_sort(ecarts.begin(), ecarts.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    auto liste = [&](bool hausse) {
        std::string t;
        int k = 0;
        for (std::size_t i = 0; i < ecarts.size() && k < 3; ++i) {
            const auto& [d, nom] = hausse ? ecarts[i] : ecarts[ecarts.size() - 1 - i];
            if ((d > 0) != hausse) break;
            t += (k++ ? ", " : " ") + nom + " (" + (d > 0 ? "+" : "") + Nombre(d) + ")";
        }
        return k ? t : std::string(" aucune");
    };
    std::string r = std::to_string(hausses) + " noeud(s) en hausse, " + std::to_string(baisses) +
                    " en baisse, " + std::to_string(egaux) + " inchangé(s)";
    if (apart) r += ", " + std::to_string(apart) + " à part (un seul réseau ou inaccessible)";
    r += ".\nPlus fortes hausses :" + liste(true) + ".\nPlus fortes baisses :" + liste(false) +
         ".\nÉcart moyen pondéré par la population : " +
         (population > 0 ? Nombre(pondere / population) : std::string("sans objet")) + ".";
    return r;
}

void CompareNoeuds(Etat& e, const Etat& v) {
    const auto valeursV = ParCode(v);
    std::vector<std::pair<const Noeud*, Ecart>> lignes;
    std::unordered_map<std::int64_t, bool> vus;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const Noeud& n = e.Noeuds[static_cast<std::size_t>(i)];
        vus[n.Code] = true;
        auto k = valeursV.find(n.Code);
        const double b = static_cast<std::size_t>(i) < e.ValeursNoeuds.size()
                             ? e.ValeursNoeuds[static_cast<std::size_t>(i)]
                             : 0.0;
        lignes.emplace_back(
            &n, Compare(b, k != valeursV.end() ? std::optional(k->second) : std::nullopt));
    }
    const auto valeursB = ParCode(e);
    for (std::int32_t i = 1; i <= v.NbNoeuds; ++i) {
        const Noeud& n = v.Noeuds[static_cast<std::size_t>(i)];
        if (vus.count(n.Code)) continue;
        lignes.emplace_back(&n, Compare(std::nullopt, valeursV.at(n.Code)));
    }
    auto carte = std::make_shared<ComparaisonCarte>();
    carte->ecartsNoeuds.assign(static_cast<std::size_t>(e.NbNoeuds) + 1, std::nan(""));
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        if (k < static_cast<std::size_t>(e.NbNoeuds)) {
            if (lignes[k].second.ecart) carte->ecartsNoeuds[k + 1] = *lignes[k].second.ecart;
        } else {
            carte->noeudsVariante.push_back(*lignes[k].first);
        }
    }
    carte->numeroResultat = e.NumeroResultat;
    e.DerniereComparaison = std::move(carte);
    const std::string chemin = CheminResultat(e, "\\NoeudValComparaison.csv");
    EcrivainTexte f(CheminDe(e, chemin), chemin);
    f.Ligne("code,nom,base,variante,ecart,ecart_relatif,statut");
    for (const auto& [n, x] : lignes)
        f.Ligne(std::to_string(n->Code) + "," + Champ(NomNoeud(*n)) + "," + Colonnes(x));
    f.Ferme();
    e.Ihm.Message("Comparaison à la variante écrite dans " + CheminDe(e, chemin).string() + " :\n" +
                      Resume(lignes),
                  Boutons::Ok, Icone::Information, kTitre);
}

void CompareCouples(Etat& e, const Etat& v) {
    auto cle = [](const Etat& x, const Couple& c) {
        return std::pair{x.Noeuds[static_cast<std::size_t>(c.I)].Code,
                         x.Noeuds[static_cast<std::size_t>(c.J)].Code};
    };
    std::map<std::pair<std::int64_t, std::int64_t>, double> valeursV;
    std::vector<std::pair<std::int64_t, std::int64_t>> ordreV;
    for (std::int32_t k = 1; k <= v.NbCouples; ++k) {
        const auto c = cle(v, v.ListeCouples[static_cast<std::size_t>(k)]);
        if (valeursV.emplace(c, v.ListeCouples[static_cast<std::size_t>(k)].Valeur).second)
            ordreV.push_back(c);
    }
    const std::string chemin = CheminResultat(e, "\\ArcValComparaison.csv");
    EcrivainTexte f(CheminDe(e, chemin), chemin);
    f.Ligne("code_origine,code_destination,base,variante,ecart,ecart_relatif,statut");
    std::map<std::pair<std::int64_t, std::int64_t>, bool> vus;
    int hausses = 0, baisses = 0, apart = 0;
    auto ligne = [&](const std::pair<std::int64_t, std::int64_t>& c, const Ecart& x) {
        f.Ligne(std::to_string(c.first) + "," + std::to_string(c.second) + "," + Colonnes(x));
        if (!x.ecart)
            ++apart;
        else if (*x.ecart > 0)
            ++hausses;
        else if (*x.ecart < 0)
            ++baisses;
    };
    auto carte = std::make_shared<ComparaisonCarte>();
    carte->couples = true;
    for (std::int32_t k = 1; k <= e.NbCouples; ++k) {
        const Couple& p = e.ListeCouples[static_cast<std::size_t>(k)];
        const auto c = cle(e, p);
        if (!vus.emplace(c, true).second) continue;
        auto i = valeursV.find(c);
        const Ecart x =
            Compare(p.Valeur, i != valeursV.end() ? std::optional(i->second) : std::nullopt);
        ligne(c, x);
        carte->ecartsCouples.push_back({p.I, p.J, x.ecart ? *x.ecart : std::nan("")});
    }
    std::unordered_map<std::int64_t, const Noeud*> noeudsV;
    for (std::int32_t i = 1; i <= v.NbNoeuds; ++i)
        noeudsV[v.Noeuds[static_cast<std::size_t>(i)].Code] =
            &v.Noeuds[static_cast<std::size_t>(i)];
    for (const auto& c : ordreV)
        if (!vus.count(c)) {
            ligne(c, Compare(std::nullopt, valeursV.at(c)));
            carte->couplesVariante.emplace_back(*noeudsV.at(c.first), *noeudsV.at(c.second));
        }
    carte->numeroResultat = e.NumeroResultat;
    e.DerniereComparaison = std::move(carte);
    f.Ferme();
    e.Ihm.Message("Comparaison à la variante écrite dans " + CheminDe(e, chemin).string() + " :\n" +
                      std::to_string(hausses) + " couple(s) en hausse, " + std::to_string(baisses) +
                      " en baisse, " + std::to_string(apart) +
                      " à part (un seul réseau ou inaccessible).",
                  Boutons::Ok, Icone::Information, kTitre);
}

void CompareReseau(Etat& e, const Etat& v, const std::string& commande) {
    const Ecart x = Compare(e.ValeurReseau, v.ValeurReseau);
    const std::string chemin = CheminResultat(e, "\\ReseauComparaison.csv");
    auto n = [](const std::optional<double>& d) { return d ? Nombre(*d) : std::string(); };
    EcrivainTexte f(CheminDe(e, chemin), chemin);
    f.Ligne("indicateur,base,variante,ecart,ecart_relatif");
    f.Ligne(Indicateur(commande) + "," + n(x.base) + "," + n(x.variante) + "," + n(x.ecart) + "," +
            n(x.relatif));
    f.Ferme();
    e.Ihm.Message(Indicateur(commande) + " : base " + n(x.base) + ", variante " + n(x.variante) +
                      ", écart " + (x.ecart ? n(x.ecart) : std::string("sans objet")) + ".",
                  Boutons::Ok, Icone::Information, kTitre);
}

// The messages the variant printed since `debut`, for the person to read.
std::string Messages(const Variante& v, std::size_t debut) {
    const std::string s = v.sortie.str().substr(debut);
    std::string r;
    std::istringstream lignes(s);
    for (std::string l; std::getline(lignes, l);)
        if (!l.empty() && l[0] == '[') r += "\n" + l;
    return r;
}

}  // namespace

const Etat* EtatVariante(const Etat& e) {
    return e.Comparaison ? &e.Comparaison->e : nullptr;
}

void menComparerVariante(Etat& e) {
    if (e.NbNoeuds < 1) {
        e.Ihm.Message("Ouvrez d'abord le réseau de base : la variante se compare à lui.",
                      Boutons::Ok, Icone::Exclamation, kTitre);
        return;
    }
    DemandeFichier d;
    d.filtre = "Tous fichiers(*.*)|*.*|Data(*.dat)|*.dat";
    d.indexFiltre = 2;
    d.titre = "Fichier des noeuds de la variante...";
    d.repertoire = RepertoireDe(e.NomFichierNoeuds);
    const auto noeuds = e.Ihm.ChoixFichier(d);
    if (!noeuds || noeuds->empty()) return;
    d.titre = "Fichier des arcs de la variante...";
    d.repertoire = RepertoireDe(e.NomFichierArcs);
    const auto arcs = e.Ihm.ChoixFichier(d);
    if (!arcs || arcs->empty()) return;
    PtrVariante v(new Variante);
    CopieReglages(e, v->e);
    v->port.Ajoute({TypeReponse::Fichier, true, *noeuds, {}});
    v->port.Ajoute({TypeReponse::Fichier, true, *arcs, {}});
    const std::string valuation = e.Valuation;
    const bool charge = ExecuteCommande(v->e, "menOuvrir") == Issue::Faite && v->e.NbNoeuds > 0 &&
                        v->e.Menus.EstActif("menEditArcs");
    const std::string messages = Messages(*v, 0);
    if (!charge) {
        e.Ihm.Message(
            "La variante n'a pas pu être ouverte ; la comparaison n'a pas commencé." + messages,
            Boutons::Ok, Icone::Exclamation, kTitre);
        return;
    }
    // The variant starts where the base stands: its valuation, and its shortest paths and
    // traces when the base has them.
    v->e.Valuation = valuation;
    CalculMatriceArcsMin(v->e);
    for (const char* nom : {"menUneFois", "menRécupTracés"}) {
        const bool fait = std::string(nom) == "menUneFois" ? e.Menus.EstActif("menVisuMatChMin")
                                                           : e.Menus.EstActif("menConnexions");
        if (fait && v->e.Menus.EstDisponible(nom)) ExecuteCommande(v->e, nom);
    }
    v->noeuds = *noeuds;
    v->arcs = *arcs;
    e.Comparaison = std::move(v);
    e.Menus.Active("menFinComparaison");
    e.Ihm.Message("Variante ouverte : " + std::to_string(e.Comparaison->e.NbNoeuds) +
                      " noeuds et " + std::to_string(e.Comparaison->e.NbArcs) +
                      " arcs. Chaque commande s'applique désormais aux deux réseaux et leurs "
                      "résultats sont comparés." +
                      messages,
                  Boutons::Ok, Icone::Information, kTitre);
}

void menFinComparaison(Etat& e) {
    e.Comparaison.reset();
    e.Menus.Desactive("menFinComparaison");
    e.Ihm.Message("La comparaison à la variante est terminée.", Boutons::Ok, Icone::Information,
                  kTitre);
}

void ApresCommandeComparee(Etat& e, const std::string& commande, std::uint64_t numero) {
    if (!e.Comparaison || HorsComparaison(commande)) return;
    Variante& v = *e.Comparaison;
    const std::size_t debut = v.sortie.str().size();
    auto refus = [&](const std::string& raison) {
        e.Ihm.Message(
            "La commande n'a pas pu être appliquée à la variante : " + raison + Messages(v, debut),
            Boutons::Ok, Icone::Exclamation, kTitre);
    };
    CopieReglages(e, v.e);
    std::string erreur;
    for (const std::string& ligne : e.JournalCommandes.DerniereCommande()) {
        std::vector<std::string> jetons;
        if (!DecoupeLigne(ligne, jetons, erreur)) return refus(erreur);
        if (jetons.empty()) continue;
        if (!v.port.AjouteReponse(jetons, erreur)) return refus(erreur);
    }
    if (!v.e.Menus.EstDisponible(commande))
        return refus("elle n'est pas disponible sur la variante en ce moment.");
    const std::uint64_t numeroVariante = v.e.NumeroResultat;
    const std::uint64_t echecs = NombreEchecs();
    Issue issue = Issue::Refusee;
    {
        // What the variant writes is put back: the base's files are the ones kept.
        GardeFichiers garde;
        try {
            issue = ExecuteCommande(v.e, commande);
        } catch (const SansReponse& s) {
            garde.Restaure();
            v.port.Vide();
            return refus("elle y demande ce qu'elle n'a pas demandé sur la base (" + s.question +
                         ").");
        } catch (const ErreurScript& s) {
            garde.Restaure();
            v.port.Vide();
            return refus(s.texte + ".");
        }
        garde.Restaure();
    }
    v.port.Vide();
    if (issue != Issue::Faite || NombreEchecs() != echecs) return refus("elle y a échoué.");
    if (e.NumeroResultat == numero) return;  // the command gave no result
    if (v.e.NumeroResultat == numeroVariante || v.e.GenreResultat != e.GenreResultat)
        return refus("elle n'y a pas donné de résultat.");
    switch (e.GenreResultat) {
        case TablesResultats::Genre::Noeuds:
            CompareNoeuds(e, v.e);
            break;
        case TablesResultats::Genre::Couples:
            CompareCouples(e, v.e);
            break;
        case TablesResultats::Genre::Valeur:
            CompareReseau(e, v.e, commande);
            break;
        case TablesResultats::Genre::Aucun:
            break;
    }
}

}  // namespace vek
