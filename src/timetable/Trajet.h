#pragma once
// A trip record of the timetable computations: one concrete option between two nodes, or a
// journey composed of several. Times are minutes after midnight of the reference day (1440
// or more on the next day, negative on the day before); 32-bit, so repeated day shifts never
// wrap. The origin and destination are those of the pair that holds the record.

#include <cstdint>

namespace vek {

inline constexpr std::int32_t kAucunTrajet = 32000;  // no trip: every time of the sentinel
inline constexpr std::int32_t kMinutesParJour = 1440;
inline constexpr std::int32_t kDerniereHeureAvecLien = 1320;  // 22:00 beside a permanent link

struct Trajet {
    float Valeur = kAucunTrajet;  // accumulated arc value
    std::int32_t Depart = kAucunTrajet;
    std::int32_t Arrivee = kAucunTrajet;
    std::int32_t Attente = kAucunTrajet;  // accumulated waiting at intermediate nodes
    std::int32_t MissionPremiere = 0;     // mission number of the first leg, 0 = none
    std::int32_t MissionDerniere = 0;     // mission number of the last leg
    std::int16_t Mode = 0;                // mode code, or a combined code
    // The first and the last leg are continuous (boarded at any time): a connection next to
    // such a leg needs no minute and no mission.
    bool PremiereContinue = false;
    bool DerniereContinue = false;
};

// What slot 1 of a pair designates: nothing (the diagonal), the sentinel (no journey known
// yet), or the pair's own record of its best journey.
enum class Designation : std::uint8_t { Aucune = 0, Sentinelle = 1, Propre = 3 };

}  // namespace vek
