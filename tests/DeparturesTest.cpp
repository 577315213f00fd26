// The zorsteel results of docs/aisc-departures.md, each checked to the digits
// the document prints, so that the document stays true. The expected
// values are the document's hand arithmetic (pi = 3.14159265, E = 29000 ksi,
// catalogue properties); each row names the document's entry.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "TestSupport.h"

namespace {

constexpr double kPi2E = 3.14159265 * 3.14159265 * 29000;

using Getter = double (*)(const CAiscDesign&);
constexpr Getter kPhiPn = [](const CAiscDesign& d) { return d.GetPhiPn(); };
constexpr Getter kPhiMnx = [](const CAiscDesign& d) { return d.GetPhiMnx(); };
constexpr Getter kPhiMny = [](const CAiscDesign& d) { return d.GetPhiMny(); };
constexpr Getter kPhiVnx = [](const CAiscDesign& d) { return d.GetPhiVnx(); };
constexpr Getter kRatio = [](const CAiscDesign& d) { return d.GetInteractionRatio(); };
constexpr Getter kB1x = [](const CAiscDesign& d) { return d.GetB1x(); };
constexpr Getter kErrorCode = [](const CAiscDesign& d) { return double(d.GetErrorCode()); };

// A member of the document: Cm = 1, Cb = 1, no shear; lz is Kz Lz, Ky = Kz = 1;
// a is the connector spacing of a double angle.
struct Member
{
    const wchar_t* section;
    double fy;
    double pu = 0, mux = 0, muy = 0;
    double kx = 1, lx = 0, ly = 0, lz = 0, lb = 0, a = 0;
    bool directAnalysis = true;
};

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
    // L4X4X1/4 at Kx Lx = 48 in (entries 3, 4): E7-11 Qs, E7-2; B1 about z is 1.0 above Pe1.
    const double qsL4 = 1.34 - 0.76 * 16 * std::sqrt(36 / 29000.0);
    const double feL4 = kPi2E / ((48 / 0.783) * (48 / 0.783));
    const double phiPnL4 = 0.9 * qsL4 * std::pow(0.658, qsL4 * 36 / feL4) * 36 * 1.93;
    const double b1wL4 = 1 / (1 - 5 / (kPi2E * 0.8 * 4.82 / (48.0 * 48.0)));
    const double phiMnwL4 = 0.9 * 36 * 1.76 * (2.43 - 1.72 * 16 * std::sqrt(36 / 29000.0)) / 12;  // F10-7
    const double phiMnzL4 = 0.9 * 1.5 * 36 * 0.778 / 12;
    const double muL4 = 0.5 * std::sqrt(0.5);  // |Muw| = |Muz| of Mux = 0.5 at 45 degrees
    // L5X3X1/2, E3-2 at Kx Lx / rz (entry 2).
    const auto phiPnL5 = [](double lx) {
        return 0.9 * std::pow(0.658, 36 / (kPi2E / ((lx / 0.642) * (lx / 0.642)))) * 36 * 3.75;
    };
    // W10X49 at 144 in, K = 1 (entries 5 to 7).
    const double phiPnW10 = 0.9 * std::pow(0.658, 50 / (kPi2E / ((144 / 2.54) * (144 / 2.54)))) * 50 * 14.4;
    const double phiMnW10 = 0.9 * 50 * 60.4 / 12;
    const auto b1W10 = [](double pu, double k, double stiffness) {
        return 1 / (1 - pu / (stiffness * kPi2E * 272 / ((k * 144) * (k * 144))));
    };
    // 2L4X4X1/2X3/8: E4-2 with Fey of E6-2b, ri = rz of L4X4X1/2, J of both angles (entry 10).
    const double klo2L = 120 / 1.83;
    const double fey2L = kPi2E / (klo2L * klo2L + (0.5 * 60 / 0.776) * (0.5 * 60 / 0.776));
    const double fcry2L = std::pow(0.658, 36 / fey2L) * 36;
    const double fcrz2L = 11200 * (2 * 0.322) / (7.5 * 2.38 * 2.38);
    const double sum2L = fcry2L + fcrz2L;
    const double fcr2L = sum2L / (2 * 0.848) * (1 - std::sqrt(1 - 4 * fcry2L * fcrz2L * 0.848 / (sum2L * sum2L)));
    // W16X31: Qa with Ae = 2 bf tf + h tw (entry 11).
    const double qaW16 = (2 * 5.53 * 0.44 + 0.275 * 51.6 * 0.275) / 9.13;
    const double feW16 = kPi2E / ((120 / 1.17) * (120 / 1.17));
    // HSS12X8X3/16: b - be of both flanges off, axis at mid-depth (entry 13).
    const double rootHss = std::sqrt(29000 / 46.0);
    const double bix = 8 - 3 * 0.174 - 1.92 * 0.174 * rootHss * (1 - 0.38 / 43.0 * rootHss);
    const double biy = 12 - 3 * 0.174 - 1.92 * 0.174 * rootHss * (1 - 0.38 / 66.0 * rootHss);
    const double ieffX = 140 - 2 * (bix * 0.174 * 5.913 * 5.913 + bix * std::pow(0.174, 3) / 12);
    const double ieffY = 75.7 - 2 * (biy * 0.174 * 3.913 * 3.913 + biy * std::pow(0.174, 3) / 12);
    // L6X4X1/2 at Lb = 120 in with beta_w = -3.14 (entry 14).
    const double meL6 = 4.9 * 29000 * 3.54 / (120.0 * 120.0) *
                        (std::sqrt(3.14 * 3.14 + 0.052 * (120 * 0.5 / 0.864) * (120 * 0.5 / 0.864)) - 3.14);
    const double myL6 = 36 * 5.04;
    // L6X6X5/16 noncompact leg, F10-7 (entry 15).
    const double legL6 = 2.43 - 1.72 * (6 / 0.313) * std::sqrt(36 / 29000.0);
    // W12X26, F2-2 between Lp and Lr (entry 17).
    const double lpW12 = 1.76 * 1.51 * std::sqrt(29000 / 50.0);
    const double termW12 = 35 * 33.4 * 11.8 / (29000 * 0.3);
    const double lrW12 = 1.95 * 1.75 * (29000 / 35.0) * std::sqrt(0.3 / (33.4 * 11.8)) *
                         std::sqrt(1 + std::sqrt(1 + 6.76 * (termW12 * termW12)));
    const double mnW12 = 1860 - (1860 - 0.7 * 50 * 33.4) * (120 - lpW12) / (lrW12 - lpW12);

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
    const Member slenderFlanges{.section = L"HSS12X8X3/16", .fy = 46};
    const Member shortLegToe{.section = L"L6X4X1/2", .fy = 36, .mux = -1, .lb = 120};
    const Member heel{.section = L"L6X6X5/16", .fy = 36, .mux = -1, .muy = -1};
    const Member toes{.section = L"L6X6X5/16", .fy = 36, .mux = 1, .muy = 1};
    const Member pipe{.section = L"Pipe26STD", .fy = 35};
    const Member tie{.section = L"W12X26", .fy = 50, .pu = -100, .lb = 120};

    const Departure cases[] = {
        {"1", angleTie, kPhiPn, 0.9 * 36 * 1.93, 1},
        {"2", angleE5, kPhiPn, phiPnL5(60), 1},
        {"2", angleE5Length, kPhiPn, phiPnL5(81.3), 1},
        {"3", angleLengths, kPhiPn, phiPnL4, 1},
        {"4", angleUnstable, kRatio, 5 / (2 * phiPnL4) + b1wL4 * muL4 / phiMnwL4 + muL4 / phiMnzL4, 3},
        {"4", angleUnstable, kErrorCode, 4, 0},
        {"5", sway, kB1x, b1W10(150, 2, 1), 3},
        {"5", braced, kB1x, b1W10(150, 0.8, 1), 3},
        {"5", pinned, kB1x, b1W10(150, 1, 1), 3},
        {"6", pinned, kRatio, 150 / phiPnW10 + 8.0 / 9.0 * (b1W10(150, 1, 1) * 50 / phiMnW10), 3},
        {"7", squashed, kB1x, b1W10(800, 1, 0.8), 3},
        {"7", squashed, kRatio, 800 / phiPnW10 + 8.0 / 9.0 * (b1W10(800, 1, 0.8) * 50 / phiMnW10), 2},
        {"8", twisting, kPhiPn, 0.9 * std::pow(0.658, 50 / (kPi2E / ((120 / 3.47) * (120 / 3.47)))) * 50 * 9.13, 1},
        {"10", snugTight, kPhiPn, 0.9 * fcr2L * 7.5, 1},
        {"11", slenderWeb, kPhiPn, 0.9 * qaW16 * std::pow(0.658, qaW16 * 50 / feW16) * 50 * 9.13, 1},
        {"13", slenderFlanges, kPhiMnx, 0.9 * 46 * (ieffX / 6) / 12, 1},
        {"13", slenderFlanges, kPhiMny, 0.9 * 46 * (ieffY / 4) / 12, 1},
        {"14", shortLegToe, kPhiMnx, 0.9 * (1.92 - 1.17 * std::sqrt(myL6 / meL6)) * myL6 / 12, 1},
        {"15", heel, kPhiMny, 0.9 * 36 * 2.30 * legL6 / 12, 2},
        {"15", toes, kPhiMny, 0.9 * 36 * 2.49 * legL6 / 12, 2},
        {"16", pipe, kPhiVnx, 0.9 * 0.5 * (0.6 * 35) * 28.2, 1},
        {"17", tie, kPhiMnx, 0.9 * mnW12 / 12, 1},
    };
    for (const Departure& c : cases) {
        const Member& m = c.member;
        const std::unique_ptr<CAiscDesign> design(CSteelDesignManager::Instance()->CreateAiscDesign(m.section));
        ASSERT_NE(design, nullptr) << c.entry;
        design->SetGeneralParameters(m.directAnalysis, true);
        design->SetMaterial(m.fy);
        design->SetLoads(m.pu, m.mux, m.muy, 1.0, 1.0, 0.0, 0.0);
        design->SetColumnSlenderness(m.kx, 1.0, m.lx, m.ly);
        design->SetColumnSlenderness_Torsional(1.0, m.lz);
        design->SetLateralTorsionalProperty(1.0, m.lb);
        design->SetDoubleAngleConnnectorDistance(m.a);
        design->Calculate();
        EXPECT_EQ(Printed(c.get(*design), c.decimals), Printed(c.expected, c.decimals))
            << "entry " << c.entry << ": " << c.get(*design) << " against " << c.expected;
    }
}

} // namespace
