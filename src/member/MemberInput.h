// One member as a host takes it from its user: a row of a member file, the
// options of a command, a Python call. The inputs, their rules and the design
// object's setters are one table (InputColumns), so that every host names and
// checks them alike: the zorsteel command's file, its options and its help,
// and the Python module's keywords.
#pragma once

#include <span>
#include <string>
#include <string_view>

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
};

// How a host's user names a field, for messages.
enum class FieldNaming
{
    Column,  // a file's column: "model.csv, row 4, column Fy"
    Option,  // a command option: "command line, option --Fy" (the section: "command line, section")
    Key,     // a keyword or dictionary key: "rows[3], Fy"
};

struct MemberRow
{
    std::string Where;  // "model.csv, row 4", "command line", "rows[3]": the member, for messages
    FieldNaming Naming = FieldNaming::Column;
    std::string Id, Combo, Section;
    MemberInputs Inputs;
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
};

struct InputColumn
{
    std::string_view Name;
    ColumnKind Kind;
    std::string_view Help;
    std::string MemberRow::*Text = nullptr;
    double MemberInputs::*Number = nullptr;
    bool MemberInputs::*Flag = nullptr;
};

// Id, Combo, Section, then the design object's inputs in their documented
// order; every one but Section may be left out.
std::span<const InputColumn> InputColumns() noexcept;
// The column of a name, exactly as written (case included), or null.
const InputColumn* FindInputColumn(std::string_view name) noexcept;

// The field as the row's user names it: "model.csv, row 4, column Fy".
std::string FieldWhere(const MemberRow& row, const InputColumn& column);

// Records the row's first error, "<FieldWhere>: <problem>"; a later one is
// not recorded. Never throws: without memory it records "out of memory".
void RecordError(MemberRow& row, const InputColumn& column, std::string_view problem) noexcept;

// Sets a text field of the row (AnalysisSectionName among the inputs).
void SetText(MemberRow& row, const InputColumn& column, std::string_view text) noexcept;
void SetFlag(MemberRow& row, const InputColumn& column, bool flag) noexcept;
// Sets a number when it keeps the column's rule: finite, above 0 (Positive),
// not below 0 (NonNegative). Otherwise records "is not a finite number",
// "must be above 0" or "must not be negative" with shown, the value as the
// user wrote it, and returns false.
bool SetNumber(MemberRow& row, const InputColumn& column, double value, std::string_view shown) noexcept;

} // namespace zorsteel
