#include "shell/Dialogue.h"

#include <stdexcept>

namespace vek {

Controle* Dialogue::Trouve(const std::string& n) {
    for (auto& c : controles)
        if (c.nom == n) return &c;
    return nullptr;
}

Controle& Dialogue::operator[](const std::string& n) {
    Controle* c = Trouve(n);
    if (!c) throw std::out_of_range("Contrôle inconnu dans " + nom + " : " + n);
    return *c;
}

void Dialogue::ChoisitOption(const std::string& n) {
    Controle& choisi = (*this)[n];
    for (auto& c : controles)
        if (c.type == TypeControle::Option && c.cadre == choisi.cadre) c.coche = false;
    choisi.coche = true;
}

}  // namespace vek
