#include "shell/Progression.h"

#include "shell/EtatIhm.h"

namespace vek {

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
}

void AfficheTempsDeCalcul(EtatIhm& e, std::int64_t total, std::int64_t& courant,
                          const std::string& message) {
    if (total <= 0) return;
    auto maintenant = std::chrono::steady_clock::now();
    if (courant == 0 || courant == 1) {
        e.Ihm.MontreTempsDeCalcul(message);
        e.TempsDeCalculVisible = true;
        e.HeureDebutCalcul = maintenant;
        courant = 1;
    } else if (courant == total) {
        e.Ihm.CacheTempsDeCalcul();
        e.TempsDeCalculVisible = false;
    }
    double p = static_cast<double>(courant) / static_cast<double>(total) * 100;
    double ecoule = std::chrono::duration<double>(maintenant - e.HeureDebutCalcul).count();
    double estime = p > 0 ? ecoule * 100 / p : 0;
    e.Ihm.TempsDeCalcul(p, ecoule, estime);
}

void FermeProgressions(EtatIhm& e) {
    if (e.ProgressionVisible) e.Ihm.CacheProgression();
    if (e.TempsDeCalculVisible) e.Ihm.CacheTempsDeCalcul();
    e.ProgressionVisible = e.TempsDeCalculVisible = false;
}

}  // namespace vek
