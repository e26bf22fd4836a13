#pragma once
// The trip tables of one timetable computation (CheMin, pCheMin, NbCheMin): for each ordered
// pair, slot 1 is the best journey known, a record of its own; slots 2.. are the concrete
// options the preparation kept, stored compactly (only the pairs and options that exist), row
// by row.

#include <cstdint>
#include <vector>

#include "paths/Matrice.h"
#include "timetable/Trajet.h"

namespace vek {

class TrajetsHoraires {
  public:
    struct Option {
        std::int32_t autre;  // the destination (by origin) of the pair
        Trajet trajet;
    };

    // Fresh tables for nodes 1..n: every pair off the diagonal designates the sentinel.
    void Dimensionne(std::int32_t n);
    void Libere();
    bool Vide() const { return n_ == 0; }
    std::int32_t Noeuds() const { return n_; }

    // Slot 1 of (i, j).
    Trajet& Meilleur(std::int32_t i, std::int32_t j) { return meilleurs_(i, j); }
    const Trajet& Meilleur(std::int32_t i, std::int32_t j) const { return meilleurs_(i, j); }
    Trajet* LigneMeilleurs(std::int32_t i) { return meilleurs_.Ligne(i); }
    Designation& Slot1(std::int32_t i, std::int32_t j) { return designations_(i, j); }
    Designation Slot1(std::int32_t i, std::int32_t j) const { return designations_(i, j); }
    Designation* LigneSlots1(std::int32_t i) { return designations_.Ligne(i); }
    // A journey from i to j is known (slot 1 designates a record of its own).
    bool Existe(std::int32_t i, std::int32_t j) const {
        return designations_(i, j) == Designation::Propre;
    }
    // Gives (i, j) a record of its own for its best journey.
    Trajet& Attribue(std::int32_t i, std::int32_t j);

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
    std::vector<Option> options_;
    std::vector<std::int32_t> debutLigne_;  // options of origin i: [debutLigne_[i], [i+1])
    std::int32_t derniereLigne_ = 0;
};

}  // namespace vek
