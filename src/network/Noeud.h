#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace vek {

inline constexpr std::size_t kLongueurNom = 50;

struct Noeud {
    std::string Nom = std::string(kLongueurNom, ' ');  // always 50 characters, blank padded
    std::int64_t Code = 0;
    std::int32_t Population = 0;
    float X = 0;
    float Y = 0;
    float Parametre = 0;
};

// The straight-line distance between two nodes, in the unit of their coordinates.
inline double DistanceVolOiseau(const Noeud& a, const Noeud& b) {
    const double dx = static_cast<double>(a.X) - b.X, dy = static_cast<double>(a.Y) - b.Y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace vek
