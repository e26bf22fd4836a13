#pragma once
// A port that shows nothing and asks nothing: every message is acknowledged, every input box
// and file chooser cancelled, every dialog left as it is. Headless runs (benchmarks, fuzzing)
// start from it and change what they need.

#include <optional>
#include <string>

#include "shell/Port.h"

namespace vek {

class PortMuet : public Port {
  public:
    Reponse Message(const std::string&, Boutons, Icone, const std::string&) override {
        return Reponse::Ok;
    }
    std::optional<std::string> Saisie(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChoixFichier(const DemandeFichier&) override { return std::nullopt; }
    void MontreDialogue(Dialogue&, bool) override {}
    void MontreProgression(const std::string&) override {}
    void Progression(double) override {}
    void CacheProgression() override {}
    void MontreTempsDeCalcul(const std::string&) override {}
    void TempsDeCalcul(double, double, double) override {}
    void CacheTempsDeCalcul() override {}
    void Sablier(bool) override {}
    void Rafraichit() override {}
    void ImprimeFenetre(const std::string&) override {}
    void LanceProgramme(const std::string&, const std::string&) override {}
};

}  // namespace vek
