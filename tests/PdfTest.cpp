// zorsteel check --pdf: the report printed by the Chromium on the PATH, read
// back with poppler's pdftotext; without Chromium, an error that names the
// package to install.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sys/wait.h>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr char kMembers[] = "Id,Combo,Section,Fy,Pu,Mux,Lx,Ly,Lb\n"
                            "C1,1.4D,W14X90,50,400,100,180,180,180\n"
                            "C1,0.9D-1.0W,W14X90,50,-100,80,180,180,180\n"
                            "B1,1.2D+1.6L,W16X26,50,0,60,120,120,120\n";

// Runs the command in folder with the environment settings before it; its
// exit status, standard error into err.
int ZorsteelCheck(const ScratchFolder& folder, const std::string& environment, const std::string& args,
                  std::string& err)
{
    const std::string command = "cd '" + folder.Path().string() + "' && " + environment + " '" ZORSTEEL_CLI "' check " +
                                args + " >/dev/null 2>stderr.txt </dev/null";
    const int status = std::system(command.c_str());
    err = FileText((folder.Path() / "stderr.txt").string());
    return WEXITSTATUS(status);
}

} // namespace

TEST(PdfTest, WithoutChromiumTheErrorNamesThePackage)
{
    const ScratchFolder folder("pdf-none");
    folder.Write("m.csv", kMembers);
    std::string err;
    EXPECT_EQ(ZorsteelCheck(folder, "PATH=/nonexistent", "--members m.csv --pdf report.pdf", err), 5);
    EXPECT_NE(err.find("the Debian package chromium"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(folder.Path() / "report.pdf"));
}

TEST(PdfTest, TheReportPrintsWithAPageNumberOnEveryPage)
{
    if (std::system("command -v chromium > /dev/null") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";
    const ScratchFolder folder("pdf");
    folder.Write("m.csv", kMembers);
    folder.Write("out/report.pdf", "an earlier file");
    std::string err;
    ASSERT_EQ(ZorsteelCheck(folder, "", "--members m.csv --pdf out/report.pdf --title Frame", err), 0) << err;
    const fs::path pdf = folder.Path() / "out/report.pdf";
    EXPECT_TRUE(FileText(pdf.string()).starts_with("%PDF-"));
    // Nothing left beside it: the page, its images and Chromium's profile were temporary.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "out"), {}), 1);

    const fs::path text = folder.Path() / "report.txt";
    ASSERT_EQ(std::system(("pdftotext '" + pdf.string() + "' '" + text.string() + "'").c_str()), 0)
        << "pdftotext (Debian's poppler-utils, which scripts/install-deps installs) cannot read the PDF";
    std::vector<std::string> pages;  // pdftotext ends each page with a form feed
    std::istringstream printed(FileText(text.string()));
    for (std::string page; std::getline(printed, page, '\f');) pages.push_back(page);
    ASSERT_GE(pages.size(), 4u) << "the summary and a page per member";
    EXPECT_NE(pages[0].find("Frame"), std::string::npos);
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())),
                  std::string::npos)
            << pages[i];
}

// The README's example model: at most three letter pages a member, each
// member's calculation once (its governing combination), one summary row a
// member.
TEST(PdfTest, TheExampleModelTakesAtMostThreePagesAMember)
{
    if (std::system("command -v chromium > /dev/null") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";
    const ScratchFolder folder("pdf-model");
    const std::string model = ZORSTEEL_SOURCE_DIR "/examples/model.csv";
    std::string err;
    ASSERT_EQ(ZorsteelCheck(folder, "", "--members '" + model + "' --out r.csv --report r.html --pdf r.pdf", err), 1)
        << err;
    const std::string info = (folder.Path() / "info.txt").string(), text = (folder.Path() / "r.txt").string();
    const std::string pdf = (folder.Path() / "r.pdf").string();
    ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + info + "' && pdftotext '" + pdf + "' '" + text + "'").c_str()), 0);
    std::smatch pages;
    const std::string infoText = FileText(info);
    ASSERT_TRUE(std::regex_search(infoText, pages, std::regex("Pages: +([0-9]+)")));
    const std::string printed = FileText(text), page = FileText((folder.Path() / "r.html").string());
    const std::vector<std::string> ids = {"C1", "C2", "B1", "B2", "BR1", "G1", "TC1", "BC1", "D1", "V1", "P1", "P2"};
    EXPECT_LE(std::stoul(pages[1]), 3 * ids.size());
    for (const std::string& id : ids) {
        const std::regex title("[\\n\\f]" + id + ", [^,]+, [^ ]+ - using AISC 360-10 LRFD Method");
        EXPECT_EQ(std::distance(std::sregex_iterator(printed.begin(), printed.end(), title), {}), 1) << id;
        EXPECT_NE(page.find("\">" + id + "</a></td>"), std::string::npos) << id;
    }
    std::size_t rows = 0;
    for (std::size_t at = 0; (at = page.find("<td class=\"id\"><a href=", at)) != std::string::npos; ++at) ++rows;
    EXPECT_EQ(rows, ids.size());
}

// A letter page of the summary holds 25 members and more: 30 columns, each
// with a note (Lb not given), the six NG ones with two.
TEST(PdfTest, ThirtyMembersOfTheSummaryFitItsFirstPage)
{
    if (std::system("command -v chromium > /dev/null") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";
    const ScratchFolder folder("pdf-summary");
    std::string members = "Id,Combo,Section,Fy,Pu,Mux,Lx,Ly\n";
    for (int i = 10; i < 40; ++i)
        members += "COL-" + std::to_string(i) + ",1.2D+1.6L,W14X90,50," + std::to_string(25 * i) + ",100,180,180\n";
    folder.Write("m.csv", members);
    std::string err;
    ASSERT_EQ(ZorsteelCheck(folder, "", "--members m.csv --out r.csv --pdf r.pdf", err), 1) << err;
    const std::string text = (folder.Path() / "first.txt").string();
    ASSERT_EQ(std::system(("pdftotext -f 1 -l 1 '" + (folder.Path() / "r.pdf").string() + "' '" + text + "'").c_str()), 0);
    const std::string first = FileText(text);
    for (int i = 10; i < 40; ++i) EXPECT_NE(first.find("COL-" + std::to_string(i)), std::string::npos) << i;
}
