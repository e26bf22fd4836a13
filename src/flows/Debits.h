#pragma once
// Travel times that depend on the road flows. Each road arc's flow (vehicles per hour) is
// divided by its capacity; the ratio r selects a speed factor from a piecewise-constant
// speed-flow law of the road's class, and the arc's speed and time follow from its free-flow
// speed. Daily flows are first turned into the flows of one hour with the share of the daily
// traffic typed for each class of road.
//
// Every run starts from the flows, speeds and times the arcs were read with, so running a
// command again gives the same network. Timetabled arcs are not road arcs: their flow field
// holds a mission number, and they are left as they are.

#include <cstdint>
#include <optional>

#include "network/Arc.h"
#include "shell/Dialogue.h"

namespace vek {

struct EtatFlux;

// The capacity of a road mode whose arc gives none, in vehicles per hour; 0 for any other.
std::int32_t CapaciteParMode(int mode);
// The speed factor of a road of that mode at flow/capacity r (r on a bound belongs to the
// lower row); nothing for a mode outside the three classes of the law.
std::optional<float> LoiDebitVitesse(int mode, double r);
// The hourly flow of a daily flow at `pourcentage` percent, halves to even.
std::int32_t DebitDeLHeure(std::int32_t debitJournalier, float pourcentage);

// The flows of the daily traffic, as read, converted into the flows of the chosen hour with
// the percentages of their class (the other arcs keep their flow as read).
void ConvertitDebitsJournaliers(EtatFlux& e);
// Rewrites the speed and time of every road arc from its flow; a ferry takes 15 minutes more.
// The arcs without flow keep the time they were read with or, with `tempsLibres`, their
// free-flow time. False, with one message naming every arc at fault and nothing changed, when
// an arc carries a flow on a mode that has no capacity and its record gives none.
bool AppliqueDebits(EtatFlux& e, bool tempsLibres = false);
// The free-flow time of an arc: its distance at its free-flow speed; nothing for an arc whose
// mode has none (rail, ferry, walking), which keeps its time.
std::optional<float> TempsLibre(const Arc& a);
// Gives every road arc its free-flow time, and every other arc that is not timetabled the time
// it was read with (the connection time added to them stays); returns how many arcs have no
// free-flow speed.
std::int64_t TempsLibres(EtatFlux& e);

Dialogue DialogueDebits(EtatFlux& e, bool& valide);

// "Débits &Horaires": the flows as read are hourly flows.
void menDébitsHoraires(EtatFlux& e);
// "Débits &Journaliers...": the flows as read are daily flows, converted with the dialog's
// percentages.
void menDébitsJournaliers(EtatFlux& e);

}  // namespace vek
