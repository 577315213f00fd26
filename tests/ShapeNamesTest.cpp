// Names and designations: the shape code of a designation, a double angle's
// single angle, and the splitting of name lists, on examples and on every
// name of the catalogue.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/zorTools.h"

namespace {

// Every catalogue row's name with its shape code.
std::vector<std::pair<CString, int>> CatalogueNames()
{
    std::ifstream file(std::string(ZORSTEEL_SOURCE_DIR) + "/data/aisc14u.tbl", std::ios::in | std::ios::binary);
    std::vector<std::pair<CString, int>> names;
    for (int code = 0; code < kShapeCodeCount; ++code) {
        std::vector<mvSect_AISC> rows;
        get_aisc_section(rows, file, code);
        for (const mvSect_AISC& row : rows) names.emplace_back(GetSectionName(row), code);
    }
    return names;
}

std::wstring Lower(const CString& name)
{
    std::wstring lower = name.str();
    for (wchar_t& c : lower)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return lower;
}

} // namespace

TEST(SingleAngleName, DropsTheTwinMarkTheSpacingAndTheLegOrientation)
{
    EXPECT_EQ(get_single_angle_from_double_angle(CString(L"2L8X6X1X3/8LLBB")), L"L8X6X1");
    EXPECT_EQ(get_single_angle_from_double_angle(CString(L"2L8X6X1X3/8SLBB")), L"L8X6X1");
    EXPECT_EQ(get_single_angle_from_double_angle(CString(L"2L8X6X1SLBB")), L"L8X6X1");
    EXPECT_EQ(get_single_angle_from_double_angle(CString(L"2L12X12X1-3/8X3/4")), L"L12X12X1-3/8");
    EXPECT_EQ(get_single_angle_from_double_angle(CString(L"2L4X4X1/2")), L"L4X4X1/2");
    EXPECT_EQ(get_single_angle_from_double_angle(CString(L"2l4x4x1/2x3/8llbb")), L"l4x4x1/2");
    // Not a double angle: no single angle.
    EXPECT_TRUE(get_single_angle_from_double_angle(CString(L"L4X4X1/2")).IsEmpty());
    EXPECT_TRUE(get_single_angle_from_double_angle(CString(L"W14X90")).IsEmpty());
    EXPECT_TRUE(get_single_angle_from_double_angle(CString()).IsEmpty());
}

TEST(SingleAngleName, EveryDoubleAngleOfTheCatalogueNamesACatalogueSingleAngle)
{
    std::set<std::wstring> singles;
    std::vector<CString> doubles;
    for (const auto& [name, code] : CatalogueNames()) {
        if (code == kShapeL) singles.insert(name.str());
        if (code == kShape2L) doubles.push_back(name);
    }
    ASSERT_EQ(doubles.size(), 639u);
    for (const CString& name : doubles) EXPECT_EQ(singles.count(get_single_angle_from_double_angle(name).str()), 1u) << name;
}

TEST(ShapeDesignation, FamiliesAndNamePrefixesInAnyCase)
{
    const std::pair<const wchar_t*, int> cases[] = {
        {L"W", kShapeW},           {L"w14", kShapeW},       {L"W14X90", kShapeW},        {L"M", kShapeM},
        {L"m12.5", kShapeM},       {L"S", kShapeS},         {L"HP", kShapeHP},           {L"hp14X117", kShapeHP},
        {L"C", kShapeC},           {L"MC", kShapeMC},       {L"mc18", kShapeMC},         {L"L", kShapeL},
        {L"L4X4X1/2", kShapeL},    {L"WT", kShapeWT},       {L"wt7", kShapeWT},          {L"MT", kShapeMT},
        {L"ST", kShapeST},         {L"st1.5X2.85", kShapeST}, {L"2L", kShape2L},         {L"2L4", kShape2L},
        {L"2l4x4", kShape2L},      {L"Pipe", kShapePipe},   {L"PIPE12STD", kShapePipe},  {L"pipe1-1/2", kShapePipe},
        {L"HSS8X4", kShapeRectHss}, {L"HSS8X", kShapeRectHss}, {L"hss3-1/2X2", kShapeRectHss}, {L"HSS8.625", kShapeRoundHss},
        {L"hss6.", kShapeRoundHss},
    };
    for (const auto& [designation, code] : cases) EXPECT_EQ(get_shape(designation), code) << designation;
}

TEST(ShapeDesignation, AmbiguousOrUnknownDesignationsGiveMinusOne)
{
    for (const wchar_t* designation : {L"HSS", L"HSS8", L"hss12", L"HSS.5", L"HSSX", L"WX", L"Wide", L"W-14", L"2", L"2W14", L"2LX",
                                       L"LL4", L"X", L"14", L"PipeX", L"P", L" W14", L"W\u00c914", L"", static_cast<const wchar_t*>(nullptr)})
        EXPECT_EQ(get_shape(designation), -1) << (designation ? designation : L"(null)");
}

TEST(ShapeDesignation, EveryCatalogueNameClassifiesAsItsOwnRowInAnyCase)
{
    const auto names = CatalogueNames();
    ASSERT_EQ(names.size(), 2091u);
    for (const auto& [name, code] : names) {
        EXPECT_EQ(get_shape(name), code) << name;
        EXPECT_EQ(get_shape(Lower(name).c_str()), code) << name;
    }
}

TEST(NameList, SplitsAtCommasSemicolonsAndWhiteSpace)
{
    std::vector<CString> items{CString(L"kept")};
    EXPECT_EQ(ParseList(items, CString(L"W14X90, w12;HSS8X4  Pipe")), 4);
    const std::vector<CString> expected{CString(L"kept"), CString(L"W14X90"), CString(L"w12"), CString(L"HSS8X4"), CString(L"Pipe")};
    EXPECT_EQ(items, expected);

    EXPECT_EQ(ParseList(items, CString(L"\tL4X4X1/2\n;;2L4X4X1/2 ,")), 2);
    EXPECT_EQ(items.back(), L"2L4X4X1/2");
    EXPECT_EQ(items.size(), 7u);
}

TEST(NameList, EmptyOrSeparatorOnlyListsAddNothing)
{
    std::vector<CString> items;
    EXPECT_EQ(ParseList(items, CString()), 0);
    EXPECT_EQ(ParseList(items, CString(L" ,; \t\r\n,,")), 0);
    EXPECT_TRUE(items.empty());
}
