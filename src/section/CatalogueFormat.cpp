// The text form of the catalogue file (CatalogueFormat.h): its header, its
// numbers, the order of its rows, and one row as a line.
#include "CatalogueFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "../platform/Utf8.h"

namespace zorsteel::catalogue_format {

namespace {

// Reads a whole field as a shape code in 0..kShapeCodeCount-1.
bool ParseCode(std::string_view field, int& code)
{
    if (field.empty() || field.size() > 3) return false;
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < 0 || value >= kShapeCodeCount) return false;
    code = value;
    return true;
}

// Decodes a UTF-8 name into UTF-16 units; false when the text is not valid
// UTF-8 or does not fit with its terminator.
bool DecodeName(std::string_view text, char16_t (&name)[kSectionNameCapacity])
{
    int used = 0;
    for (std::size_t i = 0; i < text.size();) {
        char32_t c;
        if (!DecodeUtf8(text, i, c)) return false;
        const int units = c > 0xFFFF ? 2 : 1;
        if (used + units > kSectionNameCapacity - 1) return false;
        if (units == 2) {
            name[used++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            name[used++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            name[used++] = static_cast<char16_t>(c);
        }
    }
    if (used == 0) return false;
    for (int k = used; k < kSectionNameCapacity; ++k) name[k] = u'\0';
    return true;
}

} // namespace

std::string HeaderLine()
{
    std::string line = "code";
    line += kSeparator;
    line += "name";
    for (const char* field : kSectionFieldNames) {
        line += kSeparator;
        line += field;
    }
    return line;
}

void AppendNumber(std::string& out, double value)
{
    if (value == 0) {
        out += '0';
        return;
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

bool ParseNumber(std::string_view field, double& value)
{
    if (field.size() == 1 && field[0] == '0') {  // most of the catalogue
        value = 0;
        return true;
    }
    if (field.empty()) return false;
    double parsed = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), parsed);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

int CompareNames(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = FoldAscii(static_cast<unsigned char>(a[i]));
        const unsigned char cb = FoldAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void AppendRow(std::string& out, int shapeCode, std::string_view utf8Name, const mvSect_AISC& section)
{
    double numbers[kSectionNumberCount];
    std::memcpy(numbers, &section, sizeof numbers);
    char code[16];
    out.append(code, std::to_chars(code, code + sizeof code, shapeCode).ptr);
    out += kSeparator;
    out += utf8Name;
    for (const double value : numbers) {
        out += kSeparator;
        AppendNumber(out, value);
    }
}

bool ParseRow(std::string_view line, int& shapeCode, mvSect_AISC& section)
{
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t codeEnd = line.find(kSeparator);
    if (codeEnd == std::string_view::npos) return false;
    const std::size_t nameEnd = line.find(kSeparator, codeEnd + 1);
    if (nameEnd == std::string_view::npos) return false;
    int code = -1;
    mvSect_AISC row;
    if (!ParseCode(line.substr(0, codeEnd), code) || !DecodeName(line.substr(codeEnd + 1, nameEnd - codeEnd - 1), row.Name)) return false;

    // The numbers are read in place: each must end at a separator, the last
    // one at the end of the line.
    double numbers[kSectionNumberCount];
    const char* p = line.data() + nameEnd + 1;
    const char* const end = line.data() + line.size();
    for (int i = 0; i < kSectionNumberCount; ++i) {
        const char* next = p + 1;
        if (p < end && *p == '0' && (next == end || *next == kSeparator)) {
            numbers[i] = 0;  // most of the catalogue
        } else {
            const auto [stop, error] = std::from_chars(p, end, numbers[i]);
            if (error != std::errc() || !std::isfinite(numbers[i])) return false;
            next = stop;
        }
        const bool last = i + 1 == kSectionNumberCount;
        if (last ? next != end : (next == end || *next != kSeparator)) return false;
        p = next + 1;
    }
    std::memcpy(static_cast<void*>(&row), numbers, sizeof numbers);
    section = row;
    shapeCode = code;
    return true;
}

std::string_view RowName(std::string_view line)
{
    const std::size_t first = line.find(kSeparator);
    if (first == 0 || first == std::string_view::npos || first > 3) return {};
    for (std::size_t i = 0; i < first; ++i)
        if (line[i] < '0' || line[i] > '9') return {};
    const std::size_t second = line.find(kSeparator, first + 1);
    if (second == std::string_view::npos) return {};
    return line.substr(first + 1, second - first - 1);
}

std::string_view NameToUtf8(const wchar_t* name, char (&utf8)[kNameUtf8Capacity])
{
    if (!name) return {};
    std::size_t used = 0;
    int units = 0;
    for (const wchar_t* p = name; *p; ++p) {
        const char32_t c = static_cast<char32_t>(*p);
        if (c == U'\t' || c == U'\n' || c == U'\r' || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
        units += c > 0xFFFF ? 2 : 1;
        if (units > kSectionNameCapacity - 1) return {};
        used += EncodeUtf8(c, utf8 + used);  // at most 3 bytes a unit: within kNameUtf8Capacity
    }
    return {utf8, used};
}

} // namespace zorsteel::catalogue_format
