#pragma once
// The trip tables of one timetable computation (CheMin, pCheMin, NbCheMin): for each ordered
// pair, slot 1 is the best journey known, a record of its own; slots 2.. are the concrete
// options the preparation kept, stored compactly (only the pairs and options that exist), row
// by row.
//
// Beside the records, the times the relaxation tests on every cell are kept in flat integer
// matrices (arrival, departure, duration of a continuous journey), so that its inner loops
// scan contiguous integers; they are made by PrepareTemps() when the relaxation starts, and
// every later write goes through Ecrit(), which keeps both in step.

#include <cstdint>
#include <vector>

#include "paths/Matrice.h"
#include "timetable/Trajet.h"

namespace vek {

// The departure held in the flat matrix for a pair without a journey: below every time.
inline constexpr std::int32_t kDepartAbsent = -(1 << 30);

class TrajetsHoraires {
  public:
    struct Option {
        std::int32_t autre;  // the destination of the pair
        Trajet trajet;
    };

    // Fresh tables for nodes 1..n: every pair off the diagonal designates the sentinel.
    void Dimensionne(std::int32_t n);
    void Libere();
    bool Vide() const { return n_ == 0; }
    std::int32_t Noeuds() const { return n_; }

    // Slot 1 of (i, j): the pair's best journey, or the sentinel's values.
    const Trajet& Meilleur(std::int32_t i, std::int32_t j) const { return meilleurs_(i, j); }
    Designation Slot1(std::int32_t i, std::int32_t j) const { return designations_(i, j); }
    // A journey from i to j is known (slot 1 designates a record of its own).
    bool Existe(std::int32_t i, std::int32_t j) const {
        return designations_(i, j) == Designation::Propre;
    }
    // Gives (i, j) a record of its own, holding t; true when the record is new (the caller
    // counts it in NbTrajets: rows may be written by several threads at once).
    bool Ecrit(std::int32_t i, std::int32_t j, const Trajet& t);

    // Makes the flat rows from the records (once after each Dimensionne).
    void PrepareTemps();
    // The flat rows: arrivals (32000 without a journey), departures (kDepartAbsent without a
    // journey) and durations of continuous journeys (-1 for the others).
    const std::int32_t* Arrivees(std::int32_t i) const { return arrivees_.Ligne(i); }
    const std::int32_t* Departs(std::int32_t i) const { return departs_.Ligne(i); }
    const std::int32_t* DureesContinues(std::int32_t i) const { return durees_.Ligne(i); }

    // The options, appended pair by pair in increasing (i, j) order during the preparation,
    // then closed by Termine().
    void AjouteOption(std::int32_t i, std::int32_t j, const Trajet& t);
    void Termine();
    const Option* DebutOptions(std::int32_t i) const { return options_.data() + debutLigne_[i]; }
    const Option* FinOptions(std::int32_t i) const { return options_.data() + debutLigne_[i + 1]; }
    // The first option of (i, j) or, when it has none, the first of a later pair of row i.
    const Option* DebutOptionsVers(std::int32_t i, std::int32_t j) const;

    // Slots used for (i, j): 0 on the diagonal, else 1 + the options kept.
    std::int32_t NbCheMin(std::int32_t i, std::int32_t j) const;
    // Option m (2..NbCheMin) of (i, j).
    const Trajet& OptionDe(std::int32_t i, std::int32_t j, std::int32_t m) const;

    // Records in use, counted as the system counts them: the sentinel and the reserved first
    // place, then one per record.
    std::int64_t NbTrajets = 2;

    std::size_t OctetsUtilises() const;

  private:
    std::int32_t n_ = 0;
    Matrice<Trajet> meilleurs_;
    Matrice<Designation> designations_;
    Matrice<std::int32_t> arrivees_, departs_, durees_;
    std::vector<Option> options_;
    std::vector<std::int32_t> debutLigne_;  // options of origin i: [debutLigne_[i], [i+1])
    std::int32_t derniereLigne_ = 0;
};

}  // namespace vek
