#include "CAiscDesignT.h"

#include <cmath>

using namespace zorsteel;

int CAiscDesignT::Calculate()
{
    const mvSect_AISC& s = Section;
    const TeeSection tee{.d = s.d, .tw = s.tw, .Ix = s.Ix, .Sx = s.Sx, .Zx = s.Zx, .y = s.y,
                         .Iy = s.Iy, .Sy = s.Sy, .Zy = s.Zy, .J = s.J, .ry = s.ry};
    ElementLimits flange{};

    return RunCheckSequence({
        .compression =
            [&] {
                if (Is360_22()) {
                    const double root = std::sqrt(E / Fy), b = GetFlange_b();
                    // Table B4.1a cases 1 (two flange outstands) and 4 (the stem d).
                    const CompressionElement elements[] = {
                        {L"Unstiffened flange b / tf", b / s.tf, 0.56 * root, b, s.tf, 2, kUnstiffenedElement},
                        {L"Unstiffened stem d / tw", s.d / s.tw, 0.75 * root, s.d, s.tw, 1, kUnstiffenedElement},
                    };
                    return GetCompression_TeeType_22(elements);
                }
                const double qsFlange = GetQs_Unstiffened(GetFlange_b(), s.tf, E, Fy);
                PrintLine(L"");
                const double qsStem = GetQs_Unstiffened_Stem(s.d, s.tw, E, Fy);
                PrintLine(L"");
                // The product is exactly 1 only when both factors are: a stem
                // factor below 1 is at most 0.993, a flange factor at most 1.0006.
                return GetCompression_TeeType(qsFlange * qsStem, L"Q = Qs_flange * Qs_stem",
                                              [&] { return GetFcr_FlexuralTorsionalBuckling(); });
            },
        .majorFlexure =
            [&](double mx) {
                const MajorFlexure major =
                    GetMn_Major(mx, tee, [&] { return GetFlangeCompactLimits(s.bf, s.tf, Fy); });
                flange = major.Flange;
                return major.Mn;
            },
        .minorFlexure = [&](double) { return GetMn_Minor(tee, flange, [&] { return GetFcr_Minor(s.bf, s.tf); }); },
        .majorShear =
            [&] {
                PrintImage(L"Aw_equal_d_tw.png");
                const double cv = GetCv_Major(s.d, s.tw, Fy);
                return ShearStep{GetVn(Fy, s.d * s.tw, cv, Equation::G3_1_22), GetPhiv(s.d, s.tw, Fy)};
            },
        .minorShear =
            [&] {
                PrintImage(L"Aw_equal_bf_tf.png");
                const double cv = GetCv_Minor(s.bf, s.tf, Fy);
                return GetVn(Fy, s.bf * s.tf, cv, Equation::G6_1_22);
            },
        .magnificationIx = s.Ix,
        .magnificationIy = s.Iy,
    });
}

// ---- The I-shapes' flange bodies ----------------------------------------------------

CAiscDesign::ElementLimits CAiscDesignT::GetFlangeCompactLimits(double bf, double tf, double fy) const
{
    return GetFlangeCompactLimits_HalfFlange(bf, tf, fy);
}

double CAiscDesignT::GetFcr_Minor(double bf, double tf) const { return GetFcr_HalfFlange(bf, tf); }

double CAiscDesignT::GetCv_Minor(double bf, double tf, double fy) const { return GetCv_HalfFlange(bf, tf, fy); }

double CAiscDesignT::GetFlange_b() const { return GetFlange_HalfWidth(); }

// ---- Compression (E7, E4) ------------------------------------------------------

double CAiscDesignT::GetQs_Unstiffened(double b, double tf, double e, double fy) const
{
    const double lambda = b / tf;
    PrintLine(L"Unstiffened Flange b / tf", lambda, L"");
    return GetQs_RolledFlange(lambda, e, fy, true);
}

double CAiscDesignT::GetQs_Unstiffened_Stem(double d, double tw, double e, double fy) const
{
    const double lambda = d / tw;
    PrintLine(L"Unstiffened Stem b / t = d / tw", lambda, L"");
    // The slender stem's image is the flange's, which reads b/t.
    return GetQs_Element(lambda, e, fy,
                         {.kStocky = 0.75,
                          .stockyLimitImage = L"0.75_sqrt_E_Fy.png",
                          .kSlender = 1.03,
                          .slenderLimitImage = L"1.03_sqrt_E_Fy.png",
                          .stockyImage = L"d_t_less_than_0.75_sqrt_E_Fy.png",
                          .stockyEquation = Equation::E7_13,
                          .middleImage = L"0.75_sqrt_E_Fy_less_than_d_t_1.03_sqrt_E_Fy.png",
                          .a = 1.908,
                          .c = 1.22,
                          .middleEquation = Equation::E7_14,
                          .slenderImage = L"b_t_greater_than_1.03_sqrt_E_Fy.png",
                          .k = 0.69,
                          .slenderEquation = Equation::E7_15});
}

CAiscDesignTeeType::TorsionalSection CAiscDesignT::GetTorsionalSection() const
{
    const mvSect_AISC& s = Section;
    const double x0 = 0;
    const double y0 = GetShearCentre_y0();
    // Flexural-torsional buckling is about y, the axis of symmetry, whichever axis governs E3.
    const double klr = Ky * Ly / s.ry;
    const double fey = GetFey(klr);
    const double r02 = x0 * x0 + y0 * y0 + (s.Ix + s.Iy) / s.A;  // E4-11
    const double h = 1 - (x0 * x0 + y0 * y0) / r02;              // E4-10
    return {.Fey = fey, .klr = klr, .J = s.J, .r02 = r02, .H = h, .derived = true};
}

double CAiscDesignT::GetFcr_FlexuralTorsionalBuckling() const
{
    return GetFcr_FlexuralTorsional(GetTorsionalSection());
}

double CAiscDesignT::GetFe_FlexuralTorsionalBuckling() const { return GetFe_FlexuralTorsional(GetTorsionalSection()); }
