#include "CAiscDesignTeeType.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorsteel {

CAiscDesignTeeType::MajorFlexure CAiscDesignTeeType::GetMn_Major(double mx, const TeeSection& section,
                                                                 FunctionRef<ElementLimits()> flangeLimits) const
{
    if (Is360_22()) return GetMn_Major_22(mx, section, flangeLimits);
    const ElementLimits stem = GetWebCompactLimits(section.tw, section.d, Fy);
    PrintLine(L"");
    const ElementLimits flange = flangeLimits();
    PrintLine(L"");

    PrintLine(L"Mnx to account for Yielding");
    const double yielding = GetMn_Yielding(mx, section, Fy);
    double lateral = yielding;
    if (Lb > 0) {
        PrintLine(L"Mnx to account for Lateral-Torsional Buckling");
        lateral = GetMn_LateralTorsional(mx, section, Lb);
    }
    double local;
    if (mx < 0) {
        PrintLine(L"Mnx to account for Tee Stem Local Buckling (stem in compression)");
        local = GetMn_Compact_Web(stem, section, Fy);
    } else {
        PrintLine(L"Mnx to account for Flange Local Buckling (stem in tension)");
        const double sxc = section.Ix / section.y;
        PrintEquationValue(L"Sxc_equal_Ix_y.png", sxc, L"in^3");
        local = GetMn_Compact_Flange(flange, section, Fy, sxc);
    }
    const double mnx = std::min({yielding, lateral, local});
    PrintMomentLine(L"Mnx", mnx);
    return {mnx, flange};
}

double CAiscDesignTeeType::GetMn_Minor(const TeeSection& section, const ElementLimits& flange,
                                       FunctionRef<double()> fcrMinor) const
{
    const double fcr = flange.lambda > flange.lambdaR ? fcrMinor() : Fy;
    return GetMn_Compact_Minor(flange, section, Fy, fcr);
}

CAiscDesign::ElementLimits CAiscDesignTeeType::GetWebCompactLimits(double tw, double d, double fy) const
{
    PrintLine(L"Web compactness:");
    const double lambda = d / tw;
    PrintLine(L"d / tw", lambda, L"");
    // 360-22 raised the stem's noncompact limit from 1.03 to 1.52 sqrt(E/Fy).
    const bool aisc22 = Is360_22();
    return GetCompactLimits_Element(lambda, std::sqrt(E / fy),
                                    {0.84, L"TblB4.1b.14pf.png", aisc22 ? 1.52 : 1.03,
                                     aisc22 ? L"TblB4.1b.14rf22.png" : L"TblB4.1b.14rf.png", L"Web is compact",
                                     L"Web is non-compact", L"Web is slender"});
}

double CAiscDesignTeeType::GetMn_Yielding(double mx, const TeeSection& section, double fy) const
{
    const double my = fy * section.Sx;
    PrintMoment(L"My_equal_Fy_Sx.png", my);
    const double mp = fy * section.Zx;
    double mn;
    std::optional<LimitStateEquation> recorded;
    if (mx < 0) {
        PrintLine(L"Stem in compression");
        mn = std::min(mp, my);
        recorded = LimitStateEquation(Equation::F9_3);
    } else {
        PrintLine(L"Stem in tension");
        mn = std::min(mp, 1.6 * my);
        recorded = LimitStateEquation(Equation::F9_2);
    }
    PrintMoment(recorded->Id(), mn);
    PrintMoment(Equation::F9_1, mn);
    RecordMoment(*recorded, mn);
    return mn;
}

double CAiscDesignTeeType::GetMn_LateralTorsional(double mx, const TeeSection& section, double lb) const
{
    const double d = section.d, iy = section.Iy, j = section.J;
    double b = 2.3 * (d / lb) * std::sqrt(iy / j);
    if (mx < 0) b = -b;                             // stem tip in compression
    PrintEquationValue(Equation::F9_5, b, L"");
    double mcr;
    if (j > 0) {
        mcr = (Pi * std::sqrt(E * iy * G * j) / lb) * (b + std::sqrt(1 + b * b));
    } else {
        // B sqrt(J) stays 2.3 (d / Lb) sqrt(Iy) while B + sqrt(1 + B^2) tends
        // to 2B, or to 0 with the stem tip in compression; F9-4 as written
        // would not be a number, which the least of the limit states drops.
        mcr = mx < 0 ? 0.0 : (Pi * std::sqrt(E * iy * G) / lb) * (2 * (2.3 * (d / lb) * std::sqrt(iy)));
    }
    PrintMoment(Equation::F9_4, mcr);
    RecordMoment(Equation::F9_4, mcr);
    return mcr;
}

double CAiscDesignTeeType::GetMn_Compact_Flange(const ElementLimits& flange, const TeeSection& section, double fy,
                                                double sxc) const
{
    const auto [lambda, lambdaP, lambdaR] = flange;
    const double sx = section.Sx;
    const double mp = fy * section.Zx;
    PrintMoment(L"Mp_equal_Fy_Zx.png", mp);
    double mn;
    std::optional<LimitStateEquation> recorded;  // a compact flange is no limit state
    if (lambda < lambdaP) {
        PrintImage(L"lamda_less_than_lamda_pf.png");
        mn = mp;  // a compact flange does not limit the strength
    } else if (lambda > lambdaR) {
        PrintImage(L"lamda_greater_than_lamda_rf.png");
        mn = 0.7 * E * sxc / (lambda * lambda);
        PrintMoment(Equation::F9_7, mn);
        recorded = LimitStateEquation(Equation::F9_7);
    } else {
        PrintImage(L"lamda_pf_less_than_lamda_less_than_lamda_rf.png");
        mn = std::min(mp - (mp - 0.7 * fy * sxc) * (lambda - lambdaP) / (lambdaR - lambdaP), 1.6 * fy * sx);
        PrintMoment(Equation::F9_6, mn);
        recorded = LimitStateEquation(Equation::F9_6);
    }
    if (recorded) RecordMoment(*recorded, std::min(mp, mn));
    return std::min(mp, mn);
}

double CAiscDesignTeeType::GetMn_Compact_Web(const ElementLimits& stem, const TeeSection& section, double fy) const
{
    const auto [lambda, lambdaP, lambdaR] = stem;
    double fcr;
    Equation equation;
    if (lambda < lambdaP) {
        PrintImage(L"d_tw_less_than_0.84_sqrt_E_Fy.png");
        fcr = fy;
        equation = Equation::F9_9;
    } else if (lambda > lambdaR) {
        PrintImage(L"d_tw_greater_than_1.03_sqrt_E_Fy.png");
        fcr = 0.69 * E / (lambda * lambda);
        equation = Equation::F9_11;
    } else {
        // Not capped: at lambda_p this is slightly above Fy.
        PrintImage(L"0.84_sqrt_E_Fy_less_than_d_tw_less_than_E_Fy.png");
        fcr = (2.55 - 1.84 * lambda * std::sqrt(fy / E)) * fy;
        equation = Equation::F9_10;
    }
    PrintEquationValue(equation, fcr, StressUnit);
    const double mn = fcr * section.Sx;
    PrintMoment(Equation::F9_8, mn);
    RecordMoment(Equation::F9_8, mn);
    return mn;
}

double CAiscDesignTeeType::GetMn_Compact_Minor(const ElementLimits& flange, const TeeSection& section, double fy,
                                               double fcr) const
{
    const auto [lambda, lambdaP, lambdaR] = flange;
    const double zy = section.Zy, sy = section.Sy;
    const double mp = std::min(fy * zy, 1.6 * fy * sy);
    PrintMoment(Equation::F6_1, mp);
    RecordMoment(Equation::F6_1, mp);
    double mn;
    std::optional<LimitStateEquation> recorded;  // a compact flange is no limit state
    if (lambda < lambdaP) {
        PrintImage(L"lamda_less_than_lamda_pf.png");
        mn = mp;
    } else if (lambda > lambdaR) {
        PrintImage(L"lamda_greater_than_lamda_rf.png");
        mn = std::min(fcr * sy, mp);
        PrintMoment(Equation::F6_3, mn);
        recorded = LimitStateEquation(Equation::F6_3);
    } else {
        PrintImage(L"lamda_pf_less_than_lamda_less_than_lamda_rf.png");
        mn = mp - (mp - 0.7 * fy * sy) * (lambda - lambdaP) / (lambdaR - lambdaP);
        PrintMoment(Equation::F6_2, mn);
        recorded = LimitStateEquation(Equation::F6_2);
    }
    mn = std::min(mp, mn);
    if (recorded) RecordMoment(*recorded, mn);
    PrintMomentLine(L"Mny to account for Lateral-Torsional Buckling", mn);
    return mn;
}

double CAiscDesignTeeType::GetCv_Major(double h, double tw, double fy) const
{
    return GetCv_Element(h / tw, L"h_tw.png", 1.2, L"kv_equal_1.2.png", fy);
}

CAiscDesign::CompressionStep CAiscDesignTeeType::GetCompression_TeeType(double q, const wchar_t* qLabel,
                                                                      FunctionRef<double()> torsionalFcr) const
{
    return GetCompression_FlexuralTorsional(
        q,
        {.qLabel = qLabel,
         .blankLineAfterQ = true,
         .torsionalTitle = L"Compressive strength to account for Torsional and Flexural-Torsional Buckling"},
        [&](double) { return torsionalFcr(); });
}

CAiscDesign::CompressionStep CAiscDesignTeeType::GetCompression_TeeType_22(
    std::span<const CompressionElement> elements) const
{
    // E4-3 with the elastic Fey and Fez, then E3-2 / E3-3 by Fy / Fe.
    auto fe = [&] { return GetFe_FlexuralTorsionalBuckling(); };
    const SecondMode22 flexuralTorsional{L"Compressive strength to account for Flexural-Torsional Buckling", fe};
    return GetCompression_22([&] { return GetColumnFe(); }, elements, &flexuralTorsional);
}

double CAiscDesignTeeType::GetShearCentre_y0() const
{
    PrintLine(L"x0", 0, LengthUnit);
    const double y0 = Section.y - Section.tf / 2;
    PrintLine(L"y0", y0, LengthUnit);
    return y0;
}

double CAiscDesignTeeType::GetFey(double klr) const
{
    const double fey = Pi * Pi * E / (klr * klr);
    PrintEquationValue(Equation::E4_8, fey, StressUnit);
    return fey;
}

double CAiscDesignTeeType::GetFcr_FlexuralTorsional(const TorsionalSection& section) const
{
    // The elastic stress may come from a modified slenderness (E6); the branch follows section.klr.
    const double fcry = GetColumnFcr(section.Fey, section.klr);
    PrintLine(L"Fcry", fcry, StressUnit);
    if (section.derived) PrintEquationValue(Equation::E4_11, section.r02, AreaUnit);
    const double fcrz = G * section.J / (Section.A * section.r02);
    PrintEquationValue(Equation::E4_3, fcrz, StressUnit);
    if (section.derived) PrintEquationValue(Equation::E4_10, section.H, L"");
    const double fcr = GetStress_FlexuralTorsional_Braced(fcry, fcrz, section.H);
    PrintEquationValue(Equation::E4_2, fcr, StressUnit);
    Recorder.NoteCriticalStress(Equation::E4_2);
    return fcr;
}

double CAiscDesignTeeType::GetFe_FlexuralTorsional(const TorsionalSection& section) const
{
    if (section.derived) PrintEquationValue(Equation::E4_11, section.r02, AreaUnit);
    PrintLine(L"Omit term with Cw per User Note at end of AISC Specification Section E4.");
    const double fez = G * section.J / (Section.A * section.r02);  // without Cw
    PrintEquationValue(Equation::E4_9, fez, StressUnit);
    if (section.derived) PrintEquationValue(Equation::E4_10, section.H, L"");
    const double fe = GetStress_FlexuralTorsional_Braced(section.Fey, fez, section.H);
    PrintEquationValue(Equation::E4_5, fe, StressUnit);
    return fe;
}

// ---- AISC 360-22 F9 ---------------------------------------------------------------

CAiscDesignTeeType::MajorFlexure CAiscDesignTeeType::GetMn_Major_22(double mx, const TeeSection& section,
                                                                    FunctionRef<ElementLimits()> flangeLimits) const
{
    // A double angle's web legs and flange legs are angle legs (F10.3,
    // case 12); the flange's case 10 limits still serve the minor axis (F6).
    const ElementLimits stem = section.legs ? GetLegCompactLimits(L"Web leg compactness:", section.d, section.tw, Fy)
                                            : GetWebCompactLimits(section.tw, section.d, Fy);
    PrintLine(L"");
    const ElementLimits flange = flangeLimits();
    PrintLine(L"");

    PrintLine(L"Mnx to account for Yielding");
    const double yielding = GetMn_Yielding_F9_1(mx, section, Fy);
    double lateral = yielding;
    if (Lb > 0) {
        PrintLine(L"Mnx to account for Lateral-Torsional Buckling");
        lateral = mx < 0 ? GetMn_LateralTorsional_F9_13(section, Lb, Fy)
                         : GetMn_LateralTorsional_F9_6(section, Lb, Fy, yielding);
    }
    double local;
    if (mx < 0) {
        if (section.legs) {
            PrintLine(L"Mnx to account for Leg Local Buckling (web legs in compression)");
            PrintLine(L"Sc = Sx");
            local = GetMn_LegLocalBuckling(stem, Fy, section.Sx, yielding);
        } else {
            PrintLine(L"Mnx to account for Tee Stem Local Buckling (stem in compression)");
            local = GetMn_StemLocalBuckling_F9_16(stem, section, Fy);
        }
    } else {
        PrintLine(L"Mnx to account for Flange Local Buckling (stem in tension)");
        const double sxc = section.Ix / section.y;
        PrintEquationValue(L"Sxc_equal_Ix_y.png", sxc, L"in^3");
        if (section.legs) {
            const ElementLimits leg = GetLegCompactLimits(L"Flange leg compactness:", flange.lambda, 1.0, Fy);
            local = GetMn_LegLocalBuckling(leg, Fy, sxc, yielding);
        } else {
            local = GetMn_Compact_Flange(flange, section, Fy, sxc); // F9-14, F9-15
        }
    }
    const double mnx = std::min({yielding, lateral, local});
    PrintMomentLine(L"Mnx", mnx);
    return {mnx, flange};
}

double CAiscDesignTeeType::GetMn_Yielding_F9_1(double mx, const TeeSection& section, double fy) const
{
    const double my = fy * section.Sx;
    PrintMoment(Equation::F9_3_22, my);
    double mp;
    if (mx >= 0) {
        PrintLine(L"Stem in tension");
        mp = std::min(fy * section.Zx, 1.6 * my);
        PrintMoment(Equation::F9_2, mp);
        RecordMoment(Equation::F9_2, mp);
    } else if (section.legs) {
        PrintLine(L"Web legs in compression");
        mp = 1.5 * my;
        PrintMoment(Equation::F9_5_22, mp);
        RecordMoment(Equation::F9_5_22, mp);
    } else {
        PrintLine(L"Stem in compression");
        mp = my;
        PrintMoment(Equation::F9_3, mp); // F9-4 in 360-22
        RecordMoment(Equation::F9_3, mp);
    }
    PrintMoment(Equation::F9_1, mp);
    return mp;
}

double CAiscDesignTeeType::GetMcr_F9_10(double mx, const TeeSection& section, double lb) const
{
    const double iy = section.Iy, j = section.J;
    // B sqrt(Iy J) = +-2.3 (d / Lb) Iy: Mcr = (1.95 E / Lb)(B sqrt(Iy J) + sqrt(Iy J + (B sqrt(Iy J))^2)).
    const double bRoot = 2.3 * (section.d / lb) * iy * (mx < 0 ? -1 : 1);
    if (j > 0) PrintEquationValue(mx < 0 ? Equation::F9_12_22 : Equation::F9_5, bRoot / std::sqrt(iy * j), L"");
    const double mcr = (1.95 * E / lb) * (bRoot + std::sqrt(iy * j + bRoot * bRoot));
    PrintMoment(Equation::F9_4, mcr); // F9-10 in 360-22
    return mcr;
}

double CAiscDesignTeeType::GetMn_LateralTorsional_F9_6(const TeeSection& section, double lb, double fy, double mp) const
{
    const double lp = 1.76 * section.ry * std::sqrt(E / fy);
    PrintEquationValue(Equation::F9_8_22, Feet(lp), LongLengthUnit);
    // F9-9 as sqrt(Iy (2.36 (Fy/E) d Sx + J)) / Sx, the same product, a number for J = 0 too.
    const double lr =
        1.95 * (E / fy) * std::sqrt(section.Iy * (2.36 * (fy / E) * section.d * section.Sx + section.J)) / section.Sx;
    PrintEquationValue(Equation::F9_9_22, Feet(lr), LongLengthUnit);
    if (lb <= lp) {
        PrintLine(L"Lb <= Lp: lateral-torsional buckling does not apply");
        return mp;
    }
    double mn;
    if (lb <= lr) {
        PrintLine(L"Lp < Lb <= Lr");
        const double my = fy * section.Sx;
        mn = mp - (mp - my) * (lb - lp) / (lr - lp);
        PrintMoment(Equation::F9_6_22, mn);
        RecordMoment(Equation::F9_6_22, mn);
    } else {
        PrintLine(L"Lb > Lr");
        mn = GetMcr_F9_10(1, section, lb);
        PrintMoment(Equation::F9_7_22, mn);
        RecordMoment(Equation::F9_7_22, mn);
    }
    return mn;
}

double CAiscDesignTeeType::GetMn_LateralTorsional_F9_13(const TeeSection& section, double lb, double fy) const
{
    const double mcr = GetMcr_F9_10(-1, section, lb);
    const double my = fy * section.Sx;
    double mn;
    if (!section.legs) {
        mn = std::min(mcr, my);
        PrintMoment(Equation::F9_13_22, mn);
        RecordMoment(Equation::F9_13_22, mn);
    } else {
        mn = GetMn_LateralTorsional_F10_2(mcr, my);
    }
    return mn;
}

double CAiscDesignTeeType::GetMn_StemLocalBuckling_F9_16(const ElementLimits& stem, const TeeSection& section,
                                                         double fy) const
{
    const auto [lambda, lambdaP, lambdaR] = stem;
    double fcr;
    Equation equation;
    if (lambda <= lambdaP) {
        PrintImage(L"d_tw_less_than_0.84_sqrt_E_Fy.png");
        fcr = fy;
        equation = Equation::F9_9; // F9-17
    } else if (lambda <= lambdaR) {
        PrintImage(L"0.84_sqrt_E_Fy_less_than_d_tw_less_than_1.52_sqrt_E_Fy.png");
        fcr = (1.43 - 0.515 * lambda * std::sqrt(fy / E)) * fy;
        equation = Equation::F9_10; // F9-18
    } else {
        PrintImage(L"d_tw_greater_than_1.52_sqrt_E_Fy.png");
        fcr = 1.52 * E / (lambda * lambda);
        equation = Equation::F9_11; // F9-19
    }
    PrintEquationValue(equation, fcr, StressUnit);
    const double mn = fcr * section.Sx;
    PrintMoment(Equation::F9_8, mn); // F9-16
    RecordMoment(Equation::F9_8, mn);
    return mn;
}

} // namespace zorsteel
