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
    const double klrX = Kx * Lx / Section.rx;
    PrintEquationValue(L"kx_lx_rx.png", klrX, L"");
    const double klrY = Ky * Ly / Section.ry;
    PrintEquationValue(L"ky_ly_ry.png", klrY, L"");
    CheckKL_R(klrX, klrY);
    const double klr = std::max(klrX, klrY);
    PrintEquationValue(L"KL_r_max.png", klr, L"");
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
