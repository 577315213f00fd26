// SetSection answers from a copy of the catalogue kept in memory, yet as if it
// read the file at every call: a file rewritten, replaced, removed or made
// unreadable, another executable path, and readers in several threads while
// the file is replaced.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A few rows of the committed catalogue, W14X90 with its area A = 26.5 in
// place; other areas of the same width keep the file's size.
std::string Catalogue(const std::string& areaOfW14X90 = "26.5")
{
    std::string text = CommittedCatalogue().head;
    for (const auto& row : CommittedCatalogue().rows) {
        if (row.name != "W14X90" && row.name != "HSS8X4X1/2" && row.name != "L8X6X1") continue;
        std::string line = row.line;
        if (row.name == "W14X90") line.replace(line.find("\t26.5\t"), 6, "\t" + areaOfW14X90 + "\t");
        text += line + '\n';
    }
    return text;
}

// Waits until the file's last change lies more than a tick of the kernel's
// clock (10 ms at most) behind the next read: the copy then made answers
// later reads on the strength of a stat alone, which is what is under test.
void Settle() { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }

bool SameRecord(const mvSect_AISC& a, const mvSect_AISC& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class CatalogueCopyTest : public ::testing::Test
{
protected:
    void SetUp() override { SetExecutablePath(folder.Path().wstring().c_str()); }
    void TearDown() override { SetExecutablePath(nullptr); }

    std::string Write(const std::string& text, const std::string& name = "aisc14u.tbl") const
    {
        return folder.Write(name, text);
    }
    // A of W14X90 as SetSection reads it; -1 when it reads nothing.
    double AreaOfW14X90()
    {
        return design.SetSection(L"W14X90") == kShapeW ? design.Section.A : -1;
    }

    ScratchFolder folder{"catalogue-copy"};
    const std::string path = (folder.Path() / "aisc14u.tbl").string();
    TestDesign design;
};

TEST_F(CatalogueCopyTest, EveryChangeOfTheFileIsSeenAtTheNextRead)
{
    ASSERT_EQ(Catalogue().size(), Catalogue("27.5").size());
    const struct
    {
        const char* change;
        std::function<void()> make;
        double area;
    } changes[] = {
        {"rewritten in place, same size", [&] { Write(Catalogue("27.5")); }, 27.5},
        {"rewritten in place, same size, modification time put back",
         [&] {
             const auto modified = fs::last_write_time(path);
             Write(Catalogue("27.5"));
             fs::last_write_time(path, modified);
         },
         27.5},
        {"replaced by rename", [&] { fs::rename(Write(Catalogue("27.5"), "fresh.tbl"), path); }, 27.5},
    };
    for (const auto& change : changes) {
        Write(Catalogue());
        Settle();
        EXPECT_EQ(AreaOfW14X90(), 26.5) << change.change;
        change.make();
        EXPECT_EQ(AreaOfW14X90(), change.area) << change.change;
    }
}

TEST_F(CatalogueCopyTest, RewritesWithinOneTickOfTheClockAreSeen)
{
    // No pause between a write and the reads around it: times that a coarse
    // clock leaves equal must not pass for the version read before.
    for (const char* area : {"26.5", "27.5", "26.5", "28.5"}) {
        Write(Catalogue(area));
        EXPECT_EQ(AreaOfW14X90(), std::stod(area));
    }
}

TEST_F(CatalogueCopyTest, RemovedFileIsAnUnknownSectionAndLeavesTheRecordAlone)
{
    Write(Catalogue());
    Settle();
    ASSERT_EQ(AreaOfW14X90(), 26.5);
    const mvSect_AISC before = design.Section;
    fs::remove(path);
    const MessageCapture messages;
    EXPECT_EQ(design.SetSection(L"w14x90"), -1);
    EXPECT_EQ(design.ShapeCode, -1);
    EXPECT_TRUE(SameRecord(design.Section, before));
    mvSect_AISC section = before;
    section.A = 1;
    EXPECT_EQ(design.GetSection(section, L"W14X90"), -1);
    EXPECT_EQ(section.A, 1);
    EXPECT_EQ(messages.Debug, (std::vector<std::string>{"Invalid section w14x90", "Invalid section W14X90"}));
    EXPECT_TRUE(messages.Boxes.empty());

    Write(Catalogue("27.5"));
    EXPECT_EQ(AreaOfW14X90(), 27.5);
    EXPECT_EQ(GetSectionName(design.Section), CString(L"W14X90"));
}

TEST_F(CatalogueCopyTest, AnotherExecutablePathReadsTheCatalogueThere)
{
    Write(Catalogue("27.5"));
    Write(Catalogue("28.5"), "other/aisc14u.tbl");
    Settle();
    const std::wstring other = (folder.Path() / "other").wstring();
    for (const auto& [folderName, area] : {std::pair{folder.Path().wstring(), 27.5}, std::pair{other, 28.5},
                                           std::pair{folder.Path().wstring(), 27.5}, std::pair{std::wstring(), 26.5}}) {
        SetExecutablePath(folderName.c_str());
        EXPECT_EQ(AreaOfW14X90(), area);  // an empty folder: the catalogue beside the test program
    }
}

// Root reads a file whatever its permissions: the read runs in a child
// process, which a root test process first makes the user "nobody" (65534).
TEST_F(CatalogueCopyTest, FileMadeUnreadableIsAnUnknownSection)
{
    Write(Catalogue());
    Settle();
    ASSERT_EQ(AreaOfW14X90(), 26.5);
    fs::permissions(path, fs::perms::none);
    const bool privileged = std::ifstream(path).is_open();
    const MessageCapture quiet;  // the child's notice of an invalid section
    const pid_t child = ::fork();
    if (child == 0) ::_exit(privileged && (::setgid(65534) != 0 || ::setuid(65534) != 0) ? 2 : AreaOfW14X90() == -1 ? 0 : 1);
    int status = -1;
    ::waitpid(child, &status, 0);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2)
        GTEST_SKIP() << "this process reads files without read permission and cannot become an unprivileged user";
    EXPECT_EQ(status, 0) << "the unreadable catalogue still gave W14X90";
    EXPECT_EQ(AreaOfW14X90(), 26.5);
}

TEST_F(CatalogueCopyTest, ReadersInSeveralThreadsSeeOneWholeVersionWhileTheFileIsReplaced)
{
    const std::string areas[] = {"26.5", "27.5"};
    mvSect_AISC versions[2];
    for (int i = 0; i < 2; ++i) {
        Write(Catalogue(areas[i]));
        ASSERT_EQ(design.GetSection(versions[i], L"W14X90"), kShapeW);
    }
    std::atomic<bool> replacing = true;
    std::atomic<int> torn = 0;
    std::vector<std::thread> readers;
    for (int thread = 0; thread < 4; ++thread) {
        readers.emplace_back([&] {
            TestDesign reader;
            for (int read = 0; read < 2000 || replacing; ++read) {
                const bool whole = reader.SetSection(read % 2 ? L"W14X90" : L"w14x90") == kShapeW &&
                                   (SameRecord(reader.Section, versions[0]) || SameRecord(reader.Section, versions[1]));
                torn += !whole;
            }
        });
    }
    for (int replacement = 0; replacement < 200; ++replacement) {
        fs::rename(Write(Catalogue(areas[replacement % 2]), "fresh.tbl"), path);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    replacing = false;
    for (std::thread& reader : readers) reader.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(AreaOfW14X90(), 27.5);  // the last replacement
}

} // namespace
