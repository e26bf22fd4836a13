#pragma once

#include <optional>
#include <string>

#include "shell/Port.h"

// A port that answers nothing and shows nothing.
class PortMuet : public vek::Port {
  public:
    vek::Reponse Message(const std::string&, vek::Boutons, vek::Icone,
                         const std::string&) override {
        return vek::Reponse::Ok;
    }
    std::optional<std::string> Saisie(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChoixFichier(const vek::DemandeFichier&) override {
        return std::nullopt;
    }
    void MontreDialogue(vek::Dialogue&, bool) override {}
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
