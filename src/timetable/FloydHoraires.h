#pragma once
// The best timetabled journey of every ordered pair, from the options of the preparation.
// FloydHoraires* run the exact scan of the connections (timetable/BalayageConnexions.h).
// RelaxationHoraires* are the former method, kept as a reference: a Floyd-style triple loop
// over the intermediate nodes whose step respects timetables and connections, repeated as whole
// passes (ascending, then descending, and so on) until a pass changes nothing. It keeps one
// journey per pair, so it may miss a zero-minute continuation and report a later arrival.
//
// A connection between two different missions needs at least one minute; staying on the same
// mission needs none. A continuous option (walking, metro, a continuous bus) is boarded on
// arrival: no waiting. Next to a continuous leg, before or after it, under either constraint,
// a connection needs no minute and no mission.

namespace vek {

struct EtatHoraires;

// Leaving after the reference time: the earliest arrival of each pair.
void FloydHorairesDepart(EtatHoraires& e);
// Arriving by the reference time: the latest departure of each pair.
void FloydHorairesArrivee(EtatHoraires& e);
void RelaxationHorairesDepart(EtatHoraires& e);
void RelaxationHorairesArrivee(EtatHoraires& e);

// The preparation then the scan for HeureDepart (minutes), under the departure or the
// arrival constraint, from the "Horaires" minimal-arc matrix (built when it is not current).
void CalculTrajetsHoraires(EtatHoraires& e, bool contrainteArrivee);

}  // namespace vek
