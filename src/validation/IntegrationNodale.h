#pragma once

#include <cstdint>

namespace vek {

struct Etat;

// Replaces the node of that code by the sub-network just read. With code 0 the read tables
// become the whole working network: nodes and arcs copied from position 1, the node indices
// of the arcs set again, the read tables released.
void IntegrationNodale(Etat& e, std::int64_t code);

// Sets IndiceOrigine and IndiceDestination of every working arc: the first node of Noeuds
// with its code, 0 when there is none.
void IndexationArcs(Etat& e);

}  // namespace vek
