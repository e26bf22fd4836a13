#pragma once
// The map beside the configuration panel: the network and its last result, zoomed by the
// wheel around the pointer, moved by dragging, fitted to the network on demand; hovering a
// node or an arc tells what it is. The geometry is rebuilt only when the network changes;
// the drawing is kept in an image and made again only when the view or the result changes,
// on a worker thread (the image before stays shown meanwhile), so that a large network never
// holds up the window.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "ModeleCarte.h"
#include "VueCarte.h"

namespace vek {

struct EtatReseau;

class PanneauCarte : public QWidget {
  public:
    explicit PanneauCarte(QWidget* parent = nullptr);
    ~PanneauCarte() override;

    // Follows the state after a command: the last result is applied again; a new network is
    // built again on a worker thread (and fitted when its extent changed), the map before
    // staying shown meanwhile. The state is only read there: no command may start before
    // Termine().
    void Actualise(const EtatReseau& e);
    // Waits for the network being built and puts it in place.
    void Termine();
    // Draws the current view and result now, on this thread: what a capture of the widget
    // then shows is up to date.
    void DessineMaintenant();
    void Ajuste();
    void AfficheResultat(bool oui);
    bool AfficheResultat() const { return afficheResultat_; }
    void Classification(carte::MethodeClasses methode, int nbClasses);
    carte::MethodeClasses Methode() const { return methode_; }
    int NbClasses() const { return nbClasses_; }

    const carte::ModeleCarte& Modele() const { return *modele_; }
    const carte::VueCarte& Vue() const { return vue_; }
    // Where node i of the model (from 0) is drawn in the widget.
    QPointF PositionNoeud(int i) const;
    // The tooltip at a point of the widget: the node there, else a node or a link of the
    // compared variant alone, else the arc; empty over nothing.
    QString TexteSurvol(QPointF p) const;
    // The node drawn at a point of the widget (its position in the model), -1 for none.
    int NoeudEn(QPointF p) const;
    // Outlines the nodes of these codes and the arcs joining these pairs of codes (either
    // way), until the next call; kept when the network is built again.
    void Surligne(std::vector<std::int64_t> noeuds,
                  std::vector<std::pair<std::int64_t, std::int64_t>> couples);
    // Called with the node's position in the model when a node is clicked (not dragged).
    std::function<void(int)> noeudClique;

    QSize sizeHint() const override { return {640, 480}; }

  protected:
    bool event(QEvent* ev) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;
    void mouseDoubleClickEvent(QMouseEvent* ev) override;

  private:
    void Reclasse();
    void AppliqueSurlignage();
    void Redessine();
    // The model to change: a copy when the drawing under way still reads it.
    carte::ModeleCarte& Modifiable();
    // Starts drawing the image of the current view on the worker thread.
    void LanceDessin(QSize pixels, qreal ratio);
    void DessinFini(QImage image, std::uint64_t numero);
    const EtatReseau* etat_ = nullptr;
    // Shared with the drawing under way, which only reads it.
    std::shared_ptr<carte::ModeleCarte> modele_ = std::make_shared<carte::ModeleCarte>();
    std::thread construction_;                  // the network being built, if any
    std::shared_ptr<carte::ModeleCarte> pret_;  // built, not yet in place
    bool construit_ = false;
    int nbNoeuds_ = -1, nbArcs_ = -1;
    carte::VueCarte vue_;
    bool suitReseau_ = true;  // fitted again on resize until the user moves the view
    bool afficheResultat_ = true;
    carte::MethodeClasses methode_ = carte::MethodeClasses::Quantiles;
    int nbClasses_ = carte::kClassesDefaut;
    QImage image_;             // the last image drawn
    bool imageAJour_ = false;  // it shows the current view and result
    std::thread dessin_;       // the drawing under way, if any
    // The number of the last drawing started: the image of an older one is dropped.
    std::uint64_t numeroDessin_ = 0;
    bool glisse_ = false;
    QPointF depart_, decalage_;
    std::set<std::int64_t> noeudsSurlignes_;
    std::set<std::pair<std::int64_t, std::int64_t>> couplesSurlignes_;  // both ways
};

}  // namespace vek
