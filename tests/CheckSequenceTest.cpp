// The check sequence every shape runs, driven here by a stand-in shape whose
// limit states return fixed strengths, so that the frame's own arithmetic and
// branching are what is tested.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

// Nominal strengths: Pn 400 kips (flexural) or 500 (second mode), Mn 1200 and
// 600 kip-in (100 and 50 kip-ft), Vn 100 and 80 kips.
class StandInShape : public TestDesign
{
public:
    StandInShape()
    {
        SetMaterial(50.0);
        Section.A = 10.0;
        Section.Ix = 100.0;
        Section.Iy = 50.0;
        SetGeneralParameters(true, false);
    }

    int Calculate() override
    {
        return RunCheckSequence({
            .compression = [] { return CompressionStep{400.0, 500.0}; },
            .majorFlexure = [this](double mrx) { seenMrx = mrx; return 1200.0; },
            .minorFlexure = [this](double mry) { seenMry = mry; return 600.0; },
            .majorShear = [this] { return ShearStep{100.0, GetPhiv(0, 0, 0)}; },
            .minorShear = [] { return 80.0; },
            .magnificationIx = Section.Ix,
            .magnificationIy = Section.Iy,
        });
    }

    double seenMrx = 0;
    double seenMry = 0;
};

class CheckSequence : public ::testing::Test
{
protected:
    StandInShape shape;
};

TEST_F(CheckSequence, AxialRatioOfExactlyPointTwoUsesH11b)
{
    shape.SetLoads(72.0, 45.0, 9.0, 1.0, 1.0, 0.0, 0.0);  // 72 / 360 = 0.2
    ReportCapture report(shape);
    shape.Calculate();
    EXPECT_DOUBLE_EQ(shape.GetInteractionRatio(), 72.0 / 720.0 + 0.5 + 0.2);
    EXPECT_NE(report.Text().find("Pr_Pc_less_than_0.2.png"), std::string::npos);
    EXPECT_NE(report.Text().find("Eq.H1-1b.png"), std::string::npos);
}

TEST_F(CheckSequence, ZeroAxialForceIsCompressionWithoutAxialTerm)
{
    shape.SetGeneralParameters(false, true);
    shape.SetLoads(0.0, 45.0, -9.0, 1.0, 1.0, 0.0, 0.0);
    shape.Calculate();
    EXPECT_DOUBLE_EQ(shape.GetPhiPn(), 360.0);
    EXPECT_DOUBLE_EQ(shape.GetInteractionRatio(), 0.5 + 0.2);  // B1 = max(Cm, 1) = 1 at Pr = 0
    EXPECT_EQ(shape.GetB1x(), 1.0);
}

TEST_F(CheckSequence, TensionYieldsTheGrossAreaSkipsAmplificationAndLeavesTheMultipliersOfAnEarlierRun)
{
    shape.SetGeneralParameters(false, true);
    shape.SetColumnSlenderness(1.0, 1.0, 240.0, 240.0);
    shape.SetLoads(100.0, 45.0, 9.0, 1.0, 1.0, 0.0, 0.0);
    shape.Calculate();
    const double b1x = shape.GetB1x();
    const double b1y = shape.GetB1y();
    EXPECT_GT(b1x, 1.0);
    EXPECT_GT(b1y, b1x);  // Iy < Ix
    EXPECT_DOUBLE_EQ(shape.seenMrx, 45.0 * b1x);

    shape.SetLoads(-225.0, 45.0, 9.0, 1.0, 1.0, 0.0, 0.0);
    ReportCapture report(shape);
    shape.Calculate();
    EXPECT_DOUBLE_EQ(shape.GetPhiPn(), 450.0);  // 0.9 * 50 * 10
    EXPECT_EQ(shape.seenMrx, 45.0);
    EXPECT_EQ(shape.seenMry, 9.0);
    EXPECT_EQ(shape.GetB1x(), b1x);
    EXPECT_EQ(shape.GetB1y(), b1y);
    // 225 / 450 = 0.5 > 0.2: H1-1a with the tensile strength.
    EXPECT_DOUBLE_EQ(shape.GetInteractionRatio(), 0.5 + (8.0 / 9.0) * (0.5 + 0.2));
    const std::string text = report.Text();
    EXPECT_NE(text.find("Tensile Strength<br/>\n<img src=\"Images\\Eq.D2-1.png\""), std::string::npos);
    EXPECT_NE(text.find("Pr_Pc_tension.png"), std::string::npos);
    EXPECT_EQ(text.find("Moment Magnification"), std::string::npos);
}

TEST_F(CheckSequence, ErrorCodeStaysRaisedAcrossLaterCleanRuns)
{
    shape.SetGeneralParameters(false, true);
    shape.SetColumnSlenderness(1.0, 1.0, 240.0, 2400.0);  // Pe1 about y far below Pu
    shape.SetLoads(300.0, 45.0, 9.0, 1.0, 1.0, 0.0, 0.0);
    shape.Calculate();
    EXPECT_EQ(shape.GetErrorCode(), 4);
    shape.SetLoads(-10.0, 45.0, 9.0, 1.0, 1.0, 0.0, 0.0);
    shape.Calculate();
    shape.ResetResult();
    EXPECT_EQ(shape.GetErrorCode(), 4);
    StandInShape copy(shape);
    EXPECT_EQ(copy.GetErrorCode(), 4);
}

} // namespace
