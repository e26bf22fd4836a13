#pragma once
// The two progress windows that long loops drive, called once per outer step with the
// current step and the total; the first call shows the window, the call whose current step
// equals the total hides it. A total of 0 shows nothing. A step before the last throws
// Annulation when the person has asked to cancel the command.

#include <cstdint>
#include <string>

namespace vek {

struct EtatIhm;

void AfficheProgression(EtatIhm& e, std::int64_t total, std::int64_t courant,
                        const std::string& message);
// The timed window; `courant` is the caller's counter, set to 1 by the first call. A call
// that finds the window hidden before the last step shows it too; the others pass their
// message on to it.
void AfficheTempsDeCalcul(EtatIhm& e, std::int64_t total, std::int64_t& courant,
                          const std::string& message);
// Shows the timed window with its message at 0 % when a computation starts, and starts the
// clock whose elapsed and estimated times the window then shows.
void OuvreTempsDeCalcul(EtatIhm& e, const std::string& message);
// Hides whatever progress window a command left visible.
void FermeProgressions(EtatIhm& e);

}  // namespace vek
