// Serviceability: the host's total-load and live-load deflections against
// span / denominator limits. The check lives in the report only.
#include <cmath>

#include "CAiscDesign.h"

using namespace zorsteel;

void CAiscDesign::PrintDeflections() const
{
    // No denominators: the host has not asked for the check. Nothing is stored,
    // so without a report there is nothing to do.
    if (TotalDeflectionDenominator == 0 || LiveDeflectionDenominator == 0 || !IsPrinting()) return;

    PrintLine(L"");
    PrintHeader(L"Total Load Deflection Check");
    const double totalLimit = L / TotalDeflectionDenominator;
    PrintLine(L"Total Deflection Limit = L / (Total Deflection Denominator) ", totalLimit, LengthUnit);
    const double totalRatio = std::abs(TotalDy * DeflectionAdjustmentRatio / totalLimit);
    PrintLine(L"Total Deflection Ratio = (Total Dy * Deflection Adjustment Ratio) / (Total Deflection Limit)",
              totalRatio, L"");
    PrintLine(L"");
    PrintResult(L"Total Load Deflection", totalRatio);

    PrintLine(L"");
    PrintHeader(L"Live Load Deflection Check");
    const double liveLimit = L / LiveDeflectionDenominator;
    PrintLine(L"Live Deflection Limit = L / (Live Deflection Denominator) ", liveLimit, LengthUnit);
    const double liveRatio = std::abs(LiveDy * DeflectionAdjustmentRatio / liveLimit);
    PrintLine(L"Live Deflection Ratio = (Live Dy  * Deflection Adjustment Ratio) / (Live Deflection Limit)", liveRatio,
              L"");
    PrintLine(L"");
    PrintResult(L"Live Load Deflection", liveRatio);
    PrintLine(L"");
}
