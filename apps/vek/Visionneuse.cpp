#include "Visionneuse.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "LectureResultats.h"
#include "TableResultats.h"
#include "shell/FichierTexte.h"

namespace vek {

Visionneuse::Visionneuse(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("VEK : fichiers résultats");
    setObjectName("Visionneuse");
    auto* l = new QVBoxLayout(this);
    auto* barre = new QHBoxLayout;
    recherche_ = new QLineEdit;
    recherche_->setPlaceholderText("Rechercher...");
    auto* suivant = new QPushButton("Suivant");
    barre->addWidget(recherche_, 1);
    barre->addWidget(suivant);
    l->addLayout(barre);
    auto* split = new QSplitter;
    fichiers_ = new QListWidget;
    texte_ = new QPlainTextEdit;
    texte_->setReadOnly(true);
    texte_->setLineWrapMode(QPlainTextEdit::NoWrap);
    texte_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    onglets_ = new QTabWidget;
    onglets_->setObjectName("Onglets");
    onglets_->addTab(texte_, "Texte");
    table_ = new TableResultats;
    onglets_->addTab(table_, "Tableau");
    onglets_->setTabVisible(1, false);
    split->addWidget(fichiers_);
    split->addWidget(onglets_);
    split->setStretchFactor(1, 4);
    l->addWidget(split, 1);
    connect(recherche_, &QLineEdit::returnPressed, this, [this] { Cherche(); });
    connect(suivant, &QPushButton::clicked, this, [this] { Cherche(); });
    connect(fichiers_, &QListWidget::currentTextChanged, this,
            [this](const QString& f) { Affiche(f); });
    resize(900, 600);
}

void Visionneuse::Ouvre(const QString& chemin) {
    auto trouves = fichiers_->findItems(chemin, Qt::MatchExactly);
    if (trouves.isEmpty()) fichiers_->addItem(chemin);
    fichiers_->setCurrentRow(fichiers_->row(fichiers_->findItems(chemin, Qt::MatchExactly)[0]));
    Affiche(chemin);
    show();
    raise();
}

void Visionneuse::Affiche(const QString& chemin) {
    TexteLu t;
    if (!LitFichierTexte(chemin.toStdString(), t)) {
        texte_->setPlainText("Impossible de lire le fichier : " + chemin);
        table_->Montre({}, chemin);
        onglets_->setTabVisible(1, false);
        onglets_->setCurrentIndex(0);
        return;
    }
    QString contenu;
    for (const auto& ligne : t.lignes)
        contenu += QString::fromUcs4(ligne.data(), static_cast<qsizetype>(ligne.size())) + '\n';
    texte_->setPlainText(contenu);
    const TableauResultat tableau = LitTableauResultat(t.lignes);
    const bool visible = tableau.disposition != DispositionResultat::Aucune;
    table_->Montre(tableau, chemin);
    onglets_->setTabVisible(1, visible);
    if (!visible) onglets_->setCurrentIndex(0);
    setWindowTitle("VEK : " + chemin);
}

bool Visionneuse::TableauVisible() const {
    return onglets_->isTabVisible(1);
}

void Visionneuse::MontreTableau() {
    if (TableauVisible()) onglets_->setCurrentIndex(1);
}

void Visionneuse::Cherche() {
    onglets_->setCurrentIndex(0);  // the search runs in the text
    if (!texte_->find(recherche_->text())) {
        texte_->moveCursor(QTextCursor::Start);
        texte_->find(recherche_->text());
    }
}

}  // namespace vek
