// The number patterns of the result files: fixed-width fields keep their columns, free
// formats grow, and the general number text matches what the files have always held.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "shell/Erreurs.h"
#include "shell/Format.h"

namespace vek {
namespace {

constexpr const char* k2020 = "00000000000000000000.00000000000000000000";

struct CasReel {
    double valeur;
    const char* motif;
    const char* attendu;
};

TEST(Format, ChampLargeurFixeEtArrondi) {
    const CasReel cas[] = {
        {0.125, "0.00", "0.13"},  // half away from zero
        {2.5, "0000", "0003"},
        {-2.5, "0000", "-003"},
        {1.005, "0.00", "1.01"},  // rounded on the 15 digits shown, not on the binary value
        {3.14159265, "0000.00000", "0003.14159"},
        {999.9996, "0000.000", "1000.000"},  // carry into the integer part
        {-0.001, "0.00", "0.00"},            // negative zero after rounding has no sign
        {-0.4, "0000", "0000"},
        {2.5, k2020, "00000000000000000002.50000000000000000000"},
        {-1234.125, k2020, "-0000000000000001234.12500000000000000000"},
    };
    for (const CasReel& c : cas) {
        std::string s = Champ(c.valeur, c.motif);
        EXPECT_EQ(s, c.attendu) << c.valeur << " in " << c.motif;
        EXPECT_EQ(s.size(), std::string(c.motif).size()) << c.valeur << " in " << c.motif;
    }
    // Single values are rounded on their 7 digits.
    EXPECT_EQ(Champ(4.832f, "0000.000"), "0004.832");
    EXPECT_EQ(Champ(0.1f, "0.0000000000"), "0.1000000000");
    EXPECT_EQ(Champ(-4.832f, "0000.00000"), "-004.83200");

    const struct {
        std::int64_t valeur;
        const char* motif;
        const char* attendu;
    } entiers[] = {
        {12, "0000000000", "0000000012"},
        {0, "0000", "0000"},
        {-5, "0000", "-005"},
        {-999, "0000", "-999"},
        {920, "00:00", "09:20"},
        {5, "00:00", "00:05"},
        {9999999999, "0000000000", "9999999999"},
    };
    for (const auto& c : entiers) EXPECT_EQ(Champ(c.valeur, c.motif), c.attendu) << c.valeur;
}

TEST(Format, ChampQuiNeTientPasLeve) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(Champ(12345, "0000"), ValeurHorsChamp);
    EXPECT_THROW(Champ(-1234, "0000"), ValeurHorsChamp);
    EXPECT_THROW(Champ(12345.0, "0000"), ValeurHorsChamp);
    EXPECT_THROW(Champ(-1234.0, "0000"), ValeurHorsChamp);
    EXPECT_THROW(Champ(9999.9995, "0000.000"), ValeurHorsChamp);  // rounds to 10000.000
    EXPECT_THROW(Champ(1e20, k2020), ValeurHorsChamp);
    EXPECT_THROW(Champ(inf, "0000"), ValeurHorsChamp);
    EXPECT_THROW(Champ(-inf, "0000"), ValeurHorsChamp);
    EXPECT_THROW(Champ(std::numeric_limits<double>::quiet_NaN(), "0000"), ValeurHorsChamp);
    EXPECT_THROW(Champ(std::numeric_limits<float>::quiet_NaN(), "0.00"), ValeurHorsChamp);
}

TEST(Format, FormatLibreGrandit) {
    const CasReel cas[] = {
        {1234.5, "0.00", "1234.50"}, {0, "####", ""},         {42, "####", "42"},
        {-42, "####", "-42"},        {-1.5, "0.00", "-1.50"}, {0.125, "0.00", "0.13"},
    };
    for (const CasReel& c : cas) EXPECT_EQ(Format(c.valeur, c.motif), c.attendu) << c.valeur;
}

TEST(Format, TexteGeneralDesNombres) {
    EXPECT_EQ(Str(2), " 2");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(std::int64_t{9999999999}), " 9999999999");
    EXPECT_EQ(TexteNombre(std::int64_t{-42}), "-42");

    const struct {
        double valeur;
        const char* attendu;
    } doubles[] = {
        {2.0, " 2"},
        {2.1, " 2.1"},
        {0.5, " 0.5"},
        {-0.5, "-0.5"},
        {-0.0, " 0"},
        {0.1 + 0.2, " 0.3"},
        {1.0 / 3, " 0.333333333333333"},
        {123456789012345.0, " 123456789012345"},
        {1e15, " 1E+15"},
        {-1e15, "-1E+15"},
        {1.5e20, " 1.5E+20"},
        {1e-4, " 0.0001"},
        {1e-5, " 1E-05"},
        {-2.5e-7, "-2.5E-07"},
    };
    for (const auto& c : doubles) {
        EXPECT_EQ(Str(c.valeur), c.attendu) << c.valeur;
        EXPECT_EQ(TexteNombre(c.valeur), c.attendu + (c.attendu[0] == ' ')) << c.valeur;
    }
    EXPECT_EQ(Str(0.1f), " 0.1");
    EXPECT_EQ(Str(1.0f / 3), " 0.3333333");
    EXPECT_EQ(Str(-4.832f), "-4.832");
    EXPECT_EQ(Str(1e7f), " 1E+07");
}

}  // namespace
}  // namespace vek
