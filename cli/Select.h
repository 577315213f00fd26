// zorsteel select: for each member of a member file (all its combinations),
// the lightest candidate section, by area, that is OK with error code 0 under
// every combination.
#pragma once

#include "Check.h"

namespace zorsteel::cli {

struct SelectOptions
{
    CheckOptions Members;    // Members, Out, Json and Colours are used
    std::string Candidates;  // a list of designations and prefixes ("W14 W12 HSS8")
};

// Returns the exit status: 0 when every member has a section, 1 when some
// has none, 2 when some row is bad.
int RunSelect(const SelectOptions& options);

} // namespace zorsteel::cli
