#include "LimitStates.h"

#include <bit>

namespace {

// One text for each enumerator, in order: the table ends at the last one.
template <auto Last, std::size_t N>
constexpr bool Covers(const char* const (&)[N])
{
    return N == static_cast<std::size_t>(Last) + 1;
}

} // namespace

const LimitState* LimitStates::Governing(Strength quantity) const
{
    for (const LimitState& entry : *this)
        if (entry.Quantity == quantity && entry.Governs) return &entry;
    return nullptr;
}

const char* StrengthText(Strength quantity)
{
    static constexpr const char* kTexts[] = {"Pn", "Mnx", "Mny", "Vnx", "Vny"};
    static_assert(Covers<Strength::Vny>(kTexts));
    return kTexts[static_cast<std::size_t>(quantity)];
}

const char* GoverningCheckText(GoverningCheck check)
{
    static constexpr const char* kTexts[] = {"", "H1-1a", "H1-1b", "Major shear", "Minor shear"};
    static_assert(Covers<GoverningCheck::MinorShear>(kTexts));
    return kTexts[static_cast<std::size_t>(check)];
}

const char* LimitStateNameText(LimitStateName name)
{
    static constexpr const char* kTexts[] = {
        "Tensile yielding",
        "Flexural buckling",
        "Flexural-torsional buckling",
        "Compressive yielding",
        "Yielding",
        "Lateral-torsional buckling",
        "Compression flange yielding",
        "Flange local buckling",
        "Web local buckling",
        "Local buckling",
        "Stem local buckling",
        "Leg local buckling",
        "Shear yielding",
        "Shear buckling",
    };
    static_assert(Covers<LimitStateName::ShearBuckling>(kTexts));
    return kTexts[static_cast<std::size_t>(name)];
}

const char* AiscEquationText(AiscEquation equation)
{
    static constexpr const char* kTexts[] = {
        "D2-1",
        "E3-2", "E3-3", "E4-2", "E7-2", "E7-3", "Py = Fy Ag",
        "F2-1", "F2-2", "F2-3", "F3-1", "F3-2", "F5-1", "F5-2", "F5-7", "F6-1", "F6-2", "F6-3",
        "F7-1", "F7-2", "F7-3", "F7-5", "F8-1", "F8-2", "F8-3",
        "F9-2", "F9-3", "F9-4", "F9-6", "F9-7", "F9-8", "F10-1", "F10-2", "F10-3", "F10-7", "F10-8",
        "G2-1", "G6-1",
    };
    static_assert(Covers<AiscEquation::G6_1>(kTexts));
    return kTexts[static_cast<std::size_t>(equation)];
}

LimitStates LimitStateRecorder::Record() const
{
    LimitStates record;
    std::array<bool, kStrengthCount> found{};
    for (std::size_t i = 0; i < m_count; ++i) {
        const Entry& entry = m_entries[i];
        const std::size_t quantity = static_cast<std::size_t>(entry.quantity);
        // Bits, not ==: a strength that is not a number still finds the entry it came from.
        const bool governs = !found[quantity] && std::bit_cast<std::uint64_t>(entry.nominal) ==
                                                     std::bit_cast<std::uint64_t>(m_used[quantity]);
        found[quantity] = found[quantity] || governs;
        record.Entries[i] = {LimitStateNameText(entry.name), AiscEquationText(entry.equation), entry.nominal,
                             entry.quantity, governs};
    }
    record.Count = m_count;
    return record;
}
