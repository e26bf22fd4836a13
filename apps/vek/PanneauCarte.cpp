#include "PanneauCarte.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "DessinCarte.h"
#include "Symbologie.h"
#include "network/EtatReseau.h"

namespace vek {

namespace {

// The image of the map, or of the words "Aucun réseau chargé" when there is none.
QImage Image(const carte::ModeleCarte& modele, const carte::VueCarte& vue, QSizeF taille,
             QSize pixels, qreal ratio) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    if (modele.Vide()) {
        const QRectF cadre(QPointF(0, 0), taille);
        p.fillRect(cadre, Qt::white);
        p.setPen(QColor(120, 120, 120));
        p.drawText(cadre, Qt::AlignCenter, QStringLiteral("Aucun réseau chargé"));
    } else {
        carte::DessineCarte(p, modele, vue, taille);
    }
    return image;
}

double DistanceSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double l2 = ab.x() * ab.x() + ab.y() * ab.y();
    double t = l2 > 0 ? QPointF::dotProduct(p - a, ab) / l2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

}  // namespace

PanneauCarte::PanneauCarte(QWidget* parent) : QWidget(parent) {
    setObjectName("Carte");
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
}

void PanneauCarte::Actualise(const EtatReseau& e) {
    Termine();
    etat_ = &e;
    if (construit_ && e.GenerationReseau == modele_->generation && e.NbNoeuds == nbNoeuds_ &&
        e.NbArcs == nbArcs_) {
        Reclasse();
        return;
    }
    nbNoeuds_ = e.NbNoeuds;
    nbArcs_ = e.NbArcs;
    construction_ =
        std::thread([this, &e, afficher = afficheResultat_, methode = methode_, nb = nbClasses_] {
            auto m = std::make_shared<carte::ModeleCarte>(carte::ConstruitModele(e));
            carte::AppliqueResultat(*m, e, afficher, methode, nb);
            pret_ = std::move(m);
            QMetaObject::invokeMethod(
                this, [this] { Termine(); }, Qt::QueuedConnection);
        });
}

void PanneauCarte::Termine() {
    if (construction_.joinable()) construction_.join();
    if (!pret_) return;
    const std::shared_ptr<carte::ModeleCarte> avant = std::move(modele_);
    modele_ = std::move(pret_);
    pret_.reset();
    const bool memeEtendue = construit_ && avant->noeuds.size() == modele_->noeuds.size() &&
                             avant->xMin == modele_->xMin && avant->xMax == modele_->xMax &&
                             avant->yMin == modele_->yMin && avant->yMax == modele_->yMax;
    construit_ = true;
    if (!noeudsSurlignes_.empty() || !couplesSurlignes_.empty()) AppliqueSurlignage();
    if (!memeEtendue)
        Ajuste();
    else
        Redessine();
}

carte::ModeleCarte& PanneauCarte::Modifiable() {
    if (modele_.use_count() > 1) modele_ = std::make_shared<carte::ModeleCarte>(*modele_);
    return *modele_;
}

void PanneauCarte::Reclasse() {
    if (etat_)
        carte::AppliqueResultat(Modifiable(), *etat_, afficheResultat_, methode_, nbClasses_);
    Redessine();
}

void PanneauCarte::Redessine() {
    imageAJour_ = false;
    update();
}

void PanneauCarte::Ajuste() {
    vue_ = carte::VueAjustee(*modele_, size());
    suitReseau_ = true;
    Redessine();
}

void PanneauCarte::AfficheResultat(bool oui) {
    afficheResultat_ = oui;
    Reclasse();
}

void PanneauCarte::Classification(carte::MethodeClasses methode, int nbClasses) {
    methode_ = methode;
    nbClasses_ = std::clamp(nbClasses, carte::kClassesMin, carte::kClassesMax);
    Reclasse();
}

QPointF PanneauCarte::PositionNoeud(int i) const {
    const carte::NoeudCarte& x = modele_->noeuds.at(static_cast<std::size_t>(i));
    return vue_.VersEcran(x.x, x.y, size());
}

int PanneauCarte::NoeudEn(QPointF p) const {
    const carte::ModeleCarte& modele = *modele_;
    const QSizeF taille = size();
    const bool valeursNoeuds = modele.resultat == carte::TypeResultat::Noeuds;
    int plusProche = -1;
    double meilleure = 0;
    for (std::size_t i = 0; i < modele.noeuds.size(); ++i) {
        const carte::NoeudCarte& x = modele.noeuds[i];
        const QPointF d = vue_.VersEcran(x.x, x.y, taille) - p;
        const double r = (valeursNoeuds ? carte::TailleValeur(modele, x.classe, false)
                                        : carte::RayonNoeud(-1, 0)) +
                         3;
        const double d2 = d.x() * d.x() + d.y() * d.y();
        if (d2 <= r * r && (plusProche < 0 || d2 < meilleure)) {
            plusProche = static_cast<int>(i);
            meilleure = d2;
        }
    }
    return plusProche;
}

void PanneauCarte::Surligne(std::vector<std::int64_t> noeuds,
                            std::vector<std::pair<std::int64_t, std::int64_t>> couples) {
    noeudsSurlignes_ = {noeuds.begin(), noeuds.end()};
    couplesSurlignes_.clear();
    for (const auto& [i, j] : couples) {
        couplesSurlignes_.emplace(i, j);
        couplesSurlignes_.emplace(j, i);
    }
    AppliqueSurlignage();
    Redessine();
}

void PanneauCarte::AppliqueSurlignage() {
    carte::ModeleCarte& m = Modifiable();
    for (carte::NoeudCarte& x : m.noeuds) x.surligne = noeudsSurlignes_.count(x.code) > 0;
    for (carte::ArcCarte& a : m.arcs)
        a.surligne =
            !couplesSurlignes_.empty() &&
            couplesSurlignes_.count({m.noeuds[static_cast<std::size_t>(a.origine)].code,
                                     m.noeuds[static_cast<std::size_t>(a.destination)].code}) > 0;
}

QString PanneauCarte::TexteSurvol(QPointF p) const {
    const carte::ModeleCarte& modele = *modele_;
    const QSizeF taille = size();
    if (const int i = NoeudEn(p); i >= 0)
        return carte::DetailNoeud(modele, modele.noeuds[static_cast<std::size_t>(i)]);
    // The nodes and links of the compared variant alone, drawn above the others.
    const auto ecran = [&](const carte::NoeudVariante& x) {
        return vue_.VersEcran(x.x, x.y, taille);
    };
    for (const carte::NoeudVariante& x : modele.noeudsVariante) {
        const QPointF d = ecran(x) - p;
        if (std::hypot(d.x(), d.y()) <= carte::kRayonVariante + 3)
            return QStringLiteral("Nœud %1").arg(x.code) +
                   (x.nom.isEmpty() ? QString() : QStringLiteral(" — ") + x.nom) +
                   QStringLiteral("\nVariante seule");
    }
    for (const carte::CoupleVariante& c : modele.couplesVariante)
        if (DistanceSegment(p, ecran(c.origine), ecran(c.destination)) <= 4)
            return QStringLiteral("Liaison %1 – %2\nVariante seule")
                .arg(c.origine.code)
                .arg(c.destination.code);
    const carte::ArcCarte* arc = nullptr;
    double meilleure = 4;
    for (const carte::ArcCarte& a : modele.arcs) {
        const carte::NoeudCarte &o = modele.noeuds[static_cast<std::size_t>(a.origine)],
                                &d = modele.noeuds[static_cast<std::size_t>(a.destination)];
        const QPointF u = vue_.VersEcran(o.x, o.y, taille), w = vue_.VersEcran(d.x, d.y, taille);
        if (p.x() < std::min(u.x(), w.x()) - 4 || p.x() > std::max(u.x(), w.x()) + 4 ||
            p.y() < std::min(u.y(), w.y()) - 4 || p.y() > std::max(u.y(), w.y()) + 4)
            continue;
        const double dist = DistanceSegment(p, u, w);
        if (dist <= meilleure) {
            meilleure = dist;
            arc = &a;
        }
    }
    return arc ? carte::DetailArc(modele, *arc) : QString();
}

bool PanneauCarte::event(QEvent* ev) {
    if (ev->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(ev);
        const QString t = glisse_ ? QString() : TexteSurvol(h->pos());
        if (t.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(h->globalPos(), t, this);
        return true;
    }
    return QWidget::event(ev);
}

PanneauCarte::~PanneauCarte() {
    if (construction_.joinable()) construction_.join();
    // The drawing under way posts its image to this widget: it ends before the widget goes
    // (an event posted to a widget that is gone is dropped).
    if (dessin_.joinable()) dessin_.join();
}

void PanneauCarte::LanceDessin(QSize pixels, qreal ratio) {
    imageAJour_ = true;  // until the view or the result changes again
    dessin_ =
        std::thread([this, modele = std::shared_ptr<const carte::ModeleCarte>(modele_), vue = vue_,
                     taille = QSizeF(size()), pixels, ratio, numero = ++numeroDessin_] {
            QImage image = Image(*modele, vue, taille, pixels, ratio);
            QMetaObject::invokeMethod(
                this,
                [this, image = std::move(image), numero]() mutable {
                    DessinFini(std::move(image), numero);
                },
                Qt::QueuedConnection);
        });
}

void PanneauCarte::DessinFini(QImage image, std::uint64_t numero) {
    if (dessin_.joinable()) dessin_.join();
    if (numero == numeroDessin_) image_ = std::move(image);
    update();  // shows it, and draws again if the view changed meanwhile
}

void PanneauCarte::DessineMaintenant() {
    Termine();
    if (dessin_.joinable()) dessin_.join();
    ++numeroDessin_;  // the image the drawing just ended posts is older than this one
    const qreal ratio = devicePixelRatioF();
    image_ = Image(*modele_, vue_, size(), size() * ratio, ratio);
    imageAJour_ = true;
    update();
}

void PanneauCarte::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if ((!imageAJour_ || image_.size() != pixels) && !dessin_.joinable())
        LanceDessin(pixels, ratio);
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!image_.isNull()) p.drawImage(glisse_ ? decalage_ : QPointF(0, 0), image_);
}

void PanneauCarte::resizeEvent(QResizeEvent*) {
    if (suitReseau_)
        Ajuste();
    else
        Redessine();
}

void PanneauCarte::wheelEvent(QWheelEvent* ev) {
    if (modele_->Vide()) return;
    const double crans = ev->angleDelta().y() / 120.0;
    if (crans == 0) return;
    vue_.Zoome(std::pow(1.25, crans), ev->position(), size());
    suitReseau_ = false;
    Redessine();
    ev->accept();
}

void PanneauCarte::mousePressEvent(QMouseEvent* ev) {
    if (ev->button() != Qt::LeftButton) return;
    glisse_ = true;
    depart_ = ev->position();
    decalage_ = {};
    setCursor(Qt::ClosedHandCursor);
    QToolTip::hideText();
}

void PanneauCarte::mouseMoveEvent(QMouseEvent* ev) {
    if (!glisse_) return;
    // The image drawn is only moved while dragging; it is drawn again at the release.
    decalage_ = ev->position() - depart_;
    update();
}

void PanneauCarte::mouseReleaseEvent(QMouseEvent* ev) {
    if (!glisse_ || ev->button() != Qt::LeftButton) return;
    glisse_ = false;
    setCursor(Qt::OpenHandCursor);
    const QPointF d = ev->position() - depart_;
    // A press and release in place is a click: on a node, it is told.
    if (d.manhattanLength() <= 2) {
        update();
        if (const int i = NoeudEn(depart_); i >= 0 && noeudClique) noeudClique(i);
        return;
    }
    vue_.Deplace(d);
    suitReseau_ = false;
    Redessine();
}

void PanneauCarte::mouseDoubleClickEvent(QMouseEvent*) {
    Ajuste();
}

}  // namespace vek
