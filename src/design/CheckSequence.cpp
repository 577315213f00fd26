// The check sequence that every shape's Calculate runs: summaries, axial
// strength, moment amplification, flexure about both axes, the H1-1
// interaction, shear about both axes and the deflection summary. The shape
// supplies only its own limit states.
#include <cmath>

#include "CAiscDesign.h"

namespace {

constexpr double kPhi = 0.9;  // phi_t = phi_c = phi_b

} // namespace

int CAiscDesign::RunCheckSequence(const CheckSteps& steps)
{
    PrintHeader(L"Section Input");
    PrintSection();
    PrintInput();
    PrintLine(L"");
    PrintHeader(L"Axial Capacity Calculation");

    // Working moments on the shape's design axes, amplified by B1 in
    // compression; Mux and Muy stay as given.
    double mrx = Mux;
    double mry = Muy;
    if (steps.designAxes) steps.designAxes(mrx, mry);
    const bool tension = Pu < 0;
    if (tension) {
        PrintLine(L"Tensile Strength");
        const double pn = GetPn_Tension(Fy, Section.A);  // D2-1 gross yielding
        PrintImage(L"phi_t_0.90.png");
        PhiPn = kPhi * pn;
        PrintEquationValue(L"phi_t_Pn.png", PhiPn, ForceUnit);
    } else {
        const CompressionStep compression = steps.compression();
        const double pn = GetPn(compression.PnFlexural, compression.PnSecondMode);
        PhiPn = kPhi * pn;
        PrintEquationValue(L"phi_c_Pn.png", PhiPn, ForceUnit);
        ComputeMomentMagnification(mrx, mry, Section.A, steps.magnificationIx, steps.magnificationIy);
    }

    PrintLine(L"");
    PrintLine(steps.workingMomentsLine);
    PrintLine(L"");
    PrintHeader(steps.majorFlexureHeader);
    PhiMnx = kPhi * steps.majorFlexure(mrx);
    PrintEquationValue(steps.majorDesignImage, PhiMnx, MomentUnit);

    PrintLine(L"");
    PrintHeader(steps.minorFlexureHeader);
    PhiMny = kPhi * steps.minorFlexure(mry);
    PrintEquationValue(steps.minorDesignImage, PhiMny, MomentUnit);

    // H1-1 combined flexure and axial force, on magnitudes.
    PrintLine(L"");
    PrintHeader(L"Flexural and Axial Interaction Calculation");
    const double pr = std::abs(Pu);
    const double axialRatio = pr / PhiPn;
    PrintEquationValue(tension ? L"Pr_Pc_tension.png" : L"Pr_Pc.png", axialRatio, L"");
    const wchar_t* equation;
    if (axialRatio > 0.2) {
        PrintImage(L"Pr_Pc_greater_than_0.2.png");
        InteractionRatio = pr / PhiPn + (8.0 / 9.0) * (std::abs(mrx) / PhiMnx + std::abs(mry) / PhiMny);  // H1-1a
        equation = L"Eq.H1-1a.png";
    } else {
        PrintImage(L"Pr_Pc_less_than_0.2.png");
        InteractionRatio = pr / (2 * PhiPn) + std::abs(mrx) / PhiMnx + std::abs(mry) / PhiMny;  // H1-1b
        equation = L"Eq.H1-1b.png";
    }
    PrintEquationValue(equation, InteractionRatio, L"");
    PrintResult(L"Axial-Flexural Strength", InteractionRatio);

    PrintLine(L"");
    PrintHeader(L"Major Shear Capacity Calculation");
    const ShearStep major = steps.majorShear();
    PhiVnx = major.Phiv * major.Vn;
    PrintEquationValue(L"phi_v_Vn.png", PhiVnx, ForceUnit);
    VxRatio = std::abs(Vux) / PhiVnx;
    PrintEquationValue(L"Vu_phi_v_Vn.png", VxRatio, L"");
    PrintResult(L"Shear Strength (Major Axis)", VxRatio);

    PrintLine(L"");
    PrintHeader(L"Minor Shear Capacity Calculation");
    const double minorVn = steps.minorShear();
    PhiVny = GetPhiv_Minor() * minorVn;
    PrintEquationValue(L"phi_v_Vn.png", PhiVny, ForceUnit);
    VyRatio = std::abs(Vuy) / PhiVny;
    PrintEquationValue(L"Vu_phi_v_Vn.png", VyRatio, L"");
    PrintResult(L"Shear Strength (Minor Axis)", VyRatio);

    PrintDeflections();
    return 1;
}
