// The design object reading a section from the catalogue file, and a host's
// message handler that throws.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "TestSupport.h"

// SetSection on every row in any case: SteelDesignManagerTest.
TEST(DesignObjectSectionTest, GetSectionLeavesTheObjectAloneAndUnknownNamesTellTheDebugger)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(ToNativePath(GetExecutablePath() + L"aisc14u.tbl")))
        << "aisc14u.tbl is missing beside the test program";
    MessageCapture messages;
    TestDesign design;
    EXPECT_EQ(design.ShapeCode, -1);  // no section yet
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
