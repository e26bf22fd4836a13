#pragma once
// A connection found by a sweep over an interval: one journey between two nodes, kept once
// per arrival time with the latest departure seen for it.

#include <cstdint>
#include <vector>

#include "timetable/Trajet.h"

namespace vek {

struct ConnexionChem {
    std::int32_t Origine = 0;  // node indices
    std::int32_t Destination = 0;
    float Valeur = 0;  // accumulated arc value
    std::int32_t Depart = 0;
    std::int32_t Arrivee = 0;
    std::int32_t Attente = 0;
    std::int32_t Mission1 = 0;  // mission of the first leg
    std::int32_t Mission2 = 0;  // mission of the last leg
    std::int16_t Mode = 0;
};

// The record 1 of the table: every time and the value at 32000.
inline ConnexionChem SentinelleChem() {
    ConnexionChem c;
    c.Valeur = kAucunTrajet;
    c.Depart = c.Arrivee = c.Attente = kAucunTrajet;
    return c;
}

// The records of each pair in Chem, newest first, so that a sweep finds the record of a pair
// and arrival time without reading the whole table.
struct IndexChem {
    std::int32_t n = 0;
    std::vector<std::int32_t> tete;     // per pair (i, j): i * (n + 1) + j; 0 = none
    std::vector<std::int32_t> suivant;  // per record: the previous record of its pair
    void Dimensionne(std::int32_t noeuds) {
        n = noeuds;
        const std::size_t c = static_cast<std::size_t>(n) + 1;
        tete.assign(c * c, 0);
        suivant.assign(3, 0);
    }
    void Libere() { *this = IndexChem{}; }
    std::int32_t& Tete(std::int32_t i, std::int32_t j) {
        return tete[static_cast<std::size_t>(i) * (static_cast<std::size_t>(n) + 1) +
                    static_cast<std::size_t>(j)];
    }
};

}  // namespace vek
