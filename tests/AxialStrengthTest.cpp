// Axial limit states of the base design object: slenderness, E3 and E7
// critical stresses and the governing mode. Expected values
// are worked by hand from AISC 360-10 with pi = 3.14159265 and E = 29000 ksi.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

class AxialStrength : public ::testing::Test
{
protected:
    AxialStrength() : report(design)
    {
        design.SetMaterial(50.0);
        design.Section.A = 10.0;
        design.Section.rx = 4.0;
        design.Section.ry = 2.0;
    }
    TestDesign design;
    ReportCapture report;
};

TEST_F(AxialStrength, SlendernessExactlyAtTheLimitStaysInelastic)
{
    const double limit = 4.71 * std::sqrt(29000.0 / 50.0);
    const double fe = 3.14159265 * 3.14159265 * 29000.0 / (limit * limit);
    EXPECT_DOUBLE_EQ(design.GetColumnFcr(fe, limit), 19.51609132366475);  // E3-2
    EXPECT_EQ(report.Text().find("Eq.E3-3.png"), std::string::npos);

    report.Clear();
    const double above = std::nextafter(limit, 1e9);
    EXPECT_DOUBLE_EQ(design.GetColumnFcr(fe, above), 0.877 * fe);  // E3-3
    EXPECT_NE(report.Text().find("KL_r_greater_than_4.71_sqrt_E_Fy.png"), std::string::npos);
}

TEST_F(AxialStrength, SlenderPathBranchesOnTheReducedLimit)
{
    // Q = 0.9: limit 4.71 sqrt(29000 / 45) = 119.568. KL/r = 115 lies between
    // the E3 and the E7 limits, so E7-2 applies: Fcr = 0.9 * 0.658^(0.9*50/Fe) * 50.
    const double fe = 3.14159265 * 3.14159265 * 29000.0 / (115.0 * 115.0);  // 21.6422 ksi
    const double fcr = design.GetColumnFcr_Slender(fe, 115.0, 0.9);
    EXPECT_NEAR(fcr, 18.847573537672154, 1e-12);
    EXPECT_NE(report.Text().find("Eq.E7-2.png"), std::string::npos);

    report.Clear();
    EXPECT_DOUBLE_EQ(design.GetColumnFcr_Slender(fe, 119.6, 0.9), 0.877 * fe);  // E7-3
    EXPECT_NE(report.Text().find("KL_r_greater_than_4.71_sqrt_E_QFy.png"), std::string::npos);
}

TEST_F(AxialStrength, SlendernessOfExactly200IsAcceptedAndAboveIsFlagged)
{
    EXPECT_TRUE(design.CheckKL_R(200.0, 200.0));
    EXPECT_EQ(design.GetErrorCode(), 0);
    EXPECT_EQ(report.Text(), "");

    EXPECT_FALSE(design.CheckKL_R(150.0, 200.0000001));
    EXPECT_EQ(design.GetErrorCode(), 2);
    EXPECT_EQ(report.Text(), "<div class=\"warning\">Warning: Column too slender</div>\n");
}

TEST_F(AxialStrength, GoverningModeTieGoesToFlexuralBuckling)
{
    EXPECT_EQ(design.GetPn(300.0, 300.0), 300.0);
    EXPECT_EQ(report.Text(), "Flexural Buckling Controls:  Pn = 300 kips<br/>\n");
    report.Clear();
    EXPECT_EQ(design.GetPn(300.0, 299.0), 299.0);
    EXPECT_EQ(report.Text(), "Flexural-Torsonal Buckling Controls:  Pn = 299 kips<br/>\n");
}

TEST_F(AxialStrength, QJustBelowOneTakesTheSlenderPathAndPrintsQ)
{
    design.SetColumnSlenderness(1.0, 1.0, 100.0, 100.0);
    design.GetFlexuralBucklingFcr(std::nextafter(1.0, 0.0), L"Q = Qa");
    EXPECT_NE(report.Text().find("Q = Qa = 1 <br/>\n"), std::string::npos);
    EXPECT_NE(report.Text().find("4.71_sqrt_E_QFy.png"), std::string::npos);

    report.Clear();
    design.GetFlexuralBucklingFcr(1.0, L"Q = Qa");
    EXPECT_EQ(report.Text().find("Q = Qa"), std::string::npos);
    EXPECT_NE(report.Text().find("4.71_sqrt_E_Fy.png"), std::string::npos);
}

} // namespace
