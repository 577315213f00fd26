#include "LimitStates.h"

#include <bit>

const LimitState* LimitStates::Governing(Strength quantity) const
{
    for (const LimitState& entry : *this)
        if (entry.Quantity == quantity && entry.Governs) return &entry;
    return nullptr;
}

const char* StrengthText(Strength quantity)
{
    switch (quantity) {
    case Strength::Pn: return "Pn";
    case Strength::Mnx: return "Mnx";
    case Strength::Mny: return "Mny";
    case Strength::Vnx: return "Vnx";
    case Strength::Vny: return "Vny";
    }
    return "";
}

const char* GoverningCheckText(GoverningCheck check)
{
    switch (check) {
    case GoverningCheck::H1_1a: return "H1-1a";
    case GoverningCheck::H1_1b: return "H1-1b";
    case GoverningCheck::MajorShear: return "Major shear";
    case GoverningCheck::MinorShear: return "Minor shear";
    case GoverningCheck::None: break;
    }
    return "";
}

void LimitStateRecorder::Repeat(Strength from)
{
    const std::size_t count = m_record.Count;
    for (std::size_t i = 0; i < count; ++i) {
        const LimitState& entry = m_record.Entries[i];
        if (entry.Quantity == from) Add(entry.Name, entry.Equation, entry.Nominal);
    }
}

void LimitStateRecorder::Govern(double used)
{
    // Bits, not ==: a strength that is not a number still finds the entry it came from.
    for (std::size_t i = 0; i < m_record.Count; ++i) {
        LimitState& entry = m_record.Entries[i];
        if (entry.Quantity == m_quantity &&
            std::bit_cast<std::uint64_t>(entry.Nominal) == std::bit_cast<std::uint64_t>(used)) {
            entry.Governs = true;
            return;
        }
    }
}
