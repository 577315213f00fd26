// Bad input from end to end (docs/hostile-input.md): damaged and
// contradictory catalogues, member files cut short or holding control bytes,
// folders that cannot be written or are missing, and inputs a library host
// may pass that the command refuses. Nothing crashes, and nothing that was not
// computed as asked is called OK. What the tests of the readers, the command
// and the fuzz targets already cover is not repeated here.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "TestSupport.h"

namespace {

std::string Same(const std::string& number) { return number; }
std::string Negated(const std::string& number) { return number == "0" ? number : std::string("-").append(number); }
std::string Zero(const std::string&) { return "0"; }

// The committed catalogue's line of a name, each number's text passed
// through change, under another name when one is given.
std::string Row(const std::string& name, std::string (*change)(const std::string&) = Same,
                const std::string& newName = "")
{
    const auto& rows = CommittedCatalogue().rows;
    std::istringstream fields(std::ranges::find(rows, name, &CatalogueText::Row::name)->line);
    std::string field, line;
    for (int i = 0; std::getline(fields, field, '\t'); ++i) {
        if (i == 1 && !newName.empty()) field = newName;
        line.append(i ? "\t" : "").append(i >= 2 ? change(field) : field);
    }
    return line + '\n';
}

struct CommandCase
{
    const char* what;
    std::string catalogue;  // beside the command; the committed one when empty
    std::string members;    // m.csv
    std::string args;       // after "check --members m.csv"
    int status;
    std::string says;   // in standard output or error
    std::string never;  // in neither
};

} // namespace

// A copy of the command beside a catalogue of each case's own and without the
// Images folder, checking members written as a model would not write them.
TEST(HostileInputTest, TheCommandNeverCallsOkWhatItCouldNotCompute)
{
    const std::string head = CommittedCatalogue().head;
    const std::string member = "Id,Section,Fy,Pu,Mux,Lb\nB1,W14X90,50,-100,20,120\n";
    const CommandCase cases[] = {
        // Tension and a small moment: OK for the true W14X90 (PhiPn 0.9 * 50 * 26.5 = 1192.5 kips).
        {"the committed row", "", member, "--out -", 0, "B1,W14X90,0,1192.5,", ""},
        {"negative properties", head + Row("W14X90", Negated), member, "--out -", 1,
         "axial strength is negative", ",OK,"},
        {"zero properties", head + Row("W14X90", Zero), member, "--out -", 1, ",NG,", ",OK,"},
        // The index keeps the channel row (read last), the read by name the I-shape (first).
        {"one name in two families", head + Row("W14X90") + Row("C10X15.3", Same, "W14X90"), member,
         "--out -", 1, "is not one its design class checks", ",OK,"},
        {"garbage and truncated rows",
         head + "\x01\xff garbage\t\t\n" + Row("W14X90") + Row("W14X99").substr(0, 300),
         member + "B2,W14X99,50\n", "--out -", 2, "row 3, column Section: unknown section \"W14X99\"", ""},
        {"a 200-character section name", "", "Section\n" + std::string(200, 'W') + "\n", "--out -", 2,
         "unknown section \"" + std::string(200, 'W') + "\"", ""},
        // Pu 100 cut to 1, the rest of the row lost.
        {"a member file cut inside its last row", "", "Id,Section,Fy,Pu,Mux,Lb\nB1,W14X90,50,1", "--out -", 2,
         "row 2: the file ends inside this row", ",OK,"},
        {"control bytes for the terminal", "", "Id,Section,Fy\n\x1b[2J\x1b]0;x\x07,W14X90,50\n", "", 0, "?[2J?]0;x?",
         "\x1b"},
        {"no Images folder beside the command", "", member, "--report r.html", 0,
         "equation images that the report names are missing", ""},
    };
    for (const CommandCase& c : cases) {
        const ScratchFolder folder("hostile");
        const std::filesystem::path command = folder.Path() / "bin" / "zorsteel";
        std::filesystem::create_directories(command.parent_path());
        std::filesystem::copy_file(ZORSTEEL_CLI, command);
        folder.Write("bin/aisc14u.tbl", c.catalogue.empty() ? FileText(kCatalogueFile) : c.catalogue);
        folder.Write("m.csv", c.members);
        const std::string shell = "cd '" + folder.Path().string() + "' && bin/zorsteel check --members m.csv " +
                                  c.args + " >out.txt 2>&1 </dev/null";
        const int status = std::system(shell.c_str());
        const std::string out = FileText((folder.Path() / "out.txt").string());
        EXPECT_EQ(WEXITSTATUS(status), c.status) << c.what << "\n" << out;
        EXPECT_NE(out.find(c.says), std::string::npos) << c.what << "\n" << out;
        if (!c.never.empty()) {
            EXPECT_EQ(out.find(c.never), std::string::npos) << c.what << "\n" << out;
        }
    }
}

TEST(HostileInputTest, AFolderThatCannotBeWrittenStopsTheCommandBeforeAnyCheck)
{
    const ScratchFolder folder("hostile-read-only");
    folder.Write("m.csv", "Section,Fy\nW14X90,50\n");
    std::filesystem::create_directories(folder.Path() / "ro");
    for (const char* output : {"--out ro/r.csv", "--json ro/r.json", "--report ro/r.html"}) {
        const std::string shell = "cd '" + folder.Path().string() + "' && '" + ZORSTEEL_CLI +
                                  "' check --members m.csv " + output + " >/dev/null 2>&1";
        const std::optional<bool> stopped = CheckAsUnprivilegedUser(
            folder.Path() / "ro", [&] { return WEXITSTATUS(std::system(shell.c_str())) == 4; });
        if (!stopped) {
            std::filesystem::permissions(folder.Path() / "ro", std::filesystem::perms::owner_all);
            GTEST_SKIP() << kNoUnprivilegedUser;
        }
        EXPECT_TRUE(*stopped) << output;
    }
    std::filesystem::permissions(folder.Path() / "ro", std::filesystem::perms::owner_all);
}

// Inputs a host of the library (the Python module) may pass where the
// command would refuse them: each turns a member that is OK into NG, the
// message naming the input.
TEST(HostileInputTest, InputsOutOfRangeOrNotFiniteAreNeverOk)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    struct Input
    {
        const char* name;
        double value;
        void (*set)(CAiscDesign&, double);
    } inputs[] = {
        {"Pu", nan, [](CAiscDesign& d, double v) { d.SetLoads(v, 4, 1, 0.85, 0.85, 5, 2); }},
        {"Cmx", nan, [](CAiscDesign& d, double v) { d.SetLoads(10, 4, 1, v, 0.85, 5, 2); }},
        {"Vuy", inf, [](CAiscDesign& d, double v) { d.SetLoads(10, 4, 1, 0.85, 0.85, 5, v); }},
        {"Fy", -50, [](CAiscDesign& d, double v) { d.SetMaterial(v); }},
        {"Cb", 0, [](CAiscDesign& d, double v) { d.SetLateralTorsionalProperty(v, 120); }},
        {"Cb", nan, [](CAiscDesign& d, double v) { d.SetLateralTorsionalProperty(v, 120); }},
        // Taken as braced (Lb below Lp), or its F2-4 stress 0 * infinity and min(NaN, Mp) = Mp.
        {"Lb", -300, [](CAiscDesign& d, double v) { d.SetLateralTorsionalProperty(1, v); }},
        {"Lb", inf, [](CAiscDesign& d, double v) { d.SetLateralTorsionalProperty(1, v); }},
        {"Kx", -1, [](CAiscDesign& d, double v) { d.SetColumnSlenderness(v, 1, 120, 120); }},
        {"Lx", nan, [](CAiscDesign& d, double v) { d.SetColumnSlenderness(1, 1, v, 120); }},
        {"Lz", -120, [](CAiscDesign& d, double v) { d.SetColumnSlenderness_Torsional(1, v); }},
        {"ConnectorDistance", nan, [](CAiscDesign& d, double v) { d.SetDoubleAngleConnnectorDistance(v); }},
    };
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    for (const wchar_t* section : {L"W14X90", L"C10X15.3", L"HSS8X4X1/2", L"Pipe8STD", L"2L4X3X3/8LLBB"}) {
        for (const Input& input : inputs) {
            CAiscDesign* design = catalogue->CreateAiscDesign(section);
            ASSERT_NE(design, nullptr);
            design->SetPrint(false);
            design->SetMaterial(50);
            design->SetLoads(10, 4, 1, 0.85, 0.85, 5, 2);
            design->SetColumnSlenderness(1, 1, 120, 120);
            design->SetColumnSlenderness_Torsional(1, 120);
            design->SetLateralTorsionalProperty(1, 120);
            design->Calculate();
            ASSERT_EQ(JudgeMember(*design).Status, MemberStatus::OK) << section;  // before the bad input
            input.set(*design, input.value);
            design->Calculate();
            const MemberVerdict verdict = JudgeMember(*design);
            EXPECT_EQ(verdict.Status, MemberStatus::NG) << input.name << " " << input.value;
            EXPECT_EQ(verdict.Message.find(input.name), 0u) << input.name << ": " << verdict.Message;
            catalogue->DeleteAiscDesign(design);
        }
    }
}
