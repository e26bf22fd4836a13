#pragma once
// The files drawn from the shortest paths and the timetable journeys: the consultation file
// of the best journeys, the predecessor file, the arcs of one path and the values of one
// node.

#include <cstdint>
#include <string>

namespace vek {

struct EtatLocalisation;
struct ValeurUnipolaire;

// One line per pair whose best journey has a value below 32000: names (10 characters),
// value "0000.000", departure and arrival as hhmm "0000", and two connection slots.
void EcritureConsultation(EtatLocalisation& e, const std::string& chemin);
// One line per ordered pair: the two names, the predecessor, its name, the mode and the
// value of the last step, separated by two blanks.
void EcriturePredecesseurs(EtatLocalisation& e, const std::string& chemin);

// Fills ArcsProvisoires with the arcs of the shortest path from i to j, from the destination
// back to the origin, each recorded from its later node to its earlier one, and returns how
// many. Nothing when i and j have the same code, or when no path joins them (the traces must
// be current).
std::int32_t ArcsChemin(EtatLocalisation& e, std::int32_t i, std::int32_t j);

// Fills ValeursNoeuds with the value `v` of every node for the selected node s, from the
// shortest paths or from the best journeys of the last timetable computation.
void ValeursUnipolaires(EtatLocalisation& e, std::int32_t s, const ValeurUnipolaire& v);

}  // namespace vek
