#include "LimitStates.h"

#include <bit>

namespace zorsteel {

namespace {

// One text for each enumerator, in order: the table ends at the last one.
template <auto Last, std::size_t N> constexpr bool Covers(const char* const (&)[N])
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
    static constexpr const char* kTexts[] = {"", EquationLabel(Equation::H1_1a), EquationLabel(Equation::H1_1b),
                                             "Major shear", "Minor shear"};
    static_assert(Covers<GoverningCheck::MinorShear>(kTexts));
    return kTexts[static_cast<std::size_t>(check)];
}

LimitStates LimitStateRecorder::Record(Edition edition) const
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
        // An equation the edition does not have keeps its 360-10 label: never a null text.
        const char* label = EquationLabel(entry.equation, edition);
        if (!label) label = EquationLabel(entry.equation);
        record.Entries[i] = {LimitStateNameText(entry.name), label, entry.nominal, entry.quantity, governs};
    }
    record.Count = m_count;
    return record;
}

} // namespace zorsteel
