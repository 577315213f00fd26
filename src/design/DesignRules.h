// Which calculation a design object runs. Classic is the calculation as the
// design classes have always made it, and the library's default; Full adds
// the AISC 360-10 provisions that Classic leaves out (tensile rupture, E5
// single-angle slenderness, E4-4 torsional buckling of I-shapes, E6-1
// snug-tight connectors, the E7.2(a) trigger of the effective web width,
// K1 and B2 of Appendix 8, and Cb raised by axial tension, H1.2), each
// where it applies. docs/aisc-departures.md says what each closes.
#pragma once

#include <cstdint>

namespace zorsteel {

enum class DesignRules
{
    Classic,
    Full,
};

// The edition of AISC 360 a check follows. 360-10 is the default and runs
// under either rules; 360-22 always runs the full check, with the provisions
// that edition changed (each its own function, named by its 360-22 equation)
// and its equation numbers in the report.
enum class Edition : std::uint8_t
{
    Aisc360_10,
    Aisc360_22,
};

// The leg through which a single angle is connected (E5); Unknown: not
// given, and E5 is not applied.
enum class AngleLeg
{
    Unknown,
    Long,
    Short,
};

// The connectors of a double angle (E6): welded or pretensioned bolted
// (E6-2), or snug-tight bolted (E6-1, full rules only).
enum class ConnectorType
{
    Welded,
    Snug,
};

// "classic", "full".
const char* DesignRulesText(DesignRules rules);
// Takes "classic" or "full"; false for any other name.
bool ParseDesignRules(const char* name, DesignRules& rules);

// "360-10", "360-22".
const char* EditionText(Edition edition);
// Takes "360-10" or "360-22" (also with "AISC " before them); false for any
// other name.
bool ParseEdition(const char* name, Edition& edition);

// Fu of the ASTM grade a family is usually rolled in at that Fy, ksi; 0 when
// the family has no grade of that Fy (Fu cannot be known from Fy).
double TensileStrengthOfGrade(int shapeCode, double fy);

} // namespace zorsteel
