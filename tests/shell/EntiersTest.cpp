// Computed values made integers: nothing for what the type cannot hold.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "shell/Entiers.h"

namespace vek {
namespace {

TEST(Entiers, BornesDesTypes) {
    const double infini = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    const double deux63 = 9223372036854775808.0;  // 2^63
    struct Cas {
        double valeur;
        std::optional<std::int64_t> tronque16, tronque32, tronque64, arrondi16, arrondi64;
    } cas[] = {
        {0.0, 0, 0, 0, 0, 0},
        {-0.4, 0, 0, 0, 0, 0},
        {2.5, 2, 2, 2, 2, 2},  // halves to even
        {3.5, 3, 3, 3, 4, 4},
        {-2.7, -2, -2, -2, -3, -3},
        {32767.4, 32767, 32767, 32767, 32767, 32767},
        {32767.6, 32767, 32767, 32767, std::nullopt, 32768},
        {32768.0, std::nullopt, 32768, 32768, std::nullopt, 32768},
        {-32768.9, -32768, -32768, -32768, std::nullopt, -32769},
        {-32769.0, std::nullopt, -32769, -32769, std::nullopt, -32769},
        {2147483647.9, std::nullopt, 2147483647, 2147483647, std::nullopt, 2147483648},
        {2147483648.0, std::nullopt, std::nullopt, 2147483648, std::nullopt, 2147483648},
        {-2147483648.0, std::nullopt, -2147483647 - 1, -2147483647 - 1, std::nullopt,
         -2147483647 - 1},
        {-deux63, std::nullopt, std::nullopt, std::numeric_limits<std::int64_t>::min(),
         std::nullopt, std::numeric_limits<std::int64_t>::min()},
        {deux63, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {-4.4e29, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {infini, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {-infini, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {nan, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    auto large = [](auto o) -> std::optional<std::int64_t> {
        if (!o) return std::nullopt;
        return static_cast<std::int64_t>(*o);
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(large(EntierTronque<std::int16_t>(c.valeur)), c.tronque16) << c.valeur;
        EXPECT_EQ(large(EntierTronque<std::int32_t>(c.valeur)), c.tronque32) << c.valeur;
        EXPECT_EQ(EntierTronque<std::int64_t>(c.valeur), c.tronque64) << c.valeur;
        EXPECT_EQ(large(EntierArrondi<std::int16_t>(c.valeur)), c.arrondi16) << c.valeur;
        EXPECT_EQ(EntierArrondi<std::int64_t>(c.valeur), c.arrondi64) << c.valeur;
    }
    // An unsigned type holds nothing below 0, and up to 2^64 excluded.
    EXPECT_EQ(EntierTronque<std::uint64_t>(-0.5), 0u);
    EXPECT_EQ(EntierTronque<std::uint64_t>(-1.0), std::nullopt);
    EXPECT_EQ(EntierTronque<std::uint64_t>(deux63), 9223372036854775808u);
    EXPECT_EQ(EntierTronque<std::uint64_t>(2 * deux63), std::nullopt);
}

}  // namespace
}  // namespace vek
