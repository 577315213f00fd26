// The page a host puts around the report fragments, and the equation images
// placed beside it.
#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

std::string LocalMinute(std::time_t time)
{
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace

TEST(ReportPageTest, FramesTheMembersWithAStyledHeadThatNamesVersionAndTime)
{
    std::ostringstream stream;
    const std::time_t before = std::time(nullptr);
    {
        ReportPage page(&stream, L"Beams & <columns> \u00e9");
        ProblemPrintArea area(&stream, L"B-1");
    }
    const std::time_t after = std::time(nullptr);
    const std::string text = stream.str();

    EXPECT_EQ(text.rfind("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n", 0), 0u) << text;
    EXPECT_NE(text.find("<title>Beams &amp; &lt;columns&gt; \xC3\xA9</title>"), std::string::npos);
    // The heading names the library version and the minute the page was begun.
    const std::string made = std::string("zorsteel ") + ZorsteelVersion() + ", ";
    EXPECT_TRUE(text.find(made + LocalMinute(before)) != std::string::npos ||
                text.find(made + LocalMinute(after)) != std::string::npos)
        << text;
    // The style sheet styles every class the report fragments use.
    for (const char* name :
         {"problem-title", "header", "success", "fail", "warning", "equation-value", "problemArea", "clear", "page-break"})
        EXPECT_TRUE(std::regex_search(text, std::regex(std::string("\\.") + name + "[ ,{]"))) << name;
    // The member's block lies inside the page body, which the foot closes.
    const std::size_t block = text.find("<div class=\"problemArea\">");
    EXPECT_LT(text.find("<body>"), block);
    EXPECT_LT(block, text.find("<div class=\"page-break\"></div>\n</main>\n</body>\n</html>\n"));
    EXPECT_EQ(text.substr(text.size() - 8), "</html>\n");

    ReportPage nowhere(nullptr, L"no stream");  // writes nothing, and does not fail
}

TEST(ReportPageTest, ImagesArePlacedBesideThePage)
{
    const ScratchFolder folder("page");
    folder.Write("bin/Images/Eq.E3-4.png", "png E3-4");
    fs::create_directories(folder.Path() / "reports");
    SetExecutablePath((folder.Path() / "bin").wstring().c_str());
    const std::wstring page = (folder.Path() / "reports" / "report.html").wstring();

    EXPECT_TRUE(PlaceReportImages(page.c_str()));
    EXPECT_EQ(FileText((folder.Path() / "reports" / "Images" / "Eq.E3-4.png").string()), "png E3-4");
    EXPECT_TRUE(PlaceReportImages(page.c_str()));  // again, over the copies
    EXPECT_TRUE(PlaceReportImages((folder.Path() / "bin" / "report.html").wstring().c_str()));  // its own folder
    EXPECT_EQ(FileText((folder.Path() / "bin" / "Images" / "Eq.E3-4.png").string()), "png E3-4");

    SetExecutablePath((folder.Path() / "reports" / "Images").wstring().c_str());  // no Images folder in there
    EXPECT_FALSE(PlaceReportImages(page.c_str()));
    SetExecutablePath(nullptr);
}
