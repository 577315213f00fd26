// The page a host puts around the report fragments, and the equation images
// placed beside it.
#include <gtest/gtest.h>

#include <regex>

#include "TestSupport.h"

namespace fs = std::filesystem;

TEST(ReportPageTest, FramesTheMembersWithAStyledHeadThatNamesVersionAndTime)
{
    std::ostringstream stream;
    {
        ReportPage page(&stream, L"Beams & <columns> \u00e9");
        ProblemPrintArea area(&stream, L"B-1");
    }
    const std::string text = stream.str();

    EXPECT_EQ(text.rfind("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n", 0), 0u) << text;
    EXPECT_NE(text.find("<title>Beams &amp; &lt;columns&gt; \xC3\xA9</title>"), std::string::npos);
    // The library version and the local date and time the page was begun.
    EXPECT_TRUE(std::regex_search(text, std::regex(std::string("zorsteel ") + ZorsteelVersion() +
                                                   ", 20[0-9]{2}-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]<")));
    for (const char* name : {"problem-title", "header", "success", "fail", "warning", "equation-value",
                             "problemArea", "clear", "page-break"})
        EXPECT_TRUE(std::regex_search(text, std::regex(std::string("\\.") + name + "[ ,{]"))) << name << " unstyled";
    // The member's block lies inside the page body, which the foot closes.
    EXPECT_LT(text.find("<body>"), text.find("<div class=\"problemArea\">"));
    EXPECT_TRUE(text.ends_with("<div class=\"page-break\"></div>\n</main>\n</body>\n</html>\n"));
}

TEST(ReportPageTest, ImagesArePlacedBesideThePage)
{
    const ScratchFolder folder("page");
    folder.Write("bin/Images/Eq.E3-4.png", "png E3-4");
    fs::create_directories(folder.Path() / "reports");
    SetExecutablePath((folder.Path() / "bin").wstring().c_str());
    const std::wstring page = (folder.Path() / "reports" / "report.html").wstring();

    EXPECT_TRUE(PlaceReportImages(page.c_str()));
    EXPECT_TRUE(PlaceReportImages(page.c_str()));  // again, over the copies
    EXPECT_EQ(FileText((folder.Path() / "reports" / "Images" / "Eq.E3-4.png").string()), "png E3-4");
    EXPECT_TRUE(PlaceReportImages((folder.Path() / "bin" / "report.html").wstring().c_str()));  // its own folder
    EXPECT_EQ(FileText((folder.Path() / "bin" / "Images" / "Eq.E3-4.png").string()), "png E3-4");

    SetExecutablePath((folder.Path() / "reports" / "Images").wstring().c_str());  // holds no Images folder
    EXPECT_FALSE(PlaceReportImages(page.c_str()));
    SetExecutablePath(nullptr);
}
