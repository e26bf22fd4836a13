#pragma once
// The map written to a file: a PNG image painted through QPainter, or an SVG document whose
// every node is one <circle> and every arc one <line>, each with a <title> (codes and value),
// and whose group "legende" holds the legend and the scale bar. The nodes and pairs the
// compared variant alone has are circles and lines too, of class "variante", their titles
// saying "variante seule". The view is fitted to the
// network.

#include <QByteArray>
#include <QImage>
#include <string>

#include "ModeleCarte.h"

namespace vek::carte {

QImage ImageCarte(const ModeleCarte& m, int largeur, int hauteur);
QByteArray TexteSvg(const ModeleCarte& m, int largeur, int hauteur);

// Writes a .png or .svg file (by the extension, in any case). False with the reason, in
// French, when the extension is another or the file cannot be written.
bool ExporteCarte(const ModeleCarte& m, const std::string& chemin, int largeur, int hauteur,
                  std::string& erreur);

// True when the path ends in .png or .svg.
bool ExtensionCarte(const std::string& chemin);

}  // namespace vek::carte
