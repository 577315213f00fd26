// Tee-type flexure (F9, F6), the operations tees and double angles share, at
// the edges of each equation (the blocks, the sign of Mx, F9-4, the stem's
// class and shear are pinned through the classes in TeeTest and the golden
// reports; limits that class as non-compact through SingleAngleTest). Worked by
// hand with E = 29000 ksi; with Fy = 29000/256, sqrt(E/Fy) = 16 exactly.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

constexpr double kFy16 = 29000.0 / 256.0;

class TeeType : public CAiscDesignTeeType
{
public:
    int Calculate() override { return 1; }
    using CAiscDesignTeeType::GetMn_Compact_Flange;
    using CAiscDesignTeeType::GetMn_Compact_Minor;
    using CAiscDesignTeeType::GetMn_Compact_Web;
};

class TeeTypeFlexure : public ::testing::Test
{
protected:
    TeeType tee;
    ReportCapture report{tee};
};

TEST_F(TeeTypeFlexure, LocalBucklingOfFlangeStemAndMinorAxisAtTheirLimits)
{
    // Flange with the stem in tension, Fy 50, Zx 20 (Mp = 1000), Sxc 20, lambda_p 9, lambda_r 24:
    // F9-6 runs from Mp at lambda_p to 0.7 Fy Sxc = 700 at lambda_r, capped at 1.6 Fy Sx.
    const struct
    {
        double lambda, sx, mn;
    } flange[] = {
        {8, 15, 1000}, {9, 15, 1000}, {16.5, 15, 1000 - 300 * 7.5 / 15}, {16.5, 10, 1.6 * 50 * 10},
        {24, 15, 700}, {25, 15, 0.7 * 29000 * 20 / 625},  // F9-7
    };
    for (const auto& c : flange)
        EXPECT_NEAR(tee.GetMn_Compact_Flange({c.lambda, 9, 24}, {.Sx = c.sx, .Zx = 20}, 50, 20), c.mn, 1e-11)
            << c.lambda;

    // Stem in compression, Fy = 29000/256, Sx = 12: Mn (kip-in) = 12 Fcr. F9-10 at lambda_p = 0.84 * 16 is
    // (2.55 - 1.84 * 0.84) Fy, above Fy, and not capped.
    const struct
    {
        double lambda, fcr;
    } stem[] = {
        {13, kFy16}, {0.84 * 16, (2.55 - 1.84 * 0.84) * kFy16}, {1.03 * 16, (2.55 - 1.84 * 1.03) * kFy16},
        {17, 0.69 * 29000 / 289},  // F9-11
    };
    for (const auto& c : stem)
        EXPECT_NEAR(tee.GetMn_Compact_Web({c.lambda, 0.84 * 16, 1.03 * 16}, {.Sx = 12}, kFy16), 12 * c.fcr, 1e-11)
            << c.lambda;

    // Minor axis, Fy 50, Zy 10: F6-1 Mp = min(Fy Zy, 1.6 Fy Sy); F6-2 from Mp at lambda_p 9 to 0.7 Fy Sy at
    // lambda_r 24; F6-3 min(Fcr Sy, Mp) with Fcr = 30 beyond.
    const struct
    {
        double lambda, sy, mn;
    } minor[] = {
        {8, 5, 1.6 * 50 * 5}, {8, 8, 500}, {9, 8, 500}, {24, 8, 0.7 * 50 * 8}, {25, 8, 30 * 8},
    };
    for (const auto& c : minor)
        EXPECT_NEAR(tee.GetMn_Compact_Minor({c.lambda, 9, 24}, {.Sy = c.sy, .Zy = 10}, 50, 30), c.mn, 1e-11)
            << c.lambda;
}

} // namespace
