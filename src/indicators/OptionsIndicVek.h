#pragma once
// The choices of the nodality dialog (IndicVek): one indicator, the order of contiguity,
// what an arc weighs and the mode options. They are kept from one showing to the next.

#include <string>

namespace vek {

struct OptionsIndicVek {
    std::string Indicateur = "Degré";     // the chosen control of the indicator group
    std::string Ordre = "Ordre1";         // "Ordre1" or "Ordre2"
    std::string Valuation = "Booléenne";  // "Booléenne", "Distance" or "Temps"
    std::string Modes =
        "Multimodal";       // "Unimodal", "Multimodal", "Ferroviaire", "Route", "NonHoraires"
    std::string ModeListe;  // the mode name chosen in ListeModesTransport
};

}  // namespace vek
