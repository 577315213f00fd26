#include "MemberRun.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <sstream>

#include "../catalogue/CSteelDesignManager.h"
#include "../design/CAiscDesign.h"
#include "../platform/Parallel.h"
#include "../platform/Utf8.h"
#include "../platform/zorTools.h"
#include "../report/ProblemPrintArea.h"
#include "../report/ReportPage.h"
#include "../section/CatalogueFile.h"
#include "InputNames.h"
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
    {"TotalDeflectionRatio", nullptr, &M::TotalDeflectionRatio, nullptr, &M::DeflectionChecked},
    {"LiveDeflectionRatio", nullptr, &M::LiveDeflectionRatio, nullptr, &M::DeflectionChecked},
    {"Rules", &M::Rules},
    {"Edition", &M::Edition},
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
    result.Rules = DesignRulesText(EffectiveRules(row.Conventions));
    result.Edition = EditionText(row.Conventions.Edition);
    return result;
}

void ApplyInputs(CAiscDesign& design, const MemberInputs& in, const InputConventions& conventions)
{
    design.SetDesignRules(conventions.Rules);
    design.SetEdition(conventions.Edition);
    design.SetTensileRupture(in.Fu, in.NetAreaRatio, in.ShearLagU);
    const AngleLeg leg = in.AngleConnectedLeg == "long"    ? AngleLeg::Long
                         : in.AngleConnectedLeg == "short" ? AngleLeg::Short
                                                           : AngleLeg::Unknown;
    design.SetSingleAngleConnection(leg, in.AngleSpaceTruss);
    design.SetDoubleAngleConnectorType(in.ConnectorType == "snug" ? ConnectorType::Snug : ConnectorType::Welded);
    design.SetNoTranslationLengthFactors(in.K1x, in.K1y);
    design.SetLateralTranslation(in.Plt, in.Mltx, in.Mlty, in.B2x, in.B2y);
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

std::string Number(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// A ratio for a person: four significant digits.
std::string Brief(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::general, 4).ptr);
}

// Joins the pieces of a note: "A", "A and B", "A, B and C".
void Append(std::string& list, std::string_view item, bool last)
{
    if (!list.empty()) list += last ? " and " : ", ";
    list += item;
}

// Lengths the check took as 0 because the user gave none: Lx and Ly of a
// member in compression, Lb of one with a major-axis moment.
void NoteLengthsNotGiven(std::vector<std::string>& notes, const MemberRow& row, const MemberInputs& in, int shape)
{
    static const InputColumn& lx = InputColumnNamed("Lx");
    static const InputColumn& ly = InputColumnNamed("Ly");
    static const InputColumn& lb = InputColumnNamed("Lb");
    if (in.Pu > 0 && !(IsGiven(row, lx) && IsGiven(row, ly))) {
        const bool both = !IsGiven(row, lx) && !IsGiven(row, ly);
        notes.push_back(std::string(both ? "Lx and Ly" : IsGiven(row, lx) ? "Ly" : "Lx") +
                        " not given: taken as 0, braced against buckling");
    }
    if (in.Mux != 0 && !IsGiven(row, lb)) notes.push_back("Lb not given: taken as 0, continuously braced");
    // Without the spacing a double angle buckles as one piece about y: E6 would add a / ri.
    static const InputColumn& spacing = InputColumnNamed("ConnectorDistance");
    if (shape == kShape2L && in.Pu > 0 && !IsGiven(row, spacing))
        notes.push_back("ConnectorDistance not given: taken as 0, the angles acting as one (no E6 a / ri)");
}

// Under full rules a member in tension is checked for rupture on U An; what
// the row left out of it is told: holes and shear lag taken as absent make
// the member stronger than a bolted one, and Fu of the usual grade may not be
// the grade ordered.
void NoteRuptureAssumptions(std::vector<std::string>& notes, const MemberRow& row, const MemberInputs& in, int shape)
{
    static const InputColumn& fu = InputColumnNamed("Fu");
    static const InputColumn& net = InputColumnNamed("NetAreaRatio");
    static const InputColumn& lag = InputColumnNamed("ShearLagU");
    if (in.Pu + std::max(in.B2x, in.B2y) * in.Plt >= 0) return;
    if (!IsGiven(row, fu))
        notes.push_back("Fu not given: " + Number(TensileStrengthOfGrade(shape, in.Fy)) +
                        " ksi of the usual grade with Fy = " + Number(in.Fy) + " ksi");
    if (!IsGiven(row, net) || !IsGiven(row, lag)) {
        std::string list;
        if (!IsGiven(row, net)) Append(list, "NetAreaRatio", false);
        if (!IsGiven(row, lag)) Append(list, "ShearLagU", true);
        notes.push_back(list + " not given: rupture checked with " +
                        (!IsGiven(row, net) && !IsGiven(row, lag) ? "An = Ag and U = 1"
                         : !IsGiven(row, net)                       ? "An = Ag"
                                                                    : "U = 1") +
                        " (no holes, no shear lag)");
    }
}

// Member lengths shorter than the larger of 24 in and twice the section's
// depth, on a member with axial force or moment: most likely feet typed as
// inches (or the reverse). A length given as 0 says braced, and is not short;
// L counts only where the deflection check reads it.
void NoteShortLengths(std::vector<std::string>& notes, const MemberRow& row, const MemberInputs& in,
                      const mvSect_AISC& section, bool checksDeflection)
{
    if (in.Pu == 0 && in.Mux == 0 && in.Muy == 0) return;
    const double depth = std::max({section.d, section.b, section.Ht, section.OD});  // an angle: its longer leg
    const double shortBelow = std::max(24.0, 2 * depth);
    static const InputColumn& connectors = InputColumnNamed("ConnectorDistance");
    static const InputColumn& span = InputColumnNamed("L");
    const bool feet = row.Conventions.Lengths == LengthUnit::Feet;
    std::vector<const InputColumn*> shortOnes;
    for (const InputColumn& column : InputColumns()) {
        if (column.Measure != InputMeasure::Length || &column == &connectors || !IsGiven(row, column)) continue;
        if (&column == &span && !checksDeflection) continue;
        const double inches = in.*column.Number;
        if (inches > 0 && inches < shortBelow) shortOnes.push_back(&column);
    }
    if (shortOnes.empty()) return;
    std::string list;
    for (const InputColumn* column : shortOnes)
        Append(list, std::string(column->Name) + " = " + Number(row.Inputs.*column->Number) + (feet ? " ft" : " in"),
               column == shortOnes.back());
    notes.push_back(list + (shortOnes.size() == 1 ? " is" : " are") + " short for " + row.Section + ": lengths are in " +
                    (feet ? "feet" : "inches"));
}

// Mrx/Mcx + Mry/Mcy back from the H1-1 ratio and Pr/Pc: H1-1a above
// Pr/Pc = 0.2, H1-1b at or below it, as the check chose.
double MomentRatioOf(double axialRatio, double interactionRatio)
{
    const double axial = std::abs(axialRatio);
    return axial > 0.2 ? (interactionRatio - axial) * 9.0 / 8.0 : interactionRatio - axial / 2;
}

// The design object for the row's section: the one given when it was made
// for the same name, reset, or a new one from the factory (held in design).
// An unchecked result when there is none.
std::optional<MemberResult> DesignFor(const MemberRow& row, CAiscDesign*& design, std::string& made)
{
    static const InputColumn& sectionColumn = InputColumnNamed("Section");
    if (row.Section.empty()) return Unchecked(row, FieldWhere(row, sectionColumn) + ": no section given");
    if (design && made == row.Section) {
        design->ResetForNextCheck();
        return std::nullopt;
    }
    delete design;
    design = nullptr;
    made.clear();
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    const std::wstring section = FromUtf8(row.Section);
    design = catalogue ? catalogue->CreateAiscDesign(section.c_str()) : nullptr;
    if (!design) {
        const bool known = catalogue && catalogue->IsValidAiscSection(section.c_str());
        // No name is called unknown for want of the catalogue.
        if (!known && !CatalogueFound(CataloguePath()))
            return Unchecked(row, FieldWhere(row, sectionColumn) + ": section \"" + row.Section +
                                      "\" not read: the catalogue " + ToNativePath(CataloguePath()) +
                                      " cannot be read");
        return Unchecked(row, FieldWhere(row, sectionColumn) + ": " +
                                  (known ? "no design class checks section \"" + row.Section + "\""
                                         : UnknownSectionText(row.Section)));
    }
    made = row.Section;
    return std::nullopt;
}

MemberResult Check(const MemberRow& row, bool withReport, CAiscDesign*& held, std::string& made)
{
    if (!row.Error.empty()) return Unchecked(row, row.Error);
    if (std::optional<MemberResult> unchecked = DesignFor(row, held, made)) return std::move(*unchecked);
    CAiscDesign* const design = held;

    MemberInputs inputs = LibraryInputs(row);
    const mvSect_AISC& record = design->GetSectionRecord();
    static const InputColumn& analysisIx = InputColumnNamed("AnalysisSectionIx");
    static const InputColumn& adjustment = InputColumnNamed("DeflectionAdjustmentRatio");
    // Deflections analysed with another section scale by the ratio of the
    // moments of inertia.
    const bool scaled = IsGiven(row, analysisIx) && !IsGiven(row, adjustment);
    if (scaled) inputs.DeflectionAdjustmentRatio = inputs.AnalysisSectionIx / record.Ix;
    // 360-22 runs the full check: Fu, the rupture notes and the connector note as under full rules.
    const DesignRules rules = EffectiveRules(row.Conventions);
    if (rules == DesignRules::Full) {
        // A member in tension (Pr = Pnt + B2 Plt, A-8-2) is checked for rupture, which needs Fu.
        const double pr = inputs.Pu + std::max(inputs.B2x, inputs.B2y) * inputs.Plt;
        static const InputColumn& fu = InputColumnNamed("Fu");
        if (pr < 0 && !IsGiven(row, fu) && TensileStrengthOfGrade(design->GetShapeCode(), inputs.Fy) == 0)
            return Unchecked(row, FieldWhere(row, fu) + ": not given, and no usual grade of " + row.Section +
                                      "'s family has Fy = " + Number(row.Inputs.Fy) +
                                      " ksi: give Fu for the tensile rupture check");
    }
    ApplyInputs(*design, inputs, row.Conventions);
    std::optional<std::ostringstream> report;  // made only when asked for: a stream is costly to make
    design->SetPrintFile(withReport ? &report.emplace() : nullptr);
    design->SetPrint(withReport);
    design->Calculate();

    MemberVerdict verdict = JudgeMember(*design);
    std::vector<std::string> notes;
    NoteLengthsNotGiven(notes, row, inputs, design->GetShapeCode());
    NoteShortLengths(notes, row, inputs, record, design->ChecksDeflection());
    if (scaled && design->ChecksDeflection())
        notes.push_back("deflections scaled by AnalysisSectionIx / Ix = " + Number(inputs.AnalysisSectionIx) + " / " +
                        Number(record.Ix) + " = " + Brief(inputs.DeflectionAdjustmentRatio));
    if (rules == DesignRules::Full) NoteRuptureAssumptions(notes, row, inputs, design->GetShapeCode());
    static const InputColumn& connectors = InputColumnNamed("ConnectorType");
    if (rules == DesignRules::Full && design->GetShapeCode() == kShape2L && inputs.Pu > 0 && !IsGiven(row, connectors))
        notes.push_back("ConnectorType not given: connectors taken as welded or pretensioned (E6-2)");
    for (const std::string& note : notes) (verdict.Message += verdict.Message.empty() ? "" : "; ") += note;
    const LimitStates states = design->GetLimitStates();
    const double axial = design->GetPu() / design->GetPhiPn();
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
        .DeflectionChecked = design->ChecksDeflection(),
        .TotalDeflectionRatio = design->GetTotalDeflectionRatio(),
        .LiveDeflectionRatio = design->GetLiveDeflectionRatio(),
        .Rules = DesignRulesText(design->GetDesignRules()),
        .Edition = EditionText(design->GetEdition()),
        .AxialRatio = axial,
        .MomentRatio = MomentRatioOf(axial, design->GetInteractionRatio()),
        .Limits = states,
        .Report = report ? report->str() : std::string(),
    };
}

std::string Html(const std::string& text) { return ToUtf8(EscapeHtml(FromUtf8(text).c_str()).c_str()); }

} // namespace

MemberResult RunMember(const MemberRow& row, bool withReport) noexcept
{
    MemberChecker checker;
    return checker.Run(row, withReport);
}

MemberResult MemberChecker::Run(const MemberRow& row, bool withReport) noexcept
{
    try {
        return Check(row, withReport, m_design, m_section);
    } catch (...) {
        // The object may be part-way through the row: it serves no other.
        Release();
        // Held without allocating, as the strings are short.
        MemberResult failed;
        failed.Status = "ERROR";
        failed.Message = "out of memory";
        return failed;
    }
}

void MemberChecker::Release() noexcept
{
    delete m_design;  // as DeleteAiscDesign does, without the instance
    m_design = nullptr;
    m_section.clear();
}

BlockCheckers::BlockCheckers(std::size_t rows, std::size_t blockSize)
    : m_rows(rows), m_blockSize(blockSize), m_checkers(new MemberChecker[(rows + blockSize - 1) / blockSize])
{
}

MemberResult BlockCheckers::Run(std::size_t i, const MemberRow& row, bool withReport) noexcept
{
    MemberChecker& checker = m_checkers[i / m_blockSize];
    MemberResult result = checker.Run(row, withReport);
    if ((i + 1) % m_blockSize == 0 || i + 1 == m_rows) checker.Release();
    return result;
}

void RunMembers(const std::vector<MemberRow>& rows, bool withReport, const std::function<void(MemberResult&&)>& done,
                unsigned threads)
{
    // The catalogue, the manager's index and the copy that design objects
    // read from, is loaded before the threads start.
    CSteelDesignManager::Instance();
    // One version of the catalogue file for the whole batch, read without a
    // stat per member (and the same section for every row that names it).
    const CataloguePin pin;
    constexpr std::size_t kBlockSize = 64;
    BlockCheckers checkers(rows.size(), kBlockSize);
    ComputeInOrder<MemberResult>(
        rows.size(), threads, kBlockSize, [&](std::size_t i) { return checkers.Run(i, rows[i], withReport); }, done);
}

void PrintMemberBlock(std::ostream& out, const MemberResult& result, std::string_view head)
{
    std::string title;
    for (const std::string* part : {&result.Id, &result.Combo, &result.Section}) {
        if (part->empty()) continue;
        if (!title.empty()) title += ", ";
        title += *part;
    }
    ProblemPrintArea area(&out, EscapeHtml(FromUtf8(title).c_str()).c_str(),
                          result.Edition == EditionText(Edition::Aisc360_22) ? L"AISC 360-22" : L"AISC 360-10");
    out << head;
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

std::string GoverningText(const LimitStates& states, bool equationsOnly)
{
    std::string text = GoverningCheckText(states.Check);
    const auto add = [&](Strength quantity, const char* separator) {
        if (equationsOnly) {
            if (const LimitState* governing = states.Governing(quantity)) (text += separator) += governing->Equation;
            return;
        }
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
