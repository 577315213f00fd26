#include "MemberVerdict.h"

#include <cmath>
#include <string>
#include <string_view>

#include "../catalogue/DesignFactory.h"
#include "../catalogue/mvSect_AISC.h"
#include "../design/CAiscDesign.h"

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

// A ratio that fails: not finite, or above 1.0. Only told when its strengths
// are finite, as a non-finite strength has been told already.
void JudgeRatio(Verdict& verdict, double ratio, bool strengthsFinite, const char* label)
{
    if (ratio <= 1.0 || !strengthsFinite) return;
    verdict.Fail(std::string(label) + (std::isfinite(ratio) ? " above 1.0" : " is not finite"));
}

} // namespace

MemberVerdict JudgeMember(const CAiscDesign& design) noexcept
{
    try {
        Verdict verdict;
        // Numbers that are not the named section's, or no numbers at all.
        if (design.GetShapeCode() == kShapeNone)
            verdict.Fail("no catalogue section: the section name was not found (the numbers are not a section's)");
        else if (!IsDesignClassOf(design, design.GetShapeCode()))
            verdict.Fail("the section's family (shape code " + std::to_string(design.GetShapeCode()) +
                         ") is not one this design class checks");
        if (design.GetPhiPn() == 0 && design.GetPhiMnx() == 0 && design.GetPhiMny() == 0 && design.GetPhiVnx() == 0 &&
            design.GetPhiVny() == 0)
            verdict.Fail("no design strength: not calculated, or a section without properties");
        switch (design.GetErrorCode()) {
        case 2: verdict.Say("KL/r above 200 (the verdict is that of the ratios)"); break;
        case 3: verdict.Fail("D/t above 0.45 E/Fy: outside the range of the round-HSS equations (never OK)"); break;
        case 4: verdict.Fail("axial load above the Euler load: B1 taken as 1.0, the member is unstable (never OK)"); break;
        default: break;
        }

        const bool axialFinite = std::isfinite(design.GetPhiPn());
        const bool majorFinite = std::isfinite(design.GetPhiMnx());
        const bool minorFinite = std::isfinite(design.GetPhiMny());
        if (!axialFinite) verdict.Fail(AxialStrengthReason(design));
        if (!majorFinite) verdict.Fail("major-axis flexural strength is not finite");
        if (!minorFinite) verdict.Fail("minor-axis flexural strength is not finite");
        const bool shearXFinite = std::isfinite(design.GetPhiVnx());
        const bool shearYFinite = std::isfinite(design.GetPhiVny());
        if (!shearXFinite) verdict.Fail("major-axis shear strength is not finite");
        if (!shearYFinite) verdict.Fail("minor-axis shear strength is not finite");

        JudgeRatio(verdict, design.GetInteractionRatio(), axialFinite && majorFinite && minorFinite,
                   "axial-flexural interaction ratio");
        JudgeRatio(verdict, design.GetVxRatio(), shearXFinite, "major-axis shear ratio");
        JudgeRatio(verdict, design.GetVyRatio(), shearYFinite, "minor-axis shear ratio");

        // What a user must know where the calculation departs from AISC.
        if (design.GetPu() > 0) {
            if (design.GetShapeCode() == kShapeL)
                verdict.Say("single angle: Lx is taken as the effective length about z (Kx Lx / rz, no E5), "
                            "so for an angle connected by one leg enter the E5 equivalent length as Lx");
            if (design.GetShapeCode() == kShape2L)
                verdict.Say("double angle: connectors are taken as welded or pretensioned (E6), "
                            "snug-tight bolted connectors are not covered");
        }
        return verdict.Take();
    } catch (...) {  // no memory for the message: never a false OK
        return {MemberStatus::NG, {}};
    }
}

const char* StatusText(MemberStatus status) { return status == MemberStatus::OK ? "OK" : "NG"; }
