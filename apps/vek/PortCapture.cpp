#include "PortCapture.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "FenetreDialogue.h"
#include "FenetreVek.h"
#include "PanneauCarte.h"
#include "Progressions.h"

namespace vek {

QMessageBox* BoiteMessage(QWidget* parent, const std::string& texte, Boutons boutons, Icone icone,
                          const std::string& titre);
QFileDialog* Selecteur(QWidget* parent, const DemandeFichier& d, const Lecteurs& lecteurs);

PortCapture::PortCapture(std::ostream& sortie, QString dossier)
    : PortScript(sortie), dossier_(std::move(dossier)) {
    if (!dossier_.isEmpty()) QDir().mkpath(dossier_);
    avantFermeture = [this](Dialogue& d) {
        FenetreDialogue f(d, fenetre_);
        f.show();
        Capture(&f, QString::fromStdString(d.nom));
    };
}

void PortCapture::Capture(QWidget* w, const QString& nom) {
    if (dossier_.isEmpty()) return;
    // A dialog of the program is sized to its screen already, what does not fit scrolling:
    // adjustSize would cap it at two thirds of the screen.
    if (auto* f = dynamic_cast<FenetreDialogue*>(w))
        f->resize(f->sizeHint());
    else
        w->adjustSize();
    QApplication::processEvents();
    // The map is drawn on a worker thread: the capture waits for the drawing of what it shows.
    if (fenetre_ && w == fenetre_) fenetre_->Carte()->DessineMaintenant();
    w->grab().save(
        QString("%1/%2-%3.png").arg(dossier_).arg(++numero_, 2, 10, QChar('0')).arg(nom));
}

Reponse PortCapture::Message(const std::string& texte, Boutons boutons, Icone icone,
                             const std::string& titre) {
    QMessageBox* m = BoiteMessage(nullptr, texte, boutons, icone, titre);
    m->show();
    Capture(m, "Message");
    delete m;
    return PortScript::Message(texte, boutons, icone, titre);
}

std::optional<std::string> PortCapture::Saisie(const std::string& invite, const std::string& titre,
                                               const std::string& defaut) {
    QInputDialog d;
    d.setWindowTitle(QString::fromStdString(titre));
    d.setLabelText(QString::fromStdString(invite));
    d.setTextValue(QString::fromStdString(defaut));
    d.show();
    Capture(&d, "Saisie");
    return PortScript::Saisie(invite, titre, defaut);
}

std::optional<std::string> PortCapture::ChoixFichier(const DemandeFichier& demande) {
    if (fenetre_) {
        QFileDialog* f = Selecteur(nullptr, demande, fenetre_->Etat_().Disques);
        f->show();
        Capture(f, "ChoixFichier");
        delete f;
    }
    return PortScript::ChoixFichier(demande);
}

void PortCapture::MontreProgression(const std::string& message) {
    if (!fenetre_ || !progressionsVues_.insert("p" + message).second) return;
    FenetreProgression* p = fenetre_->Progression(false);
    p->Montre(QString::fromStdString(message));
    p->Pourcentage(50);
    Capture(p, "EtatDuCalcul");
    p->hide();
}

void PortCapture::MontreTempsDeCalcul(const std::string& message) {
    if (!fenetre_ || !progressionsVues_.insert("t" + message).second) return;
    FenetreProgression* p = fenetre_->Progression(true);
    p->Montre(QString::fromStdString(message));
    p->Pourcentage(50);
    p->Temps(12, 24);
    Capture(p, "TempsDeCalcul");
    p->hide();
}

void PortCapture::Rafraichit() {
    if (!fenetre_) return;
    // A scripted command runs on this thread and goes on changing the state: the map is
    // built before it does.
    fenetre_->Synchronise();
    fenetre_->Carte()->Termine();
    Capture(fenetre_, "Vek");
}

bool PortCapture::MontreCarte(const std::string&) {
    if (!fenetre_) return false;
    fenetre_->MontreResultatSurCarte();
    Capture(fenetre_, "Vek");
    return true;
}

}  // namespace vek
