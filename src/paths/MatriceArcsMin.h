#pragma once
// The minimal-arc matrix: for each ordered pair of nodes, the best direct arc under the
// current valuation (a length in km, a time in minutes or a ratio), and its listing.

#include <cstdint>
#include <string>
#include <unordered_set>

namespace vek {

struct EtatChemins;

// Builds MatArcsMin for the current Valuation, then enables the commands that read it.
void CalculMatriceArcsMin(EtatChemins& e);
// The construction for "Distance", "Temps" and the ratio valuations (time per distance).
void CreationMatriceArcsMin(EtatChemins& e, const std::string& valuation);
// "JoursEtHeures": unscheduled arcs as above; every scheduled arc of a pair recorded in
// ServicesPaires (at most 110 a pair, a pair beyond is reported).
void CreationMatriceArcsMinJoursEtHeures(EtatChemins& e, const std::string& valuation);
// The pairs whose timetabled services went beyond the limit: one message names them.
class ServicesRefuses {
  public:
    void Note(const EtatChemins& e, std::int32_t i, std::int32_t j);
    void Signale(EtatChemins& e, std::int32_t maximum) const;

  private:
    std::unordered_set<std::int64_t> paires_;
    std::string liste_;
};
// The arcs left out of the matrix: a value of 0 there means "no arc", so an arc of value 0
// would erase another arc of the same pair (and the files and ties rely on that 0), and a
// value that is no finite number (or too large for its cell) is no length or time. The arcs stay in
// the network; one message counts them and names the first ones.
class ArcsEcartes {
  public:
    // True when the value cannot enter the matrix; the arc is then noted.
    bool Ecarte(const EtatChemins& e, std::int32_t a, float valeur);
    // Notes an arc left out for a value that its cell cannot hold.
    void Note(const EtatChemins& e, std::int32_t a, float valeur);
    void Signale(EtatChemins& e, const std::string& valuation) const;

  private:
    std::int64_t nombre_ = 0;
    std::string liste_;
};
// Oriente from the arcs present and the orientation of their modes now.
void RecalculeOriente(EtatChemins& e);
// Writes the listing of MatArcsMin: one line per ordered pair with a direct arc.
void EcritureMatriceArcsMin(EtatChemins& e, const std::string& chemin);
// "&Arcs minimaux": writes RepResultats + "\nAMin000.dat" and opens it.
void menVisuMatArcsMin(EtatChemins& e);

}  // namespace vek
