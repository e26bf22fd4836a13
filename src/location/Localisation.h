#pragma once
// The location of two or three facilities: for every combination of candidate nodes, the total
// distance of all nodes to their nearest facility (efficiency, weighted by the population of
// the node when PonderationPopulation is set) or the distance of the node farthest from its
// nearest facility (equity). The searches are exhaustive and keep the value of every
// combination; the best one is the smallest value.
//
// Values depend only on the set of candidates and are kept for a <= b (<= c). Sums run in
// Double over the nodes in order and are rounded to Single once. Efficiency counts a
// candidate's own distance as 1, equity as CheminsMin holds it; an unreachable pair counts
// 32000. CheminsMin is never changed.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vek {

struct EtatLocalisation;

// Fill MatLocalisation2 (both (a, b) and (b, a)).
void LocalisationDeuxEfficacite(EtatLocalisation& e);
void LocalisationDeuxEquite(EtatLocalisation& e);
// Fill MatLocalisation3, which holds N^3 / 6 values: for networks whose table fits in memory.
void LocalisationTroisEfficacite(EtatLocalisation& e);
void LocalisationTroisEquite(EtatLocalisation& e);

// The three-facility search handing out its values first candidate by first candidate:
// `bloc` holds the values of (a, b, c) for b = a..N and c = b..N, in the order of a block of
// TableTriples; it is valid during the call only. Called on the calling thread, a in order.
using RecepteurTriples = std::function<void(std::int32_t a, const float* bloc)>;
void LocalisationTrois(EtatLocalisation& e, bool efficacite, const RecepteurTriples& recepteur);

// What a search will cost before it runs.
struct EstimationLocalisation {
    std::int64_t combinaisons = 0;
    double secondesCalcul = 0;
    double secondesParLigne = 0;  // formatting and writing one line of the file
    std::int64_t octetsParLigne = 0;
    double Secondes(std::int64_t lignes) const {
        return secondesCalcul + secondesParLigne * static_cast<double>(lignes);
    }
};
// Measures a small block of the search on the current network.
EstimationLocalisation EstimeLocalisation(EtatLocalisation& e, int equipements, bool efficacite);

struct SeuilsLocalisation {
    double secondesSansQuestion = 60;          // a longer search asks before it starts
    std::optional<std::uint64_t> espaceLibre;  // bytes; default: free space of the result disk
    std::int64_t meilleures = 1000;            // combinations kept when the whole file cannot fit
};

// For the tests: the plain loops of the kernel even where the processor has vector lanes.
extern bool LocalisationSansVecteurs;

// The location step of the shortest-path outputs for NbEquipements 2 or 3: runs the search
// and writes "\Loc2eff.dat", "\Loc3eff.dat", "\Loc2eq.dat" or "\Loc3eq.dat" into RepResultats
// (the three-facility file as it is computed). A search expected to last longer than a minute
// asks first; when the file would not fit on the disk it offers to write only the best
// combinations, the best first. Returns the path written, "" when nothing was written.
std::string Localisation(EtatLocalisation& e, bool efficacite,
                         const SeuilsLocalisation& seuils = {});

}  // namespace vek
