// Rolled and built-up I-shapes (W, M, S, HP): E3 / E7 compression with the
// flange Qs and web Qa, F2 / F3 major-axis flexure with a compact web and F5
// otherwise, F6 minor-axis flexure, G2 web and G7 flange shear. Channels run
// the same sequence with their own virtual operations.
#pragma once

#include "../design/CAiscDesign.h"

class ZORSTEEL_API CAiscDesignI : public CAiscDesign
{
public:
    int Calculate() override;

    // Sample built-up members: each overwrites the section values it names
    // and leaves the rest of the record, the material, lengths and loads.
    // Two plate girders with slender webs (h = 100 in), for the F5 route.
    void TestPlateGirder();
    void TestPlateGirder2();
    // A column whose web (h/tw = 60) is slender in compression, for the Qa route.
    void TestBuildupColumn();

protected:
    // G2.1(a): 1.0 for a web with h/tw <= 2.24 sqrt(E/Fy), otherwise 0.9.
    double GetPhiv(double h, double tw, double fy) const override;
    // A doubly symmetric I-shape is checked for flexural buckling only.
    bool ConsiderFlexuralTorsionalBuckling() const override;
    // Table B4.1b case 10 on the flange: lambda_f = bf / 2tf.
    virtual ElementLimits GetFlangeCompactLimits(double bf, double tf, double fy) const;
    // F6-4 stress of a slender flange, 0.69 E / (bf / 2tf)^2.
    virtual double GetFcr_Minor(double bf, double tf) const;
    // G7 Cv of the flanges in minor-axis shear (kv = 1.2).
    virtual double GetCv_Minor(double bf, double tf, double fy) const;
    // Width of the unstiffened flange element in E7: bf / 2.
    virtual double GetFlange_b() const;
    // F2-8a: c = 1.
    virtual double GetC() const;

    // Table B4.1b case 15 on the web: lambda_w = h / tw.
    ElementLimits GetWebCompactLimits(double tw, double h, double fy) const;
    // The unbraced lengths that bound lateral-torsional buckling, in.
    struct LengthLimits
    {
        double Lp, Lr;
    };
    // F2-5 Lp and F2-6 Lr with c of F2-8, which F2-4 needs again.
    struct LateralLimits
    {
        LengthLimits Lengths;
        double c;
    };
    // F2-5, F2-6 and GetC for the section; a record without rts gets it from F2-7.
    LateralLimits GetLateralLimits(const mvSect_AISC& section, double fy) const;
    // F2-4 elastic lateral-torsional buckling stress of the section, uncapped.
    double GetFcr(const mvSect_AISC& section, double cb, double lb, double fy, double c) const;
    // kc = 4 / sqrt(h/tw) of F3-2 and F5-9, kept within 0.35 and 0.76.
    double GetKc() const;
    // F2-1 yielding and F3-1 / F3-2 flange local buckling of the section, kip-in.
    double GetMn_Compact(const ElementLimits& flange, const mvSect_AISC& section, double fy) const;
    // F2-1 to F2-3 lateral-torsional buckling with F2-4 fcr beyond Lr, capped at Mp, kip-in.
    double GetMn_Lateral(const mvSect_AISC& section, const LengthLimits& limits, double cb, double lb, double fy,
                         double fcr) const;
    // E7-4 to E7-6 reduction of the unstiffened flange of width b.
    double GetQs_Unstiffened(double b, double t, double e, double fy) const;
    // E7-16 / E7-17 reduction of the web (b = h, t = tw), f from E3 with Q = 1.
    double GetQa_Stiffened(double b, double t, double e, double fy) const;

    // What F5 needs of a noncompact or slender web: Rpg and rt.
    struct SlenderWeb
    {
        double Rpg;  // F5-6
        double rt;   // F4-11, in
    };
    // F4-12 aw and F5-6 bending strength reduction factor Rpg of the section
    // with the clear web depth h.
    double GetBendingStrengthReductionFactor_SlenderWeb(const mvSect_AISC& section, double h, double fy) const;
    // F4-11 effective radius of gyration rt (inches).
    double GetRt_SlenderWeb(const mvSect_AISC& section, double h) const;
    // F4-7 Lp and F5-5 Lr (inches).
    LengthLimits GetLateralLimits_SlenderWeb(double rt, double fy) const;
    // F5-2 to F5-4 compression flange yielding and lateral-torsional buckling, kip-in.
    double GetMn_Lateral_SlenderWeb(const mvSect_AISC& section, const SlenderWeb& web, const LengthLimits& limits,
                                    double cb, double lb, double fy) const;
    // F5-7 to F5-9 compression flange local buckling, kip-in.
    double GetMn_Compact_SlenderWeb(const ElementLimits& flange, const mvSect_AISC& section, const SlenderWeb& web,
                                    double fy) const;
    // F6-1 to F6-3 minor-axis yielding and flange local buckling of the
    // section, kip-in; fcr counts only for a slender flange.
    double GetMn_Compact_Minor(const ElementLimits& flange, const mvSect_AISC& section, double fy, double fcr) const;
    // G2-2 to G2-5 web Cv (kv = 5), 1.0 for a web with h/tw <= 2.24 sqrt(E/Fy).
    double GetCv_Major(double h, double tw, double fy) const;

private:
    CompressionStep GetCompression(double h) const;
    // Mnx, kip-in, and the flange's limits, which the minor axis uses again.
    struct MajorFlexure
    {
        double Mn;
        ElementLimits Flange;
    };
    MajorFlexure GetMnx(double h) const;
    double GetMnx_CompactWeb(const ElementLimits& flange, double cb) const;
    double GetMnx_NoncompactWeb(double h, const ElementLimits& flange, double cb) const;
    // Under full rules, an I-shape's compression: E3 / E7 flexural buckling,
    // then E4-4 torsional buckling with Kz Lz (none when Kz Lz = 0).
    CompressionStep GetCompression_Torsional(double q) const;
    // Under 360-22: E3 / E4-2 (channels E4-3) on the gross section, E7-1 with
    // the E7-3 widths of the flange outstands and the web h when slender.
    CompressionStep GetCompression_360_22(double h) const;
    // Whether H1.2 may raise Cb under axial tension: I-shapes yes, channels no.
    virtual bool IsDoublySymmetric() const;
    // E7.2(a) under full rules: be = b below b/t = 1.49 sqrt(E/f), E7-17
    // within 0 and b above it.
    double GetEffectiveWidth_Full(double b, double t, double e, double f) const;
    // The equations of a flange's noncompact and slender ranges about one axis.
    struct FlangeEquations
    {
        LimitStateEquation noncompact;
        LimitStateEquation slender;
    };
    // Flange local buckling by the flange's class, kip-in: Mp when compact,
    // the interpolation from Mp to 0.7 Fy S when noncompact (F3-1, F6-2),
    // slenderMn when slender (F3-2, F6-3); the report shows the uncapped
    // moment, the result is at most Mp.
    double GetMn_FlangeLocalBuckling(const ElementLimits& flange, double mp, double fy, double s,
                                     const FlangeEquations& equations, FunctionRef<double()> slenderMn) const;
    // F5-2 / F5-7: the compression flange stress fcr, limited to Fy, times Rpg Sx, kip-in.
    double GetMn_SlenderWeb(double fcr, double fy, double sx, double rpg, Equation equation) const;
    // The record's rts, or F2-7's (shown) where it carries none.
    double GetRts(const mvSect_AISC& section) const;
    // The flange and web plates of a fixture.
    void SetPlates(double bf, double tf, double tw, double h_tw, double d);
};
