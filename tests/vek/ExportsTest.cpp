// The example's results leaving VEK: its degree as GeoPackage, GeoJSON and CSV read back by
// GDAL's own ogrinfo, its network as two layers, its times as an open matrix file read back
// with HDF5, and what cannot be exported said.

#include <gtest/gtest.h>
#include <hdf5.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Outils.h"
#include "ScriptTest.h"
#include "vek/Exports.h"

namespace vek {
namespace {

using test::LitOctets;
using test::Source;

// What a command prints, or nothing when it cannot run.
std::string Sortie(const std::string& commande) {
    std::unique_ptr<FILE, int (*)(FILE*)> p(popen((commande + " 2>&1").c_str(), "r"), pclose);
    if (!p) return {};
    std::string s;
    std::array<char, 4096> tampon{};
    while (std::fgets(tampon.data(), tampon.size(), p.get())) s += tampon.data();
    return s;
}

struct Exemple : test::SessionScript {
    Exemple() {
        Fichier(Source("examples/utf8/noeuds.dat"));
        Fichier(Source("examples/utf8/arcs.dat"));
        EXPECT_EQ(Menu("menOuvrir"), Issue::Faite);
    }
};

TEST(Exports, DegreEtReseauLusParOgrinfo) {
    if (Sortie("ogrinfo --version").find("GDAL") == std::string::npos)
        GTEST_SKIP() << "ogrinfo absent (paquet gdal-bin) : fichiers non relus";
    Exemple x;
    std::string erreur;
    // Nothing computed yet: nothing to export.
    EXPECT_FALSE(ExporteResultat(x.e, x.dossier / "rien.gpkg", erreur));
    EXPECT_NE(erreur.find("aucun résultat"), std::string::npos);
    x.Dialogue("IndicVek", {"Degré", "Ordre1", "Booléenne", "Ok"});
    ASSERT_EQ(x.Menu("menCalculNodalité"), Issue::Faite);
    for (const char* nom : {"degre.gpkg", "degre.geojson", "degre.csv"}) {
        SCOPED_TRACE(nom);
        const std::string f = x.dossier / nom;
        ASSERT_TRUE(ExporteResultat(x.e, f, erreur)) << erreur;
        const std::string resume = Sortie("ogrinfo -ro -so -al '" + f + "'");
        EXPECT_NE(resume.find("Feature Count: 44"), std::string::npos) << resume;
        // Brenne-la-Ville, with its degree and its name as written.
        // A CSV file says no types: GDAL guesses them from the values.
        const std::string csv =
            std::string(nom).ends_with(".csv") ? "-oo AUTODETECT_TYPE=YES " : "";
        const std::string brenne =
            Sortie("ogrinfo -ro -q -al " + csv + "-where \"code=1601000001\" '" + f + "'");
        EXPECT_NE(brenne.find("nom (String) = Brenne-la-Ville"), std::string::npos) << brenne;
        EXPECT_NE(brenne.find("population (Integer) = 148200"), std::string::npos) << brenne;
        const std::string degre = std::to_string(static_cast<int>(x.e.ValeursNoeuds[1]));
        EXPECT_NE(brenne.find(") = " + degre + "\n"), std::string::npos) << brenne;
        EXPECT_NE(brenne.find("valeur ("), std::string::npos) << brenne;
    }
    // The CSV as a planner's spreadsheet reads it: a header, the point as separator.
    const std::string csv = LitOctets(x.dossier / "degre.csv");
    EXPECT_EQ(csv.rfind("X,Y,code,nom,population,valeur", 0), 0u) << csv.substr(0, 80);
    // The network: its nodes and its arcs as two layers, in a projected system.
    x.e.EpsgExport = 2154;
    ASSERT_TRUE(ExporteReseau(x.e, x.dossier / "reseau.gpkg", erreur)) << erreur;
    const std::string reseau = Sortie("ogrinfo -ro -so -al '" + (x.dossier / "reseau.gpkg") + "'");
    EXPECT_NE(reseau.find("Layer name: noeuds"), std::string::npos) << reseau;
    EXPECT_NE(reseau.find("Layer name: arcs"), std::string::npos);
    EXPECT_NE(reseau.find("Feature Count: " + std::to_string(x.e.NbArcs)), std::string::npos);
    EXPECT_NE(reseau.find("RGF93"), std::string::npos);
    // A geographic system has no km: refused, nothing written.
    x.e.EpsgExport = 4326;
    EXPECT_FALSE(ExporteReseau(x.e, x.dossier / "geo.gpkg", erreur));
    EXPECT_NE(erreur.find("n'est pas projeté"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(x.dossier / "geo.gpkg"));
    x.e.EpsgExport = 0;
    EXPECT_FALSE(ExporteReseau(x.e, x.dossier / "reseau.shp", erreur));
}

TEST(Exports, TempsEnMatriceOmxRelusAvecHdf5) {
    Exemple x;
    std::string erreur;
    EXPECT_FALSE(ExporteResultat(x.e, x.dossier / "vide.omx", erreur));
    ASSERT_EQ(x.Menu("menUneFois"), Issue::Faite);
    const std::string f = x.dossier / "temps.omx";
    ASSERT_TRUE(ExporteResultat(x.e, f, erreur)) << erreur;
    const hid_t h = H5Fopen(f.c_str(), H5F_ACC_RDONLY, H5P_DEFAULT);
    ASSERT_GE(h, 0);
    const std::size_t n = static_cast<std::size_t>(x.e.NbNoeuds);
    std::int32_t forme[2] = {0, 0};
    const hid_t a = H5Aopen(h, "SHAPE", H5P_DEFAULT);
    H5Aread(a, H5T_NATIVE_INT32, forme);
    H5Aclose(a);
    EXPECT_EQ(forme[0], static_cast<std::int32_t>(n));
    EXPECT_EQ(forme[1], static_cast<std::int32_t>(n));
    std::vector<std::int64_t> codes(n);
    const hid_t z = H5Dopen2(h, "/lookup/zones", H5P_DEFAULT);
    H5Dread(z, H5T_NATIVE_INT64, H5S_ALL, H5S_ALL, H5P_DEFAULT, codes.data());
    H5Dclose(z);
    std::vector<double> temps(n * n);
    const hid_t d = H5Dopen2(h, "/data/Temps", H5P_DEFAULT);
    ASSERT_GE(d, 0);
    H5Dread(d, H5T_NATIVE_DOUBLE, H5S_ALL, H5S_ALL, H5P_DEFAULT, temps.data());
    // L'Île-d'Aval is reached by ferry only: the example has no pair out of reach.
    EXPECT_EQ(H5Aexists(d, "inaccessible"), 0);
    H5Dclose(d);
    H5Fclose(h);
    for (std::size_t i = 1; i <= n; ++i) {
        EXPECT_EQ(codes[i - 1], x.e.Noeuds[i].Code);
        for (std::size_t j = 1; j <= n; ++j)
            EXPECT_EQ(temps[(i - 1) * n + (j - 1)], i == j ? 0.0 : x.e.CheminsMin(i, j).Valeur);
    }
}

}  // namespace
}  // namespace vek
