#pragma once
// The main window "Vek": the menu bar rendered from the menu tree, the configuration panel,
// and the worker thread that runs each command so that the window never freezes.

#include <QMainWindow>
#include <QPointer>
#include <atomic>
#include <map>
#include <thread>

#include "vek/Demarrage.h"
#include "vek/Etat.h"

class QAction;
class QGridLayout;
class QGroupBox;
class QLabel;
class QMenu;

namespace vek {

class FenetreProgression;
class Journal;
class PanneauCarte;
class Visionneuse;

class FenetreVek : public QMainWindow {
  public:
    FenetreVek(Etat& e);
    ~FenetreVek() override;

    Etat& Etat_() { return e_; }
    // Menus and panel follow the state (interface thread, no command running or the
    // command waiting on the port).
    void Synchronise();
    FenetreProgression* Progression(bool chronometre);
    void Visionne(const QString& chemin);
    void ImprimeConfiguration();
    // Runs a menu command on the worker thread; `fin` is called on the interface thread.
    void Lance(const std::string& nom, std::function<void()> fin = {});
    bool EnCours() const { return enCours_; }
    // How the last command run by Lance ended.
    Issue DerniereIssue() const { return derniereIssue_; }
    // True once after "Annuler" was clicked in a progress window during the command running
    // (any thread); a command starting forgets a click made before it.
    bool PrendAnnulation() { return annulation_.exchange(false); }
    // A dialog shown beside the window: disabled while a command runs, so that its handlers
    // never meet one.
    void AjouteNonModal(QWidget* w);
    PanneauCarte* Carte() { return carte_; }
    // The result viewer, once a file was opened in it.
    Visionneuse* Visionneuse_() const { return visionneuse_; }
    // Notes the session in `journal` from now on, starting with the settings as they are.
    void Journalise(Journal* journal);
    // Changes a setting by name (noted in the journal): false with the reason.
    bool ChangeReglage(const std::string& nom, const std::string& valeur, std::string& erreur);
    // Writes the journal as a vek-batch script: false with the reason.
    bool EnregistreJournal(const QString& chemin, QString& erreur);
    // Brings the window forward, its map showing the last result of the state (the entry
    // "Afficher le dernier résultat sur la carte" ticked). Interface thread, no command
    // running or the command waiting on the port; the map is built before it returns.
    void MontreResultatSurCarte();
    // Writes the map as the window shows it (classes and result), fitted at 1600 x 1200.
    void ExporteCarte();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void ConstruitMenus();
    void ConstruitMenuFenetre();
    void ChoisitFichierJournal();
    // "Dossier des résultats...": the folder chosen becomes the setting RepResultats, kept
    // for the next runs.
    void ChoisitDossierResultats();
    // The map outlines what is chosen in the viewer's table; a node clicked on the map is
    // chosen there.
    void SurligneChoixTableau();
    void ChoisitNoeudTableau(int noeud);
    Etat& e_;
    std::map<std::string, QAction*> actions_;
    QGroupBox* panneau_;
    PanneauCarte* carte_;
    std::vector<QLabel*> valeurs_;
    FenetreProgression* progression_;
    FenetreProgression* tempsDeCalcul_;
    Visionneuse* visionneuse_ = nullptr;
    Journal* journal_ = nullptr;
    QAction* enregistreJournal_ = nullptr;
    QAction* resultat_ = nullptr;
    std::map<std::string, QAction*> valeursCarte_;  // by value of ValeursCarte
    std::vector<QPointer<QWidget>> nonModaux_;
    std::thread travail_;
    std::atomic<bool> enCours_{false};
    std::atomic<bool> annulation_{false};
    Issue derniereIssue_ = Issue::Faite;
};

}  // namespace vek
