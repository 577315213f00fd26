// Tees (WT, MT, ST): E3 / E7 compression with the flange and stem factors
// Q = Qs_flange Qs_stem and E4 flexural-torsional buckling without Cw, F9 /
// F6 flexure and G2 shear of the stem (the tee-type operations), the flange
// operations of the I-shapes.
#pragma once

#include "../design/CAiscDesignTeeType.h"

class ZORSTEEL_API CAiscDesignT : public zorsteel::CAiscDesignTeeType
{
public:
    int Calculate() override;

protected:
    // Table B4.1b case 10 on the flange: lambda_f = bf / 2tf.
    virtual ElementLimits GetFlangeCompactLimits(double bf, double tf, double fy) const;
    // F6-4 stress of a slender flange, 0.69 E / (bf / 2tf)^2.
    virtual double GetFcr_Minor(double bf, double tf) const;
    // G7 Cv of the flange in minor-axis shear (kv = 1.2, b / tf = (bf / 2) / tf).
    virtual double GetCv_Minor(double bf, double tf, double fy) const;
    // Width of the flange outstand in E7: bf / 2.
    virtual double GetFlange_b() const;
    // E4-2 critical stress about y and in torsion, for a tee without slender elements.
    virtual double GetFcr_FlexuralTorsionalBuckling() const;
    // E4-5 elastic stress, for the E7 path of a tee with a slender element.
    double GetFe_FlexuralTorsionalBuckling() const override;

    // E7-4 to E7-6 reduction of the flange outstand of width b.
    double GetQs_Unstiffened(double b, double tf, double e, double fy) const;
    // E7-13 to E7-15 reduction of the stem d / tw.
    double GetQs_Unstiffened_Stem(double d, double tw, double e, double fy) const;

private:
    // E4 about y with Ky Ly / ry; r0 bar and H from the shear centre y0.
    TorsionalSection GetTorsionalSection() const;
};
