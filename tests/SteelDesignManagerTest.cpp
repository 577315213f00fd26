// The catalogue manager: look-ups, SetSection, the family of a name and the
// factory in any case over the committed catalogue, and on small hand-built
// catalogues the load order, reload and reset, copies, the three forms of
// section generation with their cache, and missing files.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "TestSupport.h"

namespace {

CString Wide(const std::string& ascii) { return CString(std::wstring(ascii.begin(), ascii.end())); }

std::vector<std::string> Names(const std::vector<mvSect_AISC>& sections)
{
    std::vector<std::string> names;
    for (const mvSect_AISC& section : sections) {
        const CString name = GetSectionName(section);
        names.emplace_back(name.str().begin(), name.str().end());
    }
    return names;
}

// A row of a hand-built catalogue: every number 0 but these.
struct Row
{
    int code;
    std::string name;
    double A, d, Ht, OD, bf, b;
};

// The places of A, d, Ht, OD, bf and b are 3 to 8 of the 98 numbers.
std::string Line(const Row& row)
{
    std::ostringstream line;
    line << row.code << '\t' << row.name << "\t0\t0";
    for (const double value : {row.A, row.d, row.Ht, row.OD, row.bf, row.b}) line << '\t' << value;
    for (int place = 9; place <= 98; ++place) line << "\t0";
    return line.str();
}

// Widths and heights chosen so that each bound below keeps some rows and not others.
const std::vector<Row> kRows = {
    //code name             A    d     Ht  OD     bf  b
    {0,  "W12X10",         3,   12,   0,  0,     6,  0},
    {0,  "W12X20",         5,   12.5, 0,  0,     8,  0},
    {0,  "W14X30",         4,   14,   0,  0,     10, 0},
    {0,  "W16X40",         2,   16,   0,  0,     6,  0},
    {0,  "W10X5",          1,   10,   0,  0,     4,  0},
    {6,  "L4X3X1/4",       1.5, 3,    0,  0,     0,  4},
    {6,  "L6X4X1/2",       4.5, 4,    0,  0,     0,  6},
    {7,  "WT6X10",         2.5, 6,    0,  0,     5,  0},
    {10, "2L4X3X1/4",      3,   3,    0,  0,     0,  4},
    {11, "HSS8X4X1/2",     10,  0,    8,  0,     0,  2.6},
    {11, "HSS8X8X1/4",     7,   0,    8,  0,     0,  7.3},
    {11, "HSS10X4X1/2",    12,  0,    10, 0,     0,  2.6},
    {12, "HSS8.625X0.500", 11,  0,    0,  8.625, 0,  0},
    {12, "HSS6.000X0.500", 8,   0,    0,  6,     0,  0},
    {13, "Pipe8STD",       6,   0,    0,  8.625, 0,  0},
    {14, "X5",             1,   5,    5,  5,     5,  5},
};

// Already in the caller's vector before each generation: it stays, sorted in by its A.
mvSect_AISC Held()
{
    mvSect_AISC held;
    held.A = 3.5;
    SetSectionName(held, L"Held");
    return held;
}

// The design class the factory must give each shape code; null: none.
const std::type_info* ExpectedClass(int code)
{
    switch (code) {
    case kShapeW: case kShapeM: case kShapeS: case kShapeHP: return &typeid(CAiscDesignI);
    case kShapeC: case kShapeMC: return &typeid(CAiscDesignChannel);
    case kShapeL: return &typeid(CAiscDesignL);
    case kShapeWT: case kShapeMT: case kShapeST: return &typeid(CAiscDesignT);
    case kShape2L: return &typeid(CAiscDesign2L);
    case kShapeRectHss: return &typeid(CAiscDesignRectHss);
    case kShapeRoundHss: case kShapePipe: return &typeid(CAiscDesignRoundHss);
    default: return nullptr;
    }
}

class SteelDesignManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { CSteelDesignManager::ResetInstance(); }
    void TearDown() override
    {
        CSteelDesignManager::ResetInstance();
        SetExecutablePath(nullptr);
    }

    // Writes the catalogue of these rows (in this order) into the scratch
    // folder and points the library at it.
    void UseCatalogue(const std::vector<Row>& rows)
    {
        std::string text = CommittedCatalogue().head;
        for (const Row& row : rows) text += Line(row) + '\n';
        folder.Write("aisc14u.tbl", text);
        SetExecutablePath(folder.Path().wstring().c_str());
    }
    // The message for the scratch folder: SetExecutablePath appends "/", the library "\" and the name.
    // The path as the file system writes it.
    std::string MissingFileMessage() const { return "Error opening file " + folder.Path().string() + "/aisc14u.tbl"; }

    static CSteelDesignManager& Manager() { return *CSteelDesignManager::Instance(); }

    ScratchFolder folder{"manager"};
};

// Every row of the committed catalogue by its name in upper, lower and mixed
// case: the manager's record and SetSection's (from the design object's copy
// of the file) are the row's, with its code and the catalogue's spelling; the
// name classifies as the row's family; the factory gives the family's class
// with the section set (a tension member's strength is 0.9 Fy A of the row).
TEST_F(SteelDesignManagerTest, EveryCatalogueNameInAnyCaseGivesItsRecordCodeAndClass)
{
    ASSERT_EQ(CommittedCatalogue().rows.size(), 2091u);
    const mvSect_AISC sentinel = Held();
    TestDesign design;
    for (const auto& row : CommittedCatalogue().rows) {
        mvSect_AISC expected;
        ASSERT_EQ(design.GetSection(expected, Wide(row.name)), row.code) << row.name;
        EXPECT_EQ(GetSectionName(expected), Wide(row.name));
        for (const std::string& name : CaseSpellings(row.name)) {
            mvSect_AISC section = sentinel;
            ASSERT_TRUE(Manager().GetAiscSection(section, Wide(name))) << name;
            EXPECT_EQ(std::memcmp(&section, &expected, sizeof section), 0) << name;
            EXPECT_TRUE(Manager().IsValidAiscSection(Wide(name))) << name;
            design.ShapeCode = -1;
            EXPECT_EQ(design.SetSection(Wide(name)), row.code) << name;
            EXPECT_EQ(design.ShapeCode, row.code) << name;
            EXPECT_EQ(std::memcmp(&design.Section, &expected, sizeof expected), 0) << name;
            EXPECT_EQ(get_shape(Wide(name).GetString()), row.code) << name;
        }
        const std::string name = CaseSpellings(row.name).back();
        CAiscDesign* factoryDesign = Manager().CreateAiscDesign(Wide(name));
        const std::type_info* expectedClass = ExpectedClass(row.code);
        if (!expectedClass) {
            EXPECT_EQ(factoryDesign, nullptr) << name;
            continue;
        }
        ASSERT_NE(factoryDesign, nullptr) << name;
        EXPECT_EQ(typeid(*factoryDesign), *expectedClass) << name;
        factoryDesign->SetMaterial(50);
        factoryDesign->SetLoads(-1, 0, 0, 1, 1, 0, 0);
        factoryDesign->Calculate();
        EXPECT_EQ(factoryDesign->GetPhiPn(), 0.9 * (50 * expected.A)) << name;
        Manager().DeleteAiscDesign(factoryDesign);
    }
    for (const wchar_t* unknown : {L"W14X91", L"W14X9", L"W14X90 ", L"", static_cast<const wchar_t*>(nullptr)}) {
        mvSect_AISC section = sentinel;
        EXPECT_FALSE(Manager().GetAiscSection(section, unknown));
        EXPECT_EQ(std::memcmp(&section, &sentinel, sizeof section), 0);
        EXPECT_FALSE(Manager().IsValidAiscSection(unknown));
        EXPECT_EQ(Manager().CreateAiscDesign(unknown), nullptr);
    }
    Manager().DeleteAiscDesign(nullptr);
}

TEST_F(SteelDesignManagerTest, TheRowReadLastWinsOverCodesInAscendingOrderAndOverFileOrderWithinACode)
{
    // File order is not code order: code 7 is read after code 3 wherever it stands.
    UseCatalogue({{7, "DUP", 2, 0, 0, 0, 0, 0}, {3, "Dup", 1, 0, 0, 0, 0, 0}, {0, "Twin", 3, 0, 0, 0, 0, 0},
                  {0, "TWIN", 4, 0, 0, 0, 0, 0}});
    for (const auto& [name, A, spelling] : {std::tuple{L"dup", 2.0, L"DUP"}, std::tuple{L"twin", 4.0, L"TWIN"}}) {
        mvSect_AISC section;
        ASSERT_TRUE(Manager().GetAiscSection(section, name));
        EXPECT_EQ(section.A, A);
        EXPECT_EQ(GetSectionName(section), spelling);
    }
}

TEST_F(SteelDesignManagerTest, ReloadKeepsTheIndexWhenTheFileIsGoneButEmptiesTheCacheAndResetReadsAgain)
{
    const MessageCapture messages;
    CSteelDesignManager::ResetInstance();  // without an instance: nothing happens
    UseCatalogue(kRows);
    CSteelDesignManager* const first = CSteelDesignManager::Instance();
    EXPECT_EQ(CSteelDesignManager::Instance(), first);
    std::vector<mvSect_AISC> sections;
    first->GenerateSections(sections, CString(L"W12"));
    EXPECT_EQ(Names(sections), (std::vector<std::string>{"W12X10", "W12X20"}));

    std::filesystem::remove(folder.Path() / "aisc14u.tbl");
    first->ReloadAllSections();
    EXPECT_EQ(messages.Boxes, std::vector<std::string>{MissingFileMessage()});
    EXPECT_TRUE(first->IsValidAiscSection(L"W12X10"));
    sections.clear();
    first->GenerateSections(sections, CString(L"W12"));  // no longer cached: the file is looked for again
    EXPECT_TRUE(sections.empty());
    EXPECT_EQ(messages.Boxes.size(), 1u);  // and not told again

    UseCatalogue({{0, "W8X10", 3, 8, 0, 0, 4, 0}});
    EXPECT_TRUE(Manager().IsValidAiscSection(L"W12X10"));  // the instance has not read the file again
    CSteelDesignManager::ResetInstance();
    EXPECT_TRUE(Manager().IsValidAiscSection(L"W8X10"));
    EXPECT_FALSE(Manager().IsValidAiscSection(L"W12X10"));
}

TEST_F(SteelDesignManagerTest, CopiesAreIndependentAndAMoveEmptiesItsSource)
{
    UseCatalogue(kRows);
    CSteelDesignManager copy(Manager());
    CSteelDesignManager::ResetInstance();
    EXPECT_TRUE(copy.IsValidAiscSection(L"W12X10"));

    CSteelDesignManager moved(std::move(copy));
    EXPECT_FALSE(copy.IsValidAiscSection(L"W12X10"));
    EXPECT_TRUE(moved.IsValidAiscSection(L"W12X10"));
    copy = moved;
    CSteelDesignManager& same = copy;
    copy = same;
    copy = std::move(same);
    EXPECT_TRUE(copy.IsValidAiscSection(L"W12X10"));
    moved = std::move(copy);
    EXPECT_FALSE(copy.IsValidAiscSection(L"W12X10"));
    EXPECT_TRUE(moved.IsValidAiscSection(L"W12X10"));
}

TEST_F(SteelDesignManagerTest, SizeAndPrefixGenerationKeepTheirRowsOnceSortedByAreaAmongThoseHeld)
{
    UseCatalogue(kRows);
    using Generate = std::function<void(std::vector<mvSect_AISC>&)>;
    const auto sized = [](int code, double minWidth, double maxWidth, double minHeight, double maxHeight) {
        return Generate([=](auto& sections) {
            Manager().GenerateSections(sections, code, minWidth, maxWidth, minHeight, maxHeight);
        });
    };
    const auto prefixed = [](int code, const wchar_t* prefixes) {
        return Generate([=](auto& sections) { Manager().GenerateSections(sections, code, CString(prefixes)); });
    };
    const struct
    {
        const char* what;
        Generate generate;
        std::vector<std::string> expected;
    } cases[] = {
        {"all bounds 0: every W row", sized(0, 0, 0, 0, 0),
         {"W10X5", "W16X40", "W12X10", "Held", "W14X30", "W12X20"}},
        {"bf <= 8 keeps bf 4, 6, 6 and 8", sized(0, 0, 8, 0, 0), {"W10X5", "W16X40", "W12X10", "Held", "W12X20"}},
        {"bf >= 8 keeps bf 8 and 10", sized(0, 8, 0, 0, 0), {"Held", "W14X30", "W12X20"}},
        {"12 <= d <= 14 whatever bf", sized(0, 0, 0, 12, 14), {"W12X10", "Held", "W14X30", "W12X20"}},
        // Angles: width d, height b; d = 3 and b = 4 meet the bounds exactly.
        {"tees: bf and d", sized(7, 5, 5, 6, 6), {"WT6X10", "Held"}},
        {"angles: d and b", sized(6, 3, 3, 4, 4), {"L4X3X1/4", "Held"}},
        {"double angles: d and b", sized(10, 3, 3, 4, 4), {"2L4X3X1/4", "Held"}},
        {"rectangular HSS: b and Ht", sized(11, 0, 2.6, 8, 8), {"Held", "HSS8X4X1/2"}},
        {"round HSS: OD both ways, OD 6 below the height", sized(12, 6, 0, 8, 0), {"Held", "HSS8.625X0.500"}},
        {"pipes: OD both ways", sized(13, 8.625, 8.625, 8.625, 8.625), {"Held", "Pipe8STD"}},
        {"code 14 is not generated by size", sized(14, 0, 0, 0, 0), {"Held"}},
        {"nor -1", sized(-1, 0, 0, 0, 0), {"Held"}},
        {"nor 15", sized(15, 0, 0, 0, 0), {"Held"}},
        {"a prefix in any case", prefixed(11, L"hss8x"), {"Held", "HSS8X8X1/4", "HSS8X4X1/2"}},
        {"a row two prefixes match, once", prefixed(11, L"HSS8X, hss8x4"), {"Held", "HSS8X8X1/4", "HSS8X4X1/2"}},
        {"a prefix longer than the name", prefixed(11, L"HSS8X4X1/2X"), {"Held"}},
        {"no prefix at all", prefixed(11, L""), {"Held"}},
        {"only rows of the code", prefixed(0, L"HSS8X"), {"Held"}},
        {"round HSS by HSS", prefixed(12, L"HSS"), {"Held", "HSS6.000X0.500", "HSS8.625X0.500"}},
    };
    for (const auto& c : cases) {
        std::vector<mvSect_AISC> sections{Held()};
        c.generate(sections);
        EXPECT_EQ(Names(sections), c.expected) << c.what;
    }
}

TEST_F(SteelDesignManagerTest, ListGenerationFollowsEachItemsFamilyAndCachesTheListUntilReload)
{
    UseCatalogue(kRows);
    // "hss8" names no single family: rectangular and round HSS that begin with it (not Pipe8STD).
    // W12 twice gives its rows twice; "Wide" is no designation.
    const CString list(L"hss8, W12; w12 Wide L6");
    const std::vector<std::string> expected = {"W12X10", "W12X10", "Held",       "L6X4X1/2",  "W12X20",
                                               "W12X20", "HSS8X8X1/4", "HSS8X4X1/2", "HSS8.625X0.500"};
    std::vector<mvSect_AISC> sections{Held()};
    Manager().GenerateSections(sections, list);
    EXPECT_EQ(Names(sections), expected);

    // The same text in other case: the cached list replaces the vector, the changed file is not read.
    UseCatalogue({});
    std::vector<mvSect_AISC> again(3);
    Manager().GenerateSections(again, CString(L"HSS8, w12; W12 wide l6"));
    EXPECT_EQ(Names(again), expected);

    Manager().ReloadAllSections();
    again.clear();
    Manager().GenerateSections(again, list);
    EXPECT_TRUE(again.empty());
}

TEST_F(SteelDesignManagerTest, AMissingCatalogueIsReportedWithItsPathOnceAndAddsNothing)
{
    const MessageCapture messages;
    SetExecutablePath(folder.Path().wstring().c_str());
    EXPECT_FALSE(Manager().IsValidAiscSection(L"W14X90"));
    EXPECT_EQ(messages.Boxes, std::vector<std::string>{MissingFileMessage()});

    mvSect_AISC light = Held();
    light.A = 1;
    std::vector<mvSect_AISC> sections{Held(), light};  // left unsorted: nothing was generated
    Manager().GenerateSections(sections, kShapeW, 0, 0, 0, 0);
    Manager().GenerateSections(sections, kShapeW, CString(L"W"));
    EXPECT_EQ(Names(sections), (std::vector<std::string>{"Held", "Held"}));
    EXPECT_EQ(sections[1].A, 1);

    // An "HSS" item looks for the file twice; the empty result is cached all the same.
    sections.clear();
    Manager().GenerateSections(sections, CString(L"HSS8"));
    Manager().GenerateSections(sections, CString(L"HSS8"));
    EXPECT_TRUE(sections.empty());
    // Told once, and no name blamed for it: SetSection says nothing more.
    CAiscDesignI design;
    EXPECT_EQ(design.SetSection(L"W14X90"), -1);
    EXPECT_EQ(messages.Boxes, std::vector<std::string>{MissingFileMessage()});
    EXPECT_TRUE(messages.Debug.empty());
    // Once found, a catalogue missing again is told again.
    UseCatalogue(kRows);
    EXPECT_GE(design.SetSection(L"W12X10"), 0);
    std::filesystem::remove(folder.Path() / "aisc14u.tbl");
    EXPECT_EQ(design.SetSection(L"W12X10"), -1);
    EXPECT_EQ(messages.Boxes.size(), 2u);
}

} // namespace

TEST_F(SteelDesignManagerTest, FactoryObjectsAreIndependentAndOutliveTheirCatalogueFile)
{
    CAiscDesign* first = Manager().CreateAiscDesign(L"w14x90");
    CAiscDesign* second = Manager().CreateAiscDesign(L"W14X90");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    for (CAiscDesign* design : {first, second}) {
        design->SetMaterial(50);
        design->SetColumnSlenderness(1, 1, 120, 120);
    }
    first->SetLoads(10, 20, 30, 1, 1, 0, 0);
    first->Calculate();
    second->Calculate();
    EXPECT_GT(first->GetInteractionRatio(), 0.0);
    EXPECT_EQ(second->GetInteractionRatio(), 0.0);  // the loads of the first are not the second's
    for (CAiscDesign* design : {first, second}) Manager().DeleteAiscDesign(design);

    CSteelDesignManager::ResetInstance();
    UseCatalogue({{0, "W12X10", 3, 12, 0, 0, 6, 0}, {14, "X5", 1, 5, 5, 5, 5, 5}});
    EXPECT_EQ(Manager().CreateAiscDesign(L"x5"), nullptr);  // code 14: no design class
    // The index was loaded earlier; the object's own read then fails, and the
    // object is still given.
    std::filesystem::remove(folder.Path() / "aisc14u.tbl");
    const MessageCapture messages;
    CAiscDesign* orphan = Manager().CreateAiscDesign(L"W12X10");
    EXPECT_NE(orphan, nullptr);
    Manager().DeleteAiscDesign(orphan);
}
