// The catalogue file aisc14u.tbl and its readers: regeneration from the shapes
// database, every row by name and by shape code, values read off the database
// by hand, and damaged, unsorted or unreadable catalogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/zorTools.h"

namespace fs = std::filesystem;

namespace {

const std::string kCatalogue = std::string(ZORSTEEL_SOURCE_DIR) + "/data/aisc14u.tbl";

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::in | std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A file under a folder of this test run, removed at exit.
std::string WriteScratch(const std::string& name, const std::string& text)
{
    static const fs::path folder = [] {
        const fs::path path = fs::temp_directory_path() / ("zorsteel-catalogue-" + std::to_string(::getpid()));
        fs::create_directories(path);
        std::atexit([] { fs::remove_all(fs::temp_directory_path() / ("zorsteel-catalogue-" + std::to_string(::getpid()))); });
        return path;
    }();
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::out | std::ios::binary) << text;
    return path;
}

// The catalogue split into its parts without the library's help.
struct CatalogueText
{
    std::string head;  // comments and header, each line with its '\n'
    struct Row
    {
        int code;
        std::string name;
        std::string line;
    };
    std::vector<Row> rows;
};

CatalogueText SplitCatalogue()
{
    CatalogueText text;
    std::istringstream lines(ReadText(kCatalogue));
    std::string line;
    bool header = false;
    while (std::getline(lines, line)) {
        if (line[0] == '#' || !header) {
            header = header || line[0] != '#';
            text.head += line + '\n';
            continue;
        }
        const std::size_t tab = line.find('\t');
        text.rows.push_back({std::stoi(line.substr(0, tab)), line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1), line});
    }
    return text;
}

const CatalogueText& Catalogue()
{
    static const CatalogueText text = SplitCatalogue();
    return text;
}

std::string Join(const std::string& head, const std::vector<std::string>& lines)
{
    std::string text = head;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

// Catalogue names are ASCII.
CString Wide(const std::string& ascii) { return CString(std::wstring(ascii.begin(), ascii.end())); }
std::string Narrow(const CString& ascii) { return std::string(ascii.str().begin(), ascii.str().end()); }

int ReadFile(mvSect_AISC& section, const std::string& path, const std::string& name)
{
    std::ifstream file(path, std::ios::in | std::ios::binary);
    return get_aisc_section(section, file, Wide(name));
}

int ReadText(mvSect_AISC& section, const std::string& text, const std::string& name)
{
    std::istringstream stream(text);
    return get_aisc_section(section, stream, Wide(name));
}

mvSect_AISC Read(const std::string& name)
{
    mvSect_AISC section;
    EXPECT_GE(ReadFile(section, kCatalogue, name), 0) << name;
    return section;
}

bool SameRecord(const mvSect_AISC& a, const mvSect_AISC& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A record no catalogue row could produce, to show that a failed read leaves it alone.
mvSect_AISC Sentinel()
{
    mvSect_AISC section;
    std::memset(static_cast<void*>(&section), 0x5A, sizeof section);
    return section;
}

// A catalogue in memory that counts the bytes the reader takes from it.
class CountingBuffer : public std::streambuf
{
public:
    explicit CountingBuffer(std::string text) : m_text(std::move(text)) { setg(m_text.data(), m_text.data(), m_text.data() + m_text.size()); }
    std::size_t Delivered() const { return m_delivered; }

protected:
    std::streamsize xsgetn(char* out, std::streamsize count) override
    {
        const std::streamsize n = std::min<std::streamsize>(count, egptr() - gptr());
        std::memcpy(out, gptr(), static_cast<std::size_t>(n));
        setg(eback(), gptr() + n, egptr());
        m_delivered += static_cast<std::size_t>(n);
        return n;
    }
    pos_type seekoff(off_type offset, std::ios::seekdir from, std::ios::openmode) override
    {
        const off_type base = from == std::ios::beg ? 0 : from == std::ios::cur ? gptr() - eback() : egptr() - eback();
        if (base + offset < 0 || base + offset > egptr() - eback()) return pos_type(off_type(-1));
        setg(eback(), eback() + base + offset, egptr());
        return pos_type(base + offset);
    }
    pos_type seekpos(pos_type position, std::ios::openmode which) override { return seekoff(off_type(position), std::ios::beg, which); }

private:
    std::string m_text;
    std::size_t m_delivered = 0;
};

std::vector<mvSect_AISC> ReadCode(std::istream& stream, int code)
{
    std::vector<mvSect_AISC> rows;
    get_aisc_section(rows, stream, code);
    return rows;
}

} // namespace

TEST(CatalogueImporter, RegeneratesTheCommittedCatalogueByteForByte)
{
#ifndef ZORSTEEL_IMPORTER
    GTEST_SKIP() << "catalogue_importer is not built";
#else
    if (!fs::exists(ZORSTEEL_SHAPES_CSV)) GTEST_SKIP() << "no shapes database at " << ZORSTEEL_SHAPES_CSV;
    const std::string output = WriteScratch("regenerated.tbl", "");
    const std::string command = std::string("\"") + ZORSTEEL_IMPORTER + "\" \"" + ZORSTEEL_SHAPES_CSV + "\" \"" + output + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string regenerated = ReadText(output);
    const std::string committed = ReadText(kCatalogue);
    const auto differ = std::mismatch(regenerated.begin(), regenerated.end(), committed.begin(), committed.end());
    EXPECT_TRUE(differ.first == regenerated.end() && differ.second == committed.end())
        << "first difference at byte " << (differ.first - regenerated.begin()) << " (sizes " << regenerated.size() << ", " << committed.size() << ")";
#endif
}

TEST(CatalogueImporter, RejectsNamesThatDifferOnlyInCaseAndCellsThatAreNotNumbers)
{
#ifndef ZORSTEEL_IMPORTER
    GTEST_SKIP() << "catalogue_importer is not built";
#else
    if (!fs::exists(ZORSTEEL_SHAPES_CSV)) GTEST_SKIP() << "no shapes database at " << ZORSTEEL_SHAPES_CSV;
    std::istringstream csv(ReadText(ZORSTEEL_SHAPES_CSV));
    std::string header, row;
    std::getline(csv, header);
    while (std::getline(csv, row) && row.rfind("W14X90,", 0) != 0) {
    }
    ASSERT_FALSE(row.empty());
    std::string lowered = row;
    lowered.replace(row.find(",W14X90,"), 8, ",w14x90,");
    std::string notNumber = row;
    notNumber.replace(notNumber.find(",26.5,"), 6, ",26.5a,");
    for (const std::string& rows : {row + '\n' + lowered, notNumber}) {
        const std::string input = WriteScratch("bad.csv", header + '\n' + rows + '\n');
        const std::string output = WriteScratch("bad.tbl", "");
        fs::remove(output);
        const std::string command = std::string("\"") + ZORSTEEL_IMPORTER + "\" \"" + input + "\" \"" + output + "\" 2> /dev/null";
        EXPECT_NE(std::system(command.c_str()), 0) << rows;
        EXPECT_FALSE(fs::exists(output));
    }
#endif
}

TEST(CatalogueByName, EveryRowReadsBackInAnyCaseWithItsCodeAndTheCatalogueSpelling)
{
    ASSERT_EQ(Catalogue().rows.size(), 2091u);
    for (const auto& row : Catalogue().rows) {
        std::string upper = row.name, lower = row.name, mixed = row.name;
        for (std::size_t i = 0; i < row.name.size(); ++i) {
            upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(row.name[i])));
            lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(row.name[i])));
            mixed[i] = i % 2 ? upper[i] : lower[i];
        }
        mvSect_AISC first;
        ASSERT_EQ(ReadFile(first, kCatalogue, upper), row.code) << upper;
        EXPECT_EQ(GetSectionName(first), Wide(row.name));
        for (const std::string& name : {lower, mixed}) {
            mvSect_AISC again;
            EXPECT_EQ(ReadFile(again, kCatalogue, name), row.code) << name;
            EXPECT_TRUE(SameRecord(first, again)) << name;
        }
    }
}

TEST(CatalogueByShapeCode, SuccessiveCallsOnOneStreamLoadEachFamilyInFileOrder)
{
    const std::map<int, std::size_t> expected = {{0, 283}, {1, 18}, {2, 28},  {3, 22},   {4, 32},   {5, 40},  {6, 137}, {7, 283},
                                                 {8, 14},  {9, 28}, {10, 639}, {11, 388}, {12, 128}, {13, 51}, {14, 0}};
    std::ifstream file(kCatalogue, std::ios::in | std::ios::binary);
    for (int code = 0; code < kShapeCodeCount; ++code) {
        const std::vector<mvSect_AISC> rows = ReadCode(file, code);
        ASSERT_EQ(rows.size(), expected.at(code)) << "code " << code;
        std::size_t next = 0;
        for (const auto& row : Catalogue().rows) {
            if (row.code != code) continue;
            const mvSect_AISC& loaded = rows[next++];
            EXPECT_EQ(GetSectionName(loaded), Wide(row.name));
            EXPECT_TRUE(SameRecord(loaded, Read(row.name))) << row.name;
        }
    }
    EXPECT_TRUE(ReadCode(file, -1).empty());
    EXPECT_TRUE(ReadCode(file, kShapeCodeCount).empty());
}

TEST(CatalogueValues, RowsCarryTheDatabaseColumnsInTheirPlaces)
{
    const mvSect_AISC w = Read("W14X90");
    EXPECT_EQ(w.A, 26.5);
    EXPECT_EQ(w.d, 14);
    EXPECT_EQ(w.bf, 14.5);
    EXPECT_EQ(w.tw, 0.44);
    EXPECT_EQ(w.tf, 0.71);
    EXPECT_EQ(w.Ix, 999);
    EXPECT_EQ(w.Zx, 157);
    EXPECT_EQ(w.Sx, 143);
    EXPECT_EQ(w.h_tw, 25.9);
    EXPECT_EQ(w.J, 4.06);
    EXPECT_EQ(w.Cw, 16000);
    EXPECT_EQ(w.rts, 4.1);
    EXPECT_EQ(w.h0, 13.3);
    EXPECT_EQ(w.W, 90);         // not read by the design code, kept for the host
    EXPECT_EQ(w.twdet_2, 0.25);
    EXPECT_EQ(w.Qs, 0);

    const mvSect_AISC hss = Read("HSS8X4X1/2");
    EXPECT_EQ(hss.Ht, 8);
    EXPECT_EQ(hss.B, 4);
    EXPECT_EQ(hss.h, 6.6);
    EXPECT_EQ(hss.b, 2.6);
    EXPECT_EQ(hss.tdes, 0.465);
    EXPECT_EQ(hss.b_t, 5.6);
    EXPECT_EQ(hss.h_t, 14.2);
    EXPECT_EQ(hss.OD, 0);

    const mvSect_AISC pipe = Read("Pipe12STD");
    EXPECT_EQ(pipe.OD, 12.75);
    EXPECT_EQ(pipe.tdes, 0.349);
    EXPECT_EQ(pipe.D_t, 36.5);
    EXPECT_EQ(pipe.ID, 12);
}

TEST(CatalogueValues, DoubleAnglesKeepTheLongerLegInBAndTwiceTheSingleAngleJ)
{
    // The database gives this one d = 8, b = 6 (long legs back to back).
    for (const char* name : {"2L8X6X1X3/8LLBB", "2L8X6X1X3/8SLBB"}) {
        const mvSect_AISC angles = Read(name);
        EXPECT_EQ(angles.b, 8) << name;
        EXPECT_EQ(angles.d, 6) << name;
        EXPECT_EQ(angles.t, 1) << name;
        EXPECT_EQ(angles.tf, 1) << name;
        EXPECT_EQ(angles.tw, 1) << name;
        EXPECT_EQ(angles.J, 8.68) << name;  // 2 x 4.34 of L8X6X1
    }
    EXPECT_EQ(Read("2L8X6X1X3/8LLBB").Ix, 162);
    EXPECT_EQ(Read("2L8X6X1X3/8SLBB").Ix, 77.6);

    std::ifstream file(kCatalogue, std::ios::in | std::ios::binary);
    for (const int code : {kShapeL, kShape2L}) {
        for (const mvSect_AISC& angle : ReadCode(file, code)) {
            const CString name = GetSectionName(angle);
            EXPECT_GE(angle.b, angle.d) << name;
            EXPECT_TRUE(angle.t > 0 && angle.tf == angle.t && angle.tw == angle.t) << name;
            if (code == kShape2L) {
                EXPECT_EQ(angle.J, 2 * Read(Narrow(get_single_angle_from_double_angle(name))).J) << name;
            }
        }
    }
}

TEST(CatalogueValues, SingleAngleQsFollowsTheLongerLegSlenderness)
{
    // L8X4X7/16: b/t = 8 / 0.438 = 18.265, between 0.45 sqrt(29000/36) = 12.772
    // and 0.91 sqrt(29000/36) = 25.828, so E7-11:
    // Qs = 1.34 - 0.76 x 18.265 x sqrt(36/29000) = 1.34 - 0.76 x 18.265 x 0.035233 = 0.850918.
    EXPECT_NEAR(Read("L8X4X7/16").Qs, 0.850918, 1e-6);
    // L8X6X1: b/t = 8 <= 12.772, E7-10.
    EXPECT_EQ(Read("L8X6X1").Qs, 1.0);
    // L5X3X1/4: b/t = 5 / 0.25 = 20: Qs = 1.34 - 0.76 x 20 x 0.035233 = 0.804455.
    EXPECT_NEAR(Read("L5X3X1/4").Qs, 0.804455, 1e-6);
    // Double angles have no Qs of their own.
    EXPECT_EQ(Read("2L5X3X1/4LLBB").Qs, 0);
}

TEST(CatalogueByName, SortedCatalogueIsSearchedWithoutReadingItWhole)
{
    const std::string text = ReadText(kCatalogue);
    for (const char* name : {"2L10X10X1", "C10X30", "HSS8X4X1/2", "l8x6x1", "Pipe12STD", "W14X90", "WT9X96"}) {
        CountingBuffer buffer(text);
        std::istream stream(&buffer);
        mvSect_AISC section;
        EXPECT_GE(get_aisc_section(section, stream, Wide(name)), 0) << name;
        EXPECT_LT(buffer.Delivered(), text.size() / 10) << name << " of " << text.size() << " bytes";
    }
}

TEST(CatalogueByName, UnknownOrImpossibleNamesReturnMinusOneAndLeaveTheRecordUntouched)
{
    const std::string longest(79, 'W');
    for (const std::string& name : {std::string("W14X91"), std::string("W14X9"), std::string("W14X90 "), std::string(" W14X90"),
                                    std::string("W14X90\t"), std::string(), longest, longest + "X", std::string(300, 'L')}) {
        mvSect_AISC section = Sentinel();
        EXPECT_EQ(ReadFile(section, kCatalogue, name), -1) << name;
        EXPECT_TRUE(SameRecord(section, Sentinel())) << name;
    }
}

TEST(CatalogueByName, StreamThatFailedToOpenGivesMinusOneAndNoRows)
{
    std::ifstream missing("/nonexistent/aisc14u.tbl", std::ios::in | std::ios::binary);
    mvSect_AISC section = Sentinel();
    EXPECT_EQ(get_aisc_section(section, missing, CString(L"W14X90")), -1);
    EXPECT_TRUE(SameRecord(section, Sentinel()));
    std::vector<mvSect_AISC> rows(2);
    get_aisc_section(rows, missing, kShapeW);
    EXPECT_EQ(rows.size(), 2u);
}

TEST(CatalogueByName, HostStreamThatThrowsOnFailureDoesNotThrowThroughTheReader)
{
    std::istringstream stream(ReadText(kCatalogue));
    stream.exceptions(std::ios::failbit | std::ios::badbit);
    mvSect_AISC section;
    EXPECT_NO_THROW(EXPECT_EQ(get_aisc_section(section, stream, CString(L"W14X91")), -1));
    EXPECT_NO_THROW(EXPECT_EQ(get_aisc_section(section, stream, CString(L"W14X90")), kShapeW));
    std::vector<mvSect_AISC> rows;
    EXPECT_NO_THROW(get_aisc_section(rows, stream, kShapeMT));
    EXPECT_EQ(rows.size(), 14u);
    EXPECT_EQ(stream.exceptions(), std::ios::failbit | std::ios::badbit);
}

TEST(CatalogueDamage, MalformedRowsAreSkippedAndTheirNeighboursStillRead)
{
    // Damaged rows in the middle of the full catalogue, where the binary search looks.
    const CatalogueText& catalogue = Catalogue();
    std::vector<std::string> lines;
    std::vector<std::string> damaged;
    for (const auto& row : catalogue.rows) {
        std::string line = row.line;
        const bool hit = row.name == "W14X90" || row.name == "W14X82" || row.name == "HSS8X4X1/2" || row.name == "C10X30" || row.name == "L8X6X1";
        if (row.name == "W14X90") line.erase(line.rfind('\t'));                        // 97 numbers
        if (row.name == "W14X82") line += "\t0";                                        // 99 numbers
        if (row.name == "HSS8X4X1/2") line.replace(line.find("\t8\t"), 3, "\t8.0.1\t");  // not a number
        if (row.name == "C10X30") line.replace(0, 1, "x");                              // no shape code
        if (row.name == "L8X6X1") line.replace(line.find("\t1\t"), 3, "\t\t");          // empty number
        if (hit) damaged.push_back(row.name);
        lines.push_back(line);
    }
    ASSERT_EQ(damaged.size(), 5u);
    const std::string text = Join(catalogue.head, lines);
    for (const std::string& name : damaged) {
        mvSect_AISC section = Sentinel();
        EXPECT_EQ(ReadText(section, text, name), -1) << name;
        EXPECT_TRUE(SameRecord(section, Sentinel())) << name;
    }
    mvSect_AISC section;
    for (const char* name : {"W14X99", "W14X74", "HSS8X4X3/8", "C10X25", "L8X6X7/8", "W14X873"}) EXPECT_GE(ReadText(section, text, name), 0) << name;
    std::istringstream stream(text);
    EXPECT_EQ(ReadCode(stream, kShapeW).size(), 281u);
    EXPECT_EQ(ReadCode(stream, kShapeC).size(), 31u);
    EXPECT_EQ(ReadCode(stream, kShapeRectHss).size(), 387u);
}

TEST(CatalogueDamage, TruncatedCatalogueReadsWhatIsWhole)
{
    const std::string full = ReadText(kCatalogue);
    const std::size_t cut = full.rfind('\n', full.find("\tHSS")) + 1 + 40;  // inside the first HSS row
    const std::string text = full.substr(0, cut);
    mvSect_AISC section;
    EXPECT_EQ(ReadText(section, text, "2L4X4X1/2"), kShape2L);
    EXPECT_EQ(ReadText(section, text, "C10X30"), kShapeC);
    EXPECT_EQ(ReadText(section, text, "HSS10X10X1/2"), -1);  // sorted after the cut
    EXPECT_EQ(ReadText(section, text, "W14X90"), -1);
    std::istringstream stream(text);
    EXPECT_EQ(ReadCode(stream, kShapeC).size(), 32u);
    EXPECT_EQ(ReadCode(stream, kShapeW).size(), 0u);
    EXPECT_EQ(ReadCode(stream, kShapeRectHss).size(), 0u);
    EXPECT_EQ(ReadCode(stream, kShapeRoundHss).size(), 0u);
    for (const std::size_t length : {std::size_t(0), std::size_t(7), full.find("\n10\t"), full.find("\n10\t") + 1})
        EXPECT_EQ(ReadText(section, full.substr(0, length), "2L10X10X1"), -1) << length;
}

TEST(CatalogueOrder, RowsOutOfOrderAreStillFound)
{
    // Sixty rows from all over the catalogue, shuffled: enough text for the
    // binary search to probe before it gives way to the scan.
    std::vector<std::string> lines;
    std::vector<CatalogueText::Row> picked;
    for (std::size_t i = 0; i < Catalogue().rows.size(); i += 35) picked.push_back(Catalogue().rows[i]);
    std::shuffle(picked.begin(), picked.end(), std::mt19937(20240611));
    for (const auto& row : picked) lines.push_back(row.line);
    const std::string path = WriteScratch("unsorted.tbl", Join(Catalogue().head, lines));
    for (const auto& row : picked) {
        mvSect_AISC section;
        EXPECT_EQ(ReadFile(section, path, row.name), row.code) << row.name;
        EXPECT_TRUE(SameRecord(section, Read(row.name))) << row.name;
    }
}

TEST(CatalogueOrder, CarriageReturnLineEndsAreRead)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < Catalogue().rows.size(); i += 10) lines.push_back(Catalogue().rows[i].line + '\r');
    const std::string text = Join(Catalogue().head, lines);
    for (std::size_t i = 0; i < Catalogue().rows.size(); i += 50) {
        const auto& row = Catalogue().rows[i];
        mvSect_AISC section;
        EXPECT_EQ(ReadText(section, text, row.name), row.code) << row.name;
        EXPECT_TRUE(SameRecord(section, Read(row.name))) << row.name;
    }
}
