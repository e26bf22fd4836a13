#pragma once
// The minimal-arc matrix of the "Horaires" valuation: the best permanent (untimetabled) link
// of each pair, and beside it every timetabled arc of the pair in ServicesPaires. Slot 1 of a
// pair is reserved for its permanent link, slots 2..NbServices are its timetabled arcs.

#include <cstdint>
#include <string>

#include "paths/ServicesPaires.h"

namespace vek {

struct EtatHoraires;

// Slots of a pair at most: the permanent link and 110 timetabled arcs; a pair with more
// services is reported and its services beyond are left out.
inline constexpr std::int32_t kMaxSlotsHoraires = kMaxServicesParPaire + 1;

// `valuation` "Distance" values the arcs by their distance, any other text by their time.
void CreeMatriceArcsMinHoraires(EtatHoraires& e, const std::string& valuation);

}  // namespace vek
