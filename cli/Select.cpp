#include "Select.h"

#include <map>

#include "Check.h"
#include "Environment.h"
#include "ExitStatus.h"
#include "ResultOutput.h"
#include "zorsteel.h"

namespace zorsteel::cli {

namespace {

using Candidates = std::vector<mvSect_AISC>;

// One member (the rows of one Id) and what it is tried with, settled on the
// caller's thread: the catalogue's lists are not for threads to make.
struct Member
{
    std::vector<std::size_t> rows;       // into the member file, in order
    std::string list;                    // its candidate list
    const Candidates* candidates = nullptr;
    bool compression = false;            // some combination has Pu > 0
    std::string error;                   // why it cannot be tried ...
    std::size_t errorRow = 0;            // ... told on this row
};

// The rows of each member (one Id), members in order of first appearance.
std::vector<Member> ByMember(const std::vector<MemberRow>& rows)
{
    std::vector<Member> members;
    std::map<std::string, std::size_t> place;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto [at, added] = place.try_emplace(rows[i].Id, members.size());
        if (added) members.emplace_back();
        members[at->second].rows.push_back(i);
    }
    return members;
}

// The rows' own list (one list a member), or --candidates; error when there
// are two, or none.
std::string ListOf(const std::vector<MemberRow>& rows, Member& member, const std::string& option)
{
    static const InputColumn& column = InputColumnNamed("Candidates");
    std::string list;
    for (const std::size_t i : member.rows) {
        const std::string& own = rows[i].Candidates;
        if (own.empty() || own == list) continue;
        if (!list.empty()) {
            member.error = FieldWhere(rows[i], column) + ": member " + rows[i].Id + " is given the candidate lists \"" +
                           list + "\" and \"" + own + "\": one member, one list";
            return "";
        }
        list = own;
    }
    if (list.empty()) list = option;
    if (list.empty())
        member.error = FieldWhere(rows[member.rows.front()], column) + ": no candidates (give --candidates or a "
                                                                         "Candidates column)";
    return list;
}

// A member whose deflections are checked, with neither the ratio nor the
// analysed section's Ix given, took them with the section it names: each
// candidate's deflections are those scaled by that section's Ix over its own
// (the member run's AnalysisSectionIx / Ix). False, with the error, when the
// named section is not in the catalogue.
bool TakeAnalysisSection(MemberRow& row, const CSteelDesignManager& catalogue, std::string& error)
{
    static const InputColumn& ix = InputColumnNamed("AnalysisSectionIx");
    static const InputColumn& name = InputColumnNamed("AnalysisSectionName");
    static const InputColumn& ratio = InputColumnNamed("DeflectionAdjustmentRatio");
    const MemberInputs& in = row.Inputs;
    if (in.TotalDeflectionDenominator == 0 || in.LiveDeflectionDenominator == 0 || IsGiven(row, ix) ||
        IsGiven(row, ratio))
        return true;
    mvSect_AISC named;
    if (!catalogue.GetAiscSection(named, FromUtf8(row.Section).c_str()) || !(named.Ix > 0)) {
        error = FieldWhere(row, InputColumnNamed("Section")) + ": " + UnknownSectionText(row.Section) +
                " (its Ix scales the deflections to each candidate; or give AnalysisSectionIx or "
                "DeflectionAdjustmentRatio)";
        return false;
    }
    SetText(row, name, row.Section);
    SetNumber(row, ix, named.Ix, "");
    return true;
}

// The candidates of each list, by list and family (-1: any).
using CandidateLists = std::map<std::pair<std::string, int>, Candidates>;

// Settles each member's candidates (kept in lists): its list, within the
// family of its named section when asked.
void Prepare(std::vector<Member>& members, std::vector<MemberRow>& rows, const SelectOptions& options,
             CandidateLists& lists)
{
    CSteelDesignManager& catalogue = *CSteelDesignManager::Instance();
    for (Member& member : members) {
        for (const std::size_t i : member.rows) {
            member.errorRow = i;
            if (!rows[i].Error.empty()) {
                member.error = rows[i].Error;
                break;
            }
            member.compression = member.compression || LibraryInputs(rows[i]).Pu > 0;
            if (!TakeAnalysisSection(rows[i], catalogue, member.error)) break;
        }
        member.errorRow = member.error.empty() ? member.rows.front() : member.errorRow;
        if (!member.error.empty()) continue;
        member.list = ListOf(rows, member, options.Candidates);
        if (!member.error.empty()) continue;
        const MemberRow& first = rows[member.rows.front()];
        int family = -1;
        if (options.KeepFamily) {
            const std::wstring named = FromUtf8(first.Section);
            if (!catalogue.IsValidAiscSection(named.c_str())) {
                member.error = FieldWhere(first, InputColumnNamed("Section")) + ": " +
                               UnknownSectionText(first.Section) + " (--keep-family keeps its family)";
                continue;
            }
            family = get_shape(named.c_str());
        }
        const auto [made, added] = lists.try_emplace({member.list, family});
        if (added) {
            Candidates all;
            catalogue.GenerateSections(all, FromUtf8(member.list));
            for (const mvSect_AISC& candidate : all)
                if (family < 0 || get_shape(GetSectionName(candidate)) == family) made->second.push_back(candidate);
        }
        member.candidates = &made->second;
    }
}

// The member's governing result with a candidate section; passes when every
// combination is OK with error code 0, or 2 (KL/r above 200) for a member
// never in compression.
MemberResult TryCandidate(const std::vector<MemberRow>& rows, const Member& member, const std::string& section,
                          bool& passes)
{
    std::vector<MemberResult> results;
    passes = true;
    MemberChecker checker;  // one object for the member's combinations
    for (const std::size_t i : member.rows) {
        MemberRow trial = rows[i];
        trial.Section = section;
        results.push_back(checker.Run(trial, false));
        const int code = results.back().ErrorCode;
        passes = passes && results.back().Status == "OK" && (code == 0 || (code == 2 && !member.compression));
    }
    MemberResult governing = EnvelopeOf(results).front();
    governing.Envelope = 0;
    return governing;
}

MemberResult Select(const std::vector<MemberRow>& rows, const Member& member, bool keepFamily)
{
    const MemberRow& first = rows[member.rows.front()];
    if (!member.error.empty()) {
        const MemberRow& told = rows[member.errorRow];
        MemberResult error;
        error.Id = told.Id;
        error.Combo = told.Combo;
        error.Section = told.Section;
        error.Status = "ERROR";
        error.Message = member.error;
        error.Rules = DesignRulesText(EffectiveRules(told.Conventions));
        error.Edition = EditionText(told.Conventions.Edition);
        return error;
    }
    for (const mvSect_AISC& candidate : *member.candidates) {
        bool passes = false;
        MemberResult result = TryCandidate(rows, member, ToUtf8(GetSectionName(candidate)), passes);
        if (passes) return result;
    }
    MemberResult none;
    none.Id = first.Id;
    none.Status = "NG";
    none.Rules = DesignRulesText(EffectiveRules(first.Conventions));
    none.Edition = EditionText(first.Conventions.Edition);
    none.Message = "no section among the " + std::to_string(member.candidates->size()) + " candidates of \"" +
                   member.list + "\"" + (keepFamily ? " in the family of " + first.Section : "") +
                   " passes every combination";
    return none;
}

// Every row checked again with its member's selection (or the section it
// names, without one), the calculations kept: what the report shows.
std::vector<MemberResult> CheckSelected(std::vector<MemberRow> rows, const std::vector<std::string>& sections,
                                        const CheckOptions& options)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!sections[i].empty()) rows[i].Section = sections[i];
    std::vector<MemberResult> results;
    results.reserve(rows.size());
    RunMembers(rows, true, [&](MemberResult&& result) { results.push_back(std::move(result)); }, options.Threads);
    return results;
}

} // namespace

int RunSelect(const SelectOptions& options)
{
    const CheckOptions& common = options.Members;
    if (!OutputsAreDistinct(common.Members,
                            {{"--out", common.Out},
                             {"--json", common.Json},
                             {"--write-members", options.WriteMembers},
                             {"--report", common.Report}}))
        return kExitUsage;
    MemberFile members;
    int status = kExitOk;
    if (!LoadMembers(common, members, status, !options.WriteMembers.empty())) return status;
    if (!common.Report.empty() && !ReportFolderExists(common.Report)) return kExitFileError;
    if (!CatalogueReady()) return kExitFileError;
    if (!options.Candidates.empty()) {
        std::vector<mvSect_AISC> candidates;
        CSteelDesignManager::Instance()->GenerateSections(candidates, FromUtf8(options.Candidates));
        if (candidates.empty()) {
            Complain("no catalogue section matches the candidates \"" + options.Candidates + "\"");
            return kExitUsage;
        }
    }
    std::vector<Member> byMember = ByMember(members.Rows);
    CandidateLists lists;
    Prepare(byMember, members.Rows, options, lists);
    Output written, report;
    ResultSink sink;
    if (!written.Open(options.WriteMembers) || !report.Open(common.Report) ||
        !sink.Open(common, members.HasCombo, byMember.size()))
        return kExitFileError;
    // Members are tried on every core, a few at a time (each tries many candidates).
    constexpr std::size_t kBlockSize = 4;
    const CataloguePin pin;  // one catalogue version for every candidate, no stat per check
    sink.AddAll(byMember.size(), common.Threads, kBlockSize,
                [&](std::size_t i) { return Select(members.Rows, byMember[i], options.KeepFamily); });
    sink.Finish(nullptr);
    // A member without a selection keeps the section it named.
    std::vector<std::string> sections(members.Rows.size());
    for (std::size_t m = 0; m < byMember.size(); ++m)
        if (sink.Results()[m].Status == "OK")
            for (const std::size_t i : byMember[m].rows) sections[i] = sink.Results()[m].Section;
    if (written.Stream()) {
        WriteMembers(*written.Stream(), members, sections);
        written.Stream()->flush();
    }
    if (report.Stream()) WriteReportPage(*report.Stream(), common, CheckSelected(members.Rows, sections, common));
    return sink.Status();
}

} // namespace zorsteel::cli
