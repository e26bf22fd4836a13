#pragma once
// How modes are classed for connections in the timetable computations: timetabled modes run
// at fixed times (EstModeHoraire), continuous ones can be boarded at any time, and a path made
// of two parts takes a combined mode code.

namespace vek {

inline constexpr int kModeMixte = 9999;         // a path mixing modes
inline constexpr int kModeAutorails = 4141;     // railcars only
inline constexpr int kModeMetros = 8888;        // metro only
inline constexpr int kModeBus25 = 8138;         // with the "Bus 25" coach
inline constexpr int kModeContinuMixte = 1111;  // continuous, combined

// Walking ("Marche 3", "Marche 5"), the metro, "Bus 8" and the continuous combined codes.
bool EstModeContinu(int code);
bool EstModeHoraireOuCombine(int code);
// The mode of a path made of a part of mode m1 followed by a part of mode m2.
int ModeCombine(int m1, int m2);

}  // namespace vek
