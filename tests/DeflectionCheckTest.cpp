// The serviceability summary: host deflections against span / n limits.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

class DeflectionCheck : public ::testing::Test
{
protected:
    DeflectionCheck() : report(design) {}
    TestDesign design;
    ReportCapture report;
};

// The ratios a host reads back are those the report shows: 0.8 x 1.5 / (240 / 240) and
// 0.5 x 1.5 / (240 / 360).
TEST_F(DeflectionCheck, AdjustmentRatioScalesBothDeflections)
{
    design.SetDeflectionParameters(240.0, 360.0, 0.8, -0.5, 240.0);
    design.SetDeflectionAdjustmentRatio(1.5, L"W14X90", 999.0);
    EXPECT_TRUE(design.ChecksDeflection());
    EXPECT_DOUBLE_EQ(design.GetTotalDeflectionRatio(), 1.2);
    EXPECT_DOUBLE_EQ(design.GetLiveDeflectionRatio(), 1.125);
    design.PrintDeflections();
    const std::string text = report.Text();
    EXPECT_NE(text.find("(Total Deflection Limit) = 1.2 <br/>"), std::string::npos);
    EXPECT_NE(text.find("(Live Deflection Limit) = 1.125 <br/>"), std::string::npos);
    EXPECT_NE(text.find("<div class=\"fail\">Total Load Deflection: NG</div>"), std::string::npos);
    EXPECT_NE(text.find("<div class=\"fail\">Live Load Deflection: NG</div>"), std::string::npos);
}

TEST_F(DeflectionCheck, NeedsBothDenominators)
{
    for (const double total : {240.0, 0.0}) {
        design.SetDeflectionParameters(total, 240.0 - total, 0.8, 0.5, 240.0);
        design.PrintDeflections();
        EXPECT_FALSE(design.ChecksDeflection());
        EXPECT_TRUE(std::isnan(design.GetTotalDeflectionRatio()) && std::isnan(design.GetLiveDeflectionRatio()));
    }
    EXPECT_EQ(report.Text(), "");
}

TEST_F(DeflectionCheck, ZeroSpanFailsEvenWithZeroDeflection)
{
    // Limits of 0: 0.8 / 0 is infinite and 0 / 0 is not a number; both are NG.
    design.SetDeflectionParameters(240.0, 360.0, 0.8, 0.0, 0.0);
    EXPECT_TRUE(std::isinf(design.GetTotalDeflectionRatio()));
    EXPECT_TRUE(std::isnan(design.GetLiveDeflectionRatio()));
    design.PrintDeflections();
    EXPECT_NE(report.Text().find("Total Load Deflection: NG"), std::string::npos);
    EXPECT_NE(report.Text().find("Live Load Deflection: NG"), std::string::npos);
}

} // namespace
