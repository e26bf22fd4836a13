#pragma once
// A dialog declared as data: its controls with their names, captions, initial states and
// handlers. A front-end renders and drives any declared dialog with no code of its own for
// it: it shows the controls in their declared order (frames as groups), copies what the
// person changes into them and calls the handlers; a handler that closes the dialog ends the
// showing. Closing by the window frame acts as the dialog's cancel button.
//
// What a person does, and so what a front-end calls:
//  - an option button: Choisit() (ticks it, unticks the others of its frame, runs `action`);
//  - a check box: Coche() (sets the tick, runs `action`);
//  - a text field: Saisit() (sets the text, runs `action` when there is one);
//  - a list: Selectionne() (selects an item, runs `action`);
//  - a button: Clique() (runs `action`; it may close the dialog or leave it open);
//  - a double-click on any control: DoubleClic() (runs `actionSecondaire`).

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
    bool coche = false;                 // option buttons and check boxes
    std::string texte;                  // text fields
    std::vector<std::string> elements;  // lists
    int selection = -1;                 // lists: 0-based selected item, -1 none
    Gestionnaire action;                // click, change of choice, of tick, of selection
    Gestionnaire actionSecondaire;      // double-click
};

struct Dialogue {
    std::string nom;
    std::string legende;
    std::vector<Controle> controles;
    std::string boutonAnnulation;  // the button the window frame's close acts as
    bool ouvert = false;
    bool modal = true;

    Controle* Trouve(const std::string& nomControle);
    Controle& operator[](const std::string& nomControle);  // throws std::out_of_range
    Controle& Ajoute(TypeControle type, const std::string& nomControle, const std::string& legende,
                     const std::string& cadre = {});
    void Ferme() { ouvert = false; }

    // Enabled and visible, and so is every frame holding it.
    bool EstUtilisable(const std::string& nomControle);
    bool EstVisible(const std::string& nomControle);

    void Choisit(const std::string& nomControle);
    void Coche(const std::string& nomControle, bool coche);
    void Saisit(const std::string& nomControle, const std::string& texte);
    void Selectionne(const std::string& nomControle, int index);
    void Clique(const std::string& nomControle);
    void DoubleClic(const std::string& nomControle);
    // The window frame's close: the cancel button's action, or a plain close.
    void FermeParLaCroix();

    // Ticks an option button and unticks the others of its frame, without running handlers.
    void ChoisitOption(const std::string& nomControle);
    // The first ticked option of a frame, empty when none is.
    std::string OptionChoisie(const std::string& cadre) const;
    // Enables or disables, shows or hides a control (frames act on what they hold).
    void Active(const std::string& nomControle, bool actif = true);
    void Montre(const std::string& nomControle, bool visible = true);
};

}  // namespace vek
