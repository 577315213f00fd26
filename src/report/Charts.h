// Pictures for the report page: inline SVG, written as text, that a host puts
// into the page of ReportPage. No script, no style sheet of their own: they
// scale to the width of the page (a fixed viewBox at width 100%), take the
// page's font, and read in black and white (what a colour says is also said by
// a label, a shade or a marker shape).
//
//     out << zorsteel::UtilisationChart(bars);                 // in the summary
//     out << zorsteel::InteractionDiagram("C-1", points);     // with C-1's calculation
//
// Texts are UTF-8; they are escaped for XML, and a byte that is not UTF-8 is
// shown as U+FFFD. Every number written is finite.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "../platform/Export.h"

namespace zorsteel {

enum class ChartStatus
{
    Ok,
    Ng,
    Error,  // not checked: its ratio means nothing and no bar is drawn
};

// One member of the utilisation chart.
struct MemberBar
{
    std::string Id;
    double Ratio = 0;  // the critical ratio; NaN or infinite when there is none
    ChartStatus Status = ChartStatus::Error;
};

// Axis maximum of the utilisation chart: a longer bar ends there in a break
// mark and an arrow, its value written beside it as for every bar.
inline constexpr double kUtilisationAxisMax = 1.5;

// Every member's critical ratio as a horizontal bar against the 1.0 line, one
// row a member in the order given, each row naming its Id, ratio and status.
// OK bars are light, NG bars dark, NG and ERROR rows in bold; an ERROR member
// has no bar and says "not checked"; a ratio that is not a number has no bar
// and says so; an infinite one is a clipped bar valued "∞". The rows come in
// blocks of at most 25 (blocks of equal size), one <svg> each with its own
// axis, so that a printed page breaks between blocks and never through a row.
// The result is one <div class="zs-chart"> holding the blocks; with no
// members, a line saying so.
ZORSTEEL_API std::string UtilisationChart(const std::vector<MemberBar>& members);

// One load combination of a member in the interaction diagram.
struct CombinationPoint
{
    std::string Combination;
    double AxialRatio = 0;   // Pr/Pc: positive in compression, negative in tension
    double MomentRatio = 0;  // Mrx/Mcx + Mry/Mcy
};

// Axis maximum of the interaction diagram, on both axes (and in tension).
inline constexpr double kInteractionAxisMax = 1.4;

// The H1-1 interaction diagram of a member: Pr/Pc up, Mrx/Mcx + Mry/Mcy to
// the right, the H1-1b line below Pr/Pc = 0.2 (Pr/2Pc + ΣM = 1) and the H1-1a
// line above it (Pr/Pc + 8/9 ΣM = 1), and one numbered marker a combination
// (shape and number distinct per combination), listed beside the plot with
// its name and its two ratios. H1-1 holds in tension with Pc the tensile
// strength (H1.2), so a combination in tension lies on a mirrored half below
// the horizontal axis; that half is drawn only when a combination is in
// tension, and the compression half only when one is not. A point beyond the
// axes sits on the edge with an arrow pointing the way it lies; one with a
// ratio that is not finite is not drawn, and its list line says why.
ZORSTEEL_API std::string InteractionDiagram(std::string_view memberId, const std::vector<CombinationPoint>& points);

} // namespace zorsteel
