#pragma once
// The headless port: answers come from a queue filled by the script, in order; everything
// shown is printed as one line on the output.

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "shell/Port.h"

namespace vek {

enum class TypeReponse { Fichier, OuiNon, Saisie, Dialogue };

struct ReponseScript {
    TypeReponse type;
    bool positive = true;  // oui / OK; false for non, or a cancelled chooser or input box
    std::string texte;     // the file, the text typed, the dialog's name
    std::vector<std::string> reglages;  // dialogs: the settings then the closing button
};

// Raised when a question finds no queued answer of its kind: the run stops there. It is not
// an std::exception, so that no command's error handling takes it for its own.
struct SansReponse {
    std::string question;
};

// A script that asks for what cannot be done (a control that does not exist or is disabled,
// a dialog left open): the run stops there.
struct ErreurScript {
    std::string texte;
};

class PortScript : public Port {
  public:
    explicit PortScript(std::ostream& sortie) : sortie_(sortie) {}

    // Called with each dialog once its settings are applied, before its closing button.
    std::function<void(Dialogue&)> avantFermeture;

    void Ajoute(ReponseScript r) { reponses_.push_back(std::move(r)); }
    // Queues the answer of a script line already split (fichier, saisie, dialogue, oui,
    // non); false, with the reason, when the line is not a well-formed answer.
    bool AjouteReponse(const std::vector<std::string>& jetons, std::string& erreur);
    std::size_t ReponsesRestantes() const { return reponses_.size(); }
    void Vide() { reponses_.clear(); }

    Reponse Message(const std::string& texte, Boutons boutons, Icone icone,
                    const std::string& titre) override;
    std::optional<std::string> Saisie(const std::string& invite, const std::string& titre,
                                      const std::string& defaut) override;
    std::optional<std::string> ChoixFichier(const DemandeFichier& demande) override;
    void MontreDialogue(Dialogue& dialogue, bool modal) override;
    // The instruction `annule N`: the next command is cancelled at its Nth progress step (a
    // command with fewer steps runs to its end); FinCommande ends the request.
    void AnnuleApres(int etapes) {
        annulerApres_ = etapes;
        etapes_ = 0;
    }
    void FinCommande() { annulerApres_ = 0; }
    bool AnnulationPossible() override { return annulerApres_ > 0; }
    bool AnnulationDemandee() override {
        if (annulerApres_ == 0 || etapes_ < annulerApres_) return false;
        annulerApres_ = 0;
        return true;
    }

    void MontreProgression(const std::string&) override {}
    void Progression(double) override { ++etapes_; }
    void CacheProgression() override {}
    void MontreTempsDeCalcul(const std::string&) override {}
    void TempsDeCalcul(double, double, double) override { ++etapes_; }
    void CacheTempsDeCalcul() override {}
    bool MontreCarte(const std::string& fichier) override;
    void Sablier(bool) override {}
    void Rafraichit() override {}
    void ImprimeFenetre(const std::string& nom) override;
    void LanceProgramme(const std::string& programme, const std::string& argument) override;

  protected:
    ReponseScript Prend(TypeReponse type, const std::string& question);
    std::ostream& sortie_;

  private:
    std::deque<ReponseScript> reponses_;
    int annulerApres_ = 0, etapes_ = 0;
};

// Applies one setting of a `dialogue` instruction as a person would click; throws
// ErreurScript when it cannot be applied.
void AppliqueReglage(Dialogue& d, const std::string& reglage);

// Splits one line of a script into tokens: blanks separate them, a token in double quotes may
// hold blanks, '#' starts a comment where a token would; false (with the reason) when a quote
// is left open.
bool DecoupeLigne(const std::string& ligne, std::vector<std::string>& jetons, std::string& erreur);
// The words of the lines that answer a question: fichier, saisie, dialogue, oui, non.
bool EstReponse(const std::string& mot);

// A text on one line: line feeds shown as " | ".
std::string SurUneLigne(const std::string& texte);

}  // namespace vek
