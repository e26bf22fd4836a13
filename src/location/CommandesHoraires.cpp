#include "location/CommandesHoraires.h"

#include "location/EtatLocalisation.h"
#include "location/SortiesCheminsMinimaux.h"
#include "shell/Fichiers.h"
#include "timetable/CalculCheminsHoraires.h"

namespace vek {

namespace {

// Runs the computation with the flags given; a cancelled prompt puts the former flags back.
void Lance(EtatLocalisation& e, bool depart, bool arrivee, bool intervalle) {
    if (e.Valuation != "Horaires") {
        e.Ihm.Message(
            "Les calculs horaires demandent la valuation « Horaires de circulation » : "
            "choisissez-la d'abord (Chemins minimaux, Valuation).",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return;
    }
    const bool d0 = e.ContrainteDepart, a0 = e.ContrainteArrivee, t0 = e.TempsMinimauxIntervalle;
    e.ContrainteDepart = depart;
    e.ContrainteArrivee = arrivee;
    e.TempsMinimauxIntervalle = intervalle;
    bool sorties = false;
    if (!CalculCheminsHoraires(e, true, &sorties)) {
        e.ContrainteDepart = d0;
        e.ContrainteArrivee = a0;
        e.TempsMinimauxIntervalle = t0;
        return;
    }
    if (sorties) menVisuMatChMin(e);
}

}  // namespace

void menHoraireContrainteDépart(EtatLocalisation& e) {
    Lance(e, true, false, false);
}

void menHoraireContrainteArrivée(EtatLocalisation& e) {
    Lance(e, false, true, false);
}

void menCheminsSurIntervalleHoraire(EtatLocalisation& e) {
    Lance(e, false, false, false);
}

void menTMSurIntervalleHoraire(EtatLocalisation& e) {
    Lance(e, false, true, true);
    e.TempsMinimauxIntervalle = false;
    e.ContrainteArrivee = false;
}

}  // namespace vek
