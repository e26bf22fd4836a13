#include "indicators/ConnexionsNodales.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "indicators/EtatIndicateurs.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Traces.h"
#include "shell/Memoire.h"
#include "shell/Progression.h"

namespace vek {

namespace {

constexpr int kMinutesConnexion = 20;

// The rail and road modes between which a change costs time.
bool ModeAvecConnexion(int mode) {
    switch (mode) {
        case 3:
        case 31:
        case 4:
        case 41:
        case 6:
        case 61:
        case 622:
        case 7:
        case 71:
        case 72:
        case 74:
        case 75:
            return true;
        default:
            return false;
    }
}

// Arcs counted at a node or between two nodes: all of them, and those of a mode with
// connection time.
struct Compte {
    std::int32_t Tous = 0;
    std::int32_t AvecConnexion = 0;

    void Ajoute(bool avecConnexion) {
        ++Tous;
        AvecConnexion += avecConnexion ? 1 : 0;
    }
};

}  // namespace

int TempsConnexion(int a, int b) {
    return ModeAvecConnexion(a) && ModeAvecConnexion(b) ? kMinutesConnexion : 0;
}

void ConnexionsNodales(EtatIndicateurs& e) {
    const std::int32_t na = std::max(e.NbArcs, 0);
    const std::size_t t = static_cast<std::size_t>(na);
    e.SommesTempsConnexion.assign(t + 1, 0);
    e.NbConnexionsArc.assign(t + 1, 0);

    // The arcs that meet arc m from o to d are those entering o, less those coming from d,
    // and those leaving o, less those going to d: counted once per node and per ordered pair
    // of node codes rather than by comparing every pair of arcs. The codes are numbered
    // densely so that a pair is one 64-bit key.
    std::unordered_map<std::int64_t, std::int32_t> numeros;
    numeros.reserve(2 * t);
    std::vector<std::int32_t> origines(t + 1), destinations(t + 1);
    for (std::size_t a = 1; a <= t; ++a) {
        const Arc& arc = e.Arcs[a];
        const auto suivant = static_cast<std::int32_t>(numeros.size());
        origines[a] = numeros.try_emplace(arc.Origine, suivant).first->second;
        const auto apres = static_cast<std::int32_t>(numeros.size());
        destinations[a] = numeros.try_emplace(arc.Destination, apres).first->second;
    }
    const auto nbCodes = static_cast<std::int64_t>(numeros.size());
    auto cle = [nbCodes](std::int32_t o, std::int32_t d) {
        return static_cast<std::int64_t>(o) * nbCodes + d;
    };
    std::vector<Compte> entrants(numeros.size()), sortants(numeros.size());
    std::unordered_map<std::int64_t, Compte> paires;
    paires.reserve(t);
    for (std::size_t a = 1; a <= t; ++a) {
        const bool avec = ModeAvecConnexion(e.Arcs[a].Mode);
        entrants[static_cast<std::size_t>(destinations[a])].Ajoute(avec);
        sortants[static_cast<std::size_t>(origines[a])].Ajoute(avec);
        paires[cle(origines[a], destinations[a])].Ajoute(avec);
    }
    auto paire = [&](std::int32_t o, std::int32_t d) {
        auto p = paires.find(cle(o, d));
        return p == paires.end() ? Compte{} : p->second;
    };

    for (std::size_t m = 1; m <= t; ++m) {
        AfficheProgression(e, na, static_cast<std::int64_t>(m),
                           "Calcul des temps de connexions nodales intra et inter-réseaux...");
        const std::int32_t o = origines[m], d = destinations[m];
        const Compte& dansO = entrants[static_cast<std::size_t>(o)];
        const Compte& horsDeO = sortants[static_cast<std::size_t>(o)];
        const Compte retour = paire(d, o), meme = paire(o, d);
        e.NbConnexionsArc[m] = dansO.Tous - retour.Tous + horsDeO.Tous - meme.Tous;
        if (ModeAvecConnexion(e.Arcs[m].Mode))
            e.SommesTempsConnexion[m] =
                kMinutesConnexion * (dansO.AvecConnexion - retour.AvecConnexion +
                                     horsDeO.AvecConnexion - meme.AvecConnexion);
    }

    // The arc keeps its time without connection: the mean is put in its place, not added to
    // what a previous run left.
    for (std::size_t m = 1; m <= t; ++m) {
        AfficheProgression(
            e, na, static_cast<std::int64_t>(m),
            "Adjonction de la moyenne des temps de connexions à la valeur des arcs divergents...");
        Arc& arc = e.Arcs[m];
        GardeValeursLues(arc);
        const std::int32_t nombre = e.NbConnexionsArc[m];
        arc.TempsConnexion =
            nombre != 0 ? static_cast<double>(e.SommesTempsConnexion[m]) / nombre : 0;
        RecomposeTemps(arc);
    }
    CalculMatriceArcsMin(e);
}

void CollecteConnexionsParArc(EtatIndicateurs& e) {
    const std::int32_t n = std::max(e.NbNoeuds, 0);
    const std::size_t t = static_cast<std::size_t>(n);
    const std::uint64_t cellules = static_cast<std::uint64_t>(t + 1) * (t + 1);
    const std::uint64_t dejaLa =
        static_cast<std::uint64_t>(e.ConnexionsArcsMin.Lignes()) * e.ConnexionsArcsMin.Colonnes();
    if (cellules > dejaLa)
        VerifieMemoire((cellules - dejaLa) * sizeof(CelluleConnexion),
                       "la matrice des connexions par arc");
    e.ConnexionsArcsMin.Dimensionne(t);

    // For origin i the predecessors form a tree rooted at i over the nodes whose chain leads
    // back to i; a chain that loops or leaves the table reaches no destination. Every path
    // to a destination below child c of node k crosses k from Pred(i, k) towards c, so the
    // change at k is charged once for each such destination.
    enum : std::int8_t { Inconnu, EnCours, Relie, Coupe };
    std::vector<std::int8_t> etat(t + 1);
    std::vector<std::int32_t> ordre;  // the nodes tied to i, each after its predecessor
    std::vector<std::int32_t> pile;
    std::vector<std::int32_t> destinations(t + 1);  // destinations at or below each node
    ordre.reserve(t);
    for (std::int32_t i = 1; i <= n; ++i) {
        AfficheProgression(e, n, i, "Calcul des temps de connexion par arc...");
        const CellulePredecesseur* preds = e.MatPredecesseurs.Ligne(static_cast<std::size_t>(i));
        const CelluleChemin* chemins = e.CheminsMin.Ligne(static_cast<std::size_t>(i));
        std::fill(etat.begin(), etat.end(), Inconnu);
        etat[static_cast<std::size_t>(i)] = Relie;
        ordre.clear();
        for (std::int32_t k = 1; k <= n; ++k) {
            if (etat[static_cast<std::size_t>(k)] != Inconnu) continue;
            pile.clear();
            std::int32_t x = k;
            while (x >= 1 && x <= n && etat[static_cast<std::size_t>(x)] == Inconnu) {
                etat[static_cast<std::size_t>(x)] = EnCours;
                pile.push_back(x);
                x = preds[x].Pred;
            }
            const bool relie = x >= 1 && x <= n && etat[static_cast<std::size_t>(x)] == Relie;
            for (auto p = pile.rbegin(); p != pile.rend(); ++p) {
                etat[static_cast<std::size_t>(*p)] = relie ? Relie : Coupe;
                if (relie) ordre.push_back(*p);
            }
        }
        for (std::int32_t k : ordre)
            destinations[static_cast<std::size_t>(k)] = chemins[k].Valeur < kInfini ? 1 : 0;
        // Children before their predecessor: each count is complete when it is used.
        for (auto c = ordre.rbegin(); c != ordre.rend(); ++c) {
            const std::int32_t nombre = destinations[static_cast<std::size_t>(*c)];
            const std::int32_t k = preds[*c].Pred;
            if (nombre == 0 || k == i) continue;
            CelluleConnexion& cellule = e.ConnexionsArcsMin(static_cast<std::size_t>(preds[k].Pred),
                                                            static_cast<std::size_t>(k));
            cellule.Somme += TempsConnexion(preds[k].Mode, preds[*c].Mode) * nombre;
            cellule.Nombre += static_cast<float>(nombre);
            destinations[static_cast<std::size_t>(k)] += nombre;
        }
    }
}

bool ConnexionsParArc(EtatIndicateurs& e) {
    if (!VerifieTracesCourantes(e)) return false;
    const std::size_t cellules = e.MatArcsMin.Lignes() * e.MatArcsMin.Colonnes();
    if (e.MatArcsMin.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1) return false;
    CollecteConnexionsParArc(e);
    CelluleArcMin* arcs = e.MatArcsMin.Ligne(0);
    // The matrix was not rebuilt since the last run: it still holds what that run added.
    if (e.GenerationConnexions == e.GenerationReseau)
        for (const auto& [c, valeur] : e.ValeursAvantConnexions)
            if (c < cellules) arcs[c].Valeur = valeur;
    e.ValeursAvantConnexions.clear();
    const CelluleConnexion* connexions = e.ConnexionsArcsMin.Ligne(0);
    for (std::size_t c = 0; c < cellules; ++c) {
        if (connexions[c].Nombre == 0) continue;
        e.ValeursAvantConnexions.emplace_back(c, arcs[c].Valeur);
        const double moyenne =
            static_cast<double>(connexions[c].Somme) / static_cast<double>(connexions[c].Nombre);
        arcs[c].Valeur = static_cast<float>(std::trunc(moyenne)) + arcs[c].Valeur;
    }
    // Only (a, b) of a two-way pair has changed: the paths are directed from now on, and
    // those computed before no longer match the matrix.
    e.Oriente = true;
    ++e.GenerationReseau;
    e.GenerationConnexions = e.GenerationReseau;
    return true;
}

void menConnexionsNodales(EtatIndicateurs& e) {
    Sablier sablier(e.Ihm);
    ConnexionsNodales(e);
}

void menConnexions(EtatIndicateurs& e) {
    Sablier sablier(e.Ihm);
    ConnexionsParArc(e);
}

}  // namespace vek
