// Names as people type them in a member file or a Python call: column names
// with blanks around them or in another case, section names with blanks in
// them, section names that are nearly right. The command and the Python
// module read them by the same rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "MemberInput.h"

namespace zorsteel {

// The input column a header or key names: blanks around it left out, any
// case ("fy", " Fy "); null for any other name.
const InputColumn* MatchInputColumn(std::string_view name) noexcept;

// The column a header names with a unit after it ("Lb (in)", "Fy [ksi]"), or
// null when it is not one.
const InputColumn* ColumnWithUnit(std::string_view name) noexcept;

// What is wrong with a header or key that names no column, for a message:
// a unit after a column's name, or no such column.
std::string UnknownColumnText(std::string_view name);

// A section name as people type it, with the blanks around and inside it left
// out: " W14 X 90 " is "W14X90". Case is kept: the catalogue takes any.
std::string CompactSectionName(std::string_view name);

// Up to three catalogue names nearest to name by edits (without regard to
// case; a letter O typed for a zero, or I or L for a one, counts half an
// edit), those equally near in the order of their names, none more
// than a third of its length away; empty when none is that near or the
// catalogue cannot be read.
std::vector<std::string> NearestSectionNames(std::string_view name);

// An unknown section, told: "W14X9O" is not in the catalogue; did you mean
// W14X90?
std::string UnknownSectionText(std::string_view name);

} // namespace zorsteel
