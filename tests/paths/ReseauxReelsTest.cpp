// The minimal-arc listing of real networks, checked against a computation of the test's own
// from the same files. The networks are read from ../shared/data when it is there.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "Reseaux.h"
#include "shell/Texte.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

std::string Dossier(const std::string& nom) {
    return std::string(VEK_SOURCE_DIR) + "/../shared/data/" + nom;
}

// Speeds of the road modes these networks use.
float Vitesse(int mode) {
    switch (mode) {
        case 6:
            return 110;
        case 61:
            return 90;
        case 7:
            return 70;
        case 71:
            return 60;
        case 72:
            return 50;
        case 74:
            return 35;
        case 75:
            return 25;
    }
    return 0;
}

// Reads the files with a plain parser and lists the best direct arc of every pair.
std::vector<std::string> ListageAttendu(const std::string& dossier, bool distance) {
    std::ifstream fn(dossier + "/noeuds.dat"), fa(dossier + "/arcs.dat");
    std::vector<std::pair<long long, std::string>> noeuds;
    std::map<long long, int> index;
    for (std::string l; std::getline(fn, l);) {
        long long code = std::stoll(l.substr(51, 10));
        index.emplace(code, static_cast<int>(noeuds.size()) + 1);
        noeuds.push_back({code, l.substr(0, 20)});
    }
    const int n = static_cast<int>(noeuds.size());
    std::vector<float> val((n + 1) * (n + 1), 0);
    std::vector<int> mode((n + 1) * (n + 1), 0);
    for (std::string l; std::getline(fa, l);) {
        int i = index[std::stoll(l.substr(0, 10))], j = index[std::stoll(l.substr(11, 10))];
        int m = std::stoi(l.substr(22, 4));
        float d = std::stof(l.substr(27, 8));
        float t = d * 60 / Vitesse(m);
        float x = distance ? d : t;
        if (val[i * (n + 1) + j] == 0 || x < val[i * (n + 1) + j]) {
            val[i * (n + 1) + j] = val[j * (n + 1) + i] = x;
            mode[i * (n + 1) + j] = mode[j * (n + 1) + i] = m;
        }
    }
    std::vector<std::string> lignes;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            float x = val[i * (n + 1) + j];
            if (x <= 0) continue;
            int m = mode[i * (n + 1) + j];
            float minutes = distance ? x * 60 / Vitesse(m) : x;
            float km = distance ? x : minutes * Vitesse(m) / 60;
            double h = std::floor(minutes / 60.0);
            char t[120];
            std::snprintf(t, sizeof t, "%010lld %010lld %04d %08.3f %04.0f %s %s",
                          noeuds[i - 1].first, noeuds[j - 1].first, m, km,
                          std::round(100 * h + (minutes - 60 * h)), noeuds[i - 1].second.c_str(),
                          noeuds[j - 1].second.c_str());
            lignes.push_back(t);
        }
    return lignes;
}

TEST(ReseauxReels, ListageDesArcsMinimauxTempsEtDistance) {
    for (const char* nom : {"SiouxFalls", "Anaheim"}) {
        if (!std::filesystem::exists(Dossier(nom) + "/arcs.dat"))
            GTEST_SKIP() << "../shared/data is absent: real networks not checked";
        for (bool distance : {false, true}) {
            test::Session s;
            s.port.fichiers = {Dossier(nom) + "/noeuds.dat", Dossier(nom) + "/arcs.dat"};
            menOuvrir(s.e);
            if (distance) {
                s.e.Valuation = "Distance";
                CalculMatriceArcsMin(s.e);
            }
            ExecuteCommande(s.e, "menVisuMatArcsMin");
            std::ifstream f(s.dossier / "nAMin000.dat");
            std::vector<std::string> obtenu;
            for (std::string l; std::getline(f, l);) obtenu.push_back(l.substr(0, l.size() - 1));
            auto attendu = ListageAttendu(Dossier(nom), distance);
            ASSERT_EQ(obtenu.size(), attendu.size()) << nom;
            for (std::size_t k = 0; k < attendu.size(); ++k)
                EXPECT_EQ(obtenu[k], attendu[k]) << nom << (distance ? " distance" : " temps");
        }
    }
}

}  // namespace
}  // namespace vek
