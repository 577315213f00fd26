// Single angles: E7 leg factor, F10 about the principal axes with the beta_w
// table, leg shear. Values worked by hand with E = 29000 ksi; Fy = 29000/256
// makes sqrt(E/Fy) = 16 exactly, which puts b/t exactly on a limit. Flexural
// buckling about z with E7-11, B1 about w and z and H1-1a on the principal
// moments are the golden report's (L5X3X5/16) and the departures' (L4X4X1/4).
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

constexpr double kFy16 = 29000.0 / 256.0;

class Angle : public CAiscDesignL
{
public:
    using CAiscDesignL::GetBetaw;
    using CAiscDesignL::GetLegCompactLimits;
    using CAiscDesignL::GetMn_Compact;
    using CAiscDesignL::GetMn_LateralTorsional;
    using CAiscDesignL::GetQs_Unstiffened;
    using CAiscDesignL::Section;
};

class SingleAngle : public ::testing::Test
{
protected:
    Angle angle;
    ReportCapture report{angle};
};

TEST_F(SingleAngle, UnamplifiedMomentsAreResolvedAndTheirSignsChooseSc)
{
    // L6X4X1/2, Fy 70, Lb = 0 (F10-5 is not a number: the cap 1.5 My). b/t = 12 is a noncompact leg
    // (10.99 < 12 < 18.52): F10-7 Mn = 70 Sc leg, leg = 2.43 - 1.72 * 12 sqrt(70/E) = 1.41595.
    // w: My = 70 * SwC 5.04, 1.5 My = 529.2 kip-in; the leg with SwA 7.14 (Muw > 0) 707.7, SwC 499.5.
    // z: My = 70 * SzA 1.72, 1.5 My = 180.6 kip-in; the leg with min(SzA, SzC) 1.72 (Muz > 0) 170.5,
    // SzB 2.08 206.2.
    const double leg = 2.43 - 1.72 * 12 * std::sqrt(70 / 29000.0);
    const double sinA = 0.44 / std::sqrt(1 + 0.44 * 0.44);
    const double cosA = 1 / std::sqrt(1 + 0.44 * 0.44);
    struct Case
    {
        double pu;
        bool considerB1;
        double muy;  // Mux = 0: Muw = Muy sin a, Muz = Muy cos a
        double mnw, mnz;
    };
    const Case cases[] = {
        {-10, true, 10, 1.5 * 70 * 5.04, 70 * 1.72 * leg},
        {-10, true, -10, 70 * 5.04 * leg, 1.5 * 70 * 1.72},
        {10, false, -10, 70 * 5.04 * leg, 1.5 * 70 * 1.72},
    };
    ASSERT_EQ(angle.SetSection(L"L6X4X1/2"), 6);
    angle.SetMaterial(70);
    for (const Case& c : cases) {
        angle.SetGeneralParameters(true, c.considerB1);
        angle.SetLoads(c.pu, 0, c.muy, 0.85, 0.85, 10, 10);
        report.Clear();
        angle.Calculate();
        EXPECT_NEAR(angle.GetPhiMnx(), 0.9 * c.mnw / 12, 1e-12) << c.muy;
        EXPECT_NEAR(angle.GetPhiMny(), 0.9 * c.mnz / 12, 1e-12) << c.muy;
        // Pr/Pc <= 0.2: H1-1b with the principal moments, never Mux and Muy.
        EXPECT_NEAR(angle.GetInteractionRatio(),
                    10 / (2 * angle.GetPhiPn()) + 10 * sinA / (0.9 * c.mnw / 12) + 10 * cosA / (0.9 * c.mnz / 12),
                    1e-12);
        EXPECT_EQ(report.Text().find("Moment Magnification"), std::string::npos);
    }
    // Shear on the long leg 6 x 1/2 about w and the short leg 4 x 1/2 about z, Cv = 1 (b/t 12 < 24.5).
    EXPECT_NEAR(angle.GetPhiVnx(), 0.9 * 0.6 * 70 * 3.0, 1e-12);
    EXPECT_NEAR(angle.GetPhiVny(), 0.9 * 0.6 * 70 * 2.0, 1e-12);
}

TEST_F(SingleAngle, LateralTorsionalBucklingInEveryBranch)
{
    angle.Section.Iz = 3.54;  // those of L6X4X1/2
    angle.Section.rz = 0.864;
    const double my = 63.36;
    const double me72 = 0.46 * 29000 * 16 * 0.0625 / 72;  // F10-4, equal legs 4 x 1/4, Cb = 1
    const double me240 = 0.46 * 29000 * 16 * 0.0625 / 240;
    const double f105 = 4.9 * 29000 * 3.54 / (120.0 * 120.0);  // F10-5 factor, Lb = 120, Cb = 1; Lb t / rz = 60 / 0.864
    const double me64 = f105 * (std::sqrt(3.14 * 3.14 + 0.052 * (60 / 0.864) * (60 / 0.864)) - 3.14);
    const double me94 = f105 * std::sqrt(0.052) * (60 / 0.864);  // legs not in the table: beta_w = 0
    struct Case
    {
        double b, d, t, lb, my;
        double mn;  // kip-in
    } cases[] = {
        {4, 4, 0.25, 72, my, (1.92 - 1.17 * std::sqrt(my / me72)) * my},      // Me > My: F10-3
        {4, 4, 0.25, 240, my, (0.92 - 0.17 * me240 / my) * me240},            // Me 55.6 <= My: F10-2
        {4, 4, 0.25, 6, my, 1.5 * my},                                        // F10-3 above its 1.5 My cap
        {4, 4, 0.25, 0, my, 1.5 * my},                                        // Me infinite
        {6, 4, 0.5, 120, 181.44, (1.92 - 1.17 * std::sqrt(181.44 / me64)) * 181.44},  // beta_w = -3.14
        {6, 4, 0.5, 0, 181.44, 1.5 * 181.44},                                 // Me not a number
        {9, 4, 0.5, 120, 181.44, (1.92 - 1.17 * std::sqrt(181.44 / me94)) * 181.44},
    };
    for (const Case& c : cases) {
        mvSect_AISC legs = angle.Section;
        legs.b = c.b;
        legs.d = c.d;
        legs.t = c.t;
        EXPECT_NEAR(angle.GetMn_LateralTorsional(legs, 1.0, c.lb, c.my), c.mn, 1e-11)
            << c.b << "x" << c.d << " Lb " << c.lb;
    }
}

TEST_F(SingleAngle, BetawComesFromTheTableOrIsZero)
{
    EXPECT_EQ(angle.GetBetaw(8, 6), 3.31);
    EXPECT_EQ(angle.GetBetaw(2.5, 1.5), 1.49);
    EXPECT_EQ(angle.GetBetaw(4, 3.5), 0.87);
    EXPECT_EQ(angle.GetBetaw(6 + 4e-7, 4), 3.14);  // within the leg tolerance 5e-7
    EXPECT_EQ(angle.GetBetaw(6, 6), 0.0);
    EXPECT_EQ(angle.GetBetaw(9, 4), 0.0);
}

TEST_F(SingleAngle, LegFactorAndLegBucklingAtTheirLimits)
{
    angle.SetMaterial(kFy16);
    // E7: 0.45 * 16 = 7.2 and 0.91 * 16 = 14.56; sqrt(Fy/E) = 1/16. The upper limit takes E7-12.
    EXPECT_EQ(angle.GetQs_Unstiffened(0.45 * 16, 1, 29000, kFy16), 1.0);
    EXPECT_NEAR(angle.GetQs_Unstiffened(10, 1, 29000, kFy16), 1.34 - 0.76 * 10 / 16, 1e-15);
    EXPECT_NEAR(angle.GetQs_Unstiffened(0.91 * 16, 1, 29000, kFy16), 0.53 * 256 / (14.56 * 14.56), 1e-15);
    EXPECT_NE(report.Text().find("b_t_greater_than_0.91_sqrt_E_Fy.png\"><br/>\n<img src=\"Images\\Eq.E7-12.png\""),
              std::string::npos);

    // F10: lambda_p = 0.54 * 16 = 8.64 and lambda_r = 14.56 are both noncompact (F10-7); Sc = 2 in^3.
    struct Case
    {
        double bt;
        const char* line;
        double mn;  // kip-in
    } cases[] = {
        {8, "Leg is compact", 99},  // the yielding strength passed in
        {0.54 * 16, "Leg is non-compact", kFy16 * 2 * (2.43 - 1.72 * 8.64 / 16)},
        {0.91 * 16, "Leg is non-compact", kFy16 * 2 * (2.43 - 1.72 * 14.56 / 16)},
        {15, "Leg is slender", 0.71 * 29000 / 225 * 2},  // F10-9 Fcr, F10-8
    };
    for (const Case& c : cases) {
        report.Clear();
        const auto leg = angle.GetLegCompactLimits(L"Long leg local compactness:", c.bt, 1, kFy16);
        EXPECT_NE(report.Text().find(std::string(c.line) + "<br/>"), std::string::npos) << c.bt;
        EXPECT_NEAR(angle.GetMn_Compact(leg, kFy16, 2, 99), c.mn, 1e-11) << c.bt;
    }
}

TEST_F(SingleAngle, SlendernessAbove200WarnsAndTheReportGoesOn)
{
    ASSERT_EQ(angle.SetSection(L"L4X4X1/4"), 6);
    angle.SetMaterial(36);
    angle.SetLoads(1, 0, 0, 1, 1, 0, 0);
    angle.SetColumnSlenderness(1.0, 1.0, 201 * 0.783, 0);  // Kx Lx / rz = 201
    angle.Calculate();
    EXPECT_EQ(angle.GetErrorCode(), 2);
    const std::string text = report.Text();
    EXPECT_NE(text.find("<div class=\"warning\">Warning: Column too slender</div>"), std::string::npos);
    EXPECT_NE(text.find("Shear Strength (Minor Axis): OK"), std::string::npos);
}

} // namespace
