#pragma once
// The program's state: every subsystem's tables, counts and settings under their names, in
// one explicit object that every routine receives. Several can live side by side (tests
// build one each). Each subsystem declares the tables it owns beside its routines, with the
// view of the state those routines take; this object aggregates the views of every analysis
// over the one shortest-path, network and shell state they share.

#include "accessibility/EtatAccessibilite.h"
#include "flows/EtatFlux.h"
#include "hierarchy/EtatHierarchie.h"
#include "indicators/EtatIndicateurs.h"
#include "location/EtatLocalisation.h"
#include "timetable/EtatHoraires.h"
#include "vek/Comparaison.h"

namespace vek {

struct Etat : virtual EtatHoraires,
              virtual EtatValidation,
              virtual EtatIndicateurs,
              virtual EtatGravite,
              virtual EtatFlux,
              virtual EtatAccessibilite,
              virtual EtatLocalisation,
              virtual EtatHierarchie {
    // Builds the tables of a program with no network and the menu tree.
    explicit Etat(Port& port);

    // The variant of the network compared with this one, when a comparison runs.
    PtrVariante Comparaison;
};

}  // namespace vek
