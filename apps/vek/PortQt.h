#pragma once
// The desktop port: every interaction is a real widget shown on the interface thread. A
// command running on the worker thread waits for the answer; called from the interface
// thread, the widget is shown at once.

#include <functional>

#include "shell/Port.h"

namespace vek {

class FenetreVek;

class PortQt : public Port {
  public:
    void Fenetre(FenetreVek* f) { fenetre_ = f; }

    Reponse Message(const std::string& texte, Boutons boutons, Icone icone,
                    const std::string& titre) override;
    std::optional<std::string> Saisie(const std::string& invite, const std::string& titre,
                                      const std::string& defaut) override;
    std::optional<std::string> ChoixFichier(const DemandeFichier& demande) override;
    void MontreDialogue(Dialogue& dialogue, bool modal) override;
    void MontreDialogueNonModal(std::shared_ptr<Dialogue> dialogue) override;
    void MontreProgression(const std::string& message) override;
    void Progression(double pourcentage) override;
    void CacheProgression() override;
    void MontreTempsDeCalcul(const std::string& message) override;
    void MessageTempsDeCalcul(const std::string& message) override;
    void TempsDeCalcul(double pourcentage, double ecoule, double estime) override;
    void CacheTempsDeCalcul() override;
    // The progress windows' "Annuler" button stops the command at its next step.
    bool AnnulationPossible() override { return true; }
    bool AnnulationDemandee() override;
    // The main window shows the result on its map.
    bool MontreCarte(const std::string& fichier) override;
    void Sablier(bool actif) override;
    void Rafraichit() override;
    void ImprimeFenetre(const std::string& nom) override;
    void LanceProgramme(const std::string& programme, const std::string& argument) override;

  protected:
    // Runs on the interface thread and waits for the end.
    static void SurInterface(const std::function<void()>& f);
    FenetreVek* fenetre_ = nullptr;

  private:
    int dernierPourcentage_[2] = {-1, -1};  // what each progress window shows
    std::string dernierMessage_;            // what the timed window says
};

}  // namespace vek
