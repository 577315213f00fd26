// Axial limit states shared by every shape: tensile yielding (D2), column
// slenderness, flexural buckling without (E3) and with (E7) slender elements,
// and the torsional or flexural-torsional second mode (E4) of the shapes
// that have one.
#include <algorithm>
#include <cmath>
#include <limits>

#include "CAiscDesign.h"

using namespace zorsteel;

CAiscDesign::ColumnSlenderness CAiscDesign::GetColumnFe() const
{
    // 360-22 writes the effective length Lc = K L.
    const bool lc = Is360_22();
    const double klrX = Kx * Lx / Section.rx;
    PrintEquationValue(lc ? L"Lcx_rx.png" : L"kx_lx_rx.png", klrX, L"");
    const double klrY = Ky * Ly / Section.ry;
    PrintEquationValue(lc ? L"Lcy_ry.png" : L"ky_ly_ry.png", klrY, L"");
    CheckKL_R(klrX, klrY);
    const double klr = std::max(klrX, klrY);
    PrintEquationValue(lc ? L"Lc_r_max.png" : L"KL_r_max.png", klr, L"");
    const double fe = Pi * Pi * E / (klr * klr);
    PrintEquationValue(Equation::E3_4, fe, StressUnit);
    return {klr, fe};
}

bool CAiscDesign::CheckKL_R(double klrX, double klrY) const
{
    if (klrX > KLrLimit || klrY > KLrLimit) {
        PrintWarning(L"Warning: Column too slender");
        ErrorCode = 2;
        return false;
    }
    return true;
}

double CAiscDesign::GetColumnFcr(double fe, double klr) const
{
    const double limit = 4.71 * std::sqrt(E / Fy);
    PrintEquationValue(L"4.71_sqrt_E_Fy.png", limit, L"");
    double fcr;
    Equation equation;
    // The branch follows KL/r, also when fe is a torsional buckling stress.
    if (klr <= limit) {
        PrintImage(L"KL_r_less_than_4.71_sqrt_E_Fy.png");
        fcr = std::pow(0.658, Fy / fe) * Fy;  // inelastic buckling
        equation = Equation::E3_2;
    } else {
        PrintImage(L"KL_r_greater_than_4.71_sqrt_E_Fy.png");
        fcr = 0.877 * fe;  // elastic buckling
        equation = Equation::E3_3;
    }
    PrintEquationValue(equation, fcr, StressUnit);
    Recorder.NoteCriticalStress(equation);
    return fcr;
}

double CAiscDesign::GetColumnFcr_Slender(double fe, double klr, double q) const
{
    const double limit = 4.71 * std::sqrt(E / (q * Fy));
    PrintEquationValue(L"4.71_sqrt_E_QFy.png", limit, L"");
    double fcr;
    Equation equation;
    if (klr <= limit) {
        PrintImage(L"KL_r_less_than_4.71_sqrt_E_QFy.png");
        fcr = q * std::pow(0.658, q * Fy / fe) * Fy;
        equation = Equation::E7_2;
    } else {
        PrintImage(L"KL_r_greater_than_4.71_sqrt_E_QFy.png");
        fcr = 0.877 * fe;
        equation = Equation::E7_3;
    }
    PrintEquationValue(equation, fcr, StressUnit);
    Recorder.NoteCriticalStress(equation);
    return fcr;
}

double CAiscDesign::GetPn_FlexuralBuckling(double fcr, double ag) const
{
    const double pn = fcr * ag;
    PrintEquationValue(Equation::E3_1, pn, ForceUnit);
    Recorder.AddOnCriticalStress(Equation::E3_1, pn);
    return pn;
}

double CAiscDesign::GetPn_FlexuralTorsionalBuckling(double fcr, double ag) const
{
    const double pn = fcr * ag;
    PrintEquationValue(Equation::E4_1, pn, ForceUnit);
    Recorder.AddOnCriticalStress(Equation::E4_1, pn);
    return pn;
}

double CAiscDesign::GetPn_Tension(double fy, double ag) const
{
    const double pn = fy * ag;
    PrintEquationValue(Equation::D2_1, pn, ForceUnit);
    Recorder.Add(Equation::D2_1, pn);
    return pn;
}

double CAiscDesign::GetPn_SquashLoad(double pnFlexural) const
{
    const double py = Fy * Section.A;
    // As GetPn decides: the squash load is kept only when it is not at least the flexural strength.
    if (!(py >= pnFlexural)) Recorder.Add(Equation::SquashLoad, py);
    return py;
}

double CAiscDesign::GetPn(double pnFlexural, double pnSecondMode) const
{
    if (pnSecondMode >= pnFlexural) {
        PrintLine(L"Flexural Buckling Controls:  Pn", pnFlexural, ForceUnit);
        return pnFlexural;
    }
    PrintLine(L"Flexural-Torsonal Buckling Controls:  Pn", pnSecondMode, ForceUnit);
    return pnSecondMode;
}

CAiscDesign::CriticalStress CAiscDesign::GetFlexuralBucklingFcr(double q, const wchar_t* qLabel,
                                                                bool blankLineAfterQ) const
{
    PrintLine(L"Compressive strength to account for Flexural Buckling");
    const ColumnSlenderness column = GetColumnFe();
    if (q == 1.0) return {GetColumnFcr(column.Fe, column.KLr), column.KLr};
    PrintLine(qLabel, q, L"");
    if (blankLineAfterQ) PrintLine(L"");
    return {GetColumnFcr_Slender(column.Fe, column.KLr, q), column.KLr};
}

CAiscDesign::CompressionStep CAiscDesign::GetCompression_FlexuralOnly(double q, const wchar_t* qLabel) const
{
    const double pnFlexural = GetPn_FlexuralBuckling(GetFlexuralBucklingFcr(q, qLabel).Fcr, Section.A);
    return CompressionStep{pnFlexural, GetPn_SquashLoad(pnFlexural)};
}

CAiscDesign::CompressionStep CAiscDesign::GetCompression_FlexuralTorsional(
    double q, const TorsionalCompressionTexts& texts, FunctionRef<double(double klr)> torsionalFcr) const
{
    const CriticalStress flexural = GetFlexuralBucklingFcr(q, texts.qLabel, texts.blankLineAfterQ);
    const double pnFlexural = GetPn_FlexuralBuckling(flexural.Fcr, Section.A);
    if (!ConsiderFlexuralTorsionalBuckling()) return CompressionStep{pnFlexural, GetPn_SquashLoad(pnFlexural)};
    // E4: the branch between E3-2 and E3-3 (E7-2 and E7-3) still follows the flexural KL/r.
    double fcrSecondMode;
    if (q == 1.0) {
        PrintLine(texts.torsionalTitle);
        fcrSecondMode = torsionalFcr(flexural.KLr);
    } else {
        PrintLine(L"Compressive strength to account for Flexural-Torsional Buckling");
        fcrSecondMode = GetColumnFcr_Slender(GetFe_FlexuralTorsionalBuckling(), flexural.KLr, q);
    }
    return CompressionStep{pnFlexural, GetPn_FlexuralTorsionalBuckling(fcrSecondMode, Section.A)};
}

double CAiscDesign::GetStress_FlexuralTorsional(double fy, double fz, double h) const
{
    const double sum = fy + fz;
    return sum / (2 * h) * (1 - std::sqrt(1 - 4 * fy * fz * h / (sum * sum)));
}

double CAiscDesign::GetStress_FlexuralTorsional_Braced(double fy, double fz, double h) const
{
    // A mode braced by a length of 0 has an infinite stress: E4-2 and E4-5
    // tend to the other mode's stress (and a NaN never enters the check).
    if (FullRules() && (std::isinf(fy) || std::isinf(fz))) return std::min(fy, fz);
    return GetStress_FlexuralTorsional(fy, fz, h);
}

CAiscDesign::TensileRupture CAiscDesign::GetPn_TensileRupture() const
{
    PrintLine(L"Tensile Rupture");
    const double fu = GetTensileStrength();
    if (!(fu > 0)) {
        PrintError(L"Error: Fu not given, and no usual grade of this family has this Fy: rupture not checked.");
        ErrorCode = 5;
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    PrintLine(Fu > 0 ? L"Fu" : L"Fu of the family's usual grade at Fy", fu, StressUnit);
    const double an = NetAreaRatio * Section.A;
    PrintLine(L"An = (An / Ag) * Ag", an, AreaUnit);
    PrintLine(L"U", ShearLagU, L"");
    const double ae = ShearLagU * an;
    PrintEquationValue(Equation::D3_1, ae, AreaUnit);
    const double pn = fu * ae;
    PrintEquationValue(Equation::D2_2, pn, ForceUnit);
    Recorder.Add(Equation::D2_2, pn);
    PrintImage(L"phi_t_0.75.png");
    const double phiPn = 0.75 * pn;
    PrintEquationValue(L"phi_t_Pn.png", phiPn, ForceUnit);
    return {pn, phiPn};
}

double CAiscDesign::GetFe_TorsionalBuckling() const
{
    const double klz = Kz * Lz;
    // Kz Lz = 0: braced against twist.
    const double warping = klz == 0 ? std::numeric_limits<double>::infinity() : Pi * Pi * E * Section.Cw / (klz * klz);
    const double fe = (warping + G * Section.J) / (Section.Ix + Section.Iy);
    PrintEquationValue(Equation::E4_4, fe, StressUnit);
    return fe;
}

double CAiscDesign::GetColumnFcr_ByStress(double fe, double q) const
{
    const double ratio = q * Fy / fe;
    PrintLine(q == 1.0 ? L"Fy / Fe" : L"Q Fy / Fe", ratio, L"");
    double fcr;
    Equation equation;
    if (ratio <= 2.25) {
        fcr = q * std::pow(0.658, ratio) * Fy;
        equation = q == 1.0 ? Equation::E3_2 : Equation::E7_2;
    } else {
        fcr = 0.877 * fe;
        equation = q == 1.0 ? Equation::E3_3 : Equation::E7_3;
    }
    PrintEquationValue(equation, fcr, StressUnit);
    Recorder.NoteCriticalStress(equation);
    return fcr;
}

bool CAiscDesign::ConsiderFlexuralTorsionalBuckling() const { return true; }

double CAiscDesign::GetFe_FlexuralTorsionalBuckling() const { return 0.0; }

// ---- AISC 360-22 ---------------------------------------------------------------

double CAiscDesign::GetEffectiveWidth_E7_3(double lambda, double lambdaR, const EffectiveWidthFactors& factors,
                                           double b, double fy, double fn) const
{
    const double limit = lambdaR * std::sqrt(fy / fn);
    PrintEquationValue(L"lambda_r_sqrt_Fy_Fn.png", limit, L"");
    if (lambda <= limit) {
        PrintEquationValue(Equation::E7_2_22, b, LengthUnit);
        return b;
    }
    PrintLine(L"c1 (Table E7.1)", factors.c1, L"");
    PrintLine(L"c2 (Table E7.1)", factors.c2, L"");
    const double ratio = factors.c2 * lambdaR / lambda;
    const double fel = ratio * ratio * fy;
    PrintEquationValue(Equation::E7_5_22, fel, StressUnit);
    const double root = std::sqrt(fel / fn);
    const double be = std::min(b * (1 - factors.c1 * root) * root, b);
    PrintEquationValue(Equation::E7_3_22, be, LengthUnit);
    return be;
}

bool CAiscDesign::HasSlenderElement_22(std::span<const CompressionElement> elements) const
{
    bool slender = false;
    for (const CompressionElement& element : elements) {
        PrintLine(element.name, element.lambda, L"");
        PrintLine(L"lambda_r (Table B4.1a)", element.lambdaR, L"");
        const bool thisSlender = element.lambda > element.lambdaR;
        PrintLine(thisSlender ? L"Slender element" : L"Nonslender element");
        slender = slender || thisSlender;
    }
    PrintLine(L"");
    return slender;
}

double CAiscDesign::GetEffectiveArea_22(std::span<const CompressionElement> elements, double fn) const
{
    double ae = Section.A;
    for (const CompressionElement& element : elements) {
        if (!(element.lambda > element.lambdaR)) continue;  // E7-2 at any Fn <= Fy
        PrintLine(element.name, element.lambda, L"");
        PrintLine(L"b", element.b, LengthUnit);
        const double be = GetEffectiveWidth_E7_3(element.lambda, element.lambdaR, element.factors, element.b, Fy, fn);
        ae -= element.count * (element.b - be) * element.t;
    }
    PrintEquationValue(L"Ae_sum_b_be_t.png", ae, AreaUnit);
    return ae;
}

CAiscDesign::CompressionStep CAiscDesign::GetCompression_22_EffectiveArea(
    FunctionRef<ColumnSlenderness()> column, FunctionRef<std::optional<double>(double fn)> effectiveArea,
                                                            const SecondMode22* second) const
{
    // Pn of one mode at its Fn: E3-1 / E4-1 on Ag, or E7-1 on Ae.
    auto strength = [&](double fn, LimitStateEquation mode, bool grossArea) {
        const std::optional<double> ae = grossArea ? std::nullopt : effectiveArea(fn);
        if (!ae) return mode.Id() == Equation::E3_1 ? GetPn_FlexuralBuckling(fn, Section.A)
                                                    : GetPn_FlexuralTorsionalBuckling(fn, Section.A);
        const double pn = fn * *ae;
        PrintEquationValue(Equation::E7_1_22, pn, ForceUnit);
        Recorder.AddOnCriticalStress(mode, pn);
        return pn;
    };
    PrintLine(L"Compressive strength to account for Flexural Buckling");
    const double fn = GetColumnFcr_ByStress(column().Fe, 1.0);
    const double pnFlexural = strength(fn, Equation::E3_1, false);
    if (!second) return CompressionStep{pnFlexural, GetPn_SquashLoad(pnFlexural)};
    PrintLine(second->title);
    const double fnSecond = GetColumnFcr_ByStress(second->fe(), 1.0);
    return CompressionStep{pnFlexural, strength(fnSecond, Equation::E4_1, second->grossArea)};
}

CAiscDesign::CompressionStep CAiscDesign::GetCompression_22(FunctionRef<ColumnSlenderness()> column,
                                                            std::span<const CompressionElement> elements,
                                                            const SecondMode22* second) const
{
    const bool slender = HasSlenderElement_22(elements);
    return GetCompression_22_EffectiveArea(
        column,
        [&](double fn) -> std::optional<double> {
            if (!slender) return std::nullopt;
            return GetEffectiveArea_22(elements, fn);
        },
        second);
}

double CAiscDesign::GetFe_E4_4(double fex, double fey, double fez, double x0, double y0, double r02) const
{
    // A braced mode (infinite stress) stays far above the others without
    // making the products NaN.
    constexpr double braced = 1e30;
    fex = std::min(fex, braced), fey = std::min(fey, braced), fez = std::min(fez, braced);
    const double px = x0 * x0 / r02, py = y0 * y0 / r02;
    auto cubic = [&](double f) {
        return (f - fex) * (f - fey) * (f - fez) - f * f * (f - fey) * px - f * f * (f - fex) * py;
    };
    // The cubic is -Fex Fey Fez < 0 at 0 and not below 0 at the least of the
    // three stresses: its lowest root lies between, found by bisection.
    double low = 0, high = std::min({fex, fey, fez});
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
        const double mid = 0.5 * (low + high);
        (cubic(mid) < 0 ? low : high) = mid;
    }
    const double fe = 0.5 * (low + high);
    PrintImage(Equation::E4_4_22);
    PrintLine(L"Fe = the lowest root", fe, StressUnit);
    return fe;
}
