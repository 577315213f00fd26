#include "DesignRules.h"

#include <span>
#include <string_view>

#include "../section/mvSect_AISC.h"

namespace zorsteel {

const char* DesignRulesText(DesignRules rules)
{
    return rules == DesignRules::Full ? "full" : "classic";
}

bool ParseDesignRules(const char* name, DesignRules& rules)
{
    const std::string_view text = name;
    if (text != "classic" && text != "full") return false;
    rules = text == "full" ? DesignRules::Full : DesignRules::Classic;
    return true;
}

const char* EditionText(Edition edition)
{
    return edition == Edition::Aisc360_22 ? "360-22" : "360-10";
}

bool ParseEdition(const char* name, Edition& edition)
{
    std::string_view text = name;
    if (text.starts_with("AISC ")) text.remove_prefix(5);
    if (text != "360-10" && text != "360-22") return false;
    edition = text == "360-22" ? Edition::Aisc360_22 : Edition::Aisc360_10;
    return true;
}

double TensileStrengthOfGrade(int shapeCode, double fy)
{
    struct Grade
    {
        double fy, fu;
    };
    // ASTM A36, A992 / A572 Gr. 50, A572 Gr. 65, A913 Gr. 70 (rolled shapes);
    // A36, A572 Gr. 50 (angles); A500 Gr. B and C (rectangular: 46 / 58,
    // 50 / 62; round: 42 / 58, 46 / 62), A1085 (50 / 62); A53 Gr. B (pipe).
    static constexpr Grade kRolled[] = {{36, 58}, {50, 65}, {65, 80}, {70, 90}};
    static constexpr Grade kAngles[] = {{36, 58}, {50, 65}};
    static constexpr Grade kRectangularHss[] = {{46, 58}, {50, 62}};
    static constexpr Grade kRoundHss[] = {{42, 58}, {46, 62}, {50, 62}};
    static constexpr Grade kPipe[] = {{35, 60}};
    std::span<const Grade> grades;
    switch (shapeCode) {
    case kShapeW:
    case kShapeM:
    case kShapeS:
    case kShapeHP:
    case kShapeC:
    case kShapeMC:
    case kShapeWT:
    case kShapeMT:
    case kShapeST:
        grades = kRolled;
        break;
    case kShapeL:
    case kShape2L:
        grades = kAngles;
        break;
    case kShapeRectHss:
        grades = kRectangularHss;
        break;
    case kShapeRoundHss:
        grades = kRoundHss;
        break;
    case kShapePipe:
        grades = kPipe;
        break;
    default:
        break;
    }
    for (const Grade& grade : grades)
        if (grade.fy == fy) return grade.fu;
    return 0;
}

} // namespace zorsteel
