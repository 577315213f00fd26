// zorsteel sections: catalogue sections of a family within size bounds or
// with name prefixes, or of a free list, sorted by area, with the properties
// an engineer looks at.
#pragma once

#include <string>

#include "Check.h"

namespace zorsteel::cli {

struct SectionsOptions
{
    std::string Family;  // a designation: W, C, L, WT, 2L, HSS8X4, Pipe, ...
    std::string Prefix;  // name prefixes within the family
    std::string Width;   // MIN:MAX, either may be left out
    std::string Height;
    std::string List;    // or a free list of designations and prefixes
    std::string Out, Json;
};

// Returns the exit status: 0 (also for an empty list), 3 for a bad option,
// 4 for a file error.
int RunSections(const SectionsOptions& options);

} // namespace zorsteel::cli
