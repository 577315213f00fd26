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
    // The header and each row's fields as read, when asked for (to write the
    // file again with other sections).
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Fields;
    // Set when the file as a whole cannot be read (no header, no Section
    // column, an unknown or repeated column): one line naming file and column.
    std::string Error;
};

// Reads a member CSV file with a header row, the rows' fields on threads
// threads (0: one per core), in the user's conventions. The header is the
// first record that is not blank; its separator (comma, semicolon or tab) is
// the one it holds most of; its names match columns with blanks around them
// and in any case (a name with a unit after it, or a UTF-16 file, is told as
// such). Blank records, and records of separators only, are skipped; a record with more fields than the header, an unclosed quote, a
// last record that has fewer fields than the header and no line break (a
// file cut short), a row without Fy (FinishRow) and the rows of an Id that
// name different sections are row errors. fileName is only for messages.
// Throws what the stream throws (a read error).
MemberFile ReadMembers(std::istream& in, const std::string& fileName, unsigned threads,
                       const InputConventions& conventions = {}, bool keepFields = false);

// The member file again, as read, with the Section of row i replaced by
// sections[i] where that is not empty: every other field as read.
void WriteMembers(std::ostream& out, const MemberFile& file, const std::vector<std::string>& sections);

} // namespace zorsteel::cli
