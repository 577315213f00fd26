// The catalogue file aisc14u.tbl and its readers: regeneration from the shapes
// database, every row by name and by shape code, values read off the database
// by hand, and damaged, unsorted or unreadable catalogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Catalogue names are ASCII.
CString Wide(const std::string& ascii) { return CString(std::wstring(ascii.begin(), ascii.end())); }
std::string Narrow(const CString& ascii) { return std::string(ascii.str().begin(), ascii.str().end()); }

int ReadFile(mvSect_AISC& section, const std::string& name)
{
    std::ifstream file(kCatalogueFile, std::ios::binary);
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
    EXPECT_GE(ReadFile(section, name), 0) << name;
    return section;
}

std::vector<mvSect_AISC> ReadCode(std::istream& stream, int code)
{
    std::vector<mvSect_AISC> rows;
    get_aisc_section(rows, stream, code);
    return rows;
}

bool SameRecord(const mvSect_AISC& a, const mvSect_AISC& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A record no catalogue row could produce, to show that a failed read leaves it alone.
const mvSect_AISC kSentinel = [] {
    mvSect_AISC section;
    std::memset(static_cast<void*>(&section), 0x5A, sizeof section);
    return section;
}();

#ifdef ZORSTEEL_IMPORTER
// Runs the importer; true when it succeeds.
bool Import(const std::string& csv, const std::string& output)
{
    const std::string command =
        std::string("\"") + ZORSTEEL_IMPORTER + "\" \"" + csv + "\" \"" + output + "\" > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}
#endif

} // namespace

TEST(CatalogueImporter, RegeneratesTheCommittedCatalogueByteForByteAndRejectsBadInput)
{
#ifndef ZORSTEEL_IMPORTER
    GTEST_SKIP() << "catalogue_importer is not built";
#else
    if (!fs::exists(ZORSTEEL_SHAPES_CSV)) GTEST_SKIP() << "no shapes database at " << ZORSTEEL_SHAPES_CSV;
    const ScratchFolder folder("importer");
    const std::string output = (folder.Path() / "regenerated.tbl").string();
    ASSERT_TRUE(Import(ZORSTEEL_SHAPES_CSV, output));
    const std::string regenerated = FileText(output);
    const std::string committed = FileText(kCatalogueFile);
    const auto differ = std::mismatch(regenerated.begin(), regenerated.end(), committed.begin(), committed.end());
    EXPECT_TRUE(differ.first == regenerated.end() && differ.second == committed.end())
        << "first difference at byte " << (differ.first - regenerated.begin()) << " (sizes " << regenerated.size()
        << ", " << committed.size() << ")";

    // Names that differ only in case, and cells that are not numbers.
    std::istringstream csv(FileText(ZORSTEEL_SHAPES_CSV));
    std::string header, row;
    std::getline(csv, header);
    while (std::getline(csv, row) && row.rfind("W14X90,", 0) != 0) {
    }
    ASSERT_FALSE(row.empty());
    std::string lowered = row, notNumber = row;
    lowered.replace(row.find(",W14X90,"), 8, ",w14x90,");
    notNumber.replace(notNumber.find(",26.5,"), 6, ",26.5a,");
    for (const std::string& rows : {row + '\n' + lowered, notNumber}) {
        const std::string bad = (folder.Path() / "bad.tbl").string();
        EXPECT_FALSE(Import(folder.Write("bad.csv", header + '\n' + rows + '\n'), bad)) << rows;
        EXPECT_FALSE(fs::exists(bad));
    }
#endif
}

TEST(CatalogueByShapeCode, SuccessiveCallsOnOneStreamLoadEachFamilyInFileOrder)
{
    const std::size_t expected[kShapeCodeCount] = {283, 18, 28, 22, 32, 40, 137, 283, 14, 28, 639, 388, 128, 51, 0};
    std::ifstream file(kCatalogueFile, std::ios::binary);
    for (int code = 0; code < kShapeCodeCount; ++code) {
        const std::vector<mvSect_AISC> rows = ReadCode(file, code);
        ASSERT_EQ(rows.size(), expected[code]) << "code " << code;
        std::size_t next = 0;
        for (const auto& row : CommittedCatalogue().rows) {
            if (row.code != code) continue;
            EXPECT_EQ(GetSectionName(rows[next]), Wide(row.name));
            EXPECT_TRUE(SameRecord(rows[next++], Read(row.name))) << row.name;
        }
    }
    EXPECT_TRUE(ReadCode(file, -1).empty());
    EXPECT_TRUE(ReadCode(file, kShapeCodeCount).empty());
}

TEST(CatalogueValues, RowsCarryTheDatabaseColumnsInTheirPlaces)
{
    using S = mvSect_AISC;
    // Double angles keep the longer leg in b, and twice the single angle's J (2 x 4.34 of L8X6X1).
    const struct
    {
        const char* name;
        std::vector<std::pair<double S::*, double>> values;
    } records[] = {
        // The section block of W14X90 (A, d, bf, tw, tf, Ix, Zx, Sx, h/tw, J, Cw, rts, h0) is its golden report's.
        {"W14X90", {{&S::W, 90}, {&S::twdet_2, 0.25}, {&S::Qs, 0}}},
        {"HSS8X4X1/2", {{&S::Ht, 8}, {&S::B, 4}, {&S::h, 6.6}, {&S::b, 2.6}, {&S::tdes, 0.465}, {&S::b_t, 5.6},
                        {&S::h_t, 14.2}, {&S::OD, 0}}},
        {"Pipe12STD", {{&S::OD, 12.75}, {&S::tdes, 0.349}, {&S::D_t, 36.5}, {&S::ID, 12}}},
        {"2L8X6X1X3/8LLBB", {{&S::b, 8}, {&S::d, 6}, {&S::t, 1}, {&S::J, 8.68}, {&S::Ix, 162}, {&S::Qs, 0}}},
        {"2L8X6X1X3/8SLBB", {{&S::b, 8}, {&S::d, 6}, {&S::J, 8.68}, {&S::Ix, 77.6}}},
    };
    for (const auto& record : records) {
        const mvSect_AISC section = Read(record.name);
        for (const auto& [field, value] : record.values) EXPECT_EQ(section.*field, value) << record.name;
    }

    // Over every angle of the catalogue.
    std::ifstream file(kCatalogueFile, std::ios::binary);
    for (const int code : {kShapeL, kShape2L}) {
        for (const mvSect_AISC& angle : ReadCode(file, code)) {
            const CString name = GetSectionName(angle);
            EXPECT_TRUE(angle.b >= angle.d && angle.t > 0 && angle.tf == angle.t && angle.tw == angle.t) << name;
            if (code == kShape2L) {
                EXPECT_EQ(angle.J, 2 * Read(Narrow(get_single_angle_from_double_angle(name))).J) << name;
            }
        }
    }
}

TEST(CatalogueValues, SingleAngleQsFollowsTheLongerLegSlenderness)
{
    // At Fy = 36: 0.45 sqrt(29000/36) = 12.772, 0.91 sqrt(29000/36) = 25.828, sqrt(36/29000) = 0.035233.
    // L8X4X7/16: b/t = 8 / 0.438 = 18.265, E7-11: Qs = 1.34 - 0.76 x 18.265 x 0.035233 = 0.850918.
    EXPECT_NEAR(Read("L8X4X7/16").Qs, 0.850918, 1e-6);
    // L5X3X1/4: b/t = 20: Qs = 1.34 - 0.76 x 20 x 0.035233 = 0.804455.
    EXPECT_NEAR(Read("L5X3X1/4").Qs, 0.804455, 1e-6);
    EXPECT_EQ(Read("L8X6X1").Qs, 1.0);  // b/t = 8 <= 12.772, E7-10
}

TEST(CatalogueByName, SortedCatalogueIsSearchedWithoutReadingItWhole)
{
    // Counts the bytes the reader takes.
    class CountingBuffer : public std::stringbuf
    {
    public:
        using std::stringbuf::stringbuf;
        std::size_t Delivered = 0;

    protected:
        std::streamsize xsgetn(char* out, std::streamsize count) override
        {
            const std::streamsize n = std::stringbuf::xsgetn(out, count);
            Delivered += static_cast<std::size_t>(n);
            return n;
        }
    };
    const std::string text = FileText(kCatalogueFile);
    for (const char* name : {"2L10X10X1", "C10X30", "HSS8X4X1/2", "l8x6x1", "Pipe12STD", "W14X90", "WT9X96"}) {
        CountingBuffer buffer(text, std::ios::in);
        std::istream stream(&buffer);
        mvSect_AISC section;
        EXPECT_GE(get_aisc_section(section, stream, Wide(name)), 0) << name;
        EXPECT_LT(buffer.Delivered, text.size() / 10) << name << " of " << text.size() << " bytes";
    }
}

TEST(CatalogueByName, UnknownNamesAndBadStreamsGiveMinusOneWithoutThrowingOrTouchingTheRecord)
{
    const std::string longest(79, 'W');
    for (const std::string& name : {std::string("W14X91"), std::string("W14X9"), std::string("W14X90 "),
                                    std::string(" W14X90"), std::string("W14X90\t"), std::string(), longest,
                                    longest + "X", std::string(300, 'L')}) {
        mvSect_AISC section = kSentinel;
        EXPECT_EQ(ReadFile(section, name), -1) << name;
        EXPECT_TRUE(SameRecord(section, kSentinel)) << name;
    }

    std::ifstream missing("/nonexistent/aisc14u.tbl", std::ios::binary);
    mvSect_AISC section = kSentinel;
    EXPECT_EQ(get_aisc_section(section, missing, CString(L"W14X90")), -1);
    EXPECT_TRUE(SameRecord(section, kSentinel));
    std::vector<mvSect_AISC> rows(2);
    get_aisc_section(rows, missing, kShapeW);
    EXPECT_EQ(rows.size(), 2u);

    // A host stream that throws on failure: nothing is thrown through the reader.
    std::istringstream stream(FileText(kCatalogueFile));
    stream.exceptions(std::ios::failbit | std::ios::badbit);
    EXPECT_NO_THROW(EXPECT_EQ(get_aisc_section(section, stream, CString(L"W14X91")), -1));
    EXPECT_NO_THROW(EXPECT_EQ(get_aisc_section(section, stream, CString(L"W14X90")), kShapeW));
    EXPECT_NO_THROW(EXPECT_EQ(ReadCode(stream, kShapeMT).size(), 14u));
    EXPECT_EQ(stream.exceptions(), std::ios::failbit | std::ios::badbit);
}

TEST(CatalogueDamage, MalformedRowsAreSkippedAndTheirNeighboursStillRead)
{
    // Damaged rows in the middle of the full catalogue, where the binary search looks.
    std::string text = CommittedCatalogue().head;
    int damaged = 0;
    for (const auto& row : CommittedCatalogue().rows) {
        std::string line = row.line;
        if (row.name == "W14X90") line.erase(line.rfind('\t'));                          // 97 numbers
        if (row.name == "W14X82") line += "\t0";                                          // 99 numbers
        if (row.name == "HSS8X4X1/2") line.replace(line.find("\t8\t"), 3, "\t8.0.1\t");  // not a number
        if (row.name == "C10X30") line.replace(0, 1, "x");                                // no shape code
        if (row.name == "L8X6X1") line.replace(line.find("\t1\t"), 3, "\t\t");            // empty number
        damaged += line != row.line;
        text += line + '\n';
    }
    ASSERT_EQ(damaged, 5);
    for (const char* name : {"W14X90", "W14X82", "HSS8X4X1/2", "C10X30", "L8X6X1"}) {
        mvSect_AISC section = kSentinel;
        EXPECT_EQ(ReadText(section, text, name), -1) << name;
        EXPECT_TRUE(SameRecord(section, kSentinel)) << name;
    }
    mvSect_AISC section;
    for (const char* name : {"W14X99", "W14X74", "HSS8X4X3/8", "C10X25", "L8X6X7/8", "W14X873"})
        EXPECT_GE(ReadText(section, text, name), 0) << name;
    std::istringstream stream(text);
    EXPECT_EQ(ReadCode(stream, kShapeW).size(), 281u);
    EXPECT_EQ(ReadCode(stream, kShapeC).size(), 31u);
    EXPECT_EQ(ReadCode(stream, kShapeRectHss).size(), 387u);
}

TEST(CatalogueDamage, TruncatedCatalogueReadsWhatIsWhole)
{
    const std::string full = FileText(kCatalogueFile);
    const std::size_t cut = full.rfind('\n', full.find("\tHSS")) + 1 + 40;  // inside the first HSS row
    const std::string text = full.substr(0, cut);
    mvSect_AISC section;
    EXPECT_EQ(ReadText(section, text, "2L4X4X1/2"), kShape2L);
    EXPECT_EQ(ReadText(section, text, "C10X30"), kShapeC);
    EXPECT_EQ(ReadText(section, text, "HSS10X10X1/2"), -1);  // sorted after the cut
    std::istringstream stream(text);
    EXPECT_EQ(ReadCode(stream, kShapeC).size(), 32u);
    for (const int code : {kShapeW, kShapeRectHss, kShapeRoundHss}) EXPECT_TRUE(ReadCode(stream, code).empty()) << code;
    for (const std::size_t length : {std::size_t(0), std::size_t(7), full.find("\n10\t"), full.find("\n10\t") + 1})
        EXPECT_EQ(ReadText(section, full.substr(0, length), "2L10X10X1"), -1) << length;
}

TEST(CatalogueOrder, RowsOutOfOrderOrEndingInCarriageReturnsAreStillFound)
{
    // Sixty rows from all over the catalogue, shuffled: enough text for the
    // binary search to probe before it gives way to the scan.
    const std::vector<CatalogueText::Row>& rows = CommittedCatalogue().rows;
    std::vector<CatalogueText::Row> picked;
    for (std::size_t i = 0; i < rows.size(); i += 35) picked.push_back(rows[i]);
    const auto Text = [&picked] {
        std::string text = CommittedCatalogue().head;
        for (std::size_t i = 0; i < picked.size(); ++i) text += picked[i].line + (i % 2 ? "\r\n" : "\n");
        return text;
    };
    // A file read by path is kept in memory: the shuffled file that replaces
    // it must be read afresh.
    const ScratchFolder folder("order");
    const CString path = Wide(folder.Write("aisc14u.tbl", Text()));
    mvSect_AISC section;
    EXPECT_EQ(ReadSectionFromFile(section, path, Wide(picked[30].name)), picked[30].code);
    std::shuffle(picked.begin(), picked.end(), std::mt19937(20240611));
    fs::rename(folder.Write("shuffled.tbl", Text()), folder.Path() / "aisc14u.tbl");
    for (const auto& row : picked) {
        EXPECT_EQ(ReadText(section, Text(), row.name), row.code) << row.name;
        EXPECT_TRUE(SameRecord(section, Read(row.name))) << row.name;
        section = kSentinel;
        EXPECT_EQ(ReadSectionFromFile(section, path, Wide(row.name)), row.code) << row.name;
        EXPECT_TRUE(SameRecord(section, Read(row.name))) << row.name;
    }
}
