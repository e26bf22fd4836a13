#pragma once
// Class breaks of a series of values for a graduated map: quantiles, equal intervals and
// natural breaks (Jenks). The bounds run from the smallest value to the largest, k + 1 of them
// for k classes; class c holds the values v with bornes[c] < v <= bornes[c + 1] (the first
// class holds its lower bound too). Missing values never enter a series.

#include <string>
#include <vector>

namespace vek::carte {

enum class MethodeClasses { Quantiles, IntervallesEgaux, SeuilsNaturels };

inline constexpr int kClassesMin = 3;
inline constexpr int kClassesMax = 9;
inline constexpr int kClassesDefaut = 5;

// A value with nothing to show: not finite, or the 32000 the analyses write for "unreachable".
bool ValeurManquante(double v);

// The bounds of at most nbClasses classes of the values (missing values left out). Fewer
// classes come out when the series has fewer distinct values or repeated quantiles; an empty
// series gives no bounds.
std::vector<double> BornesClasses(std::vector<double> valeurs, int nbClasses,
                                  MethodeClasses methode);

// The class of a value, from 0; -1 when there are no bounds.
int ClasseDe(const std::vector<double>& bornes, double v);

// Classes of differences symmetric around zero: the bounds b of the absolute values by the
// method (the lowest taken down to 0; equal intervals run from 0), mirrored. The result holds
// -b[h], ..., -b[1], 0, 0, b[1], ..., b[h]: 2h + 1 classes, h of decreases (the largest
// first), the class of no change (the values nearer to 0 than a millionth of the largest
// difference) and h of increases, h being half of nbClasses (at least 1); fewer when the
// absolute values have fewer distinct ones. Only values that are not finite are missing. A
// series with no value gives no bounds; one of zeros alone, the class of no change alone.
std::vector<double> BornesEcarts(const std::vector<double>& ecarts, int nbClasses,
                                 MethodeClasses methode);
// The class of a difference among those bounds; -1 when there are none or it is missing.
int ClasseEcart(const std::vector<double>& bornes, double v);

// The name of a method as the menu and the legend say it.
std::string NomMethode(MethodeClasses m);

}  // namespace vek::carte
