#pragma once
// The results, the network and the matrices leaving VEK for other tools: GIS files of the
// last result or of the network (GeoPackage, GeoJSON, CSV, by the file's extension, in the
// system of the EPSG setting), and the matrices as an open matrix file (.omx): the current
// shortest paths (the valuation as the table's name) and, when computed, the gravity
// model's attractions and persons attracted.

#include <string>

namespace vek {

struct Etat;

// False, with the reason, when it cannot be done. A name ending in .omx writes the matrices.
bool ExporteResultat(const Etat& e, const std::string& fichier, std::string& erreur);
bool ExporteReseau(const Etat& e, const std::string& fichier, std::string& erreur);

// "Exporter le résultat..." and "Exporter le réseau...": a file chosen, then written.
void menExporterResultat(Etat& e);
void menExporterReseau(Etat& e);

}  // namespace vek
