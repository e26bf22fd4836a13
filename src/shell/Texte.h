#pragma once
// Text handling: the program keeps every text in UTF-8 and counts characters, not bytes,
// wherever a fixed column or a fixed width is involved.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

// Decodes UTF-8 text known to be valid (as produced by the file decoders).
std::u32string VersUtf32(std::string_view utf8);
std::string VersUtf8(std::u32string_view texte);
void AjouteUtf8(std::string& sortie, char32_t c);

// Number of characters of a valid UTF-8 text.
std::size_t NombreCaracteres(std::string_view utf8);

// The first n characters (fewer when the text is shorter).
std::string Gauche(std::string_view utf8, std::size_t n);

// The first n characters, padded with blanks to exactly n characters.
std::string Cadre(std::string_view utf8, std::size_t n);

// Characters first..first+n-1 (1-based); missing characters are simply absent.
std::string SousChaine(std::u32string_view ligne, std::size_t premier, std::size_t n);

// Text without its trailing blanks.
std::string SansBlancsFinaux(std::string_view texte);

// A typed text as a number (blanks around it allowed, "." as the decimal point); nothing when
// it is not one from end to end.
std::optional<double> LitNombre(const std::string& texte);

}  // namespace vek
