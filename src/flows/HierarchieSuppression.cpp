#include "flows/HierarchieSuppression.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

#include "network/IndexCodes.h"
#include "paths/Equipe.h"
#include "paths/EtatChemins.h"
#include "paths/Floyd.h"

namespace vek {

namespace {

constexpr float kAucun = std::numeric_limits<float>::infinity();

using Horloge = std::chrono::steady_clock;

double Secondes(Horloge::time_point depuis) {
    return std::chrono::duration<double>(Horloge::now() - depuis).count();
}

bool ModeOriente(const EtatChemins& e, int code) {
    for (const Mode& m : e.TableModes)
        if (m.Code == code) return m.Oriente;
    return false;  // an unknown mode is looked up as a cleared one
}

// One arc of a pair of nodes {lo, hi}, in table order.
struct ArcPaire {
    std::int32_t Lo, Hi, Arc;
    bool Aller;     // from lo to hi
    bool DeuxSens;  // its mode is not oriented: it writes the reverse cell too
    float Valeur;
};

// The two cells of a pair (lo -> hi, hi -> lo) as the minimal-arc matrix builds them from the
// pair's arcs in order, leaving out one of them (`sauf`); 0 means no arc.
std::pair<float, float> Rejoue(const ArcPaire* debut, const ArcPaire* fin, std::int32_t sauf) {
    float aller = 0, retour = 0;
    for (const ArcPaire* r = debut; r != fin; ++r) {
        if (r->Arc == sauf) continue;
        float& c = r->Aller ? aller : retour;
        if (c == 0 || r->Valeur < c) {
            c = r->Valeur;
            if (r->DeuxSens) (r->Aller ? retour : aller) = r->Valeur;
        }
    }
    return {aller, retour};
}

}  // namespace

// A thread's buffers: the tree of the origin in hand (children, preorder, subtree sizes), the
// recomputed distances, the heap, and the sums of its origins.
class HierarchieSuppression::Travail {
  public:
    explicit Travail(const HierarchieSuppression& h)
        : h_(h),
          n_(h.n_),
          nouv_(static_cast<std::size_t>(n_) + 1, kAucun),
          dans_(static_cast<std::size_t>(n_) + 1, 0),
          fait_(static_cast<std::size_t>(n_) + 1, 0),
          debutEnfants_(static_cast<std::size_t>(n_) + 2, 0),
          enfants_(static_cast<std::size_t>(n_) + 1, 0),
          ordre_(static_cast<std::size_t>(n_) + 1, 0),
          pos_(static_cast<std::size_t>(n_) + 1, 0),
          taille_(static_cast<std::size_t>(n_) + 1, 0) {}

    // Cells in force instead of the network's while an element is removed.
    void Modifie(const Changement* c) {
        nbModif_ = 0;
        if (c)
            for (std::int32_t k = 0; k < c->Nombre; ++k) modif_[nbModif_++] = c->Cellules[k];
    }

    float Valeur(std::int32_t p) const {
        for (std::int32_t k = 0; k < nbModif_; ++k)
            if (modif_[k].Arete == p) return modif_[k].Valeur;
        return h_.valeur_[static_cast<std::size_t>(p)];
    }

    // Dijkstra from s with the cells in force: dist (kInfini where unreachable; a value that
    // reaches kInfini is no path, as in the pivot loop), the tree edge into each node (-1 for
    // none) when asked, and the nodes in the order they were settled (ordre_, `NbAtteints`).
    void Dijkstra(std::int32_t s, float* dist, std::int32_t* parent) {
        std::fill(dist, dist + n_ + 1, kInfini);
        if (parent) std::fill(parent, parent + n_ + 1, -1);
        ++marque_;
        tas_.clear();
        dist[s] = 0;
        Pousse(0, s);
        nbAtteints_ = 0;
        while (!tas_.empty()) {
            auto [d, x] = Retire();
            if (fait_[static_cast<std::size_t>(x)] == marque_ || d != dist[x]) continue;
            fait_[static_cast<std::size_t>(x)] = marque_;
            ordre_[static_cast<std::size_t>(nbAtteints_++)] = x;
            for (std::int32_t p = h_.debutSortie_[static_cast<std::size_t>(x)];
                 p < h_.debutSortie_[static_cast<std::size_t>(x) + 1]; ++p) {
                const std::int32_t z = h_.sortieVers_[static_cast<std::size_t>(p)];
                const float c = d + Valeur(p);
                if (c < dist[z] && c < kInfini) {
                    dist[z] = c;
                    if (parent) parent[z] = p;
                    Pousse(c, z);
                }
            }
        }
    }

    // The tree of origin s from its row of tree edges: preorder (ordre_), position and size of
    // every subtree, so that the subtree of v is ordre_[pos_[v] .. pos_[v] + taille_[v]).
    void Arbre(std::int32_t s) {
        const std::int32_t* parent = h_.parent_.data() + static_cast<std::size_t>(s) * (n_ + 1);
        std::fill(debutEnfants_.begin(), debutEnfants_.end(), 0);
        for (std::int32_t v = 1; v <= n_; ++v)
            if (parent[v] >= 0) ++debutEnfants_[static_cast<std::size_t>(Pere(parent[v])) + 1];
        for (std::size_t v = 1; v < debutEnfants_.size(); ++v)
            debutEnfants_[v] += debutEnfants_[v - 1];
        curseur_.assign(debutEnfants_.begin(), debutEnfants_.end() - 1);
        for (std::int32_t v = 1; v <= n_; ++v)
            if (parent[v] >= 0)
                enfants_[static_cast<std::size_t>(
                    curseur_[static_cast<std::size_t>(Pere(parent[v]))]++)] = v;
        std::int32_t q = 0;
        pile_.clear();
        pile_.push_back(s);
        while (!pile_.empty()) {
            const std::int32_t x = pile_.back();
            pile_.pop_back();
            ordre_[static_cast<std::size_t>(q)] = x;
            pos_[static_cast<std::size_t>(x)] = q++;
            taille_[static_cast<std::size_t>(x)] = 1;
            for (std::int32_t c = debutEnfants_[static_cast<std::size_t>(x)];
                 c < debutEnfants_[static_cast<std::size_t>(x) + 1]; ++c)
                pile_.push_back(enfants_[static_cast<std::size_t>(c)]);
        }
        nbAtteints_ = q;
        for (std::int32_t k = q - 1; k > 0; --k) {
            const std::int32_t x = ordre_[static_cast<std::size_t>(k)];
            taille_[static_cast<std::size_t>(Pere(parent[x]))] +=
                taille_[static_cast<std::size_t>(x)];
        }
    }

    // The subtree of r on the tree of the origin whose distances are d, recomputed with the
    // cells in force (and without r itself when `sansRacine`): its nodes start from their
    // neighbours outside it, then Dijkstra runs inside it. Adds the changes to `somme`; false
    // when one of its nodes is left without a path.
    bool SousArbre(const float* d, std::int32_t r, bool sansRacine, double& somme) {
        const std::int32_t q0 = pos_[static_cast<std::size_t>(r)];
        const std::int32_t q1 = q0 + taille_[static_cast<std::size_t>(r)];
        ++marque_;
        for (std::int32_t q = q0; q < q1; ++q) {
            const std::int32_t x = ordre_[static_cast<std::size_t>(q)];
            dans_[static_cast<std::size_t>(x)] = marque_;
            nouv_[static_cast<std::size_t>(x)] = kAucun;
        }
        tas_.clear();
        for (std::int32_t q = sansRacine ? q0 + 1 : q0; q < q1; ++q) {
            const std::int32_t x = ordre_[static_cast<std::size_t>(q)];
            float meilleur = kAucun;
            for (std::int32_t k = h_.debutEntree_[static_cast<std::size_t>(x)];
                 k < h_.debutEntree_[static_cast<std::size_t>(x) + 1]; ++k) {
                const std::int32_t y = h_.entreeDe_[static_cast<std::size_t>(k)];
                if (dans_[static_cast<std::size_t>(y)] == marque_ || !(d[y] < kInfini)) continue;
                const float c = d[y] + Valeur(h_.entreeArete_[static_cast<std::size_t>(k)]);
                if (c < meilleur) meilleur = c;
            }
            if (meilleur < kInfini) {
                nouv_[static_cast<std::size_t>(x)] = meilleur;
                Pousse(meilleur, x);
            }
        }
        while (!tas_.empty()) {
            auto [dx, x] = Retire();
            if (fait_[static_cast<std::size_t>(x)] == marque_ ||
                dx != nouv_[static_cast<std::size_t>(x)])
                continue;
            fait_[static_cast<std::size_t>(x)] = marque_;
            for (std::int32_t p = h_.debutSortie_[static_cast<std::size_t>(x)];
                 p < h_.debutSortie_[static_cast<std::size_t>(x) + 1]; ++p) {
                const std::int32_t z = h_.sortieVers_[static_cast<std::size_t>(p)];
                if (dans_[static_cast<std::size_t>(z)] != marque_ || (sansRacine && z == r))
                    continue;
                const float c = dx + Valeur(p);
                if (c < nouv_[static_cast<std::size_t>(z)] && c < kInfini) {
                    nouv_[static_cast<std::size_t>(z)] = c;
                    Pousse(c, z);
                }
            }
        }
        double s = 0;
        for (std::int32_t q = sansRacine ? q0 + 1 : q0; q < q1; ++q) {
            const std::int32_t x = ordre_[static_cast<std::size_t>(q)];
            const float v = nouv_[static_cast<std::size_t>(x)];
            if (!(v < kInfini)) return false;
            s += static_cast<double>(v) - static_cast<double>(d[x]);
        }
        somme += s;
        return true;
    }

    float* Nouv() { return nouv_.data(); }
    std::int32_t Ordre(std::int32_t q) const { return ordre_[static_cast<std::size_t>(q)]; }
    std::int32_t NbAtteints() const { return nbAtteints_; }
    std::int32_t Taille(std::int32_t v) const { return taille_[static_cast<std::size_t>(v)]; }

    // The sums of the origins this thread took, by element, and the elements a removal
    // disconnects.
    std::vector<double> Somme;
    std::vector<char> Coupe;

  private:
    std::int32_t Pere(std::int32_t arete) const {
        return h_.sortieDe_[static_cast<std::size_t>(arete)];
    }
    void Pousse(float d, std::int32_t x) {
        tas_.emplace_back(d, x);
        std::push_heap(tas_.begin(), tas_.end(), std::greater<>());
    }
    std::pair<float, std::int32_t> Retire() {
        std::pop_heap(tas_.begin(), tas_.end(), std::greater<>());
        auto r = tas_.back();
        tas_.pop_back();
        return r;
    }

    const HierarchieSuppression& h_;
    std::int32_t n_;
    Cellule modif_[2];
    std::int32_t nbModif_ = 0;
    std::vector<float> nouv_;
    std::vector<std::int32_t> dans_, fait_;
    std::int32_t marque_ = 0;
    std::vector<std::pair<float, std::int32_t>> tas_;
    std::vector<std::int32_t> debutEnfants_, enfants_, pile_, curseur_;
    std::vector<std::int32_t> ordre_, pos_, taille_;
    std::int32_t nbAtteints_ = 0;
};

HierarchieSuppression::HierarchieSuppression(const EtatChemins& e) {
    if (e.Valuation != "Temps" && e.Valuation != "Distance") return;
    Graphe(e);
    if (calculable_) Arbres();
}

void HierarchieSuppression::Graphe(const EtatChemins& e) {
    n_ = std::max<std::int32_t>(e.NbNoeuds, 0);
    nbArcs_ = std::max<std::int32_t>(e.NbArcs, 0);
    const bool distance = e.Valuation == "Distance";
    const IndexCodes index(e.Noeuds, n_);
    // The arcs that enter the matrix, grouped by pair of nodes, in table order within a pair.
    std::vector<ArcPaire> arcs;
    arcs.reserve(static_cast<std::size_t>(nbArcs_));
    for (std::int32_t a = 1; a <= nbArcs_; ++a) {
        const Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        const float x = distance ? arc.Distance : arc.Temps;
        if (arc.Origine == 0 || arc.Destination == 0) continue;
        if (x == 0 || !std::isfinite(x)) continue;  // left out of the matrix
        const std::int32_t i = index(arc.Origine), j = index(arc.Destination);
        if (i == 0 || j == 0 || i == j) continue;  // no node, or a loop the diagonal hides
        // A negative value or one from kInfini on is no length for the pivot loop.
        if (x < 0 || x >= kInfini) return;
        arcs.push_back({std::min(i, j), std::max(i, j), a, i < j, !ModeOriente(e, arc.Mode), x});
    }
    calculable_ = true;
    std::stable_sort(arcs.begin(), arcs.end(), [](const ArcPaire& x, const ArcPaire& y) {
        return x.Lo != y.Lo ? x.Lo < y.Lo : x.Hi < y.Hi;
    });
    // The cells of each pair; the edges are the cells with a value, ordered by origin node,
    // and the cells that removing one arc brings in (a two-way arc kept out by a smaller
    // one-way arc then writes the reverse cell), there with no value (+infinity).
    struct CelluleBrute {
        std::int32_t De, Vers;
        float Valeur;
    };
    std::vector<std::size_t> debutPaire;
    std::vector<CelluleBrute> cellules;
    for (std::size_t k = 0; k < arcs.size();) {
        std::size_t f = k;
        while (f < arcs.size() && arcs[f].Lo == arcs[k].Lo && arcs[f].Hi == arcs[k].Hi) ++f;
        debutPaire.push_back(k);
        auto [aller, retour] = Rejoue(arcs.data() + k, arcs.data() + f, 0);
        bool allerPossible = aller != 0, retourPossible = retour != 0;
        for (std::size_t r = k; r < f && !(allerPossible && retourPossible); ++r) {
            const auto [sansAller, sansRetour] =
                Rejoue(arcs.data() + k, arcs.data() + f, arcs[r].Arc);
            allerPossible = allerPossible || sansAller != 0;
            retourPossible = retourPossible || sansRetour != 0;
        }
        if (allerPossible)
            cellules.push_back({arcs[k].Lo, arcs[k].Hi, aller != 0 ? aller : kAucun});
        if (retourPossible)
            cellules.push_back({arcs[k].Hi, arcs[k].Lo, retour != 0 ? retour : kAucun});
        k = f;
    }
    debutPaire.push_back(arcs.size());
    std::sort(cellules.begin(), cellules.end(), [](const CelluleBrute& x, const CelluleBrute& y) {
        return x.De != y.De ? x.De < y.De : x.Vers < y.Vers;
    });
    const std::size_t m = cellules.size(), n1 = static_cast<std::size_t>(n_) + 1;
    debutSortie_.assign(n1 + 1, 0);
    sortieDe_.resize(m);
    sortieVers_.resize(m);
    valeur_.resize(m);
    for (std::size_t p = 0; p < m; ++p) {
        sortieDe_[p] = cellules[p].De;
        sortieVers_[p] = cellules[p].Vers;
        valeur_[p] = cellules[p].Valeur;
        ++debutSortie_[static_cast<std::size_t>(cellules[p].De) + 1];
    }
    for (std::size_t v = 1; v <= n1; ++v) debutSortie_[v] += debutSortie_[v - 1];
    debutEntree_.assign(n1 + 1, 0);
    for (std::size_t p = 0; p < m; ++p)
        ++debutEntree_[static_cast<std::size_t>(sortieVers_[p]) + 1];
    for (std::size_t v = 1; v <= n1; ++v) debutEntree_[v] += debutEntree_[v - 1];
    entreeDe_.resize(m);
    entreeArete_.resize(m);
    {
        std::vector<std::int32_t> place(debutEntree_.begin(), debutEntree_.end() - 1);
        for (std::size_t p = 0; p < m; ++p) {
            const auto k =
                static_cast<std::size_t>(place[static_cast<std::size_t>(sortieVers_[p])]++);
            entreeDe_[k] = sortieDe_[p];
            entreeArete_[k] = static_cast<std::int32_t>(p);
        }
    }
    auto arete = [&](std::int32_t de, std::int32_t vers) {
        auto debut = sortieVers_.begin() + debutSortie_[static_cast<std::size_t>(de)];
        auto fin = sortieVers_.begin() + debutSortie_[static_cast<std::size_t>(de) + 1];
        return static_cast<std::int32_t>(std::lower_bound(debut, fin, vers) - sortieVers_.begin());
    };
    // What removing each arc of a pair does to the pair's two cells.
    changementDeLArc_.assign(static_cast<std::size_t>(nbArcs_) + 1, -1);
    for (std::size_t g = 0; g + 1 < debutPaire.size(); ++g) {
        const ArcPaire* debut = arcs.data() + debutPaire[g];
        const ArcPaire* fin = arcs.data() + debutPaire[g + 1];
        const auto [aller, retour] = Rejoue(debut, fin, 0);
        for (const ArcPaire* r = debut; r != fin; ++r) {
            const auto [sansAller, sansRetour] = Rejoue(debut, fin, r->Arc);
            Changement c;
            auto note = [&](float avant, float apres, std::int32_t de, std::int32_t vers) {
                if (avant == apres) return;
                Cellule& x = c.Cellules[c.Nombre++];
                x.Arete = arete(de, vers);
                x.Valeur = apres == 0 ? kAucun : apres;
                if (apres != 0 && (avant == 0 || apres < avant)) c.Baisse = true;
            };
            note(aller, sansAller, r->Lo, r->Hi);
            note(retour, sansRetour, r->Hi, r->Lo);
            if (c.Nombre == 0) continue;
            changementDeLArc_[static_cast<std::size_t>(r->Arc)] =
                static_cast<std::int32_t>(changements_.size());
            changements_.push_back(c);
            if (c.Baisse) arcsBaisse_.push_back(r->Arc);
        }
    }
    // For each edge, the arcs that only make cells rise and make it rise.
    debutHausses_.assign(m + 1, 0);
    for (std::int32_t a = 1; a <= nbArcs_; ++a) {
        const std::int32_t k = changementDeLArc_[static_cast<std::size_t>(a)];
        if (k < 0 || changements_[static_cast<std::size_t>(k)].Baisse) continue;
        const Changement& c = changements_[static_cast<std::size_t>(k)];
        for (std::int32_t x = 0; x < c.Nombre; ++x)
            ++debutHausses_[static_cast<std::size_t>(c.Cellules[x].Arete) + 1];
    }
    for (std::size_t p = 1; p <= m; ++p) debutHausses_[p] += debutHausses_[p - 1];
    haussesArc_.resize(static_cast<std::size_t>(debutHausses_[m]));
    std::vector<std::int32_t> place(debutHausses_.begin(), debutHausses_.end() - 1);
    for (std::int32_t a = 1; a <= nbArcs_; ++a) {
        const std::int32_t k = changementDeLArc_[static_cast<std::size_t>(a)];
        if (k < 0 || changements_[static_cast<std::size_t>(k)].Baisse) continue;
        const Changement& c = changements_[static_cast<std::size_t>(k)];
        for (std::int32_t x = 0; x < c.Nombre; ++x)
            haussesArc_[static_cast<std::size_t>(
                place[static_cast<std::size_t>(c.Cellules[x].Arete)]++)] = a;
    }
}

bool HierarchieSuppression::ParOrigine(std::vector<Travail>& travaux,
                                       const std::function<void(Travail&, std::int32_t)>& origine,
                                       const Progression& progression) const {
    std::atomic<std::int32_t> suivante{1};
    std::atomic<std::int64_t> faites{0};
    std::atomic<bool> annule{progression && !progression(0, n_)};
    Equipe equipe(static_cast<unsigned>(travaux.size()));
    equipe.Execute([&](unsigned membre) {
        auto dernier = Horloge::now();
        for (;;) {
            if (annule.load(std::memory_order_relaxed) || equipe.Abandon()) return;
            const std::int32_t s = suivante.fetch_add(1);
            if (s > n_) return;
            origine(travaux[membre], s);
            const std::int64_t f = faites.fetch_add(1) + 1;
            if (membre == 0 && progression && Secondes(dernier) > 0.1) {
                dernier = Horloge::now();
                if (!progression(f, n_)) annule = true;
            }
        }
    });
    if (annule) return false;
    if (progression) progression(n_, n_);
    return true;
}

void HierarchieSuppression::Arbres() {
    const std::size_t n1 = static_cast<std::size_t>(n_) + 1;
    distance_.assign(n1 * n1, kInfini);
    parent_.assign(n1 * n1, -1);
    poidsArcs_.assign(n1, 0);
    poidsNoeuds_.assign(n1, 0);
    std::vector<double> sommeLigne(n1, 0);
    std::vector<std::int64_t> sansLigne(n1, 0);
    std::vector<Travail> travaux;
    const unsigned taille = Equipe::TaillePour(n_);
    for (unsigned k = 0; k < taille; ++k) {
        travaux.emplace_back(*this);
        travaux.back().Somme.assign(n1, 0);  // here: the hops from the origin to each node
    }
    ParOrigine(
        travaux,
        [&](Travail& t, std::int32_t s) {
            float* d = distance_.data() + static_cast<std::size_t>(s) * n1;
            std::int32_t* p = parent_.data() + static_cast<std::size_t>(s) * n1;
            t.Dijkstra(s, d, p);
            // Hops from s and raising edges on the way, in the order the nodes were settled.
            std::vector<double>& sauts = t.Somme;
            double poidsA = 0, poidsN = 0, somme = 0;
            for (std::int32_t q = 0; q < t.NbAtteints(); ++q) {
                const std::int32_t x = t.Ordre(q);
                if (x == s) {
                    sauts[static_cast<std::size_t>(x)] = 0;
                    continue;
                }
                const std::int32_t e = p[x];
                const std::int32_t u = sortieDe_[static_cast<std::size_t>(e)];
                sauts[static_cast<std::size_t>(x)] = sauts[static_cast<std::size_t>(u)] + 1;
                poidsN += sauts[static_cast<std::size_t>(x)];
                somme += d[x];
            }
            // The edges that some arc's removal makes rise: subtree sizes of their heads.
            t.Arbre(s);
            for (std::int32_t q = 1; q < t.NbAtteints(); ++q) {
                const std::int32_t x = t.Ordre(q);
                const std::int32_t e = p[x];
                if (debutHausses_[static_cast<std::size_t>(e) + 1] >
                    debutHausses_[static_cast<std::size_t>(e)])
                    poidsA += t.Taille(x);
            }
            poidsArcs_[static_cast<std::size_t>(s)] = poidsA;
            poidsNoeuds_[static_cast<std::size_t>(s)] = poidsN;
            sommeLigne[static_cast<std::size_t>(s)] = somme;
            sansLigne[static_cast<std::size_t>(s)] = n_ - t.NbAtteints();
        },
        nullptr);
    fini_ = 0;
    sansChemin_ = 0;
    sansCheminDuNoeud_.assign(n1, 0);
    for (std::size_t s = 1; s < n1; ++s) {
        fini_ += sommeLigne[s];
        sansChemin_ += sansLigne[s];
        sansCheminDuNoeud_[s] += sansLigne[s];
        if (sansLigne[s] == 0) continue;
        for (std::size_t x = 1; x < n1; ++x)
            if (!(distance_[s * n1 + x] < kInfini)) ++sansCheminDuNoeud_[x];
    }
    s0_ = sansChemin_ == 0 ? fini_ : 0;
}

void HierarchieSuppression::ArcsDeLOrigine(Travail& t, std::int32_t s) const {
    const std::size_t n1 = static_cast<std::size_t>(n_) + 1;
    const float* d = distance_.data() + static_cast<std::size_t>(s) * n1;
    const std::int32_t* p = parent_.data() + static_cast<std::size_t>(s) * n1;
    t.Arbre(s);
    // The arcs that make a tree edge rise: the subtree below it.
    for (std::int32_t q = 1; q < t.NbAtteints(); ++q) {
        const std::int32_t v = t.Ordre(q);
        const std::int32_t e = p[v];
        for (std::int32_t k = debutHausses_[static_cast<std::size_t>(e)];
             k < debutHausses_[static_cast<std::size_t>(e) + 1]; ++k) {
            const std::int32_t a = haussesArc_[static_cast<std::size_t>(k)];
            t.Modifie(&changements_[static_cast<std::size_t>(
                changementDeLArc_[static_cast<std::size_t>(a)])]);
            if (!t.SousArbre(d, v, false, t.Somme[static_cast<std::size_t>(a)]))
                t.Coupe[static_cast<std::size_t>(a)] = 1;
        }
    }
    // The arcs that lower a cell: the whole origin again when the lower cell shortens a path
    // from s or a rising cell is on its tree.
    for (std::int32_t a : arcsBaisse_) {
        const Changement& c =
            changements_[static_cast<std::size_t>(changementDeLArc_[static_cast<std::size_t>(a)])];
        bool refait = false;
        for (std::int32_t k = 0; k < c.Nombre && !refait; ++k) {
            const Cellule& x = c.Cellules[k];
            const std::int32_t u = sortieDe_[static_cast<std::size_t>(x.Arete)];
            const std::int32_t v = sortieVers_[static_cast<std::size_t>(x.Arete)];
            if (x.Valeur < valeur_[static_cast<std::size_t>(x.Arete)])
                refait = d[u] < kInfini && d[u] + x.Valeur < d[v];
            else
                refait = p[v] == x.Arete;
        }
        if (!refait) continue;
        t.Modifie(&c);
        float* nouv = t.Nouv();
        t.Dijkstra(s, nouv, nullptr);
        double somme = 0;
        for (std::int32_t x = 1; x <= n_; ++x) {
            if (!(nouv[x] < kInfini)) {
                t.Coupe[static_cast<std::size_t>(a)] = 1;
                break;
            }
            somme += static_cast<double>(nouv[x]) - static_cast<double>(d[x]);
        }
        t.Somme[static_cast<std::size_t>(a)] += somme;
    }
    t.Modifie(nullptr);
}

void HierarchieSuppression::NoeudsDeLOrigine(Travail& t, std::int32_t s) const {
    const std::size_t n1 = static_cast<std::size_t>(n_) + 1;
    const float* d = distance_.data() + static_cast<std::size_t>(s) * n1;
    t.Arbre(s);
    double ligne = 0;
    for (std::int32_t q = 1; q < t.NbAtteints(); ++q) {
        const std::int32_t k = t.Ordre(q);
        ligne += d[k];
        t.Somme[static_cast<std::size_t>(k)] -= d[k];  // the pair (s, k) goes with k
        if (sansChemin_ != sansCheminDuNoeud_[static_cast<std::size_t>(k)]) continue;
        if (t.Taille(k) > 1 && !t.SousArbre(d, k, true, t.Somme[static_cast<std::size_t>(k)]))
            t.Coupe[static_cast<std::size_t>(k)] = 1;
    }
    t.Somme[static_cast<std::size_t>(s)] -= ligne;  // and every pair from s goes with s
}

std::vector<double> HierarchieSuppression::SansChaqueArc(const Progression& progression) {
    std::vector<double> r;
    if (!calculable_) return r;
    r.assign(static_cast<std::size_t>(nbArcs_) + 1, 0);
    if (sansChemin_ > 0) {  // removing an arc never gives a pair a path
        if (progression) progression(n_, n_);
        return r;
    }
    std::vector<Travail> travaux;
    for (unsigned k = 0; k < Equipe::TaillePour(n_); ++k) {
        travaux.emplace_back(*this);
        travaux.back().Somme.assign(r.size(), 0);
        travaux.back().Coupe.assign(r.size(), 0);
    }
    if (!ParOrigine(
            travaux, [this](Travail& t, std::int32_t s) { ArcsDeLOrigine(t, s); }, progression))
        return {};
    for (std::size_t a = 1; a < r.size(); ++a) {
        double somme = 0;
        bool coupe = false;
        for (const Travail& t : travaux) {
            somme += t.Somme[a];
            coupe = coupe || t.Coupe[a] != 0;
        }
        r[a] = coupe ? 0 : s0_ + somme;
    }
    return r;
}

std::vector<double> HierarchieSuppression::SansChaqueNoeud(const Progression& progression) {
    std::vector<double> r;
    if (!calculable_) return r;
    const std::size_t n1 = static_cast<std::size_t>(n_) + 1;
    r.assign(n1, 0);
    std::vector<Travail> travaux;
    for (unsigned k = 0; k < Equipe::TaillePour(n_); ++k) {
        travaux.emplace_back(*this);
        travaux.back().Somme.assign(n1, 0);
        travaux.back().Coupe.assign(n1, 0);
    }
    if (!ParOrigine(
            travaux, [this](Travail& t, std::int32_t s) { NoeudsDeLOrigine(t, s); }, progression))
        return {};
    for (std::size_t k = 1; k < n1; ++k) {
        // A pair of the other nodes without a path keeps it without one.
        if (sansChemin_ != sansCheminDuNoeud_[k]) continue;
        double somme = 0;
        bool coupe = false;
        for (const Travail& t : travaux) {
            somme += t.Somme[k];
            coupe = coupe || t.Coupe[k] != 0;
        }
        r[k] = coupe ? 0 : fini_ + somme;
    }
    return r;
}

double HierarchieSuppression::Estimation(bool noeuds) const {
    if (!calculable_ || n_ == 0 || (!noeuds && sansChemin_ > 0)) return 0;
    // A few origins spread over the network, timed, scaled by the subtree nodes of all.
    const std::vector<double>& poids = noeuds ? poidsNoeuds_ : poidsArcs_;
    const std::size_t n1 = static_cast<std::size_t>(n_) + 1;
    Travail t(*this);
    t.Somme.assign(noeuds ? n1 : static_cast<std::size_t>(nbArcs_) + 1, 0);
    t.Coupe.assign(t.Somme.size(), 0);
    const std::int32_t echantillon = std::min<std::int32_t>(n_, 16);
    double poidsEchantillon = 0, total = 0;
    const auto debut = Horloge::now();
    for (std::int32_t k = 0; k < echantillon; ++k) {
        const std::int32_t s =
            1 + static_cast<std::int32_t>(static_cast<std::int64_t>(k) * n_ / echantillon);
        if (noeuds)
            NoeudsDeLOrigine(t, s);
        else
            ArcsDeLOrigine(t, s);
        poidsEchantillon += poids[static_cast<std::size_t>(s)] + n_;
    }
    const double secondes = Secondes(debut);
    for (std::size_t s = 1; s < n1; ++s) total += poids[s] + n_;
    return secondes / poidsEchantillon * total / Equipe::TaillePour(n_);
}

double HierarchieSuppression::EstimationArcs() const {
    return Estimation(false);
}

double HierarchieSuppression::EstimationNoeuds() const {
    return Estimation(true);
}

}  // namespace vek
