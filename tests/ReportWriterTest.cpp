// The report primitives and the equation-image check, byte for byte (the
// problem frame: the Python module's report test and ReportPageTest).
#include <gtest/gtest.h>

#include <stdexcept>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A report in memory that counts the flushes reaching it.
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

// One call of a primitive and the bytes it writes; every image named exists.
// Values go through the stream's default formatting in items and through %g
// in equation values.
struct Primitive
{
    std::function<void(const TestDesign&)> write;
    std::string bytes;
};

const std::vector<Primitive>& Primitives()
{
    static const std::vector<Primitive> cases = [] {
        // Long enough to cross every internal chunk of the UTF-8 writer.
        std::wstring longWide;
        std::string longUtf8;
        for (int i = 0; i < 300; ++i) {
            longWide += L"a\u00e9\u20ac";
            longUtf8 += "a\xC3\xA9\xE2\x82\xAC";
        }
        const std::string image = "<img src=\"Images\\present.png\" align=\"middle\">\n";
        std::vector<Primitive> primitives{
            {[](auto& d) { d.PrintTitle(L"W14X90 Column "); },
             "<div class=\"problem-title\">W14X90 Column using AISC 360-10 LRFD Method </div><br/>\n"},
            {[](auto& d) { d.PrintHeader(L"\u03c6 Pn \u2265 Pu \U0001D70B"); },
             "<div class=\"header\">\xCF\x86 Pn \xE2\x89\xA5 Pu \xF0\x9D\x9C\x8B</div><br/>\n"},
            {[](auto& d) { d.Print(L"Mrx = Mux; Mry = Muy"); }, "Mrx = Mux; Mry = Muy\n"},
            {[longWide](auto& d) { d.Print(longWide.c_str()); }, longUtf8 + "\n"},
            {[](auto& d) { d.Print(L"Pu = Pr", 125.5, L"kips", L"; &nbsp"); }, "Pu = Pr = 125.5 kips; &nbsp\n"},
            {[](auto& d) { d.Print(L"", 2, L"", L""); }, " = 2 \n"},
            {[](auto& d) { d.PrintLine(L"Compression member"); }, "Compression member<br/>\n"},
            {[](auto& d) { d.PrintLine(L""); }, "<br/>\n"},
            {[](auto& d) { d.PrintLine(L"Fy", 50, L"ksi"); }, "Fy = 50 ksi<br/>\n"},
            {[](auto& d) { d.PrintLine(L"Q", 1, L""); }, "Q = 1 <br/>\n"},
            {[](auto& d) { d.PrintResult(L"Interaction", 1.0); }, "<div class=\"success\">Interaction: OK</div>\n"},
            {[](auto& d) { d.PrintResult(L"Interaction", 1.0000001); }, "<div class=\"fail\">Interaction: NG</div>\n"},
            {[](auto& d) { d.PrintResult(L"Interaction", kNaN); }, "<div class=\"fail\">Interaction: NG</div>\n"},
            {[](auto& d) { d.PrintError(L"KL/r exceeds 200"); }, "<div class=\"fail\">KL/r exceeds 200</div>\n"},
            {[](auto& d) { d.PrintWarning(L"Pu exceeds the Euler load"); },
             "<div class=\"warning\">Pu exceeds the Euler load</div>\n"},
            {[](auto& d) { d.PrintImage(L"present.png"); }, "<img src=\"Images\\present.png\"><br/>\n"},
            {[](auto& d) { d.PrintEquationValue(L"present.png", 12.5, nullptr); },
             image + "<div class = \"equation-value\"> = 12.5</div><br/>\n"},
            {[](auto& d) { d.PrintEquationValue(L"present.png", 12.5, L""); },
             image + "<div class = \"equation-value\"> = 12.5 </div><br/>\n"},
            {[](auto& d) { d.PrintEquationValue(L"present.png", 2, L"\u00b5m"); },
             image + "<div class = \"equation-value\"> = 2 \xC2\xB5m</div><br/>\n"},
        };
        const std::pair<double, const char*> formatted[] = {
            {0.1, "0.1"},       {1e-7, "1e-07"}, {123456789, "1.23457e+08"}, {1.0 / 3, "0.333333"},
            {100000, "100000"}, {1e6, "1e+06"},  {-0.0, "-0"},               {0.000123456789, "0.000123457"},
            {kNaN, "nan"},      {-kInf, "-inf"},
        };
        for (const auto& row : formatted) {
            const double value = row.first;  // a variable, for the lambdas to take
            const char* text = row.second;
            primitives.push_back(
                {[value](auto& d) { d.PrintLine(L"a", value, L""); }, std::string("a = ") + text + " <br/>\n"});
            primitives.push_back({[value](auto& d) { d.PrintEquationValue(L"present.png", value, nullptr); },
                                  image + "<div class = \"equation-value\"> = " + text + "</div><br/>\n"});
        }
        return primitives;
    }();
    return cases;
}

// A design object writing to memory, with an executable folder whose Images/
// holds present.png.
class ReportWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.Write("Images/present.png", "png");
        SetExecutablePath(folder.Path().wstring().c_str());
        design.SetPrintFile(&stream);
    }
    void TearDown() override { SetExecutablePath(nullptr); }

    std::string Take()
    {
        const std::string text = buffer.str();
        buffer.str(std::string());
        return text;
    }

    ScratchFolder folder{"report"};
    MessageCapture messages;
    TestDesign design;
    CountingBuffer buffer;
    std::ostream stream{&buffer};
};

} // namespace

TEST_F(ReportWriterTest, EachPrimitiveWritesItsBytesAndFlushesEveryLine)
{
    for (std::size_t i = 0; i < Primitives().size(); ++i) {
        const int syncs = buffer.Syncs;
        Primitives()[i].write(design);
        const std::string& bytes = Primitives()[i].bytes;
        EXPECT_EQ(Take(), bytes) << "case " << i;
        EXPECT_EQ(buffer.Syncs - syncs, std::count(bytes.begin(), bytes.end(), '\n')) << "case " << i;
    }
    EXPECT_TRUE(messages.Boxes.empty());
}

TEST_F(ReportWriterTest, EachMissingImageRaisesOneMessage)
{
    design.PrintImage(L"phi_c_Pn.png");
    EXPECT_EQ(Take(), "<img src=\"Images\\phi_c_Pn.png\"><br/>\n");  // written all the same

    // Found: a non-ASCII name, with the folder given without and with its separator.
    folder.Write(fs::path(u8"Images/\u03c6Pn.png"), "png");
    design.PrintImage(L"\u03c6Pn.png");
    EXPECT_EQ(Take(), "<img src=\"Images\\\xCF\x86Pn.png\"><br/>\n");
    SetExecutablePath((folder.Path().wstring() + L"/").c_str());
    design.PrintImage(L"\u03c6Pn.png");

    // Not found: a file at the folder's top, a folder, an empty name.
    folder.Write("elsewhere.png", "png");
    fs::create_directories(folder.Path() / "Images" / "sub");
    design.PrintEquationValue(L"Fcr.png", 31.5, L"ksi");
    design.PrintImage(L"phi_c_Pn.png");
    design.PrintImage(L"elsewhere.png");
    design.PrintImage(L"sub");
    design.PrintImage(L"");
    const std::vector<std::string> expected = {
        "cannot find file Images\\phi_c_Pn.png",  "cannot find file Images\\Fcr.png",
        "cannot find file Images\\phi_c_Pn.png",  "cannot find file Images\\elsewhere.png",
        "cannot find file Images\\sub",           "cannot find file Images\\",
    };
    EXPECT_EQ(messages.Boxes, expected);
    EXPECT_TRUE(messages.Debug.empty());
}

TEST_F(ReportWriterTest, ImageThatCannotBeReadRaisesAMessage)
{
    const std::optional<bool> held = CheckAsUnprivilegedUser(folder.Write("Images/locked.png", "png"), [this] {
        design.PrintImage(L"present.png");
        design.PrintImage(L"locked.png");
        return messages.Boxes == std::vector<std::string>{"cannot find file Images\\locked.png"};
    });
    if (!held) GTEST_SKIP() << kNoUnprivilegedUser;
    EXPECT_TRUE(*held) << "the unreadable image raised no message, or the readable one did";
}

TEST_F(ReportWriterTest, NothingIsWrittenOrReportedWithPrintingOffOrWithoutAStream)
{
    const auto writeEverything = [this] {
        for (const Primitive& primitive : Primitives()) primitive.write(design);
        design.PrintImage(L"missing.png");
        design.PrintEquationValue(L"missing.png", 1, L"in");
    };
    design.SetPrint(false);
    writeEverything();
    design.SetPrint(true);
    design.SetPrintFile(nullptr);
    writeEverything();
    EXPECT_EQ(Take(), "");
    EXPECT_TRUE(messages.Boxes.empty());

    design.SetPrintFile(&stream);
    design.Print(L"again");
    EXPECT_EQ(Take(), "again\n");
}

// Images and catalogue are looked for beside the running program, wherever it
// was installed.
TEST(ExecutableFolderTest, IsTheRunningProgramsFolder)
{
    const fs::path program = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(ToNativePath(GetExecutablePath()), program.parent_path().string() + "/");
}

TEST(ExecutableFolderTest, FolderWithNonAsciiName)
{
    // Runs the test above in a copy of this program under such a folder.
    const ScratchFolder folder("exe");
    const fs::path copy = folder.Path() / fs::path(u8"B\u00fccher \u03c6") / "zorsteel_tests";
    fs::create_directories(copy.parent_path());
    fs::copy_file(fs::read_symlink("/proc/self/exe"), copy);
    const std::string output = (folder.Path() / "output.txt").string();
    std::ostringstream command;
    command << "'" << copy.string() << "' --gtest_filter=ExecutableFolderTest.IsTheRunningProgramsFolder > '" << output
            << "' 2>&1";
    const int status = std::system(command.str().c_str());
    const std::string text = FileText(output);
    EXPECT_EQ(status, 0) << text;
    EXPECT_NE(text.find("[  PASSED  ] 1 test."), std::string::npos) << text;
}

// A report target whose every write fails, on a stream told to throw then.
class FailingBuffer : public std::streambuf
{
protected:
    int_type overflow(int_type) override { throw std::runtime_error("disk full"); }
    std::streamsize xsputn(const char*, std::streamsize) override { throw std::runtime_error("disk full"); }
};

TEST(ReportStream, StreamThatThrowsCostsTheReportNotTheCheck)
{
    CAiscDesignRectHss tube;
    ASSERT_EQ(tube.SetSection(L"HSS8X4X1/2"), 11);
    tube.SetMaterial(46.0);
    tube.SetLoads(100.0, 20.0, 10.0, 1.0, 1.0, 10.0, 5.0);
    CAiscDesignRectHss silent(tube);
    silent.SetPrint(false);
    silent.Calculate();

    FailingBuffer buffer;
    std::ostream report(&buffer);
    report.exceptions(std::ios::badbit);
    tube.SetPrintFile(&report);
    MessageCapture messages;
    EXPECT_NO_THROW({
        ProblemPrintArea area(&report, L"HSS8X4X1/2");
        tube.Calculate();
    });
    EXPECT_EQ(tube.GetInteractionRatio(), silent.GetInteractionRatio());
    EXPECT_EQ(tube.GetPhiPn(), silent.GetPhiPn());
}
