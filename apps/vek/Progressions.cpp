#include "Progressions.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace vek {

namespace {
QString Horloge(double secondes) {
    return QTime(0, 0).addSecs(static_cast<int>(secondes)).toString("HH:mm:ss");
}
}  // namespace

FenetreProgression::FenetreProgression(bool chronometre, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint) {
    setWindowTitle(chronometre ? "Calcul en cours" : "Traitement en cours");
    setObjectName(chronometre ? "TempsDeCalcul" : "EtatDuCalcul");
    auto* l = new QVBoxLayout(this);
    message_ = new QLabel("Commentaire...");
    barre_ = new QProgressBar;
    barre_->setRange(0, 1000);
    barre_->setTextVisible(!chronometre);
    if (chronometre) {
        QPalette p = barre_->palette();
        p.setColor(QPalette::Highlight, QColor(255, 0, 0));
        barre_->setPalette(p);
    }
    l->addWidget(message_);
    l->addWidget(barre_);
    if (chronometre) {
        auto* f = new QFormLayout;
        pourcentage_ = new QLabel("0 %");
        ecoule_ = new QLabel;
        estime_ = new QLabel;
        f->addRow("", pourcentage_);
        f->addRow("Temps écoulé :", ecoule_);
        f->addRow("Durée totale estimée :", estime_);
        l->addLayout(f);
    }
    annuler_ = new QPushButton("Annuler");
    annuler_->setObjectName("AnnulerCommande");
    connect(annuler_, &QPushButton::clicked, this, [this] {
        annuler_->setEnabled(false);
        annuler_->setText("Annulation...");
        if (annulation) annulation();
    });
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(annuler_);
    l->addLayout(bas);
    setMinimumWidth(360);
}

void FenetreProgression::Montre(const QString& message) {
    Message(message);
    barre_->setValue(0);
    annuler_->setText("Annuler");
    annuler_->setEnabled(true);
    show();
    raise();
}

// A carriage return in a message starts a new line.
void FenetreProgression::Message(const QString& message) {
    message_->setText(QString(message).replace(QChar('\r'), QChar('\n')));
}

void FenetreProgression::Pourcentage(double p) {
    barre_->setValue(static_cast<int>(p * 10));
    if (pourcentage_) pourcentage_->setText(QString::number(static_cast<int>(p)) + " %");
}

void FenetreProgression::Temps(double ecoule, double estime) {
    if (ecoule_) ecoule_->setText(Horloge(ecoule));
    if (estime_) estime_->setText(Horloge(estime));
}

}  // namespace vek
