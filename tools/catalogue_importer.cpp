// Builds the catalogue file aisc14u.tbl from the AISC Shapes Database v15.0
// (US units, CSV form):
//
//     catalogue_importer <aisc-shapes-v15.0-us.csv> <output.tbl>
//
// Every database row becomes one catalogue row; the mapping of columns to the
// 98 places of the section record is fixed (docs/catalogue.md), so a row means
// the same in every copy of the catalogue. The output depends on nothing but
// the input: running the importer again gives the same bytes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "section/CatalogueFormat.h"
#include "section/SectionNames.h"

using namespace zorsteel;

namespace {

namespace fmt = zorsteel::catalogue_format;

struct Failure
{
    std::string message;
};

// Record places filled from a database column of another name; every other
// place up to twdet_2 takes the column of its own name.
constexpr std::string_view kRenamedColumns[][2] = {
    {"e0", "eo"},         {"h_tw", "h/tw"},     {"h_t", "h/tdes"}, {"D_t", "D/t"}, {"bf_2tf", "bf/2tf"}, {"b_t_leg", "b/t"},
    {"r0", "ro"},         {"tan_a", "tan(a)"},  {"h0", "ho"},      {"b_t", "b/tdes"}, {"twdet_2", "twdet/2"},
};
// Places the importer computes (Qs) and the reserved places stay out of the mapping.
constexpr int kFirstReservedPlace = static_cast<int>(offsetof(mvSect_AISC, reserved) / sizeof(double));
constexpr int kQsPlace = static_cast<int>(offsetof(mvSect_AISC, Qs) / sizeof(double));

constexpr const char* kFamilyNames[kShapeCodeCount] = {"W",  "M",  "S",  "HP", "C",           "MC",         "L",    "WT",
                                                      "MT", "ST", "2L", "HSS", "HSS (round)", "Pipe",       "other"};

// Elastic modulus and yield stress of the angle reduction factor Qs.
constexpr double kE = 29000.0;
constexpr double kFy = 36.0;

struct Row
{
    int code = -1;
    std::string name;
    mvSect_AISC section;
};

std::string ReadFile(const char* path)
{
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file) throw Failure{std::string("cannot open the database ") + path};
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) throw Failure{std::string("cannot read the database ") + path};
    return text.str();
}

std::vector<std::string_view> Split(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::string At(std::size_t lineNumber) { return "line " + std::to_string(lineNumber) + ": "; }

// Names go into Name (79 characters at most) and into lists that ParseList
// splits at commas, semicolons and white space.
void CheckName(std::string_view name, std::size_t lineNumber)
{
    if (name.empty()) throw Failure{At(lineNumber) + "empty AISC_Manual_Label"};
    if (name.size() >= static_cast<std::size_t>(kSectionNameCapacity))
        throw Failure{At(lineNumber) + "name '" + std::string(name) + "' has 80 characters or more"};
    for (const char c : name)
        if (c <= ' ' || c > '~' || c == ',' || c == ';')
            throw Failure{At(lineNumber) + "name '" + std::string(name) + "' holds a character a catalogue name cannot hold"};
}

int ShapeCode(std::string_view type, bool hasOutsideDiameter)
{
    static constexpr std::pair<std::string_view, int> kTypes[] = {
        {"W", kShapeW},   {"M", kShapeM},   {"S", kShapeS},   {"HP", kShapeHP}, {"C", kShapeC},   {"MC", kShapeMC},
        {"L", kShapeL},   {"WT", kShapeWT}, {"MT", kShapeMT}, {"ST", kShapeST}, {"2L", kShape2L}, {"PIPE", kShapePipe},
    };
    if (type == "HSS") return hasOutsideDiameter ? kShapeRoundHss : kShapeRectHss;
    for (const auto& [name, code] : kTypes)
        if (name == type) return code;
    return kShapeNone;
}

// AISC 360-10 E7-10 to E7-12: the reduction factor of an angle leg of
// slenderness b/t at Fy = 36 ksi.
double AngleQs(double bt)
{
    const double root = std::sqrt(kE / kFy);
    if (bt <= 0.45 * root) return 1.0;
    if (bt <= 0.91 * root) return 1.34 - 0.76 * bt * std::sqrt(kFy / kE);
    return 0.53 * kE / (kFy * bt * bt);
}

std::vector<Row> ReadDatabase(std::string_view csv)
{
    if (csv.substr(0, 3) == "\xEF\xBB\xBF") csv.remove_prefix(3);
    if (csv.find('"') != std::string_view::npos) throw Failure{"quoted fields are not supported"};

    std::vector<std::string_view> lines = Split(csv, '\n');
    for (std::string_view& line : lines)
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty()) throw Failure{"the database is empty"};

    const std::vector<std::string_view> header = Split(lines[0], ',');
    auto column = [&](std::string_view name) {
        const auto found = std::find(header.begin(), header.end(), name);
        if (found == header.end()) throw Failure{"the database has no column '" + std::string(name) + "'"};
        return static_cast<std::size_t>(found - header.begin());
    };
    const std::size_t nameColumn = column("AISC_Manual_Label");
    const std::size_t typeColumn = column("Type");
    // Column of each record place, or -1.
    long placeColumn[kSectionNumberCount];
    for (int place = 0; place < kSectionNumberCount; ++place) {
        placeColumn[place] = -1;
        if (place == kQsPlace || place >= kFirstReservedPlace) continue;
        std::string_view name = kSectionFieldNames[place];
        for (const auto& renamed : kRenamedColumns)
            if (renamed[0] == name) name = renamed[1];
        placeColumn[place] = static_cast<long>(column(name));
    }
    const std::size_t odColumn = column("OD");
    const std::size_t tfColumn = column("tf");
    const std::size_t twColumn = column("tw");

    std::vector<Row> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t lineNumber = i + 1;
        const std::vector<std::string_view> cells = Split(lines[i], ',');
        if (cells.size() != header.size())
            throw Failure{At(lineNumber) + std::to_string(cells.size()) + " cells where the header names " + std::to_string(header.size())};
        Row row;
        row.name = std::string(cells[nameColumn]);
        CheckName(row.name, lineNumber);
        row.code = ShapeCode(cells[typeColumn], !cells[odColumn].empty());
        if (row.code < 0) throw Failure{At(lineNumber) + "unknown Type '" + std::string(cells[typeColumn]) + "'"};

        double numbers[kSectionNumberCount] = {};
        for (int place = 0; place < kSectionNumberCount; ++place) {
            if (placeColumn[place] < 0) continue;
            const std::string_view cell = cells[static_cast<std::size_t>(placeColumn[place])];
            if (!cell.empty() && !fmt::ParseNumber(cell, numbers[place]))
                throw Failure{At(lineNumber) + "column '" + std::string(header[static_cast<std::size_t>(placeColumn[place])]) + "' of " + row.name +
                              " is not a number: '" + std::string(cell) + "'"};
        }
        std::memcpy(static_cast<void*>(&row.section), numbers, sizeof numbers);
        SetSectionName(row.section, std::wstring(row.name.begin(), row.name.end()).c_str());

        mvSect_AISC& s = row.section;
        if (row.code == kShapeL || row.code == kShape2L) {
            if (cells[tfColumn].empty() || cells[twColumn].empty()) s.tf = s.tw = s.t;
            // The longer leg is b, as for single angles (the database gives
            // double angles with long legs back to back the other way round).
            if (s.d > s.b) std::swap(s.d, s.b);
            if (!(s.t > 0)) throw Failure{At(lineNumber) + "angle " + row.name + " has no leg thickness t"};
        }
        if (row.code == kShapeL) s.Qs = AngleQs(s.b / s.t);
        rows.push_back(row);
    }
    return rows;
}

// Double angles: J of the two single angles.
void CompleteDoubleAngles(std::vector<Row>& rows)
{
    std::map<std::string, double, std::less<>> singleJ;
    for (const Row& row : rows)
        if (row.code == kShapeL) singleJ.emplace(row.name, row.section.J);
    for (Row& row : rows) {
        if (row.code != kShape2L) continue;
        const CString single = get_single_angle_from_double_angle(CString(std::wstring(row.name.begin(), row.name.end())));
        const std::string singleName(single.str().begin(), single.str().end());
        const auto found = singleJ.find(singleName);
        if (found == singleJ.end()) throw Failure{"double angle " + row.name + ": no single angle '" + singleName + "' in the database"};
        row.section.J = 2.0 * found->second;
    }
}

void SortAndCheckNames(std::vector<Row>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return fmt::CompareNames(a.name, b.name) < 0; });
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (fmt::CompareNames(rows[i - 1].name, rows[i].name) == 0)
            throw Failure{"names '" + rows[i - 1].name + "' and '" + rows[i].name + "' differ only in case"};
}

std::string Format(const std::vector<Row>& rows)
{
    std::string text =
        "# aisc14u.tbl: the steel shapes catalogue of zorsteel, in US customary units (in, in^2, in^3,\n"
        "# in^4, in^6; W in lb/ft).\n"
        "# Source: AISC Shapes Database v15.0 (US units), American Institute of Steel Construction.\n"
        "# Produced by tools/catalogue_importer from aisc-shapes-v15.0-us.csv; regenerate it rather than\n"
        "# editing it by hand (docs/catalogue.md gives the format and the mapping of the columns).\n"
        "# One line per section: shape code, name, then the 98 numbers of the section record, separated\n"
        "# by tabs and sorted by name without regard to case. Shape codes: 0 W, 1 M, 2 S, 3 HP, 4 C, 5 MC,\n"
        "# 6 L, 7 WT, 8 MT, 9 ST, 10 2L, 11 rectangular HSS, 12 round HSS, 13 Pipe.\n"
        "# AISC disclaimer: the information should not be used for any specific application without\n"
        "# competent professional examination and verification by a licensed engineer.\n";
    text += fmt::HeaderLine();
    text += '\n';
    for (const Row& row : rows) {
        fmt::AppendRow(text, row.code, row.name, row.section);
        text += '\n';
    }
    return text;
}

// Every row must read back to the very record it was written from.
void CheckReadBack(const std::string& text, const std::vector<Row>& rows)
{
    std::size_t next = 0;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == fmt::kCommentMark || line == fmt::HeaderLine()) continue;
        int code = -1;
        mvSect_AISC section;
        if (next >= rows.size() || !fmt::ParseRow(line, code, section) || code != rows[next].code ||
            std::memcmp(&section, &rows[next].section, sizeof section) != 0)
            throw Failure{"row " + std::to_string(next + 1) + " does not read back as written"};
        ++next;
    }
    if (next != rows.size()) throw Failure{"the catalogue text holds " + std::to_string(next) + " rows, not " + std::to_string(rows.size())};
}

void WriteFile(const char* path, const std::string& text)
{
    std::ofstream file(path, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file) throw Failure{std::string("cannot create ") + path};
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) throw Failure{std::string("cannot write ") + path};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: catalogue_importer <aisc-shapes-v15.0-us.csv> <output.tbl>\n";
        return 2;
    }
    try {
        std::vector<Row> rows = ReadDatabase(ReadFile(argv[1]));
        CompleteDoubleAngles(rows);
        SortAndCheckNames(rows);
        const std::string text = Format(rows);
        CheckReadBack(text, rows);
        WriteFile(argv[2], text);

        int perCode[kShapeCodeCount] = {};
        for (const Row& row : rows) ++perCode[row.code];
        std::cout << "catalogue_importer: " << rows.size() << " sections written to " << argv[2] << " (";
        for (int code = 0; code < kShapeCodeCount; ++code)
            if (perCode[code]) std::cout << (code ? ", " : "") << kFamilyNames[code] << ' ' << perCode[code];
        std::cout << ")\n";
        return 0;
    } catch (const Failure& failure) {
        std::cerr << "catalogue_importer: " << failure.message << '\n';
    } catch (const std::exception& error) {
        std::cerr << "catalogue_importer: " << error.what() << '\n';
    }
    return 1;
}
