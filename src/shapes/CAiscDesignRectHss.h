// Square and rectangular HSS: E7 effective-width walls in compression, F7
// flexure about both axes (yielding, flange local buckling with an effective
// section, web local buckling), G2 shear through two walls.
#pragma once

#include "../design/CAiscDesign.h"

class ZORSTEEL_API CAiscDesignRectHss : public CAiscDesign
{
public:
    int Calculate() override;

protected:
    struct CompactLimits
    {
        SlendernessLimits flange;  // Table B4.1b case 17
        SlendernessLimits web;     // Table B4.1b case 19
    };
    // F7 nominal flexural strength about one axis: the smallest of yielding,
    // flange and web local buckling, kip-in.
    double GetMn(bool major, const CompactLimits& limits) const;
    // G2-1 strength of the two webs of flat width h.
    double GetVn_Walls(double h) const;
    // Table B4.1b case 17: compact and noncompact limits of the flanges.
    SlendernessLimits GetFlangeCompactLimits() const;
    // Table B4.1b case 19: compact and noncompact limits of the webs.
    SlendernessLimits GetWebCompactLimits() const;
    // F7-2 to F7-4 local buckling of the section's flanges in flexure about
    // one axis: about x the B walls (b / t, width B, depth Ht), about y the Ht
    // walls (h / t, width Ht, depth B), with the effective section of F7-4.
    double GetMn_LocalBuckling_Flange(const mvSect_AISC& section, const SlendernessLimits& limits, bool major) const;
    // Under 360-22, Se of F7-3 with the ineffective width bi taken from the
    // compression flange only (at arm from the axis of the gross section of
    // moment of inertia inertia and depth depth), in^3.
    double GetSe_CompressionFlange(double inertia, double bi, double arm, double depth) const;
    // F7-5 web local buckling about one axis (a slender web is treated as
    // noncompact): about x the Ht walls, about y the B walls.
    double GetMn_LocalBuckling_Web(const mvSect_AISC& section, const SlendernessLimits& limits, bool major) const;
    // 360-22 F7-7 slender web Mn = Rpg Fy S, Rpg of F5-6 with aw = 2 h tw /
    // (b tf) from the walls' ratios; kip-in.
    double GetMn_SlenderWeb_F7_7(double s, double webLambda, double flangeLambda) const;
    // 360-22 F7-8 / F7-9 lateral-torsional buckling about x with Lp of F7-10
    // and Lr of F7-11; mp = Fy Zx; kip-in.
    double GetMn_LateralTorsional_F7_8(const mvSect_AISC& section, double mp) const;
    // E7-16 / E7-18 effective area of slender walls in compression, f = Fy.
    double GetQa_Stiffened(double e, double fy) const;
    // Under 360-22: E3 on the gross section, E7-1 with the E7-3 widths of
    // the slender walls (Table E7.1 (b)).
    CompressionStep GetCompression_360_22() const;
    // Cv of one web, kv = 5.
    double GetCv(double h, double t, double fy) const;
};
