#pragma once
// The journal of a desktop session: every command run from the menu, every answer it took
// (file chooser, input box, question, dialog) and every setting changed, written as a
// vek-batch script that gives the same result files. The answers a command takes stand
// before its `menu` line, in the order they were asked, as the script queues them.
//
// PortJournal sits between the state and the desktop's port: it passes every call on and
// notes the answers; the person's actions on a dialog are noted through its controls'
// handlers, which it wraps for the time of the showing.

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "shell/Port.h"

namespace vek {

// A token of a script line: in double quotes when it holds blanks, is empty or starts a
// comment.
std::string JetonJournal(const std::string& texte);
// The tokens joined by blanks, each as JetonJournal writes it.
std::string LigneJournal(const std::vector<std::string>& jetons);

class Journal {
  public:
    // The calls come from the interface thread and from the command's worker thread.
    void Reglage(const std::string& nom, const std::string& valeur);
    void DebutCommande();
    // `faite`: the command ran (one that was refused gives no line).
    void FinCommande(const std::string& nom, bool faite);
    void Fichier(const std::optional<std::string>& chemin);
    void Saisie(const std::optional<std::string>& texte);
    void OuiNon(bool oui);
    // A dialog takes its place in the journal when it is shown, so that the answers its
    // actions ask for follow it; its line (the person's actions in order, the closing button
    // last) fills the place once it is closed. `rejouable` false when it closed with no
    // button: the line stays as a comment. A dialog shown beside the window (`aCote`) takes
    // the answers asked while it is open and no command runs; it is replayable only when no
    // other command ran before it closed.
    int OuvreDialogue(const std::string& nom, bool aCote);
    void FermeDialogue(int numero, const std::vector<std::string>& jetons, bool rejouable);

    std::string Texte() const;
    // The answers the last command that ran took, as the script lines that queue them, in
    // the order it asked for them (no `menu` line).
    std::vector<std::string> DerniereCommande() const;

  private:
    struct Place {
        std::string nom;
        std::vector<std::string> lignes;  // the dialog's line, then the answers it took
        int commande = 0;                 // the command that showed it
        bool aCote = false, ferme = false, rejouable = true;
    };
    void Note(std::string ligne);  // an answer, where it belongs
    void Ecrit(const std::string& ligne, const std::string& prefixe, std::string& texte) const;
    mutable std::mutex verrou_;
    std::vector<std::string> lignes_;    // the place of a dialog: "\x01N"
    std::vector<std::string> reponses_;  // of the running command
    std::vector<std::string> derniere_;  // of the last command that ran
    bool enCommande_ = false;
    int commandes_ = 0;  // commands started
    std::vector<Place> dialogues_;
    std::vector<int> ouverts_;  // the dialogs beside the window still open
};

class PortJournal : public Port {
  public:
    PortJournal(Port& interne, Journal& journal) : interne_(interne), journal_(journal) {}

    Reponse Message(const std::string& texte, Boutons boutons, Icone icone,
                    const std::string& titre) override;
    std::optional<std::string> Saisie(const std::string& invite, const std::string& titre,
                                      const std::string& defaut) override;
    std::optional<std::string> ChoixFichier(const DemandeFichier& demande) override;
    void MontreDialogue(Dialogue& dialogue, bool modal) override;
    void MontreDialogueNonModal(std::shared_ptr<Dialogue> dialogue) override;
    void MontreProgression(const std::string& m) override { interne_.MontreProgression(m); }
    void Progression(double p) override { interne_.Progression(p); }
    void CacheProgression() override { interne_.CacheProgression(); }
    void MontreTempsDeCalcul(const std::string& m) override { interne_.MontreTempsDeCalcul(m); }
    void MessageTempsDeCalcul(const std::string& m) override { interne_.MessageTempsDeCalcul(m); }
    void TempsDeCalcul(double p, double ecoule, double estime) override {
        interne_.TempsDeCalcul(p, ecoule, estime);
    }
    void CacheTempsDeCalcul() override { interne_.CacheTempsDeCalcul(); }
    bool AnnulationPossible() override { return interne_.AnnulationPossible(); }
    bool AnnulationDemandee() override { return interne_.AnnulationDemandee(); }
    bool MontreCarte(const std::string& fichier) override { return interne_.MontreCarte(fichier); }
    void Sablier(bool actif) override { interne_.Sablier(actif); }
    void Rafraichit() override { interne_.Rafraichit(); }
    void ImprimeFenetre(const std::string& nom) override { interne_.ImprimeFenetre(nom); }
    void LanceProgramme(const std::string& programme, const std::string& argument) override {
        interne_.LanceProgramme(programme, argument);
    }

  private:
    Port& interne_;
    Journal& journal_;
};

}  // namespace vek
