// Local buckling of an unstiffened element, shared by every shape whose
// minor-axis flexure is limited by its flanges or legs (F6-4).
#include "CAiscDesign.h"

double CAiscDesign::GetFcr_Element(double ratio) const
{
    const double fcr = 0.69 * E / (ratio * ratio);
    PrintEquationValue(L"Eq.F6-4.png", fcr, StressUnit);
    return fcr;
}
