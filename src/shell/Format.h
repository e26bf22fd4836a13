#pragma once
// The number patterns the system writes. A pattern is made of digit places ('0' always
// written, '#' written only when needed), an optional decimal point and literal characters
// ("0000.000", "00:00", "####"). Rounding is half away from zero on the decimal value that the
// number displays with (15 significant digits for Double, 7 for Single).
//
// Champ() writes a fixed-width field: the text has the width of its pattern, a negative value
// takes its sign in place of a leading zero, and a value that cannot fit throws
// ValeurHorsChamp rather than shifting the columns that follow. Format() grows like free text.

#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

inline constexpr int kChiffresDouble = 15;
inline constexpr int kChiffresSingle = 7;

std::string Champ(double valeur, std::string_view motif, int chiffres = kChiffresDouble);
std::string Champ(std::int64_t valeur, std::string_view motif);
inline std::string Champ(int valeur, std::string_view motif) {
    return Champ(static_cast<std::int64_t>(valeur), motif);
}
inline std::string Champ(float valeur, std::string_view motif) {
    return Champ(static_cast<double>(valeur), motif, kChiffresSingle);
}

std::string Format(double valeur, std::string_view motif, int chiffres = kChiffresDouble);

// Str(): the general number text with a leading blank for a value that is not negative.
std::string Str(double valeur);
std::string Str(float valeur);
std::string Str(std::int64_t valeur);
inline std::string Str(int valeur) {
    return Str(static_cast<std::int64_t>(valeur));
}

// General number text: up to 15 (Double) or 7 (Single) significant digits, no trailing zeros,
// exponent form for very large or very small magnitudes.
std::string TexteNombre(double valeur, int chiffres = kChiffresDouble);
std::string TexteNombre(std::int64_t valeur);

}  // namespace vek
