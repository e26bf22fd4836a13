#include "PortQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QThread>

#include "FenetreDialogue.h"
#include "FenetreVek.h"
#include "Progressions.h"
#include "ReglagesBureau.h"
#include "shell/Chemins.h"

namespace vek {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QMessageBox::Icon IconeQt(Icone i) {
    switch (i) {
        case Icone::Information:
            return QMessageBox::Information;
        case Icone::Question:
            return QMessageBox::Question;
        case Icone::Exclamation:
            return QMessageBox::Warning;
        case Icone::Critique:
            return QMessageBox::Critical;
        default:
            return QMessageBox::NoIcon;
    }
}
}  // namespace

void PortQt::SurInterface(const std::function<void()>& f) {
    if (QThread::currentThread() == qApp->thread())
        f();
    else
        QMetaObject::invokeMethod(qApp, f, Qt::BlockingQueuedConnection);
}

QMessageBox* BoiteMessage(QWidget* parent, const std::string& texte, Boutons boutons, Icone icone,
                          const std::string& titre) {
    auto* m = new QMessageBox(IconeQt(icone), Q(titre), Q(texte), QMessageBox::NoButton, parent);
    m->setObjectName("Message");
    if (boutons == Boutons::Ok) m->setStandardButtons(QMessageBox::Ok);
    if (boutons == Boutons::OkAnnuler) m->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    if (boutons == Boutons::OuiNon) m->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return m;
}

Reponse PortQt::Message(const std::string& texte, Boutons boutons, Icone icone,
                        const std::string& titre) {
    Reponse r = Reponse::Ok;
    SurInterface([&] {
        QMessageBox* m = BoiteMessage(fenetre_, texte, boutons, icone, titre);
        int b = m->exec();
        delete m;
        r = b == QMessageBox::Cancel ? Reponse::Annuler
            : b == QMessageBox::Yes  ? Reponse::Oui
            : b == QMessageBox::No   ? Reponse::Non
                                     : Reponse::Ok;
        if (boutons == Boutons::OuiNon && b != QMessageBox::Yes) r = Reponse::Non;
    });
    return r;
}

std::optional<std::string> PortQt::Saisie(const std::string& invite, const std::string& titre,
                                          const std::string& defaut) {
    std::optional<std::string> r;
    SurInterface([&] {
        bool ok = false;
        QString t =
            QInputDialog::getText(fenetre_, Q(titre), Q(invite), QLineEdit::Normal, Q(defaut), &ok);
        if (ok) r = t.toStdString();
    });
    return r;
}

// "Tous fichiers(*.*)|*.*|Data(*.dat)|*.dat" as Qt filters.
QStringList FiltresQt(const std::string& filtre) {
    QStringList morceaux = Q(filtre).split('|');
    QStringList r;
    for (int k = 0; k + 1 < morceaux.size(); k += 2) {
        QString motif = morceaux[k + 1] == "*.*" ? "*" : morceaux[k + 1];
        QString nom = morceaux[k];
        nom = nom.left(nom.indexOf('(')).trimmed();
        r << nom + " (" + motif + ")";
    }
    return r;
}

QFileDialog* Selecteur(QWidget* parent, const DemandeFichier& d, const Lecteurs& lecteurs) {
    auto* f = new QFileDialog(parent, Q(d.titre));
    f->setObjectName("ChoixFichier");
    f->setOption(QFileDialog::DontUseNativeDialog);
    // A file to write may be a new one, and one written over is confirmed.
    f->setFileMode(d.enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (d.enregistrer) f->setAcceptMode(QFileDialog::AcceptSave);
    QStringList filtres = FiltresQt(d.filtre);
    f->setNameFilters(filtres);
    if (d.indexFiltre >= 1 && d.indexFiltre <= filtres.size())
        f->selectNameFilter(filtres[d.indexFiltre - 1]);
    f->setDirectory(Q(CheminSysteme(d.repertoire, lecteurs).string()));
    f->selectFile(Q(d.nomPropose));
    return f;
}

std::optional<std::string> PortQt::ChoixFichier(const DemandeFichier& d) {
    std::optional<std::string> r;
    SurInterface([&] {
        QFileDialog* f = Selecteur(fenetre_, d, fenetre_ ? fenetre_->Etat_().Disques : Lecteurs{});
        // A chooser opens where it was last used, when that folder is still there.
        ReglagesBureau* reglages = ReglagesBureau::Actifs();
        const QString titre = Q(d.titre);
        if (reglages) {
            const QString dossier = reglages->DernierDossier(titre);
            if (!dossier.isEmpty() && QFileInfo(dossier).isDir()) {
                f->setDirectory(dossier);
                if (!d.nomPropose.empty()) f->selectFile(QFileInfo(Q(d.nomPropose)).fileName());
            }
        }
        if (f->exec() == QDialog::Accepted && !f->selectedFiles().isEmpty()) {
            r = f->selectedFiles()[0].toStdString();
            if (reglages) reglages->RetientDossier(titre, QFileInfo(f->selectedFiles()[0]).path());
        }
        delete f;
    });
    return r;
}

void PortQt::MontreDialogue(Dialogue& d, bool) {
    SurInterface([&] {
        d.ouvert = true;
        FenetreDialogue f(d, fenetre_);
        f.exec();
        d.ouvert = false;
    });
}

void PortQt::MontreDialogueNonModal(std::shared_ptr<Dialogue> d) {
    SurInterface([&] {
        d->ouvert = true;
        auto* f = new FenetreDialogue(*d, fenetre_);
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->setModal(false);
        // The window keeps its dialog; the main window follows what its handlers change.
        QObject::connect(f, &QObject::destroyed, [d] { d->ouvert = false; });
        f->apresAction = [this] {
            if (fenetre_) fenetre_->Synchronise();
        };
        if (fenetre_) fenetre_->AjouteNonModal(f);
        f->show();
    });
}

void PortQt::MontreProgression(const std::string& m) {
    if (!fenetre_) return;
    dernierPourcentage_[0] = -1;
    SurInterface([&] { fenetre_->Progression(false)->Montre(Q(m)); });
}
// The bar moves by whole percents: the calls in between would only load the interface.
void PortQt::Progression(double p) {
    if (!fenetre_) return;
    if (static_cast<int>(p) == dernierPourcentage_[0]) return;
    dernierPourcentage_[0] = static_cast<int>(p);
    SurInterface([&] { fenetre_->Progression(false)->Pourcentage(p); });
}
void PortQt::CacheProgression() {
    if (!fenetre_) return;
    SurInterface([&] { fenetre_->Progression(false)->hide(); });
}
void PortQt::MontreTempsDeCalcul(const std::string& m) {
    if (!fenetre_) return;
    dernierPourcentage_[1] = -1;
    dernierMessage_ = m;
    SurInterface([&] { fenetre_->Progression(true)->Montre(Q(m)); });
}
// The steps of a computation often repeat their message: only a new one reaches the window.
void PortQt::MessageTempsDeCalcul(const std::string& m) {
    if (!fenetre_ || m == dernierMessage_) return;
    dernierMessage_ = m;
    SurInterface([&] { fenetre_->Progression(true)->Message(Q(m)); });
}
void PortQt::TempsDeCalcul(double p, double ecoule, double estime) {
    if (!fenetre_) return;
    if (static_cast<int>(p) == dernierPourcentage_[1]) return;
    dernierPourcentage_[1] = static_cast<int>(p);
    SurInterface([&] {
        fenetre_->Progression(true)->Pourcentage(p);
        fenetre_->Progression(true)->Temps(ecoule, estime);
    });
}
void PortQt::CacheTempsDeCalcul() {
    if (!fenetre_) return;
    SurInterface([&] { fenetre_->Progression(true)->hide(); });
}

// Read on the worker thread at every step: the flag is atomic, no call to the interface.
bool PortQt::AnnulationDemandee() {
    return fenetre_ && fenetre_->PrendAnnulation();
}

bool PortQt::MontreCarte(const std::string&) {
    if (!fenetre_) return false;
    SurInterface([&] { fenetre_->MontreResultatSurCarte(); });
    return true;
}

void PortQt::Sablier(bool actif) {
    SurInterface([&] {
        if (actif)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    });
}

void PortQt::Rafraichit() {
    if (!fenetre_) return;
    SurInterface([&] { fenetre_->Synchronise(); });
}

void PortQt::ImprimeFenetre(const std::string&) {
    if (!fenetre_) return;
    SurInterface([&] { fenetre_->ImprimeConfiguration(); });
}

void PortQt::LanceProgramme(const std::string& programme, const std::string& argument) {
    SurInterface([&] {
        if (programme == "vek" && fenetre_)
            fenetre_->Visionne(Q(argument));
        else if (!QProcess::startDetached(Q(programme), {Q(argument)}))
            QMessageBox::warning(fenetre_, "VEK",
                                 "Impossible de lancer " + Q(programme) + " sur " + Q(argument));
    });
}

}  // namespace vek
