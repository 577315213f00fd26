// Shear strength pieces shared by the shapes (Chapter G): the web shear
// coefficient Cv, the resistance factors and the G2-1 product.
#include <cmath>

#include "CAiscDesign.h"

using namespace zorsteel;

double CAiscDesign::GetCv(double h_tw, double kv, double fy) const
{
    const double limitInelastic = 1.10 * std::sqrt(kv * E / fy);
    PrintEquationValue(L"1.10_sqrt_kv_E_Fy.png", limitInelastic, L"");
    const double limitElastic = 1.37 * std::sqrt(kv * E / fy);
    PrintEquationValue(L"1.37_sqrt_kv_E_Fy.png", limitElastic, L"");
    double cv;
    Equation equation;
    if (h_tw <= limitInelastic) {
        PrintImage(L"h_tw_less_than_1.10_sqrt_kvE_Fy.png");
        cv = 1.0;
        equation = Equation::G2_3;
    } else if (h_tw > limitElastic) {
        PrintImage(L"h_tw_greater_than_1.37_sqrt_kvE_Fy.png");
        cv = 1.51 * kv * E / ((h_tw * h_tw) * fy);
        equation = Equation::G2_5;
    } else {
        PrintImage(L"1.10_sqrt_kvE_Fy_less_than_h_tw_less_than_1.37_sqrt_kvE_Fy.png");
        cv = limitInelastic / h_tw;
        equation = Equation::G2_4;
    }
    PrintEquationValue(equation, cv, L"");
    return cv;
}

double CAiscDesign::GetCv1_G2_4(double h_tw, double kv, double fy) const
{
    const double limit = 1.10 * std::sqrt(kv * E / fy);
    PrintEquationValue(L"1.10_sqrt_kv_E_Fy.png", limit, L"");
    if (h_tw <= limit) {
        PrintImage(L"h_tw_less_than_1.10_sqrt_kvE_Fy.png");
        PrintEquationValue(Equation::G2_3_22, 1.0, L"");
        return 1.0;
    }
    // No elastic branch: Cv1 counts the web's post-buckling strength.
    PrintImage(L"h_tw_greater_than_1.10_sqrt_kvE_Fy.png");
    const double cv1 = limit / h_tw;
    PrintEquationValue(Equation::G2_4_22, cv1, L"");
    return cv1;
}

double CAiscDesign::GetCv_Element(double ratio, const wchar_t* ratioImage, double kv, const wchar_t* kvImage,
                                  double fy) const
{
    PrintImage(kvImage);
    PrintEquationValue(ratioImage, ratio, L"");
    return CAiscDesign::GetCv(ratio, kv, fy);
}

double CAiscDesign::GetVn(double fy, double aw, double cv, Equation equation22) const
{
    const double vn = 0.6 * fy * aw * cv;
    const Equation equation = Is360_22() ? equation22 : Equation::G2_1;
    PrintEquationValue(equation, vn, ForceUnit);
    // Cv is 1 exactly when the plate yields in shear (G2-2, G2-3).
    Recorder.Add(cv == 1.0 ? LimitStateName::ShearYielding : LimitStateName::ShearBuckling, equation, vn);
    return vn;
}

double CAiscDesign::GetPhiv(double, double, double) const
{
    PrintImage(L"phi-v-90.png");
    return 0.9;
}

// Minor-axis shear never gets the rolled-web factor of 1.0: the base body,
// called without virtual dispatch.
double CAiscDesign::GetPhiv_Minor() const { return CAiscDesign::GetPhiv(0.0, 0.0, 0.0); }
