// Properties that must hold for every section of the catalogue that a design
// class checks, whatever the numbers: strengths bounded by yielding, ratios
// equal to demand over strength, strengths that do not rise as the member gets
// longer, the same numbers with printing on and off, and a silent check that
// allocates nothing.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "TestSupport.h"

namespace {

template <class Design>
class Member : public Design
{
public:
    explicit Member(const mvSect_AISC& section) { this->Section = section; }
};

std::array<double, 11> Results(const CAiscDesign& d)
{
    return {d.GetPhiPn(),    d.GetPhiMnx(),           d.GetPhiMny(), d.GetPhiVnx(), d.GetPhiVny(),
            d.GetVxRatio(),  d.GetInteractionRatio(), d.GetVyRatio(), d.GetB1x(),   d.GetB1y(),
            static_cast<double>(d.GetErrorCode())};
}

template <class Design>
void CheckEveryRowOf(int shapeCode)
{
    MessageCapture messages;  // the equation images are not needed here
    const std::vector<mvSect_AISC> rows = CatalogueRowsOfCode(shapeCode);
    ASSERT_FALSE(rows.empty());
    for (const mvSect_AISC& row : rows) {
        const std::string what = tchar2char(GetSectionName(row), std::vector<char>(128).data(), 128);
        for (const double fy : {36.0, 46.0, 50.0, 70.0}) {
            Member<Design> member(row);
            member.SetMaterial(fy);
            member.SetLoads(25.0, 40.0, -15.0, 0.85, 0.85, 30.0, -20.0);
            member.SetPrint(false);
            double previousPhiPn = INFINITY;
            double previousPhiMnx = INFINITY;
            // One length for columns, for lateral-torsional buckling and for torsion.
            for (const double length : {6.0, 60.0, 120.0, 240.0, 480.0, 960.0}) {
                member.SetColumnSlenderness(1.0, 1.0, length, length);
                member.SetColumnSlenderness_Torsional(1.0, length);
                member.SetLateralTorsionalProperty(1.0, length);
                const long before = AllocationCount();
                member.Calculate();
                EXPECT_EQ(AllocationCount(), before) << what;
                // Mn <= Mp about both axes; Pn <= the squash load.
                EXPECT_LE(member.GetPhiMnx(), 0.9 * fy * row.Zx / 12.0 * (1 + 1e-12)) << what;
                EXPECT_LE(member.GetPhiMny(), 0.9 * fy * row.Zy / 12.0 * (1 + 1e-12)) << what;
                EXPECT_LE(member.GetPhiPn(), 0.9 * fy * row.A * (1 + 1e-12)) << what;
                EXPECT_GT(member.GetPhiPn(), 0.0) << what;
                // A longer member is never stronger (round-off aside where the ranges meet).
                EXPECT_LE(member.GetPhiPn(), previousPhiPn * (1 + 1e-12)) << what << " at L = " << length;
                EXPECT_LE(member.GetPhiMnx(), previousPhiMnx * (1 + 1e-12)) << what << " at L = " << length;
                previousPhiPn = member.GetPhiPn();
                previousPhiMnx = member.GetPhiMnx();
                // Ratios are demand over design strength.
                EXPECT_DOUBLE_EQ(member.GetVxRatio(), 30.0 / member.GetPhiVnx()) << what;
                EXPECT_DOUBLE_EQ(member.GetVyRatio(), 20.0 / member.GetPhiVny()) << what;
                EXPECT_GE(member.GetCriticalRatio(), member.GetInteractionRatio());
                if (fy == 50.0 && length == 240.0) {
                    Member<Design> printed(member);
                    ReportCapture report(printed);
                    printed.SetPrint(true);
                    printed.Calculate();
                    EXPECT_EQ(Results(printed), Results(member)) << what;
                }
            }
        }
    }
}

TEST(DesignInvariants, RectangularHssOfTheCatalogue) { CheckEveryRowOf<CAiscDesignRectHss>(kShapeRectHss); }

TEST(DesignInvariants, RoundHssOfTheCatalogue) { CheckEveryRowOf<CAiscDesignRoundHss>(kShapeRoundHss); }

TEST(DesignInvariants, PipesOfTheCatalogue) { CheckEveryRowOf<CAiscDesignRoundHss>(kShapePipe); }

TEST(SingleAngleInvariants, EveryAngleOfTheCatalogue)
{
    const std::vector<mvSect_AISC> rows = CatalogueRowsOfCode(kShapeL);
    ASSERT_FALSE(rows.empty());
    for (const mvSect_AISC& row : rows) {
        const std::string what = tchar2char(GetSectionName(row), std::vector<char>(128).data(), 128);
        for (const double pu : {-20.0, 0.0, 20.0}) {
            Member<CAiscDesignL> silent(row), printed(row);
            std::ostringstream report;
            printed.SetPrintFile(&report);
            silent.SetPrint(false);
            for (CAiscDesignL* member : {&silent, &printed}) {
                member->SetMaterial(50.0);
                member->SetLoads(pu, 8.0, -3.0, 0.85, 0.85, 6.0, -4.0);
                member->SetColumnSlenderness(1.0, 1.0, 120.0, 120.0);
            }
            double previousPhiMnw = INFINITY;
            for (const double lb : {0.0, 24.0, 60.0, 120.0, 240.0, 480.0}) {
                silent.SetLateralTorsionalProperty(1.0, lb);
                const long before = AllocationCount();
                silent.Calculate();
                EXPECT_EQ(AllocationCount(), before) << what;
                // A longer unbraced length never strengthens w; z has no lateral-torsional limit.
                EXPECT_LE(silent.GetPhiMnx(), previousPhiMnw * (1 + 1e-12)) << what << " at Lb = " << lb;
                previousPhiMnw = silent.GetPhiMnx();
                EXPECT_DOUBLE_EQ(silent.GetVxRatio(), 6.0 / silent.GetPhiVnx()) << what;
                EXPECT_DOUBLE_EQ(silent.GetVyRatio(), 4.0 / silent.GetPhiVny()) << what;
                EXPECT_GE(silent.GetCriticalRatio(), silent.GetInteractionRatio()) << what;
            }
            printed.SetLateralTorsionalProperty(1.0, 480.0);
            printed.Calculate();
            EXPECT_EQ(Results(printed), Results(silent)) << what;
            EXPECT_NE(report.str().find("Shear Strength (Minor Axis)"), std::string::npos) << what;
        }
    }
}

TEST(DesignInvariants, IShapesOfTheCatalogue)
{
    for (const int code : {kShapeW, kShapeM, kShapeS, kShapeHP}) CheckEveryRowOf<CAiscDesignI>(code);
}

TEST(DesignInvariants, ChannelsOfTheCatalogue)
{
    for (const int code : {kShapeC, kShapeMC}) CheckEveryRowOf<CAiscDesignChannel>(code);
}

} // namespace
