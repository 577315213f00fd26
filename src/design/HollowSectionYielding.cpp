// F7-1 / F8-1 yielding of hollow sections: round and rectangular HSS share
// this one body.
#include "CAiscDesign.h"

using namespace zorsteel;

double CAiscDesign::GetMn_Yielding(double fy, double z, bool major, LimitStateEquation equation) const
{
    PrintLine(major ? L"Z = Zx" : L"Z = Zy");
    const double mp = fy * z;
    PrintMoment(equation.Id(), mp);
    RecordMoment(equation, mp);
    return mp;
}
