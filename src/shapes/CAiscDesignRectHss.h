// Square and rectangular HSS: E7 effective-width walls in compression, F7
// flexure about both axes (yielding, flange local buckling with an effective
// section, web local buckling), G2 shear through two walls.
#pragma once

#include "../design/CAiscDesign.h"

class CAiscDesignRectHss : public CAiscDesign
{
public:
    int Calculate() override;

protected:
    struct CompactLimits
    {
        double flangeP, flangeR;  // Table B4.1b case 17
        double webP, webR;        // Table B4.1b case 19
    };
    // F7 nominal flexural strength about one axis: the smallest of yielding,
    // flange and web local buckling, kip-ft.
    double GetMn(bool major, const CompactLimits& limits) const;
    // G2-1 strength of the two webs of flat width h.
    double GetVn_Walls(double h) const;
    // Table B4.1b case 17: compact and noncompact limits of the flanges.
    void GetFlangeCompactLimits(double& lambdaP, double& lambdaR) const;
    // Table B4.1b case 19: compact and noncompact limits of the webs.
    void GetWebCompactLimits(double& lambdaP, double& lambdaR) const;
    // F7-2 to F7-4 flange local buckling; bo is the outside width of the
    // compression flange and depth the outside dimension across it.
    double GetMn_LocalBuckling_Flange(double i, double z, double s, double lambda, double bo, double depth,
                                      double tdes, double lambdaP, double lambdaR, bool major) const;
    // F7-5 web local buckling (a slender web is treated as noncompact).
    double GetMn_LocalBuckling_Web(double z, double s, double lambda, double lambdaP, double lambdaR,
                                   bool major) const;
    // E7-16 / E7-18 effective area of slender walls in compression, f = Fy.
    double GetQa_Stiffened(double e, double fy) const;
    // Cv of one web, kv = 5.
    double GetCv(double h, double t, double fy) const;
};
