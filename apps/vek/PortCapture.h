#pragma once
// Scripted runs of the desktop application: answers come from a vek-batch script, every
// window, dialog and message box shown is rendered and saved as a PNG, numbered in the order
// shown and named after the window.

#include <QString>
#include <set>

#include "shell/PortScript.h"

class QWidget;

namespace vek {

class FenetreVek;

class PortCapture : public PortScript {
  public:
    PortCapture(std::ostream& sortie, QString dossier);
    void Fenetre(FenetreVek* f) { fenetre_ = f; }
    // Saves the image of a widget as the next capture.
    void Capture(QWidget* w, const QString& nom);

    Reponse Message(const std::string& texte, Boutons boutons, Icone icone,
                    const std::string& titre) override;
    std::optional<std::string> Saisie(const std::string& invite, const std::string& titre,
                                      const std::string& defaut) override;
    std::optional<std::string> ChoixFichier(const DemandeFichier& demande) override;
    void MontreProgression(const std::string& message) override;
    void MontreTempsDeCalcul(const std::string& message) override;
    void Rafraichit() override;
    // The map of the window shows the result, and the window is captured.
    bool MontreCarte(const std::string& fichier) override;

  private:
    QString dossier_;
    int numero_ = 0;
    FenetreVek* fenetre_ = nullptr;
    std::set<std::string> progressionsVues_;
};

}  // namespace vek
