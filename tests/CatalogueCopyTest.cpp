// SetSection answers from a copy of the catalogue in memory, yet as if it read
// the file at every call, in one thread or several.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A catalogue of the one row W14X90, of area A = 26.5 as committed or another
// of the same width, so of the same size.
std::string Catalogue(const std::string& area = "26.5")
{
    const auto& rows = CommittedCatalogue().rows;
    std::string line =
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.name == "W14X90"; })->line;
    return line.replace(line.find("\t26.5\t"), 6, "\t" + area + "\t") + '\n';
}

// Waits until the file's last change lies more than a tick of the kernel's
// clock (10 ms at most) behind the next read, so that the copy that read makes
// answers later reads on the strength of a stat alone.
void Settle() { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }

class CatalogueCopyTest : public ::testing::Test
{
protected:
    void SetUp() override { SetExecutablePath(folder.Path().wstring().c_str()); }
    void TearDown() override { SetExecutablePath(nullptr); }

    std::string Write(const std::string& text, const char* name = "aisc14u.tbl") const
    {
        return folder.Write(name, text);
    }
    // A of W14X90 as SetSection reads it; the shape code -1 when it reads nothing.
    double AreaOfW14X90()
    {
        design.SetSection(L"W14X90");
        return design.ShapeCode == kShapeW ? design.Section.A : design.ShapeCode;
    }

    ScratchFolder folder{"catalogue-copy"};
    const std::string path = (folder.Path() / "aisc14u.tbl").string();
    TestDesign design;
};

TEST_F(CatalogueCopyTest, EveryChangeOfTheFileIsSeenAtTheNextRead)
{
    const struct
    {
        const char* change;
        std::function<void()> make;
        double area;
    } changes[] = {
        {"rewritten in place, same size", [&] { Write(Catalogue("27.5")); }, 27.5},
        {"rewritten in place, same size and modification time",
         [&] {
             const auto modified = fs::last_write_time(path);
             Write(Catalogue("27.5"));
             fs::last_write_time(path, modified);
         },
         27.5},
        {"replaced by rename", [&] { fs::rename(Write(Catalogue("27.5"), "fresh.tbl"), path); }, 27.5},
        {"removed", [&] { fs::remove(path); }, -1},
    };
    for (const auto& change : changes) {
        Write(Catalogue());
        Settle();
        ASSERT_EQ(AreaOfW14X90(), 26.5) << change.change;
        change.make();
        const MessageCapture messages;
        EXPECT_EQ(AreaOfW14X90(), change.area) << change.change;
        // A missing file: the shape code -1, the record as it was, and the file told missing (no name blamed).
        EXPECT_EQ(design.Section.A, change.area == -1 ? 26.5 : change.area) << change.change;
        EXPECT_TRUE(messages.Debug.empty()) << change.change;
        EXPECT_EQ(messages.Boxes.size(), change.area == -1 ? 1u : 0u) << change.change;
    }
    // Without a pause: times that a coarse clock leaves equal must not pass for the version read before.
    for (const char* area : {"26.5", "27.5", "26.5", "28.5"}) {
        Write(Catalogue(area));
        EXPECT_EQ(AreaOfW14X90(), std::stod(area));
    }
}

TEST_F(CatalogueCopyTest, OfRowsOfOneNameTheFirstWellFormedOneCountsAsForAScanOfAStream)
{
    std::string damaged = Catalogue();
    damaged.erase(damaged.rfind('\t')) += '\n';  // 97 numbers
    Write(damaged + Catalogue("27.5") + Catalogue());
    EXPECT_EQ(AreaOfW14X90(), 27.5);
}

TEST_F(CatalogueCopyTest, AnotherExecutablePathReadsTheCatalogueThere)
{
    Write(Catalogue("27.5"));
    Write(Catalogue("28.5"), "other/aisc14u.tbl");
    Settle();
    const std::wstring here = folder.Path().wstring(), other = (folder.Path() / "other").wstring();
    // An empty folder: the catalogue beside the test program.
    for (const auto& [where, area] : {std::pair{here, 27.5}, {other, 28.5}, {here, 27.5}, {std::wstring(), 26.5}}) {
        SetExecutablePath(where.c_str());
        EXPECT_EQ(AreaOfW14X90(), area);
    }
}

TEST_F(CatalogueCopyTest, FileMadeUnreadableIsAnUnknownSection)
{
    Write(Catalogue());
    Settle();
    ASSERT_EQ(AreaOfW14X90(), 26.5);
    const MessageCapture quiet;  // the child's notice of the unreadable file
    const std::optional<bool> held = CheckAsUnprivilegedUser(path, [this] { return AreaOfW14X90() == -1; });
    if (!held) GTEST_SKIP() << kNoUnprivilegedUser;
    EXPECT_TRUE(*held) << "the unreadable catalogue still gave W14X90";
}

TEST_F(CatalogueCopyTest, ReadersInSeveralThreadsSeeOneWholeVersionWhileTheFileIsReplaced)
{
    const char* areas[] = {"26.5", "27.5"};
    mvSect_AISC versions[2];
    for (int i = 0; i < 2; ++i) {
        Write(Catalogue(areas[i]));
        ASSERT_EQ(design.GetSection(versions[i], L"W14X90"), kShapeW);
    }
    const auto same = [](const mvSect_AISC& a, const mvSect_AISC& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    std::atomic<bool> replacing = true;
    std::atomic<int> torn = 0;
    std::vector<std::thread> readers;
    for (int thread = 0; thread < 4; ++thread) {
        readers.emplace_back([&] {
            TestDesign reader;
            for (int read = 0; read < 2000 || replacing; ++read)
                torn += reader.SetSection(L"w14x90") != kShapeW ||
                        !(same(reader.Section, versions[0]) || same(reader.Section, versions[1]));
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

// A pinned catalogue answers as it was when pinned, without looking at the
// file; pins nest, and once the last is gone reads follow the file again.
TEST_F(CatalogueCopyTest, APinnedCatalogueAnswersAsItWasUntilTheLastPinGoes)
{
    Write(Catalogue());
    Settle();
    ASSERT_EQ(AreaOfW14X90(), 26.5);
    {
        const CataloguePin pin;
        ASSERT_TRUE(pin.Pinned());
        Write(Catalogue("27.5"));
        EXPECT_EQ(AreaOfW14X90(), 26.5);
        {
            const CataloguePin inner;
            fs::remove(path);
            EXPECT_EQ(AreaOfW14X90(), 26.5);
        }
        double seen = 0;
        std::thread([&] { seen = AreaOfW14X90(); }).join();  // another thread sees the pinned version too
        EXPECT_EQ(seen, 26.5);
        Write(Catalogue("28.5"));
    }
    EXPECT_EQ(AreaOfW14X90(), 28.5);
    fs::remove(path);
    const MessageCapture quiet;
    const CataloguePin none;
    EXPECT_FALSE(none.Pinned());
    EXPECT_EQ(AreaOfW14X90(), -1);
}

// A member whose catalogue cannot be read is an ERROR that says so; its
// section is not called unknown, and the missing file is told once.
TEST_F(CatalogueCopyTest, AMemberWithoutItsCatalogueIsNotCalledUnknown)
{
    Write(Catalogue());
    ASSERT_EQ(AreaOfW14X90(), 26.5);
    fs::remove(path);
    const MessageCapture messages;
    CSteelDesignManager::ResetInstance();
    MemberRow row;
    row.Where = "row 2";
    SetText(row, InputColumnNamed("Section"), "W14X90");
    SetNumber(row, InputColumnNamed("Fy"), 50, "50");
    const MemberResult first = RunMember(row, false), second = RunMember(row, false);
    CSteelDesignManager::ResetInstance();  // the next test's manager reads its own catalogue
    for (const MemberResult& result : {first, second}) {
        EXPECT_EQ(result.Status, "ERROR");
        EXPECT_EQ(result.Message, "row 2, column Section: section \"W14X90\" not read: the catalogue " + path +
                                      " cannot be read");
    }
    EXPECT_EQ(messages.Boxes, std::vector<std::string>{"Error opening file " + path});
    EXPECT_TRUE(messages.Debug.empty());
}

// The first Instance() from many threads at once: one instance, loaded once,
// for all; then the factory and SetSection from the same threads at once, as
// RunMembers calls them, each object with the catalogue's row.
TEST(CatalogueThreads, FirstInstanceAndTheFactoryFromManyThreads)
{
    CSteelDesignManager::ResetInstance();
    constexpr int kThreads = 8;
    std::atomic<int> ready = 0;
    std::vector<CSteelDesignManager*> seen(kThreads);
    std::vector<int> wrong(kThreads);
    const wchar_t* names[] = {L"W14X90", L"C10X15.3", L"2L4X3X3/8LLBB", L"HSS8X4X1/2", L"Pipe8STD", L"WT7X26.5"};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (++ready; ready < kThreads;) std::this_thread::yield();
            CSteelDesignManager* manager = CSteelDesignManager::Instance();
            seen[t] = manager;
            for (int i = 0; i < 300; ++i) {
                const wchar_t* name = names[(t + i) % std::size(names)];
                mvSect_AISC expected;
                CAiscDesign* design = manager->CreateAiscDesign(name);
                const bool ok = design && manager->GetAiscSection(expected, name) &&
                                design->SetSection(name) >= 0 && design->GetSectionRecord().A == expected.A;
                wrong[t] += !ok;
                manager->DeleteAiscDesign(design);
            }
        });
    for (std::thread& thread : threads) thread.join();
    ASSERT_NE(seen[0], nullptr);
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(seen[t], seen[0]) << "thread " << t << " got another instance";
        EXPECT_EQ(wrong[t], 0) << "thread " << t;
    }
    EXPECT_EQ(CSteelDesignManager::Instance(), seen[0]);
}

} // namespace
