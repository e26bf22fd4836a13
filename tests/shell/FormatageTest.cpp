// The number patterns of the result and network files, and Str().

#include <gtest/gtest.h>

#include <cmath>

#include "shell/Erreurs.h"
#include "shell/Format.h"

namespace vek {
namespace {

TEST(Format, ChampsDeLargeurFixe) {
    struct Cas {
        double valeur;
        const char* motif;
        const char* attendu;
    } cas[] = {
        {42, "0000000000", "0000000042"},
        {4.832, "0000.000", "0004.832"},
        {0.125, "0.00", "0.13"},  // half away from zero on the displayed value
        {2.5, "0000", "0003"},
        {-2.5, "0000", "-003"},
        {-5, "0000", "-005"},
        {-0.0001, "0000.000", "0000.000"},  // a rounded zero takes no sign
        {920, "00:00", "09:20"},
        {0.1, "00000000000000000000.00000000000000000000", "00000000000000000000.10000000000000000000"},
        {-1234.5, "00000000000000000000.00000000000000000000",
         "-0000000000000001234.50000000000000000000"},
        {9999.9994, "0000.000", "9999.999"},
    };
    for (const auto& c : cas) EXPECT_EQ(Champ(c.valeur, c.motif), c.attendu) << c.valeur;
    EXPECT_EQ(Champ(4.832f, "0000.000"), "0004.832");
    EXPECT_EQ(Champ(1234.56789f, "0000.00000"), "1234.56800");  // 7 significant digits
    EXPECT_EQ(Champ(std::int64_t{-42}, "0000000000"), "-000000042");
    for (double v : {12345.0, -1234.0, 9999.9996, double(INFINITY), double(NAN)})
        EXPECT_THROW(Champ(v, "0000"), ValeurHorsChamp) << v;
    EXPECT_THROW(Champ(std::int64_t{10000000000}, "0000000000"), ValeurHorsChamp);
}

TEST(Format, TexteLibreEtStr) {
    EXPECT_EQ(Format(1234.5, "0.00"), "1234.50");
    EXPECT_EQ(Format(0, "####"), "");
    EXPECT_EQ(Format(42, "####"), "42");
    EXPECT_EQ(Format(-7, "0000"), "-0007");
    struct Cas {
        std::string obtenu, attendu;
    } cas[] = {
        {Str(2.0), " 2"},          {Str(2.1), " 2.1"},
        {Str(-3.0), "-3"},         {Str(0.5), " 0.5"},
        {Str(0.1f), " 0.1"},       {Str(1.0 / 3), " 0.333333333333333"},
        {Str(1.0f / 3), " 0.3333333"}, {Str(1e15), " 1E+15"},
        {Str(1e-5), " 1E-05"},     {Str(std::int64_t{9999999999}), " 9999999999"},
        {Str(-12), "-12"},         {TexteNombre(2.5), "2.5"},
        {TexteNombre(123456789012345.0), "123456789012345"},
    };
    for (const auto& c : cas) EXPECT_EQ(c.obtenu, c.attendu);
}

}  // namespace
}  // namespace vek
