// The section record: one catalogue row, as it travels between the catalogue
// file, the catalogue index, the design objects, the report and the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "../platform/Export.h"

// 98 properties in a fixed order, then the section name. Lengths in inches,
// areas in in^2, moduli in in^3, inertias in in^4, Cw in in^6. Places that the
// design code does not read carry further columns of the AISC shapes database
// (named after them) so that a host gets them back with the row.
struct mvSect_AISC
{
    double W = 0;        //  1 nominal weight, lb/ft (not read)
    double ddet = 0;     //  2 detailing depth (not read)
    double A = 0;        //  3 gross area
    double d = 0;        //  4 overall depth; angles: the shorter leg
    double Ht = 0;       //  5 overall height of a rectangular HSS
    double OD = 0;       //  6 outside diameter of a round HSS or pipe
    double bf = 0;       //  7 flange width
    double b = 0;        //  8 angles: the longer leg; rectangular HSS: flat width of the B walls
    double bfdet = 0;    //  9 detailing flange width (not read)
    double tw = 0;       // 10 web thickness
    double tf = 0;       // 11 flange thickness
    double t = 0;        // 12 angle leg thickness
    double tnom = 0;     // 13 nominal HSS wall thickness (not read)
    double tdes = 0;     // 14 design wall thickness of HSS and pipe
    double twdet = 0;    // 15 detailing web thickness (not read)
    double tfdet = 0;    // 16 detailing flange thickness (not read)
    double x = 0;        // 17 centroid distance x of channels and angles
    double y = 0;        // 18 centroid distance y of tees and angles
    double e0 = 0;       // 19 shear-centre distance of channels
    double kdes = 0;     // 20 design k (not read)
    double kdet = 0;     // 21 detailing k (not read)
    double k1 = 0;       // 22 k1 (not read)
    double xp = 0;       // 23 plastic neutral axis x (not read)
    double h_tw = 0;     // 24 web slenderness h/tw
    double h_t = 0;      // 25 wall slenderness of a rectangular HSS, h/tdes
    double D_t = 0;      // 26 wall slenderness of a round HSS, D/t
    double yp = 0;       // 27 plastic neutral axis y (not read)
    double bf_2tf = 0;   // 28 flange slenderness bf/2tf (not read)
    double b_t_leg = 0;  // 29 leg or flange slenderness b/t of the database (not read)
    double Ix = 0;       // 30
    double Zx = 0;       // 31
    double Sx = 0;       // 32
    double rx = 0;       // 33
    double Iy = 0;       // 34
    double Zy = 0;       // 35
    double Sy = 0;       // 36
    double ry = 0;       // 37
    double rz = 0;       // 38 radius of gyration about the angle's principal z axis
    double J = 0;        // 39 torsional constant
    double Cw = 0;       // 40 warping constant
    double C = 0;        // 41 HSS torsional constant (not read)
    double Wno = 0;      // 42 normalized warping function (not read)
    double Sw1 = 0;      // 43 warping statical moments (not read)
    double Sw2 = 0;      // 44
    double Sw3 = 0;      // 45
    double r0 = 0;       // 46 polar radius of gyration about the shear centre
    double H = 0;        // 47 flexural constant
    double tan_a = 0;    // 48 tangent of the principal-axis angle of an angle
    double Qs = 0;       // 49 reduction factor of an angle at Fy = 36 ksi
    double Qf = 0;       // 50 statical moment for flange shear (not read)
    double Qw = 0;       // 51 statical moment for web shear (not read)
    double Iw = 0;       // 52 angle: inertia about the principal w axis
    double SwA = 0;      // 53 angle: elastic moduli about w at points A, B, C
    double SwB = 0;      // 54
    double SwC = 0;      // 55
    double SzA = 0;      // 56 angle: elastic moduli about z at points A, B, C
    double SzB = 0;      // 57
    double SzC = 0;      // 58
    double rts = 0;      // 59 effective radius of gyration for LTB
    double h0 = 0;       // 60 distance between flange centroids
    double zA = 0;       // 61 angle point coordinates (not read)
    double zB = 0;       // 62
    double Iz = 0;       // 63 angle: inertia about the principal z axis
    double Sz = 0;       // 64 angle: elastic modulus about z
    double zC = 0;       // 65 (not read)
    double h = 0;        // 66 rectangular HSS: flat width of the Ht walls
    double ID = 0;       // 67 inside diameter of a pipe (not read)
    double B = 0;        // 68 overall width of a rectangular HSS
    double wA = 0;       // 69 angle point coordinates (not read)
    double wB = 0;       // 70
    double wC = 0;       // 71
    double PA = 0;       // 72 surface areas for coatings (not read)
    double b_t = 0;      // 73 rectangular HSS: slenderness of the B walls, b/tdes
    double PA2 = 0;      // 74 (not read)
    double PB = 0;       // 75
    double PC = 0;       // 76
    double PD = 0;       // 77
    double T = 0;        // 78 web distance T (not read)
    double WGi = 0;      // 79 workable gages (not read)
    double WGo = 0;      // 80
    double twdet_2 = 0;  // 81 (not read)
    double reserved[17] = {};  // 82 to 98 (not read)
    char16_t Name[80] = {};    // UTF-16, null-terminated: at most 79 characters
};

namespace zorsteel {

inline constexpr int kSectionNumberCount = 98;
inline constexpr int kSectionNameCapacity = 80;

static_assert(std::is_standard_layout_v<mvSect_AISC>);
static_assert(std::is_trivially_copyable_v<mvSect_AISC>);
static_assert(sizeof(mvSect_AISC) == kSectionNumberCount * sizeof(double) + kSectionNameCapacity * 2);
static_assert(offsetof(mvSect_AISC, A) == 2 * sizeof(double));
static_assert(offsetof(mvSect_AISC, tdes) == 13 * sizeof(double));
static_assert(offsetof(mvSect_AISC, Ix) == 29 * sizeof(double));
static_assert(offsetof(mvSect_AISC, r0) == 45 * sizeof(double));
static_assert(offsetof(mvSect_AISC, Iw) == 51 * sizeof(double));
static_assert(offsetof(mvSect_AISC, rts) == 58 * sizeof(double));
static_assert(offsetof(mvSect_AISC, Iz) == 62 * sizeof(double));
static_assert(offsetof(mvSect_AISC, h) == 65 * sizeof(double));
static_assert(offsetof(mvSect_AISC, B) == 67 * sizeof(double));
static_assert(offsetof(mvSect_AISC, b_t) == 72 * sizeof(double));
static_assert(offsetof(mvSect_AISC, Name) == kSectionNumberCount * sizeof(double));

// Field names of the 98 numbers in record order, as the catalogue file's header names them.
ZORSTEEL_API extern const char* const kSectionFieldNames[kSectionNumberCount];

} // namespace zorsteel

// A shape code with its record: what the catalogue index keeps per name.
struct mvDesignSect_AISC
{
    std::int32_t ShapeCode = -1;
    mvSect_AISC Section;

    mvDesignSect_AISC() = default;
    mvDesignSect_AISC(const mvDesignSect_AISC&) = default;
    mvDesignSect_AISC& operator=(const mvDesignSect_AISC&) = default;
    // A move is a copy: the source keeps its contents.
    mvDesignSect_AISC& operator=(mvDesignSect_AISC&& other) noexcept { return *this = static_cast<const mvDesignSect_AISC&>(other); }
};

namespace zorsteel {

// Shape codes of the catalogue rows, by the family each names.
enum AiscShapeCode : std::int32_t
{
    kShapeNone = -1,
    kShapeW = 0,
    kShapeM = 1,
    kShapeS = 2,
    kShapeHP = 3,
    kShapeC = 4,
    kShapeMC = 5,
    kShapeL = 6,
    kShapeWT = 7,
    kShapeMT = 8,
    kShapeST = 9,
    kShape2L = 10,
    kShapeRectHss = 11,
    kShapeRoundHss = 12,
    kShapePipe = 13,
    kShapeOther = 14,  // a family the catalogue may hold without a design class
};
inline constexpr int kShapeCodeCount = 15;

} // namespace zorsteel
