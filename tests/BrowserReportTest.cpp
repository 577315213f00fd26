// The report as its reader sees it: a page of members of every design class,
// in several branches each, opened in headless Chromium. Every equation image
// must load and the page must print to PDF, one member per page at least. The
// page, its PDF and a screenshot of one member stay in build/browser-report.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

template <class Design>
std::unique_ptr<CAiscDesign> Make()
{
    return std::make_unique<Design>();
}

// One row per design class, with sections that take its branches (compact,
// non-compact and slender walls; slender in compression).
struct DesignClass
{
    std::function<std::unique_ptr<CAiscDesign>()> make;
    std::vector<const wchar_t*> sections;
};
const DesignClass kClasses[] = {
    {Make<CAiscDesignRectHss>, {L"HSS8X4X1/2", L"HSS10X4X1/8", L"HSS12X8X3/16"}},
    {Make<CAiscDesignRoundHss>, {L"HSS1.900X0.145", L"HSS10.750X0.250", L"Pipe26STD"}},
};

// Every section is checked under each of these.
struct LoadCase
{
    const wchar_t* title;
    std::function<void(CAiscDesign&)> apply;
};
const LoadCase kLoadCases[] = {
    {L"compression and biaxial bending, direct analysis",
     [](CAiscDesign& d) {
         d.SetGeneralParameters(true, true);
         d.SetLoads(60.0, 20.0, 8.0, 0.85, 0.85, 10.0, 5.0);
         d.SetColumnSlenderness(1.0, 1.0, 144.0, 144.0);
         d.SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, 144.0);
     }},
    {L"tension and bending, effective length method",
     [](CAiscDesign& d) {
         d.SetGeneralParameters(false, true);
         d.SetLoads(-80.0, 10.0, 4.0, 1.0, 1.0, 4.0, 2.0);
         d.SetColumnSlenderness(1.0, 1.0, 120.0, 120.0);
     }},
    // Above the Euler load and beyond KL/r = 200: warnings, errors and NG lines.
    {L"long column overloaded, direct analysis",
     [](CAiscDesign& d) {
         d.SetGeneralParameters(true, true);
         d.SetLoads(900.0, 40.0, 30.0, 1.0, 1.0, 300.0, 200.0);
         d.SetColumnSlenderness(2.0, 2.0, 600.0, 600.0);
     }},
};

const fs::path kArtifacts = fs::path(ZORSTEEL_BINARY_DIR) / "browser-report";

struct PageCounts
{
    int members = 0;
    int images = 0;
};

// Writes a report page of the first members (of every class, section and load
// case in turn), with the script at its end.
PageCounts WritePage(const fs::path& path, int memberLimit, const std::string& script)
{
    std::ofstream file(path);
    PageCounts counts;
    {
        ReportPage page(&file, L"zorsteel browser check");
        for (const DesignClass& designClass : kClasses)
            for (const wchar_t* section : designClass.sections)
                for (const LoadCase& loadCase : kLoadCases) {
                    if (counts.members == memberLimit) continue;
                    ++counts.members;
                    const std::unique_ptr<CAiscDesign> design = designClass.make();
                    EXPECT_NE(design->SetSection(section), -1) << "not in the catalogue";
                    design->SetMaterial(46.0);
                    design->SetLateralTorsionalProperty(1.0, 144.0);
                    loadCase.apply(*design);
                    ProblemPrintArea area(&file, (std::wstring(section) + L", " + loadCase.title).c_str());
                    design->SetPrintFile(&file);
                    design->Calculate();
                }
        file << script;
    }
    file.close();
    const std::string text = FileText(path.string());
    for (std::size_t at = text.find("<img "); at != std::string::npos; at = text.find("<img ", at + 1)) ++counts.images;
    return counts;
}

bool ChromiumIsInstalled() { return std::system("command -v chromium > /dev/null 2>&1") == 0; }

// Runs headless Chromium on a page with a fresh profile; its standard output
// goes to output, its messages to the log. Returns the exit status.
int RunChromium(const std::string& arguments, const fs::path& page, const fs::path& output)
{
    const ScratchFolder profile("chromium-profile");
    const std::string command =
        "timeout 300 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync --user-data-dir='" +
        profile.Path().string() + "' " + arguments + " 'file://" + page.string() + "' > '" + output.string() +
        "' 2>> '" + (kArtifacts / "chromium.log").string() + "'";
    return std::system(command.c_str());
}

// Counts, once the page has loaded, the images that loaded and lists the others.
constexpr char kImageCheckScript[] = R"(<script>
window.addEventListener("load", () => {
  const images = Array.from(document.images);
  const broken = images.filter(image => !(image.complete && image.naturalWidth > 0));
  const result = document.createElement("pre");
  result.id = "image-check";
  result.textContent = "loaded " + (images.length - broken.length) + " of " + images.length +
                       broken.map(image => " broken:" + image.getAttribute("src")).join("");
  document.body.appendChild(result);
});
</script>
)";

} // namespace

TEST(BrowserReportTest, EveryImageLoadsAndThePagePrints)
{
    fs::remove_all(kArtifacts);
    fs::create_directories(kArtifacts);
    const fs::path report = kArtifacts / "report.html";
    const fs::path member = kArtifacts / "member.html";
    ASSERT_TRUE(PlaceReportImages(report.wstring().c_str()));
    MessageCapture messages;
    const PageCounts counts = WritePage(report, -1, kImageCheckScript);
    WritePage(member, 1, "");
    EXPECT_TRUE(messages.Boxes.empty()) << messages.Boxes.front();
    ASSERT_GT(counts.images, 100);

    if (!ChromiumIsInstalled()) GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";

    const fs::path dom = kArtifacts / "report-dom.html";
    ASSERT_EQ(RunChromium("--virtual-time-budget=10000 --dump-dom", report, dom), 0);
    const std::string expected = "<pre id=\"image-check\">loaded " + std::to_string(counts.images) + " of " +
                                 std::to_string(counts.images) + "</pre>";
    const std::string loaded = FileText(dom.string());
    EXPECT_NE(loaded.find(expected), std::string::npos) << loaded.substr(loaded.find("<pre id=\"image-check\">"));

    const fs::path pdf = kArtifacts / "report.pdf";
    ASSERT_EQ(RunChromium("--no-pdf-header-footer --print-to-pdf='" + pdf.string() + "'", report, "/dev/null"), 0);
    const std::string printed = FileText(pdf.string());
    EXPECT_EQ(printed.rfind("%PDF-", 0), 0u);
    // Each member starts a page of its own.
    int pages = 0;
    for (std::size_t at = printed.find("/Type /Page\n"); at != std::string::npos; at = printed.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_GE(pages, counts.members);

    const fs::path screenshot = kArtifacts / "member.png";
    ASSERT_EQ(RunChromium("--window-size=1000,2600 --screenshot='" + screenshot.string() + "'", member, "/dev/null"), 0);
    EXPECT_GT(fs::file_size(screenshot), 10000u);
}
