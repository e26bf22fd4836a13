#pragma once
// The timetable tables: the constraint and the times of a timetable computation, and its
// trip records.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "paths/EtatChemins.h"
#include "timetable/ConnexionChem.h"
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
    // The connections collected by a sweep: record 1 is the sentinel, record 2 stays empty,
    // the first connection is record 3 (NbChem is the last index used).
    std::vector<ConnexionChem> Chem;
    std::int64_t NbChem = 2;
    IndexChem ChemParPaire;  // made by a sweep, released at its end
    // (node, time) of each distinct train counted by the last train count.
    std::vector<std::pair<std::int32_t, std::int32_t>> ListeTrains;
    // When not empty, the tab-separated file every timetable computation writes its journeys to.
    std::string ExportTrajets;
};

// Registers the minimal-arc matrix of the valuation "Horaires".
struct EtatHoraires : virtual EtatChemins, TablesHoraires {
    explicit EtatHoraires(Port& port);
};

// The journeys of the last timetable computation hold for the current network.
bool TrajetsHorairesCourants(const EtatHoraires& e);

}  // namespace vek
