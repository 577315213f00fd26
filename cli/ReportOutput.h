// The report of a check: the page of ReportPage with a summary table on top
// (member, Id, combination, section, critical ratio, what governs, status,
// error code), each line linking to the member's calculation, framed by
// ProblemPrintArea and titled with its Id, combination and section.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "zorsteel.h"

namespace zorsteel::cli {

// results carry their calculations (RunMember with the report asked for).
void WriteReport(std::ostream& out, const std::string& title, const std::vector<MemberResult>& results);

} // namespace zorsteel::cli
