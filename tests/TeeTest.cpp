// Tees: the flange and stem factors in compression, E4-2 and E4-5 without Cw,
// and the tee-type blocks fed with the section (the stem's side by the sign
// of Mx, d, Sxc = Ix / y, J). Hand-built tees, E = 29000 ksi, G = 11200 ksi,
// pi = 3.14159265, Fy = 50: sqrt(E/Fy) = 24.08. The equations of the blocks
// themselves are pinned in TeeTypeFlexureTest, the report of a slender stem
// on the E4-5 stress in the golden report of WT4X5.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"

namespace {

constexpr double kPi = 3.14159265;

// A tee with the flange bf x tf, the stem d x tw and the centroid y from the
// flange's face; the whole-section values are the same for every one:
// A 7, Ix 20, Iy 21, Sx 4, Zx 7, Sy 5.25, Zy 8, rx 1.7, ry 1.75, J 0.05.
class Tee : public CAiscDesignT
{
public:
    Tee(double bf, double tf, double d, double tw, double y)
    {
        mvSect_AISC& s = Section;
        s.bf = bf, s.tf = tf, s.d = d, s.tw = tw, s.y = y;
        s.A = 7, s.Ix = 20, s.Iy = 21, s.Sx = 4, s.Zx = 7, s.Sy = 5.25, s.Zy = 8, s.rx = 1.7, s.ry = 1.75, s.J = 0.05;
        SetMaterial(50);
        SetColumnSlenderness(1.0, 1.0, 120, 120);
    }
    void SetJ(double j) { Section.J = j; }
};

TEST(Tee, WithoutSlenderElementsAndYAtMidFlangeE4_2IsTheSmallerOfFcryAndFcrz)
{
    // bf/2tf = 8 and d/tw = 12, below 0.56 and 0.75 sqrt(E/Fy) (13.5, 18.1): Q = 1. y = tf/2: y0 = 0, H = 1,
    // so E4-2 is the smaller of Fcry (E3-2 on Ky Ly / ry = 68.6: 35.5 ksi) and Fcrz = G J / (A r0^2) =
    // 11200 * 0.05 / (7 * 41/7) = 560/41 = 13.7 ksi, which is also below the E3-2 stress on Kx Lx / rx = 70.6.
    Tee tee(8, 0.5, 6, 0.5, 0.25);
    ReportCapture report(tee);
    tee.SetLoads(10, 0, 0, 1, 1, 0, 0);
    tee.Calculate();
    EXPECT_NEAR(tee.GetPhiPn(), 0.9 * 7 * (560.0 / 41), 1e-11);
    const std::string text = report.Text();
    EXPECT_NE(text.find("y0 = 0 in<br/>"), std::string::npos);
    EXPECT_NE(text.find("Eq.E4-10.png\" align=\"middle\">\n<div class = \"equation-value\"> = 1 </div>"),
              std::string::npos);
    EXPECT_NE(text.find("Flexural-Torsonal Buckling Controls"), std::string::npos);
    // Compact flange: F6-1 min(Fy Zy, 1.6 Fy Sy) = 400 kip-in. (Shear on d tw and bf tf: the golden report.)
    EXPECT_DOUBLE_EQ(tee.GetPhiMny(), 0.9 * 400 / 12);
}

TEST(Tee, TheSignOfMxPutsTheStemInTensionOrCompressionAndJOfZeroLeavesNoStrengthToAStemInCompression)
{
    // The tee above in tension. Zx = 7 > 1.6 Sx: F9-2 min(Fy Zx, 1.6 Fy Sx) = 320 kip-in, F9-3 min(Fy Zx, Fy Sx)
    // = 200; compact flange: Mp = 350 (F9-6 not reached); compact stem: F9-9 Fy Sx = 200. F9-4 with d 6, Iy 21:
    const double root = kPi * std::sqrt(29000 * 21 * 11200.0);
    const double b240 = 2.3 * (6 / 240.0) * std::sqrt(21 / 0.05);  // F9-5: 1.178
    const struct
    {
        double mux, lb, j, mn;  // kip-in
    } cases[] = {
        {0, 0, 0.05, 320},   // Mx = 0 is stem in tension; Lb = 0: no lateral-torsional buckling
        {-10, 0, 0.05, 200},
        {0, 240, 0.05, 320},  // B = +1.178 for Mx = 0 too: Mcr = 658
        {-10, 240, 0.05, root * std::sqrt(0.05) / 240 * (-b240 + std::sqrt(1 + b240 * b240))},  // 88.7
        // J = 0: F9-4 as J tends to 0, (pi sqrt(E Iy G) / Lb) 2 (2.3 (d / Lb) sqrt(Iy)) = 142, or 0.
        {10, 480, 0, root / 480 * (2 * (2.3 * (6 / 480.0) * std::sqrt(21)))},
        {-10, 480, 0, 0},
    };
    for (const auto& c : cases) {
        Tee tee(8, 0.5, 6, 0.5, 0.25);
        tee.SetJ(c.j);
        tee.SetLoads(-10, c.mux, 0, 1, 1, 0, 0);
        tee.SetLateralTorsionalProperty(1.0, c.lb);
        tee.Calculate();
        EXPECT_NEAR(tee.GetPhiMnx(), 0.9 * c.mn / 12, 1e-12) << c.mux << " Lb " << c.lb << " J " << c.j;
        if (c.mn == 0) {
            EXPECT_EQ(tee.GetCriticalRatio(), INFINITY);  // never a pass
        }
    }
}

TEST(Tee, ASlenderFlangeOrStemTakesE7WithQOnTheE4_5Stress)
{
    // y = 1.25 (tf 0.5): y0 = 1, r0^2 = 1 + 41/7 = 48/7, H = 1 - 7/48, Fez = G J / (A r0^2) = 560/48; Fey =
    // pi^2 E / (120 / 1.75)^2 = 60.9 ksi: E4-5 gives 11.3 ksi, below the flexural 57.4 ksi. KL/r = 70.6 is
    // within 4.71 sqrt(E / (Q Fy)): E7-2.
    const double fe = E4(kPi * kPi * 29000 / ((120 / 1.75) * (120 / 1.75)), 560.0 / 48, 1 - 7.0 / 48);
    const struct
    {
        double bf, d, mux;
        double q, mnx, mny;  // kip-in
    } cases[] = {
        // Flange only: bf/2tf = 40 >= 1.03 sqrt(E/Fy): E7-6; stem in tension: F9-7 with Sxc = Ix / y = 16;
        // F6-3 with F6-4 on bf/2tf.
        {40, 6, 10, 0.69 * 29000 / (50 * 1600.0), 0.7 * 29000 * 16 / 1600.0, 0.69 * 29000 / 1600.0 * 5.25},
        // Stem only: d/tw = 26 >= 1.03 sqrt(E/Fy): E7-15; stem in compression: F9-11 times Sx.
        {8, 13, -10, 0.69 * 29000 / (50 * 676.0), 0.69 * 29000 / 676.0 * 4, 400},
    };
    for (const auto& c : cases) {
        Tee tee(c.bf, 0.5, c.d, 0.5, 1.25);
        tee.SetLoads(10, c.mux, 0, 1, 1, 0, 0);
        tee.Calculate();
        EXPECT_NEAR(tee.GetPhiPn(), 0.9 * 7 * c.q * std::pow(0.658, c.q * 50 / fe) * 50, 1e-11) << c.bf;
        EXPECT_NEAR(tee.GetPhiMnx(), 0.9 * c.mnx / 12, 1e-12) << c.bf;
        EXPECT_NEAR(tee.GetPhiMny(), 0.9 * c.mny / 12, 1e-12) << c.bf;
    }
}

} // namespace
