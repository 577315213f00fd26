#include "MemberInput.h"

#include <algorithm>
#include <cmath>

namespace zorsteel {

namespace {

using K = ColumnKind;
using R = MemberRow;
using I = MemberInputs;

// Units as the library takes them: kips, inches, ksi, kip-ft; Pu compression positive.
const InputColumn kInputColumns[] = {
    {"Id", K::Text, "member name; rows with one Id are one member", &R::Id},
    {"Combo", K::Text, "load combination of the row", &R::Combo},
    {"Section", K::Text, "catalogue section, any case", &R::Section},
    {"Fy", K::Positive, "yield stress, ksi", nullptr, &I::Fy},
    {"Pu", K::Number, "axial force, kips, compression positive", nullptr, &I::Pu},
    {"Mux", K::Number, "major-axis moment, kip-ft", nullptr, &I::Mux},
    {"Muy", K::Number, "minor-axis moment, kip-ft", nullptr, &I::Muy},
    {"Cmx", K::Number, "B1 moment coefficient about x", nullptr, &I::Cmx},
    {"Cmy", K::Number, "B1 moment coefficient about y", nullptr, &I::Cmy},
    {"Vux", K::Number, "major-axis shear, kips", nullptr, &I::Vux},
    {"Vuy", K::Number, "minor-axis shear, kips", nullptr, &I::Vuy},
    {"Cb", K::Positive, "lateral-torsional buckling factor", nullptr, &I::Cb},
    {"Lb", K::NonNegative, "unbraced length for lateral-torsional buckling, in", nullptr, &I::Lb},
    {"Kx", K::NonNegative, "effective length factor about x", nullptr, &I::Kx},
    {"Ky", K::NonNegative, "effective length factor about y", nullptr, &I::Ky},
    {"Lx", K::NonNegative, "unbraced length about x, in (single angles: about z)", nullptr, &I::Lx},
    {"Ly", K::NonNegative, "unbraced length about y, in", nullptr, &I::Ly},
    {"Kz", K::NonNegative, "effective length factor for torsional buckling", nullptr, &I::Kz},
    {"Lz", K::NonNegative, "unbraced length for torsional buckling, in", nullptr, &I::Lz},
    {"ConnectorDistance", K::NonNegative, "double-angle connector spacing, in", nullptr, &I::ConnectorDistance},
    {"DirectAnalysis", K::Boolean, "1: direct analysis method, 0: effective length method", nullptr, nullptr,
     &I::DirectAnalysis},
    {"ConsiderB1", K::Boolean, "1: amplify moments by B1", nullptr, nullptr, &I::ConsiderB1},
    {"TotalDeflectionDenominator", K::NonNegative, "n of the total-load limit L/n", nullptr,
     &I::TotalDeflectionDenominator},
    {"LiveDeflectionDenominator", K::NonNegative, "n of the live-load limit L/n", nullptr,
     &I::LiveDeflectionDenominator},
    {"TotalDy", K::Number, "total-load deflection, in", nullptr, &I::TotalDy},
    {"LiveDy", K::Number, "live-load deflection, in", nullptr, &I::LiveDy},
    {"L", K::NonNegative, "member length for the deflection limits, in", nullptr, &I::L},
    {"DeflectionAdjustmentRatio", K::Number, "factor on the deflections", nullptr, &I::DeflectionAdjustmentRatio},
    {"AnalysisSectionName", K::Text, "section the deflections were analysed with", nullptr},
    {"AnalysisSectionIx", K::NonNegative, "its Ix, in^4", nullptr, &I::AnalysisSectionIx},
};
const InputColumn& kSectionColumn = kInputColumns[2];

// Short enough to be held without allocating.
constexpr const char* kOutOfMemory = "out of memory";

} // namespace

std::span<const InputColumn> InputColumns() noexcept { return kInputColumns; }

const InputColumn* FindInputColumn(std::string_view name) noexcept
{
    const auto found = std::ranges::find(kInputColumns, name, &InputColumn::Name);
    return found == std::end(kInputColumns) ? nullptr : &*found;
}

std::string FieldWhere(const MemberRow& row, const InputColumn& column)
{
    switch (row.Naming) {
    case FieldNaming::Column: return row.Where + ", column " + std::string(column.Name);
    case FieldNaming::Option:
        // The command takes the section as its argument, not as an option.
        if (&column == &kSectionColumn) return row.Where + ", section";
        return row.Where + ", option --" + std::string(column.Name);
    case FieldNaming::Key: break;
    }
    return row.Where + ", " + std::string(column.Name);
}

void RecordError(MemberRow& row, const InputColumn& column, std::string_view problem) noexcept
{
    if (!row.Error.empty()) return;
    try {
        row.Error = FieldWhere(row, column) + ": " + std::string(problem);
    } catch (...) {
        row.Error = kOutOfMemory;
    }
}

void SetText(MemberRow& row, const InputColumn& column, std::string_view text) noexcept
{
    // AnalysisSectionName is the one text that lives among the inputs.
    std::string& target = column.Text ? row.*column.Text : row.Inputs.AnalysisSectionName;
    try {
        target = text;
    } catch (...) {
        RecordError(row, column, kOutOfMemory);
    }
}

void SetFlag(MemberRow& row, const InputColumn& column, bool flag) noexcept { row.Inputs.*column.Flag = flag; }

bool SetNumber(MemberRow& row, const InputColumn& column, double value, std::string_view shown) noexcept
{
    try {
        if (!std::isfinite(value))
            RecordError(row, column, std::string(1, '"').append(shown).append("\" is not a finite number"));
        else if (column.Kind == K::Positive && !(value > 0))
            RecordError(row, column, "must be above 0, not " + std::string(shown));
        else if (column.Kind == K::NonNegative && value < 0)
            RecordError(row, column, "must not be negative, not " + std::string(shown));
        else {
            row.Inputs.*column.Number = value;
            return true;
        }
    } catch (...) {
        RecordError(row, column, kOutOfMemory);
    }
    return false;
}

} // namespace zorsteel
