// The page around the report fragments, for hosts: a complete HTML page with
// its style sheet, into which each member's report goes framed by a
// ProblemPrintArea. On screen it reads as a calculation package; in print each
// member starts a new page, OK and NG stand out in green and red, and every
// page names the library version and the time the page was begun. A host's
// summary table of class "summary" is styled too (cells of class "ok" green,
// "ng" red). Threads: pages, PlaceReportImages and the pictures may run on
// several threads at once for different pages.
//
//     std::ofstream file("report.html");
//     PlaceReportImages(L"report.html");
//     {
//         ReportPage page(&file, L"Level 2 columns");
//         for (CAiscDesign* member : members) {
//             ProblemPrintArea area(&file, member_name);
//             member->SetPrintFile(&file);
//             member->Calculate();
//         }
//     }
#pragma once

#include <iosfwd>
#include <string>

#include "../platform/Export.h"

namespace zorsteel {

// The rules line of the head for the calculation the design classes make.
inline constexpr wchar_t kClassicRules[] = L"classic rules";
// The edition of the head unless told: the library's default.
inline constexpr wchar_t kAisc360_10[] = L"AISC 360-10";

class ZORSTEEL_API ReportPage
{
public:
    // Writes the page head: document type, title, style sheet, and a heading
    // with the title, the edition (edition, e.g. kAisc360_10, LRFD), the rules
    // the calculation followed (rules, e.g. kClassicRules), the library version
    // and the local date and time. A null stream writes nothing; the stream
    // must stay open for the page's life.
    ReportPage(std::ostream* stream, const wchar_t* title, const wchar_t* rules = kClassicRules,
               const wchar_t* edition = kAisc360_10);
    // Writes the page foot, closing what the head opened.
    ~ReportPage();

    ReportPage(const ReportPage&) = delete;
    ReportPage& operator=(const ReportPage&) = delete;

private:
    std::ostream* m_stream;
};

// Copies the equation images folder "Images" from beside the executable (see
// GetExecutablePath) into the folder of the page at pagePath, where the
// report's relative "Images\" links look for them. Returns true when the
// images are in place, also when that folder is the executable's own; false
// when there is no folder to copy or the copy failed.
ZORSTEEL_API bool PlaceReportImages(const wchar_t* pagePath);

// Text for HTML: the characters that markup gives a meaning (& < > ") are
// escaped, for titles and table cells a host writes into the page. Throws
// only std::bad_alloc.
ZORSTEEL_API std::wstring EscapeHtml(const wchar_t* text);

// Version of the library, "major.minor.patch": the page names it.
ZORSTEEL_API const char* ZorsteelVersion();

} // namespace zorsteel
