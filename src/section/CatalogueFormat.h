// The text form of the catalogue file "aisc14u.tbl", shared by the library's
// readers and by the catalogue importer so that both agree to the byte.
//
// The file is UTF-8. Lines starting with '#' are comments; the first other
// line is the header (HeaderLine()); every further line is one section:
// shape code, name, then the 98 numbers of mvSect_AISC in record order, all
// separated by tabs. Rows are sorted by CompareNames, so a reader can
// binary-search the file by byte offset.
#pragma once

#include <string>
#include <string_view>

#include "mvSect_AISC.h"

namespace zorsteel::catalogue_format {

inline constexpr char kCommentMark = '#';
inline constexpr char kSeparator = '\t';
// Fields of a row: shape code, name, the numbers.
inline constexpr int kRowFieldCount = 2 + kSectionNumberCount;

// The header line without its line end: "code", "name", then kSectionFieldNames.
std::string HeaderLine();

// Appends the shortest text that reads back to the same double; zero (of
// either sign) is written "0".
void AppendNumber(std::string& out, double value);

// Reads a whole field as a finite double. False for an empty field, trailing
// characters, a leading '+', or a result that is not finite.
bool ParseNumber(std::string_view field, double& value);

// The order of the rows: bytes compared after folding the ASCII letters to
// lower case (as CString::CompareNoCase folds them). Negative, zero or positive.
int CompareNames(std::string_view a, std::string_view b);
// One byte of a name as CompareNames compares it.
constexpr unsigned char FoldAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Appends one row line (without its line end): code, name and the 98 numbers
// of section (its Name is not used; utf8Name is written instead).
void AppendRow(std::string& out, int shapeCode, std::string_view utf8Name, const mvSect_AISC& section);

// Reads one row line (without its '\n'; a trailing '\r' is ignored). On
// success fills section entirely (numbers and name) and shapeCode and returns
// true; otherwise returns false and leaves both unchanged. A row is well formed
// when it has exactly kRowFieldCount fields, a code in 0..kShapeCodeCount-1, a
// non-empty name of valid UTF-8 that fits Name (at most 79 UTF-16 units), and
// numbers that ParseNumber accepts.
bool ParseRow(std::string_view line, int& shapeCode, mvSect_AISC& section);

// The name field of a row line, or an empty view when the line is a comment,
// has no whole name field, or its first field is not a shape code (the header).
std::string_view RowName(std::string_view line);

// Bytes of the longest UTF-8 form of a name that fits Name.
inline constexpr std::size_t kNameUtf8Capacity = 3 * (kSectionNameCapacity - 1);

// UTF-8 form of a name typed by a caller, written to utf8; empty when the
// name cannot name a row: empty, containing a tab or a line end, or too long
// for Name.
std::string_view NameToUtf8(const wchar_t* name, char (&utf8)[kNameUtf8Capacity]);

} // namespace zorsteel::catalogue_format
