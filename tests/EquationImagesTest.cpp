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

// Every wide string literal naming a PNG in src/, so that a design class added
// later is covered without a change here.
std::set<std::string> ImageNamesInSources()
{
    const std::regex literal(R"(L"([^"\\]*\.png)\")");
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
        const std::string text = FileText(entry.path().string());
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) names.insert((*it)[1]);
    }
    return names;
}

std::set<std::string> ImageNamesInTable()
{
    std::istringstream lines(FileText((kSourceDir / "tools" / "equations.tsv").string()));
    std::set<std::string> names;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#') names.insert(line.substr(0, line.find('\t')));
    return names;
}

std::set<std::string> ImageFiles()
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSourceDir / "images"))
        if (entry.path().extension() == ".png") names.insert(entry.path().filename().string());
    return names;
}

// Height in pixels from a PNG's header chunk (big-endian, bytes 20 to 23).
int PngHeight(const std::string& bytes)
{
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return -1;
    int height = 0;
    for (int i = 20; i < 24; ++i) height = height * 256 + static_cast<unsigned char>(bytes[i]);
    return height;
}

} // namespace

TEST(EquationImagesTest, EveryImageTheLibraryNamesHasItsFile)
{
    const std::set<std::string> named = ImageNamesInSources();
    // A scan that found nothing would pass vacuously; the HSS checks alone name more than 60.
    ASSERT_GT(named.size(), 60u);
    const std::set<std::string> files = ImageFiles();
    for (const std::string& name : named) EXPECT_TRUE(files.count(name)) << "images/" << name << " is missing";
}

TEST(EquationImagesTest, FolderHoldsTheTablesImagesAllOfOneHeight)
{
    EXPECT_EQ(ImageFiles(), ImageNamesInTable());
    // 0.35 in at 200 dpi: the size at which the report page shows every image.
    for (const std::string& name : ImageFiles())
        EXPECT_EQ(PngHeight(FileText((kSourceDir / "images" / name).string())), 70) << name;
}
