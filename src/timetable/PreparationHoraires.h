#pragma once
// The preparation of a timetable computation for one reference time (HeureDepart, minutes):
// the arcs of each pair become concrete trip options, and slot 1 of each pair its best one.
// The arc table is never changed: the day shifts are made on the options.

namespace vek {

struct EtatHoraires;

// Departure constraint: leaving after HeureDepart, the earliest arrival in slot 1. A
// departure at or before the reference time is taken on the next day; beside a permanent
// link only the departures after it and before 22:00 are kept.
void PreparationFloydHorairesDepart(EtatHoraires& e);
// Arrival constraint: arriving by HeureDepart, the latest departure in slot 1. An arrival
// after the reference time is taken on the day before; beside a permanent link only the
// departures after HeureDebut and before 22:00 are kept.
void PreparationFloydHorairesArrivee(EtatHoraires& e);

}  // namespace vek
