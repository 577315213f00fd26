// Local buckling of elements: their classes by Table B4.1b, the F6-4 stress
// shared by every shape whose minor-axis flexure is limited by its flanges or
// legs, and the E7 reduction of unstiffened elements in compression.
#include <algorithm>
#include <cmath>

#include "CAiscDesign.h"

using namespace zorsteel;

CAiscDesign::ElementLimits CAiscDesign::GetLegCompactLimits(const wchar_t* title, double b, double t, double fy) const
{
    PrintLine(title);
    const double lambda = b / t;
    PrintLine(L"b / t", lambda, L"");
    return GetCompactLimits_Element(lambda, std::sqrt(E / fy),
                                    {0.54, L"TblB4.1b.12pf.png", 0.91, L"TblB4.1b.12rf.png", L"Leg is compact",
                                     L"Leg is non-compact", L"Leg is slender"});
}

CAiscDesign::ElementLimits CAiscDesign::GetCompactLimits_Element(double lambda, double root,
                                                                 const CompactnessCase& limits, double divisor) const
{
    const double lambdaP = limits.kp * root / divisor;
    PrintEquationValue(limits.pImage, lambdaP, L"");
    const double lambdaR = limits.kr * root / divisor;
    PrintEquationValue(limits.rImage, lambdaR, L"");
    if (lambda < lambdaP)
        PrintLine(limits.compact);
    else if (lambda > lambdaR)
        PrintLine(limits.slender);
    else
        PrintLine(limits.nonCompact);
    return {lambda, lambdaP, lambdaR};
}

double CAiscDesign::GetFcr_Element(double ratio) const
{
    // 360-22 writes F6-4 with 0.70.
    const double fcr = (Is360_22() ? 0.70 : 0.69) * E / (ratio * ratio);
    PrintEquationValue(Equation::F6_4, fcr, StressUnit);
    return fcr;
}

double CAiscDesign::GetMn_LegLocalBuckling(const ElementLimits& leg, double fy, double sc, double mnYield) const
{
    const auto [lambda, lambdaP, lambdaR] = leg;
    if (lambda < lambdaP) {
        PrintImage(L"lamda_less_than_lamda_pf.png");
        return mnYield; // F10-6: no leg local buckling
    }
    double mn;
    if (lambda > lambdaR) {
        PrintImage(L"lamda_greater_than_lamda_rf.png");
        PrintEquationValue(L"Sc.png", sc, L"in^3");
        const double fcr = 0.71 * E / (lambda * lambda);
        PrintEquationValue(Equation::F10_9, fcr, StressUnit);
        mn = fcr * sc;
        PrintMoment(Equation::F10_8, mn);
        RecordMoment(Equation::F10_8, mn);
    } else {
        PrintImage(L"lamda_pf_less_than_lamda_less_than_lamda_rf.png");
        PrintEquationValue(L"Sc.png", sc, L"in^3");
        mn = fy * sc * (2.43 - 1.72 * lambda * std::sqrt(fy / E));
        PrintMoment(Equation::F10_7, mn);
        RecordMoment(Equation::F10_7, mn);
    }
    return mn;
}

double CAiscDesign::GetMn_LateralTorsional_F10_2(double mcr, double my) const
{
    // The 360-10 rows of the same formulas carry the 360-22 labels.
    double mn;
    if (my <= mcr) {
        PrintImage(L"My_Mcr_less_than_1.png");
        mn = std::min(1.5 * my, (1.92 - 1.17 * std::sqrt(my / mcr)) * my);
        PrintMoment(Equation::F10_3, mn);
        RecordMoment(Equation::F10_3, mn);
    } else {
        PrintImage(L"My_Mcr_greater_than_1.png");
        mn = (0.92 - 0.17 * mcr / my) * mcr;
        PrintMoment(Equation::F10_2, mn);
        RecordMoment(Equation::F10_2, mn);
    }
    return mn;
}

double CAiscDesign::GetQs_Element(double lambda, double e, double fy, const UnstiffenedCase& element) const
{
    const double root = std::sqrt(e / fy);
    PrintEquationValue(element.stockyLimitImage, element.kStocky * root, L"");
    if (element.slenderLimitImage) PrintEquationValue(element.slenderLimitImage, element.kSlender * root, L"");
    if (lambda <= element.kStocky * root) {
        PrintImage(element.stockyImage);
        PrintEquationValue(element.stockyEquation, 1.0, L"");
        return 1.0;
    }
    double qs;
    Equation equation;
    if (lambda < element.kSlender * root) {
        PrintImage(element.middleImage);
        qs = element.a - element.c * lambda * std::sqrt(fy / e);
        equation = element.middleEquation;
    } else {
        PrintImage(element.slenderImage);
        qs = element.k * e / (fy * (lambda * lambda));
        equation = element.slenderEquation;
    }
    PrintEquationValue(equation, qs, L"");
    return qs;
}

double CAiscDesign::GetQs_RolledFlange(double lambda, double e, double fy, bool showSlenderLimit) const
{
    return GetQs_Element(lambda, e, fy,
                         {.kStocky = 0.56,
                          .stockyLimitImage = L"0.56_sqrt_E_Fy.png",
                          .kSlender = 1.03,
                          .slenderLimitImage = showSlenderLimit ? L"1.03_sqrt_E_Fy.png" : nullptr,
                          .stockyImage = L"b_t_less_than_0.56_sqrt_E_Fy.png",
                          .stockyEquation = Equation::E7_4,
                          .middleImage = L"0.56_sqrt_E_Fy_less_than_b_t_less_than_1.03_sqrt_E_Fy.png",
                          .a = 1.415,
                          .c = 0.74,
                          .middleEquation = Equation::E7_5,
                          .slenderImage = L"b_t_greater_than_1.03_sqrt_E_Fy.png",
                          .k = 0.69,
                          .slenderEquation = Equation::E7_6});
}

double CAiscDesign::GetQs_AngleLeg(double b, double t, double e, double fy) const
{
    const double lambda = b / t;
    PrintLine(L"let b = full width of longest leg", b, LengthUnit);
    PrintLine(L"Unstiffened b / t", lambda, L"");
    return GetQs_Element(lambda, e, fy,
                         {.kStocky = 0.45,
                          .stockyLimitImage = L"0.45_sqrt_E_Fy.png",
                          .kSlender = 0.91,
                          .slenderLimitImage = L"0.91_sqrt_E_Fy.png",
                          .stockyImage = L"b_t_less_than_0.45_sqrt_E_Fy.png",
                          .stockyEquation = Equation::E7_10,
                          .middleImage = L"0.45_sqrt_E_Fy_less_than_b_t_less_than_0.91_sqrt_E_Fy.png",
                          .a = 1.34,
                          .c = 0.76,
                          .middleEquation = Equation::E7_11,
                          .slenderImage = L"b_t_greater_than_0.91_sqrt_E_Fy.png",
                          .k = 0.53,
                          .slenderEquation = Equation::E7_12});
}
