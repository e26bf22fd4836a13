// Mutated and random bytes fed to both readers: no crash, no hang, tables always consistent.
// The sanitizer build of the tests checks the absence of undefined behaviour.

#include <gtest/gtest.h>

#include <random>

#include "Outils.h"
#include "PortTest.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "shell/Etat.h"
#include "shell/Texte.h"

namespace vek {
namespace {

std::string Mute(std::string s, std::mt19937& g) {
    std::uniform_int_distribution<int> octet(0, 255), sorte(0, 7);
    int n = 1 + static_cast<int>(g() % 20);
    for (int k = 0; k < n; ++k) {
        std::size_t p = s.empty() ? 0 : g() % s.size();
        switch (sorte(g)) {
            case 0:
                if (!s.empty()) s[p] = static_cast<char>(octet(g));
                break;
            case 1:
                s.insert(p, 1, static_cast<char>(octet(g)));
                break;
            case 2:
                s.erase(p, g() % 200);
                break;
            case 3:
                s.insert(p, std::string(g() % 30, '\0'));
                break;
            case 4:
                s.insert(p, "\r");
                break;
            case 5:
                s.insert(p, "\xC3");  // a UTF-8 sequence cut short
                break;
            case 6:
                s.insert(p, 1, static_cast<char>(0x80 + g() % 32));
                break;
            default:
                s.insert(p, s.substr(p, g() % 300));  // duplicated lines
        }
    }
    return s;
}

void VerifieTables(const Etat& e) {
    ASSERT_LE(e.NbNoeudsLus, kMaxNoeuds);
    ASSERT_EQ(e.NoeudsLus.size(), static_cast<std::size_t>(e.NbNoeudsLus) + 1);
    for (std::int32_t i = 1; i <= e.NbNoeudsLus; ++i)
        ASSERT_EQ(NombreCaracteres(e.NoeudsLus[i].Nom), kLongueurNom);
    ASSERT_LE(e.NbArcsLus, kMaxArcs - 1);
    ASSERT_EQ(e.ArcsLus.size(), static_cast<std::size_t>(e.NbArcsLus) + 1);
    for (std::int32_t a = 1; a <= e.NbArcsLus; ++a) {
        ASSERT_GE(e.ArcsLus[a].IndiceOrigine, 0);
        ASSERT_LE(e.ArcsLus[a].IndiceOrigine, e.NbNoeudsLus);
        ASSERT_LE(e.ArcsLus[a].IndiceDestination, e.NbNoeudsLus);
    }
}

TEST(LecteursAleatoires, OctetsMutesEtAleatoires) {
    test::DossierTemporaire d;
    const std::string noeuds = test::LitOctets(test::Source("examples/cp1252/noeuds.dat"));
    const std::string arcs = test::LitOctets(test::Source("examples/utf8/arcs.dat"));
    ASSERT_FALSE(noeuds.empty());
    std::mt19937 g(20261209);
    for (int tour = 0; tour < 300; ++tour) {
        std::string n, a;
        if (tour % 3 == 2) {
            n.resize(g() % 5000);
            a.resize(g() % 5000);
            for (char& c : n) c = static_cast<char>(g());
            for (char& c : a) c = static_cast<char>(g());
        } else {
            n = Mute(noeuds, g);
            a = Mute(arcs, g);
        }
        test::EcritOctets(d / "n.dat", n);
        test::EcritOctets(d / "a.dat", a);
        test::PortTest port;
        Etat e(port);
        LectureFichierNoeuds(e, d / "n.dat", kMaxNoeuds);
        LectureFichierArcs(e, d / "a.dat", kMaxArcs);
        VerifieTables(e);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace vek
