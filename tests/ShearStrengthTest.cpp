// Web shear coefficient Cv (G2-3 to G2-5) and the shear resistance factors.
// Values worked by hand with E = 29000 ksi.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

class ShearStrength : public ::testing::Test
{
protected:
    ShearStrength() : report(design) {}
    TestDesign design;
    ReportCapture report;
    // kv = 5, Fy = 50: 1.10 sqrt(kv E / Fy) = 59.2368, 1.37 sqrt(kv E / Fy) = 73.7768.
    const double inelasticLimit = 59.23681287847955;
    const double elasticLimit = 73.77675785774271;
};

TEST_F(ShearStrength, WebAtTheFirstLimitReachesFullShearYielding)
{
    EXPECT_EQ(design.GetCv(inelasticLimit, 5.0, 50.0), 1.0);  // G2-3
    EXPECT_NE(report.Text().find("h_tw_less_than_1.10_sqrt_kvE_Fy.png"), std::string::npos);
    EXPECT_NE(report.Text().find("Eq.G2-3.png"), std::string::npos);
}

TEST_F(ShearStrength, WebAtTheSecondLimitUsesInelasticBucklingAndJustAboveItElasticBuckling)
{
    // G2-4 at h/tw = 1.37 sqrt(kv E/Fy): Cv = 1.10 / 1.37.
    EXPECT_DOUBLE_EQ(design.GetCv(elasticLimit, 5.0, 50.0), 0.8029197080291971);
    EXPECT_NE(report.Text().find("1.10_sqrt_kvE_Fy_less_than_h_tw_less_than_1.37_sqrt_kvE_Fy.png"),
              std::string::npos);
    EXPECT_NE(report.Text().find("Eq.G2-4.png"), std::string::npos);
    // Just above it G2-5 gives slightly more than G2-4 gave at it: no blending.
    const double justAbove = design.GetCv(std::nextafter(elasticLimit, 1e9), 5.0, 50.0);
    EXPECT_NEAR(justAbove, 0.8045180883371517, 1e-15);
    EXPECT_GT(justAbove, 0.8029197080291971);
}

TEST_F(ShearStrength, SlenderWebShowsBothLimitsThenTheBranchAndCv)
{
    // h/tw = 80 > 73.78: G2-5, Cv = 1.51 * 5 * 29000 / (80^2 * 50) = 0.68421875.
    EXPECT_DOUBLE_EQ(design.GetCv(80.0, 5.0, 50.0), 0.68421875);
    EXPECT_EQ(report.Text(),
              "<img src=\"Images\\1.10_sqrt_kv_E_Fy.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 59.2368 </div><br/>\n"
              "<img src=\"Images\\1.37_sqrt_kv_E_Fy.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 73.7768 </div><br/>\n"
              "<img src=\"Images\\h_tw_greater_than_1.37_sqrt_kvE_Fy.png\"><br/>\n"
              "<img src=\"Images\\Eq.G2-5.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 0.684219 </div><br/>\n");
}

} // namespace
