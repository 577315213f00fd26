// The design object's state: defaults, setters, results, copies, and reading
// a section from the catalogue file.
#include <gtest/gtest.h>

#include <stdexcept>

#include <array>
#include <string>

#include "TestSupport.h"

namespace {

// A value read off the object, with what it should be.
struct Expected
{
    const char* name;
    double actual, expected;
};

void ExpectAll(std::initializer_list<Expected> values)
{
    for (const Expected& value : values) EXPECT_EQ(value.actual, value.expected) << value.name;
}

} // namespace

TEST(DesignObjectTest, Defaults)
{
    const TestDesign design;
    ExpectAll({{"Kx", design.Kx, 1}, {"Ky", design.Ky, 1}, {"Kz", design.Kz, 1}, {"Cb", design.Cb, 1},
               {"Cmx", design.Cmx, 1}, {"Cmy", design.Cmy, 1}, {"B1x", design.GetB1x(), 1}, {"B1y", design.GetB1y(), 1},
               {"KLrLimit", design.KLrLimit, 200}, {"E", design.E, 29000}, {"G", design.G, 11200},
               {"Pi", design.Pi, 3.14159265},  // this constant, not M_PI: results depend on it
               {"InchesPerFoot", design.InchesPerFoot, 12},
               {"DeflectionAdjustmentRatio", design.DeflectionAdjustmentRatio, 1},
               // No deflection check unless asked for, and nothing computed yet.
               {"TotalDeflectionDenominator", design.TotalDeflectionDenominator, 0},
               {"LiveDeflectionDenominator", design.LiveDeflectionDenominator, 0}, {"PhiPn", design.GetPhiPn(), 0},
               {"CriticalRatio", design.GetCriticalRatio(), 0}, {"ErrorCode", double(design.GetErrorCode()), 0},
               {"ShapeCode", double(design.ShapeCode), -1}});
    EXPECT_TRUE(design.PrintEnabled && design.PrintFile == nullptr && !design.IsPrinting());
    const std::pair<const CString&, const wchar_t*> units[] = {
        {design.MomentUnit, L"kip-ft"}, {design.ForceUnit, L"kips"},     {design.StressUnit, L"ksi"},
        {design.LengthUnit, L"in"},     {design.LongLengthUnit, L"ft"}, {design.AreaUnit, L"in^2"},
    };
    for (const auto& [unit, text] : units) EXPECT_EQ(unit, text);
}

TEST(DesignObjectTest, CriticalRatioIsTheLargestOfTheThree)
{
    TestDesign design;
    for (const auto& [interaction, vx, vy, critical] :
         {std::array{0.5, 0.7, 0.2, 0.7}, {0.9, 0.7, 0.2, 0.9}, {0.1, 0.2, 0.3, 0.3}, {1.5, 1.5, 0.0, 1.5}}) {
        design.InteractionRatio = interaction;
        design.VxRatio = vx;
        design.VyRatio = vy;
        EXPECT_EQ(design.GetCriticalRatio(), critical) << interaction << ", " << vx << ", " << vy;
    }
}

// SetSection on every row in any case: CatalogueFileTest.
TEST(DesignObjectSectionTest, GetSectionLeavesTheObjectAloneAndUnknownNamesTellTheDebugger)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(ToNativePath(GetExecutablePath() + L"aisc14u.tbl")))
        << "aisc14u.tbl is missing beside the test program";
    MessageCapture messages;
    TestDesign design;
    EXPECT_EQ(design.SetSection(L"l4x4x1/2"), kShapeL);
    EXPECT_TRUE(messages.Debug.empty() && messages.Boxes.empty());

    // GetSection reads into the caller's record only.
    mvSect_AISC section;
    EXPECT_EQ(design.GetSection(section, L"W14X90"), kShapeW);
    EXPECT_EQ(section.A, 26.5);
    EXPECT_EQ(design.ShapeCode, kShapeL);
    EXPECT_EQ(design.Section.A, 3.75);

    // An unknown name clears the shape code and tells the debugger.
    EXPECT_EQ(design.SetSection(L"W14X91"), -1);
    EXPECT_EQ(design.ShapeCode, -1);
    EXPECT_EQ(design.SetSection(L""), -1);
    const std::vector<std::string> expected = {"Invalid section W14X91", "Invalid section "};
    EXPECT_EQ(messages.Debug, expected);
}

TEST(DesignObjectSectionTest, HandlerThatThrowsDoesNotReachTheHost)
{
    const MessageHandler previous = SetDebugOutputHandler([](const wchar_t*) { throw std::runtime_error("host"); });
    TestDesign design;
    EXPECT_NO_THROW(EXPECT_EQ(design.SetSection(L"NOT-A-SECTION"), -1));
    SetDebugOutputHandler(previous);
}
