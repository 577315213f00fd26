#include "MemberReport.h"

#include <charconv>
#include <cmath>
#include <map>

#include "../platform/Utf8.h"
#include "../report/Charts.h"
#include "../report/ReportPage.h"
#include "../section/mvSect_AISC.h"

namespace zorsteel {

namespace {

std::string Html(std::string_view text)
{
    return ToUtf8(EscapeHtml(FromUtf8(std::string(text)).c_str()).c_str());
}

// A ratio for a person: three decimals, as the command's table writes it.
std::string Ratio(double value)
{
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char text[400]; // a fixed-point double has at most 309 digits before the point
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3).ptr);
}

int StatusRank(std::string_view status)
{
    return status == "OK" ? 0 : status == "NG" ? 1 : 2;
}

bool Worse(const MemberResult& a, const MemberResult& b)
{
    if (StatusRank(a.Status) != StatusRank(b.Status)) return StatusRank(a.Status) > StatusRank(b.Status);
    if (std::isnan(b.CriticalRatio)) return false;
    return std::isnan(a.CriticalRatio) || a.CriticalRatio > b.CriticalRatio;
}

// ---- Departures --------------------------------------------------------------

// What a member does under its combinations, as far as a departure asks.
struct MemberActions
{
    int shape = kShapeNone;
    bool compression = false, tension = false, flexure = false;
    bool full = true;   // every combination checked by full rules
    bool aisc22 = true; // every combination checked by AISC 360-22
};

using Concerns = bool (*)(const MemberActions&);

bool IsIShape(int shape)
{
    return shape == kShapeW || shape == kShapeM || shape == kShapeS || shape == kShapeHP;
}
bool IsChannel(int shape)
{
    return shape == kShapeC || shape == kShapeMC;
}
bool IsTee(int shape)
{
    return shape == kShapeWT || shape == kShapeMT || shape == kShapeST;
}

struct DepartureRow
{
    Departure departure;
    Concerns concerns;
};

// docs/aisc-departures.md, entries 1 to 17 (18, built-up I-sections, no
// catalogue member can be): each heading and summary row in its words, and
// the members it concerns. Under AISC 360-22 (docs/edition-360-22.md, 11.3)
// 3, 9, 11, 13 and 15 do not hold: under 360-22 a single angle buckles about
// z over the longer of its lengths, there is neither the E3 / E7 branch nor
// E7-16's web without its fillets, a slender HSS flange comes out of the
// compression flange alone and leg local buckling needs a toe in
// compression; those full rules close stay closed.
const DepartureRow kDepartures[] = {
    {{1, "D2-2 and F13.1: tensile rupture and holes are not checked", "all", "unconservative",
      "closed by full rules: rupture on U An with NetAreaRatio and ShearLagU (1 where not given, as Message says)", true},
     [](const MemberActions& m) { return m.tension || m.flexure; }},
    {{2, "E5: a single angle's effective slenderness is not applied", "single angles", "unconservative",
      "closed by full rules where AngleConnectedLeg is given"},
     [](const MemberActions& m) { return m.shape == kShapeL && m.compression; }},
    {{.Number = 3,
      .Heading = "E3: a single angle's axial strength ignores Ky·Ly",
      .Shapes = "single angles",
      .Direction = "unconservative when Ky·Ly > Kx·Lx",
      .HoldsUnder360_22 = false},
     [](const MemberActions& m) { return m.shape == kShapeL && m.compression; }},
    {{4, "A-8-3: above the Euler load the check goes on", "single angles", "unconservative (false OK)"},
     [](const MemberActions& m) { return m.shape == kShapeL && m.compression; }},
    {{5, "A-8-5: Pe1 uses the member's K", "all", "conservative for K > 1, unconservative for K < 1",
      "closed by full rules: K1x, K1y (1 where not given)", true},
     [](const MemberActions& m) { return m.compression && m.flexure; }},
    {{6, "A-8-1: B1 amplifies the whole moment, and there is no B2", "all",
      "conservative with P-Δ moments, unconservative with first-order sway moments",
      "closed by full rules: Plt, Mltx, Mlty and B2x, B2y from the analysis", true},
     [](const MemberActions& m) { return m.flexure; }},
    {{7, "C2-2b: an axial load above Py", "all", "none in the verdict"},
     [](const MemberActions& m) { return m.compression && m.flexure; }},
    {{8, "E4-4: torsional buckling of I-shapes is not checked", "I-shapes", "unconservative when Kz·Lz > Ky·Ly",
      "closed by full rules", true},
     [](const MemberActions& m) { return IsIShape(m.shape) && m.compression; }},
    {{.Number = 9,
      .Heading = "E3 / E7: the branch of the torsional mode follows the flexural KL/r",
      .Shapes = "channels, tees, double angles",
      .Direction = "conservative (within 0.25 % the other way)",
      .HoldsUnder360_22 = false},
     [](const MemberActions& m) {
         return (IsChannel(m.shape) || IsTee(m.shape) || m.shape == kShape2L) && m.compression;
     }},
    {{10, "E6: double-angle connectors are taken as welded or pretensioned", "double angles", "unconservative",
      "closed by full rules where ConnectorType is given"},
     [](const MemberActions& m) { return m.shape == kShape2L && m.compression; }},
    {{.Number = 11,
      .Heading = "E7-16: the effective area of an I-shape web leaves the fillets out",
      .Shapes = "I-shapes, channels",
      .Direction = "conservative",
      .HoldsUnder360_22 = false},
     [](const MemberActions& m) { return (IsIShape(m.shape) || IsChannel(m.shape)) && m.compression; }},
    {{12, "F4: noncompact I-shape webs go to F5", "I-shapes", "conservative"},
     [](const MemberActions& m) { return IsIShape(m.shape) && m.flexure; }},
    {{.Number = 13,
      .Heading = "F7-3: a slender HSS flange is taken out of both flanges",
      .Shapes = "rectangular HSS",
      .Direction = "conservative",
      .HoldsUnder360_22 = false},
     [](const MemberActions& m) { return m.shape == kShapeRectHss && m.flexure; }},
    {{14, "F10-5: βw always enters negative", "unequal-leg angles", "conservative"},
     [](const MemberActions& m) { return m.shape == kShapeL && m.flexure; }},
    {{.Number = 15,
      .Heading = "F10.3: leg local buckling with the heel in compression",
      .Shapes = "single angles",
      .Direction = "conservative",
      .HoldsUnder360_22 = false},
     [](const MemberActions& m) { return m.shape == kShapeL && m.flexure; }},
    {{16, "G6: G6-2a is never used", "round HSS, pipes", "conservative; no catalogue effect below Fy 58.6 ksi"},
     [](const MemberActions& m) { return m.shape == kShapeRoundHss || m.shape == kShapePipe; }},
    {{17, "H1.2: Cb is not increased under axial tension", "I-shapes", "conservative", "closed by full rules", true},
     [](const MemberActions& m) { return IsIShape(m.shape) && m.tension && m.flexure; }},
};

std::vector<MemberActions> ActionsOf(const std::vector<MemberResult>& results)
{
    std::vector<MemberActions> actions;
    for (const ModelMember& member : MembersOf(results)) {
        MemberActions acts;
        for (const std::size_t i : member.Combinations) {
            const MemberResult& r = results[i];
            if (!r.Checked) continue;
            acts.shape = r.ShapeCode;
            acts.full = acts.full && r.Rules == "full";
            acts.aisc22 = acts.aisc22 && r.Edition == EditionText(Edition::Aisc360_22);
            acts.compression = acts.compression || r.AxialRatio > 0;
            acts.tension = acts.tension || r.AxialRatio < 0;
            acts.flexure = acts.flexure || r.MomentRatio != 0;
        }
        if (acts.shape != kShapeNone) actions.push_back(acts);
    }
    return actions;
}

// "unconservative" in bold, where the document puts it in bold.
std::string DirectionHtml(std::string_view direction)
{
    const std::string text = Html(direction);
    const std::string_view word = "unconservative";
    std::string html;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(word, from)) != std::string::npos; from = at + word.size())
        html.append(text, from, at - from).append("<strong>").append(word).append("</strong>");
    return html.append(text, from);
}

// ---- The page ----------------------------------------------------------------

std::string Anchor(std::size_t member)
{
    return "member-" + std::to_string(member + 1);
}

const char* RowClass(const std::string& status)
{
    return status == "OK" ? "ok" : status == "NG" ? "ng" : "error";
}

void WriteCounts(std::ostream& out, const std::vector<MemberResult>& results, const std::vector<ModelMember>& members)
{
    std::size_t ok = 0, ng = 0, error = 0;
    const MemberResult* highest = nullptr;
    for (const ModelMember& member : members) {
        const MemberResult& r = results[member.Governing];
        (r.Status == "OK" ? ok : r.Status == "NG" ? ng : error) += 1;
        if (r.Checked && !std::isnan(r.CriticalRatio) && (!highest || r.CriticalRatio > highest->CriticalRatio))
            highest = &r;
    }
    out << "<p class=\"counts\">" << members.size() << (members.size() == 1 ? " member" : " members") << ": " << ok
        << " OK, " << (ng ? "<strong>" : "") << ng << " NG" << (ng ? "</strong>" : "") << ", "
        << (error ? "<strong>" : "") << error << " ERROR" << (error ? "</strong>" : "");
    if (highest)
        out << "; highest critical ratio " << Ratio(highest->CriticalRatio) << " (" << Html(highest->Id) << ")";
    out << "</p>\n";
}

void WriteSummary(std::ostream& out, const std::vector<MemberResult>& results, const std::vector<ModelMember>& members)
{
    out << "<h2 class=\"report-section\">Summary</h2>\n";
    WriteCounts(out, results, members);
    out << "<table class=\"summary\">\n<thead><tr><th>Id</th><th>Section</th><th>Combination</th>"
           "<th class=\"number\">Ratio</th><th>Governs</th><th>Status</th><th>Message</th></tr></thead>\n<tbody>\n";
    std::vector<MemberBar> bars;
    for (std::size_t m = 0; m < members.size(); ++m) {
        const MemberResult& r = results[members[m].Governing];
        const char* kind = RowClass(r.Status);
        out << "<tr class=\"" << kind << "\"><td class=\"id\"><a href=\"#" << Anchor(m) << "\">" << Html(r.Id)
            << "</a></td><td class=\"id\">" << Html(r.Section) << "</td><td>" << Html(r.Combo)
            << "</td><td class=\"number\">" << (r.Checked ? Ratio(r.CriticalRatio) : "")
            << "</td><td class=\"governs\"";
        if (r.Checked) out << " title=\"" << Html(GoverningText(r.Limits)) << "\"";
        out << ">" << (r.Checked ? Html(GoverningText(r.Limits, true)) : "") << "</td><td class=\"status " << kind
            << "\">" << r.Status << "</td><td class=\"message\">" << Html(r.Message) << "</td></tr>\n";
        bars.push_back({r.Id, r.CriticalRatio,
                        r.Status == "OK"   ? ChartStatus::Ok
                        : r.Status == "NG" ? ChartStatus::Ng
                                           : ChartStatus::Error});
    }
    out << "</tbody>\n</table>\n" << UtilisationChart(bars);
}

// The editions of the results, as the page says them: "AISC 360-10",
// "AISC 360-22", or both.
std::string EditionsOf(const std::vector<MemberResult>& results)
{
    bool aisc10 = false, aisc22 = false;
    for (const MemberResult& r : results)
        (r.Edition == EditionText(Edition::Aisc360_22) ? aisc22 : aisc10) = true;
    return aisc10 && aisc22 ? "AISC 360-10 and 360-22" : aisc22 ? "AISC 360-22" : "AISC 360-10";
}

void WriteLimitations(std::ostream& out, const std::vector<MemberResult>& results)
{
    out << "<h2 class=\"report-section\">Limitations</h2>\n";
    const std::vector<Departure> departures = DeparturesFor(results);
    // The document names the equations by their 360-10 numbers.
    const std::string editions = EditionsOf(results);
    const std::string numbered = editions == "AISC 360-10" ? "" : " (equations numbered as in AISC 360-10)";
    if (departures.empty()) {
        out << "<p class=\"limitations\">None of the departures from " << editions
            << " that zorsteel documents (docs/aisc-departures.md) concerns these members.</p>\n";
        return;
    }
    out << "<p class=\"limitations\">Where the calculation of these members departs from " << editions
        << ", numbered as in docs/aisc-departures.md" << numbered
        << ", which works each through an example. An unconservative departure needs the engineer's attention "
           "first.</p>\n<ul class=\"limitations\">\n";
    for (const Departure& d : departures) {
        out << "<li><strong>" << d.Number << ". " << Html(d.Heading) << "</strong> (" << Html(d.Shapes)
            << "): " << DirectionHtml(d.Direction);
        if (!d.FullRules.empty()) out << "; " << Html(d.FullRules);
        out << "</li>\n";
    }
    out << "</ul>\n";
}

// The member's place in the interaction diagram under each combination checked.
std::string DiagramOf(const std::vector<MemberResult>& results, const ModelMember& member)
{
    std::vector<CombinationPoint> points;
    for (const std::size_t i : member.Combinations) {
        const MemberResult& r = results[i];
        if (!r.Checked) continue;
        points.push_back({r.Combo.empty() ? "combination " + std::to_string(points.size() + 1) : r.Combo, r.AxialRatio,
                          r.MomentRatio});
    }
    if (points.empty()) return "";
    return "<div class=\"member-diagram\">\n" + InteractionDiagram(results[member.Governing].Id, points) + "</div>\n";
}

std::string NotesOf(const MemberResult& result)
{
    if (!result.Checked || result.Message.empty()) return "";
    return "<div class=\"member-notes " + std::string(RowClass(result.Status)) + "\"><strong>" + result.Status +
           ":</strong> " + Html(result.Message) + "</div>\n";
}

} // namespace

std::vector<ModelMember> MembersOf(const std::vector<MemberResult>& results)
{
    std::vector<ModelMember> members;
    std::map<std::string, std::size_t> place; // Id to its member
    for (std::size_t i = 0; i < results.size(); ++i) {
        const std::string& id = results[i].Id;
        const auto [at, added] = id.empty() ? std::pair{place.end(), true} : place.try_emplace(id, members.size());
        if (added) {
            members.push_back({{i}, i});
            continue;
        }
        ModelMember& member = members[at->second];
        member.Combinations.push_back(i);
        if (Worse(results[i], results[member.Governing])) member.Governing = i;
    }
    return members;
}

std::span<const Departure> AllDepartures() noexcept
{
    static const std::vector<Departure> all = [] {
        std::vector<Departure> list;
        for (const DepartureRow& row : kDepartures)
            list.push_back(row.departure);
        return list;
    }();
    return all;
}

std::vector<Departure> DeparturesFor(const std::vector<MemberResult>& results)
{
    const std::vector<MemberActions> actions = ActionsOf(results);
    std::vector<Departure> concerned;
    for (const DepartureRow& row : kDepartures)
        for (const MemberActions& member : actions)
            if (row.concerns(member) && !(member.full && row.departure.ClosedByFullRules) &&
                !(member.aisc22 && !row.departure.HoldsUnder360_22)) {
                concerned.push_back(row.departure);
                break;
            }
    return concerned;
}

namespace {

// The rules line of the page head: those the results were checked by.
std::wstring RulesOf(const std::vector<MemberResult>& results)
{
    bool classic = false, full = false;
    for (const MemberResult& r : results) {
        if (!r.Checked) continue;
        (r.Rules == "full" ? full : classic) = true;
    }
    return full && classic ? L"classic and full rules" : full ? L"full rules" : kClassicRules;
}

} // namespace

void WriteModelReport(std::ostream& out, const std::vector<MemberResult>& results, const ModelReportOptions& options)
{
    ReportPage page(&out, FromUtf8(options.Title).c_str(), RulesOf(results).c_str(),
                    FromUtf8(EditionsOf(results)).c_str());
    const std::vector<ModelMember> members = MembersOf(results);
    WriteSummary(out, results, members);
    WriteLimitations(out, results);
    out << "<div class=\"page-break\"></div>\n";
    for (std::size_t m = 0; m < members.size(); ++m) {
        const ModelMember& member = members[m];
        for (const std::size_t i : member.Combinations) {
            const bool governing = i == member.Governing;
            if (!governing && !options.EveryCombination) continue;
            if (governing) out << "<a id=\"" << Anchor(m) << "\"></a>\n";
            PrintMemberBlock(out, results[i], NotesOf(results[i]) + (governing ? DiagramOf(results, member) : ""));
        }
    }
}

} // namespace zorsteel
