#pragma once
// The files of the timetable computations: the connections of a sweep (the chem file), the
// trains leaving and reaching each node, and the journeys as a tab-separated table.

#include <cstdint>
#include <string>

namespace vek {

struct EtatHoraires;

// One line per connection of Chem (from record 3) arriving before midnight: the two names on
// 20 characters, departure and arrival "00:00", mode, duration, waiting, value, the first and
// last missions, the two codes. Overwrites the file; a file that cannot be written throws.
void CreeFichierChem(EtatHoraires& e, const std::string& nom);

// ValeursNoeuds: the distinct railcar trains (mode 41, or railcars only) of Chem leaving each
// node (node and departure), or reaching it (node and arrival). ListeTrains keeps the pairs.
void CalculTrainsSortants(EtatHoraires& e);
void CalculTrainsEntrants(EtatHoraires& e);

// The journeys of the computation into the file named by ExportTrajets, when it is set: the
// best journey of every ordered pair after a single query, every connection of Chem after a
// sweep. Times as hhmm from midnight of the reference day (2400 and up the next day, -hhmm
// before midnight for the day before).
void EcritureExportTrajets(EtatHoraires& e, bool balayage);
// The "00:00" field of the chem file: the hhmm of a time or a duration in minutes (09:05,
// 123:45).
std::string HeuresMinutes(std::int32_t minutes);
// The time field of the journeys table.
std::string HeureExport(std::int32_t minutes);

}  // namespace vek
