#include "MemberRun.h"

#include <memory>
#include <optional>
#include <sstream>

#include "../catalogue/CSteelDesignManager.h"
#include "../design/CAiscDesign.h"
#include "../platform/Parallel.h"
#include "../platform/Utf8.h"
#include "../report/ProblemPrintArea.h"
#include "../report/ReportPage.h"
#include "../section/CatalogueFile.h"
#include "MemberVerdict.h"

namespace zorsteel {

namespace {

using M = MemberResult;

const ResultColumn kResultColumns[] = {
    {"Id", &M::Id},
    {"Combo", &M::Combo},
    {"Section", &M::Section},
    {"ShapeCode", nullptr, nullptr, &M::ShapeCode},
    {"PhiPn", nullptr, &M::PhiPn},
    {"PhiMnx", nullptr, &M::PhiMnx},
    {"PhiMny", nullptr, &M::PhiMny},
    {"PhiVnx", nullptr, &M::PhiVnx},
    {"PhiVny", nullptr, &M::PhiVny},
    {"B1x", nullptr, &M::B1x},
    {"B1y", nullptr, &M::B1y},
    {"InteractionRatio", nullptr, &M::InteractionRatio},
    {"VxRatio", nullptr, &M::VxRatio},
    {"VyRatio", nullptr, &M::VyRatio},
    {"CriticalRatio", nullptr, &M::CriticalRatio},
    {"ErrorCode", nullptr, nullptr, &M::ErrorCode},
    {"Status", &M::Status},
    {"Message", &M::Message},
    {"Governing", &M::Governing},
    {"PnLimitState", &M::PnLimitState},
    {"MnxLimitState", &M::MnxLimitState},
    {"MnyLimitState", &M::MnyLimitState},
    {"Envelope", nullptr, nullptr, &M::Envelope},
};
const ResultColumn& kComboColumn = kResultColumns[1];
const ResultColumn& kEnvelopeColumn = std::end(kResultColumns)[-1];

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

void ApplyInputs(CAiscDesign& design, const MemberInputs& in)
{
    design.SetGeneralParameters(in.DirectAnalysis, in.ConsiderB1);
    design.SetLoads(in.Pu, in.Mux, in.Muy, in.Cmx, in.Cmy, in.Vux, in.Vuy);
    design.SetMaterial(in.Fy);
    design.SetLateralTorsionalProperty(in.Cb, in.Lb);
    design.SetColumnSlenderness(in.Kx, in.Ky, in.Lx, in.Ly);
    design.SetColumnSlenderness_Torsional(in.Kz, in.Lz);
    design.SetDoubleAngleConnnectorDistance(in.ConnectorDistance);
    design.SetDeflectionParameters(in.TotalDeflectionDenominator, in.LiveDeflectionDenominator, in.TotalDy, in.LiveDy,
                                   in.L);
    design.SetDeflectionAdjustmentRatio(in.DeflectionAdjustmentRatio, FromUtf8(in.AnalysisSectionName).c_str(),
                                        in.AnalysisSectionIx);
}

MemberResult Check(const MemberRow& row, bool withReport)
{
    if (!row.Error.empty()) return Unchecked(row, row.Error);
    const InputColumn& sectionColumn = *FindInputColumn("Section");
    if (row.Section.empty()) return Unchecked(row, FieldWhere(row, sectionColumn) + ": no section given");
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    const std::wstring section = FromUtf8(row.Section);
    auto giveBack = [catalogue](CAiscDesign* design) { catalogue->DeleteAiscDesign(design); };
    const std::unique_ptr<CAiscDesign, decltype(giveBack)> design(
        catalogue ? catalogue->CreateAiscDesign(section.c_str()) : nullptr, giveBack);
    if (!design) {
        const bool known = catalogue && catalogue->IsValidAiscSection(section.c_str());
        return Unchecked(row, FieldWhere(row, sectionColumn) + ": " +
                                  (known ? "no design class checks section \"" : "unknown section \"") + row.Section +
                                  "\"");
    }

    ApplyInputs(*design, row.Inputs);
    std::optional<std::ostringstream> report;  // made only when asked for: a stream is costly to make
    if (withReport) design->SetPrintFile(&report.emplace());
    design->SetPrint(withReport);
    design->Calculate();

    MemberVerdict verdict = JudgeMember(*design);
    const LimitStates states = design->GetLimitStates();
    return MemberResult{
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
        .Governing = GoverningCheckText(states.Check),
        .PnLimitState = LimitStateText(states, Strength::Pn),
        .MnxLimitState = LimitStateText(states, Strength::Mnx),
        .MnyLimitState = LimitStateText(states, Strength::Mny),
        .Limits = states,
        .Report = report ? report->str() : std::string(),
    };
}

std::string Html(const std::string& text) { return ToUtf8(EscapeHtml(FromUtf8(text).c_str()).c_str()); }

} // namespace

MemberResult RunMember(const MemberRow& row, bool withReport) noexcept
{
    try {
        return Check(row, withReport);
    } catch (...) {
        // Held without allocating, as the strings are short.
        MemberResult failed;
        failed.Status = "ERROR";
        failed.Message = "out of memory";
        return failed;
    }
}

void RunMembers(const std::vector<MemberRow>& rows, bool withReport, const std::function<void(MemberResult&&)>& done,
                unsigned threads)
{
    // The catalogue, the manager's index and the copy that design objects
    // read from, is loaded before the threads start.
    CSteelDesignManager::Instance();
    LoadCatalogueCopy(CataloguePath());
    constexpr std::size_t kBlockSize = 64;
    ComputeInOrder<MemberResult>(
        rows.size(), threads, kBlockSize, [&](std::size_t i) { return RunMember(rows[i], withReport); }, done);
}

void PrintMemberBlock(std::ostream& out, const MemberResult& result)
{
    std::string title;
    for (const std::string* part : {&result.Id, &result.Combo, &result.Section}) {
        if (part->empty()) continue;
        if (!title.empty()) title += ", ";
        title += *part;
    }
    ProblemPrintArea area(&out, EscapeHtml(FromUtf8(title).c_str()).c_str());
    if (result.Checked)
        out << result.Report;
    else
        out << "<div class=\"fail\">" << Html(result.Message) << "</div>\n";
}

std::vector<const ResultColumn*> ResultColumns(bool withCombo, bool withEnvelope)
{
    std::vector<const ResultColumn*> columns;
    for (const ResultColumn& column : kResultColumns) {
        if (&column == &kComboColumn && !withCombo) continue;
        if (&column == &kEnvelopeColumn && !withEnvelope) continue;
        columns.push_back(&column);
    }
    return columns;
}

std::string LimitStateText(const LimitStates& states, Strength quantity)
{
    const LimitState* governing = states.Governing(quantity);
    if (!governing) return "";
    return std::string(governing->Name) + " (" + governing->Equation + ")";
}

std::string GoverningText(const LimitStates& states)
{
    std::string text = GoverningCheckText(states.Check);
    const auto add = [&](Strength quantity, const char* separator) {
        text += separator;
        text += StrengthText(quantity);
        text += ' ';
        text += LimitStateText(states, quantity);
    };
    switch (states.Check) {
    case GoverningCheck::None: break;
    case GoverningCheck::MajorShear: add(Strength::Vnx, ": "); break;
    case GoverningCheck::MinorShear: add(Strength::Vny, ": "); break;
    case GoverningCheck::H1_1a:
    case GoverningCheck::H1_1b:
        add(Strength::Pn, ": ");
        add(Strength::Mnx, ", ");
        add(Strength::Mny, ", ");
        break;
    }
    return text;
}

} // namespace zorsteel
