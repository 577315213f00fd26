// The design factory: the catalogue's shape code chooses the design class.
#include <new>
#include <type_traits>
#include <typeinfo>

#include "../shapes/CAiscDesign2L.h"
#include "../shapes/CAiscDesignChannel.h"
#include "../shapes/CAiscDesignI.h"
#include "../shapes/CAiscDesignL.h"
#include "../shapes/CAiscDesignRectHss.h"
#include "../shapes/CAiscDesignRoundHss.h"
#include "../shapes/CAiscDesignT.h"
#include "CSteelDesignManager.h"
#include "DesignFactory.h"

using namespace zorsteel;

namespace {

// Calls visit with std::type_identity of the design class of a shape code,
// or of void for a code without one: the one table of the factory.
template <class Visit>
decltype(auto) VisitDesignClass(unsigned shapeCode, Visit visit)
{
    switch (shapeCode) {
    case kShapeW:
    case kShapeM:
    case kShapeS:
    case kShapeHP: return visit(std::type_identity<CAiscDesignI>());
    case kShapeC:
    case kShapeMC: return visit(std::type_identity<CAiscDesignChannel>());
    case kShapeL: return visit(std::type_identity<CAiscDesignL>());
    case kShapeWT:
    case kShapeMT:
    case kShapeST: return visit(std::type_identity<CAiscDesignT>());
    case kShape2L: return visit(std::type_identity<CAiscDesign2L>());
    case kShapeRectHss: return visit(std::type_identity<CAiscDesignRectHss>());
    case kShapeRoundHss:
    case kShapePipe: return visit(std::type_identity<CAiscDesignRoundHss>());
    default: return visit(std::type_identity<void>());
    }
}

CAiscDesign* NewDesign(unsigned shapeCode)
{
    return VisitDesignClass(shapeCode, []<class Design>(std::type_identity<Design>) -> CAiscDesign* {
        if constexpr (std::is_void_v<Design>)
            return nullptr;
        else
            return new (std::nothrow) Design;
    });
}

} // namespace

bool zorsteel::IsDesignClassOf(const CAiscDesign& design, int shapeCode)
{
    return VisitDesignClass(static_cast<unsigned>(shapeCode), [&]<class Design>(std::type_identity<Design>) {
        if constexpr (std::is_void_v<Design>)
            return false;
        else
            return typeid(design) == typeid(Design);
    });
}

CAiscDesign* CSteelDesignManager::CreateAiscDesign(const wchar_t* name) const
{
    const mvDesignSect_AISC* found = FindSection(name);
    if (!found) return nullptr;
    CAiscDesign* design = NewDesign(static_cast<unsigned>(found->ShapeCode));
    // The object is returned even when this second read fails (ShapeCode -1).
    if (design) design->SetSection(name);
    return design;
}

void CSteelDesignManager::DeleteAiscDesign(CAiscDesign* design) const { delete design; }
