#pragma once

#include <cstdint>
#include <string>

namespace vek {

inline constexpr std::size_t kLongueurEtiquette = 8;

struct Arc {
    std::int64_t Origine = 0;      // code of the origin node
    std::int64_t Destination = 0;  // code of the destination node
    std::int16_t Mode = 0;
    float Distance = 0;                // km
    float Temps = 0;                   // minutes
    std::int32_t HeureDepart = 0;      // minutes after midnight; 0 when not scheduled
    std::int32_t HeureArrivee = 0;     // minutes after midnight
    std::int16_t Jours = 0;            // days-of-running code
    std::int32_t Debit = 0;            // vehicles, or the mission number of a timetabled arc
    std::int32_t CapaciteHoraire = 0;  // vehicles per hour; 0 = the mode's capacity
    float Vitesse = 0;                 // speed of the arc's mode, km/h
    std::int32_t VitesseMax = 0;
    float DistanceEuclidienne = 0;
    std::int32_t Attribut = 0;
    std::int32_t IndiceOrigine = 0;      // index in Noeuds; 0 = not found
    std::int32_t IndiceDestination = 0;  // index in Noeuds; 0 = not found
    std::string EtiquetteOrigine = std::string(kLongueurEtiquette, ' ');
    std::string EtiquetteDestination = std::string(kLongueurEtiquette, ' ');
};

}  // namespace vek
