#include "Csv.h"

#include <cctype>
#include <charconv>
#include <cmath>

std::string FormatNumber(double value)
{
    if (std::isnan(value)) return "nan";  // also a NaN with its sign bit set
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
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

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void WriteCsvRecord(std::ostream& out, const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "," : "") << CsvField(cells[i]);
    out << '\n';
}

bool CsvReader::Next(std::vector<std::string>& fields)
{
    fields.clear();
    m_unclosedQuote = false;
    std::string field;
    bool quoted = false;  // inside a quoted part
    bool any = false;
    for (int c; (c = m_in.get()) != EOF;) {
        any = true;
        if (quoted) {
            if (c != '"')
                field += static_cast<char>(c);
            else if (m_in.peek() == '"')
                field += static_cast<char>(m_in.get());
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            break;
        } else if (c != '\r' || m_in.peek() != '\n') {
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
