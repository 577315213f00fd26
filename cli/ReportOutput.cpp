#include "ReportOutput.h"

#include "ResultOutput.h"
#include "zorsteel.h"

namespace zorsteel::cli {

namespace {

std::string Html(const std::string& text) { return ToUtf8(EscapeHtml(FromUtf8(text).c_str()).c_str()); }

std::string Anchor(std::size_t member) { return "member-" + std::to_string(member); }

void WriteSummary(std::ostream& out, const std::vector<MemberResult>& results)
{
    out << "<table class=\"summary\">\n<thead><tr><th>Member</th><th>Id</th><th>Combination</th><th>Section</th>"
           "<th>Critical ratio</th><th>Governs</th><th>Status</th><th>Error code</th></tr></thead>\n<tbody>\n";
    for (std::size_t i = 0; i < results.size(); ++i) {
        const MemberResult& r = results[i];
        const std::string status = r.Status == "OK" ? "ok" : "ng";
        out << "<tr><td><a href=\"#" << Anchor(i + 1) << "\">" << i + 1 << "</a></td><td>" << Html(r.Id)
            << "</td><td>" << Html(r.Combo) << "</td><td>" << Html(r.Section) << "</td><td>"
            << (r.Checked ? Brief(r.CriticalRatio, true) : "") << "</td><td>"
            << (r.Checked ? Html(GoverningText(r.Limits)) : "") << "</td><td class=\"" << status << "\">"
            << r.Status << "</td><td>" << (r.Checked ? std::to_string(r.ErrorCode) : "") << "</td></tr>\n";
    }
    out << "</tbody>\n</table>\n<div class=\"page-break\"></div>\n";
}

} // namespace

void WriteReport(std::ostream& out, const std::string& title, const std::vector<MemberResult>& results)
{
    ReportPage page(&out, FromUtf8(title).c_str());
    WriteSummary(out, results);
    for (std::size_t i = 0; i < results.size(); ++i) {
        out << "<a id=\"" << Anchor(i + 1) << "\"></a>\n";
        PrintMemberBlock(out, results[i]);
    }
}

} // namespace zorsteel::cli
