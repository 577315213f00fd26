#include "CAiscDesignTeeType.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorsteel {

CAiscDesignTeeType::MajorFlexure CAiscDesignTeeType::GetMn_Major(double mx, const TeeSection& section,
                                                                 FunctionRef<ElementLimits()> flangeLimits) const
{
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
    return GetCompactLimits_Element(lambda, std::sqrt(E / fy),
                                    {0.84, L"TblB4.1b.14pf.png", 1.03, L"TblB4.1b.14rf.png", L"Web is compact",
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

} // namespace zorsteel
