// The zorsteel command as a user runs it: the built binary spawned in a
// scratch folder. The numbers are the library's (tested there); here the
// command must pass inputs and results through unchanged, so each is compared
// bit for bit with the library called directly on the same inputs.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <tuple>
#include <sys/wait.h>

#include <nlohmann/json.hpp>

#include "Csv.h"
#include "TestSupport.h"

using zorsteel::cli::CsvReader;

namespace {

struct CommandRun
{
    int status;
    std::string out, err;
};

CommandRun Zorsteel(const ScratchFolder& folder, const std::string& args, const std::string& program = ZORSTEEL_CLI)
{
    const std::string command = "cd '" + folder.Path().string() + "' && '" + program + "' " + args +
                                " >stdout.txt 2>stderr.txt </dev/null";
    const int raw = std::system(command.c_str());
    return {WEXITSTATUS(raw), FileText((folder.Path() / "stdout.txt").string()),
            FileText((folder.Path() / "stderr.txt").string())};
}

std::string Negated(const std::string& number) { return number == "0" ? number : std::string("-").append(number); }

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

using Records = std::vector<std::vector<std::string>>;

Records ReadCsv(const std::string& text)
{
    std::istringstream in(text);
    CsvReader reader(in);
    Records records;
    for (std::vector<std::string> fields; reader.Next(fields);) records.push_back(fields);
    return records;
}

// A number cell read back as written; "nan" and "inf" too.
double Number(const std::string& cell)
{
    double value = -12345;
    std::from_chars(cell.data(), cell.data() + cell.size(), value);
    return value;
}

bool Same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

const std::pair<const char*, double (CAiscDesign::*)() const> kNumbers[] = {
    {"PhiPn", &CAiscDesign::GetPhiPn},
    {"PhiMnx", &CAiscDesign::GetPhiMnx},
    {"PhiMny", &CAiscDesign::GetPhiMny},
    {"PhiVnx", &CAiscDesign::GetPhiVnx},
    {"PhiVny", &CAiscDesign::GetPhiVny},
    {"B1x", &CAiscDesign::GetB1x},
    {"B1y", &CAiscDesign::GetB1y},
    {"InteractionRatio", &CAiscDesign::GetInteractionRatio},
    {"VxRatio", &CAiscDesign::GetVxRatio},
    {"VyRatio", &CAiscDesign::GetVyRatio},
    {"CriticalRatio", &CAiscDesign::GetCriticalRatio},
};

// The library's own check of a member: the section and the setters a host
// would call for the row, and the notes the command adds to the verdict's
// words for what the row left out.
struct Reference
{
    const wchar_t* section;
    std::function<void(CAiscDesign&)> inputs;
    std::string notes = {};
};

// Every result cell of a CSV record (under header) and of its JSON object
// against the library's check.
void ExpectPassedThrough(const std::vector<std::string>& header, const std::vector<std::string>& record,
                         const nlohmann::json& object, const Reference& reference, const std::string& what)
{
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    CAiscDesign* design = catalogue->CreateAiscDesign(reference.section);
    ASSERT_NE(design, nullptr) << what;
    design->SetPrint(false);
    reference.inputs(*design);
    design->Calculate();
    auto cell = [&](const std::string& name) { return record.at(std::ranges::find(header, name) - header.begin()); };
    for (const auto& [name, getter] : kNumbers) {
        const double expected = (design->*getter)();
        EXPECT_TRUE(Same(Number(cell(name)), expected)) << what << " " << name << " " << cell(name);
        const double fromJson = object[name].is_string() ? Number(object[name]) : object[name].get<double>();
        EXPECT_TRUE(Same(fromJson, expected)) << what << " JSON " << name;
    }
    // The deflection ratios: the library's, or empty (null) where the check does not run.
    for (const auto& [name, getter] : {std::pair{"TotalDeflectionRatio", &CAiscDesign::GetTotalDeflectionRatio},
                                       std::pair{"LiveDeflectionRatio", &CAiscDesign::GetLiveDeflectionRatio}}) {
        if (design->ChecksDeflection()) {
            EXPECT_TRUE(Same(Number(cell(name)), (design->*getter)())) << what << " " << name;
        } else {
            EXPECT_EQ(cell(name), "") << what;
            EXPECT_TRUE(object[name].is_null()) << what;
        }
    }
    const MemberVerdict verdict = JudgeMember(*design);
    EXPECT_EQ(cell("ErrorCode"), std::to_string(design->GetErrorCode())) << what;
    EXPECT_EQ(cell("ShapeCode"), std::to_string(design->GetShapeCode())) << what;
    EXPECT_EQ(cell("Status"), StatusText(verdict.Status)) << what;
    EXPECT_EQ(cell("Message"), verdict.Message + (verdict.Message.empty() || reference.notes.empty() ? "" : "; ") +
                                   reference.notes)
        << what;
    EXPECT_EQ(object["Status"], cell("Status")) << what;
    EXPECT_EQ(object["Message"], cell("Message")) << what;

    // What governs: the check, each axial and flexural limit state as "Name (Equation)", and in
    // the JSON every limit state with exactly the five keys.
    const LimitStates states = design->GetLimitStates();
    EXPECT_EQ(cell("Governing"), GoverningCheckText(states.Check)) << what;
    EXPECT_EQ(object["Governing"], cell("Governing")) << what;
    for (const Strength quantity : {Strength::Pn, Strength::Mnx, Strength::Mny}) {
        const std::string column = StrengthText(quantity) + std::string("LimitState");
        const LimitState* governing = states.Governing(quantity);
        ASSERT_NE(governing, nullptr) << what << " " << column;
        EXPECT_EQ(cell(column), std::string(governing->Name) + " (" + governing->Equation + ")") << what;
        EXPECT_EQ(object[column], cell(column)) << what;
    }
    const nlohmann::json& list = object["LimitStates"];
    ASSERT_EQ(list.size(), states.Count) << what;
    for (std::size_t i = 0; i < states.Count; ++i) {
        const LimitState& entry = states.Entries[i];
        const nlohmann::json& item = list[i];
        EXPECT_EQ(item.size(), 5u) << what;
        EXPECT_EQ(item["Quantity"], StrengthText(entry.Quantity)) << what;
        EXPECT_EQ(item["Name"], entry.Name) << what;
        EXPECT_EQ(item["Equation"], entry.Equation) << what;
        const double nominal = item["Nominal"].is_string() ? Number(item["Nominal"]) : item["Nominal"].get<double>();
        EXPECT_TRUE(Same(nominal, entry.Nominal)) << what << " " << entry.Name;
        EXPECT_EQ(item["Governs"], entry.Governs) << what;
    }
    catalogue->DeleteAiscDesign(design);
}

const std::string kResultHeader = "Id,Combo,Section,ShapeCode,PhiPn,PhiMnx,PhiMny,PhiVnx,PhiVny,B1x,B1y,"
                                  "InteractionRatio,VxRatio,VyRatio,CriticalRatio,ErrorCode,Status,Message,"
                                  "Governing,PnLimitState,MnxLimitState,MnyLimitState,TotalDeflectionRatio,"
                                  "LiveDeflectionRatio,Rules,Edition";

} // namespace

TEST(CommandTest, MemberFilePassesInputsAndResultsThrough)
{
    const ScratchFolder folder("command-contract");
    // Columns in an order of their own; a quoted Id holding a comma; blank
    // fields and left-out columns keeping the design object's defaults;
    // numbers and booleans in several spellings.
    folder.Write("members.csv",
                 "Section,Fy,Id,Combo,Pu,Mux,Muy,Cmx,Cmy,Vux,Vuy,Cb,Lb,Kx,Ky,Lx,Ly,Kz,Lz,ConnectorDistance,"
                 "DirectAnalysis,ConsiderB1,TotalDeflectionDenominator,LiveDeflectionDenominator,TotalDy,LiveDy,L,"
                 "DeflectionAdjustmentRatio,AnalysisSectionName,AnalysisSectionIx\r\n"
                 "w14x90,50,\"C-1, level 2\",1.2D+1.6L,420,95,12,0.6,0.85,12,2,1.14,168,1.2,0.8,168,144,1,168,0,"
                 "false,0,240,360,0.3,0.2,168,1.1,W14X82,881\r\n"
                 "C10X15.3,36,G-1,wind,20,10,,,,,,,120,,,120,120,,120\r\n"
                 "HSS8X4X1/2, 5e1 ,T-1,,-2.5E1,+0.1,0.3,,,,,,,,,,,,,,TRUE,1\r\n"
                 "L4X4X1/4,36,A-1,,5,,,,,,,,,1,1,48,600\r\n"
                 "C10X15.3,36,G-2,,10,,,,,,,,,,,120,120\r\n"
                 // Deflections analysed with W14X82: the ratio is its Ix over W14X90's, 881 / 999.
                 "W14X90,50,D-1,,,,,,,,,,0,,,,,,,,,,240,360,0.9,0.7,240,,W14X82,881\r\n");
    const CommandRun run =
        Zorsteel(folder, "check --members members.csv --rules classic --out results.csv --json results.json");
    EXPECT_EQ(run.status, 1) << run.err;  // A-1 and G-2 are NG
    const std::string csv = FileText((folder.Path() / "results.csv").string());
    EXPECT_EQ(csv.substr(0, csv.find('\n')), kResultHeader);
    const Records records = ReadCsv(csv);
    const nlohmann::json json = nlohmann::json::parse(FileText((folder.Path() / "results.json").string()));
    const Reference references[] = {
        {L"W14X90",
         [](CAiscDesign& d) {
             d.SetGeneralParameters(false, false);
             d.SetLoads(420, 95, 12, 0.6, 0.85, 12, 2);
             d.SetMaterial(50);
             d.SetLateralTorsionalProperty(1.14, 168);
             d.SetColumnSlenderness(1.2, 0.8, 168, 144);
             d.SetColumnSlenderness_Torsional(1, 168);
             d.SetDeflectionParameters(240, 360, 0.3, 0.2, 168);
             d.SetDeflectionAdjustmentRatio(1.1, L"W14X82", 881);
         }},
        // Left out: Cmx = Cmy = Cb = Kx = Ky = Kz = 1 and both options true, as a new object has them.
        {L"C10X15.3",
         [](CAiscDesign& d) {
             d.SetMaterial(36);
             d.SetLoads(20, 10, 0, 1, 1, 0, 0);
             d.SetLateralTorsionalProperty(1, 120);
             d.SetColumnSlenderness(1, 1, 120, 120);
             d.SetColumnSlenderness_Torsional(1, 120);
         }},
        {L"HSS8X4X1/2",
         [](CAiscDesign& d) {
             d.SetMaterial(50);
             d.SetLoads(-25, 0.1, 0.3, 1, 1, 0, 0);
         },
         "Lb not given: taken as 0, continuously braced"},
        {L"L4X4X1/4",
         [](CAiscDesign& d) {
             d.SetMaterial(36);
             d.SetLoads(5, 0, 0, 1, 1, 0, 0);
             d.SetColumnSlenderness(1, 1, 48, 600);
         }},
        // No Lz: the E4 strength, and so PhiPn and the interaction, are not numbers.
        {L"C10X15.3",
         [](CAiscDesign& d) {
             d.SetMaterial(36);
             d.SetLoads(10, 0, 0, 1, 1, 0, 0);
             d.SetColumnSlenderness(1, 1, 120, 120);
         }},
        {L"W14X90",
         [](CAiscDesign& d) {
             d.SetMaterial(50);
             d.SetDeflectionParameters(240, 360, 0.9, 0.7, 240);
             d.SetDeflectionAdjustmentRatio(881.0 / 999.0, L"W14X82", 881);
         },
         "deflections scaled by AnalysisSectionIx / Ix = 881 / 999 = 0.8819"},
    };
    ASSERT_EQ(records.size(), 1 + std::size(references));
    ASSERT_EQ(json["members"].size(), std::size(references));
    for (std::size_t i = 0; i < std::size(references); ++i)
        ExpectPassedThrough(records[0], records[i + 1], json["members"][i], references[i], records[i + 1][0]);
    EXPECT_EQ(records[1][0], "C-1, level 2");
    EXPECT_EQ(records[1][2], "w14x90");  // as given
    EXPECT_EQ(records[3][1], "");        // no combination given
    EXPECT_EQ(records[4][16], "NG");     // ErrorCode 4
    EXPECT_EQ(json["members"][4]["PhiPn"], "nan");
}

TEST(CommandTest, RulesAndEditionHaveTheirDefaultsAndEveryOutputSaysWhich)
{
    // docs/aisc-departures.md, entry 1: a bolted L4X4X1/4 tie, checked for rupture (D2-2) by full rules and 360-22.
    const ScratchFolder folder("command-rules");
    folder.Write("m.csv", "Id,Section,Fy,Pu,NetAreaRatio,ShearLagU\nT,L4X4X1/4,36,-10,0.88653,0.64\n");
    for (const auto& [option, rules, edition, pn] :
         {std::tuple{"check", "full", "360-10", "Tensile rupture"},
          std::tuple{"check --rules classic", "classic", "360-10", "Tensile yielding"},
          std::tuple{"check --edition 360-10 --rules full", "full", "360-10", "Tensile rupture"},
          std::tuple{"check --edition 360-22", "full", "360-22", "Tensile rupture"},
          std::tuple{"select --candidates L4X4X1/4 --edition 360-22", "full", "360-22", "Tensile rupture"}}) {
        const CommandRun run =
            Zorsteel(folder, std::string(option) + " --members m.csv --out r.csv --json r.json --report r.html");
        EXPECT_EQ(run.status, 0) << run.err;
        const Records records = ReadCsv(FileText((folder.Path() / "r.csv").string()));
        ASSERT_EQ(records.size(), 2u);
        const nlohmann::json json = nlohmann::json::parse(FileText((folder.Path() / "r.json").string()));
        const nlohmann::json& member = json["members"][0];
        const std::size_t at = records[0].size() - 2; // Rules, then Edition, last
        EXPECT_EQ((std::vector<std::string>{records[0][at], records[0][at + 1], records[1][at], records[1][at + 1],
                                            json["Rules"], json["Edition"], member["Rules"], member["Edition"]}),
                  (std::vector<std::string>{"Rules", "Edition", rules, edition, rules, edition, rules, edition}))
            << option;
        EXPECT_TRUE(member["PnLimitState"].get<std::string>().starts_with(pn)) << option;
        const std::string page = FileText((folder.Path() / "r.html").string()), by = std::string("AISC ") + edition;
        for (const std::string& piece : {"Member checks by " + by + " (LRFD), " + rules + " rules &middot;",
                                         "T, L4X4X1/4 - using " + by + " LRFD Method"})
            EXPECT_NE(page.find(piece), std::string::npos) << option << ": " << piece;
        EXPECT_NE(run.out.find("1 member (1 row) by " + by + ", " + rules + " rules: 1 OK"), std::string::npos)
            << run.out;
    }
    // A bad name, and classic rules under 360-22 (which runs the full check), are usage errors.
    const char* const conflict = "--rules classic does not go with --edition 360-22: AISC 360-22 runs the full check";
    for (const auto& [option, says] :
         {std::pair{"check --rules strict", "--rules"}, std::pair{"check --edition 2022", "--edition"},
          std::pair{"check --rules classic --edition 360-22", conflict},
          std::pair{"select --candidates L4X4X1/4 --edition 360-22 --rules classic", conflict}}) {
        const CommandRun run = Zorsteel(folder, std::string(option) + " --members m.csv");
        EXPECT_EQ(run.status, 3) << option;
        EXPECT_NE(run.err.find(says), std::string::npos) << option << ": " << run.err;
    }
    EXPECT_NE(
        Zorsteel(folder, "check --help").out.find("360-10 (the default) or 360-22: AISC 360-22 runs the full check"),
        std::string::npos);
}

TEST(CommandTest, SingleMemberFromOptions)
{
    const ScratchFolder folder("command-single");
    const std::string args = "check W14X90 --Fy 50 --Pu 400 --Mux 180 --Lx 180 --Ly 180 --Lb 180 --Id C1 "
                             "--Combo 1.2D+1.6L --DirectAnalysis false --Cb 1.3";
    const CommandRun csv = Zorsteel(folder, args + " --out - --json out.json");
    EXPECT_EQ(csv.status, 0) << csv.err;
    const Records records = ReadCsv(csv.out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1][0], "C1");
    EXPECT_EQ(records[1][1], "1.2D+1.6L");
    const nlohmann::json json = nlohmann::json::parse(FileText((folder.Path() / "out.json").string()));
    ExpectPassedThrough(records[0], records[1], json["members"][0], {L"W14X90", [](CAiscDesign& d) {
                                                                         d.SetGeneralParameters(false, true);
                                                                         d.SetMaterial(50);
                                                                         d.SetLoads(400, 180, 0, 1, 1, 0, 0);
                                                                         d.SetLateralTorsionalProperty(1.3, 180);
                                                                         d.SetColumnSlenderness(1, 1, 180, 180);
                                                                     }},
                        "options");
    // --json without a file makes --out a JSON array of the same objects.
    const CommandRun array = Zorsteel(folder, args + " --json --out -");
    EXPECT_EQ(array.status, 0) << array.err;
    EXPECT_EQ(nlohmann::json::parse(array.out), nlohmann::json::array({json["members"][0]}));
    // Without an output file the results are a table on the terminal.
    const CommandRun table = Zorsteel(folder, args);
    EXPECT_EQ(table.out.substr(0, table.out.find('\n')).find("Id  Combo"), 0u) << table.out;
    EXPECT_NE(table.out.find("\nC1  1.2D+1.6L  W14X90"), std::string::npos) << table.out;
    EXPECT_EQ(table.out.find("\033["), std::string::npos);  // no colour off a terminal
}

// Bad input from the command line, the member file or the catalogue: one line
// on standard error naming what is wrong, the exit status, and nothing that
// was not computed as asked called OK. A case with a catalogue of its own
// runs a copy of the command beside it (and without Images/); every case runs
// as an unprivileged user when the test is root, so that a read-only folder is
// one.
TEST(CommandTest, BadInputIsToldAndNothingUncomputedIsOk)
{
    const std::string header = "Id,Section,Fy,Pu,Lx,DirectAnalysis\n";
    const std::string head = CommittedCatalogue().head;
    const std::string member = "Id,Section,Fy,Pu,Mux,Lb\nB1,W14X90,50,-100,20,120\n";  // OK for the true W14X90
    struct Case
    {
        const char* what;
        std::string members;  // the member file, or empty
        std::string args;
        int status;
        std::string says;            // in standard output or error; "{folder}" stands for the case's folder
        std::string catalogue = {};  // beside a copy of the command ("none": no file); empty: the build's command
        std::string never = {};      // in neither
    } cases[] = {
        {"unknown section", header + "A,W14X9O,50,10\n", "", 2,
         "m.csv, row 2, column Section: \"W14X9O\" is not in the catalogue; did you mean W14X90?"},
        {"a UTF-16 file", std::string("\xFF\xFEI\0d\0,\0S\0", 10), "", 4,
         "m.csv is UTF-16 text: save it as UTF-8"},
        {"a decimal comma", "Id;Section;Fy;Cmx\nA;W14X90;50;0,85\n", "", 2,
         "m.csv, row 2, column Cmx: \"0,85\" is not a number (write the decimal point as \".\")"},
        {"a unit in a column's name", "Id,Section,Fy,Lb (in)\nA,W14X90,50,120\n", "", 4,
         "m.csv, row 1, column 4: \"Lb (in)\" has a unit in its name: name the column Lb alone"},
        {"a value under a column without a name", "Id,Section,Fy,\nA,W14X90,50,120\n", "--out -", 2,
         "m.csv, row 2, column 4: \"120\" is in a column without a name in the header", "", ",OK,"},
        {"text for a number", header + "A,W14X90,abc,10\n", "", 2, "m.csv, row 2, column Fy: \"abc\" is not a number"},
        {"NaN", header + "A,W14X90,50,nan\n", "", 2, "m.csv, row 2, column Pu: \"nan\" is not a finite number"},
        {"infinity", header + "A,W14X90,50,-inf\n", "", 2, "m.csv, row 2, column Pu: \"-inf\" is not a finite number"},
        {"Fy not above 0", header + "A,W14X90,0,10\n", "", 2, "m.csv, row 2, column Fy: must be above 0, not 0"},
        {"negative length", header + "A,W14X90,50,10,-5\n", "", 2, "m.csv, row 2, column Lx: must not be negative"},
        {"bad boolean", header + "A,W14X90,50,10,5,yes\n", "", 2,
         "m.csv, row 2, column DirectAnalysis: \"yes\" is not 1, 0, true or false"},
        {"unknown column", "Id,Section,Fz\nA,W14X90,65\n", "", 4, "m.csv, row 1, column 3: unknown column \"Fz\""},
        {"no member file", "", "check --members none.csv", 4, "cannot read the member file none.csv"},
        {"option not a number", "", "check W14X90 --Fy 5O", 2, "command line, option --Fy: \"5O\" is not a number"},
        {"a read-only output folder", member, "--out ro/r.csv", 4, "cannot write ro/r.csv", "", "B1"},
        {"report folder missing", header + "A,W14X90,50,10\n", "--out r.csv --report no/such/report.html", 4,
         "the report folder no/such does not exist"},
        {"section and member file", header, "check W14X90 --members m.csv", 3, "either a section"},
        {"unknown option", "", "check W14X90 --Fz 50", 3, "--Fz"},
        {"negative properties", member, "--out -", 1, "axial strength is negative", head + Row("W14X90", Negated),
         ",OK,"},
        {"zero properties", member, "--out -", 1, ",NG,",
         head + Row("W14X90", [](const std::string&) { return std::string("0"); }), ",OK,"},
        // The index keeps the channel row (read last), the read by name the I-shape (first).
        {"one name in two families", member, "--out -", 1, "is not one its design class checks",
         head + Row("W14X90") + Row("C10X15.3", nullptr, "W14X90"), ",OK,"},
        {"a 200-character section name", "Section,Fy\n" + std::string(200, 'W') + ",50\n", "--out -", 2,
         "\"" + std::string(200, 'W') + "\" is not in the catalogue"},
        // The design object's Fy of 0 would make the row NG, not unchecked.
        {"no Fy", "Id,Section,Pu\nA,W14X90,10\n", "--out -", 2,
         "m.csv, row 2, column Fy: not given (there is no default)"},
        {"no Fy for a single member", "", "check W14X90 --Pu 10", 2, "command line, option --Fy: not given"},
        // AnalysisSectionIx / Ix would be 0 and erase the deflections.
        {"AnalysisSectionIx 0 for the deflection ratio", "Id,Section,Fy,AnalysisSectionIx\nA,W14X90,50,0\n", "--out -", 2,
         "m.csv, row 2, column AnalysisSectionIx: must be above 0 to scale the deflections"},
        {"one Id, two sections", "Id,Combo,Section,Fy,Mux\nB1,D,W18X35,50,100\nB1,L,w18x35,50,100\nB1,W,W24X68,50,100\n",
         "--out -", 2, "m.csv, row 4, column Section: member B1 is given the sections W18X35 and W24X68", "", ",OK,"},
        {"a member file that is a folder", "", "check --members ro", 4,
         "cannot read the member file ro: it is a directory, not a file"},
        {"a device as the member file", "", "check --members /dev/null", 4,
         "cannot read the member file /dev/null: it is a device, not a file"},
        // No output may overwrite the member file (by a link too) or another output: told before anything is written.
        {"--out onto the member file", member, "--out m.csv", 3, "--out m.csv is the member file m.csv"},
        {"--json through a link to the member file", member, "--json link.csv", 3,
         "--json link.csv is the member file m.csv"},
        {"--report onto --out", member, "--out r.csv --report r.csv", 3,
         "--report r.csv is the same file as --out r.csv"},
        {"--pdf onto the --report page", member, "--report r.html --pdf r.html", 3,
         "--pdf r.html is the same file as --report r.html"},
        {"--write-members through a link to the member file", member,
         "select --members m.csv --candidates W14 --write-members link.csv", 3,
         "--write-members link.csv is the member file m.csv"},
        // Pu 100 cut to 1, the rest of the row lost.
        {"a member file cut inside its last row", "Id,Section,Fy,Pu,Mux,Lb\nB1,W14X90,50,1", "--out -", 2,
         "row 2: the file ends inside this row", "", ",OK,"},
        {"control bytes for the terminal", "Id,Section,Fy\n\x1b[2J\x1b]0;x\x07,W14X90,50\n", "", 0, "?[2J?]0;x?", "",
         "\x1b"},
        {"no Images folder", member, "--report r.html", 0, "equation images that the report names are missing",
         FileText(kCatalogueFile)},
        {"no catalogue", "", "check W14X90 --Fy 50", 4,
         "zorsteel: Error opening file {folder}/bin/aisc14u.tbl (also looked for {folder}/share/zorsteel/aisc14u.tbl)",
         "none"},
    };
    const std::string as = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    for (const Case& c : cases) {
        const ScratchFolder folder("command-bad");
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
        std::filesystem::create_directory(folder.Path() / "ro");
        std::filesystem::permissions(folder.Path() / "ro", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        std::string args = c.args, program = ZORSTEEL_CLI;
        if (!c.members.empty()) {
            folder.Write("m.csv", c.members);
            std::filesystem::create_symlink("m.csv", folder.Path() / "link.csv");
            if (args.find("check") != 0 && args.find("select") != 0) args = "check --members m.csv " + args;
        }
        if (!c.catalogue.empty()) {
            program = (folder.Path() / "bin" / "zorsteel").string();
            if (c.catalogue != "none") folder.Write("bin/aisc14u.tbl", c.catalogue);
            std::filesystem::create_directories(folder.Path() / "bin");
            std::filesystem::copy_file(ZORSTEEL_CLI, program);
        }
        const std::string shell = "cd '" + folder.Path().string() + "' && " + as + "'" + program + "' " + args +
                                  " >out.txt 2>&1 </dev/null";
        const int status = std::system(shell.c_str());
        const std::string out = FileText((folder.Path() / "out.txt").string());
        EXPECT_EQ(WEXITSTATUS(status), c.status) << c.what << "\n" << out;
        std::string says = c.says;
        for (std::size_t at; (at = says.find("{folder}")) != std::string::npos;)
            says.replace(at, 8, folder.Path().string());
        EXPECT_NE(out.find(says), std::string::npos) << c.what << "\n" << out;
        if (!c.never.empty()) {
            EXPECT_EQ(out.find(c.never), std::string::npos) << c.what << "\n" << out;
        }
        // A file or usage error comes before any member is checked or output written; no
        // input is ever overwritten.
        if (c.status >= 3) {
            EXPECT_FALSE(std::filesystem::exists(folder.Path() / "r.csv")) << c.what;
        }
        if (!c.members.empty()) {
            EXPECT_EQ(FileText((folder.Path() / "m.csv").string()), c.members) << c.what;
        }
    }
}

// What an engineer types is what is checked, and what the check assumed is
// told: a failed deflection check is NG, lengths left out or short for their
// unit are named, --length-unit and --compression-sign give the numbers of
// inches and compression positive to the bit, and a tee's or double angle's
// Message says what the sign of Mux put in compression.
TEST(CommandTest, WhatIsTypedIsWhatIsChecked)
{
    const ScratchFolder folder("command-typed");
    const std::string beam = "W18X35 --Fy 50 --Mux 100 --TotalDeflectionDenominator 240 --LiveDeflectionDenominator 360 "
                             "--TotalDy 1.2 --LiveDy 0.8 ";
    struct Case
    {
        const char* what;
        std::string args;  // one member
        const char* status;
        std::vector<std::string> says;                     // in its Message, in order
        std::vector<std::pair<const char*, const char*>> cells = {};
        std::string sameAs = {};  // a member whose every cell but Message is this one's
        std::string never = {};   // not in its Message
    } cases[] = {
        // Total 3.0 / (360 / 240) = 2, live 2.0 / (360 / 360) = 2.
        {"a failed deflection check", "W21X44 --Fy 50 --Mux 200 --Lx 360 --L 360 --LiveDy 2.0 --TotalDy 3.0 "
         "--LiveDeflectionDenominator 360 --TotalDeflectionDenominator 240", "NG",
         {"total-load deflection ratio above 1.0", "live-load deflection ratio above 1.0",
          "Lb not given: taken as 0, continuously braced"},
         {{"TotalDeflectionRatio", "2"}, {"LiveDeflectionRatio", "2"}}},
        {"no deflection check", "W21X44 --Fy 50 --Mux 200 --Lb 0", "OK", {}, {{"TotalDeflectionRatio", ""}}},
        {"a column without lengths", "W14X90 --Fy 50 --Pu 1100", "OK",
         {"Lx and Ly not given: taken as 0, braced against buckling"}},
        // 2 d = 24.2 in: 24 in governs.
        {"feet typed as inches", "W12X26 --Fy 50 --Pu 200 --Lx 14 --Ly 14", "OK",
         {"Lx = 14 in and Ly = 14 in are short for W12X26: lengths are in inches"}},
        {"lengths in feet", "W12X26 --Fy 50 --Pu 200 --Lx 14 --Ly 14 --length-unit ft", "NG", {}, {},
         "W12X26 --Fy 50 --Pu 200 --Lx 168 --Ly 168", "short"},
        {"compression negative", "W12X26 --Fy 50 --Pu -200 --Lx 168 --Ly 168 --compression-sign negative", "NG", {},
         {}, "W12X26 --Fy 50 --Pu 200 --Lx 168 --Ly 168"},
        {"every member length in feet", beam + "--Lb 5 --Lx 30 --Ly 10 --Lz 10 --L 30 --length-unit ft", "OK", {}, {},
         beam + "--Lb 60 --Lx 360 --Ly 120 --Lz 120 --L 360"},
        {"a double angle without its connectors' spacing", "2L4X3X3/8LLBB --Fy 36 --Pu 20 --Lx 96 --Ly 96", "OK",
         {"ConnectorDistance not given: taken as 0, the angles acting as one (no E6 a / ri)"}},
        {"the connectors' spacing in feet", "2L4X3X3/8LLBB --Fy 36 --Pu 20 --Lx 8 --Ly 8 --ConnectorDistance 2 "
         "--length-unit ft", "OK", {}, {}, "2L4X3X3/8LLBB --Fy 36 --Pu 20 --Lx 96 --Ly 96 --ConnectorDistance 24"},
        // 612 / 510 (W18X35's Ix) is 1.2.
        {"deflections analysed with another section", beam + "--Lb 60 --L 360 --AnalysisSectionIx 612", "OK",
         {"deflections scaled by AnalysisSectionIx / Ix = 612 / 510 = 1.2"}, {},
         beam + "--Lb 60 --L 360 --DeflectionAdjustmentRatio 1.2"},
        // WT6X20, Lb 90 in: F9-3 (My) with the stem in compression, F9-2 (up to 1.6 My) with it in tension.
        {"a tee's stem in compression", "WT6X20 --Fy 50 --Pu -10 --Mux -3 --Lb 90", "OK",
         {"stem in compression (Mux < 0)"}, {{"MnxLimitState", "Yielding (F9-3)"}}},
        {"a tee's flange in compression", "WT6X20 --Fy 50 --Pu -10 --Mux 3 --Lb 90", "OK",
         {"flange in compression, stem in tension (Mux > 0)"}, {{"MnxLimitState", "Yielding (F9-2)"}}},
        {"a double angle's outstanding legs in compression", "2L4X3X3/8LLBB --Fy 36 --Pu -10 --Mux 3 --Lb 90", "OK",
         {"outstanding legs' tips in compression (Mux > 0)"}, {{"MnxLimitState", "Yielding (F9-2)"}}},
        {"a double angle's back-to-back legs in compression", "2L4X3X3/8LLBB --Fy 36 --Pu -10 --Mux -3 --Lb 90",
         "OK", {"back-to-back legs' tips in compression (Mux < 0)"}, {{"MnxLimitState", "Yielding (F9-3)"}}},
    };
    const auto line = [&](const std::string& args, const char* what) {
        const CommandRun run = Zorsteel(folder, "check " + args + " --out -");
        const Records records = ReadCsv(run.out);
        EXPECT_EQ(records.size(), 2u) << what << "\n" << run.err;
        std::map<std::string, std::string> cells;
        for (std::size_t i = 0; records.size() == 2 && i < records[0].size(); ++i) cells[records[0][i]] = records[1][i];
        return cells;
    };
    for (const Case& c : cases) {
        std::map<std::string, std::string> cells = line(c.args, c.what);
        EXPECT_EQ(cells["Status"], c.status) << c.what << ": " << cells["Message"];
        ExpectInOrder(cells["Message"], c.says);
        for (const auto& [column, value] : c.cells) EXPECT_EQ(cells[column], value) << c.what << " " << column;
        if (!c.never.empty()) {
            EXPECT_EQ(cells["Message"].find(c.never), std::string::npos) << c.what << ": " << cells["Message"];
        }
        if (c.sameAs.empty()) continue;
        std::map<std::string, std::string> same = line(c.sameAs, c.what);
        cells.erase("Message");
        same.erase("Message");
        EXPECT_EQ(cells, same) << c.what;
    }
}

TEST(CommandTest, ABadRowIsErrorAndTheOthersAreChecked)
{
    const ScratchFolder folder("command-batch");
    folder.Write("m.csv", "Id,Section,Fy,Mux\nA,W14X90,50,100\nB,W14X90,fifty,100\nC,W14X90,50,100\n");
    // Every row on the terminal (--table): the bad one's message on standard error too. Quiet (the rows in a
    // file): the terminal's summary lists it, once.
    const CommandRun table = Zorsteel(folder, "check --members m.csv --out r.csv --table");
    EXPECT_EQ(table.err, "zorsteel: m.csv, row 3, column Fy: \"fifty\" is not a number\n");
    const CommandRun run = Zorsteel(folder, "check --members m.csv --out r.csv");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("m.csv, row 3, column Fy: \"fifty\" is not a number"), std::string::npos) << run.out;
    const Records records = ReadCsv(FileText((folder.Path() / "r.csv").string()));
    ASSERT_EQ(records.size(), 4u);
    // Mux 100 against 0.9 Mn of W14X90 (at least 0.9 * 0.7 * 50 * 143 / 12 = 375 kip-ft): OK.
    EXPECT_EQ(records[1][15], "OK");
    EXPECT_EQ(records[2][15], "ERROR");
    EXPECT_EQ(records[2][3], "");   // no PhiPn for a row not checked
    EXPECT_EQ(records[2][17], "");  // nor what governs
    EXPECT_EQ(records[2][16], "m.csv, row 3, column Fy: \"fifty\" is not a number");
    EXPECT_TRUE(std::equal(records[1].begin() + 1, records[1].end(), records[3].begin() + 1));  // A and C alike
}

// Members checked on several threads come out as one thread writes them: the
// table, the CSV, the JSON and the report (after its time-stamped head) byte
// for byte.
// Every family, silent and reported, and rows that cannot be checked, over
// many blocks that the threads finish in any order.
TEST(CommandTest, ThreadsWriteWhatOneThreadWrites)
{
    const ScratchFolder folder("command-threads");
    std::string members = "Id,Section,Fy,Pu,Mux,Muy,Vux,Lb,Lx,Ly,Lz\n";
    const auto& rows = CommittedCatalogue().rows;
    for (std::size_t i = 0; i < rows.size(); i += 3)  // every third row, Pu from 0 to 240 kips
        members.append("M").append(std::to_string(i)).append(",").append(rows[i].name).append(",50,")
            .append(std::to_string(i % 7 * 40)).append(",60,10,20,120,144,144,144\n");
    folder.Write("m.csv", members + "X,W14X91,50\nY,W14X90,fifty\n");
    std::string outputs[2];
    for (const int threads : {1, 3}) {
        const std::string name = "t" + std::to_string(threads);
        const CommandRun run = Zorsteel(folder, "check --members m.csv --threads " + std::to_string(threads) +
                                                    " --out " + name + ".csv --json " + name + ".json --report " +
                                                    name + ".html");
        EXPECT_EQ(run.status, 2) << run.err;  // the two bad rows
        const std::string report = FileText((folder.Path() / (name + ".html")).string());
        ASSERT_NE(report.find("<table class=\"summary\">"), std::string::npos) << name;
        outputs[threads / 3] = run.out + FileText((folder.Path() / (name + ".csv")).string()) +
                               FileText((folder.Path() / (name + ".json")).string()) +
                               report.substr(report.find("<table class=\"summary\">"));
    }
    EXPECT_GT(outputs[0].size(), 1000000u);
    EXPECT_TRUE(outputs[0] == outputs[1]);  // not EXPECT_EQ: megabytes of text
}

TEST(CommandTest, EnvelopeNamesTheGoverningCombination)
{
    const ScratchFolder folder("command-envelope");
    // Beam B under three combinations: with Pu = 0 its ratio is Mux / phiMnx, largest for Mux 50 (LL).
    folder.Write("m.csv", "Id,Combo,Section,Fy,Mux\nB,D,W14X90,50,10\nB,LL,W14X90,50,50\nB,W,W14X90,50,30\n"
                          "C,D,W14X90,50,20\n");
    const CommandRun run = Zorsteel(folder, "check --members m.csv --envelope --out -");
    EXPECT_EQ(run.status, 0) << run.err;
    const Records records = ReadCsv(run.out);
    ASSERT_EQ(records.size(), 7u);  // header, four combinations, two envelope lines
    EXPECT_EQ(records[0].back(), "Envelope");
    std::vector<std::string> governingB = records[2], governingC = records[4];
    governingB.back() = governingC.back() = "1";
    EXPECT_EQ(records[5], governingB);
    EXPECT_EQ(records[6], governingC);
}

TEST(CommandTest, SelectTakesTheLightestPassingCandidate)
{
    const ScratchFolder folder("command-select");
    // Braced beams (Lb = 0) of compact W12s at Fy 50: phiMn = 0.9 * 50 * Zx / 12 kip-ft, so
    // W12X26 (A 7.65, Zx 37.2) 139.5, W12X30 (A 8.79, Zx 43.1) 161.6, W12X35 (A 10.3, Zx 51.2) 192.0;
    // the names are prefixes, so W12X305 (Zx 537: 2013.75) comes too. B1 needs 150 under
    // LL: W12X30. B2 needs 5000: none of them.
    folder.Write("m.csv", "Id,Combo,Section,Fy,Mux\nB1,D,W10X12,50,100\nB1,LL,W10X12,50,150\n"
                          "B2,LL,W10X12,50,5000\n");
    const CommandRun run = Zorsteel(
        folder, "select --members m.csv --candidates \"W12X35, W12X26 W12X30\" --out - --report r.html");
    EXPECT_EQ(run.status, 1) << run.err;
    // The report shows the selection's calculation; a member without one, the section it names.
    const std::string report = FileText((folder.Path() / "r.html").string());
    EXPECT_NE(report.find(">B1, LL, W12X30 - using"), std::string::npos);
    EXPECT_NE(report.find(">B2, LL, W10X12 - using"), std::string::npos);
    const Records records = ReadCsv(run.out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ((std::vector<std::string>{records[1][0], records[1][1], records[1][2], records[1][16]}),
              (std::vector<std::string>{"B1", "LL", "W12X30", "OK"}));
    EXPECT_NEAR(Number(records[1][5]), 0.9 * 50 * 43.1 / 12, 1e-9);
    EXPECT_EQ((std::vector<std::string>{records[2][0], records[2][2], records[2][16], records[2][17]}),
              (std::vector<std::string>{"B2", "", "NG",
                                        "no section among the 4 candidates of \"W12X35, W12X26 W12X30\" passes "
                                        "every combination"}));
    EXPECT_EQ((std::vector{records[2][records[2].size() - 2], records[2].back()}),
              (std::vector<std::string>{"full", "360-10"}));  // the rules and edition it was judged by
}

TEST(CommandTest, SelectJudgesWhatMattersAndWritesTheMembers)
{
    const ScratchFolder folder("command-select-file");
    // W16X26 at 360 in: KL/r = 360 / 1.12 = 321, ErrorCode 2. The beam B1 (never in compression) may
    // have it; C1, in compression under D, may not. O1's own list overrides --candidates: W12X26 is
    // the lightest (Lb = 0: 0.9 Fy Zx / 12 = 139.5 kip-ft for 100).
    const std::string members = "Id,Combo,Section,Fy,Pu,Mux,Lb,Lx,Ly,Candidates\n"
                                "B1,D,W16X26,50,0,20,360,360,360,\n"
                                "C1,D,W16X26,50,5,5,360,360,360,\n"
                                "C1,L,W16X26,50,0,5,360,360,360,\n"
                                "O1,D,W10X12,50,0,100,0,,,W12X26 W12X30\n"
                                "T1,D,WT6X20,50,-10,3,90,,,\n";
    folder.Write("m.csv", members);
    const CommandRun run =
        Zorsteel(folder, "select --members m.csv --candidates W16X26 --out - --write-members w.csv");
    EXPECT_EQ(run.status, 1) << run.err;  // C1
    const Records records = ReadCsv(run.out);
    ASSERT_EQ(records.size(), 5u) << run.out;
    const auto summary = [&](std::size_t i) {
        return std::vector<std::string>{records[i][0], records[i][2], records[i][15], records[i][16]};
    };
    EXPECT_EQ(summary(1), (std::vector<std::string>{"B1", "W16X26", "2", "OK"}));
    EXPECT_EQ(summary(2), (std::vector<std::string>{"C1", "", "", "NG"}));
    EXPECT_EQ(summary(3), (std::vector<std::string>{"O1", "W12X26", "0", "OK"}));
    EXPECT_EQ(summary(4), (std::vector<std::string>{"T1", "W16X26", "0", "OK"}));
    // The member file again, each member's Section its selection; C1 has none and keeps its own.
    std::string written = members;
    written.replace(written.find("W10X12"), 6, "W12X26");
    written.replace(written.find("WT6X20"), 6, "W16X26");
    EXPECT_EQ(FileText((folder.Path() / "w.csv").string()), written);

    // --keep-family: T1 stays a tee (shape code 7), though a pipe would be lighter; the W16X26
    // members have no candidate of their family.
    const CommandRun kept = Zorsteel(folder, "select --members m.csv --candidates \"Pipe WT\" --keep-family --out -");
    const Records family = ReadCsv(kept.out);
    ASSERT_EQ(family.size(), 5u) << kept.out;
    EXPECT_EQ(family[4][3], "7");
    EXPECT_EQ(family[1][17], "no section among the 0 candidates of \"Pipe WT\" in the family of W16X26 passes every "
                             "combination");
}

TEST(CommandTest, SectionsSortedByArea)
{
    const ScratchFolder folder("command-sections");
    // The W rows of the catalogue with 14 <= d <= 14.2 in: W12X170 (d 14.0) and the W14s below;
    // the prefix keeps the W14s, in order of A.
    const CommandRun run = Zorsteel(folder, "sections --family W --prefix W14 --height 14:14.2 --out -");
    EXPECT_EQ(run.status, 0) << run.err;
    const Records records = ReadCsv(run.out);
    std::vector<std::string> names, areas;
    for (const auto& record : records) {
        names.push_back(record[0]);
        areas.push_back(record[1]);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Section", "W14X34", "W14X38", "W14X68", "W14X74", "W14X90", "W14X99"}));
    EXPECT_EQ(areas, (std::vector<std::string>{"A", "10", "11.2", "20", "21.8", "26.5", "29.1"}));
    // A free list: the three Pipe12 (A 13.7, 17.5, 35.4) around W14X90 (26.5).
    const CommandRun list = Zorsteel(folder, "sections --list \"pipe12 W14X90\"");
    EXPECT_EQ(list.status, 0) << list.err;
    ExpectInOrder(list.out, {"\nPipe12STD ", "\nPipe12XS ", "\nW14X90 ", "\nPipe12XXS "});
}

// One calculation a member, its governing combination (an NG one before a
// higher OK ratio), with its notes and interaction diagram at its head; the
// summary a row a member under a line of counts; the limitations these
// members meet. --report-all keeps every combination's calculation.
TEST(CommandTest, ReportHasOneCalculationPerMemberAndTheSummaryLinkedToIt)
{
    const ScratchFolder folder("command-report");
    folder.Write("m.csv", "Id,Combo,Section,Fy,Pu,Kx,Ky,Lx,Ly\nC<1>,D,W14X90,50,400,1,1,180,180\n"
                          "C<1>,W,W14X90,50,200,1,1,180,180\nA-1,D,L4X4X1/4,36,5,1,1,48,600\n"
                          "A-1,E,L4X4X1/4,36,1,1,1,48,48\n");
    std::filesystem::create_directories(folder.Path() / "out");
    const auto count = [](const std::string& text, const std::string& piece) {
        std::size_t n = 0;
        for (std::size_t at = 0; (at = text.find(piece, at)) != std::string::npos; at += piece.size()) ++n;
        return n;
    };
    const CommandRun run = Zorsteel(folder, "check --members m.csv --report out/report.html --title Frame");
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string page = FileText((folder.Path() / "out/report.html").string());
    for (const char* piece : {
             "<title>Frame</title>",
             "Member checks by AISC 360-10 (LRFD), full rules &middot; zorsteel ",
             "<p class=\"counts\">2 members: 1 OK, <strong>1 NG</strong>, 0 ERROR; highest critical ratio 0.399 "
             "(C&lt;1&gt;)</p>",
             "<tr class=\"ok\"><td class=\"id\"><a href=\"#member-1\">C&lt;1&gt;</a></td><td class=\"id\">W14X90</td>"
             "<td>D</td><td class=\"number\">0.399</td>",
             // The angle of issue 14 governs by its NG combination, though the other has the lower ratio: 5
             // kips keep Pr/Pc below 0.2, its legs (b/t = 16) are slender in compression and noncompact in
             // flexure about both principal axes (LimitStatesTest has the same angle).
             "<tr class=\"ng\"><td class=\"id\"><a href=\"#member-2\">A-1</a></td><td class=\"id\">L4X4X1/4</td>"
             "<td>D</td><td class=\"number\">0.053</td><td class=\"governs\" title=\"H1-1b: Pn Flexural buckling (E7-2), "
             "Mnx Leg local buckling (F10-7), Mny Leg local buckling (F10-7)\">H1-1b: E7-2, F10-7, F10-7</td>"
             "<td class=\"status ng\">NG</td><td class=\"message\">axial load above the Euler load",
             "<li><strong>4. A-8-3: above the Euler load the check goes on</strong> (single angles): "
             "<strong>unconservative</strong> (false OK)</li>",
             "<a id=\"member-2\"></a>\n<div class=\"clear\"></div>\n<hr/>\n<div class=\"problem-title\">A-1, D, "
             "L4X4X1/4 - using AISC 360-10 LRFD Method</div>\n<hr/>\n<div class=\"problemArea\">\n"
             "<div class=\"member-notes ng\"><strong>NG:</strong> axial load above the Euler load",
             "Error: Compressive stress exceeds Euler limit.",
         })
        EXPECT_NE(page.find(piece), std::string::npos) << piece;
    // No tension with flexure here (17), no tee or channel (9); full rules close E4-4 (8).
    for (const char* absent : {"<li><strong>17.", "<li><strong>9.", "<li><strong>8.", "C&lt;1&gt;, W, W14X90"})
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;
    EXPECT_EQ(count(page, "<div class=\"problem-title\">"), 2u);
    EXPECT_EQ(count(page, "<div class=\"member-diagram\">"), 2u);
    EXPECT_EQ(count(page, "<div class=\"zs-chart\">"), 1u);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() / "out/Images/Eq.H1-1a.png"));

    // Classic rules say so in the head, and E4-4 concerns the column again, with what full rules do about it.
    const CommandRun classic = Zorsteel(folder, "check --members m.csv --report out/classic.html --rules classic");
    const std::string classicPage = FileText((folder.Path() / "out/classic.html").string());
    for (const char* piece : {"Member checks by AISC 360-10 (LRFD), classic rules &middot; zorsteel ",
                              "<li><strong>8. E4-4: torsional buckling of I-shapes is not checked</strong> (I-shapes): "
                              "<strong>unconservative</strong> when Kz·Lz &gt; Ky·Ly; closed by full rules</li>"})
        EXPECT_NE(classicPage.find(piece), std::string::npos) << piece;

    const CommandRun all = Zorsteel(folder, "check --members m.csv --report out/all.html --report-all");
    EXPECT_EQ(all.status, 1) << all.err;
    const std::string every = FileText((folder.Path() / "out/all.html").string());
    EXPECT_EQ(count(every, "<div class=\"problem-title\">"), 4u);
    EXPECT_EQ(count(every, "<div class=\"member-diagram\">"), 2u);  // one a member, with its governing combination
    EXPECT_NE(every.find("C&lt;1&gt;, W, W14X90"), std::string::npos);
}

// A member file as a spreadsheet saves it, in another locale or by hand:
// semicolons or tabs, a byte-order mark, blank lines and lines of separators
// only, header names in any case with blanks around them, a trailing
// separator, section names with blanks and in lower case. Each checks as the
// clean file does (the sections echoed as typed, without the blanks).
TEST(CommandTest, MemberFilesAsPeopleSaveThemCheckAsTheCleanOne)
{
    const ScratchFolder folder("command-sloppy");
    folder.Write("clean.csv", "Id,Combo,Section,Fy,Pu,Mux,Lx,Ly,Lb\nC1,D,W14X90,50,400,100,180,180,180\n"
                              "B1,L,W16X26,50,0,60,120,120,120\n");
    const std::pair<const char*, std::string> files[] = {
        {"semicolons", "\n id ; COMBO;section ;FY;pu;Mux;lx;LY;Lb;\n;;;;;;;;;\nC1;D;w14x90 ;50;400;100;180;180;180;\n"
                       "\n; ; ;\r\nB1;L; W16 X 26;50;0;60;120;120;120;\n"},
        {"tabs", "\xEF\xBB\xBFId\tCombo\tSection\tFy\tPu\tMux\tLx\tLy\tLb\r\nC1\tD\tW14X90\t50\t400\t100\t180\t180\t180\r\n"
                 "\t\t\r\nB1\tL\tw16x26\t50\t0\t60\t120\t120\t120\r\n"},
        {"quoted with commas left", "\"Id\",\"Combo\",\"Section\",Fy,Pu,Mux,Lx,Ly,Lb,,\n,,,,\n"
                                    "C1,D,\"W14X90\",50,400,100,180,180,180,,\nB1,L,\"W16X26 \",50,0,60,120,120,120,,\n"},
    };
    const auto upper = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    };
    const CommandRun clean = Zorsteel(folder, "check --members clean.csv --out -");
    ASSERT_EQ(clean.status, 0) << clean.err;
    for (const auto& [what, text] : files) {
        folder.Write("m.csv", text);
        const CommandRun run = Zorsteel(folder, "check --members m.csv --out -");
        EXPECT_EQ(run.status, 0) << what << "\n" << run.err;
        EXPECT_EQ(upper(run.out), upper(clean.out)) << what;
    }
}

// With the results in a file the terminal shows the check in short: the
// members counted, the highest ratio, the NG and ERROR members (20 of them,
// then how many more); --table prints every row as without a file.
TEST(CommandTest, WithResultsInAFileTheTerminalIsQuiet)
{
    const ScratchFolder folder("command-quiet");
    std::string members = "Id,Section,Fy,Mux\nOK1,W14X90,50,10\nBAD,W14X90,abc,10\n";
    for (int i = 1; i <= 22; ++i) members += "NG" + std::to_string(i) + ",W14X90,50," + std::to_string(1000 + i) + "\n";
    folder.Write("m.csv", members);
    const CommandRun run = Zorsteel(folder, "check --members m.csv --out r.csv");
    EXPECT_EQ(run.status, 2) << run.err;
    const std::string counts = run.out.substr(0, run.out.find('\n'));
    EXPECT_TRUE(counts.starts_with(
        "24 members (24 rows) by AISC 360-10, full rules: 1 OK, 22 NG, 1 ERROR; highest critical ratio 1.7"))
        << run.out; // 1022 kip-ft over phiMnx = 573.6 kip-ft (F3-1)
    EXPECT_TRUE(counts.ends_with(" (NG22)")) << run.out;
    EXPECT_NE(run.out.find("\nERROR   BAD   W14X90"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nNG      NG19  W14X90"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("NG20 "), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("\nand 3 more\n")) << run.out;
    EXPECT_EQ(std::ranges::count(run.out, '\n'), 1 + 1 + 21 + 1);  // counts, blank, head and 20 rows, more

    const CommandRun table = Zorsteel(folder, "check --members m.csv --out r.csv --table");
    EXPECT_EQ(std::ranges::count(table.out, '\n'), 27) << table.out; // head, every row, blank, what checked them
    EXPECT_TRUE(table.out.ends_with("\n\nChecked by AISC 360-10, full rules\n")) << table.out;
    EXPECT_NE(table.out.find("\nNG22  W14X90"), std::string::npos) << table.out;
}

// ZORSTEEL_DATA_DIR names the folder of the catalogue for the command (and
// any host): a catalogue there of W14X90 alone knows no W12X26; a folder
// without one is told by the catalogue's own path there.
TEST(CommandDataFolder, TheEnvironmentNamesTheCatalogueFolder)
{
    const ScratchFolder folder("command-data");
    const auto& rows = CommittedCatalogue().rows;
    const auto w14x90 = std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.name == "W14X90"; });
    folder.Write("data/aisc14u.tbl", CommittedCatalogue().head + w14x90->line + "\n");
    std::filesystem::create_directories(folder.Path() / "empty");
    const struct
    {
        const char* dataFolder;
        const char* args;
        int status;
        std::string says;
    } cases[] = {
        {"data", "check W14X90 --Fy 50 --out -", 0, ",OK,"},
        {"data", "check W12X26 --Fy 50 --out -", 2, "\"W12X26\" is not in the catalogue"},
        {"empty", "check W14X90 --Fy 50", 4, "Error opening file " + (folder.Path() / "empty/aisc14u.tbl").string()},
    };
    for (const auto& c : cases) {
        ::setenv("ZORSTEEL_DATA_DIR", (folder.Path() / c.dataFolder).c_str(), 1);
        const CommandRun run = Zorsteel(folder, c.args);
        ::unsetenv("ZORSTEEL_DATA_DIR");
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_NE((run.out + run.err).find(c.says), std::string::npos) << c.args << "\n" << run.out << run.err;
    }
}

