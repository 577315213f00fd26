// Flange operations of more than one shape: an I-shape's flange is a pair of
// outstands of half its width, as a tee's is; a channel's flange is one
// outstand of the whole width, as a double angle's outstanding legs are.
#include <cmath>

#include "CAiscDesign.h"

using namespace zorsteel;

CAiscDesign::ElementLimits CAiscDesign::GetFlangeCompactLimits_HalfFlange(double bf, double tf, double fy) const
{
    return GetFlangeCompactLimits_Element(bf / (2 * tf), L"lamda_bf_2tf.png", std::sqrt(E), std::sqrt(fy));
}

CAiscDesign::ElementLimits CAiscDesign::GetFlangeCompactLimits_FullFlange(double bf, double tf, double fy,
                                                                          bool rootOfQuotient) const
{
    const double root = rootOfQuotient ? std::sqrt(E / fy) : std::sqrt(E);
    const double divisor = rootOfQuotient ? 1.0 : std::sqrt(fy);
    return GetFlangeCompactLimits_Element(bf / tf, L"lamda_bf_tf.png", root, divisor);
}

CAiscDesign::ElementLimits CAiscDesign::GetFlangeCompactLimits_Element(double ratio, const wchar_t* ratioImage,
                                                                       double root, double divisor) const
{
    PrintLine(L"Flange compactness:");
    PrintEquationValue(ratioImage, ratio, L"");
    // Table B4.1b case 10: flanges of rolled I-shapes, channels and tees, legs of double angles: 0.38 and 1.0.
    return GetCompactLimits_Element(ratio, root,
                                    {0.38, L"TblB4.1b.10pf.png", 1.0, L"TblB4.1b.10rf.png", L"Flange is compact",
                                     L"Flange is non-compact", L"Flange is slender"},
                                    divisor);
}

double CAiscDesign::GetFcr_HalfFlange(double bf, double tf) const { return GetFcr_Element(bf / (2 * tf)); }

double CAiscDesign::GetCv_HalfFlange(double bf, double tf, double fy) const
{
    return GetCv_Element(bf / 2 / tf, L"h_tw_equal_b_tf.png", 1.2, L"kv_equal_1.2.png", fy);
}

double CAiscDesign::GetFlange_HalfWidth() const
{
    PrintLine(L"b = bf / 2");
    return Section.bf / 2;
}
