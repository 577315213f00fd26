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

TEST_F(DeflectionCheck, WritesTotalAndLiveChecksAgainstTheirLimits)
{
    // L/240 = 1 in, 0.8 / 1 = 0.8; L/360 = 0.6667 in, |-0.5| / 0.6667 = 0.75.
    design.SetDeflectionParameters(240.0, 360.0, 0.8, -0.5, 240.0);
    design.PrintDeflections();
    EXPECT_EQ(report.Text(),
              "<br/>\n"
              "<div class=\"header\">Total Load Deflection Check</div><br/>\n"
              "Total Deflection Limit = L / (Total Deflection Denominator)  = 1 in<br/>\n"
              "Total Deflection Ratio = (Total Dy * Deflection Adjustment Ratio) / (Total Deflection Limit) = 0.8 "
              "<br/>\n"
              "<br/>\n"
              "<div class=\"success\">Total Load Deflection: OK</div>\n"
              "<br/>\n"
              "<div class=\"header\">Live Load Deflection Check</div><br/>\n"
              "Live Deflection Limit = L / (Live Deflection Denominator)  = 0.666667 in<br/>\n"
              "Live Deflection Ratio = (Live Dy  * Deflection Adjustment Ratio) / (Live Deflection Limit) = 0.75 "
              "<br/>\n"
              "<br/>\n"
              "<div class=\"success\">Live Load Deflection: OK</div>\n"
              "<br/>\n");
}

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

TEST_F(DeflectionCheck, RatioOfExactlyOneIsAccepted)
{
    design.SetDeflectionParameters(240.0, 480.0, 1.0, 0.5, 240.0);
    design.PrintDeflections();
    EXPECT_NE(report.Text().find("Total Load Deflection: OK"), std::string::npos);
    EXPECT_NE(report.Text().find("Live Load Deflection: OK"), std::string::npos);
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
