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

    // What the flow and connection-time commands start from, so that running them again never
    // compounds: the flow, speed and time the arc had before either changed them, its time
    // without the connection time, and the connection time added to it.
    bool ValeursGardees = false;
    std::int32_t DebitLu = 0;
    float VitesseLue = 0;
    float TempsLu = 0;
    float TempsHorsConnexion = 0;
    double TempsConnexion = 0;
};

// Keeps the arc's flow, speed and time as they are, the first time a command changes them.
inline void GardeValeursLues(Arc& a) {
    if (a.ValeursGardees) return;
    a.ValeursGardees = true;
    a.DebitLu = a.Debit;
    a.VitesseLue = a.Vitesse;
    a.TempsLu = a.TempsHorsConnexion = a.Temps;
    a.TempsConnexion = 0;
}

// The arc's time from its time without connection and the connection time (a mean of whole
// minutes, added in Double and kept as a Single).
inline void RecomposeTemps(Arc& a) {
    a.Temps = a.TempsConnexion != 0
                  ? static_cast<float>(static_cast<double>(a.TempsHorsConnexion) + a.TempsConnexion)
                  : a.TempsHorsConnexion;
}

}  // namespace vek
