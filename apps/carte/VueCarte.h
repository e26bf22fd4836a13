#pragma once
// The window onto the map: the point of the network (km) at the centre of the drawing and the
// scale in pixels per km. North is up.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <algorithm>

#include "ModeleCarte.h"

namespace vek::carte {

struct VueCarte {
    double cx = 0, cy = 0;  // km at the centre
    double echelle = 1;     // pixels per km

    QPointF VersEcran(double x, double y, QSizeF taille) const {
        return {taille.width() / 2 + (x - cx) * echelle, taille.height() / 2 - (y - cy) * echelle};
    }
    QPointF VersCarte(QPointF p, QSizeF taille) const {
        return {cx + (p.x() - taille.width() / 2) / echelle,
                cy - (p.y() - taille.height() / 2) / echelle};
    }
    // Zooms by the factor keeping the network point under `p` in place.
    void Zoome(double facteur, QPointF p, QSizeF taille) {
        const QPointF avant = VersCarte(p, taille);
        echelle = std::clamp(echelle * facteur, 1e-6, 1e6);
        const QPointF apres = VersCarte(p, taille);
        cx += avant.x() - apres.x();
        cy += avant.y() - apres.y();
    }
    void Deplace(QPointF pixels) {
        cx -= pixels.x() / echelle;
        cy += pixels.y() / echelle;
    }
    bool operator==(const VueCarte&) const = default;
};

// The view that shows the whole network in the drawing, and the nodes the compared variant
// alone has, with a margin of `marge` pixels.
inline VueCarte VueAjustee(const ModeleCarte& m, QSizeF taille, double marge = 40) {
    VueCarte v;
    if (m.Vide()) return v;
    double xMin = m.xMin, xMax = m.xMax, yMin = m.yMin, yMax = m.yMax;
    const auto etend = [&](const NoeudVariante& x) {
        xMin = std::min(xMin, x.x);
        xMax = std::max(xMax, x.x);
        yMin = std::min(yMin, x.y);
        yMax = std::max(yMax, x.y);
    };
    for (const NoeudVariante& x : m.noeudsVariante) etend(x);
    for (const CoupleVariante& c : m.couplesVariante) {
        etend(c.origine);
        etend(c.destination);
    }
    v.cx = (xMin + xMax) / 2;
    v.cy = (yMin + yMax) / 2;
    const double l = std::max(taille.width() - 2 * marge, 10.0);
    const double h = std::max(taille.height() - 2 * marge, 10.0);
    const double dx = xMax - xMin, dy = yMax - yMin;
    if (dx <= 0 && dy <= 0) {
        v.echelle = 1;
    } else {
        v.echelle = std::min(dx > 0 ? l / dx : 1e6, dy > 0 ? h / dy : 1e6);
    }
    return v;
}

}  // namespace vek::carte
