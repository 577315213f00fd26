// Round HSS and pipes: E7 wall reduction (E7-19), F8 flexure about both axes
// (yielding, local buckling), G6 shear.
#pragma once

#include "../design/CAiscDesign.h"

class CAiscDesignRoundHss : public CAiscDesign
{
public:
    int Calculate() override;

protected:
    // F8 nominal flexural strength about one axis: the smaller of yielding and
    // local buckling, kip-ft.
    double GetMn(bool major, double lambdaP, double lambdaR) const;
    // E7-19 reduction for a slender round wall; D/t above 0.45 E/Fy raises ErrorCode 3.
    double GetQa_Stiffened(double e, double fy) const;
    // Table B4.1b case 20 limits for flexure: 0.07 E/Fy and 0.31 E/Fy.
    void GetFlangeCompactLimits(double& lambdaP, double& lambdaR) const;
    // F8-2 / F8-3 local buckling (compact walls reach Mp); the inertia is not used.
    double GetMn_LocalBuckling_Flange(double i, double z, double s, double d_t, double lambdaP, double lambdaR,
                                      bool major) const;
    // G6-2b critical shear stress, at most 0.6 Fy (G6-2a needs the shear length).
    double GetFcr_Shear(double d_t) const;
    using CAiscDesign::GetVn;
    // G6-1 nominal shear strength 0.5 Fcr Ag.
    double GetVn(double fcr, double ag) const;
};
