#pragma once
// Field extraction for the fixed-column files: a field is the text at its columns, read with
// a lenient number parse (leading blanks, an optional sign, digits with an optional point;
// parsing stops at the first other character; an empty or non-numeric field gives 0).

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace vek {

double LectureNombre(std::u32string_view champ);
// The field at columns premier..premier+largeur-1 of the line, parsed.
double ChampNumerique(std::u32string_view ligne, std::size_t premier, std::size_t largeur);

// An integer field takes the value rounded to the nearest integer, halves to even; nothing
// when the value does not fit the field's type.
template <typename T>
std::optional<T> EntierArrondi(double valeur) {
    double r = std::nearbyint(valeur);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max())))
        return std::nullopt;
    if constexpr (sizeof(T) == 8) {
        if (r >= 9223372036854775807.0) return std::nullopt;
    }
    return static_cast<T>(r);
}

}  // namespace vek
