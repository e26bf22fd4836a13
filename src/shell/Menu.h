#pragma once
// The menu tree of the main window as data: every command with its name, caption ("&" marks
// the mnemonic), nesting, separators, enabled and visible state, and the routine it runs.
// Front-ends render it and follow its state; a command under a disabled or hidden sub-menu
// counts as disabled.

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vek {

// The routine of a command, bound to the state it works on by whoever builds the tree.
using Routine = std::function<void()>;

struct Commande {
    std::string nom;
    std::string legende;  // "-" for a separator
    int parent = -1;      // index of the sub-menu holding it, -1 for the menu bar
    std::vector<int> enfants;
    bool actif = true;
    bool visible = true;
    Routine routine;  // empty for a sub-menu or a separator
    bool EstSeparateur() const { return legende == "-"; }
};

class MenuModele {
  public:
    // Adds a command under `parent` (empty: the menu bar); returns its index.
    int Ajoute(const std::string& parent, const std::string& nom, const std::string& legende,
               Routine routine = {});

    const std::vector<Commande>& Commandes() const { return commandes_; }
    std::vector<int> Racines() const;
    const Commande* Trouve(const std::string& nom) const;
    Commande* Trouve(const std::string& nom);

    void Active(const std::string& nom, bool actif = true);
    void Desactive(const std::string& nom) { Active(nom, false); }
    void Montre(const std::string& nom, bool visible = true);
    void Cache(const std::string& nom) { Montre(nom, false); }
    bool EstActif(const std::string& nom) const;
    bool EstVisible(const std::string& nom) const;
    // Enabled and visible, and so are all the sub-menus above it.
    bool EstDisponible(const std::string& nom) const;

    // Counts every change of state, so that a front-end knows when to follow.
    std::size_t Version() const { return version_; }

  private:
    std::vector<Commande> commandes_;
    std::unordered_map<std::string, int> index_;
    std::size_t version_ = 0;
};

}  // namespace vek
