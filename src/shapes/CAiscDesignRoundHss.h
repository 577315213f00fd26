// Round HSS and pipes: E7 wall reduction (E7-19), F8 flexure about both axes
// (yielding, local buckling), G6 shear.
#pragma once

#include <optional>

#include "../design/CAiscDesign.h"

class ZORSTEEL_API CAiscDesignRoundHss : public CAiscDesign
{
public:
    int Calculate() override;

protected:
    // F8 nominal flexural strength about one axis: the smaller of yielding and
    // local buckling, kip-in.
    double GetMn(bool major, const SlendernessLimits& limits) const;
    // E7-19 reduction for a slender round wall; D/t above 0.45 E/Fy raises ErrorCode 3.
    double GetQa_Stiffened(double e, double fy) const;
    // Table B4.1a case 9: whether D/t is above 0.11 E/Fy, told; a slender
    // wall beyond the 0.45 E/Fy end of E7.2(b) raises ErrorCode 3 and a warning.
    bool IsSlenderWall(double e, double fy) const;
    // Under 360-22: E7-7 effective area of a slender wall (past 0.45 E/Fy
    // too, with ErrorCode 3); none for a nonslender wall (E7-6, Ae = Ag).
    std::optional<double> GetAe_360_22() const;
    // Table B4.1b case 20 limits for flexure: 0.07 E/Fy and 0.31 E/Fy.
    SlendernessLimits GetFlangeCompactLimits() const;
    // F8-2 / F8-3 local buckling of the section's wall D / t about one axis
    // (compact walls reach Mp).
    double GetMn_LocalBuckling_Flange(const mvSect_AISC& section, const SlendernessLimits& limits, bool major) const;
    // G6-2b critical shear stress, at most 0.6 Fy (G6-2a needs the shear length).
    double GetFcr_Shear(double d_t) const;
    using CAiscDesign::GetVn;
    // G6-1 nominal shear strength 0.5 Fcr Ag.
    double GetVn(double fcr, double ag) const;
};
