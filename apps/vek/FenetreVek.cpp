#include "FenetreVek.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "ExportCarte.h"
#include "PanneauCarte.h"
#include "Progressions.h"
#include "ReglagesBureau.h"
#include "TableResultats.h"
#include "Visionneuse.h"
#include "network/Configuration.h"
#include "shell/Chemins.h"
#include "shell/Erreurs.h"
#include "shell/Fichiers.h"
#include "shell/Journal.h"
#include "vek/Demarrage.h"
#include "vek/Exports.h"
#include "vek/MenuVek.h"
#include "vek/Reglages.h"

namespace vek {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

FenetreVek::FenetreVek(Etat& e) : e_(e) {
    setWindowTitle(kTitreFenetre);
    setObjectName("Vek");
    auto* centre = new QWidget;
    auto* l = new QVBoxLayout(centre);
    panneau_ = new QGroupBox(kTitreConfiguration);
    panneau_->setObjectName("Configraphe");
    auto* grille = new QGridLayout(panneau_);
    if (e_.Configuration.empty()) VideConfiguration(e_);
    for (std::size_t k = 0; k < e_.Configuration.size(); ++k) {
        const auto& c = e_.Configuration[k];
        auto* legende = new QLabel(Q(c.legende));
        legende->setObjectName(Q(c.nomLegende));
        auto* valeur = new QLabel;
        valeur->setObjectName(Q(c.nomValeur));
        valeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
        valeur->setMinimumWidth(260);
        grille->addWidget(legende, static_cast<int>(k), 0);
        grille->addWidget(valeur, static_cast<int>(k), 1);
        valeurs_.push_back(valeur);
    }
    l->addWidget(panneau_);
    auto* imprimer = new QPushButton("Imprimer configuration");
    imprimer->setObjectName("Print");
    connect(imprimer, &QPushButton::clicked, this, [this] { Lance("menPrintConfig"); });
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(imprimer);
    l->addLayout(bas);
    l->addStretch();
    carte_ = new PanneauCarte;
    carte_->noeudClique = [this](int i) { ChoisitNoeudTableau(i); };
    auto* separation = new QSplitter(Qt::Horizontal);
    separation->setObjectName("Separation");
    separation->addWidget(centre);
    separation->addWidget(carte_);
    separation->setStretchFactor(0, 0);
    separation->setStretchFactor(1, 1);
    separation->setChildrenCollapsible(false);
    setCentralWidget(separation);
    progression_ = new FenetreProgression(false, this);
    tempsDeCalcul_ = new FenetreProgression(true, this);
    progression_->annulation = tempsDeCalcul_->annulation = [this] { annulation_ = true; };
    ConstruitMenus();
    ConstruitMenuFenetre();
    Synchronise();
    resize(1280, 640);
}

FenetreVek::~FenetreVek() {
    if (travail_.joinable()) travail_.join();
}

void FenetreVek::ConstruitMenus() {
    const auto& commandes = e_.Menus.Commandes();
    std::function<void(int, QMenu*)> ajoute = [&](int i, QMenu* parent) {
        const Commande& c = commandes[static_cast<std::size_t>(i)];
        QAction* a;
        if (c.EstSeparateur()) {
            a = parent->addSeparator();
        } else if (!c.enfants.empty() || !c.routine) {
            QMenu* m = parent ? parent->addMenu(Q(c.legende)) : menuBar()->addMenu(Q(c.legende));
            m->setObjectName(Q(c.nom));
            for (int k : c.enfants) ajoute(k, m);
            a = m->menuAction();
        } else {
            a = parent ? parent->addAction(Q(c.legende)) : menuBar()->addAction(Q(c.legende));
            const std::string nom = c.nom;
            connect(a, &QAction::triggered, this, [this, nom] { Lance(nom); });
        }
        a->setObjectName(Q(c.nom));
        actions_[c.nom] = a;
    };
    for (int r : e_.Menus.Racines()) ajoute(r, nullptr);
    // The journal and the results folder are the window's own: they stand in "Fichiers",
    // before "Quitter".
    if (auto* fichiers = menuBar()->findChild<QMenu*>("menFichiers")) {
        QAction* quitter = actions_.count("menQuitter") ? actions_["menQuitter"] : nullptr;
        auto* dossier = new QAction("&Dossier des résultats...", fichiers);
        dossier->setObjectName("menDossierResultats");
        fichiers->insertAction(quitter, dossier);
        connect(dossier, &QAction::triggered, this, [this] { ChoisitDossierResultats(); });
        enregistreJournal_ = new QAction("Enregistrer le &journal...", fichiers);
        enregistreJournal_->setObjectName("menEnregistrerJournal");
        enregistreJournal_->setEnabled(false);
        fichiers->insertAction(quitter, enregistreJournal_);
        connect(enregistreJournal_, &QAction::triggered, this, [this] { ChoisitFichierJournal(); });
    }
}

void FenetreVek::Journalise(Journal* journal) {
    journal_ = journal;
    if (enregistreJournal_) enregistreJournal_->setEnabled(journal_ != nullptr);
    if (!journal_) return;
    journal_->Reglage("RepResultats", e_.RepResultats);
    journal_->Reglage("Editeur", e_.Editeur);
    journal_->Reglage("Tableur", e_.Tableur);
}

bool FenetreVek::ChangeReglage(const std::string& nom, const std::string& valeur,
                               std::string& erreur) {
    if (enCours_) {
        erreur = "une commande est en cours";
        return false;
    }
    if (!vek::ChangeReglage(e_, nom, valeur, erreur)) return false;
    if (journal_) journal_->Reglage(nom, valeur);
    Synchronise();
    return true;
}

bool FenetreVek::EnregistreJournal(const QString& chemin, QString& erreur) {
    if (!journal_) {
        erreur = "Aucun journal n'est tenu dans cette session.";
        return false;
    }
    QSaveFile f(chemin);
    const QByteArray texte = QByteArray::fromStdString(journal_->Texte());
    if (!f.open(QIODevice::WriteOnly) || f.write(texte) != texte.size() || !f.commit()) {
        erreur = f.errorString();
        return false;
    }
    return true;
}

void FenetreVek::ChoisitFichierJournal() {
    const QString chemin = QFileDialog::getSaveFileName(
        this, "Enregistrer le journal", "journal.vek", "Script vek-batch (*.vek);;Tous (*)");
    if (chemin.isEmpty()) return;
    QString erreur;
    if (!EnregistreJournal(chemin, erreur))
        QMessageBox::warning(this, "Enregistrer le journal",
                             "Impossible d'écrire " + chemin + " : " + erreur);
}

void FenetreVek::ChoisitDossierResultats() {
    QFileDialog f(this, "Dossier des résultats",
                  Q(CheminSysteme(e_.RepResultats, e_.Disques).string()));
    f.setObjectName("ChoixDossierResultats");
    f.setOption(QFileDialog::DontUseNativeDialog);
    f.setFileMode(QFileDialog::Directory);
    f.setOption(QFileDialog::ShowDirsOnly);
    if (f.exec() != QDialog::Accepted || f.selectedFiles().isEmpty()) return;
    const QString dossier = f.selectedFiles()[0];
    std::string erreur;
    if (!ChangeReglage("RepResultats", dossier.toStdString(), erreur)) {
        QMessageBox::warning(this, "Dossier des résultats",
                             "Impossible de choisir " + dossier + " : " + Q(erreur));
        return;
    }
    if (ReglagesBureau* reglages = ReglagesBureau::Actifs()) reglages->Enregistre(e_);
}

void FenetreVek::ConstruitMenuFenetre() {
    QMenu* m = menuBar()->addMenu("Fenê&tre");
    m->setObjectName("menFenetreCarte");
    resultat_ = m->addAction("Afficher le dernier résultat sur la carte");
    resultat_->setObjectName("menCarteResultat");
    resultat_->setCheckable(true);
    resultat_->setChecked(carte_->AfficheResultat());
    connect(resultat_, &QAction::toggled, this, [this](bool oui) { carte_->AfficheResultat(oui); });
    // What the map shows is the setting ValeursCarte, changed as a script changes it: the
    // journal replays it.
    QMenu* valeurs = m->addMenu("Valeurs de la carte");
    valeurs->setObjectName("menCarteValeurs");
    auto* groupeValeurs = new QActionGroup(valeurs);
    for (auto [valeur, nom, texte] :
         {std::tuple{"auto", "menCarteDernierResultat", "Dernier résultat"},
          std::tuple{"noeuds", "menCarteValeursNoeuds", "Valeurs par nœud"},
          std::tuple{"couples", "menCarteValeursCouples", "Valeurs par couple"},
          std::tuple{"comparaison", "menCarteDerniereComparaison", "Dernière comparaison"}}) {
        QAction* a = valeurs->addAction(texte);
        a->setObjectName(nom);
        a->setCheckable(true);
        groupeValeurs->addAction(a);
        valeursCarte_[valeur] = a;
        connect(a, &QAction::triggered, this, [this, valeur = std::string(valeur)] {
            std::string erreur;
            if (ChangeReglage("ValeursCarte", valeur, erreur)) return;
            QMessageBox::warning(this, "Valeurs de la carte", Q("Impossible : " + erreur));
            Synchronise();  // the choice before stays ticked
        });
    }
    QAction* ajuster = m->addAction("Ajuster la carte au réseau");
    ajuster->setObjectName("menCarteAjuster");
    connect(ajuster, &QAction::triggered, this, [this] { carte_->Ajuste(); });
    QAction* exporter = m->addAction("Exporter la carte...");
    exporter->setObjectName("menCarteExporter");
    connect(exporter, &QAction::triggered, this, [this] { ExporteCarte(); });
    m->addSeparator();

    QMenu* methodes = m->addMenu("Classification");
    methodes->setObjectName("menCarteClassification");
    auto* groupe = new QActionGroup(methodes);
    for (auto [methode, texte] :
         {std::pair{carte::MethodeClasses::Quantiles, "Quantiles"},
          std::pair{carte::MethodeClasses::IntervallesEgaux, "Intervalles égaux"},
          std::pair{carte::MethodeClasses::SeuilsNaturels, "Seuils naturels (Jenks)"}}) {
        QAction* a = methodes->addAction(texte);
        a->setCheckable(true);
        a->setChecked(methode == carte_->Methode());
        groupe->addAction(a);
        connect(a, &QAction::triggered, this, [this, methode = methode] {
            carte_->Classification(methode, carte_->NbClasses());
        });
    }
    QMenu* classes = m->addMenu("Nombre de classes");
    classes->setObjectName("menCarteNbClasses");
    auto* groupeClasses = new QActionGroup(classes);
    for (int n = carte::kClassesMin; n <= carte::kClassesMax; ++n) {
        QAction* a = classes->addAction(QString::number(n));
        a->setCheckable(true);
        a->setChecked(n == carte_->NbClasses());
        groupeClasses->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, n] { carte_->Classification(carte_->Methode(), n); });
    }
}

void FenetreVek::MontreResultatSurCarte() {
    resultat_->setChecked(true);
    // The command may have loaded another network: the map follows it before it draws.
    carte_->Actualise(e_);
    carte_->Termine();
    show();
    raise();
    activateWindow();
    carte_->setFocus();
}

void FenetreVek::ExporteCarte() {
    QString chemin = QFileDialog::getSaveFileName(this, "Exporter la carte", "carte.png",
                                                  "Image PNG (*.png);;Dessin SVG (*.svg)");
    if (chemin.isEmpty()) return;
    std::string erreur;
    if (!carte::ExporteCarte(carte_->Modele(), chemin.toStdString(), 1600, 1200, erreur))
        QMessageBox::warning(this, "Exporter la carte", Q("Impossible : " + erreur));
}

void FenetreVek::Synchronise() {
    // The menu bar first: enabling it enables every sub-menu under it, which the tree then
    // corrects.
    menuBar()->setEnabled(!enCours_);
    for (const Commande& c : e_.Menus.Commandes()) {
        QAction* a = actions_[c.nom];
        if (!a) continue;
        a->setEnabled(c.actif);
        a->setVisible(c.visible);
    }
    for (std::size_t k = 0; k < valeurs_.size() && k < e_.Configuration.size(); ++k)
        valeurs_[k]->setText(Q(e_.Configuration[k].valeur));
    for (const auto& [valeur, a] : valeursCarte_) a->setChecked(valeur == e_.ValeursCarte);
    // The state is only read between commands.
    if (!enCours_) {
        carte_->Actualise(e_);
        QString titre = kTitreFenetre;
        if (e_.NbNoeuds > 0 && !e_.NomFichierArcs.empty()) {
            const std::string& f = e_.NomFichierArcs;
            const std::size_t barre = f.find_last_of("/\\");
            titre = "VEK — " + Q(barre == std::string::npos ? f : f.substr(barre + 1));
        }
        setWindowTitle(titre);
    }
}

FenetreProgression* FenetreVek::Progression(bool chronometre) {
    return chronometre ? tempsDeCalcul_ : progression_;
}

void FenetreVek::Visionne(const QString& chemin) {
    if (!visionneuse_) {
        visionneuse_ = new Visionneuse(this);
        visionneuse_->Table()->selectionChangee = [this] { SurligneChoixTableau(); };
        // Only the last result has its values in the state: it alone leaves for a GIS.
        visionneuse_->Table()->exporteSig = [this](const QString& table, const QString& chemin) {
            if (enCours_) return QString("Une commande est en cours : exportez à sa fin.");
            const QString dernier =
                QFileInfo(QString::fromStdString(CheminDe(e_, e_.NomFichierResultat).string()))
                    .absoluteFilePath();
            if (e_.NomFichierResultat.empty() || QFileInfo(table).absoluteFilePath() != dernier)
                return "Seul le dernier résultat s'exporte pour un SIG ; ce tableau montre " +
                       table + ".";
            std::string erreur;
            if (!ExporteResultat(e_, chemin.toStdString(), erreur))
                return QString::fromStdString("Export impossible : " + erreur + ".");
            return QString();
        };
    }
    visionneuse_->Ouvre(chemin);
}

void FenetreVek::SurligneChoixTableau() {
    const TableResultats* t = visionneuse_->Table();
    carte_->Surligne(t->NoeudsChoisis(), t->CouplesChoisis());
}

void FenetreVek::ChoisitNoeudTableau(int noeud) {
    if (!visionneuse_ || !visionneuse_->TableauVisible()) return;
    const std::int64_t code = carte_->Modele().noeuds.at(static_cast<std::size_t>(noeud)).code;
    if (visionneuse_->Table()->ChoisitNoeud(code)) visionneuse_->MontreTableau();
}

void FenetreVek::ImprimeConfiguration() {
    QPrinter imprimante;
    QPrintDialog dialogue(&imprimante, this);
    dialogue.setWindowTitle("Imprimer la configuration");
    if (dialogue.exec() != QDialog::Accepted) return;
    QPainter p(&imprimante);
    QPixmap image = panneau_->grab();
    QRect page = p.viewport();
    QSize taille = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    p.drawPixmap(QRect(page.topLeft(), taille), image);
}

void FenetreVek::Lance(const std::string& nom, std::function<void()> fin) {
    if (enCours_) return;  // commands never overlap
    if (travail_.joinable()) travail_.join();
    carte_->Termine();  // the map reads the state: done before a command changes it
    enCours_ = true;
    annulation_ = false;
    if (journal_) journal_->DebutCommande();
    menuBar()->setEnabled(false);
    for (auto& w : nonModaux_)
        if (w) w->setEnabled(false);
    travail_ = std::thread([this, nom, fin] {
        bool fatale = false;
        Issue resultat = Issue::Refusee;
        try {
            resultat = ExecuteCommande(e_, nom);
        } catch (const ErreurFatale&) {
            fatale = true;
        }
        QMetaObject::invokeMethod(
            this,
            [this, fatale, fin, nom, resultat] {
                if (journal_) journal_->FinCommande(nom, resultat == Issue::Faite && !fatale);
                derniereIssue_ = resultat;
                enCours_ = false;
                for (auto& w : nonModaux_)
                    if (w) w->setEnabled(true);
                Synchronise();
                if (fin) fin();
                if (fatale) QApplication::exit(4);
                if (e_.Quitter) close();
            },
            Qt::QueuedConnection);
    });
}

void FenetreVek::AjouteNonModal(QWidget* w) {
    nonModaux_.erase(std::remove_if(nonModaux_.begin(), nonModaux_.end(),
                                    [](const QPointer<QWidget>& p) { return p.isNull(); }),
                     nonModaux_.end());
    nonModaux_.emplace_back(w);
}

void FenetreVek::closeEvent(QCloseEvent* ev) {
    if (enCours_) {
        ev->ignore();  // a command is running: it ends first
        return;
    }
    QMainWindow::closeEvent(ev);
}

}  // namespace vek
