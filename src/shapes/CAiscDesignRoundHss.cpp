#include "CAiscDesignRoundHss.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace zorsteel;

int CAiscDesignRoundHss::Calculate()
{
    // Found with the major-axis flexure and reused about the minor axis; a
    // round section's shear strength is the same about both axes.
    SlendernessLimits limits{};
    double vn = 0;

    return RunCheckSequence({
        .compression =
            [&] {
                if (Is360_22()) {
                    const std::optional<double> ae = GetAe_360_22();
                    return GetCompression_22_EffectiveArea([&] { return GetColumnFe(); }, [&](double) { return ae; },
                                                           nullptr);
                }
                const double qa = GetQa_Stiffened(E, Fy);
                PrintLine(L"");
                // No torsional mode for a closed round section.
                return GetCompression_FlexuralOnly(qa, L"Q = Qa");
            },
        .majorFlexure =
            [&](double) {
                PrintLine(L"The section compactness");
                limits = GetFlangeCompactLimits();
                return GetMn(true, limits);
            },
        .minorFlexure = [&](double) { return GetMn(false, limits); },
        .majorShear =
            [&] {
                vn = GetVn(GetFcr_Shear(Section.D_t), Section.A);
                return ShearStep{vn, GetPhiv(0, Section.tdes, Fy)};
            },
        .minorShear =
            [&] {
                PrintEquationValue(Equation::G6_1, vn, ForceUnit);
                Recorder.RepeatLast();  // the major axis's entry
                return vn;
            },
        .magnificationIx = Section.Ix,
        .magnificationIy = Section.Iy,
    });
}

double CAiscDesignRoundHss::GetMn(bool major, const SlendernessLimits& limits) const
{
    const mvSect_AISC& s = Section;
    PrintLine(major ? L"Mnx to account for Yielding" : L"Mny to account for Yielding");
    const double mp = GetMn_Yielding(Fy, major ? s.Zx : s.Zy, major, Equation::F8_1);
    PrintLine(major ? L"Mnx to account for Local Buckling" : L"Mny to account for Local Buckling");
    const double ml = GetMn_LocalBuckling_Flange(s, limits, major);
    const double mn = std::min(ml, mp);  // local buckling on a tie
    PrintMomentLine(major ? L"Therefore Mnx" : L"Therefore Mny", mn);
    return mn;
}

double CAiscDesignRoundHss::GetQa_Stiffened(double e, double fy) const
{
    if (!IsSlenderWall(e, fy)) {
        PrintLine(L"Qa", 1.0, L"");
        return 1.0;
    }
    PrintLine(L"");
    const double qa = 0.038 * e / (fy * Section.D_t) + 2.0 / 3.0;
    PrintEquationValue(Equation::E7_19, qa, L"");
    return qa;
}

bool CAiscDesignRoundHss::IsSlenderWall(double e, double fy) const
{
    const double d_t = Section.D_t;
    PrintLine(L"Stiffened D / t", d_t, L"");
    const double lambdaR = 0.11 * e / fy;  // Table B4.1a case 9
    PrintEquationValue(L"TblB4.1a.9.png", lambdaR, L"");
    if (d_t <= lambdaR) {
        PrintImage(L"D_t_less_than_0.11_E_Fy.png");
        PrintLine(L"The section has non-slender stiffened element");
        return false;
    }
    const double upperLimit = 0.45 * e / fy;  // E7.2(b) applies up to here
    if (d_t > upperLimit) {
        // Beyond the range of E7-19 (360-22: E7-7): designed with it all the same, and flagged.
        ErrorCode = 3;
        PrintEquationValue(L"0.45_E_Fy.png", upperLimit, L"");
        PrintImage(L"D_t_greater_than_0.45_E_Fy.png");
        PrintWarning(L"Warning: Section too slender");
    } else {
        PrintImage(L"0.11_E_Fy_less_than_D_t_less_than_0.45_E_Fy.png");
        PrintLine(L"The section is slender");
    }
    return true;
}

std::optional<double> CAiscDesignRoundHss::GetAe_360_22() const
{
    if (!IsSlenderWall(E, Fy)) {
        PrintLine(L"");
        return std::nullopt;  // E7-6: Ae = Ag, E3 as written
    }
    const double e7_7 = (0.038 * E / (Fy * Section.D_t) + 2.0 / 3.0) * Section.A;
    PrintEquationValue(Equation::E7_19, e7_7, AreaUnit);
    // Just above 0.11 E/Fy E7-7 gives up to 1.012 Ag: an effective area is never above the gross one.
    const double ae = std::min(e7_7, Section.A);
    if (ae < e7_7) PrintLine(L"Ae = Ag (E7-7 above Ag)", ae, AreaUnit);
    PrintLine(L"");
    return ae;
}

CAiscDesign::SlendernessLimits CAiscDesignRoundHss::GetFlangeCompactLimits() const
{
    const double lambdaP = 0.07 * E / Fy;
    PrintEquationValue(L"TblB4.1b.20pw.png", lambdaP, L"");
    const double lambdaR = 0.31 * E / Fy;
    PrintEquationValue(L"TblB4.1b.20rw.png", lambdaR, L"");
    return {lambdaP, lambdaR};
}

double CAiscDesignRoundHss::GetMn_LocalBuckling_Flange(const mvSect_AISC& section, const SlendernessLimits& limits,
                                                       bool major) const
{
    const double z = major ? section.Zx : section.Zy, s = major ? section.Sx : section.Sy, d_t = section.D_t;
    const double lambdaP = limits.lambdaP, lambdaR = limits.lambdaR;
    PrintLine(L"D / t", d_t, L"");
    PrintLine(major ? L"S = Sx" : L"S = Sy", s, L"in^3");
    double mn;
    const wchar_t* image = L"Mn_equal_Mp.png";
    std::optional<LimitStateEquation> recorded;  // a compact wall is no limit state
    if (d_t <= lambdaP) {
        PrintImage(L"D_t_less_than_lambda_p.png");
        PrintLine(L"The section is compact");
        mn = Fy * z;
    } else if (d_t > lambdaR) {
        PrintImage(L"D_t_greater_than_lambda_r.png");
        PrintLine(L"The section is slender");
        const double fcr = 0.33 * E / d_t;
        PrintEquationValue(Equation::F8_4, fcr, StressUnit);
        mn = fcr * s;
        recorded = LimitStateEquation(Equation::F8_3);
    } else {
        PrintImage(L"lambda_p_less_than_D_t_less_than_lambda_r.png");
        PrintLine(L"The section is non-compact");
        mn = (0.021 * E / d_t + Fy) * s;
        recorded = LimitStateEquation(Equation::F8_2);
    }
    if (recorded) image = EquationImage(recorded->Id());
    PrintMoment(image, mn);
    if (recorded) RecordMoment(*recorded, mn);
    return mn;
}

double CAiscDesignRoundHss::GetFcr_Shear(double d_t) const
{
    const double fcr = std::min(0.78 * E / std::pow(d_t, 1.5), 0.6 * Fy);
    PrintEquationValue(Equation::G6_2b, fcr, StressUnit);
    return fcr;
}

double CAiscDesignRoundHss::GetVn(double fcr, double ag) const
{
    const double vn = 0.5 * fcr * ag;
    PrintEquationValue(Equation::G6_1, vn, ForceUnit);
    // G6-2b below its cap 0.6 Fy is shear buckling.
    Recorder.Add(fcr < 0.6 * Fy ? LimitStateName::ShearBuckling : LimitStateName::ShearYielding, Equation::G6_1, vn);
    return vn;
}
