#pragma once
// Paints the map onto a QPainter: the arcs, the one-way arrows, the nodes, their labels, the
// legend and the scale bar, on a white background of the given size.

#include <QSizeF>

#include "MiseEnPage.h"
#include "ModeleCarte.h"
#include "VueCarte.h"

class QPainter;
class QFont;

namespace vek::carte {

QFont PoliceCarte();

void DessineCarte(QPainter& p, const ModeleCarte& m, const VueCarte& v, QSizeF taille,
                  const OptionsDessin& o = {});

}  // namespace vek::carte
