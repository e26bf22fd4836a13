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

Controle& Dialogue::Ajoute(TypeControle type, const std::string& n, const std::string& legende,
                           const std::string& cadre) {
    Controle c;
    c.type = type;
    c.nom = n;
    c.legende = legende;
    c.cadre = cadre;
    controles.push_back(std::move(c));
    return controles.back();
}

bool Dialogue::EstUtilisable(const std::string& n) {
    for (Controle* c = Trouve(n); c; c = c->cadre.empty() ? nullptr : Trouve(c->cadre))
        if (!c->actif || !c->visible) return false;
    return Trouve(n) != nullptr;
}

bool Dialogue::EstVisible(const std::string& n) {
    for (Controle* c = Trouve(n); c; c = c->cadre.empty() ? nullptr : Trouve(c->cadre))
        if (!c->visible) return false;
    return Trouve(n) != nullptr;
}

namespace {
void Lance(const Gestionnaire& g, Dialogue& d) {
    if (g) g(d);
}
}  // namespace

void Dialogue::Choisit(const std::string& n) {
    ChoisitOption(n);
    Lance((*this)[n].action, *this);
}

void Dialogue::Coche(const std::string& n, bool coche) {
    (*this)[n].coche = coche;
    Lance((*this)[n].action, *this);
}

void Dialogue::Saisit(const std::string& n, const std::string& texte) {
    (*this)[n].texte = texte;
    Lance((*this)[n].action, *this);
}

void Dialogue::Selectionne(const std::string& n, int index) {
    Controle& c = (*this)[n];
    if (index < 0 || index >= static_cast<int>(c.elements.size()))
        throw std::out_of_range("Élément absent de la liste " + n);
    c.selection = index;
    Lance(c.action, *this);
}

void Dialogue::Clique(const std::string& n) {
    Lance((*this)[n].action, *this);
}

void Dialogue::DoubleClic(const std::string& n) {
    Lance((*this)[n].actionSecondaire, *this);
}

void Dialogue::FermeParLaCroix() {
    Controle* annuler = Trouve(boutonAnnulation);
    if (annuler && annuler->action) annuler->action(*this);
    ouvert = false;
}

void Dialogue::ChoisitOption(const std::string& n) {
    Controle& choisi = (*this)[n];
    if (choisi.type == TypeControle::Option) {
        for (auto& c : controles)
            if (c.type == TypeControle::Option && c.cadre == choisi.cadre) c.coche = false;
    }
    choisi.coche = true;
}

std::string Dialogue::OptionChoisie(const std::string& cadre) const {
    for (const auto& c : controles)
        if (c.type == TypeControle::Option && c.cadre == cadre && c.coche) return c.nom;
    return {};
}

void Dialogue::Active(const std::string& n, bool actif) {
    (*this)[n].actif = actif;
}

void Dialogue::Montre(const std::string& n, bool visible) {
    (*this)[n].visible = visible;
}

}  // namespace vek
