#pragma once
// What the user-interface shell keeps for every command: the port through which the
// routines talk to the person, the menu tree, the configuration panel, the progress windows,
// the result folder and the viewers, and the output choices of the dialogs that the result
// writers read. The layers above add their tables to it; the program's state object
// aggregates them all.

#include <chrono>
#include <string>
#include <vector>

#include "shell/Chemins.h"
#include "shell/Journal.h"
#include "shell/Menu.h"
#include "shell/OptionsSorties.h"
#include "shell/Port.h"

namespace vek {

// One line of the configuration panel "CONFIGURATION DU GRAPHE".
struct LigneConfiguration {
    std::string nomLegende;  // "NombreNoeuds"
    std::string legende;     // "Noeuds"
    std::string nomValeur;   // "NombreDeNoeuds"
    std::string valeur;      // " 44"
};

struct EtatIhm {
    explicit EtatIhm(Port& port) : PortCommandes(port, JournalCommandes), Ihm(PortCommandes) {}
    EtatIhm(const EtatIhm&) = delete;
    EtatIhm& operator=(const EtatIhm&) = delete;

    // Every call to the port passes through the journal of the commands, which notes what
    // each command asked and was answered: a command can be run again with the same answers
    // (on a variant of the network).
    Journal JournalCommandes;
    PortJournal PortCommandes;
    Port& Ihm;

    // Main window.
    MenuModele Menus;
    std::vector<LigneConfiguration> Configuration;
    bool Quitter = false;  // the program is asked to end

    // Progress windows.
    bool ProgressionVisible = false;
    bool TempsDeCalculVisible = false;
    std::chrono::steady_clock::time_point HeureDebutCalcul;

    // Result files and the programs that show them; drive letters.
    std::string RepResultats = "c:";
    std::string NomFichierResultat;
    Lecteurs Disques;
    std::string Editeur = "xdg-open";
    std::string Tableur;  // the spreadsheet program; empty: the first one installed

    // Output choices of the analysis dialogs, and the options of the path-output (VekForCM)
    // and gravity-file (FichGrav) dialogs that the pair-list writer reads.
    std::string ChoixSortie;         // "Fichier" or "Annule"
    std::string ChoixSortieGravite;  // "Fichier", "Graphique", "Map" or "Annule"
    OptionsVekForCM VekForCM;
    OptionsFichGrav FichGrav;
};

}  // namespace vek
