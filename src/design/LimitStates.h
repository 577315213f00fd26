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

#include "Equations.h"

#include "../platform/Export.h"

namespace zorsteel {

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
inline constexpr std::size_t kStrengthCount = 5;

// The check whose ratio is the critical ratio: one of the two H1-1
// interaction equations, or shear about one axis.
enum class GoverningCheck : std::uint8_t
{
    None, // no Calculate since construction or ResetResult
    H1_1a,
    H1_1b,
    MajorShear,
    MinorShear,
};

struct LimitState
{
    const char* Name;     // e.g. "Lateral-torsional buckling"
    const char* Equation; // e.g. "F2-2"; for compression, the equation of the critical stress Fcr
    double Nominal;       // the nominal strength: kips for Pn, Vnx, Vny; kip-ft for Mnx, Mny
    Strength Quantity;    // the strength it bounds
    bool Governs;         // the one whose value Calculate used for its strength
};

struct ZORSTEEL_API LimitStates
{
    static constexpr std::size_t Capacity = 12; // a check records at most 10
    std::array<LimitState, Capacity> Entries{};
    std::size_t Count = 0; // Entries beyond Count mean nothing
    GoverningCheck Check = GoverningCheck::None;
    double Ratio = 0; // the governing check's ratio: GetCriticalRatio

    const LimitState* begin() const { return Entries.data(); }
    const LimitState* end() const { return Entries.data() + Count; }
    // The entry that governs quantity; null when none was recorded.
    const LimitState* Governing(Strength quantity) const;
};

// "Pn", "Mnx", "Mny", "Vnx", "Vny".
ZORSTEEL_API const char* StrengthText(Strength quantity);
// "H1-1a", "H1-1b", "Major shear", "Minor shear"; "" for None.
ZORSTEEL_API const char* GoverningCheckText(GoverningCheck check);

// Fills a LimitStates while a check runs, at the cost of a few stores: the
// check sequence opens each strength before the shape's step and keeps the
// nominal value the step returned; the limit states add themselves where
// they compute their nominal values. Which entry governs is found when the
// record is read, never while checking.
class ZORSTEEL_API LimitStateRecorder
{
public:
    void Clear() { m_count = 0; }
    // The strength the limit states added from now on bound.
    void Open(Strength quantity) { m_quantity = quantity; }
    // A limit state whose nominal value equation gives.
    void Add(LimitStateEquation equation, double nominal) { Add(equation.Name(), equation.Id(), nominal); }
    // A limit state named apart from its equation: shear yielding or buckling
    // by Cv, both G2-1.
    void Add(LimitStateName name, Equation equation, double nominal)
    {
        if (m_count < LimitStates::Capacity) m_entries[m_count++] = {nominal, name, equation, m_quantity};
    }
    // A compressive strength, the critical stress times the area (E3-1, E4-1):
    // recorded under pnEquation's limit state with the equation of the critical
    // stress noted last.
    void AddOnCriticalStress(LimitStateEquation pnEquation, double pn) { Add(pnEquation.Name(), m_criticalStress, pn); }
    // Adds the last entry again for the open strength (a round section's
    // shear strength is the same about both axes).
    void RepeatLast()
    {
        if (m_count == 0) return;
        const Entry last = m_entries[m_count - 1];
        Add(last.name, last.equation, last.nominal);
    }
    // The nominal value the check used for the open strength.
    void Use(double nominal) { m_used[static_cast<std::size_t>(m_quantity)] = nominal; }
    // The equation of the critical stress that the next compressive strength
    // is formed from (E3-1, E4-1 and E7-1 only multiply it by the area).
    void NoteCriticalStress(Equation equation) { m_criticalStress = equation; }
    // The H1-1 equation the check used.
    void NoteInteraction(GoverningCheck equation) { m_interaction = equation; }
    GoverningCheck Interaction() const { return m_interaction; }
    // The entries with their texts, each strength governed by the first of
    // its entries whose nominal value is, bit for bit, the one the check
    // used. Check and Ratio are left for the design object to fill.
    // Equations are labelled as edition numbers them.
    LimitStates Record(Edition edition = Edition::Aisc360_10) const;

private:
    struct Entry
    {
        double nominal;
        LimitStateName name;
        Equation equation;
        Strength quantity;
    };
    std::array<Entry, LimitStates::Capacity> m_entries{};
    std::array<double, kStrengthCount> m_used{};
    std::size_t m_count = 0;
    Strength m_quantity = Strength::Pn;
    Equation m_criticalStress = Equation::E3_2;
    GoverningCheck m_interaction = GoverningCheck::None;
};

} // namespace zorsteel
