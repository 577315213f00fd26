// zorsteel: structural steel member checks by AISC 360-10 (LRFD) from the
// command line. This file only wires the options to the subcommands.
#include <CLI/CLI.hpp>

#include "Check.h"
#include "Environment.h"
#include "ExitStatus.h"
#include "Sections.h"
#include "Select.h"
#include "zorsteel.h"

using namespace zorsteel;
using namespace zorsteel::cli;

namespace {

const char* TypeName(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text: return "TEXT";
    case ColumnKind::Boolean: return "1|0|true|false";
    default: return "NUMBER";
    }
}

// Returns the --json option, whose count tells whether it was given without a file.
CLI::Option* AddResultOptions(CLI::App& command, CheckOptions& options, std::string& colour)
{
    command.add_option("--out", options.Out, "write the results as CSV to FILE (- for standard output)")
        ->type_name("FILE");
    CLI::Option* json = command
        .add_option("--json", options.Json,
                    "write the results as JSON to FILE (- for standard output); without FILE, --out writes a JSON "
                    "array of the results instead of CSV")
        ->type_name("[FILE]")
        ->expected(0, 1);
    command.add_flag("--table", options.Table,
                     "print every result row on the terminal also when --out FILE or --json FILE carries them "
                     "(otherwise the terminal shows the counts and the NG and ERROR members)");
    command.add_option("--color", colour, "colour OK and NG in the terminal table: auto (the default), always, never")
        ->check(CLI::IsMember({"auto", "always", "never"}));
    return json;
}

Colour ColourOf(const std::string& colour)
{
    return colour == "always" ? Colour::Always : colour == "never" ? Colour::Never : Colour::Auto;
}

// An input's help with the unit or sign the conventions options choose.
std::string InputHelp(const InputColumn& column)
{
    switch (column.Measure) {
    case InputMeasure::Length: return std::string(column.Help) + ", in (ft with --length-unit ft)";
    case InputMeasure::AxialForce:
        return std::string(column.Help) + ", compression positive (negative with --compression-sign negative)";
    case InputMeasure::Other: break;
    }
    return std::string(column.Help);
}

// --length-unit, --compression-sign, --rules and --edition: the texts, turned into conventions after parsing.
struct ConventionTexts
{
    std::string lengthUnit = "in", compressionSign = "positive", rules = "full", edition = "360-10";
};

void AddConventionOptions(CLI::App& command, ConventionTexts& texts)
{
    command.add_option("--length-unit", texts.lengthUnit,
                       "unit of the member lengths Lx, Ly, Lz, Lb, L and ConnectorDistance: in (the default) or ft; "
                       "TotalDy and LiveDy stay in inches")
        ->check(CLI::IsMember({"in", "ft"}));
    command.add_option("--compression-sign", texts.compressionSign,
                       "sign of Pu in compression: positive (the default) or negative, as analysis programs write it")
        ->check(CLI::IsMember({"positive", "negative"}));
    command.add_option("--rules", texts.rules,
                       "full (the default): AISC 360-10 with tensile rupture, E5, E4-4, E6-1, B2, H1.2 and the rest "
                       "that classic leaves out; classic: the calculation as before (docs/aisc-departures.md)")
        ->check(CLI::IsMember({"full", "classic"}));
    command
        .add_option("--edition", texts.edition,
                    "360-10 (the default) or 360-22: AISC 360-22 runs the full check (as --rules full) with the "
                    "provisions that edition changed and its equation numbers in the report; it does not go "
                    "with --rules classic")
        ->check(CLI::IsMember({"360-10", "360-22"}));
}

InputConventions ConventionsOf(const ConventionTexts& texts)
{
    InputConventions conventions;
    ParseLengthUnit(texts.lengthUnit, conventions.Lengths);
    ParseCompressionSign(texts.compressionSign, conventions.Compression);
    ParseRules(texts.rules, conventions.Rules);
    ParseEditionName(texts.edition, conventions.Edition);
    return conventions;
}

// 360-22 is the full check: classic rules under it are a contradiction, not a choice to guess at.
bool ConventionsAgree(const ConventionTexts& texts)
{
    if (texts.edition != "360-22" || texts.rules != "classic") return true;
    Complain("--rules classic does not go with --edition 360-22: AISC 360-22 runs the full check (leave out "
             "--rules, or give --edition 360-10)");
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Standard output is written through std::cout alone (messages go to
    // standard error through stdio): its own buffer, not stdio's at each write.
    std::ios::sync_with_stdio(false);
    CLI::App app{"zorsteel " + std::string(ZorsteelVersion()) +
                 ": structural steel member checks by AISC 360-10 (LRFD), or 360-22 (--edition).\n"
                 "Units: kips, inches, ksi; moments in kip-ft; Pu compression positive\n"
                 "(check and select take --length-unit ft and --compression-sign negative)."};
    app.footer(kExitStatusHelp);
    app.require_subcommand(1);
    app.set_version_flag("--version", ZorsteelVersion());

    CheckOptions check;
    std::string colour = "auto";
    std::vector<std::string> fieldTexts(InputColumns().size());
    std::vector<CLI::Option*> inputOptions(InputColumns().size(), nullptr);
    CLI::App* checkCommand = app.add_subcommand(
        "check", "check one member given by options, or every row of a member CSV file (--members)");
    checkCommand->add_option("section", check.Section, "catalogue section of a single member (W14X90, any case)");
    checkCommand->add_option("--members", check.Members, "member CSV file: a header row, one member and combination a row")
        ->type_name("FILE");
    for (std::size_t i = 0; i < InputColumns().size(); ++i) {
        const InputColumn& column = InputColumns()[i];
        if (column.Name == "Section" || column.Name == "Candidates") continue;  // the argument; select's
        inputOptions[i] = checkCommand->add_option("--" + std::string(column.Name), fieldTexts[i], InputHelp(column));
        inputOptions[i]->type_name(TypeName(column.Kind))->group("Member inputs (single member; the member file's columns have the same names)");
    }
    checkCommand->add_option("--report", check.Report, "write the calculation report to FILE.html (its folder must exist)")
        ->type_name("FILE");
    checkCommand->add_option("--pdf", check.Pdf,
                             "write the report as PDF to FILE, printed by headless Chromium (its folder must exist)")
        ->type_name("FILE");
    checkCommand->add_option("--title", check.Title, "title of the report");
    checkCommand->add_flag("--report-all", check.ReportAll,
                           "the report holds every combination's calculation (by default each member's governing one)");
    checkCommand->add_flag("--envelope", check.Envelope,
                           "add one line per member: its governing combination and critical ratio");
    checkCommand->add_option("--threads", check.Threads,
                             "check members on N threads (default 0: one per core); the results are the same")
        ->type_name("N");
    CLI::Option* checkJson = AddResultOptions(*checkCommand, check, colour);
    ConventionTexts checkConventions;
    AddConventionOptions(*checkCommand, checkConventions);

    SelectOptions select;
    CLI::App* selectCommand = app.add_subcommand(
        "select", "for each member of a member file, the lightest candidate that passes every combination");
    selectCommand->add_option("--members", select.Members.Members, "member CSV file, as for check")
        ->type_name("FILE")
        ->required();
    selectCommand->add_option("--candidates", select.Candidates,
                              "candidate designations and prefixes, e.g. \"W14 W12 HSS8\"; a member's Candidates "
                              "column overrides them");
    selectCommand->add_flag("--keep-family", select.KeepFamily,
                            "keep each member within the family of the section it names (W, WT, 2L, HSS8X4, ...)");
    selectCommand->add_option("--write-members", select.WriteMembers,
                              "write the member file again to FILE with each member's Section its selection, every "
                              "other column as read (a member without one keeps its section)")
        ->type_name("FILE");
    selectCommand->add_option("--report", select.Members.Report,
                              "write the calculation report of the selected sections to FILE.html (its folder must "
                              "exist)")
        ->type_name("FILE");
    selectCommand->add_option("--title", select.Members.Title, "title of the report");
    CLI::Option* selectJson = AddResultOptions(*selectCommand, select.Members, colour);
    ConventionTexts selectConventions;
    AddConventionOptions(*selectCommand, selectConventions);

    SectionsOptions sections;
    CLI::App* sectionsCommand =
        app.add_subcommand("sections", "list catalogue sections sorted by area, with their properties");
    sectionsCommand->add_option("--family", sections.Family, "shape family: W, M, S, HP, C, MC, L, WT, MT, ST, 2L, HSS8X4, HSS8.625, Pipe");
    sectionsCommand->add_option("--prefix", sections.Prefix, "name prefixes within the family, e.g. W14,W12");
    sectionsCommand->add_option("--width", sections.Width, "width bounds MIN:MAX, in (bf; angle d; HSS B; OD)");
    sectionsCommand->add_option("--height", sections.Height, "height bounds MIN:MAX, in (d; angle b; HSS Ht; OD)");
    sectionsCommand->add_option("--list", sections.List, "a free list of names and prefixes instead, e.g. \"W14X90 HSS8X4\"");
    sectionsCommand->add_option("--out", sections.Out, "write the list as CSV to FILE (- for standard output)")
        ->type_name("FILE");
    sectionsCommand->add_option("--json", sections.Json, "write the list as JSON to FILE (- for standard output)")
        ->type_name("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? kExitOk : kExitUsage;
    }

    check.Colours = select.Members.Colours = ColourOf(colour);
    if (!ConventionsAgree(checkConventions) || !ConventionsAgree(selectConventions)) return kExitUsage;
    check.Conventions = ConventionsOf(checkConventions);
    select.Members.Conventions = ConventionsOf(selectConventions);
    if (select.WriteMembers == "-") {
        Complain("--write-members takes a FILE (standard output carries the results)");
        return kExitUsage;
    }
    // --json without a file: --out carries a JSON array in place of the CSV.
    for (auto [options, json] : {std::pair{&check, checkJson}, std::pair{&select.Members, selectJson}}) {
        options->OutAsJson = json->count() > 0 && options->Json.empty();
        if (options->OutAsJson && options->Out.empty()) {
            Complain("--json without a FILE writes the results to --out: give --out FILE (or -)");
            return kExitUsage;
        }
    }
    PrepareLibrary();
    if (*sectionsCommand) return RunSections(sections);
    if (*selectCommand) return RunSelect(select);

    for (std::size_t i = 0; i < InputColumns().size(); ++i)
        if (inputOptions[i] && inputOptions[i]->count() > 0) check.Fields.emplace_back(&InputColumns()[i], fieldTexts[i]);
    if (check.Members.empty() == check.Section.empty()) {
        Complain("check takes either a section with its inputs as options, or --members FILE");
        return kExitUsage;
    }
    if (!check.Members.empty() && !check.Fields.empty()) {
        Complain("with --members the inputs come from the file's columns, not from options");
        return kExitUsage;
    }
    return RunCheck(check);
}
