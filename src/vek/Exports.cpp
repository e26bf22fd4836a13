#include "vek/Exports.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <limits>

#include "formats/ExportOmx.h"
#include "formats/ExportSig.h"
#include "shell/Echecs.h"
#include "shell/Fichiers.h"
#include "vek/Etat.h"

namespace vek {

namespace {

constexpr const char* kTitre = "Exporter";

bool EstOmx(const std::string& fichier) {
    std::string ext = std::filesystem::path(fichier).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".omx";
}

// The matrices computed on the network loaded, n x n in its order.
bool ExporteMatrices(const Etat& e, const std::string& fichier, std::string& erreur) {
    const std::size_t n = static_cast<std::size_t>(std::max(e.NbNoeuds, 0));
    std::vector<std::int64_t> codes;
    for (std::size_t i = 1; i <= n; ++i) codes.push_back(e.Noeuds[i].Code);
    std::vector<TableOmx> tables;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (n > 0 && e.CheminsMin.Lignes() == n + 1 && e.Menus.EstActif("menVisuMatChMin")) {
        TableOmx t{e.Valuation, std::vector<double>(n * n)};
        for (std::size_t i = 1; i <= n; ++i)
            for (std::size_t j = 1; j <= n; ++j) {
                const float v = i == j ? 0.0f : e.CheminsMin(i, j).Valeur;
                t.valeurs[(i - 1) * n + (j - 1)] = v >= 32000.0f ? nan : static_cast<double>(v);
            }
        tables.push_back(std::move(t));
    }
    // The gravity model's matrices, when computed on this network.
    auto gravite = [&](const char* nom, bool calculee, const auto& m) {
        if (n == 0 || !calculee || m.Lignes() != n + 1) return;
        TableOmx t{nom, std::vector<double>(n * n)};
        for (std::size_t i = 1; i <= n; ++i)
            for (std::size_t j = 1; j <= n; ++j)
                t.valeurs[(i - 1) * n + (j - 1)] = static_cast<double>(m(i, j));
        tables.push_back(std::move(t));
    };
    gravite("attractions", e.AttractionsReseau != 0, e.MatAttractions);
    gravite("personnes", e.PersonnesReseau != 0, e.MatPersonnesAttirees);
    if (tables.empty()) {
        erreur = "aucune matrice calculée à exporter : calculez d'abord les chemins minimaux";
        return false;
    }
    return EcritOmx(fichier, codes, tables, erreur);
}

std::optional<std::string> Choix(Etat& e, const std::string& titre, const std::string& nom) {
    DemandeFichier d;
    d.titre = titre;
    d.filtre =
        "GeoPackage(*.gpkg)|*.gpkg|GeoJSON(*.geojson)|*.geojson|CSV(*.csv)|*.csv|Matrices "
        "OMX(*.omx)|*.omx";
    d.indexFiltre = 1;
    d.repertoire = e.RepResultats;
    d.nomPropose = nom;
    d.enregistrer = true;
    auto choisi = e.Ihm.ChoixFichier(d);
    if (!choisi || choisi->empty()) return std::nullopt;
    return choisi;
}

void Exporte(Etat& e, bool reseau) {
    const auto fichier = Choix(e, reseau ? "Exporter le réseau..." : "Exporter le résultat...",
                               reseau ? "reseau.gpkg" : "resultat.gpkg");
    if (!fichier) return;
    const std::string chemin = CheminDe(e, *fichier).string();
    std::string erreur;
    const bool fait =
        reseau ? ExporteReseau(e, chemin, erreur) : ExporteResultat(e, chemin, erreur);
    if (!fait) {
        SignaleEchec();
        e.Ihm.Message("Export impossible : " + erreur + ".", Boutons::Ok, Icone::Exclamation,
                      kTitre);
        return;
    }
    e.Ihm.Message("Exporté dans " + chemin + ".", Boutons::Ok, Icone::Information, kTitre);
}

}  // namespace

bool ExporteResultat(const Etat& e, const std::string& fichier, std::string& erreur) {
    if (EstOmx(fichier)) return ExporteMatrices(e, fichier, erreur);
    return ExporteResultatSig(e, fichier, e.EpsgExport, erreur);
}

bool ExporteReseau(const Etat& e, const std::string& fichier, std::string& erreur) {
    if (EstOmx(fichier)) return ExporteMatrices(e, fichier, erreur);
    return ExporteReseauSig(e, fichier, e.EpsgExport, erreur);
}

void menExporterResultat(Etat& e) {
    Exporte(e, false);
}

void menExporterReseau(Etat& e) {
    Exporte(e, true);
}

}  // namespace vek
