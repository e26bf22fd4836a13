#include "location/IndicateursChemins.h"

#include <algorithm>
#include <cstdint>

#include "location/EtatLocalisation.h"
#include "network/Noeud.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"

namespace vek {

namespace {

// Nodes above these populations take part in the weighted sums and in the emission
// centrality.
constexpr std::int32_t kPopulationSomme = 50000;
constexpr std::int32_t kPopulationCentralite = 2000;

// ValeursNoeuds re-created at zero; false, after a message, when the routine reads CheminsMin
// and it does not hold a row per node.
bool Prepare(EtatLocalisation& e, bool chemins) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    e.ValeursNoeuds.assign(n + 1, 0.0);
    if (!chemins || e.CheminsMin.Lignes() == n + 1) return true;
    e.Ihm.Message(
        "Les chemins minimaux ne correspondent pas au réseau en cours : calculez-les d'abord "
        "(Chemins minimaux, Calcul).",
        Boutons::Ok, Icone::Exclamation, kTitreVek);
    return false;
}

// One message for the nodes whose value would divide by zero and was set to 0.
void SignaleZeros(EtatLocalisation& e, std::int64_t nb, const std::string& raison) {
    if (nb == 0) return;
    e.Ihm.Message(TexteNombre(nb) + " noeud(s) reçoivent la valeur 0 : " + raison, Boutons::Ok,
                  Icone::Information, kTitreVek);
}

// The nodes above a population, in index order.
std::vector<std::size_t> NoeudsAuDessus(const EtatLocalisation& e, std::int32_t population) {
    std::vector<std::size_t> s;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(e.NbNoeuds); ++i)
        if (e.Noeuds[i].Population > population) s.push_back(i);
    return s;
}

// Row i of the straight-line distance matrix, as the Euclidean matrix holds it: Single, 1 on
// the diagonal.
void LigneEuclidienne(const std::vector<Noeud>& noeuds, std::size_t n, std::size_t i,
                      std::vector<float>& ligne) {
    ligne.assign(n + 1, 0.0f);
    for (std::size_t j = 1; j <= n; ++j)
        ligne[j] = i == j ? 1.0f : static_cast<float>(DistanceVolOiseau(noeuds[i], noeuds[j]));
}

// The sums over the origins j of d(j, i) for every destination i, `poids` giving the factor
// of each row; `diagonaleUn` reads d(i, i) as 1. Rows are read whole; each column still adds
// its terms in the order of j.
template <typename Poids>
std::vector<double> SommesColonnes(EtatLocalisation& e, Poids poids, bool diagonaleUn,
                                   const std::string& message) {
    const TablesChemins& r = e;
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    std::vector<double> sommes(n + 1, 0.0);
    for (std::size_t j = 1; j <= n; ++j) {
        AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(j), message);
        const CelluleChemin* ligne = r.CheminsMin.Ligne(j);
        const double p = poids(j);
        for (std::size_t i = 1; i <= n; ++i) {
            const float d = i == j && diagonaleUn ? 1.0f : ligne[i].Valeur;
            sommes[i] += poids.unitaire ? static_cast<double>(d) : static_cast<double>(d) * p;
        }
    }
    return sommes;
}

struct SansPoids {
    static constexpr bool unitaire = true;
    double operator()(std::size_t) const { return 1; }
};
struct PoidsPopulation {
    static constexpr bool unitaire = false;
    const std::vector<Noeud>& noeuds;
    double operator()(std::size_t j) const { return noeuds[j].Population; }
};

}  // namespace

bool CalculSVMA(EtatLocalisation& e, bool pondere) {
    if (!Prepare(e, true)) return false;
    const std::string message = "Calcul des sommes des valeurs minimales (attraction)...";
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    if (e.PonderationPopulation) {
        e.ValeursNoeuds = SommesColonnes(e, PoidsPopulation{e.Noeuds}, true, message);
    } else if (!pondere) {
        e.ValeursNoeuds = SommesColonnes(e, SansPoids{}, false, message);
    } else {
        e.ValeursNoeuds = SommesColonnes(e, SansPoids{}, true, message);
        std::int64_t nuls = 0;
        for (std::size_t i = 1; i <= n; ++i) {
            const std::int32_t p = e.Noeuds[i].Population;
            if (p == 0) {
                e.ValeursNoeuds[i] = 0;
                ++nuls;
            } else {
                e.ValeursNoeuds[i] /= p;
            }
        }
        SignaleZeros(e, nuls,
                     "leur population est nulle, la somme de leurs valeurs minimales ne peut pas "
                     "y être rapportée.");
    }
    return true;
}

bool CalculSVME(EtatLocalisation& e, bool pondere) {
    if (!Prepare(e, true)) return false;
    const std::string message = "Calcul des sommes des valeurs minimales (émission)...";
    const TablesChemins& r = e;
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    if (!pondere) {
        for (std::size_t i = 1; i <= n; ++i) {
            AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(i), message);
            const CelluleChemin* ligne = r.CheminsMin.Ligne(i);
            double s = 0;
            for (std::size_t j = 1; j <= n; ++j) s += ligne[j].Valeur;
            e.ValeursNoeuds[i] = s;
        }
        return true;
    }
    const std::vector<std::size_t> grands = NoeudsAuDessus(e, kPopulationSomme);
    const auto m = static_cast<std::int64_t>(grands.size());
    for (std::size_t k = 0; k < grands.size(); ++k) {
        AfficheProgression(e, m, static_cast<std::int64_t>(k) + 1, message);
        const CelluleChemin* ligne = r.CheminsMin.Ligne(grands[k]);
        double s = 0;
        for (std::size_t j : grands) s += ligne[j].Valeur;
        e.ValeursNoeuds[grands[k]] = m > 1 ? s / static_cast<double>(m - 1) : 0;
    }
    if (m == 1)
        SignaleZeros(e, m,
                     "la moyenne vers les autres noeuds de plus de 50000 habitants demande au "
                     "moins deux tels noeuds.");
    return true;
}

bool CalculSVE(EtatLocalisation& e, bool pondere) {
    Prepare(e, false);
    const std::string message = "Création de la matrice des distances euclidiennes...";
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    std::vector<float> ligne;
    if (!pondere) {
        for (std::size_t i = 1; i <= n; ++i) {
            AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(i), message);
            LigneEuclidienne(e.Noeuds, n, i, ligne);
            double s = 0;
            for (std::size_t j = 1; j <= n; ++j) s += ligne[j];
            e.ValeursNoeuds[i] = s;
        }
        return true;
    }
    const std::vector<std::size_t> grands = NoeudsAuDessus(e, kPopulationSomme);
    const auto m = static_cast<std::int64_t>(grands.size());
    for (std::size_t k = 0; k < grands.size(); ++k) {
        AfficheProgression(e, m, static_cast<std::int64_t>(k) + 1, message);
        const std::size_t i = grands[k];
        LigneEuclidienne(e.Noeuds, n, i, ligne);
        ligne[i] = 0;
        double s = 0;
        for (std::size_t j : grands) s += ligne[j];
        e.ValeursNoeuds[i] = m > 1 ? s / static_cast<double>(m - 1) : 0;
    }
    if (m == 1)
        SignaleZeros(e, m,
                     "la moyenne vers les autres noeuds de plus de 50000 habitants demande au "
                     "moins deux tels noeuds.");
    return true;
}

bool CalculNbConnexions(EtatLocalisation& e) {
    if (!Prepare(e, true)) return false;
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    if (!VerifieTracesCourantes(e)) return false;
    // From each origin i, the traces form a tree rooted at i: the walk back from j passes
    // through k exactly when j lies under k, so the paths through k are counted at once as
    // the destinations under it. A walk that never comes back to i (a cycle of the traces,
    // a node out of the table) leaves its pair out, as a bounded walk would: a walk that comes
    // back does so within NbNoeuds steps, never meeting a node twice.
    const TablesChemins& r = e;
    const auto nn = static_cast<std::int32_t>(n);
    std::vector<std::int64_t> codes(n + 1);
    for (std::size_t k = 1; k <= n; ++k) codes[k] = e.Noeuds[k].Code;
    constexpr std::int32_t kInconnu = -1, kEnCours = -2, kSansRetour = -3;
    std::vector<std::int32_t> profondeur(n + 1), pile, parProfondeur(n + 1), debut(n + 2);
    std::vector<std::int64_t> compte(n + 1);
    pile.reserve(n + 1);
    std::int64_t rompus = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(i),
                           "Calcul du nombre de connexions des arc minimaux...");
        const CellulePredecesseur* preds = r.MatPredecesseurs.Ligne(i);
        const CelluleChemin* valeurs = r.CheminsMin.Ligne(i);
        // The number of steps back to i of every node, or no way back.
        std::fill(profondeur.begin(), profondeur.end(), kInconnu);
        profondeur[i] = 0;
        std::int32_t plusProfond = 0;
        for (std::int32_t k = 1; k <= nn; ++k) {
            std::int32_t x = k;
            while (x >= 1 && x <= nn && profondeur[static_cast<std::size_t>(x)] == kInconnu) {
                profondeur[static_cast<std::size_t>(x)] = kEnCours;
                pile.push_back(x);
                x = preds[x].Pred;
            }
            std::int32_t p =
                x >= 1 && x <= nn ? profondeur[static_cast<std::size_t>(x)] : kSansRetour;
            if (p == kEnCours) p = kSansRetour;
            while (!pile.empty()) {
                if (p != kSansRetour) ++p;
                profondeur[static_cast<std::size_t>(pile.back())] = p;
                pile.pop_back();
            }
            if (p > plusProfond) plusProfond = p;
        }
        // Each destination counts for itself, then for every node above it, deepest first.
        std::fill(debut.begin(), debut.begin() + plusProfond + 2, 0);
        for (std::size_t k = 1; k <= n; ++k) {
            compte[k] = 0;
            const std::int32_t p = profondeur[k];
            if (p < 0) {
                if (codes[k] != codes[i] && valeurs[k].Valeur < kInfini) ++rompus;
                continue;
            }
            if (codes[k] != codes[i] && valeurs[k].Valeur < kInfini) compte[k] = 1;
            ++debut[static_cast<std::size_t>(p) + 1];
        }
        for (std::int32_t p = 1; p <= plusProfond + 1; ++p)
            debut[static_cast<std::size_t>(p)] += debut[static_cast<std::size_t>(p) - 1];
        for (std::size_t k = 1; k <= n; ++k)
            if (profondeur[k] >= 0)
                parProfondeur[static_cast<std::size_t>(
                    debut[static_cast<std::size_t>(profondeur[k])]++)] =
                    static_cast<std::int32_t>(k);
        // parProfondeur now lists the nodes by increasing depth, i first.
        for (std::int32_t q = debut[static_cast<std::size_t>(plusProfond)] - 1; q >= 1; --q) {
            const std::int32_t k = parProfondeur[static_cast<std::size_t>(q)];
            compte[static_cast<std::size_t>(preds[k].Pred)] += compte[static_cast<std::size_t>(k)];
        }
        for (std::size_t k = 1; k <= n; ++k)
            if (profondeur[k] >= 0) e.ValeursNoeuds[k] += static_cast<double>(compte[k]);
    }
    if (rompus > 0)
        e.Ihm.Message(TexteNombre(rompus) +
                          " chemin(s) dont le tracé ne ramène pas à l'origine sont laissés de "
                          "côté : recalculez les tracés.",
                      Boutons::Ok, Icone::Information, kTitreVek);
    return true;
}

bool CalculCentraliteAttraction(EtatLocalisation& e) {
    if (!Prepare(e, true)) return false;
    const std::string message = "Calcul de la centralité d'attraction...";
    const TablesChemins& r = e;
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    // One pass: the total in the order of the rows, each column's sum in the order of j.
    std::vector<double> a(n + 1, 0.0);
    double t = 0;
    for (std::size_t j = 1; j <= n; ++j) {
        AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(j), message);
        const CelluleChemin* ligne = r.CheminsMin.Ligne(j);
        for (std::size_t i = 1; i <= n; ++i) {
            t += ligne[i].Valeur;
            a[i] += ligne[i].Valeur;
        }
    }
    std::int64_t nuls = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        if (a[i] == 0) {
            ++nuls;
            continue;
        }
        e.ValeursNoeuds[i] = 100 * (t / static_cast<double>(n)) / a[i];
    }
    SignaleZeros(e, nuls,
                 "la somme des chemins minimaux qui y arrivent est nulle, leur centralité n'est "
                 "pas définie.");
    return true;
}

bool CalculCentraliteEmission(EtatLocalisation& e) {
    if (!Prepare(e, true)) return false;
    const std::string message = "Calcul de la centralité d'émission...";
    const TablesChemins& r = e;
    const std::vector<std::size_t> grands = NoeudsAuDessus(e, kPopulationCentralite);
    if (grands.empty()) {
        e.Ihm.Message(
            "Aucun noeud ne compte plus de 2000 habitants : la centralité d'émission est nulle "
            "pour tous les noeuds.",
            Boutons::Ok, Icone::Information, kTitreVek);
        return true;
    }
    const auto nb = static_cast<std::int64_t>(grands.size());
    // One pass: each row's sum, the total in the order of the rows.
    double t = 0;
    for (std::size_t k = 0; k < grands.size(); ++k) {
        AfficheProgression(e, nb, static_cast<std::int64_t>(k) + 1, message);
        const CelluleChemin* ligne = r.CheminsMin.Ligne(grands[k]);
        double s = 0;
        for (std::size_t j : grands) {
            t += ligne[j].Valeur;
            s += ligne[j].Valeur;
        }
        e.ValeursNoeuds[grands[k]] = s;
    }
    std::int64_t nuls = 0;
    for (std::size_t i : grands) {
        double& v = e.ValeursNoeuds[i];
        if (v == 0) {
            ++nuls;
            continue;
        }
        v = (t / static_cast<double>(nb)) / v;
    }
    SignaleZeros(e, nuls,
                 "la somme de leurs chemins minimaux vers les noeuds de plus de 2000 habitants "
                 "est nulle, leur centralité n'est pas définie.");
    return true;
}

bool CalculCentraliteEuclidienne(EtatLocalisation& e) {
    Prepare(e, false);
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    std::vector<float> ligne;
    for (std::size_t i = 1; i <= n; ++i) {
        AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(i),
                           "Création de la matrice des distances euclidiennes...");
        LigneEuclidienne(e.Noeuds, n, i, ligne);
        double v = 0;
        for (std::size_t j = 1; j <= n; ++j)
            if (ligne[j] > v) v = ligne[j];
        e.ValeursNoeuds[i] = v;
    }
    return true;
}

bool CalculEquiteAttraction(EtatLocalisation& e) {
    if (!Prepare(e, true)) return false;
    const TablesChemins& r = e;
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    std::vector<double>& v = e.ValeursNoeuds;
    for (std::size_t j = 1; j <= n; ++j) {
        AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(j),
                           "Calcul de l'équité (attraction)...");
        const CelluleChemin* ligne = r.CheminsMin.Ligne(j);
        for (std::size_t i = 1; i <= n; ++i)
            if (ligne[i].Valeur > v[i]) v[i] = ligne[i].Valeur;
    }
    return true;
}

bool CalculEquiteEmission(EtatLocalisation& e) {
    if (!Prepare(e, true)) return false;
    const TablesChemins& r = e;
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    for (std::size_t i = 1; i <= n; ++i) {
        AfficheProgression(e, e.NbNoeuds, static_cast<std::int64_t>(i),
                           "Calcul de l'équité (émission)...");
        const CelluleChemin* ligne = r.CheminsMin.Ligne(i);
        double v = 0;
        for (std::size_t j = 1; j <= n; ++j)
            if (ligne[j].Valeur > v) v = ligne[j].Valeur;
        e.ValeursNoeuds[i] = v;
    }
    return true;
}

const std::vector<IndicateurMultipolaire>& IndicateursMultipolaires() {
    static const std::vector<IndicateurMultipolaire> table = {
        {"SVMA", "\\NSVMA000.dat", CalculSVMA},
        {"SVME", "\\NSVME000.dat", CalculSVME},
        {"SVE", "\\NSVE000.dat", CalculSVE},
        {"NbConnex", "\\NConnex.dat",
         [](EtatLocalisation& e, bool) { return CalculNbConnexions(e); }},
        {"Centralité_A", "\\NCA000.dat",
         [](EtatLocalisation& e, bool) { return CalculCentraliteAttraction(e); }},
        {"Centralité_E", "\\NCE000.dat",
         [](EtatLocalisation& e, bool) { return CalculCentraliteEmission(e); }},
        {"CentralitéEuclid", "\\NCEuc000.dat",
         [](EtatLocalisation& e, bool) { return CalculCentraliteEuclidienne(e); }},
        {"Equité_E", "\\NEqE000.dat",
         [](EtatLocalisation& e, bool) { return CalculEquiteEmission(e); }},
        {"Equité_A", "\\NEqA000.dat",
         [](EtatLocalisation& e, bool) { return CalculEquiteAttraction(e); }},
    };
    return table;
}

}  // namespace vek
