#pragma once
// The arc file: one arc a line, fixed columns (origin 1-10, destination 12-21, mode 23-26,
// distance 28-35, time 37-40, departure 42-45, arrival 47-50, days 52-58, flow 60-65,
// hourly capacity 67-72, labels 94-101 and 103-110, attribute 112-116).

#include <cstdint>
#include <optional>
#include <string>

namespace vek {

struct EtatReseau;

inline constexpr std::int32_t kMaxArcs = 48000;

// Fills ArcsLus and NbArcsLus with the arcs of the selected modes, converts times and
// recomputes those of unscheduled arcs; returns the count read, or nothing when the file
// could not be read (ArcsLus is then left as it was, and indexed again).
std::optional<std::int32_t> LectureFichierArcs(EtatReseau& e, const std::string& chemin,
                                               std::int32_t maximum);
// Sets IndiceOrigine and IndiceDestination of ArcsLus: the first node of NoeudsLus with the
// arc's code, 0 when there is none.
void IndexationArcsLus(EtatReseau& e);
// Writes Arcs 1..NbArcs, or ArcsProvisoires 1..nombre when `provisoires` is set.
void EcritureFichierArcs(EtatReseau& e, const std::string& chemin, bool provisoires = false,
                         std::int32_t nombre = 0);

}  // namespace vek
