// Second-order amplification of the required moments for P-delta (Appendix 8,
// A-8-3 and A-8-5), with the C2.3 stiffness reduction of the direct analysis
// method.
#include "CAiscDesign.h"

using namespace zorsteel;

double CAiscDesign::GetTau_b(double pr, double a, double fy) const
{
    if (!DirectAnalysis) return 1.0;
    PrintLine(L"Stiffness reduction parameter");
    PrintImage(L"alpha_equal_1.0_LRFD.png");
    const double ratio = pr / (fy * a);
    PrintLine(L"Pr / Py = Pr / (Fy * A)", ratio, L"");
    if (ratio < 0.5) {
        PrintImage(L"alpha_Pr_Py_less_than_0.5.png");
        PrintEquationValue(Equation::C2_2a, 1.0, L"");
        return 1.0;
    }
    PrintImage(L"alpha_Pr_Py_greater_than_0.5.png");
    double tauB = 4 * ratio * (1 - ratio);
    PrintEquationValue(Equation::C2_2b, tauB, L"");
    // Pr above Py drives C2-2b negative; a negative stiffness means nothing.
    if (tauB < 0) {
        tauB = 1.0;
        PrintWarning(L"Warning: Negative stiffness reduction parameter encountered.  Use 1.0 instead.");
    }
    return tauB;
}

double CAiscDesign::GetB1(const MagnificationAxis& axis, double pr, double tauB) const
{
    double ei = E * axis.I;
    if (DirectAnalysis) {
        ei = 0.8 * tauB * E * axis.I;
        PrintEquationValue(L"EI_0.8_taub_EI.png", ei, StressUnit);
    }
    const double kl = axis.K * axis.L;
    const double pe1 = Pi * Pi * ei / (kl * kl);
    PrintEquationValue(Equation::A_8_5, pe1, ForceUnit);
    double b1 = axis.Cm / (1 - pr / pe1);  // alpha = 1.0
    if (!(b1 > 1.0)) b1 = 1.0;
    if (pr > pe1) {
        PrintError(L"Error: Compressive stress exceeds Euler limit.  Moment magnification not considered.");
        PrintLine(L"B1 = 1.0");
        ErrorCode = 4;
        return b1;
    }
    PrintEquationValue(Equation::A_8_3, b1, L"");
    return b1;
}

void CAiscDesign::ComputeMomentMagnification(double& mrx, double& mry, double a, double ix, double iy)
{
    if (!ConsiderB1) return;
    PrintLine(L"");
    PrintHeader(L"Moment Magnification Calculation");
    const double tauB = GetTau_b(Pr, a, Fy);

    PrintLine(L"Moment magnifier B1 for P-delta effects in local x direction");
    const double b1x = GetB1({.Cm = Cmx, .I = ix, .K = GetK_Pe1(Kx, K1x), .L = Lx}, Pr, tauB);
    mrx = b1x * Mux;
    PrintLine(L"Magnified Mux = Mux * B1", mrx, MomentUnit);

    PrintLine(L"");
    PrintLine(L"Moment magnifier B1 for P-delta effects in local y direction");
    const double b1y = GetB1({.Cm = Cmy, .I = iy, .K = GetK_Pe1(Ky, K1y), .L = Ly}, Pr, tauB);
    mry = b1y * Muy;
    PrintLine(L"Magnified Muy = Muy * B1", mry, MomentUnit);

    B1x = b1x;
    B1y = b1y;
}
