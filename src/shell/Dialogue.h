#pragma once
// A dialog declared as data: its controls with their names, captions, initial states and
// handlers. A front-end renders and drives any declared dialog with no code of its own for
// it: it shows the controls, copies what the person changes into them and calls the handlers;
// a handler that closes the dialog ends the showing. Closing by the window frame acts as the
// dialog's cancel button.

#include <functional>
#include <string>
#include <vector>

namespace vek {

enum class TypeControle { Cadre, Option, Case, Texte, Liste, Etiquette, Bouton };

struct Dialogue;
using Gestionnaire = std::function<void(Dialogue&)>;

struct Controle {
    TypeControle type = TypeControle::Etiquette;
    std::string nom;
    std::string legende;
    std::string cadre;  // name of the frame holding it; empty at the top level
    bool actif = true;
    bool visible = true;
    bool coche = false;               // option buttons and check boxes
    std::string texte;                // text fields
    std::vector<std::string> elements;  // lists
    int selection = -1;               // lists: 0-based selected item, -1 none
    Gestionnaire action;              // click, change of choice or selection
    Gestionnaire actionSecondaire;    // double-click
};

struct Dialogue {
    std::string nom;
    std::string legende;
    std::vector<Controle> controles;
    std::string boutonAnnulation;  // the button the window frame's close acts as
    bool ouvert = false;

    Controle* Trouve(const std::string& nomControle);
    Controle& operator[](const std::string& nomControle);  // throws std::out_of_range
    void Ferme() { ouvert = false; }
    // Ticks an option button and unticks the others of its frame.
    void ChoisitOption(const std::string& nomControle);
};

}  // namespace vek
