// Names and designations: the shape code of a designation, a double angle's
// single angle, and the splitting of name lists (every name of the catalogue
// classifies as its row: SteelDesignManagerTest).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"

TEST(SingleAngleName, DropsTheTwinMarkTheSpacingAndTheLegOrientation)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"2L8X6X1X3/8LLBB", L"L8X6X1"}, {L"2L8X6X1X3/8SLBB", L"L8X6X1"},         {L"2L8X6X1sLbB", L"L8X6X1"},
        {L"2L4X4X1/2", L"L4X4X1/2"},     {L"2L12X12X1-3/8X3/4", L"L12X12X1-3/8"}, {L"2l4x4x1/2x3/8llbb", L"l4x4x1/2"},
        {L"2l8x6x1llbb", L"l8x6x1"},
        // Not a double angle: no single angle.
        {L"L4X4X1/2", L""},              {L"W14X90", L""},                        {nullptr, L""},
    };
    for (const auto& [name, single] : cases)
        EXPECT_EQ(get_single_angle_from_double_angle(CString(name)), single) << name;
}

TEST(ShapeDesignation, FamiliesAndNamePrefixesInAnyCase)
{
    const std::pair<const wchar_t*, int> cases[] = {
        {L"W", kShapeW},          {L"w14", kShapeW},           {L"W14X90", kShapeW},         {L"M", kShapeM},
        {L"m12.5", kShapeM},      {L"S", kShapeS},             {L"HP", kShapeHP},            {L"hp14X117", kShapeHP},
        {L"C", kShapeC},          {L"MC", kShapeMC},           {L"mc18", kShapeMC},          {L"L", kShapeL},
        {L"L4X4X1/2", kShapeL},   {L"WT", kShapeWT},           {L"wt7", kShapeWT},           {L"MT", kShapeMT},
        {L"ST", kShapeST},        {L"st1.5X2.85", kShapeST},   {L"2L", kShape2L},            {L"2L4", kShape2L},
        {L"2l4x4", kShape2L},     {L"Pipe", kShapePipe},       {L"PIPE12STD", kShapePipe},   {L"pipe1-1/2", kShapePipe},
        {L"HSS8X4", kShapeRectHss}, {L"HSS8X", kShapeRectHss}, {L"hss3-1/2X2", kShapeRectHss},
        {L"HSS8.625", kShapeRoundHss}, {L"hss6.", kShapeRoundHss},
        // "HSS" alone, or with an integer alone, names both kinds.
        {L"HSS", -1}, {L"HSS8", -1}, {L"hss12", -1}, {L"HSS.5", -1}, {L"HSSX", -1}, {L"WX", -1}, {L"Wide", -1},
        {L"W-14", -1}, {L"2", -1}, {L"2W14", -1}, {L"2LX", -1}, {L"LL4", -1}, {L"X", -1}, {L"14", -1},
        {L"PipeX", -1}, {L"P", -1}, {L" W14", -1}, {L"W\u00c914", -1}, {L"", -1}, {nullptr, -1},
    };
    for (const auto& [designation, code] : cases) EXPECT_EQ(get_shape(designation), code) << designation;
}

TEST(NameList, SplitsAtCommasSemicolonsAndWhiteSpaceAndAppends)
{
    std::vector<CString> items{CString(L"kept")};
    EXPECT_EQ(ParseList(items, CString(L"W14X90, w12;HSS8X4  Pipe")), 4);
    EXPECT_EQ(ParseList(items, CString(L"\tL4X4X1/2\n;;2L4X4X1/2 ,")), 2);
    EXPECT_EQ(ParseList(items, CString()), 0);
    EXPECT_EQ(ParseList(items, CString(L" ,; \t\r\n,,")), 0);
    const std::vector<CString> expected{CString(L"kept"),     CString(L"W14X90"),   CString(L"w12"),
                                        CString(L"HSS8X4"),   CString(L"Pipe"),     CString(L"L4X4X1/2"),
                                        CString(L"2L4X4X1/2")};
    EXPECT_EQ(items, expected);
}
