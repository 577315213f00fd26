// B1 moment amplification (A-8-3, A-8-5) and the stiffness reduction tau_b of
// the direct analysis method (C2-2a, C2-2b). Values worked by hand with
// pi = 3.14159265 and E = 29000 ksi.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

class MomentAmplification : public ::testing::Test
{
protected:
    MomentAmplification() : report(design) { design.SetMaterial(50.0); }
    TestDesign design;
    ReportCapture report;
};

TEST_F(MomentAmplification, StiffnessReductionFollowsTheAxialRatio)
{
    // Py = Fy A = 50 * 10 = 500 kips.
    EXPECT_EQ(design.GetTau_b(249.0, 10.0, 50.0), 1.0);   // C2-2a
    EXPECT_EQ(design.GetTau_b(250.0, 10.0, 50.0), 1.0);   // ratio 0.5 takes C2-2b: 4 * 0.5 * 0.5
    EXPECT_NE(report.Text().find("alpha_Pr_Py_greater_than_0.5.png"), std::string::npos);
    EXPECT_EQ(design.GetTau_b(375.0, 10.0, 50.0), 0.75);  // 4 * 0.75 * 0.25
    EXPECT_EQ(report.Text().find("Negative stiffness"), std::string::npos);
}

TEST_F(MomentAmplification, NegativeStiffnessReductionFallsBackToOneWithAWarning)
{
    // Pr / Py = 1.2: 4 * 1.2 * (1 - 1.2) = -0.96.
    EXPECT_EQ(design.GetTau_b(600.0, 10.0, 50.0), 1.0);
    EXPECT_NE(report.Text().find("<div class = \"equation-value\"> = -0.96 </div>"), std::string::npos);
    EXPECT_NE(report.Text().find("<div class=\"warning\">Warning: Negative stiffness reduction parameter encountered."
                                 "  Use 1.0 instead.</div>\n"),
              std::string::npos);
}

TEST_F(MomentAmplification, MultiplierIsNeverBelowOne)
{
    design.SetGeneralParameters(false, true);
    EXPECT_EQ(design.GetB1({.Cm = 0.6, .I = 100.0, .K = 1.0, .L = 240.0}, 1.0, 1.0), 1.0);
    EXPECT_EQ(design.GetB1({.Cm = 0.85, .I = 100.0, .K = 1.0, .L = 240.0}, 0.0, 1.0), 1.0);
    EXPECT_EQ(design.GetB1({.Cm = 1.3, .I = 100.0, .K = 1.0, .L = 240.0}, 0.0, 1.0), 1.3);
}

TEST_F(MomentAmplification, SwitchedOffLeavesMomentsMultipliersAndReportAlone)
{
    design.SetGeneralParameters(true, false);
    design.SetLoads(100.0, 50.0, 20.0, 1.0, 1.0, 0.0, 0.0);
    design.B1x = 1.7;
    double mrx = 50.0, mry = 20.0;
    design.ComputeMomentMagnification(mrx, mry, 10.0, 100.0, 100.0);
    EXPECT_EQ(mrx, 50.0);
    EXPECT_EQ(mry, 20.0);
    EXPECT_EQ(design.GetB1x(), 1.7);
    EXPECT_EQ(design.GetB1y(), 1.0);
    EXPECT_EQ(report.Text(), "");
}

TEST_F(MomentAmplification, EulerErrorOnOneAxisLeavesTheOtherAmplified)
{
    design.SetGeneralParameters(false, true);
    design.SetLoads(300.0, 10.0, 10.0, 1.0, 1.0, 0.0, 0.0);
    design.SetColumnSlenderness(1.0, 1.0, 240.0, 480.0);  // Pe1 x = 496.9, Pe1 y = 124.2 kips
    double mrx = 0, mry = 0;
    design.ComputeMomentMagnification(mrx, mry, 10.0, 100.0, 100.0);
    EXPECT_EQ(design.GetErrorCode(), 4);
    EXPECT_EQ(design.GetB1y(), 1.0);
    EXPECT_DOUBLE_EQ(design.GetB1x(), 1.0 / (1.0 - 300.0 / 496.90716489147));
    EXPECT_EQ(mry, 10.0);
    // About y: the error, B1 = 1.0 and no A-8-3.
    EXPECT_NE(report.Text().find("<div class=\"fail\">Error: Compressive stress exceeds Euler limit.  Moment "
                                 "magnification not considered.</div>\nB1 = 1.0<br/>\nMagnified Muy = Muy * B1 = 10 "
                                 "kip-ft<br/>\n"),
              std::string::npos);
}

} // namespace
