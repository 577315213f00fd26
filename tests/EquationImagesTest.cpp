// The equation images ship complete: every image name in the library's
// sources has its file in images/, and that folder holds exactly the images
// that tools/equations.tsv renders, all of one height.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = ZORSTEEL_SOURCE_DIR;

// The first group of every match of pattern in the text, added to names.
void AddMatches(std::set<std::string>& names, const std::string& text, const char* pattern)
{
    const std::regex expression(pattern);
    for (std::sregex_iterator it(text.begin(), text.end(), expression), end; it != end; ++it) names.insert((*it)[1]);
}

std::set<std::string> ImageFiles()
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSourceDir / "images"))
        if (entry.path().extension() == ".png") names.insert(entry.path().filename().string());
    return names;
}

} // namespace

TEST(EquationImagesTest, EveryImageTheLibraryNamesHasItsFile)
{
    // Every wide literal naming a PNG, so that design classes added later are covered.
    std::set<std::string> named;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSourceDir / "src"))
        AddMatches(named, FileText(entry.path().string()), R"(L"([^"\\]*\.png)\")");
    ASSERT_GT(named.size(), 60u);  // the hollow-section checks alone name more: the scan works
    const std::set<std::string> files = ImageFiles();
    for (const std::string& name : named) EXPECT_TRUE(files.count(name)) << "images/" << name << " is missing";
}

TEST(EquationImagesTest, FolderHoldsTheTablesImagesAllOfOneHeight)
{
    std::set<std::string> table;
    AddMatches(table, FileText((kSourceDir / "tools" / "equations.tsv").string()), "(?:^|\n)([^#\t\n][^\t\n]*)\t");
    const std::set<std::string> files = ImageFiles();
    for (const std::string& name : files) EXPECT_TRUE(table.count(name)) << name << " is not in tools/equations.tsv";
    for (const std::string& name : table) EXPECT_TRUE(files.count(name)) << "images/" << name << " is not rendered";
    // 0.35 in at 200 dpi, the size at which the report page shows every image;
    // the height is bytes 20 to 23 of a PNG, big-endian.
    for (const std::string& name : files) {
        const std::string png = FileText((kSourceDir / "images" / name).string());
        EXPECT_EQ(png.substr(20, 4), std::string("\0\0\0\x46", 4)) << name << " is not 70 pixels high";
    }
}
