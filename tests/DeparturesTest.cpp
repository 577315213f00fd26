// The zorsteel results of docs/aisc-departures.md, each checked to the digits
// the document prints, so that the document stays true. The expected values
// are the ones the document prints in bold, from its hand arithmetic (pi =
// 3.14159265, E = 29000 ksi, catalogue properties); each row names its entry.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "TestSupport.h"

namespace {

// A member of the document: TestSupport's conventions (Cm = Cb = 1, no
// shear), checked by classic rules.
using Member = TestMember;

// One number the document prints for a member, to its printed decimals.
struct Departure
{
    const char* entry;
    const Member& member;
    Getter get;
    double expected;
    int decimals;
};

double Printed(double value, int decimals) { return std::round(value * std::pow(10.0, decimals)); }

TEST(Departures, WorkedNumbersOfTheDocument)
{
    const Member angleTie{.section = L"L4X4X1/4", .fy = 36, .pu = -10};
    const Member angleE5{.section = L"L5X3X1/2", .fy = 36, .pu = 10, .lx = 60, .ly = 60};
    const Member angleE5Length{.section = L"L5X3X1/2", .fy = 36, .pu = 10, .lx = 81.3, .ly = 81.3};
    const Member angleLengths{.section = L"L4X4X1/4", .fy = 36, .pu = 10, .lx = 48, .ly = 96};
    const Member angleUnstable{.section = L"L4X4X1/4", .fy = 36, .pu = 5, .mux = 0.5, .lx = 48, .ly = 600};
    const Member sway{.section = L"W10X49", .fy = 50, .pu = 150, .mux = 50, .kx = 2, .lx = 144, .ly = 144,
                      .directAnalysis = false};
    const Member braced{.section = L"W10X49", .fy = 50, .pu = 150, .mux = 50, .kx = 0.8, .lx = 144, .ly = 144,
                        .directAnalysis = false};
    const Member pinned{.section = L"W10X49", .fy = 50, .pu = 150, .mux = 50, .lx = 144, .ly = 144,
                        .directAnalysis = false};
    const Member squashed{.section = L"W10X49", .fy = 50, .pu = 800, .mux = 50, .lx = 144, .ly = 144};
    const Member twisting{.section = L"W8X31", .fy = 50, .pu = 10, .lx = 120, .ly = 60, .lz = 120};
    const Member snugTight{.section = L"2L4X4X1/2X3/8", .fy = 36, .pu = 10, .lx = 60, .ly = 120, .a = 60};
    const Member slenderWeb{.section = L"W16X31", .fy = 50, .pu = 10, .lx = 120, .ly = 120};
    const Member verySlender{.section = L"W12X19", .fy = 50, .pu = 1, .lx = 382.23, .ly = 382.23};
    const Member slenderFlanges{.section = L"HSS12X8X3/16", .fy = 46};
    const Member shortLegToe{.section = L"L6X4X1/2", .fy = 36, .mux = -1, .lb = 120};
    const Member heel{.section = L"L6X6X5/16", .fy = 36, .mux = -1, .muy = -1};
    const Member toes{.section = L"L6X6X5/16", .fy = 36, .mux = 1, .muy = 1};
    const Member pipe{.section = L"Pipe26STD", .fy = 35};
    const Member tie{.section = L"W12X26", .fy = 50, .pu = -100, .lb = 120};

    const Departure cases[] = {
        {"1", angleTie, kPhiPn, 62.5, 1},
        {"2", angleE5, kPhiPn, 76.7, 1},
        {"2", angleE5Length, kPhiPn, 52.2, 1},
        {"3", angleLengths, kPhiPn, 47.6, 1},
        {"4", angleUnstable, kRatio, 0.216, 3},
        {"4", angleUnstable, kErrorCode, 4, 0},
        {"5", sway, kB1x, 1.190, 3},
        {"5", braced, kB1x, 1.026, 3},
        {"5", pinned, kB1x, 1.042, 3},
        {"6", pinned, kRatio, 0.497, 3},
        {"7", squashed, kB1x, 1.363, 3},
        {"7", squashed, kRatio, 1.83, 2},
        {"8", twisting, kPhiPn, 376.5, 1},
        {"10", snugTight, kPhiPn, 174.4, 1},
        {"11", slenderWeb, kPhiPn, 188.5, 1},
        {"11", verySlender, kPhiPn, 2.66, 2},
        {"13", slenderFlanges, kPhiMnx, 73.8, 1},
        {"13", slenderFlanges, kPhiMny, 45.5, 1},
        {"14", shortLegToe, kPhiMnx, 16.1, 1},
        {"15", heel, kPhiMny, 7.88, 2},
        {"15", toes, kPhiMny, 8.53, 2},
        {"16", pipe, kPhiVnx, 266.5, 1},
        {"17", tie, kPhiMnx, 114.2, 1},
    };
    for (const Departure& c : cases) {
        const Member& m = c.member;
        const std::unique_ptr<CAiscDesign> design = CheckMember(m, DesignRules::Classic);
        ASSERT_NE(design, nullptr) << c.entry;
        EXPECT_EQ(Printed(c.get(*design), c.decimals), Printed(c.expected, c.decimals))
            << "entry " << c.entry << ": " << c.get(*design) << " against " << c.expected;
    }
}

} // namespace
