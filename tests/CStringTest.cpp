// The wide string of the library: formatting with the wide conventions,
// case-insensitive ordering, slicing and searching.
#include <gtest/gtest.h>

#include <cmath>
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

// What the C library prints for one value with a narrow format.
std::string CFormat(const char* format, double value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

TEST(CStringFormatTest, PercentSTakesAWideString)
{
    CString text;
    text.Format(L"Section %s", L"W14X90");
    EXPECT_EQ(text, L"Section W14X90");

    const CString name(L"HSS8X4X1/2");
    text.Format(L"[%s|%-12s|%12s]", name.GetString(), L"ab", L"cd");
    EXPECT_EQ(text, L"[HSS8X4X1/2|ab          |          cd]");

    // Written with an explicit length modifier, it is a wide string as well.
    text.Format(L"%ls and %lc", L"\u03c6Pn", L'\u2265');
    EXPECT_EQ(text, L"\u03c6Pn and \u2265");
    // %c is a wide character, beyond ASCII too.
    text.Format(L"%c%c", L'a', L'\u00e9');
    EXPECT_EQ(text, L"a\u00e9");
}

TEST(CStringFormatTest, PercentGPrintsAsC)
{
    const double values[] = {0.1,
                             1.0 / 3,
                             1e-5,
                             1e20,
                             123456.5,
                             123457.5,
                             -0.0,
                             0,
                             29000,
                             3.14159265,
                             1e-300,
                             -2.5e-7,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double value : values) {
        CString text;
        text.Format(L"%g", value);
        EXPECT_EQ(Narrow(text), CFormat("%g", value)) << "value " << value;
        text.Format(L"<%10.3g|%-8.2e|%.4f>", value, value, value);
        char expected[512];
        std::snprintf(expected, sizeof expected, "<%10.3g|%-8.2e|%.4f>", value, value, value);
        EXPECT_EQ(Narrow(text), expected) << "value " << value;
    }

    // A few written out: these are the texts a report shows.
    CString text;
    text.Format(L"%g %g %g %g %g %g %g", 0.1, 1.0 / 3, 1e-5, 1e20, -0.0, std::nan(""),
                std::numeric_limits<double>::infinity());
    EXPECT_EQ(text, L"0.1 0.333333 1e-05 1e+20 -0 nan inf");
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
    text.Format(L"no conversions");
    EXPECT_EQ(text, L"no conversions");
}

TEST(CStringFormatTest, LongOutputFormatsFully)
{
    const std::wstring long300(300, L'x');
    CString text;
    text.Format(L"%s|%g", long300.c_str(), 1.5);
    EXPECT_EQ(text.GetLength(), 304);
    EXPECT_EQ(text.str(), long300 + L"|1.5");

    // Far beyond the first buffer, with conversions at both ends.
    const std::wstring long100k(100000, L'y');
    text.Format(L"%g%s%g", 0.5, long100k.c_str(), 2.0);
    EXPECT_EQ(text.str(), L"0.5" + long100k + L"2");

    // Exactly at the first buffer's edge.
    for (int n = 254; n <= 258; ++n) {
        const std::wstring s(static_cast<size_t>(n), L'z');
        text.Format(L"%s", s.c_str());
        EXPECT_EQ(text.str(), s) << n << " characters";
    }
}

TEST(CStringFormatTest, FormatReplacesTheOldContent)
{
    CString text(L"old content that is rather long");
    text.Format(L"%g", 2.0);
    EXPECT_EQ(text, L"2");
    text.Format(L"");
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CStringCompareTest, CompareNoCase)
{
    EXPECT_EQ(CString(L"W14X90").CompareNoCase(L"w14x90"), 0);
    EXPECT_EQ(CString(L"hss8x4x1/2").CompareNoCase(L"HSS8X4X1/2"), 0);
    EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
    EXPECT_GT(CString(L"ABD").CompareNoCase(L"abc"), 0);
    // A prefix comes first.
    EXPECT_LT(CString(L"W14").CompareNoCase(L"w14X90"), 0);
    EXPECT_GT(CString(L"w14x90").CompareNoCase(L"W14"), 0);
    // Letters are folded to lower case: "_" (between the cases in ASCII)
    // sorts before every letter, whatever case the letter is typed in.
    EXPECT_LT(CString(L"_").CompareNoCase(L"A"), 0);
    EXPECT_LT(CString(L"_").CompareNoCase(L"a"), 0);
    EXPECT_GT(CString(L"W").CompareNoCase(L"_"), 0);
    // Digits before letters; empty and null compare equal.
    EXPECT_LT(CString(L"2L4").CompareNoCase(L"C4"), 0);
    EXPECT_EQ(CString().CompareNoCase(L""), 0);
    EXPECT_EQ(CString().CompareNoCase(nullptr), 0);
    EXPECT_GT(CString(L"a").CompareNoCase(nullptr), 0);
}

TEST(CStringCompareTest, CompareIsCaseSensitive)
{
    EXPECT_EQ(CString(L"W14X90").Compare(L"W14X90"), 0);
    EXPECT_NE(CString(L"W14X90").Compare(L"w14x90"), 0);
    EXPECT_LT(CString(L"W").Compare(L"w"), 0);
    EXPECT_EQ(CString().Compare(nullptr), 0);
}

TEST(CStringSliceTest, Left)
{
    const CString name(L"W14X90");
    EXPECT_EQ(name.Left(3), L"W14");
    EXPECT_EQ(name.Left(6), L"W14X90");
    EXPECT_EQ(name.Left(100), L"W14X90");
    EXPECT_TRUE(name.Left(0).IsEmpty());
    EXPECT_TRUE(name.Left(-1).IsEmpty());
    EXPECT_TRUE(CString().Left(3).IsEmpty());
}

TEST(CStringSliceTest, Find)
{
    const CString name(L"2L4X4X1/2LLBB");
    EXPECT_EQ(name.Find(L"X"), 3);
    EXPECT_EQ(name.Find(L"X", 3), 3);
    EXPECT_EQ(name.Find(L"X", 4), 5);
    EXPECT_EQ(name.Find(L"X", 6), -1);
    EXPECT_EQ(name.Find(L"LLBB"), 9);
    EXPECT_EQ(name.Find(L"llbb"), -1);  // case matters
    EXPECT_EQ(name.Find(L"Q"), -1);
    EXPECT_EQ(name.Find(L""), 0);
    EXPECT_EQ(name.Find(L"", 13), 13);
    EXPECT_EQ(name.Find(L"B", 14), -1);
    EXPECT_EQ(name.Find(L"B", -1), -1);
    EXPECT_EQ(name.Find(static_cast<const wchar_t*>(nullptr)), -1);

    EXPECT_EQ(name.Find(L'L'), 1);
    EXPECT_EQ(name.Find(L'L', 2), 9);
    EXPECT_EQ(name.Find(L'/', 0), 7);
    EXPECT_EQ(name.Find(L'Z'), -1);
    EXPECT_EQ(name.Find(L'L', 14), -1);
    EXPECT_EQ(name.Find(L'L', -3), -1);
}

TEST(CStringBasicsTest, NullAndEmpty)
{
    const CString fromNull(static_cast<const wchar_t*>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty());
    EXPECT_EQ(fromNull.GetLength(), 0);
    EXPECT_EQ(fromNull, L"");
    EXPECT_EQ(fromNull, nullptr);
    EXPECT_STREQ(fromNull.GetString(), L"");
    EXPECT_EQ(fromNull, CString());
    EXPECT_FALSE(CString(L"x") == nullptr);
}

TEST(CStringBasicsTest, Concatenation)
{
    CString text(L"Invalid section ");
    EXPECT_EQ(text + CString(L"W14X90"), L"Invalid section W14X90");
    EXPECT_EQ(text + L"W14X90", L"Invalid section W14X90");
    EXPECT_EQ(L"cannot find file " + CString(L"Images\\x.png"), L"cannot find file Images\\x.png");
    // The operands are unchanged.
    EXPECT_EQ(text, L"Invalid section ");

    text += L"W";
    text += CString(L"14");
    text += static_cast<const wchar_t*>(nullptr);
    EXPECT_EQ(text, L"Invalid section W14");
    EXPECT_EQ(text.GetLength(), 19);

    CString self(L"ab");
    self += self;
    EXPECT_EQ(self, L"abab");
}

TEST(CStringBasicsTest, WrittenToANarrowStreamAsUtf8)
{
    std::ostringstream out;
    out << CString(L"\u03c6 = 0.9 \U0001F600") << '|' << CString();
    EXPECT_EQ(out.str(), "\xCF\x86 = 0.9 \xF0\x9F\x98\x80|");
}
