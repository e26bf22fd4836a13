#include "shell/Menu.h"

#include <stdexcept>

namespace vek {

int MenuModele::Ajoute(const std::string& parent, const std::string& nom,
                       const std::string& legende, Routine routine) {
    int p = -1;
    if (!parent.empty()) {
        auto it = index_.find(parent);
        if (it == index_.end()) throw std::logic_error("Menu parent inconnu : " + parent);
        p = it->second;
    }
    if (index_.count(nom)) throw std::logic_error("Menu en double : " + nom);
    int i = static_cast<int>(commandes_.size());
    commandes_.push_back(Commande{nom, legende, p, {}, true, true, std::move(routine)});
    if (p >= 0) commandes_[p].enfants.push_back(i);
    index_[nom] = i;
    return i;
}

std::vector<int> MenuModele::Racines() const {
    std::vector<int> r;
    for (std::size_t i = 0; i < commandes_.size(); ++i)
        if (commandes_[i].parent < 0) r.push_back(static_cast<int>(i));
    return r;
}

const Commande* MenuModele::Trouve(const std::string& nom) const {
    auto it = index_.find(nom);
    return it == index_.end() ? nullptr : &commandes_[it->second];
}

Commande* MenuModele::Trouve(const std::string& nom) {
    auto it = index_.find(nom);
    return it == index_.end() ? nullptr : &commandes_[it->second];
}

void MenuModele::Active(const std::string& nom, bool actif) {
    Commande* c = Trouve(nom);
    if (!c) throw std::logic_error("Menu inconnu : " + nom);
    if (c->actif != actif) ++version_;
    c->actif = actif;
}

void MenuModele::Montre(const std::string& nom, bool visible) {
    Commande* c = Trouve(nom);
    if (!c) throw std::logic_error("Menu inconnu : " + nom);
    if (c->visible != visible) ++version_;
    c->visible = visible;
}

bool MenuModele::EstActif(const std::string& nom) const {
    const Commande* c = Trouve(nom);
    return c && c->actif;
}

bool MenuModele::EstVisible(const std::string& nom) const {
    const Commande* c = Trouve(nom);
    return c && c->visible;
}

bool MenuModele::EstDisponible(const std::string& nom) const {
    const Commande* c = Trouve(nom);
    if (!c) return false;
    for (;;) {
        if (!c->actif || !c->visible) return false;
        if (c->parent < 0) return true;
        c = &commandes_[c->parent];
    }
}

}  // namespace vek
