// Serviceability: the host's total-load and live-load deflections against
// span / denominator limits. The report shows the check; the ratios are read
// back through the getters, computed by the same arithmetic.
#include <cmath>
#include <limits>

#include "CAiscDesign.h"

namespace {

struct Deflection
{
    double limit;  // L / n, in
    double ratio;  // |Dy x adjustment / limit|
};

Deflection DeflectionAgainst(double l, double denominator, double dy, double adjustment)
{
    const double limit = l / denominator;
    return {limit, std::abs(dy * adjustment / limit)};
}

} // namespace

bool CAiscDesign::ChecksDeflection() const
{
    // No denominators: the host has not asked for the check.
    return TotalDeflectionDenominator != 0 && LiveDeflectionDenominator != 0;
}

double CAiscDesign::GetTotalDeflectionRatio() const
{
    if (!ChecksDeflection()) return std::numeric_limits<double>::quiet_NaN();
    return DeflectionAgainst(L, TotalDeflectionDenominator, TotalDy, DeflectionAdjustmentRatio).ratio;
}

double CAiscDesign::GetLiveDeflectionRatio() const
{
    if (!ChecksDeflection()) return std::numeric_limits<double>::quiet_NaN();
    return DeflectionAgainst(L, LiveDeflectionDenominator, LiveDy, DeflectionAdjustmentRatio).ratio;
}

void CAiscDesign::PrintDeflections() const
{
    // Nothing is stored, so without a report there is nothing to do.
    if (!ChecksDeflection() || !IsPrinting()) return;

    PrintLine(L"");
    PrintHeader(L"Total Load Deflection Check");
    const Deflection total = DeflectionAgainst(L, TotalDeflectionDenominator, TotalDy, DeflectionAdjustmentRatio);
    PrintLine(L"Total Deflection Limit = L / (Total Deflection Denominator) ", total.limit, LengthUnit);
    PrintLine(L"Total Deflection Ratio = (Total Dy * Deflection Adjustment Ratio) / (Total Deflection Limit)",
              total.ratio, L"");
    PrintLine(L"");
    PrintResult(L"Total Load Deflection", total.ratio);

    PrintLine(L"");
    PrintHeader(L"Live Load Deflection Check");
    const Deflection live = DeflectionAgainst(L, LiveDeflectionDenominator, LiveDy, DeflectionAdjustmentRatio);
    PrintLine(L"Live Deflection Limit = L / (Live Deflection Denominator) ", live.limit, LengthUnit);
    PrintLine(L"Live Deflection Ratio = (Live Dy  * Deflection Adjustment Ratio) / (Live Deflection Limit)", live.ratio,
              L"");
    PrintLine(L"");
    PrintResult(L"Live Load Deflection", live.ratio);
    PrintLine(L"");
}
