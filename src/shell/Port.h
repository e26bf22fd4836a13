#pragma once
// The one door between the logic and the person at the screen. Every interaction goes
// through it; the logic never talks to a window system. Every call blocks until it is
// answered and none depends on the calling thread, so a front-end may run the commands on a
// worker thread and marshal the calls to its own.

#include <memory>
#include <optional>
#include <string>

#include "shell/Dialogue.h"

namespace vek {

enum class Icone { Aucune, Information, Question, Exclamation, Critique };
enum class Boutons { Ok, OkAnnuler, OuiNon };
enum class Reponse { Ok, Annuler, Oui, Non };

struct DemandeFichier {
    std::string titre;         // "Fichier des noeuds..."
    std::string filtre;        // "Tous fichiers(*.*)|*.*|Data(*.dat)|*.dat"
    int indexFiltre = 1;       // 1-based filter preselected
    std::string repertoire;    // start directory, as the system's path text
    std::string nomPropose;    // proposed file name
    bool enregistrer = false;  // a file to write, which need not exist yet
};

class Port {
  public:
    virtual ~Port() = default;

    virtual Reponse Message(const std::string& texte, Boutons boutons, Icone icone,
                            const std::string& titre) = 0;
    // The text typed, or nothing when the box was cancelled.
    virtual std::optional<std::string> Saisie(const std::string& invite, const std::string& titre,
                                              const std::string& defaut) = 0;
    // The full path chosen (as the system's path text), or nothing when cancelled.
    virtual std::optional<std::string> ChoixFichier(const DemandeFichier& demande) = 0;
    // Shows a declared dialog and drives it until one of its handlers closes it.
    virtual void MontreDialogue(Dialogue& dialogue, bool modal) = 0;
    // Shows a dialog that does not block the main window: a desktop front-end returns at once
    // and keeps the dialog (shared with it) open beside the window until a handler or the
    // frame closes it; a headless one drives it like any other.
    virtual void MontreDialogueNonModal(std::shared_ptr<Dialogue> dialogue) {
        MontreDialogue(*dialogue, false);
    }

    // The progress window "Traitement en cours": shown with its message, bar at a percentage.
    virtual void MontreProgression(const std::string& message) = 0;
    virtual void Progression(double pourcentage) = 0;
    virtual void CacheProgression() = 0;
    // The timed progress window "Calcul en cours": percentage, elapsed and estimated times
    // in seconds.
    virtual void MontreTempsDeCalcul(const std::string& message) = 0;
    // A new message in the timed window while it is shown; a front-end without windows may
    // ignore it.
    virtual void MessageTempsDeCalcul(const std::string& /*message*/) {}
    virtual void TempsDeCalcul(double pourcentage, double ecoule, double estime) = 0;
    virtual void CacheTempsDeCalcul() = 0;

    // Whether the command about to run can be cancelled from this front-end: the program is
    // then kept as it stands before the command, to be put back if it is cancelled.
    virtual bool AnnulationPossible() { return false; }
    // Asked at every progress step: true once when the person has asked to cancel the command
    // running (the "Annuler" button of the progress windows).
    virtual bool AnnulationDemandee() { return false; }

    // Shows on the map the result file of per-node or per-pair values just written (the last
    // result of the state); false when this front-end has no map.
    virtual bool MontreCarte(const std::string& /*fichier*/) { return false; }

    virtual void Sablier(bool actif) = 0;
    // The main window repaints its panel and follows the menu state.
    virtual void Rafraichit() = 0;
    virtual void ImprimeFenetre(const std::string& nom) = 0;
    // Starts a viewer program on a file without waiting for it.
    virtual void LanceProgramme(const std::string& programme, const std::string& argument) = 0;
};

// Sets the busy cursor for the life of a command.
class Sablier {
  public:
    explicit Sablier(Port& port) : port_(port) { port_.Sablier(true); }
    ~Sablier() { port_.Sablier(false); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;

  private:
    Port& port_;
};

}  // namespace vek
