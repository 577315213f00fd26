// What governs: for a member of each shape family in a regime worked out by
// hand, the limit state behind each strength, its equation and, where the
// arithmetic is short, its nominal value; and the check that governs the
// member. E = 29000 ksi, G = 11200 ksi, sqrt(E/36) = 28.38, sqrt(E/50) = 24.08.
// That every governing value is the strength the check used, over the whole
// catalogue, is a DesignInvariants test.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

struct Governs
{
    Strength quantity;
    std::string limitState;  // "Name (Equation)"
    double nominal = NAN;    // not compared when not a number
};

struct Case
{
    const char* what;
    const wchar_t* section;
    double fy;
    double pu = 0, mux = 0, vux = 0, vuy = 0;
    double lx = 0, ly = 0, lz = 0, lb = 0;  // K = 1, Cb = 1
    std::vector<Governs> governs;
    const char* check;   // the governing check
    double ratio = NAN;  // its ratio, when compared
};

// F10-7 Mn / (Fy Sc) of a leg with b/t = 16 at Fy = 36 ksi.
const double kLegFactor = 2.43 - 1.72 * 16 * std::sqrt(36 / 29000.0);
// The Fy that puts the W14X90 flange, bf/2tf = 14.5 / (2 * 0.710) = 10.21, at 0.5604 sqrt(E/Fy): 87.3 ksi.
const double kStubFy = 0.5604 * 0.5604 * 29000 / ((14.5 / 1.42) * (14.5 / 1.42));

const Case kCases[] = {
    // W18X35 at Fy 50: flange 7.06 < 0.38 * 24.08 = 9.15 and web 53.5 < 3.76 * 24.08 = 90.6 are
    // compact; Lp = 1.76 ry sqrt(E/Fy) = 1.76 * 1.22 * 24.08 = 51.7 in; Lr by F2-6 with rts 1.51,
    // J 0.506, Sx 57.6, h0 17.3: 148 in. Zx 66.5, Zy 8.06, Sy 5.12, A 10.3.
    // In tension Pr/Pc = 100 / (0.9 * 515) = 0.216 > 0.2; Fy Zy = 403 < 1.6 Fy Sy = 409.6.
    {.what = "W beam braced within Lp, in tension", .section = L"W18X35", .fy = 50, .pu = -100, .mux = 100, .lb = 36,
     .governs = {{Strength::Pn, "Tensile yielding (D2-1)", 50 * 10.3},
                 {Strength::Mnx, "Yielding (F2-1)", 50 * 66.5 / 12},
                 {Strength::Mny, "Yielding (F6-1)", 50 * 8.06 / 12}},
     .check = "H1-1a"},
    {.what = "the same beam between Lp and Lr", .section = L"W18X35", .fy = 50, .mux = 100, .lb = 96,
     .governs = {{Strength::Mnx, "Lateral-torsional buckling (F2-2)"}},
     .check = "H1-1b"},
    // Beyond Lr: F2-4 Fcr = 9.1 ksi, phi Mn = 0.9 * 9.1 * 57.6 / 12 = 39 kip-ft, 10 / 39 = 0.26; the
    // flanges in minor shear: Aw = 2 bf tf = 5.1 in^2, b/tf = 7.06 < 1.10 sqrt(1.2 E/Fy) = 29, Cv = 1,
    // phi Vn = 0.9 * 0.6 * 50 * 5.1 = 137.7 kips.
    {.what = "the same beam beyond Lr, governed by minor shear", .section = L"W18X35", .fy = 50, .mux = 10,
     .vuy = 130, .lb = 360,
     .governs = {{Strength::Mnx, "Lateral-torsional buckling (F2-3)"},
                 {Strength::Vny, "Shear yielding (G2-1)", 0.6 * 50 * 2 * 6 * 0.425}},
     .check = "Minor shear", .ratio = 130 / (0.9 * (0.6 * 50 * 2 * 6 * 0.425))},
    // W14X90 at Fy 50: bf/2tf = 10.2 between 9.15 and 1.0 * 24.08, noncompact about both axes.
    {.what = "W with a noncompact flange", .section = L"W14X90", .fy = 50, .mux = 100,
     .governs = {{Strength::Mnx, "Flange local buckling (F3-1)"}, {Strength::Mny, "Flange local buckling (F6-2)"}},
     .check = "H1-1b"},
    // The same section as a stub (KL = 0, Fe infinite) at kStubFy: the flange is just past E7-4's 0.56,
    // E7-5 Qs = 1.415 - 0.74 * 0.5604 = 1.0003, so E7-2 Fcr = Q Fy exceeds Fy and the squash load
    // Fy A (A = 26.5) holds Pn. 100 / (0.9 * 87.3 * 26.5) = 0.05 <= 0.2.
    {.what = "I-shape stub whose E7-5 Qs is above 1", .section = L"W14X90", .fy = kStubFy, .pu = 100,
     .governs = {{Strength::Pn, "Compressive yielding (Py = Fy Ag)", kStubFy * 26.5}}, .check = "H1-1b"},
    // W24X76 at Fy 50: h/tw = 49.0 <= 2.24 * 24.08 = 53.9, so Cv = 1 and phi_v = 1.0; Vn = 0.6 Fy d tw.
    // Mux 50 against 0.9 * 50 * 200 / 12 = 750 kip-ft is 0.07.
    {.what = "short deep beam governed by major shear", .section = L"W24X76", .fy = 50, .mux = 50, .vux = 300,
     .governs = {{Strength::Vnx, "Shear yielding (G2-1)", 0.6 * 50 * 23.9 * 0.44}},
     .check = "Major shear", .ratio = 300 / (0.6 * 50 * 23.9 * 0.44)},
    // C10X15.3 at Fy 36, Q = 1. Flexural: KL/r = 40 / 0.711 = 56.3, Fe = 90.4 ksi, E3-2 Fcr = 30.5 ksi.
    // E4 about x: x0 = e0 + x = 1.43, r0^2 = 17.6, H = 0.884, Fey = 300 ksi, Fez = (pi^2 E Cw / 120^2
    // + G J) / (A r0^2) = 41.2 ksi, E4-5 Fe = 40.5 ksi; on the flexural KL/r (E3-2) Fcr = 24.8 ksi.
    // 50 / (0.9 * 4.48 * 24.8) = 0.5.
    {.what = "channel column braced about y", .section = L"C10X15.3", .fy = 36, .pu = 50, .lx = 120, .ly = 40,
     .lz = 120, .governs = {{Strength::Pn, "Flexural-torsional buckling (E3-2)"}}, .check = "H1-1a"},
    // L4X4X1/4 at Fy 36: b/t = 16 between 0.45 * 28.38 = 12.8 and 0.91 * 28.38 = 25.8, Qs (E7-11) =
    // 0.912; KL/rz = 48 / 0.783 = 61 <= 4.71 sqrt(E/(Q Fy)) = 140. The leg is noncompact (0.54 * 28.38
    // = 15.3 < 16): F10-7 Fy Sc (2.43 - 1.72 (b/t) sqrt(Fy/E)) = 1.46 Fy Sc, below the 1.5 Fy Sc of
    // yielding, with Sc = SwC = 1.76 about w and SzB = 0.778 (the least) about z.
    {.what = "single angle strut", .section = L"L4X4X1/4", .fy = 36, .pu = 5, .lx = 48, .ly = 48,
     .governs = {{Strength::Pn, "Flexural buckling (E7-2)"},
                 {Strength::Mnx, "Leg local buckling (F10-7)", 36 * 1.76 * kLegFactor / 12},
                 {Strength::Mny, "Leg local buckling (F10-7)", 36 * 0.778 * kLegFactor / 12}},
     .check = "H1-1b"},
    // WT9X17.5 at Fy 50, stem in compression, Lb = 0: d/tw = 8.85 / 0.3 = 29.5 > 1.03 * 24.08 = 24.8,
    // F9-11 Fcr = 0.69 E / 29.5^2 = 23.0 ksi, F9-8 Fcr Sx below F9-3 My = Fy Sx.
    {.what = "tee with the stem in compression", .section = L"WT9X17.5", .fy = 50, .mux = -10, .lx = 120, .ly = 120,
     .governs = {{Strength::Mnx, "Stem local buckling (F9-8)", 0.69 * 29000 / (29.5 * 29.5) * 6.21 / 12}},
     .check = "H1-1b"},
    // 2L4X4X1/2 at Fy 36, Q = 1 (b/t = 8 < 12.8), a = 0. Flexural: KL/r = max(60 / 1.21, 120 / 1.69)
    // = 71.0, Fcr = 27.6 ksi (E3-2). E4-2: Fcry = 27.6 ksi, Fcrz = G J / (A r0^2) = 11200 * 0.644 /
    // (7.5 * 2.28^2) = 185 ksi, H = 0.834: Fcr = 26.9 ksi. 50 / (0.9 * 7.5 * 26.9) = 0.28.
    {.what = "double angle strut", .section = L"2L4X4X1/2", .fy = 36, .pu = 50, .lx = 60, .ly = 120,
     .governs = {{Strength::Pn, "Flexural-torsional buckling (E4-2)"}}, .check = "H1-1a"},
    // HSS8X8X3/16 at Fy 50: walls b/t = 43 > 1.40 * 24.08 = 33.7 are slender flanges (Se below S) and
    // compact webs (43 < 2.42 * 24.08 = 58.3); in compression Qa < 1 and KL/r = 60 / 3.18 = 19, so
    // 50 kips are more than 0.2 of at most 0.9 * 50 * 5.37 = 242 kips.
    {.what = "slender square HSS", .section = L"HSS8X8X3/16", .fy = 50, .pu = 50, .lx = 60, .ly = 60,
     .governs = {{Strength::Pn, "Flexural buckling (E7-2)"},
                 {Strength::Mnx, "Flange local buckling (F7-3)"},
                 {Strength::Mny, "Flange local buckling (F7-3)"}},
     .check = "H1-1a"},
    // HSS16.000X0.250 at Fy 42: D/t = 68.7 between 0.07 E/Fy = 48.3 and 0.31 E/Fy = 214; F8-2
    // (0.021 E / (D/t) + Fy) S = 190 kip-ft below Fy Z = 203 kip-ft.
    {.what = "noncompact round HSS", .section = L"HSS16.000X0.250", .fy = 42, .mux = 50,
     .governs = {{Strength::Mnx, "Local buckling (F8-2)", (0.021 * 29000 / 68.7 + 42) * 44.8 / 12},
                 {Strength::Mny, "Local buckling (F8-2)", (0.021 * 29000 / 68.7 + 42) * 44.8 / 12}},
     .check = "H1-1b"},
};

TEST(LimitStates, EachFamilyInARegimeWorkedByHand)
{
    MessageCapture messages;
    for (const Case& c : kCases) {
        const std::unique_ptr<CAiscDesign> design(CSteelDesignManager::Instance()->CreateAiscDesign(c.section));
        ASSERT_NE(design, nullptr) << c.what;
        design->SetPrint(false);
        design->SetMaterial(c.fy);
        design->SetLoads(c.pu, c.mux, 0, 1, 1, c.vux, c.vuy);
        design->SetColumnSlenderness(1, 1, c.lx, c.ly);
        design->SetColumnSlenderness_Torsional(1, c.lz);
        design->SetLateralTorsionalProperty(1, c.lb);
        design->Calculate();
        const LimitStates states = design->GetLimitStates();
        for (const Governs& expected : c.governs) {
            const LimitState* governing = states.Governing(expected.quantity);
            ASSERT_NE(governing, nullptr) << c.what << " " << StrengthText(expected.quantity);
            EXPECT_EQ(std::string(governing->Name) + " (" + governing->Equation + ")", expected.limitState)
                << c.what;
            if (!std::isnan(expected.nominal)) {
                EXPECT_DOUBLE_EQ(governing->Nominal, expected.nominal) << c.what;
            }
        }
        EXPECT_STREQ(GoverningCheckText(states.Check), c.check) << c.what;
        if (!std::isnan(c.ratio)) {
            EXPECT_DOUBLE_EQ(states.Ratio, c.ratio) << c.what;
        }
    }
}

} // namespace
