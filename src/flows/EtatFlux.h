#pragma once
// The tables of the flows: the assignment of the attractions to the shortest paths, and the
// road flows turned into congested travel times.

#include "gravity/EtatGravite.h"

namespace vek {

struct TablesFlux {
    Matrice<float> FluxAffectes;  // the assignment's flow of each step (later node, node before)

    // Hourly flows applied by "Débits Horaires"; cleared by a load.
    bool DebitsHoraires = false;
    float Capacite = 0;        // capacity of the arc last converted, vehicles per hour
    float FacteurVitesse = 0;  // speed factor the speed-flow law gave it
    // Share of the daily traffic in the chosen hour, in percent, by class of road.
    float PourcAutoroutes = 0;
    float PourcUrbain = 0;
    float PourcAutres = 0;
};

struct EtatFlux : virtual EtatGravite, TablesFlux {
    explicit EtatFlux(Port& port) : EtatChemins(port), EtatGravite(port) {}
    void ReseauModifie() override {
        DebitsHoraires = false;
        EtatChemins::ReseauModifie();
    }
};

}  // namespace vek
