// Local buckling of elements: their classes by Table B4.1b, the F6-4 stress
// shared by every shape whose minor-axis flexure is limited by its flanges or
// legs, and the E7 reduction of unstiffened elements in compression.
#include <cmath>

#include "CAiscDesign.h"

using namespace zorsteel;

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
    const double fcr = 0.69 * E / (ratio * ratio);
    PrintEquationValue(Equation::F6_4, fcr, StressUnit);
    return fcr;
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
