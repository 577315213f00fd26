// Flexure and shear of tee-type sections, shared by tees and double angles:
// F9 about the major axis, where the sign of the moment decides whether the
// stem or the flange is in compression, F6 about the minor axis, and G2 shear
// of the stem; and their E4 flexural-torsional buckling about the axis of
// symmetry y without the Cw term. The class adds no virtual operation, so the
// classes built on it keep the slot order of a direct CAiscDesign subclass.
#pragma once

#include "CAiscDesign.h"
#include "FunctionRef.h"

namespace zorsteel {

class ZORSTEEL_API CAiscDesignTeeType : public CAiscDesign
{
protected:
    // The section as the tee-type blocks see it: a tee's stem, or a double
    // angle's outstanding legs, with the properties of the whole section.
    struct TeeSection
    {
        double d = 0, tw = 0;           // stem depth and thickness, in
        double Ix = 0, Sx = 0, Zx = 0;  // in^4, in^3
        double y = 0;                   // outer face of the flange to the centroid, in
        double Iy = 0, Sy = 0, Zy = 0;  // in^4, in^3
        double J = 0;                   // in^4
        double ry = 0;                 // in
        bool legs = false;             // a double angle's legs (360-22 sends them to F10)
    };

    // The major-axis block: Mnx in kip-in, and the flange's limits, which
    // the minor axis uses again.
    struct MajorFlexure
    {
        double Mn;
        ElementLimits Flange;
    };
    // The stem's compactness, then the flange's from flangeLimits (the
    // class's own Table B4.1b case); then the least of yielding,
    // lateral-torsional buckling (when Lb > 0) and local buckling of the
    // flange (stem in tension, mx >= 0) or of the stem (mx < 0).
    MajorFlexure GetMn_Major(double mx, const TeeSection& section, FunctionRef<ElementLimits()> flangeLimits) const;
    // The minor-axis block, Mny in kip-in: F6 with the flange's limits;
    // fcrMinor (the class's F6-4 stress) is asked only for a slender flange.
    double GetMn_Minor(const TeeSection& section, const ElementLimits& flange, FunctionRef<double()> fcrMinor) const;

    // Table B4.1b case 14: the stem d / tw against 0.84 and 1.03 sqrt(E/Fy)
    // (1.52 under 360-22).
    ElementLimits GetWebCompactLimits(double tw, double d, double fy) const;
    // F9-1 to F9-3 yielding, kip-in. It hides the base's hollow-section
    // yielding (other arguments), so no call can reach that one by mistake.
    double GetMn_Yielding(double mx, const TeeSection& section, double fy) const;
    // F9-4 / F9-5 lateral-torsional buckling, kip-in; Cb is not used. A
    // section without torsional stiffness (J not above 0) gets the limit of
    // F9-4 as J tends to 0: none with the stem in compression.
    double GetMn_LateralTorsional(double mx, const TeeSection& section, double lb) const;
    // F9-6 / F9-7 flange local buckling with the stem in tension, kip-in;
    // sxc is the modulus to the flange's outer face.
    double GetMn_Compact_Flange(const ElementLimits& flange, const TeeSection& section, double fy, double sxc) const;
    // F9-8 to F9-11 local buckling of a stem in flexural compression, kip-in.
    double GetMn_Compact_Web(const ElementLimits& stem, const TeeSection& section, double fy) const;
    // F6-1 to F6-3 minor-axis yielding and flange local buckling, kip-in;
    // fcr serves only a slender flange.
    double GetMn_Compact_Minor(const ElementLimits& flange, const TeeSection& section, double fy, double fcr) const;
    // Cv of the stem, kv = 1.2.
    double GetCv_Major(double h, double tw, double fy) const;

    // ---- AISC 360-22 F9 ----
    // The major-axis block under 360-22: the least of yielding, F9.2
    // lateral-torsional buckling (when Lb > 0) and local buckling of the
    // flange or the stem; a double angle's legs by F10.3.
    MajorFlexure GetMn_Major_22(double mx, const TeeSection& section, FunctionRef<ElementLimits()> flangeLimits) const;
    // F9-1 with F9-2 (stem in tension), F9-4 (tee stem in compression, Mp =
    // My) or F9-5 (double-angle web legs in compression, Mp = 1.5 My), My of
    // F9-3; kip-in.
    double GetMn_Yielding_F9_1(double mx, const TeeSection& section, double fy) const;
    // F9-10 Mcr with B of F9-11 (stem in tension) or F9-12 (in compression),
    // written so that J = 0 stays a number; kip-in.
    double GetMcr_F9_10(double mx, const TeeSection& section, double lb) const;
    // F9-6 / F9-7 lateral-torsional buckling with the stem in tension, Lp of
    // F9-8, Lr of F9-9; mp the yielding strength; kip-in.
    double GetMn_LateralTorsional_F9_6(const TeeSection& section, double lb, double fy, double mp) const;
    // Stem in compression: F9-13 Mn = Mcr <= My of a tee, or F10-2 / F10-3
    // with Mcr of F9-10 of a double angle's web legs; kip-in.
    double GetMn_LateralTorsional_F9_13(const TeeSection& section, double lb, double fy) const;
    // F9-16 to F9-19 local buckling of a tee stem in flexural compression, kip-in.
    double GetMn_StemLocalBuckling_F9_16(const ElementLimits& stem, const TeeSection& section, double fy) const;

    // The compression step of a tee-type section: E3 / E7 flexural buckling
    // with q (qLabel on the slender path), then E4: torsionalFcr, the class's
    // E4-2 stress, when q is exactly 1; otherwise E7 on its E4-5 stress.
    CompressionStep GetCompression_TeeType(double q, const wchar_t* qLabel, FunctionRef<double()> torsionalFcr) const;
    // Under 360-22: E3 flexural buckling and E4-3 flexural-torsional
    // buckling (the class's elastic Fe) on the gross section, each by E7-1
    // with the elements' E7-3 widths when one is slender.
    CompressionStep GetCompression_TeeType_22(std::span<const CompressionElement> elements) const;

    // What E4 needs of a tee-type section, as the class finds it.
    struct TorsionalSection
    {
        double Fey;   // E4-8 about the axis of symmetry, ksi
        double klr;   // the slenderness that chooses between E3-2 and E3-3 for Fcry
        double J;     // in^4
        double r02;   // r0 bar squared about the shear centre, in^2
        double H;     // E4-10
        bool derived; // r0 bar and H derived from the geometry and shown; otherwise the record's
    };
    // The shear centre at mid-thickness of the flange: x0 = 0 and
    // y0 = y - tf/2 shown; returns y0.
    double GetShearCentre_y0() const;
    // E4-8 Fey = pi^2 E / klr^2, shown.
    double GetFey(double klr) const;
    // E4-2 with Fcry by E3 on Fey and Fcrz = G J / (A r0^2).
    double GetFcr_FlexuralTorsional(const TorsionalSection& section) const;
    // E4-5 with Fez = G J / (A r0^2): the Cw term omitted.
    double GetFe_FlexuralTorsional(const TorsionalSection& section) const;
};

} // namespace zorsteel
