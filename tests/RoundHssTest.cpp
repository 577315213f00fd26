// Round HSS and pipes: E7-19 wall reduction, F8 flexure, G6 shear. Catalogue
// sections checked against strengths worked by hand from AISC 360-10 (pi =
// 3.14159265, E = 29000 ksi); each case names the branch it exercises. Pipe26STD
// at Fy 50 (E7-19, F8-2, G6-2b capped at 0.6 Fy) is a golden report.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

class RoundHss : public CAiscDesignRoundHss
{
public:
    using CAiscDesignRoundHss::GetMn_LocalBuckling_Flange;
    using CAiscDesignRoundHss::GetQa_Stiffened;
    using CAiscDesignRoundHss::Section;
};

class RoundHssCheck : public ::testing::Test
{
protected:
    // A column of length 120 in (K = 1) under a light axial load.
    void Check(const wchar_t* name, double fy, double length = 120.0)
    {
        ASSERT_NE(member.SetSection(name), -1);
        member.SetMaterial(fy);
        member.SetColumnSlenderness(1.0, 1.0, length, length);
        member.SetLoads(10.0, 5.0, 5.0, 1.0, 1.0, 5.0, 5.0);
        member.Calculate();
    }
    RoundHss member;
};

TEST_F(RoundHssCheck, SlenderWallInFlexureUsesLocalBucklingStress)
{
    // Pipe26STD, Fy 130: D/t 74.5 > 0.31 E/Fy = 69.15: F8-4 Fcr = 0.33 E / 74.5 = 128.46 ksi,
    // F8-3 Mn = 128.46 * 178 / 12 = 1905.4 kip-ft, below Mp = 130 * 230 / 12 = 2491.7.
    // Shear below the cap: Fcr = 0.78 E / 74.5^1.5 = 35.177 ksi < 78.
    Check(L"Pipe26STD", 130.0, 240.0);
    EXPECT_NEAR(member.GetPhiMnx(), 1714.8926174496644, 1e-9);
    EXPECT_NEAR(member.GetPhiVnx(), 446.39550577948586, 1e-9);
    EXPECT_NEAR(member.GetPhiPn(), 2320.9430535692977, 1e-8);
    EXPECT_EQ(member.GetErrorCode(), 0);
}

TEST_F(RoundHssCheck, WallBeyondTheE7RangeIsStillDesignedAndFlagged)
{
    // Pipe26STD, Fy 200: D/t 74.5 > 0.45 E/Fy = 65.25: warning, error code 3, Qa by E7-19 = 0.74063.
    ReportCapture report(member);
    Check(L"Pipe26STD", 200.0, 240.0);
    EXPECT_EQ(member.GetErrorCode(), 3);
    EXPECT_NEAR(member.GetPhiPn(), 3230.3774682734106, 1e-8);
    EXPECT_NE(report.Text().find("<div class=\"warning\">Warning: Section too slender</div>"), std::string::npos);
    EXPECT_NE(report.Text().find("D_t_greater_than_0.45_E_Fy.png"), std::string::npos);
    // Then KL/r = 2000 / 9.07 = 220.5 > 200 in the same run raises error 2, and the run ends with 2.
    Check(L"Pipe26STD", 200.0, 2000.0);
    EXPECT_EQ(member.GetErrorCode(), 2);

    // The flag belongs to compression: a fresh member in tension is not flagged.
    RoundHss tension;
    tension.SetSection(L"Pipe26STD");
    tension.SetMaterial(200.0);
    tension.SetLoads(-10.0, 0, 0, 1, 1, 0, 0);
    tension.Calculate();
    EXPECT_EQ(tension.GetErrorCode(), 0);
}

TEST_F(RoundHssCheck, WallLimitsAreInclusiveWhereWritten)
{
    member.SetMaterial(50.0);
    ReportCapture report(member);
    // D/t exactly 0.11 E/Fy: not slender, Qa = 1.
    member.Section.D_t = 0.11 * 29000.0 / 50.0;
    EXPECT_EQ(member.GetQa_Stiffened(29000.0, 50.0), 1.0);
    // D/t exactly 0.45 E/Fy: slender, but no warning and no error code.
    report.Clear();
    member.Section.D_t = 0.45 * 29000.0 / 50.0;
    const double qa = member.GetQa_Stiffened(29000.0, 50.0);
    EXPECT_DOUBLE_EQ(qa, 0.038 / 0.45 + 2.0 / 3.0);
    EXPECT_EQ(member.GetErrorCode(), 0);
    EXPECT_NE(report.Text().find("The section is slender<br/>"), std::string::npos);
    EXPECT_EQ(report.Text().find("warning"), std::string::npos);
}

TEST_F(RoundHssCheck, FlexuralLimitsAreInclusiveAndEquallyUsedAboutBothAxes)
{
    member.SetMaterial(42.0);
    const double lambdaP = 0.07 * 29000.0 / 42.0, lambdaR = 0.31 * 29000.0 / 42.0;
    ReportCapture report(member);
    mvSect_AISC pipe{.D_t = lambdaP, .Zx = 10.0, .Sx = 8.0, .Zy = 10.0, .Sy = 8.0};
    // D/t exactly lambda_p: compact, Mn = Mp = 42 * 10 = 420 kip-in.
    EXPECT_DOUBLE_EQ(member.GetMn_LocalBuckling_Flange(pipe, {lambdaP, lambdaR}, true), 420.0);
    EXPECT_NE(report.Text().find("The section is compact"), std::string::npos);
    // D/t exactly lambda_r: noncompact F8-2 = (0.021 E / lambda_r + Fy) S = (0.021/0.31 Fy + Fy) S.
    report.Clear();
    pipe.D_t = lambdaR;
    const double mn = member.GetMn_LocalBuckling_Flange(pipe, {lambdaP, lambdaR}, false);
    EXPECT_DOUBLE_EQ(mn, (0.021 * 42.0 / 0.31 + 42.0) * 8.0);
    EXPECT_NE(report.Text().find("S = Sy = 8 in^3<br/>"), std::string::npos);
    EXPECT_NE(report.Text().find("Eq.F8-2.png"), std::string::npos);
}

} // namespace
