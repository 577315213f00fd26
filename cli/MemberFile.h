// Members as the command takes them: the rows of a member CSV file, and the
// text of a field (a cell or an option) read into a row by the library's
// table of inputs (InputColumns).
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "zorsteel.h"

namespace zorsteel::cli {

// Sets one field of row from its text; an empty text keeps the default. A bad
// text records row.Error ("<where>, column <name>: <what>") unless one is set.
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

} // namespace zorsteel::cli
