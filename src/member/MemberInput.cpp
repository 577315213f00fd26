#include "MemberInput.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <unordered_map>

#include "InputNames.h"

namespace zorsteel {

namespace {

using K = ColumnKind;
using R = MemberRow;
using I = MemberInputs;
using Measure = InputMeasure;

// Units as the library takes them: kips, ksi, kip-ft; lengths in the user's
// length unit, Pu by the user's compression sign (InputConventions).
const InputColumn kInputColumns[] = {
    {"Id", K::Text, "member name; rows with one Id are one member", &R::Id},
    {"Combo", K::Text, "load combination of the row", &R::Combo},
    {"Section", K::Text, "catalogue section, any case", &R::Section},
    {.Name = "Fy", .Kind = K::Positive, .Help = "yield stress, ksi (required)", .Number = &I::Fy, .Required = true},
    {.Name = "Pu", .Kind = K::Number, .Help = "axial force, kips", .Number = &I::Pu, .Measure = Measure::AxialForce},
    {"Mux", K::Number, "major-axis moment, kip-ft", nullptr, &I::Mux},
    {"Muy", K::Number, "minor-axis moment, kip-ft", nullptr, &I::Muy},
    {"Cmx", K::Number, "B1 moment coefficient about x", nullptr, &I::Cmx},
    {"Cmy", K::Number, "B1 moment coefficient about y", nullptr, &I::Cmy},
    {"Vux", K::Number, "major-axis shear, kips", nullptr, &I::Vux},
    {"Vuy", K::Number, "minor-axis shear, kips", nullptr, &I::Vuy},
    {"Cb", K::Positive, "lateral-torsional buckling factor", nullptr, &I::Cb},
    {.Name = "Lb", .Kind = K::NonNegative, .Help = "unbraced length for lateral-torsional buckling", .Number = &I::Lb,
     .Measure = Measure::Length},
    {"Kx", K::NonNegative, "effective length factor about x", nullptr, &I::Kx},
    {"Ky", K::NonNegative, "effective length factor about y", nullptr, &I::Ky},
    {.Name = "Lx", .Kind = K::NonNegative, .Help = "unbraced length about x (single angles: about z)", .Number = &I::Lx,
     .Measure = Measure::Length},
    {.Name = "Ly", .Kind = K::NonNegative, .Help = "unbraced length about y", .Number = &I::Ly,
     .Measure = Measure::Length},
    {"Kz", K::NonNegative, "effective length factor for torsional buckling", nullptr, &I::Kz},
    {.Name = "Lz", .Kind = K::NonNegative, .Help = "unbraced length for torsional buckling", .Number = &I::Lz,
     .Measure = Measure::Length},
    {.Name = "ConnectorDistance", .Kind = K::NonNegative, .Help = "double-angle connector spacing",
     .Number = &I::ConnectorDistance, .Measure = Measure::Length},
    {"DirectAnalysis", K::Boolean, "1: direct analysis method, 0: effective length method", nullptr, nullptr,
     &I::DirectAnalysis},
    {"ConsiderB1", K::Boolean, "1: amplify moments by B1", nullptr, nullptr, &I::ConsiderB1},
    {"TotalDeflectionDenominator", K::NonNegative, "n of the total-load limit L/n", nullptr,
     &I::TotalDeflectionDenominator},
    {"LiveDeflectionDenominator", K::NonNegative, "n of the live-load limit L/n", nullptr,
     &I::LiveDeflectionDenominator},
    {"TotalDy", K::Number, "total-load deflection, in", nullptr, &I::TotalDy},
    {"LiveDy", K::Number, "live-load deflection, in", nullptr, &I::LiveDy},
    {.Name = "L", .Kind = K::NonNegative, .Help = "member length for the deflection limits", .Number = &I::L,
     .Measure = Measure::Length},
    {"DeflectionAdjustmentRatio", K::Number, "factor on the deflections (default 1, or AnalysisSectionIx / Ix)",
     nullptr, &I::DeflectionAdjustmentRatio},
    {.Name = "AnalysisSectionName", .Kind = K::Text, .Help = "section the deflections were analysed with",
     .InputText = &I::AnalysisSectionName},
    {"AnalysisSectionIx", K::NonNegative, "its Ix, in^4", nullptr, &I::AnalysisSectionIx},
    {"Fu", K::Positive, "full rules: tensile strength, ksi (default: of the family's usual grade at Fy)", nullptr,
     &I::Fu},
    {"NetAreaRatio", K::Fraction, "full rules: An / Ag for tensile rupture (default 1)", nullptr, &I::NetAreaRatio},
    {"ShearLagU", K::Fraction, "full rules: shear lag factor U, Ae = U An (default 1)", nullptr, &I::ShearLagU},
    {.Name = "AngleConnectedLeg", .Kind = K::Text,
     .Help = "full rules: long or short, the leg a single angle is connected by (E5; left out, E5 is not applied)",
     .InputText = &I::AngleConnectedLeg, .Choices = "long|short"},
    {"AngleSpaceTruss", K::Boolean, "full rules: 1 for a web member of a box or space truss (E5-3, E5-4)", nullptr,
     nullptr, &I::AngleSpaceTruss},
    {.Name = "ConnectorType", .Kind = K::Text,
     .Help = "full rules: welded (welded or pretensioned, E6-2; the default) or snug (snug-tight bolts, E6-1)",
     .InputText = &I::ConnectorType, .Choices = "welded|snug"},
    {"K1x", K::NonNegative, "full rules: K1 of Pe1 about x (default 1)", nullptr, &I::K1x},
    {"K1y", K::NonNegative, "full rules: K1 of Pe1 about y (default 1)", nullptr, &I::K1y},
    {.Name = "Plt", .Kind = K::Number, .Help = "full rules: axial force from lateral translation, kips",
     .Number = &I::Plt, .Measure = Measure::AxialForce},
    {"Mltx", K::Number, "full rules: major-axis moment from lateral translation, kip-ft", nullptr, &I::Mltx},
    {"Mlty", K::Number, "full rules: minor-axis moment from lateral translation, kip-ft", nullptr, &I::Mlty},
    {"B2x", K::Amplifier, "full rules: B2 about x (default 1)", nullptr, &I::B2x},
    {"B2y", K::Amplifier, "full rules: B2 about y (default 1)", nullptr, &I::B2y},
    {"Candidates", K::Text, "select: this member's candidate designations and prefixes", &R::Candidates},
};
static_assert(std::size(kInputColumns) <= 64, "MemberRow::Given holds one bit a column");
const InputColumn& kSectionColumn = kInputColumns[2];

// Short enough to be held without allocating.
constexpr const char* kOutOfMemory = "out of memory";

} // namespace

bool ParseLengthUnit(std::string_view name, LengthUnit& unit) noexcept
{
    if (name != "in" && name != "ft") return false;
    unit = name == "in" ? LengthUnit::Inches : LengthUnit::Feet;
    return true;
}

bool ParseCompressionSign(std::string_view name, CompressionSign& sign) noexcept
{
    if (name != "positive" && name != "negative") return false;
    sign = name == "positive" ? CompressionSign::Positive : CompressionSign::Negative;
    return true;
}

bool ParseRules(std::string_view name, DesignRules& rules) noexcept
{
    if (name != "classic" && name != "full") return false;
    rules = name == "full" ? DesignRules::Full : DesignRules::Classic;
    return true;
}

bool ParseEditionName(std::string_view name, Edition& edition) noexcept
{
    if (name != "360-10" && name != "360-22") return false;
    edition = name == "360-22" ? Edition::Aisc360_22 : Edition::Aisc360_10;
    return true;
}

DesignRules EffectiveRules(const InputConventions& conventions) noexcept
{
    return conventions.Edition == Edition::Aisc360_22 ? DesignRules::Full : conventions.Rules;
}

std::span<const InputColumn> InputColumns() noexcept { return kInputColumns; }

const InputColumn* FindInputColumn(std::string_view name) noexcept
{
    const auto found = std::ranges::find(kInputColumns, name, &InputColumn::Name);
    return found == std::end(kInputColumns) ? nullptr : &*found;
}

const InputColumn& InputColumnNamed(std::string_view name) noexcept { return *FindInputColumn(name); }

namespace {

std::uint64_t Bit(const InputColumn& column) { return std::uint64_t{1} << (&column - kInputColumns); }

void MarkGiven(MemberRow& row, const InputColumn& column) { row.Given |= Bit(column); }

} // namespace

bool IsGiven(const MemberRow& row, const InputColumn& column) noexcept { return (row.Given & Bit(column)) != 0; }

namespace {

// Whether text is one of the words "a|b".
bool IsChoice(std::string_view choices, std::string_view text)
{
    for (std::size_t start = 0; start <= choices.size();) {
        const std::size_t end = std::min(choices.find('|', start), choices.size());
        if (choices.substr(start, end - start) == text) return true;
        start = end + 1;
    }
    return false;
}

} // namespace

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
    std::string& target = column.Text ? row.*column.Text : row.Inputs.*column.InputText;
    try {
        if (!column.Choices.empty() && !text.empty() && !IsChoice(column.Choices, text)) {
            std::string words(column.Choices);
            words.replace(words.find('|'), 1, " or ");
            RecordError(row, column, "must be " + words + ", not \"" + std::string(text) + "\"");
            return;
        }
        // A section as people type it: "W14 X 90 " names W14X90.
        target = column.Text == &MemberRow::Section ? CompactSectionName(text) : std::string(text);
        if (!target.empty()) MarkGiven(row, column);
    } catch (...) {
        RecordError(row, column, kOutOfMemory);
    }
}

void SetFlag(MemberRow& row, const InputColumn& column, bool flag) noexcept
{
    row.Inputs.*column.Flag = flag;
    MarkGiven(row, column);
}

bool SetNumber(MemberRow& row, const InputColumn& column, double value, std::string_view shown) noexcept
{
    try {
        if (!std::isfinite(value))
            RecordError(row, column, std::string(1, '"').append(shown).append("\" is not a finite number"));
        else if (column.Kind == K::Positive && !(value > 0))
            RecordError(row, column, "must be above 0, not " + std::string(shown));
        else if (column.Kind == K::NonNegative && value < 0)
            RecordError(row, column, "must not be negative, not " + std::string(shown));
        else if (column.Kind == K::Fraction && !(value > 0 && value <= 1))
            RecordError(row, column, "must be above 0 and at most 1, not " + std::string(shown));
        else if (column.Kind == K::Amplifier && value < 1)
            RecordError(row, column, "must not be below 1, not " + std::string(shown));
        else {
            row.Inputs.*column.Number = value;
            MarkGiven(row, column);
            return true;
        }
    } catch (...) {
        RecordError(row, column, kOutOfMemory);
    }
    return false;
}

void FinishRow(MemberRow& row) noexcept
{
    for (const InputColumn& column : kInputColumns)
        if (column.Required && column.Number && !IsGiven(row, column))
            RecordError(row, column, "not given (there is no default)");
    // AnalysisSectionIx / Ix of 0 would erase the deflections.
    static const InputColumn& ix = InputColumnNamed("AnalysisSectionIx");
    static const InputColumn& ratio = InputColumnNamed("DeflectionAdjustmentRatio");
    if (IsGiven(row, ix) && !IsGiven(row, ratio) && row.Inputs.AnalysisSectionIx == 0)
        RecordError(row, ix,
                    "must be above 0 to scale the deflections by AnalysisSectionIx / Ix, not 0 (or give "
                    "DeflectionAdjustmentRatio)");
}

MemberInputs LibraryInputs(const MemberRow& row) noexcept
{
    MemberInputs inputs = row.Inputs;
    const InputConventions& as = row.Conventions;
    if (as.Lengths == LengthUnit::Inches && as.Compression == CompressionSign::Positive) return inputs;
    constexpr double kInchesPerFoot = 12;
    for (const InputColumn& column : kInputColumns) {
        if (column.Measure == Measure::Length && as.Lengths == LengthUnit::Feet)
            inputs.*column.Number *= kInchesPerFoot;
        else if (column.Measure == Measure::AxialForce && as.Compression == CompressionSign::Negative)
            inputs.*column.Number = 0.0 - inputs.*column.Number;  // 0 stays +0, as the report prints it
    }
    return inputs;
}

namespace {

bool SameSection(std::string_view a, std::string_view b)
{
    const auto fold = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    return std::ranges::equal(a, b, {}, fold, fold);
}

// "A", "A and B", "A, B and C".
std::string Listed(const std::vector<std::string_view>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

} // namespace

void MarkMembersOfSeveralSections(std::vector<MemberRow>& rows)
{
    // The sections of each Id as first written, one of a kind; most members
    // have one, kept without allocating.
    struct Sections
    {
        std::string_view first;
        std::vector<std::string_view> others;
    };
    std::unordered_map<std::string_view, Sections> members;
    members.reserve(rows.size());
    for (const MemberRow& row : rows) {
        if (row.Id.empty() || row.Section.empty()) continue;  // a member of its own; an error of its own
        const auto [at, added] = members.try_emplace(row.Id, Sections{row.Section, {}});
        Sections& sections = at->second;
        if (added || SameSection(sections.first, row.Section) ||
            std::ranges::any_of(sections.others, [&](std::string_view other) { return SameSection(other, row.Section); }))
            continue;
        sections.others.push_back(row.Section);
    }
    static const InputColumn& section = InputColumnNamed("Section");
    for (MemberRow& row : rows) {
        const auto found = row.Id.empty() ? members.end() : members.find(row.Id);
        if (found == members.end() || found->second.others.empty()) continue;
        std::vector<std::string_view> named = {found->second.first};
        named.insert(named.end(), found->second.others.begin(), found->second.others.end());
        RecordError(row, section,
                    "member " + row.Id + " is given the sections " + Listed(named) +
                        ": rows of one Id are one member, with one section");
    }
}

} // namespace zorsteel
