#include "MemberVerdict.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "../catalogue/DesignFactory.h"
#include "../section/mvSect_AISC.h"
#include "../design/CAiscDesign.h"

namespace zorsteel {

namespace {

class Verdict
{
public:
    void Fail(std::string_view reason)
    {
        m_verdict.Status = MemberStatus::NG;
        Say(reason);
    }
    void Say(std::string_view text)
    {
        if (!m_verdict.Message.empty()) m_verdict.Message += "; ";
        m_verdict.Message += text;
    }
    MemberVerdict Take() { return std::move(m_verdict); }

private:
    MemberVerdict m_verdict{MemberStatus::OK, {}};
};

struct EffectiveLength
{
    double k, l;
    const char* kName;
    const char* lName;
};

// A non-finite axial strength comes from an E4 flexural-torsional buckling
// length left at zero: channels read Kx Lx (Fey about their axis of symmetry)
// and Kz Lz (Fez with Cw); tees and double angles read Ky Ly (Fey of E4-8;
// their Fez omits Cw and reads no length). Names what to set.
std::string AxialStrengthReason(const CAiscDesign& design)
{
    std::string reason = "axial strength is not finite: ";
    const EffectiveLength x{design.GetKx(), design.GetLx(), "Kx", "Lx"};
    const EffectiveLength y{design.GetKy(), design.GetLy(), "Ky", "Ly"};
    const EffectiveLength z{design.GetKz(), design.GetLz(), "Kz", "Lz"};
    std::string missing;
    auto need = [&](const EffectiveLength& length) {
        if (length.k * length.l != 0) return;
        if (!missing.empty()) missing += " and ";
        missing += length.l == 0 ? length.lName : length.kName;
    };
    switch (design.GetShapeCode()) {
    case kShapeC:
    case kShapeMC:
        need(z);
        need(x);
        break;
    case kShapeWT:
    case kShapeMT:
    case kShapeST:
    case kShape2L: need(y); break;
    default: break;
    }
    if (missing.empty()) return reason + "check the lengths and K factors";
    return reason + "set " + missing + " for flexural-torsional buckling (E4)";
}

// What an input may hold: the command refuses the same in a member file.
enum class Range
{
    Finite,
    Positive,     // Fy, Cb
    NonNegative,  // lengths, K factors, the connectors' spacing
};

struct Input
{
    const char* name;
    double (CAiscDesign::*get)() const;
    Range range;
};

constexpr Input kInputs[] = {
    {"Fy", &CAiscDesign::GetFy, Range::Positive},          {"Pu", &CAiscDesign::GetPu, Range::Finite},
    {"Mux", &CAiscDesign::GetMux, Range::Finite},          {"Muy", &CAiscDesign::GetMuy, Range::Finite},
    {"Cmx", &CAiscDesign::GetCmx, Range::Finite},          {"Cmy", &CAiscDesign::GetCmy, Range::Finite},
    {"Vux", &CAiscDesign::GetVux, Range::Finite},          {"Vuy", &CAiscDesign::GetVuy, Range::Finite},
    {"Cb", &CAiscDesign::GetCb, Range::Positive},          {"Lb", &CAiscDesign::GetLb, Range::NonNegative},
    {"Kx", &CAiscDesign::GetKx, Range::NonNegative},       {"Ky", &CAiscDesign::GetKy, Range::NonNegative},
    {"Lx", &CAiscDesign::GetLx, Range::NonNegative},       {"Ly", &CAiscDesign::GetLy, Range::NonNegative},
    {"Kz", &CAiscDesign::GetKz, Range::NonNegative},       {"Lz", &CAiscDesign::GetLz, Range::NonNegative},
    {"ConnectorDistance", &CAiscDesign::GetConnectorDistance, Range::NonNegative},
};

std::string Number(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Inputs the check cannot take as given: a length below zero is taken as
// braced, an infinite one gives F2-4 a stress that std::min passes over.
void JudgeInputs(Verdict& verdict, const CAiscDesign& design)
{
    for (const Input& input : kInputs) {
        const double value = (design.*input.get)();
        if (!std::isfinite(value))
            verdict.Fail(std::string(input.name) + " is not a finite number");
        else if (input.range == Range::Positive && !(value > 0))
            verdict.Fail(std::string(input.name) + " must be above 0, not " + Number(value));
        else if (input.range == Range::NonNegative && value < 0)
            verdict.Fail(std::string(input.name) + " must not be negative, not " + Number(value));
    }
}

// A strength that a ratio can be taken against: finite and not below zero
// (demand over a negative strength would pass any demand).
bool Usable(double strength) { return std::isfinite(strength) && !(strength < 0); }

// A ratio that fails: outside 0 to 1.0, or not a number. Only told when its
// strengths are usable, as a strength that is not has been told already.
void JudgeRatio(Verdict& verdict, double ratio, bool strengthsUsable, const char* label)
{
    if (ratio >= 0 && ratio <= 1.0) return;
    if (!strengthsUsable) return;
    verdict.Fail(std::string(label) + (!std::isfinite(ratio) ? " is not finite" : ratio < 0 ? " is negative" : " above 1.0"));
}

// A tee's or double angle's major-axis strength depends on the sign of Mux
// (F9-2 or F9-3, flange or stem local buckling, the sign of B in F9-4): the
// check takes Mux < 0 as the stem (a double angle's back-to-back legs) in
// compression, and Mux > 0 as the flange (its outstanding legs) in
// compression. Told, since elsewhere moments count by their magnitudes.
void SayMomentSign(Verdict& verdict, const CAiscDesign& design)
{
    const double mux = design.GetMux();
    if (mux == 0 || std::isnan(mux)) return;
    switch (design.GetShapeCode()) {
    case kShapeWT:
    case kShapeMT:
    case kShapeST:
        verdict.Say(mux < 0 ? "stem in compression (Mux < 0)" : "flange in compression, stem in tension (Mux > 0)");
        break;
    case kShape2L:
        verdict.Say(mux < 0 ? "back-to-back legs' tips in compression (Mux < 0)"
                            : "outstanding legs' tips in compression (Mux > 0)");
        break;
    default: break;
    }
}

} // namespace

MemberVerdict JudgeMember(const CAiscDesign& design) noexcept
{
    try {
        Verdict verdict;
        JudgeInputs(verdict, design);
        // Numbers that are not the named section's, or no numbers at all.
        if (design.GetShapeCode() == kShapeNone)
            verdict.Fail("no catalogue section: the section name was not found (the numbers are not a section's)");
        else if (!IsDesignClassOf(design, design.GetShapeCode()))
            verdict.Fail("the section's family (shape code " + std::to_string(design.GetShapeCode()) +
                         ") is not one its design class checks");
        const struct
        {
            const char* name;
            double value;
        } strengths[] = {{"axial", design.GetPhiPn()},
                         {"major-axis flexural", design.GetPhiMnx()},
                         {"minor-axis flexural", design.GetPhiMny()},
                         {"major-axis shear", design.GetPhiVnx()},
                         {"minor-axis shear", design.GetPhiVny()}};
        if (std::ranges::all_of(strengths, [](const auto& strength) { return strength.value == 0; }))
            verdict.Fail("no design strength: not calculated, or a section without properties");
        switch (design.GetErrorCode()) {
        case 2:
            verdict.Say(design.GetEdition() == Edition::Aisc360_22 ? "Lc/r above 200 (the verdict is that of the ratios)"
                                                                   : "KL/r above 200 (the verdict is that of the ratios)");
            break;
        case 3: verdict.Fail("D/t above 0.45 E/Fy: outside the range of the round-HSS equations (never OK)"); break;
        case 4: verdict.Fail("axial load above the Euler load: B1 taken as 1.0, the member is unstable (never OK)"); break;
        case 5: verdict.Fail("Fu not known: tensile rupture not checked (never OK); give Fu"); break;
        default: break;
        }
        for (const auto& strength : strengths) {
            if (!std::isfinite(strength.value) && !(&strength == strengths && design.GetErrorCode() == 5))
                // the axial one names the length to set (without Fu, code 5 has told why)
                verdict.Fail(&strength == strengths ? AxialStrengthReason(design)
                                                    : std::string(strength.name) + " strength is not finite");
            else if (strength.value < 0)
                verdict.Fail(std::string(strength.name) + " strength is negative: Fy or a section property below zero?");
        }

        const bool axial = Usable(design.GetPhiPn()), major = Usable(design.GetPhiMnx()),
                   minor = Usable(design.GetPhiMny());
        JudgeRatio(verdict, design.GetInteractionRatio(), axial && major && minor, "axial-flexural interaction ratio");
        JudgeRatio(verdict, design.GetVxRatio(), Usable(design.GetPhiVnx()), "major-axis shear ratio");
        JudgeRatio(verdict, design.GetVyRatio(), Usable(design.GetPhiVny()), "minor-axis shear ratio");
        if (design.ChecksDeflection()) {
            JudgeRatio(verdict, design.GetTotalDeflectionRatio(), true, "total-load deflection ratio");
            JudgeRatio(verdict, design.GetLiveDeflectionRatio(), true, "live-load deflection ratio");
        }

        // What a user must know where the calculation departs from AISC.
        // Under full rules, only where they could not apply.
        const bool full = design.GetDesignRules() == DesignRules::Full;
        if (design.GetPu() > 0) {
            if (design.GetCompressionNote())
                verdict.Say(design.GetCompressionNote());
            else if (design.GetShapeCode() == kShapeL && full && design.GetAngleConnectedLeg() == AngleLeg::Short &&
                !design.AppliedSingleAngleSlenderness())
                verdict.Say("single angle connected by its short leg with bl / bs of 1.7 or more: outside E5, "
                            "Lx is taken as the effective length about z (Kx Lx / rz)");
            else if (design.GetShapeCode() == kShapeL && design.GetEdition() == Edition::Aisc360_22 &&
                     !design.AppliedSingleAngleSlenderness())
                verdict.Say("single angle: the longer of Kx Lx and Ky Ly is taken as the effective length about z "
                            "(no E5), so for an angle connected by one leg give AngleConnectedLeg (long or short) for E5");
            else if (design.GetShapeCode() == kShapeL && full && !design.AppliedSingleAngleSlenderness())
                verdict.Say("single angle: Lx is taken as the effective length about z (Kx Lx / rz, no E5), "
                            "so for an angle connected by one leg give AngleConnectedLeg (long or short) for E5");
            else if (design.GetShapeCode() == kShapeL && !design.AppliedSingleAngleSlenderness())
                verdict.Say("single angle: Lx is taken as the effective length about z (Kx Lx / rz, no E5), "
                            "so for an angle connected by one leg enter the E5 equivalent length as Lx");
            if (design.AppliedSingleAngleFlexuralTorsional())
                verdict.Say("single angle with a long leg b/t above 0.71 sqrt(E/Fy): flexural-torsional buckling "
                            "checked by E4 on the gross area, flexural and local buckling by E7 with Fn of E3");
            if (design.GetShapeCode() == kShape2L && !full)
                verdict.Say("double angle: connectors are taken as welded or pretensioned (E6), "
                            "snug-tight bolted connectors are not covered");
        }
        SayMomentSign(verdict, design);
        return verdict.Take();
    } catch (...) {  // no memory for the message: never a false OK
        return {MemberStatus::NG, {}};
    }
}

const char* StatusText(MemberStatus status) { return status == MemberStatus::OK ? "OK" : "NG"; }

} // namespace zorsteel
