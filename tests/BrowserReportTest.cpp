// The report as its reader sees it: a page of members of every design class,
// in several branches each, opened in headless Chromium. Every equation image
// must load and the page must print to PDF, each member from a new page. The
// page, its PDF and a screenshot of one member stay in build/browser-report,
// with screenshots of the command's report of the README's example model:
// its summary, and one member's calculation (to look at; docs/images has the
// summary's).
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <regex>
#include <sys/wait.h>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

template <class Design>
std::unique_ptr<CAiscDesign> Make()
{
    return std::make_unique<Design>();
}

// One row per design class, with sections that take its branches: compact,
// non-compact and slender walls, slender in compression.
const std::pair<std::function<std::unique_ptr<CAiscDesign>()>, std::vector<const wchar_t*>> kClasses[] = {
    {Make<CAiscDesignRectHss>, {L"HSS8X4X1/2", L"HSS10X4X1/8", L"HSS12X8X3/16"}},
    {Make<CAiscDesignRoundHss>, {L"HSS1.900X0.145", L"HSS10.750X0.250", L"Pipe26STD"}},
    {Make<CAiscDesignL>, {L"L4X4X1/2", L"L8X4X1/2", L"L6X6X5/16"}},
    {Make<CAiscDesignI>, {L"W14X90", L"W8X10", L"M12.5X11.6"}},
    {Make<CAiscDesignChannel>, {L"C10X15.3", L"MC12X10.6"}},
    {Make<CAiscDesignT>, {L"WT8X13", L"ST6X15.9"}},
    {Make<CAiscDesign2L>, {L"2L4X3X3/8LLBB", L"2L5X3X5/16SLBB"}},
};

// Each section under each load case; the last is past the Euler load and KL/r
// of 200, for the warnings, errors and NG lines.
struct LoadCase
{
    const wchar_t* title;
    bool directAnalysis;
    double pu, mux, muy, vux, vuy, k, length;
};
constexpr LoadCase kLoadCases[] = {
    {L"compression and bending, direct analysis", true, 60.0, 20.0, 8.0, 10.0, 5.0, 1.0, 144.0},
    {L"tension and bending, effective length method", false, -80.0, 10.0, 4.0, 4.0, 2.0, 1.0, 120.0},
    {L"long column overloaded, direct analysis", true, 900.0, 40.0, 30.0, 300.0, 200.0, 2.0, 600.0},
};

const fs::path kArtifacts = fs::path(ZORSTEEL_BINARY_DIR) / "browser-report";

// Writes the page of every member with the script at its end; returns the
// number of members.
int WritePage(const fs::path& path, const char* script)
{
    std::ofstream file(path);
    ReportPage page(&file, L"zorsteel browser check");
    int members = 0;
    for (const auto& [make, sections] : kClasses)
        for (const wchar_t* section : sections)
            for (const LoadCase& load : kLoadCases) {
                ++members;
                const std::unique_ptr<CAiscDesign> design = make();
                EXPECT_NE(design->SetSection(section), -1) << "not in the catalogue";
                design->SetGeneralParameters(load.directAnalysis, true);
                design->SetLoads(load.pu, load.mux, load.muy, 0.85, 0.85, load.vux, load.vuy);
                design->SetMaterial(46.0);
                design->SetColumnSlenderness(load.k, load.k, load.length, load.length);
                // Unused by hollow sections; set for the shapes that read them.
                design->SetColumnSlenderness_Torsional(load.k, load.length);
                design->SetLateralTorsionalProperty(1.0, load.length);
                design->SetDoubleAngleConnnectorDistance(24.0);
                design->SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, load.length);
                ProblemPrintArea area(&file, (std::wstring(section) + L", " + load.title).c_str());
                design->SetPrintFile(&file);
                design->Calculate();
            }
    file << script;
    return members;
}

// Runs headless Chromium on a page with a fresh profile, its standard output
// to output and its messages to the log; returns the exit status.
int RunChromium(const std::string& arguments, const fs::path& page, const fs::path& output)
{
    const ScratchFolder profile("chromium-profile");
    const std::string command = "timeout 300 chromium --headless --no-sandbox --disable-gpu --disable-quic "
                                "--no-first-run --disable-background-networking --disable-component-update "
                                "--disable-sync --user-data-dir='" +
                                profile.Path().string() + "' " + arguments + " 'file://" + page.string() + "' > '" +
                                output.string() + "' 2>> '" + (kArtifacts / "chromium.log").string() + "'";
    return std::system(command.c_str());
}

// Once the page has loaded: "loaded N of M" images, then the source of each
// that did not load.
constexpr char kImageCheckScript[] = R"(<script>
addEventListener("load", () => {
  const all = [...document.images], broken = all.filter(image => !(image.complete && image.naturalWidth > 0));
  const text = `loaded ${all.length - broken.length} of ${all.length}` + broken.map(i => " " + i.src).join("");
  document.body.insertAdjacentHTML("beforeend", `<pre id="image-check">${text}</pre>`);
});
</script>
)";

} // namespace

TEST(BrowserReportTest, EveryImageLoadsAndThePagePrints)
{
    fs::remove_all(kArtifacts);
    fs::create_directories(kArtifacts);
    const fs::path report = kArtifacts / "report.html";
    ASSERT_TRUE(PlaceReportImages(report.wstring().c_str()));
    MessageCapture messages;
    const int members = WritePage(report, kImageCheckScript);
    EXPECT_TRUE(messages.Boxes.empty()) << messages.Boxes.front();

    if (std::system("command -v chromium > /dev/null") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";

    const fs::path dom = kArtifacts / "report-dom.html";
    ASSERT_EQ(RunChromium("--virtual-time-budget=10000 --dump-dom", report, dom), 0);
    std::smatch check;
    const std::string loaded = FileText(dom.string());
    ASSERT_TRUE(std::regex_search(loaded, check, std::regex("<pre id=\"image-check\">loaded (\\d+) of (\\d+)[^<]*")))
        << "the page's script did not run";
    EXPECT_EQ(check[1], check[2]) << check[0];
    EXPECT_GT(std::stoi(check[1]), 20 * members);

    const fs::path pdf = kArtifacts / "report.pdf";
    ASSERT_EQ(RunChromium("--no-pdf-header-footer --print-to-pdf='" + pdf.string() + "'", report, "/dev/null"), 0);
    const std::string printed = FileText(pdf.string());
    const std::regex page("/Type /Page\n");  // each member starts a page of its own
    EXPECT_GE(std::distance(std::sregex_iterator(printed.begin(), printed.end(), page), {}), members);

    const fs::path shot = kArtifacts / "member.png";  // the first member, whole
    ASSERT_EQ(RunChromium("--window-size=1000,4400 --screenshot='" + shot.string() + "'", report, "/dev/null"), 0);
    EXPECT_GT(fs::file_size(shot), 10000u);
}

#ifdef ZORSTEEL_CLI
// The command's report of the README's example model: its summary (counts,
// a row a member, the chart) and a calculation with its interaction diagram,
// as screenshots; the calculation from a page of that one member.
TEST(BrowserReportTest, ScreenshotsOfTheModelReport)
{
    if (std::system("command -v chromium > /dev/null") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";
    fs::create_directories(kArtifacts);
    const fs::path model = fs::path(ZORSTEEL_SOURCE_DIR) / "examples" / "model.csv";
    std::istringstream lines(FileText(model.string()));
    std::string oneMember;
    for (std::string line; std::getline(lines, line) && (oneMember.empty() || line.starts_with("C1,"));)
        oneMember += line + "\n";
    std::ofstream(kArtifacts / "one-member.csv") << oneMember;
    for (const auto& [members, page] : {std::pair{model, kArtifacts / "model.html"},
                                        std::pair{kArtifacts / "one-member.csv", kArtifacts / "one-member.html"}}) {
        const std::string command = "'" ZORSTEEL_CLI "' check --members '" + members.string() + "' --out '" +
                                    (kArtifacts / "results.csv").string() + "' --report '" + page.string() +
                                    "' > /dev/null";
        ASSERT_LE(WEXITSTATUS(std::system(command.c_str())), 1) << command;  // the model has NG members
    }
    const std::string summary = FileText((kArtifacts / "model.html").string());
    EXPECT_NE(summary.find("<p class=\"counts\">12 members: 10 OK, <strong>2 NG</strong>, 0 ERROR"), std::string::npos);

    const fs::path summaryShot = kArtifacts / "summary.png", calculationShot = kArtifacts / "calculation.png";
    ASSERT_EQ(RunChromium("--window-size=1000,1250 --screenshot='" + summaryShot.string() + "'",
                          kArtifacts / "model.html", "/dev/null"),
              0);
    ASSERT_EQ(RunChromium("--window-size=1000,2600 --screenshot='" + calculationShot.string() + "'",
                          kArtifacts / "one-member.html", "/dev/null"),
              0);
    EXPECT_GT(fs::file_size(summaryShot), 50000u);
    EXPECT_GT(fs::file_size(calculationShot), 50000u);
}
#endif
