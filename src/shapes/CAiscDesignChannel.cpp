#include "CAiscDesignChannel.h"

#include <cmath>

using namespace zorsteel;

int CAiscDesignChannel::Calculate() { return CAiscDesignI::Calculate(); }

double CAiscDesignChannel::GetPhiv(double h, double tw, double fy) const { return CAiscDesign::GetPhiv(h, tw, fy); }

bool CAiscDesignChannel::ConsiderFlexuralTorsionalBuckling() const
{
    return CAiscDesign::ConsiderFlexuralTorsionalBuckling();
}

bool CAiscDesignChannel::IsDoublySymmetric() const { return false; }

CAiscDesign::ElementLimits CAiscDesignChannel::GetFlangeCompactLimits(double bf, double tf, double fy) const
{
    return GetFlangeCompactLimits_FullFlange(bf, tf, fy);
}

double CAiscDesignChannel::GetFcr_Minor(double bf, double tf) const { return GetFcr_Element(bf / tf); }

double CAiscDesignChannel::GetCv_Minor(double bf, double tf, double fy) const
{
    return GetCv_Element(bf / tf, L"h_tw_equal_b_tf.png", 1.2, L"kv_equal_1.2.png", fy);
}

double CAiscDesignChannel::GetFlange_b() const
{
    PrintLine(L"b = bf");
    return Section.bf;
}

double CAiscDesignChannel::GetC() const
{
    const double c = Section.h0 / 2 * std::sqrt(Section.Iy / Section.Cw);
    PrintEquationValue(Equation::F2_8b, c, L"");
    return c;
}

double CAiscDesignChannel::GetFe_FlexuralTorsionalBuckling() const
{
    const mvSect_AISC& s = Section;
    // The shear centre lies on the x axis, e0 behind the web; the centroid x in front of it.
    const double x0 = s.e0 + s.x;
    PrintLine(L"x0 = e0 + x", x0, LengthUnit);
    const double y0 = 0;
    PrintLine(L"y0", y0, LengthUnit);
    const double slenderness = Kx * Lx / s.rx;
    const double fey = Pi * Pi * E / (slenderness * slenderness);  // E4-7 form, about x: the axis of symmetry
    // 360-22 writes it as Fex of E4-5, which E4-3 takes in place of Fey.
    if (Is360_22())
        PrintEquationValue(Equation::E4_5_22, fey, StressUnit);
    else
        PrintEquationValue(L"Fey_pi_pi_E_kl_rx2.png", fey, StressUnit);
    const double r02 = x0 * x0 + y0 * y0 + (s.Ix + s.Iy) / s.A;
    PrintEquationValue(Equation::E4_11, r02, AreaUnit);
    const double klz = Kz * Lz;
    const double fez = (Pi * Pi * E * s.Cw / (klz * klz) + G * s.J) / (s.A * r02);
    PrintEquationValue(Equation::E4_9, fez, StressUnit);
    const double h = 1 - (x0 * x0 + y0 * y0) / r02;
    PrintEquationValue(Equation::E4_10, h, L"");
    const double fe = GetStress_FlexuralTorsional_Braced(fey, fez, h);
    PrintEquationValue(Equation::E4_5, fe, StressUnit);
    return fe;
}
