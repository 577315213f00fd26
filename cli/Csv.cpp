#include "Csv.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace zorsteel::cli {

std::string FormatNumber(double value)
{
    std::string text;
    AppendNumber(text, value);
    return text;
}

void AppendNumber(std::string& out, double value)
{
    if (std::isnan(value)) {
        out += "nan";  // also a NaN with its sign bit set
    } else if (std::isinf(value)) {
        out += value > 0 ? "inf" : "-inf";
    } else {
        char buffer[32];
        out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }
}

NumberParse ParseNumber(std::string_view text, double& value)
{
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    std::string_view digits = text;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') digits.remove_prefix(1);
    double parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return NumberParse::NotANumber;
    value = parsed;
    return std::isfinite(parsed) ? NumberParse::Ok : NumberParse::NotFinite;
}

void AppendCsvField(std::string& out, std::string_view text)
{
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::ranges::none_of(text, special)) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void WriteCsvRecord(std::ostream& out, const std::vector<std::string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) line += ',';
        AppendCsvField(line, cells[i]);
    }
    line += '\n';
    out << line;
}

bool CsvReader::Next(std::vector<std::string>& fields)
{
    fields.clear();
    m_unclosedQuote = false;
    m_endsLine = false;
    std::string field;
    bool quoted = false;  // inside a quoted part
    bool any = false;
    // Straight from the stream's buffer: a character at a time through the
    // stream itself would cost a sentry each.
    std::streambuf& in = *m_in.rdbuf();
    constexpr int kEnd = std::char_traits<char>::eof();
    for (int c; (c = in.sbumpc()) != kEnd;) {
        any = true;
        if (quoted) {
            if (c != '"')
                field += static_cast<char>(c);
            else if (in.sgetc() == '"')
                field += static_cast<char>(in.sbumpc());
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == m_separator) {
            fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            m_endsLine = true;
            break;
        } else if (c != '\r' || in.sgetc() != '\n') {
            field += static_cast<char>(c);
        }
    }
    if (!any) return false;
    fields.push_back(std::move(field));
    if (m_record == 0 && fields[0].rfind("\xEF\xBB\xBF", 0) == 0) fields[0].erase(0, 3);
    m_unclosedQuote = quoted;
    ++m_record;
    return true;
}

} // namespace zorsteel::cli
