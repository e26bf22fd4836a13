#pragma once
// The port of the fuzz targets: answers yes to every question, cancels every file chooser
// and input box, closes every dialog by its cancel button, and keeps nothing.

#include <memory>
#include <optional>
#include <string>

#include "shell/Dialogue.h"
#include "shell/Port.h"

namespace vek::fuzz {

class PortFuzz : public Port {
  public:
    Reponse Message(const std::string&, Boutons b, Icone, const std::string&) override {
        return b == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
    }
    std::optional<std::string> Saisie(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChoixFichier(const DemandeFichier&) override { return std::nullopt; }
    void MontreDialogue(Dialogue& d, bool) override {
        d.ouvert = true;
        d.FermeParLaCroix();
        d.ouvert = false;
    }
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

}  // namespace vek::fuzz
