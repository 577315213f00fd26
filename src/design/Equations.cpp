#include "Equations.h"

#include <iterator>

namespace zorsteel {

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
        "Tensile rupture",
    };
    static_assert(std::size(kTexts) == static_cast<std::size_t>(LimitStateName::TensileRupture) + 1);
    return kTexts[static_cast<std::size_t>(name)];
}

} // namespace zorsteel
