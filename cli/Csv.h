// CSV as the command reads and writes it (RFC 4180: comma-separated fields,
// double quotes around a field that holds a comma, a quote or a line break,
// a quote inside written twice), and numbers that read back to the same
// double.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zorsteel::cli {

// The shortest text that reads back to the same double (std::to_chars);
// infinities and not-a-number as "inf", "-inf" and "nan".
std::string FormatNumber(double value);
// The same text appended to out.
void AppendNumber(std::string& out, double value);

enum class NumberParse
{
    Ok,
    NotANumber,  // empty, text, or a number followed by something else
    NotFinite,   // "nan", "inf", "infinity" in any case and sign
};

// Reads a whole field as a double with std::from_chars (exactly the double
// nearest to the text, infinite or not a number too); blanks around it and a
// leading "+" are allowed.
NumberParse ParseNumber(std::string_view text, double& value);

// Appends the field as a CSV cell: quoted when it must be.
void AppendCsvField(std::string& out, std::string_view text);

// Writes one record: the cells joined by commas, quoted as needed, and a
// line break.
void WriteCsvRecord(std::ostream& out, const std::vector<std::string>& cells);

// Reads records one by one, fields separated by commas (or SetSeparator's).
// A quoted field may span lines; "\r\n" and "\n" both end a record; a byte-order mark at the very start is skipped.
class CsvReader
{
public:
    explicit CsvReader(std::istream& in) : m_in(in) {}

    // The character between fields from the next record on: a comma unless
    // set (a semicolon or a tab, as spreadsheets in many locales save).
    void SetSeparator(char separator) { m_separator = separator; }

    // The next record's fields; false at the end of the input. A record with
    // an unterminated quote is returned as read and marked by UnclosedQuote.
    bool Next(std::vector<std::string>& fields);
    // The number of the last record returned, the first being 1.
    int Record() const { return m_record; }
    bool UnclosedQuote() const { return m_unclosedQuote; }
    // False for a last record that the input ends without a line break.
    bool EndsLine() const { return m_endsLine; }

private:
    std::istream& m_in;
    int m_record = 0;
    bool m_unclosedQuote = false;
    bool m_endsLine = false;
    char m_separator = ',';
};

} // namespace zorsteel::cli
