// The design factory: the catalogue's shape code chooses the design class.
#include <cmath>
#include <new>
#include <span>
#include <type_traits>
#include <typeinfo>

#include "../shapes/CAiscDesign2L.h"
#include "../shapes/CAiscDesignChannel.h"
#include "../shapes/CAiscDesignI.h"
#include "../shapes/CAiscDesignL.h"
#include "../shapes/CAiscDesignRectHss.h"
#include "../shapes/CAiscDesignRoundHss.h"
#include "../shapes/CAiscDesignT.h"
#include "../platform/Platform.h"
#include "../section/SectionNames.h"
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

namespace {

// The design class a host's object is, its own subclasses included: the
// channel is asked before the I-shape it derives from.
template <class Design>
bool Is(const CAiscDesign& design)
{
    return dynamic_cast<const Design*>(&design) != nullptr;
}

// Whether the object's class checks the family of shapeCode, as the factory
// would choose it.
bool ChecksFamily(const CAiscDesign& design, int shapeCode)
{
    return VisitDesignClass(static_cast<unsigned>(shapeCode), [&]<class Design>(std::type_identity<Design>) {
        if constexpr (std::is_void_v<Design>)
            return false;
        else if constexpr (std::is_same_v<Design, CAiscDesignI>)
            return Is<CAiscDesignI>(design) && !Is<CAiscDesignChannel>(design);
        else
            return Is<Design>(design);
    });
}

struct Property
{
    double mvSect_AISC::*field;
    const wchar_t* name;
};

// The properties each family's class reads, which a host's record must give
// finite and above 0 (every catalogue row of the family does).
std::span<const Property> PropertiesRead(int shapeCode)
{
    using S = mvSect_AISC;
#define ZORSTEEL_PROPERTY(field) Property{&S::field, L## #field}
    static const Property iShape[] = {ZORSTEEL_PROPERTY(A),  ZORSTEEL_PROPERTY(Ix),  ZORSTEEL_PROPERTY(Iy),
                                      ZORSTEEL_PROPERTY(rx), ZORSTEEL_PROPERTY(ry),  ZORSTEEL_PROPERTY(Cw),
                                      ZORSTEEL_PROPERTY(J),  ZORSTEEL_PROPERTY(Sx),  ZORSTEEL_PROPERTY(Sy),
                                      ZORSTEEL_PROPERTY(Zx), ZORSTEEL_PROPERTY(Zy),  ZORSTEEL_PROPERTY(bf),
                                      ZORSTEEL_PROPERTY(d),  ZORSTEEL_PROPERTY(h0),  ZORSTEEL_PROPERTY(h_tw),
                                      ZORSTEEL_PROPERTY(tf), ZORSTEEL_PROPERTY(tw)};
    static const Property channel[] = {ZORSTEEL_PROPERTY(A),    ZORSTEEL_PROPERTY(Ix), ZORSTEEL_PROPERTY(Iy),
                                       ZORSTEEL_PROPERTY(rx),   ZORSTEEL_PROPERTY(ry), ZORSTEEL_PROPERTY(Cw),
                                       ZORSTEEL_PROPERTY(J),    ZORSTEEL_PROPERTY(Sx), ZORSTEEL_PROPERTY(Sy),
                                       ZORSTEEL_PROPERTY(Zx),   ZORSTEEL_PROPERTY(Zy), ZORSTEEL_PROPERTY(bf),
                                       ZORSTEEL_PROPERTY(d),    ZORSTEEL_PROPERTY(h0), ZORSTEEL_PROPERTY(h_tw),
                                       ZORSTEEL_PROPERTY(tf),   ZORSTEEL_PROPERTY(tw), ZORSTEEL_PROPERTY(e0),
                                       ZORSTEEL_PROPERTY(x)};
    static const Property angle[] = {ZORSTEEL_PROPERTY(A),   ZORSTEEL_PROPERTY(Ix),  ZORSTEEL_PROPERTY(Iy),
                                     ZORSTEEL_PROPERTY(rx),  ZORSTEEL_PROPERTY(ry),  ZORSTEEL_PROPERTY(Iw),
                                     ZORSTEEL_PROPERTY(Iz),  ZORSTEEL_PROPERTY(rz),  ZORSTEEL_PROPERTY(SwA),
                                     ZORSTEEL_PROPERTY(SwC), ZORSTEEL_PROPERTY(SzA), ZORSTEEL_PROPERTY(SzB),
                                     ZORSTEEL_PROPERTY(SzC), ZORSTEEL_PROPERTY(b),   ZORSTEEL_PROPERTY(d),
                                     ZORSTEEL_PROPERTY(t),   ZORSTEEL_PROPERTY(tan_a)};
    static const Property tee[] = {ZORSTEEL_PROPERTY(A),  ZORSTEEL_PROPERTY(Ix), ZORSTEEL_PROPERTY(Iy),
                                   ZORSTEEL_PROPERTY(rx), ZORSTEEL_PROPERTY(ry), ZORSTEEL_PROPERTY(J),
                                   ZORSTEEL_PROPERTY(Sx), ZORSTEEL_PROPERTY(Sy), ZORSTEEL_PROPERTY(Zx),
                                   ZORSTEEL_PROPERTY(Zy), ZORSTEEL_PROPERTY(bf), ZORSTEEL_PROPERTY(d),
                                   ZORSTEEL_PROPERTY(tf), ZORSTEEL_PROPERTY(tw), ZORSTEEL_PROPERTY(y)};
    static const Property doubleAngle[] = {ZORSTEEL_PROPERTY(A),  ZORSTEEL_PROPERTY(Ix), ZORSTEEL_PROPERTY(Iy),
                                           ZORSTEEL_PROPERTY(rx), ZORSTEEL_PROPERTY(ry), ZORSTEEL_PROPERTY(H),
                                           ZORSTEEL_PROPERTY(J),  ZORSTEEL_PROPERTY(Sx), ZORSTEEL_PROPERTY(Sy),
                                           ZORSTEEL_PROPERTY(Zx), ZORSTEEL_PROPERTY(Zy), ZORSTEEL_PROPERTY(b),
                                           ZORSTEEL_PROPERTY(d),  ZORSTEEL_PROPERTY(r0), ZORSTEEL_PROPERTY(t),
                                           ZORSTEEL_PROPERTY(y)};
    static const Property rectangularHss[] = {ZORSTEEL_PROPERTY(A),   ZORSTEEL_PROPERTY(Ix),  ZORSTEEL_PROPERTY(Iy),
                                              ZORSTEEL_PROPERTY(rx),  ZORSTEEL_PROPERTY(ry),  ZORSTEEL_PROPERTY(B),
                                              ZORSTEEL_PROPERTY(Ht),  ZORSTEEL_PROPERTY(Sx),  ZORSTEEL_PROPERTY(Sy),
                                              ZORSTEEL_PROPERTY(Zx),  ZORSTEEL_PROPERTY(Zy),  ZORSTEEL_PROPERTY(b_t),
                                              ZORSTEEL_PROPERTY(h_t), ZORSTEEL_PROPERTY(tdes)};
    static const Property roundHss[] = {ZORSTEEL_PROPERTY(A),  ZORSTEEL_PROPERTY(Ix), ZORSTEEL_PROPERTY(Iy),
                                        ZORSTEEL_PROPERTY(rx), ZORSTEEL_PROPERTY(ry), ZORSTEEL_PROPERTY(D_t),
                                        ZORSTEEL_PROPERTY(Zx), ZORSTEEL_PROPERTY(Zy), ZORSTEEL_PROPERTY(tdes),
                                        ZORSTEEL_PROPERTY(OD)};
#undef ZORSTEEL_PROPERTY
    switch (shapeCode) {
    case kShapeW:
    case kShapeM:
    case kShapeS:
    case kShapeHP: return iShape;
    case kShapeC:
    case kShapeMC: return channel;
    case kShapeL: return angle;
    case kShapeWT:
    case kShapeMT:
    case kShapeST: return tee;
    case kShape2L: return doubleAngle;
    case kShapeRectHss: return rectangularHss;
    case kShapeRoundHss:
    case kShapePipe: return roundHss;
    default: return {};
    }
}

} // namespace

bool zorsteel::IsDesignClassOf(const CAiscDesign& design, int shapeCode) { return ChecksFamily(design, shapeCode); }

int CAiscDesign::SetSection(const mvSect_AISC& record, int shapeCode)
{
    CString problem;
    if (!ChecksFamily(*this, shapeCode)) {
        problem.Format(L"shape code %d is not a family this design class checks", shapeCode);
    } else {
        for (const Property& property : PropertiesRead(shapeCode)) {
            const double value = record.*property.field;
            if (std::isfinite(value) && value > 0) continue;
            problem.Format(L"%s = %g is not a finite number above 0", property.name, value);
            break;
        }
        // A single angle's SwB may be 0 (no yield moment at B), never negative.
        if (problem.IsEmpty() && shapeCode == kShapeL && !(std::isfinite(record.SwB) && record.SwB >= 0))
            problem.Format(L"SwB = %g is not a finite number of at least 0", record.SwB);
    }
    if (!problem.IsEmpty()) {
        OutputDebugStringW(CString(L"Section record ") + GetSectionName(record) + L" not set: " + problem);
        ShapeCode = -1;
        return -1;
    }
    Section = record;
    ShapeCode = shapeCode;
    return shapeCode;
}
