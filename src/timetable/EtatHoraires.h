#pragma once
// The timetable tables: the constraint and the times of a timetable computation, and its
// trip records.

#include <cstdint>
#include <string>

#include "paths/EtatChemins.h"
#include "timetable/TrajetsHoraires.h"

namespace vek {

struct TablesHoraires {
    bool ContrainteDepart = false;
    bool ContrainteArrivee = false;
    bool TempsMinimauxIntervalle = false;
    float HeureDebut = 0;  // departure time, or start of the interval, minutes
    float HeureFin = 0;    // requested arrival time, or end of processing, minutes
    TrajetsHoraires CheMin;
    std::uint64_t TrajetsReseau = 0;  // the network generation the journeys were computed on
    std::string StatutHoraires;       // the status text of the last relaxation
    std::int32_t PassesHoraires = 0;  // the passes it made
};

// Registers the minimal-arc matrix of the valuation "Horaires".
struct EtatHoraires : virtual EtatChemins, TablesHoraires {
    explicit EtatHoraires(Port& port);
};

// The journeys of the last timetable computation hold for the current network.
bool TrajetsHorairesCourants(const EtatHoraires& e);

}  // namespace vek
