#pragma once
// Level integration: exchanging nodes of the working network for a zoom (a detailed
// sub-network) just read into NoeudsLus and ArcsLus, or a detailed zone for one aggregated
// node. The read tables are released afterwards.

#include <cstdint>

namespace vek {

struct EtatValidation;

// Replaces the node of that code (its arcs removed, then the first node with the code) by
// the nodes and arcs read, appended after the others. With code 0 the read tables become the
// whole working network.
void IntegrationNodale(EtatValidation& e, std::int64_t code);
// Replaces the nodes whose codes are in CodesZoneInverse, and their arcs, by the first node
// read and all the arcs read.
void IntegrationNodaleInverse(EtatValidation& e);
// Replaces the nodes whose codes are in CodesZoneMultinodale, and their arcs, by all the
// nodes and arcs read.
void IntegrationMultinodale(EtatValidation& e);

}  // namespace vek
