// The equations the library writes, named once in kEquationTable, against
// the image renderer's table tools/equations.tsv and the images it made; and
// docs/coverage.md against the code and that table.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = ZORSTEEL_SOURCE_DIR;

std::string Narrow(const wchar_t* text) { return std::string(text, text + std::wcslen(text)); }

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

// tools/equations.tsv: each image name with its reference (the third field, "" without one).
std::map<std::string, std::string> RendererTable()
{
    std::map<std::string, std::string> table;
    std::istringstream lines(FileText((kSourceDir / "tools" / "equations.tsv").string()));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        table[line.substr(0, first)] = second == std::string::npos ? "" : line.substr(second + 1);
    }
    return table;
}

} // namespace

TEST(EquationTableTest, EveryImageTheLibraryNamesHasItsFile)
{
    // Every wide literal naming a PNG, so that design classes added later are
    // covered, and every image of the equation table.
    std::set<std::string> named;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSourceDir / "src"))
        AddMatches(named, FileText(entry.path().string()), R"(L"([^"\\]*\.png)\")");
    ASSERT_GT(named.size(), 60u);  // the hollow-section checks alone name more: the scan works
    for (const zorsteel::EquationRow& row : zorsteel::kEquationTable) {
        if (row.Image) named.insert(Narrow(row.Image));
        if (row.Image22) named.insert(Narrow(row.Image22));
    }
    const std::set<std::string> files = ImageFiles();
    for (const std::string& name : named) EXPECT_TRUE(files.count(name)) << "images/" << name << " is missing";
}

TEST(EquationTableTest, FolderHoldsTheRenderersImagesAllOfOneHeight)
{
    const std::map<std::string, std::string> table = RendererTable();
    const std::set<std::string> files = ImageFiles();
    for (const std::string& name : files) EXPECT_TRUE(table.count(name)) << name << " is not in tools/equations.tsv";
    for (const auto& [name, reference] : table) {
        EXPECT_TRUE(files.count(name)) << "images/" << name << " is not rendered";
    }
    // 0.35 in at 200 dpi, the size at which the report page shows every image;
    // the height is bytes 20 to 23 of a PNG, big-endian.
    for (const std::string& name : files) {
        const std::string png = FileText((kSourceDir / "images" / name).string());
        EXPECT_EQ(png.substr(20, 4), std::string("\0\0\0\x46", 4)) << name << " is not 70 pixels high";
    }
}

TEST(EquationTableTest, EachRowsImageIsRenderedForItsLabelAndEveryEquationImageHasARow)
{
    // In each edition, a row's image is rendered with the row's label among
    // its references ("Eq.F7-1.png" serves F7-1 and F8-1) and no label is
    // used twice; every equation image ("Eq." for 360-10 and the rows 360-22
    // shares, "Eq22." for 360-22's own) is a row's in some edition.
    const std::map<std::string, std::string> renderer = RendererTable();
    std::set<std::string> images;
    for (const zorsteel::Edition edition : {zorsteel::Edition::Aisc360_10, zorsteel::Edition::Aisc360_22}) {
        std::set<std::string> labels;
        std::vector<std::string> imageless;
        for (const zorsteel::EquationRow& row : zorsteel::kEquationTable) {
            const char* const label = zorsteel::EquationLabel(row.Id, edition);
            if (!label) continue;  // an equation the edition does not have
            EXPECT_TRUE(labels.insert(label).second) << label << " twice in " << zorsteel::EditionText(edition);
            const wchar_t* const name = zorsteel::EquationImage(row.Id, edition);
            if (!name) {
                imageless.push_back(label);
                continue;
            }
            const std::string image = Narrow(name);
            images.insert(image);
            const auto found = renderer.find(image);
            ASSERT_NE(found, renderer.end()) << image << " of " << label << " is not in tools/equations.tsv";
            std::set<std::string> references;
            std::istringstream list(found->second);
            for (std::string reference; std::getline(list >> std::ws, reference, ',');) references.insert(reference);
            EXPECT_TRUE(references.count(label)) << image << " is rendered for " << found->second << ", not " << label;
        }
        // Rows without an image of their own, each for its reason (Equations.h).
        EXPECT_EQ(imageless, (std::vector<std::string>{"F5-1", "F10-1", "Py = Fy Ag"})) << zorsteel::EditionText(edition);
    }
    for (const auto& [image, reference] : renderer) {
        if (image.starts_with("Eq.") || image.starts_with("Eq22.")) {
            EXPECT_TRUE(images.count(image)) << image << " is no row's image";
        }
    }
}

namespace {

// The member functions declared in the body of each class of the library's
// headers, by class name.
std::map<std::string, std::set<std::string>> DeclaredMembers()
{
    std::map<std::string, std::set<std::string>> classes;
    const std::regex head(R"(\nclass (?:ZORSTEEL_API )?(\w+)(?: final)?(?: : public [\w:]+)?\n\{)");
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
        if (entry.path().extension() != ".h") continue;
        const std::string text = FileText(entry.path().string());
        for (std::sregex_iterator it(text.begin(), text.end(), head), end; it != end; ++it) {
            const std::size_t open = it->position() + it->length();
            const std::size_t close = text.find("\n};", open);
            AddMatches(classes[(*it)[1]], text.substr(open, close - open), R"(\b(\w+)\()");
        }
    }
    return classes;
}

std::vector<std::string> TableRows(const std::string& markdown)
{
    std::vector<std::string> rows;
    std::istringstream lines(markdown);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("| ") && !line.starts_with("|---")) rows.push_back(line);
    return rows;
}

std::vector<std::string> Cells(const std::string& row)
{
    std::vector<std::string> cells;
    std::istringstream parts(row.substr(1));
    for (std::string cell; std::getline(parts, cell, '|');) cells.push_back(cell);
    return cells;
}

} // namespace

TEST(EquationTableTest, EveryFunctionTheCoveragePageNamesIsDeclared)
{
    // In a table's last cell, `Class::Function` names a member and a bare
    // `Function` after it one of the same class; `Class` alone, a class.
    const std::map<std::string, std::set<std::string>> classes = DeclaredMembers();
    ASSERT_GT(classes.at("CAiscDesign").size(), 40u);  // the scan reads the headers
    const std::regex span(R"(`(\w+)(?:::(\w+))?`)");
    int named = 0;
    for (const std::string& row : TableRows(FileText((kSourceDir / "docs" / "coverage.md").string()))) {
        const std::string code = Cells(row).back();
        std::string owner;
        for (std::sregex_iterator it(code.begin(), code.end(), span), end; it != end; ++it) {
            const std::string first = (*it)[1], second = (*it)[2];
            const bool qualified = (*it)[2].matched;
            if (qualified || classes.count(first)) owner = first;
            const std::string function = qualified ? second : first;
            ASSERT_TRUE(classes.count(owner)) << "no class " << owner << " for " << it->str() << " in: " << row;
            if (function != owner) {
                EXPECT_TRUE(classes.at(owner).count(function)) << owner << "::" << function << " in: " << row;
            }
            ++named;
        }
    }
    EXPECT_GT(named, 70);
}

TEST(EquationTableTest, WhatGovernsListsEquationsOfTheTableUnderTheirLimitStates)
{
    // docs/coverage.md, "What governs": every equation a limit state is listed
    // with is a row of the table, and a row that names a limit state names
    // that one.
    const std::string page = FileText((kSourceDir / "docs" / "coverage.md").string());
    const std::string governs = page.substr(page.find("## What governs"));
    std::map<std::string, const zorsteel::EquationRow*> rows;
    for (const zorsteel::EquationRow& row : zorsteel::kEquationTable)
        if (row.Label) rows[row.Label] = &row;
    const std::regex label(R"(\b[A-H]\d+-\d+[ab]?\b)");
    int listed = 0;
    for (const std::string& line : TableRows(governs)) {
        const std::vector<std::string> cells = Cells(line);
        std::string name = cells.at(1);
        name = name.substr(name.find_first_not_of(' '));
        name = name.substr(0, name.find_last_not_of(' ') + 1);
        if (name == "Name") continue;  // the header
        for (std::size_t i = 2; i < cells.size(); ++i) {
            for (std::sregex_iterator it(cells[i].begin(), cells[i].end(), label), end; it != end; ++it) {
                const auto found = rows.find(it->str());
                ASSERT_NE(found, rows.end()) << it->str() << " is not in the table: " << line;
                if (found->second->LimitState) {
                    EXPECT_EQ(zorsteel::LimitStateNameText(*found->second->LimitState), name) << line;
                }
                ++listed;
            }
        }
    }
    EXPECT_GT(listed, 100);
}
