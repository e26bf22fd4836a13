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
#include <functional>
#include <memory>
#include <vector>

#include "timetable/Trajet.h"

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

// A sweep computed as one profile: the timetable taken once, then for each reference time
// of the sweep its connections made without a new preparation, and only the origins (the
// destinations under the arrival constraint) whose journeys can change or be kept scanned.
// It gives, for each reference time, exactly the journeys the preparation and the scan give.
class ProfilHoraire {
  public:
    // From the arcs, ServicesPaires, the "Horaires" minimal-arc matrix and HeureDebut.
    ProfilHoraire(const EtatHoraires& e, bool arrivee);
    ~ProfilHoraire();
    // The first departure of an option after h (under the arrival constraint, the first
    // arrival), as the options prepared for h hold them; 32000 when there is none.
    std::int32_t ProchainDepart(std::int32_t h) const;
    // Departure constraint, reference time h: the best journey of every pair that leaves by
    // `jusqua`, is timetabled or combined and has a value, as f(origin, destination, journey),
    // origins then destinations in increasing order.
    void Trajets(std::int32_t h, std::int32_t jusqua,
                 const std::function<void(std::int32_t, std::int32_t, const Trajet&)>& f) const;
    // Arrival constraint, reference time h (the times of a sweep in increasing order, `tout`
    // for the first): the journeys timetabled or combined, with a value, that may differ from
    // those given for the time before; the others are the same.
    void Arrivees(std::int32_t h, bool tout,
                  const std::function<void(std::int32_t, std::int32_t, const Trajet&)>& f);

  private:
    struct Donnees;
    std::unique_ptr<Donnees> d_;
};

}  // namespace vek
