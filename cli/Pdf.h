// The report as PDF: the page printed by headless Chromium, with the page
// numbers and the foot that the page's print style sheet sets.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace zorsteel::cli {

// The first of chromium, chromium-browser and google-chrome on the PATH, as
// a path; "" when none is there.
std::string FindChromium();

// What to say when FindChromium finds none.
inline constexpr char kNoChromium[] =
    "--pdf prints the report with headless Chromium, and none of chromium, chromium-browser or google-chrome "
    "is on the PATH: install it (the Debian package chromium)";

// Prints the HTML page at page (its images beside it) to pdf with the
// Chromium at chromium. The PDF is made in a folder of its own beside pdf and
// moved into place only when whole, so that a failure leaves an earlier file
// as it was. False, told, when it fails.
bool PrintPdf(const std::string& chromium, const std::string& page, const std::string& pdf);

// The same for a page that write writes: into that folder beside pdf, with
// the equation images placed beside it, and gone afterwards.
bool PrintPdf(const std::string& chromium, const std::function<void(std::ostream&)>& write, const std::string& pdf);

} // namespace zorsteel::cli
