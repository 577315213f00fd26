#include "ReportPage.h"

#include <ctime>
#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>

#include "../platform/zorTools.h"

namespace zorsteel {

namespace {

// The equation images are rendered at 200 dpi, all 0.35 in high with the
// formula's baseline 0.08 in above the bottom (tools/render_equations.py).
// Shown at that size they print crisp; lowered by the baseline they put the
// formula on the line of the " = value unit" that follows them.
constexpr char kStyleSheet[] = R"(
html { background: #e9ecf0; }
body { margin: 0; color: #1b1b1b; font: 11pt/1.45 "DejaVu Sans", Verdana, "Segoe UI", Arial, sans-serif; }
.report-head, .report { box-sizing: border-box; max-width: 8.5in; margin: 0 auto; background: #fff; }
.report-head { margin-top: 20px; padding: 0.45in 0.6in 0.12in; border-bottom: 2px solid #1f3a5f; }
.report-name { font-size: 16pt; font-weight: bold; color: #1f3a5f; }
.report-made { margin-top: 2px; font-size: 9pt; color: #555; }
.report { padding: 0.05in 0.6in 0.5in; margin-bottom: 20px; box-shadow: 0 2px 6px rgba(0, 0, 0, 0.15); }
hr { margin: 0; border: 0; border-top: 1px solid #1f3a5f; }
.problem-title { padding: 6px 0; font-size: 13pt; font-weight: bold; color: #1f3a5f; }
.problem-title + br, .header + br { display: none; }
.problemArea { padding-top: 6px; }
.header { margin: 12px 0 4px; padding: 2px 8px; border-left: 4px solid #1f3a5f; background: #e6edf5;
          font-weight: bold; color: #1f3a5f; }
.problemArea img { height: 0.35in; width: auto; vertical-align: -0.08in; }
.equation-value { display: inline; white-space: nowrap; }
.success, .fail, .warning { margin: 4px 0; padding: 3px 10px; border-left: 6px solid; font-weight: bold;
                            -webkit-print-color-adjust: exact; print-color-adjust: exact; }
.success { border-color: #1e7e34; background: #e2f3e6; color: #0b5a1f; }
.fail { border-color: #c62828; background: #fde4e4; color: #8e0f0f; }
.warning { border-color: #e69a00; background: #fff2d1; color: #6b4300; }
.clear { clear: both; }
table.summary { width: 100%; margin: 12px 0; border-collapse: collapse; font-size: 9.5pt; }
.summary th, .summary td { padding: 2px 6px; border-bottom: 1px solid #c8d0da; text-align: left; }
.summary th { background: #e6edf5; color: #1f3a5f; }
.summary td.ok { color: #0b5a1f; font-weight: bold; }
.summary td.ng, .summary td.error { color: #8e0f0f; font-weight: bold; }
.summary th, .summary td.id, .summary td.governs { white-space: nowrap; }
.summary .number { text-align: right; white-space: nowrap; }
.summary td.message { min-width: 1.4in; font-size: 8.5pt; }
.summary tr.ng td, .summary tr.error td { font-weight: bold; background: #ececec;
                                          -webkit-print-color-adjust: exact; print-color-adjust: exact; }
.summary tr.ng td:first-child, .summary tr.error td:first-child { border-left: 5px solid #000; }
.summary tr td.message { font-weight: normal; }
h2.report-section { margin: 14px 0 4px; font-size: 13pt; color: #1f3a5f; break-after: avoid; }
.counts { margin: 4px 0; }
ul.limitations { margin: 4px 0; padding-left: 20px; font-size: 10pt; }
.member-notes { margin: 4px 0 8px; padding: 3px 10px; border-left: 6px solid #5b6570; background: #f3f3f3; }
.member-diagram { max-width: 5.5in; margin: 6px auto 10px; break-inside: avoid; }
.page-break { break-after: page; }
.report > .page-break:last-of-type { break-after: auto; }
.problemArea > br:last-child { display: none; }
@page { size: letter; margin: 0.6in 0.6in 0.75in;
        @bottom-right { content: "Page " counter(page) " of " counter(pages); font-size: 8pt; color: #555; } }
@media print {
  html { background: none; }
  .report-head, .report { max-width: none; margin: 0; padding: 0; box-shadow: none; }
  .report-head { padding-bottom: 6px; }
  .header, .problem-title { break-after: avoid; }
  .success, .fail, .warning { break-inside: avoid; }
  /* A calculation in two columns, its lines and images smaller: a member in
     two or three letter pages. */
  .problemArea { columns: 2; column-gap: 0.3in; font-size: 9pt; line-height: 1.25; }
  .problemArea img { height: 0.28in; max-width: 100%; object-fit: contain; object-position: left bottom;
                     vertical-align: -0.064in; }
  .header { font-size: 9.5pt; }
  .member-notes, .member-diagram { column-span: all; }
  .member-diagram { max-width: 5in; margin: 0 auto 4px; }
  .limitations { font-size: 8.5pt; }
  table.summary { font-size: 8pt; line-height: 1.25; }
  .summary th, .summary td { padding: 1px 4px; }
  .summary td.message { font-size: 7pt; }
  .summary tr { break-inside: avoid; }
}
)";

// "zorsteel 0.2.0, 2026-12-06 14:05": who wrote the page and when.
std::string MadeBy()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char stamp[32] = "";
    if (localtime_r(&now, &local)) std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M", &local);
    return std::string("zorsteel ") + ZorsteelVersion() + ", " + stamp;
}

} // namespace

std::wstring EscapeHtml(const wchar_t* text)
{
    std::wstring out;
    for (; text && *text; ++text) {
        switch (*text) {
        case L'&': out += L"&amp;"; break;
        case L'<': out += L"&lt;"; break;
        case L'>': out += L"&gt;"; break;
        case L'"': out += L"&quot;"; break;
        default: out += *text;
        }
    }
    return out;
}

// Both ends swallow stream exceptions, as ProblemPrintArea does.
ReportPage::ReportPage(std::ostream* stream, const wchar_t* title, const wchar_t* rules, const wchar_t* edition)
    : m_stream(stream)
{
    if (!m_stream) return;
    try {
        const std::wstring name = EscapeHtml(title);
        const std::string madeBy = MadeBy();
        std::ostream& out = *m_stream;
        out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
        out << "<meta name=\"generator\" content=\"zorsteel " << ZorsteelVersion() << "\">\n<title>";
        WriteWide(out, name.c_str()) << "</title>\n<style>" << kStyleSheet;
        // Every printed page says what wrote it and when.
        out << "@page { @bottom-left { content: \"" << madeBy << "\"; font-size: 8pt; color: #555; } }\n";
        out << "</style>\n</head>\n<body>\n<header class=\"report-head\">\n<div class=\"report-name\">";
        WriteWide(out, name.c_str()) << "</div>\n";
        out << "<div class=\"report-made\">Member checks by ";
        WriteWide(out, EscapeHtml(edition).c_str()) << " (LRFD), ";
        WriteWide(out, EscapeHtml(rules).c_str()) << " &middot; " << madeBy << "</div>\n";
        out << "</header>\n<main class=\"report\">" << std::endl;
    } catch (...) {
    }
}

ReportPage::~ReportPage()
{
    if (!m_stream) return;
    try {
        *m_stream << "</main>\n</body>\n</html>" << std::endl;
    } catch (...) {
    }
}

bool PlaceReportImages(const wchar_t* pagePath)
{
    namespace fs = std::filesystem;
    try {
        std::error_code error;
        const fs::path source(ToNativePath(GetExecutablePath() + L"Images"));
        fs::path folder = fs::path(ToNativePath(CString(pagePath))).parent_path();
        if (folder.empty()) folder = ".";
        const fs::path target = folder / "Images";
        if (!fs::is_directory(source, error)) return false;
        if (fs::equivalent(source, target, error)) return true;
        fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
        return !error;
    } catch (...) {  // out of memory for a path: the images are not in place
        return false;
    }
}

const char* ZorsteelVersion() { return ZORSTEEL_VERSION; }

} // namespace zorsteel
