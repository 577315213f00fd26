// The AISC 360 equations the library writes into a report or records as the
// equation of a limit state, each named once: its label ("F2-6"), the image
// the report shows it by ("Eq.F2-6.png", rendered from tools/equations.tsv)
// and, where the equation gives the nominal strength of a limit state, that
// limit state's name. Code names a row by its Equation, so a misspelt
// equation does not compile.
//
// Enumerators are named by the 360-10 label. The 360-22 column gives the
// label and image of the row in that edition where they differ (renumbered,
// or the same number with another formula); an equation 360-22 added has no
// 360-10 label and an enumerator named by its 360-22 label with "_22"
// (E7_1_22). A new provision is one enumerator and one row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>

#include "../platform/Export.h"
#include "DesignRules.h"

namespace zorsteel {

// The names of the limit states, the same for every shape family.
enum class LimitStateName : std::uint8_t
{
    TensileYielding,
    FlexuralBuckling,
    FlexuralTorsionalBuckling,
    CompressiveYielding,
    Yielding,
    LateralTorsionalBuckling,
    CompressionFlangeYielding,
    FlangeLocalBuckling,
    WebLocalBuckling,
    LocalBuckling,
    StemLocalBuckling,
    LegLocalBuckling,
    ShearYielding,
    ShearBuckling,
    TensileRupture,
};

// "Tensile yielding", "Lateral-torsional buckling", ...
ZORSTEEL_API const char* LimitStateNameText(LimitStateName name);

// SquashLoad is Py = Fy Ag, the squash load that AISC 360-10 defines in
// Chapter C without numbering it.
enum class Equation : std::uint8_t
{
    A_8_1,
    A_8_2,
    A_8_3,
    A_8_5,
    C2_2a,
    C2_2b,
    D2_1,
    D2_2,
    D3_1,
    E3_1,
    E3_2,
    E3_3,
    E3_4,
    E4_1,
    E4_2,
    E4_3,
    E4_4,
    E4_5,
    E4_8,
    E4_9,
    E4_10,
    E4_11,
    E5_1,
    E5_2,
    E5_3,
    E5_4,
    E6_1,
    E6_2a,
    E6_2b,
    E7_2,
    E7_3,
    E7_4,
    E7_5,
    E7_6,
    E7_10,
    E7_11,
    E7_12,
    E7_13,
    E7_14,
    E7_15,
    E7_16,
    E7_17,
    E7_18,
    E7_19,
    F2_1,
    F2_2,
    F2_3,
    F2_4,
    F2_5,
    F2_6,
    F2_7,
    F2_8b,
    F3_1,
    F3_2,
    F4_7,
    F4_11,
    F4_12,
    F5_1,
    F5_2,
    F5_3,
    F5_4,
    F5_5,
    F5_6,
    F5_7,
    F5_8,
    F5_9,
    F6_1,
    F6_2,
    F6_3,
    F6_4,
    F7_1,
    F7_2,
    F7_3,
    F7_4,
    F7_5,
    F8_1,
    F8_2,
    F8_3,
    F8_4,
    F9_1,
    F9_2,
    F9_3,
    F9_4,
    F9_5,
    F9_6,
    F9_7,
    F9_8,
    F9_9,
    F9_10,
    F9_11,
    F10_1,
    F10_2,
    F10_3,
    F10_4,
    F10_5,
    F10_7,
    F10_8,
    F10_9,
    G2_1,
    G2_2,
    G2_3,
    G2_4,
    G2_5,
    G6_1,
    G6_2b,
    H1_1a,
    H1_1b,
    // Chapter E, new in 360-22.
    E4_4_22,
    E4_5_22,
    E7_1_22,
    E7_2_22,
    E7_3_22,
    E7_5_22,
    // ---- 360-22: flexure and shear (F, G) ----
    F7_7_22,
    F7_8_22,
    F7_9_22,
    F7_10_22,
    F7_11_22,
    F9_3_22,
    F9_5_22,
    F9_6_22,
    F9_7_22,
    F9_8_22,
    F9_9_22,
    F9_12_22,
    F9_13_22,
    G2_3_22,
    G2_4_22,
    G3_1_22,
    G4_1_22,
    G6_1_22,
    SquashLoad,
};

// The 360-22 label of a row whose equation 360-22 does not have (its
// number means another equation there): no label and no image in 360-22.
inline constexpr char kNotIn360_22[] = "(not in 360-22)";

struct EquationRow
{
    Equation Id;
    const char* Label;    // "F2-6"
    const wchar_t* Image; // "Eq.F2-6.png"; null where the report shows the equation by another's image
                          // (F5-1 by F5-2's) or by one image per axis (F10-1: "Mnw.png", "Mnz.png")
    std::optional<LimitStateName> LimitState; // none for a stress, a length, a factor or a ratio
    // The 360-22 column: null where 360-22 writes the equation as 360-10
    // does, under the same number.
    const char* Label22 = nullptr;
    const wchar_t* Image22 = nullptr;
};

inline constexpr EquationRow kEquationTable[] = {
    {Equation::A_8_1, "A-8-1", L"Eq.A-8-1.png", std::nullopt},
    {Equation::A_8_2, "A-8-2", L"Eq.A-8-2.png", std::nullopt},
    {Equation::A_8_3, "A-8-3", L"Eq.A-8-3.png", std::nullopt},
    {Equation::A_8_5, "A-8-5", L"Eq.A-8-5.png", std::nullopt},
    {Equation::C2_2a, "C2-2a", L"Eq.C2-2a.png", std::nullopt},
    {Equation::C2_2b, "C2-2b", L"Eq.C2-2b.png", std::nullopt},
    {Equation::D2_1, "D2-1", L"Eq.D2-1.png", LimitStateName::TensileYielding},
    {Equation::D2_2, "D2-2", L"Eq.D2-2.png", LimitStateName::TensileRupture},
    {Equation::D3_1, "D3-1", L"Eq.D3-1.png", std::nullopt},
    {Equation::E3_1, "E3-1", L"Eq.E3-1.png", LimitStateName::FlexuralBuckling, "E3-1", L"Eq22.E3-1.png"},
    {Equation::E3_2, "E3-2", L"Eq.E3-2.png", std::nullopt, "E3-2", L"Eq22.E3-2.png"},
    {Equation::E3_3, "E3-3", L"Eq.E3-3.png", std::nullopt, "E3-3", L"Eq22.E3-3.png"},
    {Equation::E3_4, "E3-4", L"Eq.E3-4.png", std::nullopt, "E3-4", L"Eq22.E3-4.png"},
    {Equation::E4_1, "E4-1", L"Eq.E4-1.png", LimitStateName::FlexuralTorsionalBuckling, "E4-1", L"Eq22.E4-1.png"},
    {Equation::E4_2, "E4-2", L"Eq.E4-2.png", std::nullopt, kNotIn360_22, nullptr},
    {Equation::E4_3, "E4-3", L"Eq.E4-3.png", std::nullopt, kNotIn360_22, nullptr},
    {Equation::E4_4, "E4-4", L"Eq.E4-4.png", std::nullopt, "E4-2", L"Eq22.E4-2.png"},
    {Equation::E4_5, "E4-5", L"Eq.E4-5.png", std::nullopt, "E4-3", L"Eq22.E4-3.png"},
    {Equation::E4_8, "E4-8", L"Eq.E4-8.png", std::nullopt, "E4-6", L"Eq22.E4-6.png"},
    {Equation::E4_9, "E4-9", L"Eq.E4-9.png", std::nullopt, "E4-7", L"Eq22.E4-7.png"},
    {Equation::E4_10, "E4-10", L"Eq.E4-10.png", std::nullopt, "E4-8", L"Eq22.E4-8.png"},
    {Equation::E4_11, "E4-11", L"Eq.E4-11.png", std::nullopt, "E4-9", L"Eq22.E4-9.png"},
    {Equation::E5_1, "E5-1", L"Eq.E5-1.png", std::nullopt, "E5-1", L"Eq22.E5-1.png"},
    {Equation::E5_2, "E5-2", L"Eq.E5-2.png", std::nullopt, "E5-2", L"Eq22.E5-2.png"},
    {Equation::E5_3, "E5-3", L"Eq.E5-3.png", std::nullopt, "E5-3", L"Eq22.E5-3.png"},
    {Equation::E5_4, "E5-4", L"Eq.E5-4.png", std::nullopt, "E5-4", L"Eq22.E5-4.png"},
    {Equation::E6_1, "E6-1", L"Eq.E6-1.png", std::nullopt, "E6-1", L"Eq22.E6-1.png"},
    {Equation::E6_2a, "E6-2a", L"Eq.E6-2a.png", std::nullopt, "E6-2a", L"Eq22.E6-2a.png"},
    {Equation::E6_2b, "E6-2b", L"Eq.E6-2b.png", std::nullopt, "E6-2b", L"Eq22.E6-2b.png"},
    {Equation::E7_2, "E7-2", L"Eq.E7-2.png", std::nullopt, kNotIn360_22, nullptr},
    {Equation::E7_3, "E7-3", L"Eq.E7-3.png", std::nullopt, kNotIn360_22, nullptr},
    {Equation::E7_4, "E7-4", L"Eq.E7-4.png", std::nullopt, kNotIn360_22, nullptr},
    {Equation::E7_5, "E7-5", L"Eq.E7-5.png", std::nullopt, kNotIn360_22, nullptr},
    {Equation::E7_6, "E7-6", L"Eq.E7-6.png", std::nullopt, kNotIn360_22, nullptr},
    {Equation::E7_10, "E7-10", L"Eq.E7-10.png", std::nullopt},
    {Equation::E7_11, "E7-11", L"Eq.E7-11.png", std::nullopt},
    {Equation::E7_12, "E7-12", L"Eq.E7-12.png", std::nullopt},
    {Equation::E7_13, "E7-13", L"Eq.E7-13.png", std::nullopt},
    {Equation::E7_14, "E7-14", L"Eq.E7-14.png", std::nullopt},
    {Equation::E7_15, "E7-15", L"Eq.E7-15.png", std::nullopt},
    {Equation::E7_16, "E7-16", L"Eq.E7-16.png", std::nullopt},
    {Equation::E7_17, "E7-17", L"Eq.E7-17.png", std::nullopt},
    {Equation::E7_18, "E7-18", L"Eq.E7-18.png", std::nullopt},
    {Equation::E7_19, "E7-19", L"Eq.E7-19.png", std::nullopt, "E7-7", L"Eq22.E7-7.png"},
    {Equation::F2_1, "F2-1", L"Eq.F2-1.png", LimitStateName::Yielding},
    {Equation::F2_2, "F2-2", L"Eq.F2-2.png", LimitStateName::LateralTorsionalBuckling},
    {Equation::F2_3, "F2-3", L"Eq.F2-3.png", LimitStateName::LateralTorsionalBuckling},
    {Equation::F2_4, "F2-4", L"Eq.F2-4.png", std::nullopt},
    {Equation::F2_5, "F2-5", L"Eq.F2-5.png", std::nullopt},
    {Equation::F2_6, "F2-6", L"Eq.F2-6.png", std::nullopt},
    {Equation::F2_7, "F2-7", L"Eq.F2-7.png", std::nullopt},
    {Equation::F2_8b, "F2-8b", L"Eq.F2-8b.png", std::nullopt},
    {Equation::F3_1, "F3-1", L"Eq.F3-1.png", LimitStateName::FlangeLocalBuckling},
    {Equation::F3_2, "F3-2", L"Eq.F3-2.png", LimitStateName::FlangeLocalBuckling},
    {Equation::F4_7, "F4-7", L"Eq.F4-7.png", std::nullopt},
    {Equation::F4_11, "F4-11", L"Eq.F4-11.png", std::nullopt},
    {Equation::F4_12, "F4-12", L"Eq.F4-12.png", std::nullopt},
    {Equation::F5_1, "F5-1", nullptr, LimitStateName::CompressionFlangeYielding},
    {Equation::F5_2, "F5-2", L"Eq.F5-2.png", LimitStateName::LateralTorsionalBuckling},
    {Equation::F5_3, "F5-3", L"Eq.F5-3.png", std::nullopt},
    {Equation::F5_4, "F5-4", L"Eq.F5-4.png", std::nullopt},
    {Equation::F5_5, "F5-5", L"Eq.F5-5.png", std::nullopt},
    {Equation::F5_6, "F5-6", L"Eq.F5-6.png", std::nullopt},
    {Equation::F5_7, "F5-7", L"Eq.F5-7.png", LimitStateName::FlangeLocalBuckling},
    {Equation::F5_8, "F5-8", L"Eq.F5-8.png", std::nullopt},
    {Equation::F5_9, "F5-9", L"Eq.F5-9.png", std::nullopt},
    {Equation::F6_1, "F6-1", L"Eq.F6-1.png", LimitStateName::Yielding},
    {Equation::F6_2, "F6-2", L"Eq.F6-2.png", LimitStateName::FlangeLocalBuckling},
    {Equation::F6_3, "F6-3", L"Eq.F6-3.png", LimitStateName::FlangeLocalBuckling},
    {Equation::F6_4, "F6-4", L"Eq.F6-4.png", std::nullopt, "F6-4", L"Eq22.F6-4.png"},
    {Equation::F7_1, "F7-1", L"Eq.F7-1.png", LimitStateName::Yielding},
    {Equation::F7_2, "F7-2", L"Eq.F7-2.png", LimitStateName::FlangeLocalBuckling},
    {Equation::F7_3, "F7-3", L"Eq.F7-3.png", LimitStateName::FlangeLocalBuckling},
    {Equation::F7_4, "F7-4", L"Eq.F7-4.png", std::nullopt},
    {Equation::F7_5, "F7-5", L"Eq.F7-5.png", LimitStateName::WebLocalBuckling, "F7-6", L"Eq22.F7-6.png"},
    {Equation::F8_1, "F8-1", L"Eq.F7-1.png", LimitStateName::Yielding},
    {Equation::F8_2, "F8-2", L"Eq.F8-2.png", LimitStateName::LocalBuckling},
    {Equation::F8_3, "F8-3", L"Eq.F8-3.png", LimitStateName::LocalBuckling},
    {Equation::F8_4, "F8-4", L"Eq.F8-4.png", std::nullopt},
    {Equation::F9_1, "F9-1", L"Eq.F9-1.png", LimitStateName::Yielding},
    {Equation::F9_2, "F9-2", L"Eq.F9-2.png", LimitStateName::Yielding},
    {Equation::F9_3, "F9-3", L"Eq.F9-3.png", LimitStateName::Yielding, "F9-4", L"Eq22.F9-4.png"},
    {Equation::F9_4, "F9-4", L"Eq.F9-4.png", LimitStateName::LateralTorsionalBuckling, "F9-10", L"Eq22.F9-10.png"},
    {Equation::F9_5, "F9-5", L"Eq.F9-5.png", std::nullopt, "F9-11", L"Eq22.F9-11.png"},
    {Equation::F9_6, "F9-6", L"Eq.F9-6.png", LimitStateName::FlangeLocalBuckling, "F9-14", L"Eq22.F9-14.png"},
    {Equation::F9_7, "F9-7", L"Eq.F9-7.png", LimitStateName::FlangeLocalBuckling, "F9-15", L"Eq22.F9-15.png"},
    {Equation::F9_8, "F9-8", L"Eq.F9-8.png", LimitStateName::StemLocalBuckling, "F9-16", L"Eq22.F9-16.png"},
    {Equation::F9_9, "F9-9", L"Eq.F9-9.png", std::nullopt, "F9-17", L"Eq22.F9-17.png"},
    {Equation::F9_10, "F9-10", L"Eq.F9-10.png", std::nullopt, "F9-18", L"Eq22.F9-18.png"},
    {Equation::F9_11, "F9-11", L"Eq.F9-11.png", std::nullopt, "F9-19", L"Eq22.F9-19.png"},
    {Equation::F10_1, "F10-1", nullptr, LimitStateName::Yielding},
    {Equation::F10_2, "F10-2", L"Eq.F10-2.png", LimitStateName::LateralTorsionalBuckling, "F10-3", L"Eq22.F10-3.png"},
    {Equation::F10_3, "F10-3", L"Eq.F10-3.png", LimitStateName::LateralTorsionalBuckling, "F10-2", L"Eq22.F10-2.png"},
    {Equation::F10_4, "F10-4", L"Eq.F10-4.png", std::nullopt, "F10-4", L"Eq22.F10-4.png"},
    {Equation::F10_5, "F10-5", L"Eq.F10-5.png", std::nullopt},
    {Equation::F10_7, "F10-7", L"Eq.F10-7.png", LimitStateName::LegLocalBuckling, "F10-6", L"Eq22.F10-6.png"},
    {Equation::F10_8, "F10-8", L"Eq.F10-8.png", LimitStateName::LegLocalBuckling, "F10-7", L"Eq22.F10-7.png"},
    {Equation::F10_9, "F10-9", L"Eq.F10-9.png", std::nullopt, "F10-8", L"Eq22.F10-8.png"},
    {Equation::G2_1, "G2-1", L"Eq.G2-1.png", std::nullopt, "G2-1", L"Eq22.G2-1.png"},
    {Equation::G2_2, "G2-2", L"Eq.G2-2.png", std::nullopt, "G2-2", L"Eq22.G2-2.png"},
    {Equation::G2_3, "G2-3", L"Eq.G2-3.png", std::nullopt, "G2-9", L"Eq22.G2-9.png"},
    {Equation::G2_4, "G2-4", L"Eq.G2-4.png", std::nullopt, "G2-10", L"Eq22.G2-10.png"},
    {Equation::G2_5, "G2-5", L"Eq.G2-5.png", std::nullopt, "G2-11", L"Eq22.G2-11.png"},
    {Equation::G6_1, "G6-1", L"Eq.G6-1.png", std::nullopt, "G5-1", L"Eq22.G5-1.png"},
    {Equation::G6_2b, "G6-2b", L"Eq.G6-2b.png", std::nullopt, "G5-2b", L"Eq22.G5-2b.png"},
    {Equation::H1_1a, "H1-1a", L"Eq.H1-1a.png", std::nullopt},
    {Equation::H1_1b, "H1-1b", L"Eq.H1-1b.png", std::nullopt},
    {Equation::E4_4_22, nullptr, nullptr, std::nullopt, "E4-4", L"Eq22.E4-4.png"},
    {Equation::E4_5_22, nullptr, nullptr, std::nullopt, "E4-5", L"Eq22.E4-5.png"},
    {Equation::E7_1_22, nullptr, nullptr, std::nullopt, "E7-1", L"Eq22.E7-1.png"},
    {Equation::E7_2_22, nullptr, nullptr, std::nullopt, "E7-2", L"Eq22.E7-2.png"},
    {Equation::E7_3_22, nullptr, nullptr, std::nullopt, "E7-3", L"Eq22.E7-3.png"},
    {Equation::E7_5_22, nullptr, nullptr, std::nullopt, "E7-5", L"Eq22.E7-5.png"},
    {Equation::F7_7_22, nullptr, nullptr, LimitStateName::WebLocalBuckling, "F7-7", L"Eq22.F7-7.png"},
    {Equation::F7_8_22, nullptr, nullptr, LimitStateName::LateralTorsionalBuckling, "F7-8", L"Eq22.F7-8.png"},
    {Equation::F7_9_22, nullptr, nullptr, LimitStateName::LateralTorsionalBuckling, "F7-9", L"Eq22.F7-9.png"},
    {Equation::F7_10_22, nullptr, nullptr, std::nullopt, "F7-10", L"Eq22.F7-10.png"},
    {Equation::F7_11_22, nullptr, nullptr, std::nullopt, "F7-11", L"Eq22.F7-11.png"},
    {Equation::F9_3_22, nullptr, nullptr, std::nullopt, "F9-3", L"Eq22.F9-3.png"},
    {Equation::F9_5_22, nullptr, nullptr, LimitStateName::Yielding, "F9-5", L"Eq22.F9-5.png"},
    {Equation::F9_6_22, nullptr, nullptr, LimitStateName::LateralTorsionalBuckling, "F9-6", L"Eq22.F9-6.png"},
    {Equation::F9_7_22, nullptr, nullptr, LimitStateName::LateralTorsionalBuckling, "F9-7", L"Eq22.F9-7.png"},
    {Equation::F9_8_22, nullptr, nullptr, std::nullopt, "F9-8", L"Eq22.F9-8.png"},
    {Equation::F9_9_22, nullptr, nullptr, std::nullopt, "F9-9", L"Eq22.F9-9.png"},
    {Equation::F9_12_22, nullptr, nullptr, std::nullopt, "F9-12", L"Eq22.F9-12.png"},
    {Equation::F9_13_22, nullptr, nullptr, LimitStateName::LateralTorsionalBuckling, "F9-13", L"Eq22.F9-13.png"},
    {Equation::G2_3_22, nullptr, nullptr, std::nullopt, "G2-3", L"Eq22.G2-3.png"},
    {Equation::G2_4_22, nullptr, nullptr, std::nullopt, "G2-4", L"Eq22.G2-4.png"},
    {Equation::G3_1_22, nullptr, nullptr, std::nullopt, "G3-1", L"Eq22.G3-1.png"},
    {Equation::G4_1_22, nullptr, nullptr, std::nullopt, "G4-1", L"Eq22.G4-1.png"},
    {Equation::G6_1_22, nullptr, nullptr, std::nullopt, "G6-1", L"Eq22.G6-1.png"},
    {Equation::SquashLoad, "Py = Fy Ag", nullptr, LimitStateName::CompressiveYielding},
};

constexpr const EquationRow& EquationRowOf(Equation equation)
{
    return kEquationTable[static_cast<std::size_t>(equation)];
}
// The label and image of an equation in an edition (360-10 by default).
constexpr const char* EquationLabel(Equation equation, Edition edition = Edition::Aisc360_10)
{
    const EquationRow& row = EquationRowOf(equation);
    if (edition == Edition::Aisc360_22 && row.Label22 == kNotIn360_22) return nullptr;
    return edition == Edition::Aisc360_22 && row.Label22 ? row.Label22 : row.Label;
}
constexpr const wchar_t* EquationImage(Equation equation, Edition edition = Edition::Aisc360_10)
{
    const EquationRow& row = EquationRowOf(equation);
    return edition == Edition::Aisc360_22 && row.Label22 ? row.Image22 : row.Image;
}

// An equation that gives the nominal strength of a limit state. Made only
// from a constant, so that naming one without a limit state (a stress, a
// length) where a limit state is recorded does not compile.
class ZORSTEEL_API LimitStateEquation
{
public:
    consteval LimitStateEquation(Equation equation)
        : m_equation(equation), m_name(EquationRowOf(equation).LimitState.value())
    {
    }
    constexpr Equation Id() const { return m_equation; }
    constexpr LimitStateName Name() const { return m_name; }

private:
    Equation m_equation;
    LimitStateName m_name;
};

namespace detail {

constexpr bool RowsInEnumeratorOrder()
{
    for (std::size_t i = 0; i < std::size(kEquationTable); ++i)
        if (static_cast<std::size_t>(kEquationTable[i].Id) != i) return false;
    return true;
}

} // namespace detail

static_assert(detail::RowsInEnumeratorOrder(), "kEquationTable: one row per Equation, in order");
static_assert(std::size(kEquationTable) == static_cast<std::size_t>(Equation::SquashLoad) + 1);

} // namespace zorsteel
