#include "Select.h"

#include <map>

#include "Environment.h"
#include "ExitStatus.h"
#include "ResultOutput.h"
#include "zorsteel.h"

namespace zorsteel::cli {

namespace {

// The rows of each member (one Id), members in order of first appearance.
std::vector<std::vector<const MemberRow*>> ByMember(const std::vector<MemberRow>& rows)
{
    std::vector<std::vector<const MemberRow*>> members;
    std::map<std::string, std::size_t> place;
    for (const MemberRow& row : rows) {
        const auto [at, added] = place.try_emplace(row.Id, members.size());
        if (added) members.emplace_back();
        members[at->second].push_back(&row);
    }
    return members;
}

// The member's governing result with a candidate section, or an unchecked
// result when a row cannot be checked at all.
MemberResult TryCandidate(const std::vector<const MemberRow*>& rows, const std::string& section, bool& passes)
{
    std::vector<MemberResult> results;
    passes = true;
    for (const MemberRow* row : rows) {
        MemberRow trial = *row;
        trial.Section = section;
        results.push_back(RunMember(trial, false));
        passes = passes && results.back().Status == "OK" && results.back().ErrorCode == 0;
    }
    MemberResult governing = EnvelopeOf(results).front();
    governing.Envelope = 0;
    return governing;
}

MemberResult Select(const std::vector<const MemberRow*>& rows, const std::vector<mvSect_AISC>& candidates,
                    const std::string& list)
{
    for (const MemberRow* row : rows)
        if (!row->Error.empty()) return RunMember(*row, false);  // the row's own ERROR
    for (const mvSect_AISC& candidate : candidates) {
        bool passes = false;
        MemberResult result = TryCandidate(rows, ToUtf8(GetSectionName(candidate)), passes);
        if (passes) return result;
    }
    MemberResult none;
    none.Id = rows.front()->Id;
    none.Status = "NG";
    none.Message = "no section among the " + std::to_string(candidates.size()) + " candidates of \"" + list +
                   "\" passes every combination";
    return none;
}

} // namespace

int RunSelect(const SelectOptions& options)
{
    MemberFile members;
    int status = kExitOk;
    if (!LoadMembers(options.Members, members, status)) return status;
    if (!CatalogueReady()) return kExitFileError;
    std::vector<mvSect_AISC> candidates;
    CSteelDesignManager::Instance()->GenerateSections(candidates, FromUtf8(options.Candidates));
    if (candidates.empty()) {
        Complain("no catalogue section matches the candidates \"" + options.Candidates + "\"");
        return kExitUsage;
    }
    const std::vector<std::vector<const MemberRow*>> byMember = ByMember(members.Rows);
    ResultSink sink;
    if (!sink.Open(options.Members, members.HasCombo, byMember.size())) return kExitFileError;
    // Members are tried on every core, a few at a time (each tries many candidates).
    constexpr std::size_t kBlockSize = 4;
    sink.AddAll(byMember.size(), options.Members.Threads, kBlockSize,
                [&](std::size_t i) { return Select(byMember[i], candidates, options.Candidates); });
    sink.Finish(nullptr);
    return sink.Status();
}

} // namespace zorsteel::cli
