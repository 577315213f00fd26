// Double angles, two angles back to back, checked as a tee: the outstanding
// legs are the flange, the back-to-back legs the stem ("LLBB" in the name: the
// long legs back to back, so the short legs are the flange). E3 / E7 compression with the leg factor Qs and E4
// flexural-torsional buckling about y with the E6 modified slenderness of the
// component angle, F9 / F6 flexure and G2 shear of both angles.
#pragma once

#include "../design/CAiscDesignTeeType.h"

class ZORSTEEL_API CAiscDesign2L : public zorsteel::CAiscDesignTeeType
{
public:
    int Calculate() override;

protected:
    // Table B4.1b case 10 on one whole leg: lambda = bf / tf.
    virtual ElementLimits GetFlangeCompactLimits(double bf, double tf, double fy) const;
    // F6-4 stress of a slender outstanding leg, 0.69 E / (bf / t)^2.
    virtual double GetFcr_Minor(double bf, double tf) const;
    // Cv of the outstanding legs in minor-axis shear (kv = 1.2, bf / tf).
    virtual double GetCv_Minor(double bf, double tf, double fy) const;
    // E4-2 critical stress about y and in torsion, for legs without slender elements.
    virtual double GetFcr_FlexuralTorsionalBuckling() const;
    // E4-5 elastic stress, for the E7 path of a slender leg.
    double GetFe_FlexuralTorsionalBuckling() const override;

    // Reads the component single angle from the catalogue by the name the
    // double angle's name gives; its shape code, or -1.
    int GetSingleAngleFromDoubleAngle(mvSect_AISC& angle) const;
    // Whether the angles are in continuous contact: the record's name gives
    // no spacing after the single angle's ("2L5X3X1/4LLBB", not
    // "2L5X3X1/4X3/4LLBB"). A name that is not a double angle's: apart.
    bool IsInContinuousContact() const;

private:
    // E4 about y: the E6 slenderness from the connector spacing and the
    // component angle's rz, J of the two angles; r0 bar and H of the record.
    TorsionalSection GetTorsionalSection() const;
};
