// The report of a model, for the engineer who signs it: one page with a
// summary of every member (a line of counts, one row a member, the
// utilisation chart), the limitations that apply to these members, and each
// member's calculation headed by its notes and followed by its interaction
// diagram. The command's --report and the Python module's write_report write it.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "MemberRun.h"

namespace zorsteel {

// A member of a checked model: the results of its load combinations.
struct ModelMember
{
    std::vector<std::size_t> Combinations; // places in the results, in input order
    std::size_t Governing = 0;             // the place of its governing combination
};

// Results of one Id are one member (a result without an Id is a member of its
// own), in the order of first appearance. A member's governing combination is
// the worst by status (ERROR, then NG, then OK), then by critical ratio (not a
// number the worst); the first of equals.
std::vector<ModelMember> MembersOf(const std::vector<MemberResult>& results);

struct ModelReportOptions
{
    std::string Title;
    // Every combination's calculation, not only each member's governing one.
    bool EveryCombination = false;
};

// Writes the page. The results carry their calculations (RunMember with the
// report asked for); one without is shown by its message alone.
void WriteModelReport(std::ostream& out, const std::vector<MemberResult>& results, const ModelReportOptions& options);

// A place where the calculation departs from AISC 360-10, as
// docs/aisc-departures.md words it: its number, its heading, and the shapes
// and direction of its summary row.
struct Departure
{
    int Number;
    std::string_view Heading;
    std::string_view Shapes;
    std::string_view Direction;
    // What full rules do about it, in short (the document's "Full rules"
    // column at length); empty where they leave it open.
    std::string_view FullRules = {};
    // Full rules close it for every member they check (else only for those
    // that give the input FullRules names, and the member's Message says
    // when they could not).
    bool ClosedByFullRules = false;
    // Whether it holds for a member checked by AISC 360-22 (which runs the
    // full rules, so that what they close stays closed): false where 360-22
    // does not depart there.
    bool HoldsUnder360_22 = true;
};

// The departures a member of these results is concerned by (its family, and
// whether some combination puts it in compression, in tension or in flexure),
// in the document's order; a result not checked concerns none, a member
// checked by full rules in every combination is not concerned by a departure
// they close, nor one checked by 360-22 in every combination by a departure
// that does not hold under 360-22.
std::vector<Departure> DeparturesFor(const std::vector<MemberResult>& results);

// Every departure that a catalogue member can meet.
std::span<const Departure> AllDepartures() noexcept;

} // namespace zorsteel
