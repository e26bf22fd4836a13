#pragma once
// Field extraction for the fixed-column files: a field is the text at its columns, read with
// a lenient number parse (leading blanks, an optional sign, digits with an optional point;
// parsing stops at the first other character; an empty or non-numeric field gives 0).

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/FichierTexte.h"

// An integer field takes the value rounded to the nearest integer, halves to even; nothing
// when the value does not fit the field's type (EntierArrondi).
#include "shell/Entiers.h"

namespace vek {

double LectureNombre(std::u32string_view champ);
// The field at columns premier..premier+largeur-1 of the line, parsed.
double ChampNumerique(std::u32string_view ligne, std::size_t premier, std::size_t largeur);
// Whether the field holds a number: after its leading blanks and an optional sign, a digit (or
// a point and a digit). An empty field holds none.
bool ChampEstNombre(std::u32string_view ligne, std::size_t premier, std::size_t largeur);

// A last line not ended by a line end is taken as cut short when it stops before the end of
// a field that the line before it holds in full; `finsDesChamps` lists the last column of
// each field, in order.
bool LigneTronquee(std::size_t longueur, std::size_t longueurPrecedente,
                   std::initializer_list<std::size_t> finsDesChamps);

// Lines rejected for one reason: how many, and the first few, to be cited.
struct LignesRejetees {
    std::size_t nombre = 0;
    std::vector<std::size_t> lignes;
    void Ajoute(std::size_t ligne);
    // The lines cited in a message: the first few, then "...".
    std::string Citees() const;
};

// The message refusing a file in UTF-16, saying how to save it instead.
std::string MessageUtf16(const std::string& chemin, Utf16 forme);

// The message for a last line cut short, `fichier` naming the file as the reader's other
// messages do ("fichier des noeuds", "fichier arcs").
std::string MessageLigneTronquee(std::size_t numero, const std::string& fichier);

}  // namespace vek
