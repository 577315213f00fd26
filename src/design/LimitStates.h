// What governs a check: every limit state the last Calculate evaluated, with
// the strength it bounds, its name, the AISC 360-10 equation of its nominal
// value, that value, and whether it governs its strength; and the check whose
// ratio is the critical ratio. LimitStates is a value a host copies and keeps:
// a fixed capacity, texts that are static string literals, nothing allocated.
// The names are one vocabulary for every shape family (docs/coverage.md,
// "What governs").
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The nominal strengths a limit state bounds. A single angle's Mnx and Mny
// are about its principal axes w and z, as its PhiMnx and PhiMny are.
enum class Strength : std::uint8_t
{
    Pn,
    Mnx,
    Mny,
    Vnx,
    Vny,
};

// The check whose ratio is the critical ratio: one of the two H1-1
// interaction equations, or shear about one axis.
enum class GoverningCheck : std::uint8_t
{
    None,  // no Calculate since construction or ResetResult
    H1_1a,
    H1_1b,
    MajorShear,
    MinorShear,
};

struct LimitState
{
    const char* Name;      // from LimitStateName, e.g. "Lateral-torsional buckling"
    const char* Equation;  // e.g. "F2-2"; for compression, the equation of the critical stress Fcr
    double Nominal;        // the nominal strength: kips for Pn, Vnx, Vny; kip-ft for Mnx, Mny
    Strength Quantity;     // the strength it bounds
    bool Governs;          // the one whose value Calculate used for its strength
};

struct LimitStates
{
    static constexpr std::size_t Capacity = 16;  // a check records at most 10
    std::array<LimitState, Capacity> Entries{};
    std::size_t Count = 0;  // Entries beyond Count mean nothing
    GoverningCheck Check = GoverningCheck::None;
    double Ratio = 0;  // the governing check's ratio: GetCriticalRatio

    const LimitState* begin() const { return Entries.data(); }
    const LimitState* end() const { return Entries.data() + Count; }
    // The entry that governs quantity; null when none was recorded.
    const LimitState* Governing(Strength quantity) const;
};

// "Pn", "Mnx", "Mny", "Vnx", "Vny".
const char* StrengthText(Strength quantity);
// "H1-1a", "H1-1b", "Major shear", "Minor shear"; "" for None.
const char* GoverningCheckText(GoverningCheck check);

// The names of the limit states, the same for every shape family.
namespace LimitStateName {
inline constexpr const char* TensileYielding = "Tensile yielding";
inline constexpr const char* FlexuralBuckling = "Flexural buckling";
inline constexpr const char* FlexuralTorsionalBuckling = "Flexural-torsional buckling";
inline constexpr const char* CompressiveYielding = "Compressive yielding";
inline constexpr const char* Yielding = "Yielding";
inline constexpr const char* LateralTorsionalBuckling = "Lateral-torsional buckling";
inline constexpr const char* CompressionFlangeYielding = "Compression flange yielding";
inline constexpr const char* FlangeLocalBuckling = "Flange local buckling";
inline constexpr const char* WebLocalBuckling = "Web local buckling";
inline constexpr const char* LocalBuckling = "Local buckling";
inline constexpr const char* StemLocalBuckling = "Stem local buckling";
inline constexpr const char* LegLocalBuckling = "Leg local buckling";
inline constexpr const char* ShearYielding = "Shear yielding";
inline constexpr const char* ShearBuckling = "Shear buckling";
} // namespace LimitStateName

// Fills a LimitStates while a check runs: the check sequence opens each
// strength before the shape's step and marks what governed it after; the
// limit states add themselves where they compute their nominal values.
class LimitStateRecorder
{
public:
    void Clear()
    {
        m_record.Count = 0;
        m_record.Check = GoverningCheck::None;
        m_record.Ratio = 0;
    }
    // The strength the limit states added from now on bound.
    void Open(Strength quantity) { m_quantity = quantity; }
    void Add(const char* name, const char* equation, double nominal)
    {
        if (m_record.Count < LimitStates::Capacity)
            m_record.Entries[m_record.Count++] = {name, equation, nominal, m_quantity, false};
    }
    // Adds the entries of another strength again for the open one (a round
    // section's shear strength is the same about both axes).
    void Repeat(Strength from);
    // The equation of the critical stress that the next compressive strength
    // is formed from (E3-1, E4-1 and E7-1 only multiply it by the area).
    void NoteCriticalStress(const char* equation) { m_criticalStress = equation; }
    const char* CriticalStress() const { return m_criticalStress; }
    // Marks as governing the first entry of the open strength whose nominal
    // value is, bit for bit, the strength the check used.
    void Govern(double used);
    void Conclude(GoverningCheck check, double ratio)
    {
        m_record.Check = check;
        m_record.Ratio = ratio;
    }
    const LimitStates& Record() const { return m_record; }

private:
    LimitStates m_record;
    Strength m_quantity = Strength::Pn;
    const char* m_criticalStress = "";
};
