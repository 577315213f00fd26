// The check sequence that every shape's Calculate runs: summaries, axial
// strength, moment amplification, flexure about both axes, the H1-1
// interaction, shear about both axes and the deflection summary. The shape
// supplies only its own limit states.
#include <cmath>

#include "CAiscDesign.h"

using namespace zorsteel;

namespace {

constexpr double kPhi = 0.9;  // phi_t = phi_c = phi_b

} // namespace

int CAiscDesign::RunCheckSequence(const CheckSteps& steps)
{
    // Each strength's limit states are recorded under it as its step runs;
    // the one whose value the step returns governs it.
    Recorder.Clear();
    PrintHeader(L"Section Input");
    PrintSection();
    PrintInput();
    PrintLine(L"");
    PrintHeader(L"Axial Capacity Calculation");

    // Working moments on the shape's design axes, amplified by B1 in
    // compression; Mux and Muy stay as given.
    const WorkingMoments designMoments = steps.designAxes ? steps.designAxes() : WorkingMoments{Mux, Muy};
    double mrx = designMoments.Mrx;
    double mry = designMoments.Mry;
    const bool tension = Pu < 0;
    Recorder.Open(Strength::Pn);
    if (tension) {
        PrintLine(L"Tensile Strength");
        const double pn = GetPn_Tension(Fy, Section.A);  // gross yielding
        Recorder.Use(pn);
        PrintImage(L"phi_t_0.90.png");
        PhiPn = kPhi * pn;
        PrintEquationValue(L"phi_t_Pn.png", PhiPn, ForceUnit);
    } else {
        const CompressionStep compression = steps.compression();
        const double pn = GetPn(compression.PnFlexural, compression.PnSecondMode);
        Recorder.Use(pn);
        PhiPn = kPhi * pn;
        PrintEquationValue(L"phi_c_Pn.png", PhiPn, ForceUnit);
        ComputeMomentMagnification(mrx, mry, Section.A, steps.magnificationIx, steps.magnificationIy);
    }

    PrintLine(L"");
    PrintLine(steps.workingMomentsLine);
    PrintLine(L"");
    PrintHeader(steps.majorFlexureHeader);
    Recorder.Open(Strength::Mnx);
    const double mnx = KipFt(steps.majorFlexure(mrx));
    Recorder.Use(mnx);
    PhiMnx = kPhi * mnx;
    PrintEquationValue(steps.majorDesignImage, PhiMnx, MomentUnit);

    PrintLine(L"");
    PrintHeader(steps.minorFlexureHeader);
    Recorder.Open(Strength::Mny);
    const double mny = KipFt(steps.minorFlexure(mry));
    Recorder.Use(mny);
    PhiMny = kPhi * mny;
    PrintEquationValue(steps.minorDesignImage, PhiMny, MomentUnit);

    // H1-1 combined flexure and axial force, on magnitudes.
    PrintLine(L"");
    PrintHeader(L"Flexural and Axial Interaction Calculation");
    const double pr = std::abs(Pu);
    const double axialRatio = pr / PhiPn;
    PrintEquationValue(tension ? L"Pr_Pc_tension.png" : L"Pr_Pc.png", axialRatio, L"");
    Equation equation;
    if (axialRatio > 0.2) {
        PrintImage(L"Pr_Pc_greater_than_0.2.png");
        InteractionRatio = pr / PhiPn + (8.0 / 9.0) * (std::abs(mrx) / PhiMnx + std::abs(mry) / PhiMny);
        equation = Equation::H1_1a;
        Recorder.NoteInteraction(GoverningCheck::H1_1a);
    } else {
        PrintImage(L"Pr_Pc_less_than_0.2.png");
        InteractionRatio = pr / (2 * PhiPn) + std::abs(mrx) / PhiMnx + std::abs(mry) / PhiMny;
        equation = Equation::H1_1b;
        Recorder.NoteInteraction(GoverningCheck::H1_1b);
    }
    PrintEquationValue(equation, InteractionRatio, L"");
    PrintResult(L"Axial-Flexural Strength", InteractionRatio);

    PrintLine(L"");
    PrintHeader(L"Major Shear Capacity Calculation");
    Recorder.Open(Strength::Vnx);
    const ShearStep major = steps.majorShear();
    Recorder.Use(major.Vn);
    PhiVnx = major.Phiv * major.Vn;
    PrintEquationValue(L"phi_v_Vn.png", PhiVnx, ForceUnit);
    VxRatio = std::abs(Vux) / PhiVnx;
    PrintEquationValue(L"Vu_phi_v_Vn.png", VxRatio, L"");
    PrintResult(L"Shear Strength (Major Axis)", VxRatio);

    PrintLine(L"");
    PrintHeader(L"Minor Shear Capacity Calculation");
    Recorder.Open(Strength::Vny);
    const double minorVn = steps.minorShear();
    Recorder.Use(minorVn);
    PhiVny = GetPhiv_Minor() * minorVn;
    PrintEquationValue(L"phi_v_Vn.png", PhiVny, ForceUnit);
    VyRatio = std::abs(Vuy) / PhiVny;
    PrintEquationValue(L"Vu_phi_v_Vn.png", VyRatio, L"");
    PrintResult(L"Shear Strength (Minor Axis)", VyRatio);

    PrintDeflections();
    return 1;
}
