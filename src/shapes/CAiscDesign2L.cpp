#include "CAiscDesign2L.h"

#include <cmath>

#include "../section/SectionNames.h"

using namespace zorsteel;

int CAiscDesign2L::Calculate()
{
    const mvSect_AISC& s = Section;
    // The outstanding leg (flange) and the back-to-back leg (stem).
    const DoubleAngleLegs roles = GetDoubleAngleLegs();
    const double bf = roles.bf, h = roles.h;
    // Both legs are t thick; the record's J is already that of both angles.
    const TeeSection legs{.d = h, .tw = s.t, .Ix = s.Ix, .Sx = s.Sx, .Zx = s.Zx, .y = s.y,
                          .Iy = s.Iy, .Sy = s.Sy, .Zy = s.Zy, .J = s.J, .ry = s.ry, .legs = true};
    ElementLimits flange{};

    return RunCheckSequence({
        .compression =
            [&] {
                if (Is360_22()) {
                    // Each leg of both angles on its own: Table B4.1a case 3, or case 1 for the
                    // outstanding legs of angles in continuous contact.
                    const double root = std::sqrt(E / Fy);
                    const double outstanding = (IsInContinuousContact() ? 0.56 : 0.45) * root;
                    const CompressionElement elements[] = {
                        {L"Unstiffened outstanding legs b / t", bf / s.t, outstanding, bf, s.t, 2,
                         kUnstiffenedElement},
                        {L"Unstiffened back-to-back legs b / t", h / s.t, 0.45 * root, h, s.t, 2,
                         kUnstiffenedElement},
                    };
                    return GetCompression_TeeType_22(elements);
                }
                const double qs = GetQs_AngleLeg(s.b, s.t, E, Fy);
                PrintLine(L"");
                return GetCompression_TeeType(qs, L"Q = Qs", [&] { return GetFcr_FlexuralTorsionalBuckling(); });
            },
        .majorFlexure =
            [&](double mx) {
                const MajorFlexure major = GetMn_Major(mx, legs, [&] { return GetFlangeCompactLimits(bf, s.t, Fy); });
                flange = major.Flange;
                return major.Mn;
            },
        .minorFlexure = [&](double) { return GetMn_Minor(legs, flange, [&] { return GetFcr_Minor(bf, s.t); }); },
        .majorShear =
            [&] {
                PrintImage(L"Aw_equal_2_h_t.png");
                const double cv = GetCv_Major(h, s.t, Fy);
                return ShearStep{GetVn(Fy, 2 * h * s.t, cv, Equation::G3_1_22), GetPhiv(h, s.t, Fy)};
            },
        .minorShear =
            [&] {
                PrintImage(L"Aw_equal_2_bf_tf.png");
                const double cv = GetCv_Minor(bf, s.t, Fy);
                return GetVn(Fy, 2 * bf * s.t, cv, Equation::G6_1_22);
            },
        .magnificationIx = s.Ix,
        .magnificationIy = s.Iy,
    });
}

// ---- The flange and the outstanding legs -------------------------------------------

CAiscDesign::ElementLimits CAiscDesign2L::GetFlangeCompactLimits(double bf, double tf, double fy) const
{
    return GetFlangeCompactLimits_FullFlange(bf, tf, fy, true);
}

double CAiscDesign2L::GetFcr_Minor(double bf, double tf) const { return GetFcr_Element(bf / tf); }

double CAiscDesign2L::GetCv_Minor(double bf, double tf, double fy) const
{
    return GetCv_Element(bf / tf, L"h_tw_equal_bf_tf.png", 1.2, L"kv_equal_1.2.png", fy);
}

// ---- Compression (E6, E4) --------------------------------------------------------

int CAiscDesign2L::GetSingleAngleFromDoubleAngle(mvSect_AISC& angle) const
{
    // The name get_single_angle_from_double_angle gives, ended in place in a
    // copy of the record's name: a silent check allocates nothing.
    wchar_t name[kSectionNameCapacity + 1];
    const std::wstring_view single = SingleAngleName({name, CopySectionName(Section, name)});
    if (single.empty()) return GetSection(angle, L"");
    name[single.data() - name + single.size()] = L'\0';
    return GetSection(angle, single.data());
}

bool CAiscDesign2L::IsInContinuousContact() const
{
    wchar_t name[kSectionNameCapacity + 1];
    const std::wstring_view whole{name, CopySectionName(Section, name)};
    const std::wstring_view single = SingleAngleName(whole);
    if (single.empty()) return false;
    const std::size_t end = static_cast<std::size_t>(single.data() - name) + single.size();
    return end == whole.size() || (whole[end] != L'X' && whole[end] != L'x');
}

CAiscDesignTeeType::TorsionalSection CAiscDesign2L::GetTorsionalSection() const
{
    const mvSect_AISC& s = Section;
    GetShearCentre_y0();  // shown; r0 bar and H come with the record
    // Without its component angle the member keeps a / ri = 0 and the record's J.
    double aRi = 0;
    double j = s.J;
    mvSect_AISC angle;
    if (GetSingleAngleFromDoubleAngle(angle) == kShapeL) {
        const double ri = angle.rz;
        PrintLine(L"ri = rz", ri, LengthUnit);
        PrintLine(L"a", ConnectorDistance, LengthUnit);
        aRi = ConnectorDistance / ri;
        PrintLine(L"a / ri", aRi, L"");
        j = 2 * angle.J;
    }
    const double klo = Ky * Ly / s.ry;
    double klm;
    Equation equation;
    if (FullRules() && Connectors == ConnectorType::Snug) {
        PrintLine(L"Snug-tight bolted connectors");
        klm = std::sqrt(klo * klo + aRi * aRi);
        equation = Equation::E6_1;
    } else if (aRi <= 40) {
        klm = klo;
        equation = Equation::E6_2a;
    } else {
        const double connectors = 0.5 * aRi;  // Ki = 0.5 for angles back to back
        klm = std::sqrt(klo * klo + connectors * connectors);
        equation = Equation::E6_2b;
    }
    PrintEquationValue(equation, klm, L"");
    return {.Fey = GetFey(klm), .klr = klo, .J = j, .r02 = s.r0 * s.r0, .H = s.H, .derived = false};
}

double CAiscDesign2L::GetFcr_FlexuralTorsionalBuckling() const
{
    return GetFcr_FlexuralTorsional(GetTorsionalSection());
}

double CAiscDesign2L::GetFe_FlexuralTorsionalBuckling() const { return GetFe_FlexuralTorsional(GetTorsionalSection()); }
