#pragma once
// The system builds its paths as text ("c:" + "\NoeudVal.dat", "c:\data\noeuds\niv.n-1").
// CheminSysteme() maps such a text onto this machine: backslashes and slashes both separate,
// doubled separators collapse, and a drive prefix ("c:") stands for a base folder (by default
// the working directory). Absolute POSIX paths and bare names are taken as they stand.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace vek {

struct Lecteurs {
    // Base folder of each drive letter (lower case); a letter not listed maps to `parDefaut`.
    std::map<char, std::string> dossiers;
    std::string parDefaut = ".";
};

std::filesystem::path CheminSysteme(std::string_view texte, const Lecteurs& lecteurs);

// Directory part of a path text, without its final separator ("c:\data\a.dat" -> "c:\data").
std::string RepertoireDe(std::string_view texte);
// Last component of a path text.
std::string NomDe(std::string_view texte);

}  // namespace vek
