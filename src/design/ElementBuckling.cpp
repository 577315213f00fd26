// Local buckling of elements: their classes by Table B4.1b, the F6-4 stress
// shared by every shape whose minor-axis flexure is limited by its flanges or
// legs, and the E7 reduction of an angle leg in compression.
#include <cmath>

#include "CAiscDesign.h"

void CAiscDesign::GetCompactLimits_Element(double lambda, double root, const CompactnessCase& limits,
                                           double& lambdaP, double& lambdaR) const
{
    lambdaP = limits.kp * root;
    PrintEquationValue(limits.pImage, lambdaP, L"");
    lambdaR = limits.kr * root;
    PrintEquationValue(limits.rImage, lambdaR, L"");
    if (lambda < lambdaP)
        PrintLine(limits.compact);
    else if (lambda > lambdaR)
        PrintLine(limits.slender);
    else
        PrintLine(limits.nonCompact);
}

double CAiscDesign::GetFcr_Element(double ratio) const
{
    const double fcr = 0.69 * E / (ratio * ratio);
    PrintEquationValue(L"Eq.F6-4.png", fcr, StressUnit);
    return fcr;
}

double CAiscDesign::GetQs_AngleLeg(double b, double t, double e, double fy) const
{
    const double lambda = b / t;
    const double root = std::sqrt(e / fy);
    PrintLine(L"let b = full width of longest leg", b, LengthUnit);
    PrintLine(L"Unstiffened b / t", lambda, L"");
    PrintEquationValue(L"0.45_sqrt_E_Fy.png", 0.45 * root, L"");
    PrintEquationValue(L"0.91_sqrt_E_Fy.png", 0.91 * root, L"");
    if (lambda <= 0.45 * root) {
        PrintImage(L"b_t_less_than_0.45_sqrt_E_Fy.png");
        PrintEquationValue(L"Eq.E7-10.png", 1.0, L"");
        return 1.0;
    }
    double qs;
    const wchar_t* equation;
    if (lambda < 0.91 * root) {
        PrintImage(L"0.45_sqrt_E_Fy_less_than_b_t_less_than_0.91_sqrt_E_Fy.png");
        qs = 1.34 - 0.76 * lambda * std::sqrt(fy / e);  // E7-11
        equation = L"Eq.E7-11.png";
    } else {
        // The limit itself belongs to the elastic range.
        PrintImage(L"b_t_greater_than_0.91_sqrt_E_Fy.png");
        qs = 0.53 * e / (fy * (lambda * lambda));  // E7-12
        equation = L"Eq.E7-12.png";
    }
    PrintEquationValue(equation, qs, L"");
    return qs;
}
