// One member as a host takes it from its user: a row of a member file, the
// options of a command, a Python call. The inputs, their rules and the design
// object's setters are one table (InputColumns), so that every host names and
// checks them alike: the zorsteel command's file, its options and its help,
// and the Python module's keywords.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "../design/DesignRules.h"
#include "../platform/Export.h"

namespace zorsteel {

// The design object's inputs. An input left out keeps the design object's
// own default (CAiscDesign's constructor), which these repeat.
struct MemberInputs
{
    double Fy = 0, Pu = 0, Mux = 0, Muy = 0, Cmx = 1.0, Cmy = 1.0, Vux = 0, Vuy = 0;
    double Cb = 1.0, Lb = 0, Kx = 1.0, Ky = 1.0, Lx = 0, Ly = 0, Kz = 1.0, Lz = 0;
    double ConnectorDistance = 0;
    bool DirectAnalysis = true, ConsiderB1 = true;
    double TotalDeflectionDenominator = 0, LiveDeflectionDenominator = 0, TotalDy = 0, LiveDy = 0, L = 0;
    double DeflectionAdjustmentRatio = 1.0;
    std::string AnalysisSectionName;
    double AnalysisSectionIx = 0;
    // Read by full rules only (DesignRules.h); a choice left empty is not given.
    double Fu = 0, NetAreaRatio = 1.0, ShearLagU = 1.0;
    std::string AngleConnectedLeg;  // "long", "short"
    bool AngleSpaceTruss = false;
    std::string ConnectorType;  // "welded", "snug"
    double K1x = 1.0, K1y = 1.0, Plt = 0, Mltx = 0, Mlty = 0, B2x = 1.0, B2y = 1.0;
};

// How a host's user names a field, for messages.
enum class FieldNaming
{
    Column,  // a file's column: "model.csv, row 4, column Fy"
    Option,  // a command option: "command line, option --Fy" (the section: "command line, section")
    Key,     // a keyword or dictionary key: "rows[3], Fy"
};

// How a host's user writes the member lengths and the axial force, said once
// for all rows (the command's --length-unit and --compression-sign, the
// Python functions' length_unit= and compression_sign=). The library takes
// inches and compression positive; deflections are inches either way.
enum class LengthUnit
{
    Inches,  // "in"
    Feet,    // "ft"
};
enum class CompressionSign
{
    Positive,  // "positive": Pu > 0 is compression
    Negative,  // "negative": Pu < 0 is compression, as analysis programs write it
};
// With them, said once as well, the rules the rows are checked by (the
// command's --rules, the Python functions' rules=; the library's default is
// classic) and the edition of AISC 360 (--edition, edition=; 360-10 unless
// chosen). 360-22 runs the full check whatever Rules says.
struct InputConventions
{
    LengthUnit Lengths = LengthUnit::Inches;
    CompressionSign Compression = CompressionSign::Positive;
    DesignRules Rules = DesignRules::Classic;
    zorsteel::Edition Edition = zorsteel::Edition::Aisc360_10;
};

// The rules the rows are checked by: Full under 360-22, else Rules.
ZORSTEEL_API DesignRules EffectiveRules(const InputConventions& conventions) noexcept;

// The names the hosts take them by; false for any other name.
ZORSTEEL_API bool ParseLengthUnit(std::string_view name, LengthUnit& unit) noexcept;
ZORSTEEL_API bool ParseCompressionSign(std::string_view name, CompressionSign& sign) noexcept;
ZORSTEEL_API bool ParseRules(std::string_view name, DesignRules& rules) noexcept;
// "360-10" or "360-22", as the hosts take them.
ZORSTEEL_API bool ParseEditionName(std::string_view name, Edition& edition) noexcept;

struct MemberRow
{
    std::string Where;  // "model.csv, row 4", "command line", "rows[3]": the member, for messages
    FieldNaming Naming = FieldNaming::Column;
    std::string Id, Combo, Section;
    std::string Candidates;  // select's own list for this member; the check does not read it
    MemberInputs Inputs;     // as the user wrote them, in Conventions
    InputConventions Conventions;
    // The columns the user gave (SetText of a non-empty text, SetFlag,
    // SetNumber of an accepted number), by their place in InputColumns.
    std::uint64_t Given = 0;
    // Set when the row cannot be checked: one line naming where and what.
    std::string Error;
};

enum class ColumnKind
{
    Text,         // taken as written
    Number,       // any finite number
    NonNegative,  // a finite number, not below 0 (lengths, K factors, divisors)
    Positive,     // a finite number above 0 (Fy, Cb)
    Boolean,      // true or false
    Fraction,     // a finite number above 0 and at most 1 (An / Ag, U)
    Amplifier,    // a finite number not below 1 (B2)
};

// What a number is measured in, where the user's conventions apply.
enum class InputMeasure
{
    Other,
    Length,      // a member length: inches, or feet with LengthUnit::Feet
    AxialForce,  // Pu: compression positive, or negative with CompressionSign::Negative
};

struct InputColumn
{
    std::string_view Name;
    ColumnKind Kind;
    std::string_view Help;
    std::string MemberRow::*Text = nullptr;
    double MemberInputs::*Number = nullptr;
    bool MemberInputs::*Flag = nullptr;
    InputMeasure Measure = InputMeasure::Other;
    bool Required = false;  // no default: a row without it cannot be checked (Fy)
    // A text among the inputs (AnalysisSectionName, the choices).
    std::string MemberInputs::*InputText = nullptr;
    // A text that must be one of these words, "long|short"; empty: any text.
    std::string_view Choices = {};
};

// Id, Combo, Section, then the design object's inputs in their documented
// order, then select's Candidates. A row without a Section, or without Fy
// (Required), cannot be checked.
ZORSTEEL_API std::span<const InputColumn> InputColumns() noexcept;
// The column of a name, exactly as written (case included), or null.
ZORSTEEL_API const InputColumn* FindInputColumn(std::string_view name) noexcept;
// The column of a name the library knows to be in the table.
ZORSTEEL_API const InputColumn& InputColumnNamed(std::string_view name) noexcept;

// Whether the row's user gave the column.
ZORSTEEL_API bool IsGiven(const MemberRow& row, const InputColumn& column) noexcept;

// The field as the row's user names it: "model.csv, row 4, column Fy".
ZORSTEEL_API std::string FieldWhere(const MemberRow& row, const InputColumn& column);

// Records the row's first error, "<FieldWhere>: <problem>"; a later one is
// not recorded. Never throws: without memory it records "out of memory".
ZORSTEEL_API void RecordError(MemberRow& row, const InputColumn& column, std::string_view problem) noexcept;

// Sets a text field of the row (AnalysisSectionName and the choices among
// the inputs); a Section without the blanks around and in it
// (CompactSectionName). A choice that is not one of its words records "must
// be long or short, not ..." and is not set.
ZORSTEEL_API void SetText(MemberRow& row, const InputColumn& column, std::string_view text) noexcept;
ZORSTEEL_API void SetFlag(MemberRow& row, const InputColumn& column, bool flag) noexcept;
// Sets a number when it keeps the column's rule: finite, above 0 (Positive),
// not below 0 (NonNegative). Otherwise records "is not a finite number",
// "must be above 0" or "must not be negative" with shown, the value as the
// user wrote it, and returns false.
ZORSTEEL_API bool SetNumber(MemberRow& row, const InputColumn& column, double value, std::string_view shown) noexcept;

// After a row's fields are set: records, as its error, a required column the
// user did not give ("not given (there is no default)") and an AnalysisSectionIx
// of 0 that would take the deflection adjustment ratio as 0.
ZORSTEEL_API void FinishRow(MemberRow& row) noexcept;

// The row's inputs as the library takes them: lengths in inches and Pu
// compression positive. Inches and compression positive pass every number
// through untouched.
ZORSTEEL_API MemberInputs LibraryInputs(const MemberRow& row) noexcept;

// Rows with one Id are one member, which has one section (a row without an
// Id is a member of its own): when rows of an Id name different sections
// (without regard to case), each of them records the
// error "member <Id> is given the sections A and B: rows of one Id are one
// member" (after any error of its own).
ZORSTEEL_API void MarkMembersOfSeveralSections(std::vector<MemberRow>& rows);

} // namespace zorsteel
