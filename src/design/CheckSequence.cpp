// The check sequence that every shape's Calculate runs: summaries, axial
// strength, moment amplification, flexure about both axes, the H1-1
// interaction, shear about both axes and the deflection summary. The shape
// supplies only its own limit states.
#include <algorithm>
#include <cmath>

#include "CAiscDesign.h"

using namespace zorsteel;

namespace {

constexpr double kPhi = 0.9; // phi_t = phi_c = phi_b

} // namespace

int CAiscDesign::RunCheckSequence(const CheckSteps& steps)
{
    // Each strength's limit states are recorded under it as its step runs;
    // the one whose value the step returns governs it.
    Recorder.Clear();
    SingleAngleE5 = false;
    CompressionNote = nullptr;
    SingleAngleFtb = false;
    PrintHeader(L"Section Input");
    PrintSection();
    PrintInput();
    const bool full = FullRules();
    if (Is360_22())
        PrintLine(L"Rules: AISC 360-22 (the full check, with that edition's provisions and equation numbers)");
    else if (full)
        PrintLine(L"Rules: full AISC 360-10 (with the provisions the classic calculation leaves out)");
    PrintLine(L"");
    PrintHeader(L"Axial Capacity Calculation");
    // A-8-2: the axial force from lateral translation, amplified by the larger B2.
    Pr = Pu;
    if (full && Plt != 0) {
        PrintLine(L"Pnt = Pu", Pu, ForceUnit);
        PrintLine(L"Plt", Plt, ForceUnit);
        const double b2 = std::max(B2x, B2y);
        PrintLine(L"B2 = max(B2x, B2y)", b2, L"");
        Pr = Pu + b2 * Plt;
        PrintEquationValue(Equation::A_8_2, Pr, ForceUnit);
    }

    // Working moments on the shape's design axes, amplified by B1 in
    // compression; Mux and Muy stay as given.
    const WorkingMoments designMoments = steps.designAxes ? steps.designAxes() : WorkingMoments{Mux, Muy};
    double mrx = designMoments.Mrx;
    double mry = designMoments.Mry;
    const bool tension = Pr < 0;
    Recorder.Open(Strength::Pn);
    if (tension) {
        PrintLine(L"Tensile Strength");
        const double pn = GetPn_Tension(Fy, Section.A); // gross yielding
        Recorder.Use(pn);
        PrintImage(L"phi_t_0.90.png");
        PhiPn = kPhi * pn;
        PrintEquationValue(L"phi_t_Pn.png", PhiPn, ForceUnit);
        if (full) {
            const TensileRupture rupture = GetPn_TensileRupture();
            // Without Fu the strength is not known: NaN, never the yielding alone.
            if (!(rupture.PhiPn >= PhiPn)) {
                PhiPn = rupture.PhiPn;
                Recorder.Use(rupture.Pn);
                PrintLine(L"Tensile Rupture Controls:  phi_t Pn", PhiPn, ForceUnit);
            }
        }
    } else {
        const CompressionStep compression = steps.compression();
        const double pn = GetPn(compression.PnFlexural, compression.PnSecondMode);
        Recorder.Use(pn);
        PhiPn = kPhi * pn;
        PrintEquationValue(L"phi_c_Pn.png", PhiPn, ForceUnit);
        ComputeMomentMagnification(mrx, mry, Section.A, steps.magnificationIx, steps.magnificationIy);
    }
    if (full) AddLateralTranslationMoments(mrx, mry);

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
    const double pr = std::abs(Pr);
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

CAiscDesign::WorkingMoments CAiscDesign::ToDesignAxes(double mx, double my) const
{
    return {mx, my};
}

void CAiscDesign::AddLateralTranslationMoments(double& mrx, double& mry) const
{
    if (Mltx == 0 && Mlty == 0) return;
    PrintLine(L"");
    PrintLine(L"Moments from lateral translation");
    PrintLine(L"Mltx", Mltx, MomentUnit);
    PrintLine(L"Mlty", Mlty, MomentUnit);
    PrintLine(L"B2x", B2x, L"");
    PrintLine(L"B2y", B2y, L"");
    // B2 about the geometric axes, then onto the design axes.
    const WorkingMoments lt = ToDesignAxes(B2x * Mltx, B2y * Mlty);
    mrx += lt.Mrx;
    mry += lt.Mry;
    PrintEquationValue(Equation::A_8_1, mrx, MomentUnit);
    PrintLine(L"Mry = B1 Mnt + B2 Mlt", mry, MomentUnit);
}

double CAiscDesign::GetCb_AxialTension(bool doublySymmetric) const
{
    if (!FullRules() || !doublySymmetric || !(Pr < 0) || Lb == 0) return Cb;
    PrintLine(L"Cb raised by axial tension (H1.2)");
    const double pey = Pi * Pi * E * Section.Iy / (Lb * Lb);
    PrintEquationValue(L"Pey.png", pey, ForceUnit);
    const double cb = Cb * std::sqrt(1 + -Pr / pey);
    PrintEquationValue(L"Cb_tension.png", cb, L"");
    return cb;
}

double CAiscDesign::GetK_Pe1(double k, double k1) const
{
    if (!FullRules()) return k;
    PrintLine(L"K1 (no lateral translation)", k1, L"");
    return k1;
}
