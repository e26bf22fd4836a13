#pragma once
// The node file: one node a line, fixed columns (name 1-50, code 52-61, population 63-70,
// X 72-79, Y 81-88, parameter 90-99).

#include <cstdint>
#include <optional>
#include <string>

namespace vek {

struct EtatReseau;

inline constexpr std::int32_t kMaxNoeuds = 3000;

// Fills NoeudsLus and NbNoeudsLus; returns the count read, or nothing when the file could
// not be read (NoeudsLus is then left as it was).
std::optional<std::int32_t> LectureFichierNoeuds(EtatReseau& e, const std::string& chemin,
                                                 std::int32_t maximum);
// Writes Noeuds 1..NbNoeuds in the node file layout.
void EcritureFichierNoeuds(EtatReseau& e, const std::string& chemin);

}  // namespace vek
