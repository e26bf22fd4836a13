#pragma once
// Before a dense matrix is built: the memory it needs against what the machine has.

#include <cstdint>
#include <string>

namespace vek {

// Memory the machine can still give, in bytes (0 when unknown).
std::uint64_t MemoireDisponible();
// Throws ErreurMemoire, with both figures, when `octets` exceed what is available.
void VerifieMemoire(std::uint64_t octets, const std::string& quoi);

}  // namespace vek
