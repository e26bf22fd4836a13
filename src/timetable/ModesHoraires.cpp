#include "timetable/ModesHoraires.h"

#include "network/Mode.h"

namespace vek {

namespace {
constexpr int kMarche3 = 91;
constexpr int kMarche5 = 9;
constexpr int kMetro = 8;
constexpr int kBus8 = 811;
constexpr int kAutorail = 41;
constexpr int kBus25 = 813;

bool EstMarche(int code) {
    return code == kMarche3 || code == kMarche5;
}
}  // namespace

bool EstModeContinu(int code) {
    return EstMarche(code) || code == kMetro || code == kBus8 || code == kModeMetros ||
           code == kModeContinuMixte;
}

bool EstModeHoraireOuCombine(int code) {
    return EstModeHoraire(code) || code == kModeMixte || code == kModeAutorails ||
           code == kModeBus25;
}

int ModeCombine(int m1, int m2) {
    auto dans = [](int m, int a, int b) { return m == a || m == b; };
    if (dans(m1, kAutorail, kModeAutorails) && dans(m2, kAutorail, kModeAutorails))
        return kModeAutorails;
    if (dans(m1, kMetro, kModeMetros) && dans(m2, kMetro, kModeMetros)) return kModeMetros;
    if (dans(m1, kBus25, kModeBus25) || dans(m2, kBus25, kModeBus25)) return kModeBus25;
    if (!EstMarche(m1) && !EstMarche(m2)) return kModeMixte;
    if (!EstMarche(m1)) return m1;
    return m2;
}

}  // namespace vek
