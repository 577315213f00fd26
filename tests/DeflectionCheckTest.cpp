// The serviceability summary: host deflections against span / n limits.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

class DeflectionCheck : public ::testing::Test
{
protected:
    DeflectionCheck() : report(design) {}
    TestDesign design;
    ReportCapture report;
};

TEST_F(DeflectionCheck, AdjustmentRatioScalesBothDeflections)
{
    design.SetDeflectionParameters(240.0, 360.0, 0.8, -0.5, 240.0);
    design.SetDeflectionAdjustmentRatio(1.5, L"W14X90", 999.0);
    design.PrintDeflections();
    const std::string text = report.Text();
    EXPECT_NE(text.find("(Total Deflection Limit) = 1.2 <br/>"), std::string::npos);
    EXPECT_NE(text.find("(Live Deflection Limit) = 1.125 <br/>"), std::string::npos);
    EXPECT_NE(text.find("<div class=\"fail\">Total Load Deflection: NG</div>"), std::string::npos);
    EXPECT_NE(text.find("<div class=\"fail\">Live Load Deflection: NG</div>"), std::string::npos);
}

TEST_F(DeflectionCheck, NeedsBothDenominators)
{
    design.SetDeflectionParameters(240.0, 0.0, 0.8, 0.5, 240.0);
    design.PrintDeflections();
    design.SetDeflectionParameters(0.0, 360.0, 0.8, 0.5, 240.0);
    design.PrintDeflections();
    EXPECT_EQ(report.Text(), "");
}

TEST_F(DeflectionCheck, ZeroSpanFailsEvenWithZeroDeflection)
{
    // Limits of 0: 0.8 / 0 is infinite and 0 / 0 is not a number; both are NG.
    design.SetDeflectionParameters(240.0, 360.0, 0.8, 0.0, 0.0);
    design.PrintDeflections();
    EXPECT_NE(report.Text().find("Total Load Deflection: NG"), std::string::npos);
    EXPECT_NE(report.Text().find("Live Load Deflection: NG"), std::string::npos);
}

} // namespace
