#include "FenetreDialogue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace vek {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

FenetreDialogue::FenetreDialogue(Dialogue& d, QWidget* parent) : QDialog(parent), d_(d) {
    setWindowTitle(Q(d.legende));
    setObjectName(Q(d.nom));
    auto* fenetre = new QVBoxLayout(this);
    controles_ = new QWidget;
    controles_->setObjectName("Controles");
    auto* principal = new QVBoxLayout(controles_);
    principal->setContentsMargins(0, 0, 0, 0);
    defilement_ = new QScrollArea;
    defilement_->setObjectName("Defilement");
    defilement_->setFrameShape(QFrame::NoFrame);
    defilement_->setWidgetResizable(true);
    defilement_->setWidget(controles_);
    fenetre->addWidget(defilement_, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    std::map<std::string, QVBoxLayout*> cadres;
    std::map<std::string, QButtonGroup*> groupes;
    for (Controle& c : d.controles) {
        QVBoxLayout* dans = c.cadre.empty() || !cadres.count(c.cadre) ? principal : cadres[c.cadre];
        const std::string nom = c.nom;
        QWidget* w = nullptr;
        switch (c.type) {
            case TypeControle::Cadre: {
                auto* g = new QGroupBox(Q(c.legende));
                cadres[nom] = new QVBoxLayout(g);
                w = g;
                break;
            }
            case TypeControle::Option: {
                auto* r = new QRadioButton(Q(c.legende));
                auto*& groupe = groupes[c.cadre];
                if (!groupe) groupe = new QButtonGroup(this);
                groupe->addButton(r);
                connect(r, &QRadioButton::clicked, this, [this, nom] {
                    d_.Choisit(nom);
                    Apres();
                });
                w = r;
                break;
            }
            case TypeControle::Case: {
                auto* b = new QCheckBox(Q(c.legende));
                connect(b, &QCheckBox::clicked, this, [this, nom](bool coche) {
                    d_.Coche(nom, coche);
                    Apres();
                });
                w = b;
                break;
            }
            case TypeControle::Texte: {
                auto* ligne = new QWidget;
                auto* h = new QHBoxLayout(ligne);
                h->setContentsMargins(0, 0, 0, 0);
                h->addWidget(new QLabel(Q(c.legende)));
                auto* champ = new QLineEdit;
                champ->setObjectName(Q(nom));
                h->addWidget(champ, 1);
                connect(champ, &QLineEdit::textEdited, this,
                        [this, nom](const QString& t) { d_[nom].texte = t.toStdString(); });
                connect(champ, &QLineEdit::editingFinished, this, [this, nom, champ] {
                    if (synchro_ || !d_[nom].action) return;
                    d_.Saisit(nom, champ->text().toStdString());
                    Apres();
                });
                w = ligne;
                widgets_[nom + "#champ"] = champ;
                break;
            }
            case TypeControle::Liste: {
                if (!c.legende.empty()) dans->addWidget(new QLabel(Q(c.legende)));
                auto* l = new QListWidget;
                l->setMinimumHeight(8 * l->fontMetrics().height());
                connect(l, &QListWidget::currentRowChanged, this, [this, nom](int ligne) {
                    if (synchro_ || ligne < 0) return;
                    d_.Selectionne(nom, ligne);
                    Apres();
                });
                w = l;
                break;
            }
            case TypeControle::Etiquette:
                w = new QLabel(Q(c.legende));
                static_cast<QLabel*>(w)->setWordWrap(true);
                break;
            case TypeControle::Bouton: {
                auto* b = new QPushButton(Q(c.legende));
                b->setAutoDefault(false);
                connect(b, &QPushButton::clicked, this, [this, nom] {
                    d_.Clique(nom);
                    Apres();
                });
                w = b;
                if (c.cadre.empty()) {
                    boutons->addWidget(b);
                    w->setObjectName(Q(nom));
                    w->installEventFilter(this);
                    widgets_[nom] = w;
                    continue;
                }
                break;
            }
        }
        w->setObjectName(Q(nom));
        w->installEventFilter(this);
        widgets_[nom] = w;
        dans->addWidget(w);
    }
    principal->addStretch();
    fenetre->addLayout(boutons);
    Synchronise();
    QScreen* ecran = parent ? parent->screen() : screen();
    if (ecran) AjusteA(ecran->availableGeometry());
}

void FenetreDialogue::AjusteA(const QRect& disponible) {
    ensurePolished();
    controles_->ensurePolished();
    const QSize controles = controles_->sizeHint();
    const QMargins marges = layout()->contentsMargins();
    const int espace = layout()->spacing();
    const QSize boutons = layout()->itemAt(1)->sizeHint();
    const int largeurMax = std::max(200, disponible.width() - kMargeLargeur);
    const int hauteurMax = std::max(150, disponible.height() - kMargeHauteur);
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int largeur = std::max(controles.width(), boutons.width()) + marges.left() + marges.right();
    int hauteur = controles.height() + espace + boutons.height() + marges.top() + marges.bottom();
    // A scroll bar takes its room beside the controls it scrolls.
    if (hauteur > hauteurMax) largeur += barre;
    if (largeur > largeurMax) hauteur += barre;
    largeur = std::min(largeur, largeurMax);
    hauteur = std::min(hauteur, hauteurMax);
    setMaximumSize(largeurMax, hauteurMax);
    taille_ = QSize(largeur, hauteur);
    resize(taille_);
}

QSize FenetreDialogue::sizeHint() const {
    return taille_.isValid() ? taille_ : QDialog::sizeHint();
}

void FenetreDialogue::Synchronise() {
    synchro_ = true;
    for (Controle& c : d_.controles) {
        QWidget* w = widgets_[c.nom];
        if (!w) continue;
        w->setEnabled(c.actif);
        w->setVisible(c.visible);
        if (auto* r = dynamic_cast<QRadioButton*>(w)) {
            r->setChecked(c.coche);
        } else if (auto* b = dynamic_cast<QCheckBox*>(w)) {
            b->setChecked(c.coche);
        } else if (auto* l = dynamic_cast<QListWidget*>(w)) {
            QStringList elements;
            for (const auto& e : c.elements) elements << Q(e).trimmed();
            QStringList actuels;
            for (int k = 0; k < l->count(); ++k) actuels << l->item(k)->text();
            if (actuels != elements) {
                l->clear();
                l->addItems(elements);
            }
            l->setCurrentRow(c.selection);
        } else if (auto* g = dynamic_cast<QLabel*>(w)) {
            g->setText(Q(c.legende));
        }
        if (auto* champ = dynamic_cast<QLineEdit*>(widgets_[c.nom + "#champ"]))
            if (champ->text().toStdString() != c.texte) champ->setText(Q(c.texte));
    }
    synchro_ = false;
}

void FenetreDialogue::Apres() {
    if (apresAction) apresAction();
    if (!d_.ouvert) {
        accept();
        return;
    }
    Synchronise();
}

void FenetreDialogue::reject() {
    if (d_.ouvert) d_.FermeParLaCroix();
    QDialog::reject();
}

bool FenetreDialogue::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseButtonDblClick) {
        std::string nom = objet->objectName().toStdString();
        Controle* c = d_.Trouve(nom);
        if (c && c->actionSecondaire && d_.EstUtilisable(nom)) {
            d_.DoubleClic(nom);
            Apres();
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

}  // namespace vek
