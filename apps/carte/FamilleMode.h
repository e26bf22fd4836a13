#pragma once
// The families of modes the map draws apart: roads, rail, timetabled coaches, the ferry, and
// walking with the other modes (metro, continuous bus, tram).

#include <array>

namespace vek::carte {

enum class FamilleMode { Route, Fer, Car, Ferry, Autre };

inline constexpr std::array<FamilleMode, 5> kFamilles = {
    FamilleMode::Route, FamilleMode::Fer, FamilleMode::Car, FamilleMode::Ferry, FamilleMode::Autre};

inline FamilleMode FamilleDuMode(int code) {
    switch (code) {
        case 6:
        case 61:
        case 62:
        case 63:
        case 7:
        case 71:
        case 72:
        case 74:
        case 75:
        case 602:
        case 612:
        case 622:
        case 702:
        case 712:
        case 722:
        case 742:
        case 752:
            return FamilleMode::Route;
        case 1:
        case 3:
        case 31:
        case 4:
        case 41:
            return FamilleMode::Fer;
        case 812:
        case 813:
            return FamilleMode::Car;
        case 2:
            return FamilleMode::Ferry;
        default:
            return FamilleMode::Autre;
    }
}

inline const char* NomFamille(FamilleMode f) {
    switch (f) {
        case FamilleMode::Route:
            return "Route";
        case FamilleMode::Fer:
            return "Fer";
        case FamilleMode::Car:
            return "Car (horaires)";
        case FamilleMode::Ferry:
            return "Ferry";
        case FamilleMode::Autre:
            return "Marche et autres modes";
    }
    return "";
}

}  // namespace vek::carte
