#pragma once
// The exact timetable journeys: for each origin, one scan of the prepared options sorted by
// departure (the connections), which gives every destination its true earliest arrival under
// the connection rules of the relaxation; for the arrival constraint, the same scan with time
// reversed, from each destination.
//
// The rules are those of the preparation and the relaxation: a timetabled option leaves at its
// own time (the preparation has already moved it to the next day, or to the day before, for
// the reference time); a permanent link of a continuous mode (walking, metro, continuous bus)
// is boarded on arrival; another permanent link leaves at the reference time (arrives at it
// under the arrival constraint). Changing between two different missions takes at least one
// minute; staying on the same mission (0 counts as a mission) takes none; next to a continuous
// leg a connection needs no minute. A timetabled option of a pair that also has a permanent
// link and that arrives at 22:00 or later is never the first leg (the last one under the
// arrival constraint), as it never becomes the best option of its pair.
//
// Among the journeys reaching a destination at the earliest time, the one leaving the origin
// latest, then the one with the fewest changes; under the arrival constraint, among those
// leaving at the latest time, the one arriving earliest, then the fewest changes. A journey
// that starts with a continuous leg leaves at the reference time (the relaxation's record of a
// permanent link); under the arrival constraint the continuous legs at either end are boarded
// next to the timetabled ones.

#include <cstdint>
#include <vector>

namespace vek {

struct EtatHoraires;

// One leg of a journey, in travel order.
struct EtapeHoraire {
    std::int32_t Origine = 0, Destination = 0;
    std::int32_t Depart = 0, Arrivee = 0;  // minutes; the times the traveller leaves and arrives
    std::int32_t Mission = 0;
    std::int16_t Mode = 0;
    bool Continue = false;  // boarded at any time
    float Valeur = 0;
};

// Rewrites slot 1 of every pair from the options of the last preparation (CheMin) and the
// "Horaires" minimal-arc matrix, for the reference time HeureDepart.
void BalayageHorairesDepart(EtatHoraires& e);
void BalayageHorairesArrivee(EtatHoraires& e);

// The legs of the journey the scan gives from i to j (empty without a journey), from the same
// options; leaves CheMin unchanged.
std::vector<EtapeHoraire> EtapesHoraires(const EtatHoraires& e, std::int32_t i, std::int32_t j,
                                         bool arrivee);

}  // namespace vek
