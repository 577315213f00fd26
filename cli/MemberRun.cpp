#include "MemberRun.h"

#include <memory>
#include <optional>
#include <sstream>

#include "Parallel.h"

#include "zorsteel.h"

namespace {

MemberResult Unchecked(const MemberRow& row, std::string message)
{
    MemberResult result;
    result.Id = row.Id;
    result.Combo = row.Combo;
    result.Section = row.Section;
    result.Status = "ERROR";
    result.Message = std::move(message);
    return result;
}

// RunMember, or, when even that fails (no memory), the row told as not
// checked: a worker thread must not throw.
MemberResult CheckedOrTold(const MemberRow& row, bool withReport) noexcept
{
    try {
        return RunMember(row, withReport);
    } catch (...) {
        MemberResult result;  // short texts: no memory needed
        result.Status = "ERROR";
        result.Message = "out of memory";
        return result;
    }
}

} // namespace

MemberResult RunMember(const MemberRow& row, bool withReport)
{
    if (!row.Error.empty()) return Unchecked(row, row.Error);
    auto where = [&row] { return row.Where + (row.FromOptions ? ", section: " : ", column Section: "); };
    if (row.Section.empty()) return Unchecked(row, where() + "no section given");
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    const std::wstring section = FromUtf8(row.Section);
    auto giveBack = [catalogue](CAiscDesign* design) { catalogue->DeleteAiscDesign(design); };
    const std::unique_ptr<CAiscDesign, decltype(giveBack)> design(
        catalogue ? catalogue->CreateAiscDesign(section.c_str()) : nullptr, giveBack);
    if (!design) {
        const bool known = catalogue && catalogue->IsValidAiscSection(section.c_str());
        return Unchecked(row, where() + (known ? "no design class checks section \"" : "unknown section \"") +
                                  row.Section + "\"");
    }

    ApplyInputs(*design, row.Inputs);
    std::optional<std::ostringstream> report;  // made only when asked for: a stream is costly to make
    if (withReport) design->SetPrintFile(&report.emplace());
    design->SetPrint(withReport);
    design->Calculate();

    MemberVerdict verdict = JudgeMember(*design);
    MemberResult result{
        .Id = row.Id,
        .Combo = row.Combo,
        .Section = row.Section,
        .Checked = true,
        .ShapeCode = design->GetShapeCode(),
        .PhiPn = design->GetPhiPn(),
        .PhiMnx = design->GetPhiMnx(),
        .PhiMny = design->GetPhiMny(),
        .PhiVnx = design->GetPhiVnx(),
        .PhiVny = design->GetPhiVny(),
        .B1x = design->GetB1x(),
        .B1y = design->GetB1y(),
        .InteractionRatio = design->GetInteractionRatio(),
        .VxRatio = design->GetVxRatio(),
        .VyRatio = design->GetVyRatio(),
        .CriticalRatio = design->GetCriticalRatio(),
        .ErrorCode = design->GetErrorCode(),
        .Status = StatusText(verdict.Status),
        .Message = std::move(verdict.Message),
        .Report = report ? report->str() : std::string(),
    };
    return result;
}

void RunMembers(const std::vector<MemberRow>& rows, bool withReport, unsigned threads,
                const std::function<void(MemberResult&)>& prepare, const std::function<void(MemberResult&&)>& done)
{
    // Blocks small enough that the first results come at once and the
    // threads finish together, large enough that handing them out is cheap.
    constexpr std::size_t kBlockSize = 64;
    ComputeInOrder<MemberResult>(
        rows.size(), threads, kBlockSize,
        [&](std::size_t i) {
            MemberResult result = CheckedOrTold(rows[i], withReport);
            prepare(result);
            return result;
        },
        done);
}
