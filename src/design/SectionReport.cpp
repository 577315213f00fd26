// The two summaries that open every report: the section's properties as the
// design reads them, and the design inputs.
#include <algorithm>
#include <iterator>
#include <string_view>

#include "../section/SectionNames.h"
#include "CAiscDesign.h"

using namespace zorsteel;

namespace {

// Separates the items of a summary line in the report.
constexpr wchar_t kItemTrailer[] = L"; &nbsp";

// One row of a property block: what the report calls it, where it is in the
// record, and its unit text.
struct PropertyItem
{
    const wchar_t* label;
    double mvSect_AISC::*field;
    const wchar_t* unit;
};

constexpr PropertyItem kIShapeItems[] = {
    {L"bf", &mvSect_AISC::bf, L"in"},       {L"tf", &mvSect_AISC::tf, L"in"},
    {L"tw", &mvSect_AISC::tw, L"in"},       {L"d", &mvSect_AISC::d, L"in"},
    {L"h / tw", &mvSect_AISC::h_tw, L""},   {L"Cw", &mvSect_AISC::Cw, L"in^6"},
    {L"h0", &mvSect_AISC::h0, L"in"},       {L"rts", &mvSect_AISC::rts, L"in"},
};

constexpr PropertyItem kChannelItems[] = {
    {L"bf", &mvSect_AISC::bf, L"in"},       {L"tf", &mvSect_AISC::tf, L"in"},
    {L"tw", &mvSect_AISC::tw, L"in"},       {L"d", &mvSect_AISC::d, L"in"},
    {L"h / tw", &mvSect_AISC::h_tw, L""},   {L"x", &mvSect_AISC::x, L"in"},
    {L"e0", &mvSect_AISC::e0, L"in"},       {L"Cw", &mvSect_AISC::Cw, L"in^6"},
    {L"h0", &mvSect_AISC::h0, L"in"},       {L"rts", &mvSect_AISC::rts, L"in"},
};

// Up to SwB: the angle block goes on after it in kAngleItemsAfterSwB.
constexpr PropertyItem kAngleItemsBeforeSwB[] = {
    {L"b", &mvSect_AISC::b, L"in"},
    {L"d", &mvSect_AISC::d, L"in"},
    {L"t = tf = tw", &mvSect_AISC::t, L"in"},
    {L"x", &mvSect_AISC::x, L"in"},
    {L"y", &mvSect_AISC::y, L"in"},
    {L"r0", &mvSect_AISC::r0, L"in"},
    {L"tan(a)", &mvSect_AISC::tan_a, L""},
    {L"Qs", &mvSect_AISC::Qs, L"in"},
    {L"Iw", &mvSect_AISC::Iw, L"in^4"},
    {L"SwA", &mvSect_AISC::SwA, L"in^3"},
};

constexpr PropertyItem kAngleSwB = {L"SwB", &mvSect_AISC::SwB, L"in^3"};

constexpr PropertyItem kAngleItemsAfterSwB[] = {
    {L"SwC", &mvSect_AISC::SwC, L"in^3"}, {L"SzA", &mvSect_AISC::SzA, L"in^3"},
    {L"SzB", &mvSect_AISC::SzB, L"in^3"}, {L"SzC", &mvSect_AISC::SzC, L"in^3"},
    {L"Iz", &mvSect_AISC::Iz, L"in^4"},   {L"Sz", &mvSect_AISC::Sz, L"in^3"},
    {L"rz", &mvSect_AISC::rz, L"in"},     {L"Cw", &mvSect_AISC::Cw, L"in^6"},
};

constexpr PropertyItem kTeeItems[] = {
    {L"bf", &mvSect_AISC::bf, L"in"},   {L"tf", &mvSect_AISC::tf, L"in"}, {L"tw", &mvSect_AISC::tw, L"in"},
    {L"d = h", &mvSect_AISC::d, L"in"}, {L"y", &mvSect_AISC::y, L"in"},   {L"Cw", &mvSect_AISC::Cw, L"in^6"},
};

// After the legs: the legs themselves depend on the name (see PrintSection).
constexpr PropertyItem kDoubleAngleItemsAfterLegs[] = {
    {L"t = tf = tw", &mvSect_AISC::t, L"in"},
    {L"y", &mvSect_AISC::y, L"in"},
    {L"r0", &mvSect_AISC::r0, L"in"},
    {L"H", &mvSect_AISC::H, L""},
};

constexpr PropertyItem kRectangularHssItems[] = {
    {L"b / t", &mvSect_AISC::b_t, L""}, {L"h / t", &mvSect_AISC::h_t, L""}, {L"tdes", &mvSect_AISC::tdes, L"in"},
    {L"b", &mvSect_AISC::b, L"in"},     {L"h", &mvSect_AISC::h, L"in"},     {L"B", &mvSect_AISC::B, L"in"},
    {L"Ht", &mvSect_AISC::Ht, L"in"},
};

constexpr PropertyItem kRoundHssItems[] = {
    {L"D / t", &mvSect_AISC::D_t, L""},
    {L"tdes", &mvSect_AISC::tdes, L"in"},
    {L"OD", &mvSect_AISC::OD, L"in"},
};

// Shown for every shape after its own block.
constexpr PropertyItem kCommonItems[] = {
    {L"Zx", &mvSect_AISC::Zx, L"in^3"}, {L"Sx", &mvSect_AISC::Sx, L"in^3"}, {L"Ix", &mvSect_AISC::Ix, L"in^4"},
    {L"rx", &mvSect_AISC::rx, L"in"},   {L"Zy", &mvSect_AISC::Zy, L"in^3"}, {L"Sy", &mvSect_AISC::Sy, L"in^3"},
    {L"Iy", &mvSect_AISC::Iy, L"in^4"}, {L"ry", &mvSect_AISC::ry, L"in"},   {L"J", &mvSect_AISC::J, L"in^4"},
};

// A double angle whose long legs are back to back carries this in its name.
constexpr char16_t kLongLegsBackToBack[] = u"LLBB";

} // namespace

CAiscDesign::DoubleAngleLegs CAiscDesign::GetDoubleAngleLegs() const
{
    // The record's own name, the catalogue's spelling, read in place: a check
    // with printing off copies nothing.
    const std::u16string_view field(Section.Name, std::size(Section.Name));
    const std::u16string_view name = field.substr(0, field.find(u'\0'));
    const bool longLegsBackToBack = name.find(kLongLegsBackToBack) != std::u16string_view::npos;
    const double shortLeg = std::min(Section.b, Section.d);
    const double longLeg = std::max(Section.b, Section.d);
    return {.bf = longLegsBackToBack ? shortLeg : longLeg, .h = longLegsBackToBack ? longLeg : shortLeg};
}

void CAiscDesign::PrintSection() const
{
    if (!IsPrinting()) return;

    const auto printItem = [this](const PropertyItem& item) {
        Print(item.label, Section.*item.field, item.unit, kItemTrailer);
    };
    const auto printItems = [&printItem](const auto& items) {
        for (const PropertyItem& item : items) printItem(item);
    };

    const CString name = GetSectionName(Section);
    PrintLine(CString(L"Section ") + name);
    Print(L"A = Ag", Section.A, L"in^2", kItemTrailer);

    switch (ShapeCode) {
    case kShapeW:
    case kShapeM:
    case kShapeS:
    case kShapeHP:
        printItems(kIShapeItems);
        break;
    case kShapeC:
    case kShapeMC:
        printItems(kChannelItems);
        break;
    case kShapeL:
        printItems(kAngleItemsBeforeSwB);
        // An equal-leg angle has no point B on its w axis.
        if (Section.SwB != 0) printItem(kAngleSwB);
        printItems(kAngleItemsAfterSwB);
        break;
    case kShapeWT:
    case kShapeMT:
    case kShapeST:
        printItems(kTeeItems);
        break;
    case kShape2L: {
        Print(L"b", Section.b, L"in", kItemTrailer);
        const DoubleAngleLegs legs = GetDoubleAngleLegs();
        Print(L"bf", legs.bf, L"in", kItemTrailer);
        Print(L"h = d", legs.h, L"in", kItemTrailer);
        printItems(kDoubleAngleItemsAfterLegs);
        break;
    }
    case kShapeRectHss:
        printItems(kRectangularHssItems);
        break;
    case kShapeRoundHss:
    case kShapePipe:
        printItems(kRoundHssItems);
        break;
    default:
        break;  // no block of its own
    }

    PrintLine(L"");
    printItems(kCommonItems);
}

void CAiscDesign::PrintInput() const
{
    // Nothing below is composed or formatted for a report that goes nowhere.
    if (!IsPrinting()) return;

    PrintLine(L"");
    CString method(DirectAnalysis ? L"Using Direct Design Method; " : L"Using Effective Length Method; ");
    method += ConsiderB1 ? L"Consider Multiplier B1 for P-&delta; Effect"
                         : L"Do Not Consider Multiplier B1 for P-&delta; Effect";
    PrintLine(method);

    Print(L"Pu = Pr", Pu, ForceUnit, kItemTrailer);
    Print(L"Mux = Mxr", Mux, MomentUnit, kItemTrailer);
    Print(L"Muy = Myr", Muy, MomentUnit, kItemTrailer);
    Print(L"Cmx", Cmx, L"", kItemTrailer);
    Print(L"Cmy", Cmy, L"", kItemTrailer);
    Print(L"Vux", Vux, ForceUnit, kItemTrailer);
    Print(L"Vuy", Vuy, ForceUnit, kItemTrailer);
    PrintLine(L"");

    Print(L"Fy", Fy, StressUnit, kItemTrailer);
    Print(L"Cb", Cb, L"", kItemTrailer);
    Print(L"Lb", Feet(Lb), LongLengthUnit, kItemTrailer);
    Print(L"Kx", Kx, L"", kItemTrailer);
    Print(L"Ky", Ky, L"", kItemTrailer);
    Print(L"Kz", Kz, L"", kItemTrailer);
    Print(L"Lx", Feet(Lx), LongLengthUnit, kItemTrailer);
    Print(L"Ly", Feet(Ly), LongLengthUnit, kItemTrailer);
    Print(L"Lz", Feet(Lz), LongLengthUnit, kItemTrailer);

    if (TotalDeflectionDenominator != 0 && LiveDeflectionDenominator != 0) {
        Print(L"Total Dy", TotalDy, LengthUnit, kItemTrailer);
        Print(L"Live Dy", LiveDy, LengthUnit, kItemTrailer);
        Print(L"L", Feet(L), LongLengthUnit, kItemTrailer);
        Print(L"Total Deflection Denominator", TotalDeflectionDenominator, L"", kItemTrailer);
        Print(L"Live Deflection Denominator", LiveDeflectionDenominator, L"", kItemTrailer);
        Print(Report.Format(L"Deflection Adjustment Ratio %g (Analysis Section %s, Ix = %g in^4)",
                               DeflectionAdjustmentRatio, AnalysisSectionName.GetString(), AnalysisSectionIx));
    }
    PrintLine(L"");
}
