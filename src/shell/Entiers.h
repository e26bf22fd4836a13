#pragma once
// Computed values made integers. Casting a value that is not a number, infinite or beyond
// the integer type is undefined (and gives garbage such as -9223372036854775808): these
// return nothing instead, and the caller says so rather than writing anything.

#include <cmath>
#include <concepts>
#include <limits>
#include <optional>

namespace vek {

// The value cut toward zero, as a cast cuts it; nothing when that does not fit T.
template <std::integral T>
std::optional<T> EntierTronque(double valeur) {
    // 2^digits is the first whole value beyond T, and -2^digits its lowest value when signed:
    // both are exact in a double, whatever the width of T.
    const double haut = std::ldexp(1.0, std::numeric_limits<T>::digits);
    const double bas = std::numeric_limits<T>::is_signed ? -haut : 0.0;
    const double t = std::trunc(valeur);
    if (!(t >= bas && t < haut)) return std::nullopt;
    return static_cast<T>(t);
}

// The value rounded to the nearest integer, halves to even; nothing when that does not fit T.
template <std::integral T>
std::optional<T> EntierArrondi(double valeur) {
    return EntierTronque<T>(std::nearbyint(valeur));
}

}  // namespace vek
