#pragma once
// The commands that could not end as asked: a file left unwritten, an error turned into a
// message at the command's edge. The front-ends that report in an exit status read the count.

#include <cstdint>

namespace vek {

// Counts one failure; safe from the command's worker thread.
void SignaleEchec();
// Failures counted since the program started.
std::uint64_t NombreEchecs();

}  // namespace vek
