#pragma once
// The four timetable commands of "Chemins minimaux, Calcul": each sets every flag the
// computation reads, runs it, and shows the path outputs dialog after a query or an arrival
// computation. They run under the valuation "Horaires" only.

namespace vek {

struct EtatLocalisation;

void menHoraireContrainteDépart(EtatLocalisation& e);
void menHoraireContrainteArrivée(EtatLocalisation& e);
void menCheminsSurIntervalleHoraire(EtatLocalisation& e);
void menTMSurIntervalleHoraire(EtatLocalisation& e);

}  // namespace vek
