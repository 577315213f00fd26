// The design factory: the catalogue's shape code chooses the design class.
#include <new>

#include "../shapes/CAiscDesign2L.h"
#include "../shapes/CAiscDesignChannel.h"
#include "../shapes/CAiscDesignI.h"
#include "../shapes/CAiscDesignL.h"
#include "../shapes/CAiscDesignRectHss.h"
#include "../shapes/CAiscDesignRoundHss.h"
#include "../shapes/CAiscDesignT.h"
#include "CSteelDesignManager.h"

namespace {

CAiscDesign* NewDesign(unsigned shapeCode)
{
    switch (shapeCode) {
    case kShapeW:
    case kShapeM:
    case kShapeS:
    case kShapeHP: return new (std::nothrow) CAiscDesignI;
    case kShapeC:
    case kShapeMC: return new (std::nothrow) CAiscDesignChannel;
    case kShapeL: return new (std::nothrow) CAiscDesignL;
    case kShapeWT:
    case kShapeMT:
    case kShapeST: return new (std::nothrow) CAiscDesignT;
    case kShape2L: return new (std::nothrow) CAiscDesign2L;
    case kShapeRectHss: return new (std::nothrow) CAiscDesignRectHss;
    case kShapeRoundHss:
    case kShapePipe: return new (std::nothrow) CAiscDesignRoundHss;
    default: return nullptr;
    }
}

} // namespace

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
