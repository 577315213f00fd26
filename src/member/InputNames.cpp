#include "InputNames.h"

#include <algorithm>
#include <cctype>

#include "../catalogue/CSteelDesignManager.h"
#include "../platform/Utf8.h"
#include "../section/SectionNames.h"
#include "../section/mvSect_AISC.h"

namespace zorsteel {

namespace {

bool Blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool SameWithoutCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return Upper(x) == Upper(y); });
}

// Characters typed for one another: a letter O for a zero, I or L for a one.
bool LookAlike(char a, char b)
{
    const auto pair = [&](char x, char y) { return (a == x && b == y) || (a == y && b == x); };
    return pair('O', '0') || pair('I', '1') || pair('L', '1');
}

// Edits from a to b without regard to case (Levenshtein), in half edits: a
// look-alike character in place of another counts half.
std::size_t HalfEdits(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = 2 * j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = 2 * i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const char x = Upper(a[i - 1]), y = Upper(b[j - 1]);
            const std::size_t change = x == y ? 0 : LookAlike(x, y) ? 1 : 2;
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 2, row[j - 1] + 2, diagonal + change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

const InputColumn* MatchInputColumn(std::string_view name) noexcept
{
    name = Trimmed(name);
    for (const InputColumn& column : InputColumns())
        if (SameWithoutCase(column.Name, name)) return &column;
    return nullptr;
}

const InputColumn* ColumnWithUnit(std::string_view name) noexcept
{
    name = Trimmed(name);
    const std::size_t open = name.find_first_of("([");
    if (open == std::string_view::npos || open == 0) return nullptr;
    const char close = name[open] == '(' ? ')' : ']';
    if (name.back() != close) return nullptr;
    return MatchInputColumn(name.substr(0, open));
}

std::string UnknownColumnText(std::string_view name)
{
    std::string text(1, '"');
    (text += name) += '"';
    if (const InputColumn* column = ColumnWithUnit(name))
        return ((text += " has a unit in its name: name the column ") += column->Name) +=
               " alone (the units are fixed: kips, inches, ksi, kip-ft; --length-unit ft takes lengths in feet)";
    return "unknown column " + text;
}

std::string CompactSectionName(std::string_view name)
{
    std::string compact;
    for (const char c : name)
        if (!Blank(c)) compact += c;
    return compact;
}

std::vector<std::string> NearestSectionNames(std::string_view name)
{
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    if (!catalogue || name.empty()) return {};
    std::vector<std::pair<std::size_t, std::string>> near;
    std::size_t nearest = 2 * std::max<std::size_t>(1, name.size() / 3); // half edits
    for (int code = 0; code < kShapeCodeCount; ++code) {
        std::vector<mvSect_AISC> family;
        catalogue->GenerateSections(family, code, 0, 0, 0, 0);
        for (const mvSect_AISC& section : family) {
            std::string candidate = ToUtf8(GetSectionName(section));
            const std::size_t edits = HalfEdits(name, candidate);
            if (edits > nearest) continue;
            if (edits < nearest) near.clear();
            nearest = edits;
            near.emplace_back(edits, std::move(candidate));
        }
    }
    std::ranges::sort(near);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < near.size() && names.size() < 3; ++i)
        names.push_back(near[i].second);
    return names;
}

std::string UnknownSectionText(std::string_view name)
{
    std::string text(1, '"');
    (text += name) += "\" is not in the catalogue";
    const std::vector<std::string> near = NearestSectionNames(name);
    for (std::size_t i = 0; i < near.size(); ++i)
        text += (i == 0 ? "; did you mean " : i + 1 == near.size() ? " or " : ", ") + near[i];
    return near.empty() ? text : text + "?";
}

} // namespace zorsteel
