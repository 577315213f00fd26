// zorsteel select: for each member of a member file (all its combinations),
// the lightest candidate section, by area, that is OK under every
// combination, with error code 0 (or 2, KL/r above 200, when no combination
// puts the member in compression).
#pragma once

#include "Check.h"

namespace zorsteel::cli {

struct SelectOptions
{
    CheckOptions Members;    // Members, Out, Json, Report, Title, Table, Colours, Threads and Conventions are used
    std::string Candidates;  // a list of designations and prefixes ("W14 W12 HSS8"); a Candidates column overrides it
    bool KeepFamily = false;   // only candidates of the family of the section each member names
    std::string WriteMembers;  // the member file again with each member's Section its selection
};

// Returns the exit status: 0 when every member has a section, 1 when some
// has none, 2 when some row is bad.
int RunSelect(const SelectOptions& options);

} // namespace zorsteel::cli
