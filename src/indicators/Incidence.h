#pragma once
// The arcs incident to each node, in arc order: an arc is incident to every node whose code
// is its origin's or its destination's, once even when both ends are that node. Scanning a
// node's list visits exactly the arcs, and in the order, that a scan of the whole arc table
// would accept for it.

#include <cstdint>
#include <vector>

#include "network/Arc.h"
#include "network/Noeud.h"

namespace vek {

class Incidence {
  public:
    // Nodes 1..nbNoeuds, arcs 1..nbArcs of the tables given.
    Incidence(const std::vector<Noeud>& noeuds, std::int32_t nbNoeuds, const std::vector<Arc>& arcs,
              std::int32_t nbArcs);

    // The arc numbers incident to node i, ascending.
    const std::int32_t* begin(std::int32_t i) const { return arcs_.data() + debut_[i]; }
    const std::int32_t* end(std::int32_t i) const { return arcs_.data() + debut_[i + 1]; }
    std::int32_t Nombre(std::int32_t i) const { return debut_[i + 1] - debut_[i]; }

    // The nodes with that code, ascending (usually one); empty when none.
    struct Plage {
        const std::int32_t* debut;
        const std::int32_t* fin;
        const std::int32_t* begin() const { return debut; }
        const std::int32_t* end() const { return fin; }
    };
    Plage NoeudsDeCode(std::int64_t code) const;

  private:
    std::vector<std::int32_t> debut_;  // node i's arcs are arcs_[debut_[i] .. debut_[i+1])
    std::vector<std::int32_t> arcs_;
    std::vector<std::int64_t> codesTries_;   // the node codes, sorted
    std::vector<std::int32_t> noeudsTries_;  // the node of each sorted code
};

// Iterates a node's incident arcs: for (std::int32_t k : Arcs(inc, i)).
struct ArcsIncidents {
    const Incidence& inc;
    std::int32_t i;
    const std::int32_t* begin() const { return inc.begin(i); }
    const std::int32_t* end() const { return inc.end(i); }
};

}  // namespace vek
