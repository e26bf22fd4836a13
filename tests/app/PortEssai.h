#pragma once
// The desktop port for the application's tests: the file choosers are answered from a list
// (an empty list cancels) and the messages only counted.

#include <deque>
#include <optional>
#include <string>

#include "PortQt.h"

namespace vek::test {

class PortEssai : public PortQt {
  public:
    std::deque<std::string> fichiers;
    int messages = 0;
    std::optional<std::string> ChoixFichier(const DemandeFichier&) override {
        if (fichiers.empty()) return std::nullopt;
        std::string f = fichiers.front();
        fichiers.pop_front();
        return f;
    }
    Reponse Message(const std::string&, Boutons, Icone, const std::string&) override {
        ++messages;
        return Reponse::Ok;
    }
};

}  // namespace vek::test
