#pragma once
// The hierarchy of the network by suppression: the sum of all shortest paths of the network
// without each arc, and without each node, without one all-pairs computation per element.
//
// The graph is the minimal-arc matrix as it is built for "Temps" or "Distance" (the cells of
// a pair replayed from that pair's arcs in table order). The shortest paths from every node
// are computed once; removing an element then only changes, for each origin, the pairs below
// the element in that origin's shortest-path tree, which are recomputed from the rest of the
// tree. A removal that lowers a cell or brings one in (a two-way arc that had overwritten a
// smaller one-way reverse cell, or had been kept out by a smaller one-way arc) recomputes the
// origins whose paths the new cell shortens.

#include <cstdint>
#include <functional>
#include <vector>

namespace vek {

struct EtatChemins;

class HierarchieSuppression {
  public:
    // Called now and then from the calling thread with (done, total); false cancels.
    using Progression = std::function<bool(std::int64_t, std::int64_t)>;

    // From the arc and node tables and e.Valuation; builds its own graph and the shortest
    // paths from every node (e's matrices are left as they are).
    explicit HierarchieSuppression(const EtatChemins& e);

    // False for a valuation other than "Temps" and "Distance", or for an arc value that the
    // shortest-path loop does not treat as a length (negative, or 32000 and beyond).
    bool Calculable() const { return calculable_; }
    // The sum of the shortest paths of every ordered pair; 0 when some pair has no path.
    double S0() const { return s0_; }

    // Estimated seconds of SansChaqueArc and SansChaqueNoeud on this machine.
    double EstimationArcs() const;
    double EstimationNoeuds() const;

    // The sum without each arc a, in [a] for a = 1..NbArcs ([0] unused); 0 when a pair loses
    // its path. Empty when cancelled or not computable.
    std::vector<double> SansChaqueArc(const Progression& progression);
    // The sum over the other nodes' pairs without each node k and its arcs, in [k] for
    // k = 1..NbNoeuds ([0] unused). Empty when cancelled or not computable.
    std::vector<double> SansChaqueNoeud(const Progression& progression);

  private:
    // A cell while an arc is removed: its edge and its value then (+infinity for no arc).
    struct Cellule {
        std::int32_t Arete = -1;
        float Valeur = 0;
    };
    // What removing one arc changes: at most the two cells of its pair. Baisse: one of them
    // falls or comes in.
    struct Changement {
        Cellule Cellules[2];
        std::int32_t Nombre = 0;
        bool Baisse = false;
    };
    class Travail;  // one thread's buffers

    void Graphe(const EtatChemins& e);
    void Arbres();
    double Estimation(bool noeuds) const;
    // Hands the origins out to the members of a team; false when cancelled.
    bool ParOrigine(std::vector<Travail>& travaux,
                    const std::function<void(Travail&, std::int32_t)>& origine,
                    const Progression& progression) const;
    void ArcsDeLOrigine(Travail& t, std::int32_t s) const;
    void NoeudsDeLOrigine(Travail& t, std::int32_t s) const;

    bool calculable_ = false;
    std::int32_t n_ = 0;
    std::int32_t nbArcs_ = 0;

    // The edges (cells with an arc), in CSR out of each node and into each node.
    std::vector<std::int32_t> debutSortie_, sortieDe_, sortieVers_;
    std::vector<float> valeur_;
    std::vector<std::int32_t> debutEntree_, entreeDe_, entreeArete_;

    // The arcs whose removal changes a cell: the change of each (-1: none); for each edge, the
    // arcs that only make cells rise and make that one rise (CSR); the arcs that lower one.
    std::vector<std::int32_t> changementDeLArc_;
    std::vector<Changement> changements_;
    std::vector<std::int32_t> debutHausses_, haussesArc_;
    std::vector<std::int32_t> arcsBaisse_;

    // The shortest paths from every node, row s for origin s: the distance (kInfini when
    // unreachable) and the edge into the node on the tree of s (-1 for s and the unreachable).
    std::vector<float> distance_;
    std::vector<std::int32_t> parent_;
    double s0_ = 0;
    double fini_ = 0;                              // sum over the pairs that have a path
    std::int64_t sansChemin_ = 0;                  // ordered pairs without a path
    std::vector<std::int64_t> sansCheminDuNoeud_;  // of them, those involving each node
    // The work of each origin, in subtree nodes to recompute, for the estimates.
    std::vector<double> poidsArcs_, poidsNoeuds_;
};

}  // namespace vek
