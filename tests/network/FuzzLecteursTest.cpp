// The node and arc readers on damaged and random bytes: whatever the input, the tables they
// fill stay consistent. Seeds are fixed, so a failure names the case that reproduces it.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <unordered_set>

#include "Outils.h"
#include "PortTest.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "shell/FichierTexte.h"
#include "shell/Texte.h"
#include "vek/Etat.h"

namespace vek {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::LitOctets;
using test::Source;

// Records as the readers split them: one per LF, CR LF or lone CR, plus an unterminated last
// one.
std::size_t Enregistrements(const std::string& o) {
    std::size_t n = 0;
    for (std::size_t k = 0; k < o.size(); ++k)
        if (o[k] == '\r' || (o[k] == '\n' && (k == 0 || o[k - 1] != '\r'))) ++n;
    return n + (!o.empty() && o.back() != '\n' && o.back() != '\r' ? 1 : 0);
}

std::string Octets(std::mt19937& g, std::size_t n, const std::string& alphabet = {}) {
    std::string s(n, '\0');
    for (char& c : s)
        c = alphabet.empty() ? static_cast<char>(g() & 0xFF) : alphabet[g() % alphabet.size()];
    return s;
}

// One random damage of the bytes of a file.
void Abime(std::mt19937& g, std::string& o) {
    auto position = [&] { return o.empty() ? std::size_t{0} : g() % (o.size() + 1); };
    static const char* const kTronques[] = {"\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xEF\xBB"};
    switch (g() % 8) {
        case 0:  // flipped bits
            for (int k = 0; k < 8 && !o.empty(); ++k)
                o[g() % o.size()] ^= static_cast<char>(1 + g() % 255);
            break;
        case 1:
            o.insert(position(), Octets(g, 1 + g() % 64));
            break;
        case 2: {
            std::size_t p = position();
            o.erase(p, g() % 400);
            break;
        }
        case 3: {  // a whole line written again elsewhere
            std::size_t debut = o.rfind('\n', position());
            debut = debut == std::string::npos ? 0 : debut + 1;
            std::size_t fin = o.find('\n', debut);
            std::string ligne = o.substr(debut, fin == std::string::npos ? fin : fin - debut + 1);
            for (int k = 1 + static_cast<int>(g() % 20); k > 0; --k) o.insert(position(), ligne);
            break;
        }
        case 4:
            o.insert(position(), std::string(1 + g() % 200, '\0'));
            break;
        case 5: {  // CR left without its LF
            std::size_t p = o.find("\r\n", position());
            if (p != std::string::npos)
                o.erase(p + 1, 1);
            else
                o += '\r';
            break;
        }
        case 6: {  // a multibyte sequence cut short, often just before a line end
            std::size_t p = o.find('\r', position());
            o.insert(p == std::string::npos ? o.size() : p, kTronques[g() % 4]);
            break;
        }
        default:
            o.insert(position(),
                     Octets(g, 1 + g() % 16, std::string("\x80\x81\x8D\x90\x9D\x9F\x85")));
            break;
    }
}

// Reads the two files into a fresh state and checks what the readers left there.
void LitEtVerifie(const DossierTemporaire& d, const std::string& noeuds, const std::string& arcs) {
    EcritOctets(d / "n.dat", noeuds);
    EcritOctets(d / "a.dat", arcs);
    test::PortTest port;
    Etat e(port);
    auto nb = LectureFichierNoeuds(e, d / "n.dat", 3000);
    if (!nb) {  // refused, and said why
        EXPECT_EQ(port.Compte(" est codé en UTF-16 "), 1);
        return;
    }
    const std::size_t lignes = Enregistrements(noeuds);
    EXPECT_EQ(*nb, e.NbNoeudsLus);
    // Lines without a code, or cut short at the end, are reported and left out.
    EXPECT_LE(static_cast<std::size_t>(e.NbNoeudsLus), std::min<std::size_t>(lignes, 3000));
    if (static_cast<std::size_t>(e.NbNoeudsLus) < lignes && e.NbNoeudsLus < 3000) {
        EXPECT_GE(port.Compte("ignorée"), 1);
    }
    if (e.NbNoeudsLus < 3000) {
        EXPECT_EQ(port.Compte("premiers noeuds ont été lus"), 0);
    }
    ASSERT_EQ(e.NoeudsLus.size(), static_cast<std::size_t>(e.NbNoeudsLus) + 1);
    std::unordered_set<std::int64_t> codes;
    for (std::int32_t i = 1; i <= e.NbNoeudsLus; ++i) {
        const std::string& nom = e.NoeudsLus[i].Nom;
        ASSERT_TRUE(EstUtf8Valide(nom)) << "noeud " << i;
        EXPECT_EQ(NombreCaracteres(nom), 50u) << "noeud " << i;
        codes.insert(e.NoeudsLus[i].Code);
    }

    auto na = LectureFichierArcs(e, d / "a.dat", 48000);
    if (!na) {
        EXPECT_EQ(port.Compte(" est codé en UTF-16 "), 1);
        return;
    }
    EXPECT_EQ(*na, e.NbArcsLus);
    EXPECT_LE(e.NbArcsLus, 47999);
    EXPECT_LE(static_cast<std::size_t>(e.NbArcsLus), Enregistrements(arcs));
    ASSERT_EQ(e.ArcsLus.size(), static_cast<std::size_t>(e.NbArcsLus) + 1);
    for (std::int32_t a = 1; a <= e.NbArcsLus; ++a) {
        const Arc& arc = e.ArcsLus[a];
        for (auto [indice, code] : {std::pair{arc.IndiceOrigine, arc.Origine},
                                    std::pair{arc.IndiceDestination, arc.Destination}}) {
            ASSERT_GE(indice, 0) << "arc " << a;
            ASSERT_LE(indice, e.NbNoeudsLus) << "arc " << a;
            if (indice > 0) {
                EXPECT_EQ(e.NoeudsLus[indice].Code, code) << "arc " << a;
            } else {
                EXPECT_EQ(codes.count(code), 0u) << "arc " << a << " : code " << code;
            }
        }
        for (const std::string* etiquette : {&arc.EtiquetteOrigine, &arc.EtiquetteDestination}) {
            ASSERT_TRUE(EstUtf8Valide(*etiquette)) << "arc " << a;
            EXPECT_EQ(NombreCaracteres(*etiquette), kLongueurEtiquette) << "arc " << a;
        }
    }
}

TEST(FuzzLecteurs, FichiersDExempleAbimes) {
    const std::string noeuds = LitOctets(Source("examples/utf8/noeuds.dat"));
    const std::string arcs = LitOctets(Source("examples/utf8/arcs.dat"));
    ASSERT_FALSE(noeuds.empty());
    ASSERT_FALSE(arcs.empty());
    DossierTemporaire d;
    for (unsigned graine : {1u, 2u, 3u, 4u}) {
        std::mt19937 g(graine);
        for (int tour = 0; tour < 50; ++tour) {
            SCOPED_TRACE("graine " + std::to_string(graine) + ", tour " + std::to_string(tour));
            std::string n = noeuds, a = arcs;
            for (int k = 1 + static_cast<int>(g() % 4); k > 0; --k) Abime(g, n);
            for (int k = 1 + static_cast<int>(g() % 4); k > 0; --k) Abime(g, a);
            LitEtVerifie(d, n, a);
            if (HasFailure()) return;  // the first failing case is enough
        }
    }
}

TEST(FuzzLecteurs, OctetsAuHasard) {
    // Plain noise; noise of digits, blanks and line ends, whose fields almost parse; and
    // noise of line ends mostly, past the 3000 records a node file may hold.
    const std::string alphabets[] = {std::string(),
                                     std::string("\r\n\n\n 0123456789.-+\t\0\xC3\xA9\x80", 23),
                                     std::string("\n\n\n\n\n\n\n\r0")};
    DossierTemporaire d;
    std::mt19937 g(20261209);
    for (int tour = 0; tour < 150; ++tour) {
        SCOPED_TRACE("tour " + std::to_string(tour));
        const std::string& alphabet = alphabets[tour % 3];
        std::string n = Octets(g, g() % 5001, alphabet);
        std::string a = Octets(g, g() % 5001, alphabet);
        LitEtVerifie(d, n, a);
        LitEtVerifie(d, a, n);     // each reader on the other's bytes as well
        if (HasFailure()) return;  // the first failing case is enough
    }
}

}  // namespace
}  // namespace vek
