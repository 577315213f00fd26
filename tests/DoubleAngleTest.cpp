// Double angles: the E6 slenderness from the component angle read from the
// catalogue, E4-2 and E4-5 without Cw, the legs' roles from the name in shear,
// and a component the catalogue lacks. E = 29000 ksi, G = 11200
// ksi, pi = 3.14159265; section values are the catalogue's.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "section/CatalogueFormat.h"

namespace {

constexpr double kPi = 3.14159265;

class DoubleAngle : public CAiscDesign2L
{
public:
    using CAiscDesign2L::Section;

    // In compression, Fy 36, Lx = 0 so that KL/r is the KLo of E4 (Ky Ly / ry).
    void Compress(double a)
    {
        SetMaterial(36);
        SetLoads(10, 0, 0, 1, 1, 0, 0);
        SetColumnSlenderness(1.0, 1.0, 0, 60);
        SetDoubleAngleConnnectorDistance(a);
        Calculate();
    }
};

// 2L4X4X1/2 (A 7.5, ry 1.69, r0 2.28, H 0.834) at Fy 36: b/t = 8 <= 0.45 sqrt(E/Fy) = 12.77, Qs = 1, and
// KLo = 60 / 1.69 = 35.5 <= 4.71 sqrt(E/Fy): E4-2 with Fcry by E3-2 on the Fey of KLm. It is below the E3-2
// stress on KLo, so it governs.
double PhiPn2L4X4X1_2(double klm, double j)
{
    const double fcry = std::pow(0.658, 36 / (kPi * kPi * 29000 / (klm * klm))) * 36;
    return 0.9 * 7.5 * E4(fcry, 11200 * j / (7.5 * (2.28 * 2.28)), 0.834);
}

TEST(DoubleAngle, ConnectorsModifyTheSlendernessOnlyBeyondFortyTimesRiOfTheComponentAngle)
{
    // The component L4X4X1/2: ri = rz = 0.776, J = 0.322; the two angles 0.644.
    const double klo = 60 / 1.69;
    const struct
    {
        double a;
        const char* equation;
        double phiPn;
    } cases[] = {
        {0, "Eq.E6-2a.png", PhiPn2L4X4X1_2(klo, 2 * 0.322)},
        {40 * 0.776, "Eq.E6-2a.png", PhiPn2L4X4X1_2(klo, 2 * 0.322)},  // a / ri = 40 exactly
        {41 * 0.776, "Eq.E6-2b.png", PhiPn2L4X4X1_2(std::sqrt(klo * klo + (0.5 * 41) * (0.5 * 41)), 2 * 0.322)},
    };
    for (const auto& c : cases) {
        DoubleAngle member;
        ReportCapture report(member);
        ASSERT_EQ(member.SetSection(L"2L4X4X1/2"), kShape2L);
        member.Compress(c.a);
        EXPECT_NEAR(member.GetPhiPn(), c.phiPn, 1e-11) << c.a;
        EXPECT_NE(report.Text().find(c.equation), std::string::npos) << c.a;
        EXPECT_NE(report.Text().find("ri = rz = 0.776 in<br/>"), std::string::npos) << c.a;
    }
}

TEST(DoubleAngle, ASlenderLegTakesE7WithQsOnTheE4_5StressAndLongLegsBackToBackAreTheStem)
{
    // 2L4X3X1/4LLBB (A 3.38, ry 1.15, r0 2.03, H 0.71) at Fy 36: b/t = 16 between 0.45 and 0.91 sqrt(E/Fy)
    // (12.77, 25.83): E7-11. Its angle L4X3X1/4: rz 0.639, J 0.0386. a = 48 rz: KLm^2 = KLo^2 + 24^2.
    // E7-2 on the E4-5 stress with the flexural KL/r = KLo (within 4.71 sqrt(E / (Q Fy))).
    const double qs = 1.34 - 0.76 * 16 * std::sqrt(36 / 29000.0);
    const double klo = 60 / 1.15;
    const double klm = std::sqrt(klo * klo + 24.0 * 24.0);
    const double fe = E4(kPi * kPi * 29000 / (klm * klm), 11200 * (2 * 0.0386) / (3.38 * (2.03 * 2.03)), 0.71);
    DoubleAngle member;
    ReportCapture report(member);
    ASSERT_EQ(member.SetSection(L"2L4X3X1/4LLBB"), kShape2L);
    member.Compress(48 * 0.639);
    EXPECT_NEAR(member.GetPhiPn(), 0.9 * 3.38 * qs * std::pow(0.658, qs * 36 / fe) * 36, 1e-11);
    const std::string text = report.Text();
    EXPECT_NE(text.find("Q = Qs = 0.911564 <br/>\n<br/>\n"), std::string::npos);
    EXPECT_NE(text.find("Eq.E6-2b.png"), std::string::npos);
    EXPECT_NE(text.find("Omit term with Cw per User Note at end of AISC Specification Section E4."),
              std::string::npos);
    // The long legs are the stem h = 4, the short ones the flange bf = 3: Aw = 2 h t about x, 2 bf t about y,
    // Cv = 1 (16 and 12 <= 1.10 sqrt(1.2 E/Fy) = 34.2).
    EXPECT_DOUBLE_EQ(member.GetPhiVnx(), 0.9 * 0.6 * 36 * (2 * 4 * 0.25));
    EXPECT_DOUBLE_EQ(member.GetPhiVny(), 0.9 * 0.6 * 36 * (2 * 3 * 0.25));
}

TEST(DoubleAngle, AComponentAngleMissingFromTheCatalogueLeavesAOverRiZeroAndTheRecordsJ)
{
    // A catalogue of 2L4X4X1/2 alone, with its J raised to 1.0: a = 100 would be a / ri = 129 with the angle.
    mvSect_AISC row;
    ASSERT_EQ(DoubleAngle().GetSection(row, L"2L4X4X1/2"), kShape2L);
    row.J = 1.0;
    std::string catalogue = CommittedCatalogue().head;
    catalogue_format::AppendRow(catalogue, kShape2L, "2L4X4X1/2", row);
    const ScratchFolder folder("missing-angle");
    folder.Write("aisc14u.tbl", catalogue + "\n");

    MessageCapture messages;  // no images in the folder either
    DoubleAngle member;
    ReportCapture report(member);
    SetExecutablePath(folder.Path().wstring().c_str());
    const int code = member.SetSection(L"2L4X4X1/2");
    member.Compress(100);
    SetExecutablePath(nullptr);

    EXPECT_EQ(code, kShape2L);
    EXPECT_NEAR(member.GetPhiPn(), PhiPn2L4X4X1_2(60 / 1.69, 1.0), 1e-11);
    EXPECT_EQ(report.Text().find("ri = rz"), std::string::npos);
    EXPECT_NE(report.Text().find("Eq.E6-2a.png"), std::string::npos);
    EXPECT_EQ(messages.Debug, std::vector<std::string>{"Invalid section L4X4X1/2"});
}

} // namespace
