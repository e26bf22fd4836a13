// Text files as read and written: line ends, the choice of encoding for the whole file, bytes
// that must survive a read and a write, widths counted in characters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Outils.h"
#include "shell/Erreurs.h"
#include "shell/FichierTexte.h"
#include "shell/Texte.h"

namespace vek {
namespace {

TEST(FichierTexte, LignesEtFinsDeLigne) {
    struct Cas {
        std::string octets;
        std::vector<std::u32string> lignes;
    };
    const Cas cas[] = {
        {"", {}},
        {"a\r\nb\r\n", {U"a", U"b"}},
        {"a\nb\n", {U"a", U"b"}},
        {"a\r\nb\nc", {U"a", U"b", U"c"}},  // the last line has no line end
        {"\r\n", {U""}},
        {"a\n\nb", {U"a", U"", U"b"}},
        // a lone CR ends a line as well
        {"a\rb\r", {U"a", U"b"}},
        {"a\r\r\nb\n\rc", {U"a", U"", U"b", U"", U"c"}},
        {"\r", {U""}},
    };
    for (const Cas& c : cas) EXPECT_EQ(DecodeTexte(c.octets).lignes, c.lignes) << c.octets;
}

TEST(FichierTexte, EncodageDuFichierEntier) {
    TexteLu u = DecodeTexte("Angoul\xC3\xAAme\r\n");
    EXPECT_EQ(u.encodage, Encodage::Utf8);
    EXPECT_EQ(u.lignes, std::vector<std::u32string>{U"Angoulême"});
    // One invalid sequence anywhere makes every line Windows-1252.
    TexteLu w = DecodeTexte("\xC3\xA9\r\nAngoul\xEAme");
    EXPECT_EQ(w.encodage, Encodage::Windows1252);
    EXPECT_EQ(w.lignes, (std::vector<std::u32string>{U"\u00C3\u00A9", U"Angoulême"}));

    struct Cas {
        const char* octets;
        bool valide;
    };
    const Cas cas[] = {
        {"\xE2\x82\xAC", true},  {"\xF4\x8F\xBF\xBF", true},  {"\xC0\xAF", false},
        {"\xED\xA0\x80", false}, {"\xF4\x90\x80\x80", false}, {"\x80", false},
        {"\xE2\x82", false},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(EstUtf8Valide(c.octets), c.valide) << c.octets;
        EXPECT_EQ(DecodeTexte(c.octets).encodage,
                  c.valide ? Encodage::Utf8 : Encodage::Windows1252);
    }
}

TEST(FichierTexte, TousLesOctetsWindows1252SontConserves) {
    std::string tous;
    for (int o = 0; o < 256; ++o)
        if (o != '\r') tous.push_back(static_cast<char>(o));  // a CR ends a line, as LF does
    TexteLu lu = DecodeTexte(tous);
    ASSERT_EQ(lu.encodage, Encodage::Windows1252);
    std::string utf8;
    for (std::size_t k = 0; k < lu.lignes.size(); ++k)
        utf8 += (k ? "\n" : "") + VersUtf8(lu.lignes[k]);
    EXPECT_EQ(EncodeTexte(utf8, Encodage::Windows1252), tous);

    for (int o : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(CaractereWindows1252(static_cast<unsigned char>(o)), static_cast<char32_t>(o));
    EXPECT_EQ(CaractereWindows1252(0x80), U'\u20AC');
    EXPECT_EQ(OctetWindows1252(U'\u20AC'), 0x80);
    EXPECT_EQ(OctetWindows1252(U'\u4E2D'), '?');
}

TEST(FichierTexte, AllerRetourParFichier) {
    test::DossierTemporaire d;
    struct Cas {
        Encodage encodage;
        const char* octets;
    };
    const Cas cas[] = {{Encodage::Utf8, "Angoul\xC3\xAAme\r\n"},
                       {Encodage::Windows1252, "Angoul\xEAme\r\n"}};
    for (const Cas& c : cas) {
        std::string chemin = d / "ville.txt";
        {
            EcrivainTexte w(chemin, "ville.txt", c.encodage);
            w.Ligne("Angoulême");
            w.Ferme();
        }
        EXPECT_EQ(test::LitOctets(chemin), c.octets);
        TexteLu lu;
        ASSERT_TRUE(LitFichierTexte(chemin, lu));
        EXPECT_EQ(lu.encodage, c.encodage);
        ASSERT_EQ(lu.lignes.size(), 1u);
        EXPECT_EQ(lu.lignes[0], U"Angoulême");
        EXPECT_EQ(EncodeTexte(VersUtf8(lu.lignes[0]), lu.encodage) + "\r\n", c.octets);
    }
    TexteLu lu;
    EXPECT_FALSE(LitFichierTexte(d / "absent.txt", lu));
    EXPECT_THROW(EcrivainTexte(d / "absent/x.txt", "x.txt"), ErreurFichier);
}

TEST(Texte, CadreCompteLesCaracteres) {
    EXPECT_EQ(Cadre("Angoulême", 5), "Angou");
    EXPECT_EQ(Cadre("Angoulême", 7), "Angoulê");
    EXPECT_EQ(Cadre("Angoulême", 12), "Angoulême   ");
    EXPECT_EQ(NombreCaracteres(Cadre("Angoulême", 12)), 12u);
    EXPECT_EQ(NombreCaracteres("Angoulême"), 9u);
    EXPECT_EQ(Cadre("", 3), "   ");
}

}  // namespace
}  // namespace vek
