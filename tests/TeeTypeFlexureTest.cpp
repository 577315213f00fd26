// Tee-type flexure and stem shear (F9, F6, G2 with kv = 1.2), the operations
// tees and double angles share, at the edges of each equation. Worked by hand
// with pi = 3.14159265, E = 29000 ksi, G = 11200 ksi; with Fy = 29000/256,
// sqrt(E/Fy) = 16 exactly. Moments in kip-in are divided by 12 on return.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

constexpr double kFy16 = 29000.0 / 256.0;

class TeeType : public CAiscDesignTeeType
{
public:
    int Calculate() override { return 1; }
    using CAiscDesignTeeType::ElementLimits;
    using CAiscDesignTeeType::GetCv_Major;
    using CAiscDesignTeeType::GetMn_Compact_Flange;
    using CAiscDesignTeeType::GetMn_Compact_Minor;
    using CAiscDesignTeeType::GetMn_Compact_Web;
    using CAiscDesignTeeType::GetMn_LateralTorsional;
    using CAiscDesignTeeType::GetMn_Major;
    using CAiscDesignTeeType::GetMn_Minor;
    using CAiscDesignTeeType::GetMn_Yielding;
    using CAiscDesignTeeType::GetWebCompactLimits;
    using CAiscDesignTeeType::TeeSection;
};

class TeeTypeFlexure : public ::testing::Test
{
protected:
    TeeType tee;
    ReportCapture report{tee};
};

// F9-4 with d = 10, Lb = 100, Iy = 4, J = 1: B = +-2.3 (10/100) sqrt(4) = +-0.46.
double Mcr(double b) { return 3.14159265 * std::sqrt(29000.0 * 4 * 11200 * 1) / 100 * (b + std::sqrt(1 + b * b)); }

TEST_F(TeeTypeFlexure, StemCompactnessLimits)
{
    // 0.84 * 16 = 13.44 and 1.03 * 16 = 16.48; the limits themselves are noncompact.
    const struct
    {
        double d;
        const char* line;
    } cases[] = {{13, "Web is compact"}, {0.84 * 16, "Web is non-compact"}, {1.03 * 16, "Web is non-compact"},
                 {17, "Web is slender"}};
    for (const auto& c : cases) {
        report.Clear();
        double lambda, lambdaP, lambdaR;
        tee.GetWebCompactLimits(lambda, lambdaP, lambdaR, 1, c.d, kFy16);
        EXPECT_NE(report.Text().find(std::string(c.line) + "<br/>"), std::string::npos) << c.d;
    }
}

TEST_F(TeeTypeFlexure, YieldingAndLateralTorsionalBucklingFollowTheSignOfMx)
{
    // Fy 50. Stem in tension (Mx >= 0, zero included): min(Mp, 1.6 My); in compression min(Mp, My).
    EXPECT_DOUBLE_EQ(tee.GetMn_Yielding(0, 50, 20, 10), 1.6 * 50 * 10 / 12);
    EXPECT_DOUBLE_EQ(tee.GetMn_Yielding(1, 50, 20, 15), 50 * 20 / 12.0);
    EXPECT_DOUBLE_EQ(tee.GetMn_Yielding(-1, 50, 20, 15), 50 * 15 / 12.0);
    EXPECT_NE(report.Text().find("Stem in compression<br/>\n<img src=\"Images\\Eq.F9-3.png\""), std::string::npos);
    // B positive for Mx = 0, negative for Mx < 0.
    EXPECT_NEAR(tee.GetMn_LateralTorsional(0, 10, 100, 4, 1, 29000, 11200), Mcr(0.46) / 12, 1e-10);
    EXPECT_NEAR(tee.GetMn_LateralTorsional(-1, 10, 100, 4, 1, 29000, 11200), Mcr(-0.46) / 12, 1e-10);
}

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
        EXPECT_NEAR(tee.GetMn_Compact_Flange(c.lambda, 9, 24, 50, 20, c.sx, 20), c.mn / 12, 1e-12) << c.lambda;

    // Stem in compression, Fy = 29000/256, Sx = 12: Mn (kip-ft) = Fcr. F9-10 at lambda_p = 0.84 * 16 is
    // (2.55 - 1.84 * 0.84) Fy, above Fy, and not capped.
    const struct
    {
        double lambda, fcr;
    } stem[] = {
        {13, kFy16}, {0.84 * 16, (2.55 - 1.84 * 0.84) * kFy16}, {1.03 * 16, (2.55 - 1.84 * 1.03) * kFy16},
        {17, 0.69 * 29000 / 289},  // F9-11
    };
    for (const auto& c : stem)
        EXPECT_NEAR(tee.GetMn_Compact_Web(c.lambda, 0.84 * 16, 1.03 * 16, kFy16, 12), c.fcr, 1e-12) << c.lambda;

    // Minor axis, Fy 50, Zy 10: F6-1 Mp = min(Fy Zy, 1.6 Fy Sy); F6-2 from Mp at lambda_p 9 to 0.7 Fy Sy at
    // lambda_r 24; F6-3 min(Fcr Sy, Mp) with Fcr = 30 beyond.
    const struct
    {
        double lambda, sy, mn;
    } minor[] = {
        {8, 5, 1.6 * 50 * 5}, {8, 8, 500}, {9, 8, 500}, {24, 8, 0.7 * 50 * 8}, {25, 8, 30 * 8},
    };
    for (const auto& c : minor)
        EXPECT_NEAR(tee.GetMn_Compact_Minor(c.lambda, 9, 24, 50, 10, c.sy, 30), c.mn / 12, 1e-12) << c.lambda;
}

TEST_F(TeeTypeFlexure, StemShearUsesKvOfOnePointTwo)
{
    // 1.2 E / Fy = 256: G2-4 between 1.10 * 16 = 17.6 and 1.37 * 16 = 21.92; h/tw = 20 gives 17.6 / 20.
    EXPECT_NEAR(tee.GetCv_Major(20, 1, 1.2 * 29000 / 256), 0.88, 1e-15);
    EXPECT_NE(report.Text().find("kv_equal_1.2.png\"><br/>\n<img src=\"Images\\h_tw.png\""), std::string::npos);
}

TEST_F(TeeTypeFlexure, MajorAndMinorAxisBlocks)
{
    // Fy 50: stem d/tw = 10 compact (< 0.84 sqrt(E/Fy) = 20.2); flange lambda 5 below its lambda_p 9.
    tee.SetMaterial(50);
    const TeeType::TeeSection section{.d = 10, .tw = 1, .Ix = 100, .Sx = 15, .Zx = 30, .y = 2,
                                      .Iy = 4, .Sy = 8, .Zy = 10, .J = 1};
    int flangeAsked = 0;
    const auto compactFlange = [&] {
        ++flangeAsked;
        return TeeType::ElementLimits{5, 9, 24};
    };
    TeeType::ElementLimits flange{};
    // Stem in tension (Mx = 0), Lb = 0: no lateral-torsional buckling; Zx > 1.6 Sx, so 1.6 Fy Sx governs Mp.
    EXPECT_DOUBLE_EQ(tee.GetMn_Major(0, section, compactFlange, flange), 1.6 * 50 * 15 / 12);
    EXPECT_EQ(flangeAsked, 1);
    EXPECT_EQ(flange.lambdaR, 24);
    std::string text = report.Text();
    EXPECT_EQ(text.find("Lateral-Torsional"), std::string::npos);
    EXPECT_NE(text.find("Mnx to account for Flange Local Buckling (stem in tension)<br/>\n"
                        "<img src=\"Images\\Sxc_equal_Ix_y.png\" align=\"middle\">\n"
                        "<div class = \"equation-value\"> = 50 in^3</div>"),
              std::string::npos);
    // Stem in compression, Lb = 100: F9-4 with B = -0.46 (725.5 kip-in) governs Fy Sx = 750 (F9-3, F9-9).
    tee.SetLateralTorsionalProperty(1.0, 100);
    report.Clear();
    EXPECT_NEAR(tee.GetMn_Major(-1, section, compactFlange, flange), Mcr(-0.46) / 12, 1e-10);
    text = report.Text();
    EXPECT_NE(text.find("Mnx to account for Lateral-Torsional Buckling"), std::string::npos);
    EXPECT_NE(text.find("Mnx to account for Tee Stem Local Buckling (stem in compression)"), std::string::npos);

    // Minor axis: F6-4 is asked for only beyond lambda_r (Mp = 500; F6-3 with Fcr 40: 320).
    int fcrAsked = 0;
    const auto fcrMinor = [&] {
        ++fcrAsked;
        return 40.0;
    };
    EXPECT_DOUBLE_EQ(tee.GetMn_Minor(section, {24, 9, 24}, fcrMinor), 0.7 * 50 * 8 / 12);
    EXPECT_EQ(fcrAsked, 0);
    EXPECT_DOUBLE_EQ(tee.GetMn_Minor(section, {25, 9, 24}, fcrMinor), 40.0 * 8 / 12);
    EXPECT_EQ(fcrAsked, 1);
}

} // namespace
