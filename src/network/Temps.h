#pragma once
// Times: durations in minutes, times of day in minutes after midnight in memory and hhmm
// numbers (130 for 1 h 30) in files and prompts; and the conversions between time and
// distance at a mode's speed.

namespace vek {

struct EtatReseau;

// hhmm to minutes: 920 gives 560, 2430 gives 1470.
double HeuresMinutesEnMinutes(double hhmm);
// Minutes to hhmm: 560 gives 920. A negative or non-finite value is returned unchanged.
double MinutesEnHeuresMinutes(double minutes);

// Distance covered in `minutes` at the speed of the mode (km).
float DistanceDepuisTemps(EtatReseau& e, float minutes, int mode);
// Time to cover `km` at the speed of the mode, as an hhmm number.
float TempsDepuisDistance(EtatReseau& e, int mode, float km);

// PopulationTotale and NombreKilometres from the working tables.
void CalculTotaux(EtatReseau& e);

}  // namespace vek
