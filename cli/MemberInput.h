// One member as the command takes it: a row of the member CSV file, or the
// options of a single check. The columns, their checks and the design
// object's setters are one table (kInputColumns), so that the file, the
// options and the help all say the same.
#pragma once

#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CAiscDesign;

// The design object's inputs. A column left out keeps the design object's
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

struct MemberRow
{
    std::string Where;  // "model.csv, row 4" or "command line", for messages
    bool FromOptions = false;  // fields are named as options (--Fy), not columns
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
    Boolean,      // 1 / 0 / true / false, in any case
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

// The member CSV columns in their documented order; every one but Section may
// be left out.
std::span<const InputColumn> InputColumns();

// Sets one field of row from its text; an empty text keeps the default. A bad
// text sets row.Error ("<where>, column <name>: <what>") unless one is set.
void SetField(MemberRow& row, const InputColumn& column, std::string_view text);

struct MemberFile
{
    std::vector<MemberRow> Rows;
    bool HasCombo = false;
    // Set when the file as a whole cannot be read (no header, no Section
    // column, an unknown or repeated column): one line naming file and column.
    std::string Error;
};

// Reads a member CSV file with a header row, the rows' fields on threads
// threads (0: one per core). Blank records are skipped; a record with more
// fields than the header, an unclosed quote, or a last record that has fewer
// fields than the header and no line break (a file cut short) is a row
// error. fileName is only for messages.
MemberFile ReadMembers(std::istream& in, const std::string& fileName, unsigned threads);

// Hands the row's inputs to a design object (all setters, in one go).
void ApplyInputs(CAiscDesign& design, const MemberInputs& inputs);
