#include "shell/Progression.h"

#include <algorithm>

#include "shell/Erreurs.h"
#include "shell/EtatIhm.h"

namespace vek {

namespace {
// Shows the timed window and starts the clock of the computation.
void MontreTempsDeCalcul(EtatIhm& e, const std::string& message) {
    e.Ihm.MontreTempsDeCalcul(message);
    e.TempsDeCalculVisible = true;
    e.HeureDebutCalcul = std::chrono::steady_clock::now();
}

// A step before the last one stops the command when the person has asked to cancel it.
void ArreteSiAnnulee(EtatIhm& e, std::int64_t total, std::int64_t courant) {
    if (courant < total && e.Ihm.AnnulationDemandee()) throw Annulation{};
}
}  // namespace

void AfficheProgression(EtatIhm& e, std::int64_t total, std::int64_t courant,
                        const std::string& message) {
    if (total <= 0) return;
    if (courant == 0 || courant == 1) {
        e.Ihm.MontreProgression(message);
        e.ProgressionVisible = true;
    } else if (courant == total) {
        e.Ihm.CacheProgression();
        e.ProgressionVisible = false;
    }
    e.Ihm.Progression(static_cast<double>(courant) / static_cast<double>(total) * 100);
    ArreteSiAnnulee(e, total, courant);
}

void AfficheTempsDeCalcul(EtatIhm& e, std::int64_t total, std::int64_t& courant,
                          const std::string& message) {
    if (total <= 0) return;
    // The first call, or a call that finds the window hidden before the last step, shows it
    // and starts the clock; a window already shown keeps the clock of its computation.
    if (courant == 0 || (!e.TempsDeCalculVisible && courant < total)) {
        MontreTempsDeCalcul(e, message);
        if (courant == 0) courant = 1;
    } else if (courant == total) {
        e.Ihm.CacheTempsDeCalcul();
        e.TempsDeCalculVisible = false;
    } else {
        e.Ihm.MessageTempsDeCalcul(message);
    }
    auto maintenant = std::chrono::steady_clock::now();
    double p = static_cast<double>(courant) / static_cast<double>(total) * 100;
    double ecoule = std::chrono::duration<double>(maintenant - e.HeureDebutCalcul).count();
    // The whole computation takes at least what has gone by (rounding must not say less).
    double estime = p > 0 ? std::max(ecoule, ecoule * 100 / p) : 0;
    e.Ihm.TempsDeCalcul(p, ecoule, estime);
    ArreteSiAnnulee(e, total, courant);
}

void OuvreTempsDeCalcul(EtatIhm& e, const std::string& message) {
    MontreTempsDeCalcul(e, message);
    e.Ihm.TempsDeCalcul(0, 0, 0);
}

void FermeProgressions(EtatIhm& e) {
    if (e.ProgressionVisible) e.Ihm.CacheProgression();
    if (e.TempsDeCalculVisible) e.Ihm.CacheTempsDeCalcul();
    e.ProgressionVisible = e.TempsDeCalculVisible = false;
}

}  // namespace vek
