#pragma once
// The tables a load reads (NoeudsLus, ArcsLus) taken into the working network.

#include <cstdint>

namespace vek {

struct EtatReseau;

// Appends the nodes read (the first `nombreNoeuds` of them) and every arc read, without
// node indices, then indexes them and releases the read tables.
void AjouteTablesLues(EtatReseau& e, std::int32_t nombreNoeuds);
// The read tables become the whole working network.
void CopieTablesLues(EtatReseau& e);
// Sets the node indices of every arc that lacks one (index 0 at either end, as the arcs just
// appended have): the first node of Noeuds with its code, 0 when there is none. The other
// arcs keep the indices the removals maintained.
void IndexationArcs(EtatReseau& e);

}  // namespace vek
