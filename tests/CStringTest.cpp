// The wide string of the library: formatting with the wide conventions,
// case-insensitive ordering, slicing and searching.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

#include "TestSupport.h"

namespace {

std::string Narrow(const CString& text)
{
    std::string out;
    for (const wchar_t c : text.str()) out += static_cast<char>(c);
    return out;
}

int Sign(int value) { return (value > 0) - (value < 0); }

} // namespace

TEST(CStringFormatTest, PercentSAndPercentCTakeWideArguments)
{
    CString text;
    text.Format(L"[%s|%-12s|%12s]", CString(L"HSS8X4X1/2").GetString(), L"ab", L"cd");
    EXPECT_EQ(text, L"[HSS8X4X1/2|ab          |          cd]");
    text.Format(L"%ls and %lc, %c%c", L"\u03c6Pn", L'\u2265', L'a', L'\u00e9');
    EXPECT_EQ(text, L"\u03c6Pn and \u2265, a\u00e9");
}

TEST(CStringFormatTest, PercentGAndTheOtherFloatConversionsPrintAsC)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (const double value : {0.1, 1.0 / 3, 1e-5, 1e20, 123456.5, 123457.5, -0.0, 0.0, 29000.0, 3.14159265, 1e-300,
                               -2.5e-7, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::quiet_NaN(), kInf, -kInf}) {
        CString text;
        text.Format(L"%g <%10.3g|%-8.2e|%.4f>", value, value, value, value);
        char expected[512];
        std::snprintf(expected, sizeof expected, "%g <%10.3g|%-8.2e|%.4f>", value, value, value, value);
        EXPECT_EQ(Narrow(text), expected) << "value " << value;
    }
}

TEST(CStringFormatTest, OtherConversionsAndPercentLiteral)
{
    CString text;
    text.Format(L"100%% of %d (%5.1f%%) %s", 42, 99.5, L"ok");
    EXPECT_EQ(text, L"100% of 42 ( 99.5%) ok");
    text.Format(L"%%s is not a conversion");
    EXPECT_EQ(text, L"%s is not a conversion");
    text.Format(L"%ld %u %x %*d|", 1234567890123L, 7u, 255u, 4, 9);
    EXPECT_EQ(text, L"1234567890123 7 ff    9|");
}

TEST(CStringFormatTest, LongOutputIsWholeAndReplacesTheOldContent)
{
    CString text(L"old content that is rather long");
    const std::wstring long100k(100000, L'y');
    text.Format(L"%g%s%g", 0.5, long100k.c_str(), 2.0);  // far beyond the first buffer
    EXPECT_EQ(text.str(), L"0.5" + long100k + L"2");
    for (int n = 254; n <= 258; ++n) {  // at the first buffer's edge
        const std::wstring s(static_cast<size_t>(n), L'z');
        text.Format(L"%s", s.c_str());
        EXPECT_EQ(text.str(), s) << n << " characters";
    }
    text.Format(L"");
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CStringCompareTest, CompareNoCaseFoldsToLowerCaseAndCompareDoesNotFold)
{
    const struct
    {
        const wchar_t *a, *b;
        int noCase, exact;
    } cases[] = {
        {L"W14X90", L"w14x90", 0, -1},  {L"hss8x4x1/2", L"HSS8X4X1/2", 0, 1}, {L"W14X90", L"W14X90", 0, 0},
        {L"abc", L"ABD", -1, 1},        {L"ABD", L"abc", 1, -1},             {L"W14", L"w14X90", -1, -1},
        {L"w14x90", L"W14", 1, 1},      {L"2L4", L"C4", -1, -1},             {L"", nullptr, 0, 0},
        {L"a", nullptr, 1, 1},
        // "_" lies between the cases in ASCII: folded, it sorts before every letter.
        {L"_", L"A", -1, 1},            {L"_", L"a", -1, -1},                {L"W", L"_", 1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sign(CString(c.a).CompareNoCase(c.b)), c.noCase) << c.a << " vs " << c.b;
        EXPECT_EQ(Sign(CString(c.a).Compare(c.b)), c.exact) << c.a << " vs " << c.b;
    }
}

TEST(CStringSliceTest, LeftAndFind)
{
    const CString name(L"2L4X4X1/2LLBB");
    for (const auto& [count, left] : {std::pair{3, L"2L4"}, {13, L"2L4X4X1/2LLBB"}, {100, L"2L4X4X1/2LLBB"},
                                      {0, L""}, {-1, L""}})
        EXPECT_EQ(name.Left(count), left) << count;
    EXPECT_TRUE(CString().Left(3).IsEmpty());

    const struct
    {
        const wchar_t* sub;
        int start, at;
    } texts[] = {{L"X", 0, 3},    {L"X", 3, 3},  {L"X", 4, 5},     {L"X", 6, -1},   {L"LLBB", 0, 9},
                 {L"llbb", 0, -1}, {L"Q", 0, -1}, {L"", 0, 0},      {L"", 13, 13},   {L"B", 14, -1},
                 {L"B", -1, -1},   {nullptr, 0, -1}};
    for (const auto& c : texts) EXPECT_EQ(name.Find(c.sub, c.start), c.at) << c.sub << " from " << c.start;
    const struct
    {
        wchar_t ch;
        int start, at;
    } characters[] = {{L'L', 0, 1}, {L'L', 2, 9}, {L'/', 0, 7}, {L'Z', 0, -1}, {L'L', 14, -1}, {L'L', -3, -1}};
    for (const auto& c : characters)
        EXPECT_EQ(name.Find(c.ch, c.start), c.at) << std::wstring(1, c.ch) << " from " << c.start;
}

TEST(CStringBasicsTest, NullIsEmptyAndConcatenationLeavesItsOperandsAlone)
{
    const CString fromNull(static_cast<const wchar_t*>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty() && fromNull.GetLength() == 0 && fromNull == nullptr && fromNull == CString());
    EXPECT_STREQ(fromNull.GetString(), L"");
    EXPECT_FALSE(CString(L"x") == nullptr);

    CString text(L"Invalid section ");
    EXPECT_EQ(text + CString(L"W14X90"), L"Invalid section W14X90");
    EXPECT_EQ(text + L"W14X90", L"Invalid section W14X90");
    EXPECT_EQ(L"cannot find file " + CString(L"Images\\x.png"), L"cannot find file Images\\x.png");
    EXPECT_EQ(text, L"Invalid section ");
    text += L"W";
    text += CString(L"14");
    text += static_cast<const wchar_t*>(nullptr);
    EXPECT_EQ(text, L"Invalid section W14");
    CString self(L"ab");
    self += self;
    EXPECT_EQ(self, L"abab");
}

