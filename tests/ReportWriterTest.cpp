// The report primitives, the equation-image check and the problem frame,
// byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <streambuf>
#include <string>

#include <unistd.h>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own under the system's temporary folder, standing in for the
// executable's folder; removed with everything in it.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string& tag)
        : m_path(fs::temp_directory_path() / ("zorsteel-report-" + tag + "-" + std::to_string(::getpid())))
    {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~ScratchFolder() { fs::remove_all(m_path); }

    const fs::path& Path() const { return m_path; }
    // Creates a file below the folder, with its parent folders.
    void Touch(const fs::path& relative) const
    {
        fs::create_directories((m_path / relative).parent_path());
        std::ofstream(m_path / relative) << "png";
    }
    std::wstring Wide() const { return m_path.wstring(); }

private:
    fs::path m_path;
};

// Counts the flushes that reach the stream's buffer.
class CountingBuffer : public std::stringbuf
{
public:
    int Syncs = 0;

protected:
    int sync() override
    {
        ++Syncs;
        return std::stringbuf::sync();
    }
};

// A design object whose report goes to memory, with an executable folder that
// holds the images the tests name as present.
class ReportWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.Touch("Images/present.png");
        folder.Touch("Images/x.png");
        SetExecutablePath(folder.Wide().c_str());
    }
    void TearDown() override { SetExecutablePath(nullptr); }

    ScratchFolder folder{"primitives"};
    MessageCapture messages;
    TestDesign design;
    ReportCapture report{design};
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST_F(ReportWriterTest, TitleAndHeaderFrameTheirText)
{
    design.PrintTitle(L"W14X90 Column ");
    design.PrintTitle(L"Beam");
    design.PrintHeader(L"Axial Capacity Calculation");
    EXPECT_EQ(report.Text(),
              "<div class=\"problem-title\">W14X90 Column using AISC 360-10 LRFD Method </div><br/>\n"
              "<div class=\"problem-title\">Beamusing AISC 360-10 LRFD Method </div><br/>\n"
              "<div class=\"header\">Axial Capacity Calculation</div><br/>\n");
    EXPECT_TRUE(messages.Boxes.empty());
}

TEST_F(ReportWriterTest, PlainTextsAndItems)
{
    design.Print(L"Mrx = Mux; Mry = Muy");
    design.Print(L"Pu = Pr", 125.5, L"kips", L"; &nbsp");
    design.Print(L"Cmx", 0.85, L"", L"; &nbsp");
    design.Print(L"", 2, L"", L"");
    design.PrintLine(L"Compression member");
    design.PrintLine(L"");
    design.PrintLine(L"Fy", 50, L"ksi");
    design.PrintLine(L"Q", 1, L"");
    EXPECT_EQ(report.Text(),
              "Mrx = Mux; Mry = Muy\n"
              "Pu = Pr = 125.5 kips; &nbsp\n"
              "Cmx = 0.85 ; &nbsp\n"
              " = 2 \n"
              "Compression member<br/>\n"
              "<br/>\n"
              "Fy = 50 ksi<br/>\n"
              "Q = 1 <br/>\n");
}

TEST_F(ReportWriterTest, ValuesUseTheStreamsDefaultFormatting)
{
    design.PrintLine(L"a", 0.1, L"");
    design.PrintLine(L"b", 1e-7, L"");
    design.PrintLine(L"c", 123456789, L"");
    design.PrintLine(L"d", 1.0 / 3, L"");
    design.PrintLine(L"e", 100000, L"");
    design.PrintLine(L"f", 1e6, L"");
    design.PrintLine(L"g", -0.0, L"");
    design.PrintLine(L"h", 29000, L"ksi");
    design.Print(L"i", 0.000123456789, L"", L"");
    EXPECT_EQ(report.Text(),
              "a = 0.1 <br/>\n"
              "b = 1e-07 <br/>\n"
              "c = 1.23457e+08 <br/>\n"
              "d = 0.333333 <br/>\n"
              "e = 100000 <br/>\n"
              "f = 1e+06 <br/>\n"
              "g = -0 <br/>\n"
              "h = 29000 ksi<br/>\n"
              "i = 0.000123457 \n");
}

TEST_F(ReportWriterTest, ResultIsOkOnlyUpToOne)
{
    design.PrintResult(L"Interaction", 1.0);
    design.PrintResult(L"Interaction", 0.0);
    design.PrintResult(L"Interaction", -0.5);
    design.PrintResult(L"Interaction", 1.0000001);
    design.PrintResult(L"Interaction", kNaN);
    design.PrintResult(L"Interaction", kInf);
    EXPECT_EQ(report.Text(),
              "<div class=\"success\">Interaction: OK</div>\n"
              "<div class=\"success\">Interaction: OK</div>\n"
              "<div class=\"success\">Interaction: OK</div>\n"
              "<div class=\"fail\">Interaction: NG</div>\n"
              "<div class=\"fail\">Interaction: NG</div>\n"
              "<div class=\"fail\">Interaction: NG</div>\n");
}

TEST_F(ReportWriterTest, ErrorsAndWarnings)
{
    design.PrintError(L"KL/r exceeds 200");
    design.PrintWarning(L"Pu exceeds the Euler load");
    EXPECT_EQ(report.Text(),
              "<div class=\"fail\">KL/r exceeds 200</div>\n"
              "<div class=\"warning\">Pu exceeds the Euler load</div>\n");
}

TEST_F(ReportWriterTest, WideTextsAreWrittenAsUtf8)
{
    // phi, greater-or-equal, and a character outside the basic plane.
    design.PrintHeader(L"\u03c6 Pn \u2265 Pu \U0001D70B");
    EXPECT_EQ(report.Text(), "<div class=\"header\">\xCF\x86 Pn \xE2\x89\xA5 Pu \xF0\x9D\x9C\x8B</div><br/>\n");

    // Long texts of multi-byte characters cross every internal chunk boundary.
    report.Clear();
    std::wstring wide;
    std::string utf8;
    for (int i = 0; i < 300; ++i) {
        wide += L'a';
        wide += L'\u00e9';
        wide += L'\u20ac';
        utf8 += "a\xC3\xA9\xE2\x82\xAC";
    }
    design.Print(wide.c_str());
    EXPECT_EQ(report.Text(), utf8 + "\n");
}

TEST_F(ReportWriterTest, EveryPrimitiveEndsWithAFlush)
{
    CountingBuffer buffer;
    std::ostream stream(&buffer);
    design.SetPrintFile(&stream);

    int expected = 0;
    const auto flushed = [&](const char* what) {
        ++expected;
        EXPECT_EQ(buffer.Syncs, expected) << what;
    };
    design.PrintTitle(L"t");
    flushed("PrintTitle");
    design.PrintHeader(L"h");
    flushed("PrintHeader");
    design.Print(L"p");
    flushed("Print");
    design.Print(L"p", 1, L"u", L";");
    flushed("Print item");
    design.PrintLine(L"l");
    flushed("PrintLine");
    design.PrintLine(L"l", 1, L"u");
    flushed("PrintLine item");
    design.PrintResult(L"r", 0.5);
    flushed("PrintResult");
    design.PrintError(L"e");
    flushed("PrintError");
    design.PrintWarning(L"w");
    flushed("PrintWarning");
    design.PrintImage(L"x.png");
    flushed("PrintImage");
    // The image line and the value line are ended separately.
    design.PrintEquationValue(L"x.png", 1, nullptr);
    ++expected;
    flushed("PrintEquationValue");
}

TEST_F(ReportWriterTest, ImageOfAnExistingFileRaisesNoMessage)
{
    design.PrintImage(L"present.png");
    EXPECT_EQ(report.Text(), "<img src=\"Images\\present.png\"><br/>\n");
    EXPECT_TRUE(messages.Boxes.empty());
}

TEST_F(ReportWriterTest, EachMissingImageRaisesOneMessage)
{
    design.PrintImage(L"phi_c_Pn.png");
    design.PrintImage(L"present.png");
    design.PrintEquationValue(L"Fcr.png", 31.5, L"ksi");
    design.PrintImage(L"phi_c_Pn.png");
    EXPECT_EQ(report.Text(),
              "<img src=\"Images\\phi_c_Pn.png\"><br/>\n"
              "<img src=\"Images\\present.png\"><br/>\n"
              "<img src=\"Images\\Fcr.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 31.5 ksi</div><br/>\n"
              "<img src=\"Images\\phi_c_Pn.png\"><br/>\n");
    const std::vector<std::string> expected = {
        "cannot find file Images\\phi_c_Pn.png",
        "cannot find file Images\\Fcr.png",
        "cannot find file Images\\phi_c_Pn.png",
    };
    EXPECT_EQ(messages.Boxes, expected);
    EXPECT_TRUE(messages.Debug.empty());
}

TEST_F(ReportWriterTest, ImageCheckLooksOnlyBesideTheExecutable)
{
    // A file of that name in the working folder or at the folder's top does
    // not count; only Images/ below the executable's folder does.
    folder.Touch("elsewhere.png");
    design.PrintImage(L"elsewhere.png");
    ASSERT_EQ(messages.Boxes.size(), 1u);
    EXPECT_EQ(messages.Boxes[0], "cannot find file Images\\elsewhere.png");
}

TEST_F(ReportWriterTest, ImageCheckFindsNonAsciiNamesAndToleratesAFolderWithoutSeparator)
{
    folder.Touch(fs::path(u8"Images/\u03c6Pn.png"));
    SetExecutablePath(folder.Wide().c_str());  // no trailing separator
    design.PrintImage(L"\u03c6Pn.png");
    EXPECT_EQ(report.Text(), "<img src=\"Images\\\xCF\x86Pn.png\"><br/>\n");
    EXPECT_TRUE(messages.Boxes.empty());

    SetExecutablePath((folder.Wide() + L"/").c_str());
    design.PrintImage(L"present.png");
    EXPECT_TRUE(messages.Boxes.empty());
}

TEST_F(ReportWriterTest, ImageCheckWantsAFileNotAFolder)
{
    fs::create_directories(folder.Path() / "Images" / "sub");
    design.PrintImage(L"sub");
    design.PrintImage(L"");
    const std::vector<std::string> expected = {
        "cannot find file Images\\sub",
        "cannot find file Images\\",
    };
    EXPECT_EQ(messages.Boxes, expected);
}

TEST_F(ReportWriterTest, CheckFileExistOnItsOwn)
{
    design.CheckFileExist("Images\\", L"present.png");
    EXPECT_TRUE(messages.Boxes.empty());
    design.CheckFileExist("Images\\", L"absent.png");
    ASSERT_EQ(messages.Boxes.size(), 1u);
    EXPECT_EQ(messages.Boxes[0], "cannot find file Images\\absent.png");
    EXPECT_EQ(report.Text(), "");
}

TEST_F(ReportWriterTest, EquationValueWithAndWithoutUnit)
{
    design.PrintEquationValue(L"x.png", 12.5, nullptr);
    design.PrintEquationValue(L"x.png", 12.5, L"");
    design.PrintEquationValue(L"x.png", 12.5, L"kip-ft");
    EXPECT_EQ(report.Text(),
              "<img src=\"Images\\x.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 12.5</div><br/>\n"
              "<img src=\"Images\\x.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 12.5 </div><br/>\n"
              "<img src=\"Images\\x.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 12.5 kip-ft</div><br/>\n");
    EXPECT_TRUE(messages.Boxes.empty());
}

TEST_F(ReportWriterTest, EquationValuesArePrintedAsPercentG)
{
    const double values[] = {0.1, 1e-7, 123456789, 1.0 / 3, 100000, 1e6, 0.9, -2.5, kNaN, -kInf};
    for (double value : values) design.PrintEquationValue(L"x.png", value, nullptr);
    const std::string image = "<img src=\"Images\\x.png\" align=\"middle\">\n";
    const auto line = [](const char* text) {
        return std::string("<div class = \"equation-value\"> = ") + text + "</div><br/>\n";
    };
    EXPECT_EQ(report.Text(), image + line("0.1") + image + line("1e-07") + image + line("1.23457e+08") + image +
                                 line("0.333333") + image + line("100000") + image + line("1e+06") + image +
                                 line("0.9") + image + line("-2.5") + image + line("nan") + image + line("-inf"));
}

TEST_F(ReportWriterTest, EquationUnitIsWrittenAsUtf8)
{
    design.PrintEquationValue(L"x.png", 2, L"\u00b5m");
    EXPECT_EQ(report.Text(),
              "<img src=\"Images\\x.png\" align=\"middle\">\n"
              "<div class = \"equation-value\"> = 2 \xC2\xB5m</div><br/>\n");
}

TEST_F(ReportWriterTest, NothingIsWrittenOrReportedWhilePrintingIsOff)
{
    const auto writeEverything = [this] {
        design.PrintTitle(L"t");
        design.PrintHeader(L"h");
        design.Print(L"p");
        design.Print(L"p", 1, L"u", L";");
        design.PrintLine(L"l");
        design.PrintLine(L"l", 1, L"u");
        design.PrintResult(L"r", 0.5);
        design.PrintResult(L"r", 2);
        design.PrintError(L"e");
        design.PrintWarning(L"w");
        design.PrintImage(L"missing.png");
        design.PrintEquationValue(L"missing.png", 1, L"in");
        design.PrintEquationValue(L"missing.png", 1, nullptr);
    };

    design.SetPrint(false);
    writeEverything();
    EXPECT_EQ(report.Text(), "");
    EXPECT_TRUE(messages.Boxes.empty());

    // Printing on but no stream: no crash, no message either.
    design.SetPrint(true);
    design.SetPrintFile(nullptr);
    writeEverything();
    EXPECT_TRUE(messages.Boxes.empty());
    EXPECT_EQ(report.Text(), "");

    // Both back: the report resumes.
    design.SetPrintFile(&report.Stream());
    design.Print(L"again");
    EXPECT_EQ(report.Text(), "again\n");
}

TEST(ProblemPrintAreaTest, FramesWhatIsWrittenInside)
{
    std::ostringstream stream;
    {
        ProblemPrintArea area(&stream, L"Column C-1");
        stream << "body\n";
    }
    EXPECT_EQ(stream.str(),
              "<div class=\"clear\"></div>\n"
              "<hr/>\n"
              "<div class=\"problem-title\">Column C-1 - using AISC 360-10 LRFD Method</div>\n"
              "<hr/>\n"
              "<div class=\"problemArea\">\n"
              "body\n"
              "</div>\n"
              "<div class=\"page-break\"></div>\n");
}

TEST(ProblemPrintAreaTest, EmptyTitle)
{
    std::ostringstream stream;
    { ProblemPrintArea area(&stream, L""); }
    EXPECT_EQ(stream.str(),
              "<div class=\"clear\"></div>\n"
              "<hr/>\n"
              "<div class=\"problem-title\"> - using AISC 360-10 LRFD Method</div>\n"
              "<hr/>\n"
              "<div class=\"problemArea\">\n"
              "</div>\n"
              "<div class=\"page-break\"></div>\n");
}

TEST(ProblemPrintAreaTest, WideAndLongTitlesArriveWhole)
{
    std::wstring title;
    std::string utf8;
    for (int i = 0; i < 3000; ++i) {
        title += L"\u03c6b";
        utf8 += "\xCF\x86" "b";
    }
    std::ostringstream stream;
    { ProblemPrintArea area(&stream, title.c_str()); }
    const std::string opening = "<div class=\"problem-title\">" + utf8 + " - using AISC 360-10 LRFD Method</div>\n";
    EXPECT_NE(stream.str().find(opening), std::string::npos);
}

// The images (and the catalogue) are looked for beside the running program,
// wherever it was installed.
TEST(ExecutableFolderTest, IsTheRunningProgramsFolder)
{
    const fs::path program = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(ToNativePath(GetExecutablePath()), program.parent_path().string() + "/");
}

TEST(ExecutableFolderTest, FolderWithNonAsciiName)
{
    // Runs the check above in a copy of this program under such a folder.
    const ScratchFolder folder("exe");
    const fs::path place = folder.Path() / fs::path(u8"B\u00fccher \u03c6");
    fs::create_directories(place);
    const fs::path copy = place / "zorsteel_tests";
    fs::copy_file(fs::read_symlink("/proc/self/exe"), copy);
    fs::permissions(copy, fs::perms::owner_all, fs::perm_options::add);
    const fs::path output = folder.Path() / "output.txt";
    std::string command = "'";
    command += copy.string();
    command += "' --gtest_filter=ExecutableFolderTest.IsTheRunningProgramsFolder > '";
    command += output.string();
    command += "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(output);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(status, 0) << text;
    EXPECT_NE(text.find("[  PASSED  ] 1 test."), std::string::npos) << text;
}
