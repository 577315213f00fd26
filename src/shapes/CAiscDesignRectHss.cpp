#include "CAiscDesignRectHss.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace zorsteel;

namespace {

// A rectangular HSS in flexure about one axis: the properties about it, and
// the walls that are its flanges and webs.
struct FlexureAxis
{
    double I, Z, S;         // in^4, in^3, in^3
    double flangeLambda;    // b / t of the flanges
    double flangeWidth;     // outside width of a flange, in
    double depth;           // outside dimension across the flanges, in
    double webLambda;       // h / t of the webs
};

FlexureAxis AxisOf(const mvSect_AISC& s, bool major)
{
    // The B walls are the flanges about x and the webs about y; the Ht walls the other way round.
    if (major) return {s.Ix, s.Zx, s.Sx, s.b_t, s.B, s.Ht, s.h_t};
    return {s.Iy, s.Zy, s.Sy, s.h_t, s.Ht, s.B, s.b_t};
}

} // namespace

int CAiscDesignRectHss::Calculate()
{
    // Compactness limits found with the major axis serve the minor axis too.
    CompactLimits limits{};

    return RunCheckSequence({
        .compression =
            [&] {
                if (Is360_22()) return GetCompression_360_22();
                const double qa = GetQa_Stiffened(E, Fy);
                PrintLine(L"");
                // A closed rectangular section is not checked for torsional buckling.
                return GetCompression_FlexuralOnly(qa, L"Q = Qa");
            },
        .majorFlexure =
            [&](double) {
                PrintLine(L"Flange compactness");
                limits.flange = GetFlangeCompactLimits();
                PrintLine(L"Web compactness");
                limits.web = GetWebCompactLimits();
                return GetMn(true, limits);
            },
        .minorFlexure = [&](double) { return GetMn(false, limits); },
        .majorShear =
            [&] {
                const double h = Section.Ht - 3 * Section.tdes;
                PrintImage(L"Aw_equal_2_h_t.png");
                PrintLine(L"h = Ht - 3 * tdes", h, L"in");
                return ShearStep{GetVn_Walls(h), GetPhiv(h, Section.tdes, Fy)};
            },
        .minorShear =
            [&] {
                const double h = Section.B - 3 * Section.tdes;
                PrintImage(L"Aw_equal_2_h_t.png");
                PrintLine(L"h = B - 3 * tdes", h, L"in");
                return GetVn_Walls(h);
            },
        .magnificationIx = Section.Ix,
        .magnificationIy = Section.Iy,
    });
}

double CAiscDesignRectHss::GetMn(bool major, const CompactLimits& limits) const
{
    const mvSect_AISC& s = Section;
    PrintLine(major ? L"Mnx to account for Yielding" : L"Mny to account for Yielding");
    const double mp = GetMn_Yielding(Fy, major ? s.Zx : s.Zy, major, Equation::F7_1);
    PrintLine(major ? L"Mnx to account for Flange Local Buckling" : L"Mny to account for Flange Local Buckling");
    const double mf = GetMn_LocalBuckling_Flange(s, limits.flange, major);
    if (major) PrintLine(L"");
    PrintLine(major ? L"Mnx to account for Web Local Buckling" : L"Mny to account for Web Local Buckling");
    const double mw = GetMn_LocalBuckling_Web(s, limits.web, major);
    double mn = std::min({mp, mf, mw});
    // 360-22 F7.4: only bending about the major axis of a tube deeper than wide buckles laterally.
    if (major && Is360_22() && s.Ht > s.B && Lb > 0) {
        PrintLine(L"Mnx to account for Lateral-Torsional Buckling");
        mn = std::min(mn, GetMn_LateralTorsional_F7_8(s, mp));
    }
    PrintMomentLine(major ? L"Therefore Mnx" : L"Therefore Mny", mn);
    return mn;
}

double CAiscDesignRectHss::GetVn_Walls(double h) const
{
    // B4.1b(d): the flat width h is the outside dimension less 3 tdes; two webs carry the shear.
    const double cv = GetCv(h, Section.tdes, Fy);
    return GetVn(Fy, 2 * h * Section.tdes, cv, Equation::G4_1_22);
}

CAiscDesign::SlendernessLimits CAiscDesignRectHss::GetFlangeCompactLimits() const
{
    const double lambdaP = 1.12 * std::sqrt(E) / std::sqrt(Fy);
    PrintEquationValue(L"TblB4.1b.17pw.png", lambdaP, L"");
    const double lambdaR = 1.40 * std::sqrt(E) / std::sqrt(Fy);
    PrintEquationValue(L"TblB4.1b.17rw.png", lambdaR, L"");
    return {lambdaP, lambdaR};
}

CAiscDesign::SlendernessLimits CAiscDesignRectHss::GetWebCompactLimits() const
{
    const double lambdaP = 2.42 * std::sqrt(E) / std::sqrt(Fy);
    PrintEquationValue(L"TblB4.1b.19pw.png", lambdaP, L"");
    const double lambdaR = 5.70 * std::sqrt(E) / std::sqrt(Fy);
    PrintEquationValue(L"TblB4.1b.19rw.png", lambdaR, L"");
    return {lambdaP, lambdaR};
}

double CAiscDesignRectHss::GetMn_LocalBuckling_Flange(const mvSect_AISC& section, const SlendernessLimits& limits,
                                                      bool major) const
{
    const FlexureAxis axis = AxisOf(section, major);
    const double s = axis.S, lambda = axis.flangeLambda, bo = axis.flangeWidth, depth = axis.depth;
    const double tdes = section.tdes;
    const double b = bo - 3 * tdes;
    if (major) {
        PrintLine(L"S = Sx", s, L"in^3");
        PrintLine(L"b / tf = b / tdes", lambda, L"");
        PrintLine(Report.Format(L"b = B - 3 * tdes = %g - 3 * %g", bo, tdes), b, LengthUnit);
        PrintLine(L"H = Ht", depth, LengthUnit);
    } else {
        PrintLine(L"S = Sy", s, L"in^3");
        PrintLine(L"b / tf = Ht / tdes", lambda, L"");
        PrintLine(Report.Format(L"b = Ht - 3 * tdes = %g - 3 * %g", bo, tdes), b, LengthUnit);
        PrintLine(L"H = B", depth, LengthUnit);
    }
    PrintLine(L"t = tf = tdes", tdes, L"in");

    const double mp = Fy * axis.Z;
    double mn;
    std::optional<LimitStateEquation> recorded;  // a compact flange is no limit state
    if (lambda <= limits.lambdaP) {
        PrintLine(L"Flange is compact");
        mn = mp;
        PrintMoment(L"Mn_equal_Mp.png", mn);
    } else if (lambda > limits.lambdaR) {
        PrintLine(L"Flange is slender");
        const double root = std::sqrt(E / Fy);
        const double be = std::min(1.92 * tdes * root * (1 - 0.38 / lambda * root), b);
        PrintEquationValue(Equation::F7_4, be, LengthUnit);
        const double bi = b - be;
        PrintLine(L"The ineffective width bi = b - be", bi, L"");
        const double arm = depth / 2 - tdes / 2;
        const double se = Is360_22() ? GetSe_CompressionFlange(axis.I, bi, arm, depth) : [&] {
            // The ineffective width comes off both flanges: the neutral axis stays at mid-depth.
            const double ieff = axis.I - 2 * (bi * tdes * (arm * arm) + bi * std::pow(tdes, 3) / 12);
            PrintEquationValue(L"Ieff.png", ieff, L"in^4");
            const double both = ieff / (depth / 2);
            PrintEquationValue(L"Se_equal_Ieff_d_2.png", both, L"in^3");
            return both;
        }();
        mn = Fy * se;
        PrintMoment(Equation::F7_3, mn);
        recorded = LimitStateEquation(Equation::F7_3);
    } else {
        PrintLine(L"Flange is non-compact");
        mn = std::min(mp - (mp - Fy * s) * (3.57 * lambda * std::sqrt(Fy / E) - 4.0), mp);
        PrintMoment(Equation::F7_2, mn);
        recorded = LimitStateEquation(Equation::F7_2);
    }
    if (recorded) RecordMoment(*recorded, mn);
    return mn;
}

double CAiscDesignRectHss::GetSe_CompressionFlange(double inertia, double bi, double arm, double depth) const
{
    // F7.2(c): only the compression flange loses bi; the neutral axis moves
    // toward the tension flange and Se is taken to the compression face.
    const double tdes = Section.tdes;
    const double removed = bi * tdes;
    const double shift = removed * arm / (Section.A - removed);
    PrintLine(L"Neutral axis shift = bi t (H/2 - t/2) / (A - bi t)", shift, LengthUnit);
    const double ieff = inertia - (removed * (arm * arm) + bi * std::pow(tdes, 3) / 12) -
                        (Section.A - removed) * (shift * shift);
    PrintLine(L"Ieff = I - bi t (H/2 - t/2)^2 - bi t^3/12 - (A - bi t) shift^2", ieff, L"in^4");
    const double se = ieff / (depth / 2 + shift);
    PrintLine(L"Se = Ieff / (H/2 + shift)", se, L"in^3");
    return se;
}

double CAiscDesignRectHss::GetMn_LocalBuckling_Web(const mvSect_AISC& section, const SlendernessLimits& limits,
                                                   bool major) const
{
    const FlexureAxis axis = AxisOf(section, major);
    const double s = axis.S, lambda = axis.webLambda;
    PrintLine(major ? L"S = Sx" : L"S = Sy", s, L"in^3");
    PrintLine(major ? L"h / tw = Ht / t" : L"h / tw = b / t", lambda, L"");
    const double mp = Fy * axis.Z;
    double mn;
    if (lambda <= limits.lambdaP) {
        PrintLine(L"Web is compact");
        mn = mp;
        PrintMoment(L"Mn_equal_Mp.png", mn);
    } else if (lambda > limits.lambdaR && Is360_22()) {
        PrintLine(L"Web is slender");
        mn = GetMn_SlenderWeb_F7_7(axis.S, lambda, axis.flangeLambda);
    } else {
        PrintLine(lambda > limits.lambdaR ? L"Web is slender (Warning: treating the section as non-compact)"
                                   : L"Web is non-compact");
        mn = std::min(mp - (mp - Fy * s) * (0.305 * lambda * std::sqrt(Fy / E) - 0.738), mp);
        PrintMoment(Equation::F7_5, mn);
        RecordMoment(Equation::F7_5, mn);
    }
    return mn;
}

double CAiscDesignRectHss::GetMn_SlenderWeb_F7_7(double s, double webLambda, double flangeLambda) const
{
    // aw = 2 h tw / (b tf) with the walls' flat widths, all walls tdes thick.
    const double aw = std::min(2 * webLambda / flangeLambda, 10.0);
    PrintLine(L"aw = 2 h tw / (b tf)", aw, L"");
    const double rpg = std::min(1 - aw / (1200 + 300 * aw) * (webLambda - 5.70 * std::sqrt(E / Fy)), 1.0);
    PrintEquationValue(Equation::F5_6, rpg, L"");
    const double mn = rpg * Fy * s;
    PrintMoment(Equation::F7_7_22, mn);
    RecordMoment(Equation::F7_7_22, mn);
    return mn;
}

double CAiscDesignRectHss::GetMn_LateralTorsional_F7_8(const mvSect_AISC& section, double mp) const
{
    const double root = std::sqrt(section.J * section.A);
    const double lp = 0.13 * E * section.ry * root / mp;
    PrintEquationValue(Equation::F7_10_22, Feet(lp), LongLengthUnit);
    const double lr = 2 * E * section.ry * root / (0.7 * Fy * section.Sx);
    PrintEquationValue(Equation::F7_11_22, Feet(lr), LongLengthUnit);
    if (Lb <= lp) {
        PrintLine(L"Lb <= Lp: lateral-torsional buckling does not apply");
        return mp;
    }
    double mn;
    if (Lb <= lr) {
        PrintLine(L"Lp < Lb <= Lr");
        mn = std::min(Cb * (mp - (mp - 0.7 * Fy * section.Sx) * (Lb - lp) / (lr - lp)), mp);
        PrintMoment(Equation::F7_8_22, mn);
        RecordMoment(Equation::F7_8_22, mn);
    } else {
        PrintLine(L"Lb > Lr");
        mn = std::min(2 * E * Cb * root / (Lb / section.ry), mp);
        PrintMoment(Equation::F7_9_22, mn);
        RecordMoment(Equation::F7_9_22, mn);
    }
    return mn;
}

double CAiscDesignRectHss::GetQa_Stiffened(double e, double fy) const
{
    const mvSect_AISC& s = Section;
    const double root = std::sqrt(e / fy);
    PrintLine(L"Stiffened b / t", s.b_t, L"");
    PrintLine(L"Stiffened h / t", s.h_t, L"");
    const double limit = 1.40 * root;  // Table B4.1a case 6
    PrintEquationValue(L"TblB4.1a.6.png", limit, L"");
    if (s.b_t <= limit && s.h_t <= limit) {
        PrintLine(L"The section has non-slender stiffened element");
        PrintLine(L"Qa", 1, L"");
        return 1.0;
    }
    PrintLine(L"The section is slender");
    PrintLine(L"");
    PrintLine(L"Note that for determining the width-to-thickness ratio, b is taken as the outside dimension minus "
              L"three times the design wall thickness per AISC Specification Section B4.1b(d).");

    // Flat widths; a section too thin for B - 3 tdes falls back on its ratio.
    double b = s.B - 3 * s.tdes;
    if (!(b > 0)) b = s.b_t * s.tdes;
    PrintLine(Report.Format(L"b = B - 3 * tdes = %g - 3 * %g", s.B, s.tdes), b, LengthUnit);
    double h = s.Ht - 3 * s.tdes;
    if (!(h > 0)) h = s.h_t * s.tdes;
    PrintLine(Report.Format(L"h = Ht - 3 * tdes = %g - 3 * %g", s.Ht, s.tdes), h, LengthUnit);

    PrintLine(L"");
    PrintLine(L"Conservatively taking f = Fy as permittted by the User Note in Specification Section E7.2");
    PrintLine(Report.Format(L"Reduced effective width for %g-in walls", s.B));
    double be = b;
    if (s.b_t > limit) {
        be = std::min(1.92 * s.tdes * root * (1 - 0.38 / s.b_t * root), b);
        PrintEquationValue(Equation::E7_18, be, L"in");
    }
    PrintLine(Report.Format(L"Reduced effective width for %g-in walls (here b / t = h / t)", s.Ht));
    double he = h;
    if (s.h_t > limit) {
        he = std::min(1.92 * s.tdes * root * (1 - 0.38 / s.h_t * root), h);
        PrintEquationValue(Equation::E7_18, he, L"in");
    }
    const double ae = s.A - 2 * (b - be) * s.tdes - 2 * (h - he) * s.tdes;
    PrintEquationValue(L"Ae_hss_section.png", ae, L"in^2");
    const double qa = ae / s.A;
    PrintEquationValue(Equation::E7_16, qa, L"");
    return qa;
}

CAiscDesign::CompressionStep CAiscDesignRectHss::GetCompression_360_22() const
{
    const mvSect_AISC& s = Section;
    // Flat widths B - 3 tdes and Ht - 3 tdes (B4.1b(d)); a section too thin for them falls back on its ratios.
    double b = s.B - 3 * s.tdes;
    if (!(b > 0)) b = s.b_t * s.tdes;
    double h = s.Ht - 3 * s.tdes;
    if (!(h > 0)) h = s.h_t * s.tdes;
    const double lambdaR = 1.40 * std::sqrt(E / Fy);  // Table B4.1a case 6
    const CompressionElement walls[] = {
        {L"Stiffened B walls b / t", s.b_t, lambdaR, b, s.tdes, 2, kRectangularHssWall},
        {L"Stiffened Ht walls h / t", s.h_t, lambdaR, h, s.tdes, 2, kRectangularHssWall},
    };
    // A closed rectangular section is not checked for torsional buckling.
    return GetCompression_22([&] { return GetColumnFe(); }, walls, nullptr);
}

double CAiscDesignRectHss::GetCv(double h, double t, double fy) const
{
    return GetCv_Element(h / t, L"h_tw.png", 5.0, L"kv_equal_5.png", fy);
}
