// Single angles: E3/E7 flexural buckling about the minor principal axis with
// the leg factor Qs, F10 flexure about the principal axes w and z (yielding,
// lateral-torsional buckling about w, leg local buckling), G2 shear on each leg
// as a rectangle.
#pragma once

#include "../design/CAiscDesign.h"

class ZORSTEEL_API CAiscDesignL : public CAiscDesign
{
public:
    int Calculate() override;

protected:
    // Resolves Mux and Muy to the principal axes and amplifies each by its
    // own B1 (A-8-3 with Iw and Iz); B1x and B1y hold B1 about w and z.
    void ComputeMomentMagnification(double& mw, double& mz, double a, double iw, double iz) override;
    // F6-4 stress of a leg of width b (GetFcr_Element, the body the double
    // angle and the channel share); the single angle's own check never asks.
    virtual double GetFcr_Minor(double b, double t) const;
    // Cv of the short leg, kv = 1.2.
    virtual double GetCv_Minor(double d, double t, double fy) const;

    // E7-10 to E7-12 reduction factor of the long leg.
    double GetQs_Unstiffened(double b, double t, double e, double fy) const;
    // Kx Lx / rz with its 200 limit, and the E3-4 stress (it hides the base's
    // two-axis slenderness).
    ColumnSlenderness GetColumnFe() const;
    // Under full rules, E5-1 to E5-4 for an angle connected through one leg
    // (with the unequal-leg addition and floor of an angle connected by its
    // short leg), L = Lx, and the E3-4 stress on it.
    ColumnSlenderness GetColumnFe_E5() const;
    // Full rules, the connected leg given, and not a short leg with bl / bs
    // of 1.7 or more (outside E5).
    bool AppliesE5() const;
    bool IsShortLegConnected() const;
    // Under 360-22: E3 flexural buckling (E5 slenderness while its conditions
    // hold) by E7-1 with each slender leg's E7-3 width, and for a long leg
    // b / t above 0.71 sqrt(E/Fy) E4 flexural-torsional buckling on Ag.
    CompressionStep GetCompression_360_22() const;
    // E4-3 (equal legs, about w) or E4-4 (unequal legs) elastic stress with
    // Lcx = Kx Lx about w and z and Fez of E4-7 with Cw.
    double GetFe_FlexuralTorsional_360_22() const;
    WorkingMoments ToDesignAxes(double mx, double my) const override;
    // F10-1 yielding about one principal axis: Mn, the least yield moment My
    // over the points A, B, C (both kip-in), and Sc, the modulus at the leg
    // tip in compression.
    struct Yielding
    {
        double Mn, My, Sc;
    };
    // About w (it hides the base's hollow-section yielding, which takes
    // other arguments), for the moment muw.
    Yielding GetMn_Yielding(double fy, double muw) const;
    // About z, for the moment muz.
    Yielding GetMn_Yielding_Minor(double fy, double muz) const;
    // F10-2 / F10-3 lateral-torsional buckling of the section about w with the
    // F10-4 (equal legs) or F10-5 (unequal legs) elastic moment, kip-in.
    double GetMn_LateralTorsional(const mvSect_AISC& section, double cb, double lb, double my) const;
    // beta_w of Commentary Table C-F10.1 for the legs b and d, in; 0 for
    // equal legs and for legs the table does not list.
    double GetBetaw(double b, double d) const;
    // 360-22 F10-4 elastic moment of any angle about w, kip-in: (9 E Ag rz t
    // Cb / 8 Lb)(sqrt(1 + (4.4 beta_w rz / Lb t)^2) + 4.4 beta_w rz / Lb t),
    // beta_w = 0 for equal legs, Cb at most 1.5.
    double GetMcr_F10_4(const mvSect_AISC& section, double cb, double lb) const;
    // F10-6 to F10-9 leg local buckling, kip-in; a compact leg keeps the
    // yielding strength mnYield.
    double GetMn_Compact(const ElementLimits& leg, double fy, double sc, double mnYield) const;
    // Cv of the long leg, kv = 1.2.
    double GetCv_Major(double b, double t, double fy) const;

private:
    // Mux and Muy about the principal axes w and z: Muw = Muy sin(a) - Mux
    // cos(a), Muz = Mux sin(a) + Muy cos(a), with a = arctan(tan_a).
    WorkingMoments GetPrincipalMoments() const;
    // One point's yield moment Fy S (kip-in), shown with its F10-1 value.
    double GetMy_Point(double fy, double s, const wchar_t* myImage, const wchar_t* mnImage) const;
};
