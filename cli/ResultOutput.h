// The results of a check as CSV, JSON or an aligned table for the terminal,
// and the envelope of a member's load combinations. The columns are the
// library's table (ResultColumns): a new column is one line there.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "zorsteel.h"

namespace zorsteel::cli {

// Writes the header at once (flushed), then each result as it comes, which
// reaches the file as the stream's buffer fills; Flush at the end.
class CsvResultWriter
{
public:
    CsvResultWriter(std::ostream& out, std::vector<const ResultColumn*> columns);
    // The result's line, with its line end; any thread may make lines at once.
    std::string Line(const MemberResult& result) const;
    void Write(const MemberResult& result);
    // Writes a line that Line made.
    void WriteLine(const std::string& line);
    void Flush();

private:
    std::ostream& m_out;
    std::vector<const ResultColumn*> m_columns;
};

// {"Rules": "full", "Edition": "360-10", "members": [...], "envelope": [...]}:
// the rules (full under 360-22) and the edition the members were checked by,
// then one object per result with the
// columns as keys and "LimitStates", the list of every limit state evaluated
// ({"Quantity", "Name", "Equation", "Nominal", "Governs"}); non-finite numbers
// as the strings "inf", "-inf", "nan"; the results of an ERROR row (numbers,
// what governs, the list), and the deflection ratios of a check without
// deflections, as null. "envelope" only when asked for.
void WriteJson(std::ostream& out, const std::vector<const ResultColumn*>& columns,
               const std::vector<MemberResult>& results, const std::vector<MemberResult>* envelope,
               const InputConventions& conventions);
// The same objects as one JSON array, the members then their envelope lines
// (which carry "Envelope": 1): what --out writes with --json and no file.
void WriteJsonArray(std::ostream& out, const std::vector<const ResultColumn*>& columns,
                    const std::vector<MemberResult>& results, const std::vector<MemberResult>* envelope);

// The text with the characters a terminal takes as commands (C0 and C1
// controls, DEL) shown as "?": bytes of a member file must not reach the
// terminal raw.
std::string Printable(std::string_view text);

// Rows of cells (the first the head) in aligned columns, those marked right
// right-aligned, the last one free; the cells of statusColumn ("OK" green,
// anything else red) in colour when colour is on.
void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                  const std::vector<bool>& right, std::size_t statusColumn, bool colour);

// An aligned table for a person, its texts Printable; Status in colour when
// colour is on. The cells are made on threads threads (0: one per core).
void WriteTable(std::ostream& out, const std::vector<MemberResult>& results, bool withCombo, bool colour,
                unsigned threads);

// What the members were checked by, for a person: "AISC 360-10, full rules".
std::string CheckedBy(const InputConventions& conventions);

// The check in short, for the terminal when the results went to a file: the
// members (MembersOf) and what they were checked by (CheckedBy), counted by
// status, the highest critical ratio, and the
// NG and ERROR members by their governing combination (the first 20, then how
// many more).
void WriteShortSummary(std::ostream& out, const std::vector<MemberResult>& results, std::string_view checkedBy,
                       bool colour);

// One line per member (MembersOf: rows with one Id, in order of first
// appearance): a copy of the result of its governing combination.
std::vector<MemberResult> EnvelopeOf(const std::vector<MemberResult>& results);

// A number for a person: four significant digits, a ratio to three decimals.
std::string Brief(double value, bool ratio);

// "OK", "NG" and "ERROR" worst last, for comparisons.
int StatusRank(std::string_view status);

} // namespace zorsteel::cli
