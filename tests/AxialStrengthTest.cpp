// Axial limit states of the base design object: slenderness, E3 and E7
// critical stresses, the governing mode and tensile yielding. Expected values
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

TEST_F(AxialStrength, ElasticBucklingStressUsesTheNineDigitPi)
{
    // KL/r = 1.0 * 200 / 2 = 100 about y governs; Fe = 3.14159265^2 * 29000 / 100^2.
    design.SetColumnSlenderness(1.0, 1.0, 200.0, 200.0);
    double klrX = 0, klrY = 0, fe = 0;
    design.GetColumnFe(klrX, klrY, fe);
    EXPECT_DOUBLE_EQ(klrX, 50.0);
    EXPECT_DOUBLE_EQ(klrY, 100.0);
    EXPECT_DOUBLE_EQ(fe, 28.621852697748672);
    // The full-precision pi would give 28.62185276..., different from the ninth digit on.
    EXPECT_NE(fe, M_PI * M_PI * 29000.0 / 10000.0);
    EXPECT_EQ(design.GetErrorCode(), 0);
}

TEST_F(AxialStrength, InelasticBucklingBelowTheSlendernessLimit)
{
    // KL/r = 100 < 4.71 sqrt(29000/50) = 113.43: E3-2, Fcr = 0.658^(50/Fe) * 50.
    const double fe = 28.621852697748672;
    EXPECT_DOUBLE_EQ(design.GetColumnFcr(fe, 100.0), 24.06720927654558);
    EXPECT_NE(report.Text().find("KL_r_less_than_4.71_sqrt_E_Fy.png"), std::string::npos);
    EXPECT_NE(report.Text().find("Eq.E3-2.png"), std::string::npos);
}

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

TEST_F(AxialStrength, ZeroLengthsGiveTheYieldStressAndTheSquashLoad)
{
    design.SetColumnSlenderness(1.0, 1.0, 0.0, 0.0);
    double klr = -1;
    const double fcr = design.GetFlexuralBucklingFcr(1.0, L"Q = Qa", klr);
    EXPECT_EQ(klr, 0.0);
    EXPECT_EQ(fcr, 50.0);
    const double pn = design.GetPn(design.GetPn_FlexuralBuckling(fcr, 10.0), 50.0 * 10.0);
    EXPECT_EQ(pn, 500.0);
    EXPECT_NE(report.Text().find("Flexural Buckling Controls:  Pn = 500 kips<br/>\n"), std::string::npos);
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
    double klr = 0;
    design.GetFlexuralBucklingFcr(std::nextafter(1.0, 0.0), L"Q = Qa", klr);
    EXPECT_NE(report.Text().find("Q = Qa = 1 <br/>\n"), std::string::npos);
    EXPECT_NE(report.Text().find("4.71_sqrt_E_QFy.png"), std::string::npos);

    report.Clear();
    design.GetFlexuralBucklingFcr(1.0, L"Q = Qa", klr);
    EXPECT_EQ(report.Text().find("Q = Qa"), std::string::npos);
    EXPECT_NE(report.Text().find("4.71_sqrt_E_Fy.png"), std::string::npos);
}

TEST_F(AxialStrength, SlendernessStepsPrintInOrder)
{
    design.SetColumnSlenderness(1.0, 1.0, 120.0, 120.0);
    double klrX, klrY, fe;
    design.GetColumnFe(klrX, klrY, fe);
    const std::string text = report.Text();
    const size_t x = text.find("kx_lx_rx.png"), y = text.find("ky_ly_ry.png"), m = text.find("KL_r_max.png"),
                 e = text.find("Eq.E3-4.png");
    ASSERT_NE(e, std::string::npos);
    EXPECT_LT(x, y);
    EXPECT_LT(y, m);
    EXPECT_LT(m, e);
    // KL/r x = 120 / 4 = 30, y = 120 / 2 = 60 governs: Fe = pi^2 29000 / 60^2 = 79.5051 ksi.
    EXPECT_NE(text.find("kx_lx_rx.png\" align=\"middle\">\n<div class = \"equation-value\"> = 30 </div>"),
              std::string::npos);
    EXPECT_NE(text.find("KL_r_max.png\" align=\"middle\">\n<div class = \"equation-value\"> = 60 </div>"),
              std::string::npos);
    EXPECT_NE(text.find("<div class = \"equation-value\"> = 79.5051 ksi</div><br/>\n"), std::string::npos);
}

TEST_F(AxialStrength, TensileYieldingOnTheGrossArea)
{
    EXPECT_EQ(design.GetPn_Tension(50.0, 10.0), 500.0);
    EXPECT_EQ(report.Text(),
              "<img src=\"Images\\Eq.D2-1.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 500 kips</div><br/>\n");
}

} // namespace
