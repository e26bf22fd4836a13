#pragma once
// The last result and the network as GIS files, through GDAL/OGR, in the format the file's
// extension names: GeoPackage (.gpkg), GeoJSON (.geojson) or CSV (.csv, UTF-8, a header
// row, the point as decimal separator, texts quoted as needed).
//   a per-node result   points: code, nom, population, valeur
//   a per-pair result   lines from one node to the other: code_origine, code_destination,
//                       nom_origine, nom_destination, valeur
//   the network         points (noeuds: code, nom, population) and lines (arcs:
//                       code_origine, code_destination, mode, longueur, temps, debit); a
//                       GeoPackage holds them as two layers, a GeoJSON or CSV file as one
//                       layer whose field `element` says "noeud" or "arc"
// A value out of reach (the shortest paths' 32000) or not a number is left empty (null).
// Coordinates are the nodes' X/Y in km; with an EPSG code, they are taken in that projected
// system, scaled from km to its unit (a geographic system is refused). The file is written
// beside and put in place whole.

#include <string>

namespace vek {

struct EtatReseau;

// False, with the reason, when there is nothing to export, the extension or the EPSG code is
// not one of those above, or the file cannot be written.
bool ExporteResultatSig(const EtatReseau& e, const std::string& fichier, int epsg,
                        std::string& erreur);
bool ExporteReseauSig(const EtatReseau& e, const std::string& fichier, int epsg,
                      std::string& erreur);

}  // namespace vek
