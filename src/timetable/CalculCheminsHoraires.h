#pragma once
// The driver of every timetable computation: the times asked, one query (leaving after a time,
// or arriving by a time) or a sweep of the reference time across an interval, the connections
// a sweep collects (Chem) with their files, and the best journeys copied into the
// shortest-path matrix.
//
// The flags say what runs: ContrainteDepart, a departure query; ContrainteArrivee without
// TempsMinimauxIntervalle, an arrival query; ContrainteArrivee with it, an arrival sweep and
// the quickest connection of each pair arriving within the interval; neither, a departure
// sweep. A sweep writes "hhmm-hhmmchem.dat", "hhmm-hhmmTrainsEntrants.dat" and
// "hhmm-hhmmTrainsSortants.dat" in the current folder and opens the first in the viewer.

#include <string>

namespace vek {

struct EtatHoraires;

// Asks the times (only when `interactif`; otherwise HeureDebut and HeureFin are used as they
// are) and runs the computation. False when a prompt was cancelled: nothing changed. True
// otherwise; `montrerSorties` then says whether the path outputs dialog follows (after an
// arrival computation or a single query).
bool CalculCheminsHoraires(EtatHoraires& e, bool interactif, bool* montrerSorties = nullptr);

// The steps of a sweep.
// HeureDepart moved to just before the next departure of an option (then to it); under the
// arrival constraint, to the next arrival of an option. 31999 when there is none.
void ChercheProchainDepart(EtatHoraires& e);
// The options prepared again for the new reference time: the services gone are taken on the
// next day, on the options only (the arc table never changes).
void ActualisePCheMin(EtatHoraires& e);
// The best journeys that have left by HeureDepart (arrived by it under the arrival
// constraint), timetabled or combined, appended to Chem: one record per pair and arrival time,
// the latest departure kept.
void RemplitTableauChemDepart(EtatHoraires& e);
void RemplitTableauChemArrivee(EtatHoraires& e);
// Slot 1 of each pair becomes its quickest connection of Chem arriving between HeureDebut and
// HeureFin (both included); the options are dropped.
void SelectionTempsMinimaux(EtatHoraires& e);
// CheminsMin made from slot 1: arrival minus departure and the mode; 32000 for a pair without
// a journey; marked as the paths of this network under "Horaires".
void CopieCheminsHoraires(EtatHoraires& e);

// An hhmm answer of a prompt in minutes (hours 0 to 23, minutes below 60), or -1.
int HeureSaisie(const std::string& texte);

}  // namespace vek
