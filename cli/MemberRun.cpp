#include "MemberRun.h"

#include <memory>
#include <sstream>

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

} // namespace

MemberResult RunMember(const MemberRow& row, bool withReport)
{
    if (!row.Error.empty()) return Unchecked(row, row.Error);
    const std::string where = row.Where + (row.FromOptions ? ", section: " : ", column Section: ");
    if (row.Section.empty()) return Unchecked(row, where + "no section given");
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    const std::wstring section = FromUtf8(row.Section);
    auto giveBack = [catalogue](CAiscDesign* design) { catalogue->DeleteAiscDesign(design); };
    const std::unique_ptr<CAiscDesign, decltype(giveBack)> design(
        catalogue ? catalogue->CreateAiscDesign(section.c_str()) : nullptr, giveBack);
    if (!design) {
        const bool known = catalogue && catalogue->IsValidAiscSection(section.c_str());
        return Unchecked(row, where + (known ? "no design class checks section \"" : "unknown section \"") +
                                  row.Section + "\"");
    }

    ApplyInputs(*design, row.Inputs);
    std::ostringstream report;
    if (withReport) design->SetPrintFile(&report);
    design->SetPrint(withReport);
    design->Calculate();

    const MemberVerdict verdict = JudgeMember(*design);
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
        .Limits = design->GetLimitStates(),
        .Status = StatusText(verdict.Status),
        .Message = verdict.Message,
        .Report = report.str(),
    };
    return result;
}

void RunMembers(const std::vector<MemberRow>& rows, bool withReport, const std::function<void(MemberResult&&)>& done)
{
    for (const MemberRow& row : rows) done(RunMember(row, withReport));
}
