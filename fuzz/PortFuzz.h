#pragma once
// The port of the fuzz targets: answers yes to every question, cancels every file chooser
// and input box, closes every dialog by its cancel button, and keeps nothing.

#include <string>

#include "shell/Dialogue.h"
#include "shell/PortMuet.h"

namespace vek::fuzz {

class PortFuzz : public PortMuet {
  public:
    Reponse Message(const std::string&, Boutons b, Icone, const std::string&) override {
        return b == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
    }
    void MontreDialogue(Dialogue& d, bool) override {
        d.ouvert = true;
        d.FermeParLaCroix();
        d.ouvert = false;
    }
};

}  // namespace vek::fuzz
