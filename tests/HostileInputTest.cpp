// Bad input from end to end (docs/hostile-input.md) where the readers', the
// command's and the verdict's own tests and the fuzz targets do not reach:
// nothing that was not computed as asked is called OK.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "TestSupport.h"

namespace {

std::string Negated(const std::string& number) { return number == "0" ? number : std::string("-").append(number); }
std::string Zero(const std::string&) { return "0"; }

// The committed catalogue's line of a name, each number's text passed
// through change when one is given, under another name when one is given.
std::string Row(const std::string& name, std::string (*change)(const std::string&) = nullptr,
                const std::string& newName = "")
{
    const auto& rows = CommittedCatalogue().rows;
    std::istringstream fields(std::ranges::find(rows, name, &CatalogueText::Row::name)->line);
    std::string field, line;
    for (int i = 0; std::getline(fields, field, '\t'); ++i) {
        if (i == 1 && !newName.empty()) field = newName;
        line.append(i ? "\t" : "").append(i >= 2 && change ? change(field) : field);
    }
    return line + '\n';
}

} // namespace

// A copy of the command beside a catalogue of each case's own and without the
// Images folder, run as an unprivileged user (root writes anywhere).
TEST(HostileInputTest, TheCommandNeverCallsOkWhatItCouldNotCompute)
{
    const std::string head = CommittedCatalogue().head;
    const std::string member = "Id,Section,Fy,Pu,Mux,Lb\nB1,W14X90,50,-100,20,120\n";  // OK for the true W14X90
    const struct
    {
        const char* what;
        std::string catalogue, members, args;  // no catalogue: the committed one
        int status;
        std::string says, never;  // in standard output or error; in neither
    } cases[] = {
        {"negative properties", head + Row("W14X90", Negated), member, "--out -", 1, "axial strength is negative",
         ",OK,"},
        {"zero properties", head + Row("W14X90", Zero), member, "--out -", 1, ",NG,", ",OK,"},
        // The index keeps the channel row (read last), the read by name the I-shape (first).
        {"one name in two families", head + Row("W14X90") + Row("C10X15.3", nullptr, "W14X90"), member, "--out -", 1,
         "is not one its design class checks", ",OK,"},
        {"a 200-character section name", "", "Section\n" + std::string(200, 'W') + "\n", "--out -", 2,
         "unknown section \"" + std::string(200, 'W') + "\"", ""},
        // Pu 100 cut to 1, the rest of the row lost.
        {"a member file cut inside its last row", "", "Id,Section,Fy,Pu,Mux,Lb\nB1,W14X90,50,1", "--out -", 2,
         "row 2: the file ends inside this row", ",OK,"},
        {"control bytes for the terminal", "", "Id,Section,Fy\n\x1b[2J\x1b]0;x\x07,W14X90,50\n", "", 0, "?[2J?]0;x?",
         "\x1b"},
        {"no Images folder", "", member, "--report r.html", 0, "equation images that the report names are missing", ""},
        {"a read-only output folder", "", member, "--out ro/r.csv", 4, "cannot write ro/r.csv", "B1"},
    };
    const std::string as = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    for (const auto& c : cases) {
        const ScratchFolder folder("hostile");
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
        std::filesystem::create_directories(folder.Path() / "bin");
        std::filesystem::create_directory(folder.Path() / "ro");
        std::filesystem::permissions(folder.Path() / "ro", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        std::filesystem::copy_file(ZORSTEEL_CLI, folder.Path() / "bin" / "zorsteel");
        folder.Write("bin/aisc14u.tbl", c.catalogue.empty() ? FileText(kCatalogueFile) : c.catalogue);
        folder.Write("m.csv", c.members);
        const std::string shell = "cd '" + folder.Path().string() + "' && " + as + "bin/zorsteel check --members m.csv " +
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

// Inputs a host of the library (the Python module) may pass where the
// command refuses them: each turns a member that is OK into NG, the message
// naming the input first.
TEST(HostileInputTest, InputsOutOfRangeOrNotFiniteAreNeverOk)
{
    struct Inputs
    {
        double pu = 10, cmx = 0.85, vuy = 2, fy = 50, cb = 1, lb = 120, kx = 1, lx = 120, lz = 120, a = 0;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct
    {
        const char* name;
        double Inputs::*input;
        double value;
    } bad[] = {
        {"Pu", &Inputs::pu, nan},  {"Cmx", &Inputs::cmx, nan}, {"Vuy", &Inputs::vuy, inf}, {"Fy", &Inputs::fy, -50},
        {"Cb", &Inputs::cb, 0},    {"Cb", &Inputs::cb, nan},   {"Lb", &Inputs::lb, -300},  {"Lb", &Inputs::lb, inf},
        {"Kx", &Inputs::kx, -1},   {"Lx", &Inputs::lx, nan},   {"Lz", &Inputs::lz, -120},
        {"ConnectorDistance", &Inputs::a, nan},
    };
    // A negative Lb reads as braced; an infinite one makes F2-4 0 * infinity, and min(NaN, Mp) is Mp.
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    for (const wchar_t* section : {L"W14X90", L"C10X15.3", L"HSS8X4X1/2", L"Pipe8STD", L"2L4X3X3/8LLBB"}) {
        for (const auto& b : bad) {
            const auto verdict = [&](const Inputs& in) {
                CAiscDesign* design = catalogue->CreateAiscDesign(section);
                design->SetPrint(false);
                design->SetLoads(in.pu, 4, 1, in.cmx, 0.85, 5, in.vuy);
                design->SetMaterial(in.fy);
                design->SetLateralTorsionalProperty(in.cb, in.lb);
                design->SetColumnSlenderness(in.kx, 1, in.lx, 120);
                design->SetColumnSlenderness_Torsional(1, in.lz);
                design->SetDoubleAngleConnnectorDistance(in.a);
                design->Calculate();
                const MemberVerdict judged = JudgeMember(*design);
                catalogue->DeleteAiscDesign(design);
                return judged;
            };
            Inputs inputs;
            ASSERT_EQ(verdict(inputs).Status, MemberStatus::OK) << section;
            inputs.*b.input = b.value;
            const MemberVerdict judged = verdict(inputs);
            EXPECT_EQ(judged.Status, MemberStatus::NG) << b.name << " " << b.value;
            EXPECT_EQ(judged.Message.find(b.name), 0u) << b.name << ": " << judged.Message;
        }
    }
}
