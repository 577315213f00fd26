// Channels (C, MC): the I-shape check sequence with what a singly symmetric
// section with one-sided flanges changes: E4 flexural-torsional buckling in
// compression, c by F2-8b, the whole flange width in b/t, phi_v = 0.9.
#pragma once

#include "CAiscDesignI.h"

class ZORSTEEL_API CAiscDesignChannel : public CAiscDesignI
{
public:
    int Calculate() override;

protected:
    // 0.9: the rolled-web value 1.0 of G2.1(a) is for I-shapes.
    double GetPhiv(double h, double tw, double fy) const override;
    // Singly symmetric: checked for flexural-torsional buckling too.
    bool ConsiderFlexuralTorsionalBuckling() const override;
    // Singly symmetric: H1.2 does not raise Cb.
    bool IsDoublySymmetric() const override;
    // Table B4.1b case 10 on lambda_f = bf / tf.
    ElementLimits GetFlangeCompactLimits(double bf, double tf, double fy) const override;
    // F6-4 on bf / tf.
    double GetFcr_Minor(double bf, double tf) const override;
    // G7 Cv of the flanges on b / tf = bf / tf.
    double GetCv_Minor(double bf, double tf, double fy) const override;
    // b = bf.
    double GetFlange_b() const override;
    // F2-8b: c = (h0 / 2) sqrt(Iy / Cw).
    double GetC() const override;

private:
    // E4-5 elastic flexural-torsional buckling stress about the x axis of symmetry.
    double GetFe_FlexuralTorsionalBuckling() const override;
};
