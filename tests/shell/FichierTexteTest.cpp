// Text files as read and written: line ends, the choice of encoding for the whole file, bytes
// that must survive a read and a write, widths counted in characters.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
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

// True when the folder refuses a new file: false for root, who writes anywhere.
bool RefuseLesEcritures(const std::filesystem::path& dossier) {
    const std::filesystem::path essai = dossier / "essai";
    {
        std::ofstream f(essai);
        if (!f) return true;
    }
    std::filesystem::remove(essai);
    return false;
}

std::vector<std::string> Contenu(const std::filesystem::path& dossier) {
    std::vector<std::string> noms;
    for (const auto& f : std::filesystem::directory_iterator(dossier))
        noms.push_back(f.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

// A write that cannot end leaves the previous file as it was, no half-written file beside it,
// and a message that names the file by its path on this machine and the system's reason.
TEST(FichierTexte, EcritureQuiEchoueGardeLeFichierPrecedent) {
    const std::string ancien = "ancien contenu\r\n";
    const std::string lignes(200, 'x');
    struct Cas {
        const char* nom;
        const char* fichier;  // in the folder "r" of the case
        const char* raison;   // expected in the message
        bool lectureSeule;    // the folder is made read-only
        bool versDevFull;     // the file is a link to /dev/full
    } cas[] = {
        {"dossier en lecture seule", "r.dat", "Permission non accordée", true, false},
        {"dossier absent", "absent/r.dat", "Aucun fichier ou dossier de ce type", false, false},
        {"disque plein", "r.dat", "Plus de place sur le périphérique", false, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        test::DossierTemporaire d;
        const std::filesystem::path dossier = d.Chemin() / "r";
        std::filesystem::create_directories(dossier);
        const std::filesystem::path chemin = dossier / c.fichier;
        if (c.versDevFull) {
            if (!std::filesystem::exists("/dev/full")) {
                std::cout << "[  SAUTÉ   ] pas de /dev/full sur cette machine\n";
                continue;
            }
            std::filesystem::create_symlink("/dev/full", chemin);
        } else if (c.lectureSeule) {
            test::EcritOctets(chemin.string(), ancien);
            std::filesystem::permissions(
                dossier, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
            if (!RefuseLesEcritures(dossier)) {
                std::cout << "[  SAUTÉ   ] " << c.nom
                          << " : les droits ne sont pas appliqués à cet utilisateur (root)\n";
                std::filesystem::permissions(dossier, std::filesystem::perms::owner_all);
                continue;
            }
        }
        std::string message;
        try {
            EcrivainTexte w(chemin, c.fichier);
            for (int k = 0; k < 1000; ++k) w.Ligne(lignes);
            w.Ferme();
        } catch (const ErreurFichier& x) {
            message = x.what();
        }
        std::filesystem::permissions(dossier, std::filesystem::perms::owner_all);
        EXPECT_NE(message.find(chemin.string()), std::string::npos) << message;
        EXPECT_NE(message.find(c.raison), std::string::npos) << message;
        if (c.lectureSeule) {
            EXPECT_EQ(test::LitOctets(chemin.string()), ancien);
            EXPECT_EQ(Contenu(dossier), std::vector<std::string>{"r.dat"});
        }
        if (c.versDevFull) {
            EXPECT_TRUE(std::filesystem::is_symlink(chemin));
            EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
            EXPECT_EQ(Contenu(dossier), std::vector<std::string>{"r.dat"});
        }
    }
}

// A write left unfinished (the command stopped on an error) keeps the previous file; a
// finished one replaces it, keeps its access rights and leaves nothing beside it.
TEST(FichierTexte, RemplacementDuFichierPrecedent) {
    test::DossierTemporaire d;
    const std::string chemin = d / "r.dat";
    test::EcritOctets(chemin, "ancien\r\n");
    std::filesystem::permissions(chemin, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    {
        EcrivainTexte w(chemin, "r.dat");
        for (int k = 0; k < 100000; ++k) w.Ligne("nouveau");
    }
    const std::string apres = test::LitOctets(chemin);
    EXPECT_TRUE(apres == "ancien\r\n") << apres.size() << " octets : " << apres.substr(0, 40);
    EXPECT_EQ(Contenu(d.Chemin()), std::vector<std::string>{"r.dat"});
    {
        EcrivainTexte w(chemin, "r.dat");
        w.Ligne("nouveau");
        w.Ferme();
    }
    EXPECT_EQ(test::LitOctets(chemin), "nouveau\r\n");
    EXPECT_EQ(Contenu(d.Chemin()), std::vector<std::string>{"r.dat"});
    EXPECT_EQ(std::filesystem::status(chemin).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
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
