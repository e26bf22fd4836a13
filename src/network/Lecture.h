#pragma once
// Field extraction for the fixed-column files: a field is the text at its columns, read with
// a lenient number parse (leading blanks, an optional sign, digits with an optional point;
// parsing stops at the first other character; an empty or non-numeric field gives 0).

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

// An integer field takes the value rounded to the nearest integer, halves to even; nothing
// when the value does not fit the field's type (EntierArrondi).
#include "shell/Entiers.h"

namespace vek {

double LectureNombre(std::u32string_view champ);
// The field at columns premier..premier+largeur-1 of the line, parsed.
double ChampNumerique(std::u32string_view ligne, std::size_t premier, std::size_t largeur);

}  // namespace vek
