#include "CAiscDesignL.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "../platform/zorTools.h"

using namespace zorsteel;

namespace {

// Leg lengths in inches are equal when they agree to within this.
constexpr double kLegTolerance = 5e-07;

struct BetawRow
{
    double b, d;   // long and short leg, in
    double betaw;  // in
};

// Commentary Table C-F10.1.
constexpr BetawRow kBetawTable[] = {
    {8, 6, 3.31},     {8, 4, 5.48},   {7, 4, 4.37},   {6, 4, 3.14},   {6, 3.5, 3.69},
    {5, 3.5, 2.40},   {5, 3, 2.99},   {4, 3.5, 0.87}, {4, 3, 1.65},   {3.5, 3, 0.87},
    {3.5, 2.5, 1.62}, {3, 2.5, 0.86}, {3, 2, 1.56},   {2.5, 2, 0.85}, {2.5, 1.5, 1.49},
};

} // namespace

int CAiscDesignL::Calculate()
{
    const mvSect_AISC& s = Section;
    ElementLimits leg{};  // found with the w axis and reused about z

    return RunCheckSequence({
        .compression =
            [&] {
                if (Is360_22()) return GetCompression_360_22();
                const double qs = GetQs_Unstiffened(s.b, s.t, E, Fy);
                PrintLine(L"");
                PrintLine(L"Compressive strength to account for Flexural Buckling");
                const ColumnSlenderness column = AppliesE5() ? GetColumnFe_E5() : GetColumnFe();
                double fcr;
                if (qs == 1.0) {
                    fcr = GetColumnFcr(column.Fe, column.KLr);
                } else {
                    PrintLine(L"Q = Qs", qs, L"");
                    fcr = GetColumnFcr_Slender(column.Fe, column.KLr, qs);
                }
                // A single angle is not checked for flexural-torsional buckling:
                // the squash load stands in for that mode.
                const double pnFlexural = GetPn_FlexuralBuckling(fcr, s.A);
                return CompressionStep{pnFlexural, GetPn_SquashLoad(pnFlexural)};
            },
        .majorFlexure =
            [&](double mw) {
                leg = GetLegCompactLimits(L"Long leg local compactness:", s.b, s.t, Fy);
                PrintLine(L"");
                PrintLine(L"Mnw to account for Yielding");
                const Yielding yielding = GetMn_Yielding(Fy, mw);
                PrintLine(L"Mnw to account for Lateral-Torsional Buckling");
                const double lateral = GetMn_LateralTorsional(s, Cb, Lb, yielding.My);
                PrintLine(L"Mnw to account for Leg Local Buckling");
                const double local = GetMn_Compact(leg, Fy, yielding.Sc, yielding.Mn);
                const double mnw = std::min({yielding.Mn, lateral, local});
                PrintMomentLine(L"Mnw", mnw);
                return mnw;
            },
        .minorFlexure =
            [&](double mz) {
                PrintLine(L"Mnz to account for Yielding");
                const Yielding yielding = GetMn_Yielding_Minor(Fy, mz);
                // No lateral-torsional buckling about the minor principal axis.
                PrintLine(L"Mnz to account for Leg Local Buckling");
                // F10.3 concerns a toe in compression; 360-10's code keeps it with the heel in compression too.
                const bool heelInCompression = Is360_22() && mz < 0;
                if (heelInCompression) PrintLine(L"Heel in compression (Muz < 0): no leg local buckling (F10.3)");
                const double local =
                    heelInCompression ? yielding.Mn : GetMn_Compact(leg, Fy, yielding.Sc, yielding.Mn);
                const double mnz = std::min(yielding.Mn, local);
                PrintMomentLine(L"Mnz", mnz);
                return mnz;
            },
        .majorShear =
            [&] {
                PrintImage(L"Aw_b_t.png");
                const double cv = GetCv_Major(s.b, s.t, Fy);
                return ShearStep{GetVn(Fy, s.b * s.t, cv, Equation::G3_1_22), GetPhiv(s.b, s.t, Fy)};
            },
        .minorShear =
            [&] {
                PrintImage(L"Aw_equal_d_t.png");
                const double cv = GetCv_Minor(s.d, s.t, Fy);
                return GetVn(Fy, s.d * s.t, cv, Equation::G3_1_22);
            },
        // Principal-axis strengths are compared with principal-axis moments
        // only, amplified or not.
        .designAxes = [&] { return GetPrincipalMoments(); },
        .magnificationIx = s.Iw,
        .magnificationIy = s.Iz,
        .workingMomentsLine = L"Mrx = Muw; Mry = Muz",
        .majorFlexureHeader = L"Principal w-w Axis Flexural Capacity Calculation",
        .minorFlexureHeader = L"Principal z-z Axis Flexural Capacity Calculation",
        .majorDesignImage = L"Mcbw_equal_phi_b_Mnw.png",
        .minorDesignImage = L"Mcbz_equal_phi_b_Mnz.png",
    });
}

CAiscDesign::WorkingMoments CAiscDesignL::GetPrincipalMoments() const { return ToDesignAxes(Mux, Muy); }

CAiscDesign::WorkingMoments CAiscDesignL::ToDesignAxes(double mx, double my) const
{
    const double alpha = std::atan(Section.tan_a);
    return {.Mrx = my * std::sin(alpha) - mx * std::cos(alpha), .Mry = mx * std::sin(alpha) + my * std::cos(alpha)};
}

bool CAiscDesignL::AppliesE5() const
{
    if (!FullRules() || ConnectedLeg == AngleLeg::Unknown) return false;
    // E5 covers an angle connected by its short leg only below bl / bs = 1.7.
    return !IsShortLegConnected() || Section.b / Section.d < 1.7;
}

bool CAiscDesignL::IsShortLegConnected() const
{
    return ConnectedLeg == AngleLeg::Short && !is_equal(Section.b, Section.d, kLegTolerance);
}

CAiscDesign::ColumnSlenderness CAiscDesignL::GetColumnFe_E5() const
{
    const mvSect_AISC& s = Section;
    SingleAngleE5 = true;
    const bool shortLeg = IsShortLegConnected();
    PrintLine(shortLeg ? L"Effective slenderness (E5), connected by the short leg"
                       : L"Effective slenderness (E5), connected by the long leg");
    // rx of E5 is about the geometric axis parallel to the connected leg: y
    // runs along the long leg b, x along the short leg d. L is the length Lx.
    const double r = shortLeg ? s.rx : s.ry;
    PrintLine(shortLeg ? L"r about the axis parallel to the connected leg = rx"
                       : L"r about the axis parallel to the connected leg = ry",
              r, LengthUnit);
    const double lr = Lx / r;
    PrintLine(L"L / r = Lx / r", lr, L"");
    double klr;
    Equation equation;
    if (!SpaceTruss) {
        // E5(a): single members and web members of planar trusses.
        if (lr <= 80) {
            klr = 72 + 0.75 * lr;
            equation = Equation::E5_1;
        } else {
            klr = 32 + 1.25 * lr;
            equation = Equation::E5_2;
        }
    } else if (lr <= 75) {  // E5(b): web members of box and space trusses
        klr = 60 + 0.8 * lr;
        equation = Equation::E5_3;
    } else {
        klr = 45 + lr;
        equation = Equation::E5_4;
    }
    PrintEquationValue(equation, klr, L"");
    if (shortLeg) {
        const double legs = s.b / s.d;
        const double addition = (SpaceTruss ? 6 : 4) * (legs * legs - 1);
        const wchar_t* additionLine = SpaceTruss ? L"Unequal legs: KL/r + 6[(bl / bs)^2 - 1]"
                                                 : L"Unequal legs: KL/r + 4[(bl / bs)^2 - 1]";
        if (Is360_22())
            additionLine = SpaceTruss ? L"Unequal legs: Lc/r + 6[(bl / bs)^2 - 1]"
                                      : L"Unequal legs: Lc/r + 4[(bl / bs)^2 - 1]";
        PrintLine(additionLine, klr + addition, L"");
        const double floor = (SpaceTruss ? 0.82 : 0.95) * Lx / s.rz;
        PrintLine(SpaceTruss ? L"At least 0.82 L / rz" : L"At least 0.95 L / rz", floor, L"");
        klr = std::max(klr + addition, floor);
        PrintLine(Is360_22() ? L"Lc/r" : L"KL/r", klr, L"");
    }
    // Under 360-22 an E5 slenderness above 200 leaves E5 (its condition 4): the caller decides.
    if (!Is360_22()) CheckKL_R(klr, klr);
    const double fe = Pi * Pi * E / (klr * klr);
    PrintEquationValue(Equation::E3_4, fe, StressUnit);
    return {klr, fe};
}

// ---- Compression by AISC 360-22 (E3, E4, E5, E7) ----------------------------------

namespace {

constexpr const char* kOutsideE5LegRatio =
    "single angle with bl / bs of 1.7 or more: outside E5 (its condition 5), the member is checked without the E5 "
    "slenderness (the longer of Kx Lx and Ky Ly as the effective length about z) and its end eccentricity is not "
    "checked (Chapter H)";
constexpr const char* kOutsideE5Slenderness =
    "single angle whose E5 slenderness Lc/r is above 200: outside E5 (its condition 4), the member is checked "
    "without the E5 slenderness (the longer of Kx Lx and Ky Ly as the effective length about z) and its end "
    "eccentricity is not checked (Chapter H)";

} // namespace

CAiscDesign::CompressionStep CAiscDesignL::GetCompression_360_22() const
{
    const mvSect_AISC& s = Section;
    const double root = std::sqrt(E / Fy);
    // Table B4.1a case 3, each leg on its own.
    const CompressionElement elements[] = {
        {L"Unstiffened long leg b / t", s.b / s.t, 0.45 * root, s.b, s.t, 1, kUnstiffenedElement},
        {L"Unstiffened short leg b / t", s.d / s.t, 0.45 * root, s.d, s.t, 1, kUnstiffenedElement},
    };
    // E7 takes Fn by E3 only for single angles: flexural buckling with the E5 slenderness where it applies.
    auto column = [&]() -> ColumnSlenderness {
        if (ConnectedLeg != AngleLeg::Unknown && !is_equal(s.b, s.d, kLegTolerance) && !(s.b / s.d < 1.7)) {
            PrintLine(L"bl / bs of 1.7 or more: E5 does not apply (condition 5)");
            CompressionNote = kOutsideE5LegRatio;
            return GetColumnFe();
        }
        if (!AppliesE5()) return GetColumnFe();
        const ColumnSlenderness e5 = GetColumnFe_E5();
        if (e5.KLr <= KLrLimit) return e5;
        PrintLine(L"Lc/r of E5 above 200: E5 does not apply (condition 4)");
        SingleAngleE5 = false;
        CompressionNote = kOutsideE5Slenderness;
        return GetColumnFe();
    };
    // E5: flexural-torsional buckling (E4) only for a longest leg b / t above 0.71 sqrt(E/Fy).
    const double limit = 0.71 * root;
    PrintLine(L"Long leg b / t", s.b / s.t, L"");
    PrintEquationValue(L"0.71_sqrt_E_Fy.png", limit, L"");
    if (!(s.b / s.t > limit)) {
        PrintLine(L"b / t <= 0.71 sqrt(E / Fy): flexural-torsional buckling need not be considered");
        PrintLine(L"");
        return GetCompression_22(column, elements, nullptr);
    }
    PrintLine(L"b / t > 0.71 sqrt(E / Fy): flexural-torsional buckling (E4) is considered");
    SingleAngleFtb = true;
    PrintLine(L"");
    // E4-1 on Ag: E4 names these slender angles itself, and E7 keeps them to E3.
    auto fe = [&] { return GetFe_FlexuralTorsional_360_22(); };
    const SecondMode22 flexuralTorsional{L"Compressive strength to account for Flexural-Torsional Buckling", fe,
                                         true};
    return GetCompression_22(column, elements, &flexuralTorsional);
}

double CAiscDesignL::GetFe_FlexuralTorsional_360_22() const
{
    const mvSect_AISC& s = Section;
    // The shear centre at the legs' mid-thickness lines, about the principal
    // axes: the long leg runs along y, the short along x, and w lies at
    // alpha = arctan(tan_a) from x towards the long leg.
    const double alpha = std::atan(s.tan_a);
    const double dx = s.t / 2 - s.x, dy = s.t / 2 - s.y;
    const double w0 = dx * std::cos(alpha) + dy * std::sin(alpha);
    const double z0 = dy * std::cos(alpha) - dx * std::sin(alpha);
    PrintLine(L"Shear centre on w, w0", w0, LengthUnit);
    PrintLine(L"Shear centre on z, z0", z0, LengthUnit);
    const double r02 = w0 * w0 + z0 * z0 + (s.Iw + s.Iz) / s.A;
    PrintEquationValue(Equation::E4_11, r02, AreaUnit);
    // Lcx = Kx Lx about both principal axes, as the flexural check reads it.
    const double lc = Kx * Lx;
    PrintLine(L"Lcx", lc, LengthUnit);
    const double rw = std::sqrt(s.Iw / s.A);
    const double few = Pi * Pi * E / ((lc / rw) * (lc / rw));
    PrintLine(L"Few = pi^2 E / (Lcx / rw)^2", few, StressUnit);
    const double lcz = Kz * Lz;
    PrintLine(L"Lcz", lcz, LengthUnit);
    // Lcz = 0: braced against twist.
    const double warping = lcz == 0 ? std::numeric_limits<double>::infinity() : Pi * Pi * E * s.Cw / (lcz * lcz);
    const double fez = (warping + G * s.J) / (s.A * r02);
    PrintEquationValue(Equation::E4_9, fez, StressUnit);
    if (is_equal(s.b, s.d, kLegTolerance)) {
        // Equal legs: w is the axis of symmetry, and the shear centre lies on it.
        const double h = 1 - w0 * w0 / r02;
        PrintEquationValue(Equation::E4_10, h, L"");
        const double fe = GetStress_FlexuralTorsional_Braced(few, fez, h);
        PrintEquationValue(Equation::E4_5, fe, StressUnit);
        return fe;
    }
    const double fezFlexural = Pi * Pi * E / ((lc / s.rz) * (lc / s.rz));
    PrintLine(L"Fe about z = pi^2 E / (Lcx / rz)^2", fezFlexural, StressUnit);
    // E4-4 with x = z and y = w.
    return GetFe_E4_4(fezFlexural, few, fez, z0, w0, r02);
}

void CAiscDesignL::ComputeMomentMagnification(double& mw, double& mz, double a, double iw, double iz)
{
    // Unamplified, the moments stay as the check sequence resolved them.
    if (!ConsiderB1) return;
    const WorkingMoments principal = GetPrincipalMoments();
    PrintLine(L"");
    PrintHeader(L"Moment Magnification Calculation");
    const double tauB = GetTau_b(Pr, a, Fy);

    PrintLine(L"Moment magnifier B1 for P-delta effects in w-w direction");
    PrintLine(L"Iw", iw, L"in^4");
    const double b1w = GetB1({.Cm = Cmx, .I = iw, .K = GetK_Pe1(Kx, K1x), .L = Lx}, Pr, tauB);
    mw = b1w * principal.Mrx;
    PrintEquationValue(L"Muw_equal_Mux_cosa_Muy_sina.png", mw, MomentUnit);
    PrintLine(L"Magnified Muw = Muw * B1", mw, MomentUnit);

    PrintLine(L"");
    PrintLine(L"Moment magnifier B1 for P-delta effects in z-z direction");
    PrintLine(L"Iz", iz, L"in^4");
    const double b1z = GetB1({.Cm = Cmy, .I = iz, .K = GetK_Pe1(Ky, K1y), .L = Ly}, Pr, tauB);
    mz = b1z * principal.Mry;
    PrintEquationValue(L"Muz_equal_Mux_sina_Muy_cosa.png", mz, MomentUnit);
    PrintLine(L"Magnified Muz = Muz * B1", mz, MomentUnit);

    B1x = b1w;
    B1y = b1z;
}

double CAiscDesignL::GetFcr_Minor(double b, double t) const { return GetFcr_Element(b / t); }

double CAiscDesignL::GetCv_Minor(double d, double t, double fy) const
{
    return GetCv_Element(d / t, L"h_t_equal_d_t.png", 1.2, L"kv_equal_1.2.png", fy);
}

double CAiscDesignL::GetCv_Major(double b, double t, double fy) const
{
    return GetCv_Element(b / t, L"h_tw_equal_b_t.png", 1.2, L"kv_equal_1.2.png", fy);
}

double CAiscDesignL::GetQs_Unstiffened(double b, double t, double e, double fy) const
{
    return GetQs_AngleLeg(b, t, e, fy);
}

CAiscDesign::ColumnSlenderness CAiscDesignL::GetColumnFe() const
{
    // Flexural buckling about the minor principal axis, with the x-axis length;
    // under 360-22 with the longer of the two lengths, so that a member longer
    // about y is not checked over the shorter length (about z, the least r,
    // whichever axis the user's lengths meant).
    double lc = Kx * Lx;
    if (Is360_22() && Ky * Ly > lc) {
        lc = Ky * Ly;
        PrintLine(L"Lc = Ky Ly, the longer of Kx Lx and Ky Ly", lc, LengthUnit);
    }
    const double klr = lc / Section.rz;
    PrintEquationValue(Is360_22() ? L"Lc_r_z.png" : L"KL_r_z.png", klr, L"");
    CheckKL_R(klr, klr);
    const double fe = Pi * Pi * E / (klr * klr);
    PrintEquationValue(Equation::E3_4, fe, StressUnit);
    return {klr, fe};
}

double CAiscDesignL::GetMy_Point(double fy, double s, const wchar_t* myImage, const wchar_t* mnImage) const
{
    const double my = fy * s;
    PrintMoment(myImage, my);
    PrintMoment(mnImage, 1.5 * my);
    return my;
}

CAiscDesignL::Yielding CAiscDesignL::GetMn_Yielding(double fy, double muw) const
{
    const mvSect_AISC& s = Section;
    const double myA = GetMy_Point(fy, s.SwA, L"MywA_equal_Fy_SwA.png", L"MnwA_equal_1.5MywA.png");
    // A row without a modulus at point B (equal legs) leaves that point out.
    const bool pointB = s.SwB != 0;
    const double myB = pointB ? GetMy_Point(fy, s.SwB, L"MywB_equal_Fy_SwB.png", L"MnwB_equal_1.5MywB.png") : 0;
    const double myC = GetMy_Point(fy, s.SwC, L"MywC_equal_Fy_SwC.png", L"MnwC_equal_1.5MywC.png");
    const double my = pointB ? std::min({myA, myB, myC}) : std::min(myA, myC);
    const double mn = 1.5 * my;
    PrintLine(L"For the limit state of yielding about the w-w axis");
    PrintMoment(L"Mnw.png", mn);
    RecordMoment(Equation::F10_1, mn);
    return {.Mn = mn, .My = my, .Sc = muw > 0 ? s.SwA : s.SwC};
}

CAiscDesignL::Yielding CAiscDesignL::GetMn_Yielding_Minor(double fy, double muz) const
{
    const mvSect_AISC& s = Section;
    const double myA = GetMy_Point(fy, s.SzA, L"MyzA_equal_Fy_SzA.png", L"MnzA_equal_1.5MyzA.png");
    const double myB = GetMy_Point(fy, s.SzB, L"MyzB_equal_Fy_SzB.png", L"MnzB_equal_1.5MyzB.png");
    const double myC = GetMy_Point(fy, s.SzC, L"MyzC_equal_Fy_SzC.png", L"MnzC_equal_1.5MyzC.png");
    const double mn = std::min({1.5 * myA, 1.5 * myB, 1.5 * myC});
    PrintLine(L"For the limit state of yielding about the z-z axis");
    PrintMoment(L"Mnz.png", mn);
    RecordMoment(Equation::F10_1, mn);
    return {.Mn = mn, .My = std::min({myA, myB, myC}), .Sc = muz > 0 ? std::min(s.SzA, s.SzC) : s.SzB};
}

double CAiscDesignL::GetMn_LateralTorsional(const mvSect_AISC& section, double cb, double lb, double my) const
{
    if (Is360_22()) {
        const double mcr = GetMcr_F10_4(section, cb, lb);
        PrintMoment(L"My.png", my);
        return GetMn_LateralTorsional_F10_2(mcr, my);
    }
    const double b = section.b, d = section.d, t = section.t;
    double me;
    Equation elastic;
    if (is_equal(b, d, kLegTolerance)) {
        PrintLine(L"Elastic lateral-torsonal buckling moment for equal-leg angles");
        me = 0.46 * E * (b * b) * (t * t) * cb / lb;
        elastic = Equation::F10_4;
    } else {
        PrintLine(L"Elastic lateral-torsonal buckling moment for unequal-leg angles");
        // beta_w enters negative whatever the moment's sign: the value of a
        // long leg in compression, which gives the lower Me.
        const double betaw = -GetBetaw(b, d);
        PrintEquationValue(L"beta_w.png", betaw, LengthUnit);
        const double slenderness = lb * t / section.rz;
        me = (4.9 * E * section.Iz * cb / (lb * lb)) *
             (std::sqrt(betaw * betaw + 0.052 * (slenderness * slenderness)) + betaw);
        elastic = Equation::F10_5;
    }
    PrintMoment(elastic, me);
    PrintMoment(L"My.png", my);
    double mn;
    if (me <= my) {
        PrintImage(L"Me_less_than_My.png");
        mn = (0.92 - 0.17 * me / my) * me;
        PrintMoment(Equation::F10_2, mn);
        RecordMoment(Equation::F10_2, mn);
    } else {
        // Also taken when Me is not a number (unequal legs with Lb = 0): the cap 1.5 My.
        PrintImage(L"Me_greater_than_My.png");
        mn = std::min(1.5 * my, (1.92 - 1.17 * std::sqrt(my / me)) * my);
        PrintMoment(Equation::F10_3, mn);
        RecordMoment(Equation::F10_3, mn);
    }
    return mn;
}

double CAiscDesignL::GetMcr_F10_4(const mvSect_AISC& section, double cb, double lb) const
{
    const double t = section.t, rz = section.rz;
    double betaw = 0; // equal legs
    if (is_equal(section.b, section.d, kLegTolerance)) {
        PrintLine(L"Elastic lateral-torsonal buckling moment for equal-leg angles (beta_w = 0)");
    } else {
        PrintLine(L"Elastic lateral-torsonal buckling moment for unequal-leg angles");
        betaw = -GetBetaw(section.b, section.d); // the long leg in compression, as under 360-10
        PrintEquationValue(L"beta_w.png", betaw, LengthUnit);
    }
    if (cb > 1.5) PrintLine(L"Cb taken as 1.5, the most F10.2 allows", 1.5, L"");
    const double k = 4.4 * betaw * rz / (lb * t);
    const double mcr = (9 * E * section.A * rz * t * std::min(cb, 1.5) / (8 * lb)) * (std::sqrt(1 + k * k) + k);
    PrintMoment(Equation::F10_4, mcr);
    return mcr;
}

double CAiscDesignL::GetBetaw(double b, double d) const
{
    for (const BetawRow& row : kBetawTable) {
        if (is_equal(b, row.b, kLegTolerance) && is_equal(d, row.d, kLegTolerance)) return row.betaw;
    }
    return 0.0;
}

double CAiscDesignL::GetMn_Compact(const ElementLimits& leg, double fy, double sc, double mnYield) const
{
    return GetMn_LegLocalBuckling(leg, fy, sc, mnYield);
}
