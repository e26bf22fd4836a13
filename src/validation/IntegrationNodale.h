#pragma once
// Level integration: exchanging nodes of the working network for a zoom (a detailed
// sub-network) just read into NoeudsLus and ArcsLus, or a detailed zone for one aggregated
// node. The read tables are released afterwards.

#include <cstdint>

namespace vek {

struct Etat;

// Replaces the node of that code (its arcs removed, then the first node with the code) by
// the nodes and arcs read, appended after the others. With code 0 the read tables become the
// whole working network.
void IntegrationNodale(Etat& e, std::int64_t code);
// Replaces the nodes whose codes are in CodesZoneInverse, and their arcs, by the first node
// read and all the arcs read.
void IntegrationNodaleInverse(Etat& e);
// Replaces the nodes whose codes are in CodesZoneMultinodale, and their arcs, by all the
// nodes and arcs read.
void IntegrationMultinodale(Etat& e);

// Sets the node indices of every arc that lacks one (index 0 at either end, as the arcs just
// appended have): the first node of Noeuds with its code, 0 when there is none. The other
// arcs keep the indices the removals maintained.
void IndexationArcs(Etat& e);

}  // namespace vek
