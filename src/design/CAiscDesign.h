// The design object: one structural member checked by AISC 360-10 (LRFD).
// It holds the member's section, forces, material, lengths and design
// constants, runs the shape's limit states in a fixed sequence, and writes the
// calculation as HTML when printing is on. Units: kips, inches, ksi. Moments
// are kip-ft at the interface (the demands Mux and Muy, the design strengths,
// the recorded limit states) and kip-in inside the limit states, which return
// them so; KipFt converts where a moment is shown or returned.
//
// Threads: one object belongs to one thread at a time; different objects may
// be constructed, set (SetSection included), calculated and read on as many
// threads at once as the host likes. Only their report streams must differ.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>

#include "../platform/CString.h"
#include "../report/ReportWriter.h"
#include "../section/mvSect_AISC.h"
#include "DesignRules.h"
#include "FunctionRef.h"
#include "LimitStates.h"

class ZORSTEEL_API CAiscDesign
{
public:
    using CString = zorsteel::CString;
    // The library's names the design classes use, from namespace zorsteel.
    using AngleLeg = zorsteel::AngleLeg;
    using ConnectorType = zorsteel::ConnectorType;
    using DesignRules = zorsteel::DesignRules;
    using Edition = zorsteel::Edition;
    using Equation = zorsteel::Equation;
    using GoverningCheck = zorsteel::GoverningCheck;
    using LimitStateEquation = zorsteel::LimitStateEquation;
    using LimitStateName = zorsteel::LimitStateName;
    using LimitStates = zorsteel::LimitStates;
    using Strength = zorsteel::Strength;
    template <class Signature> using FunctionRef = zorsteel::FunctionRef<Signature>;

    CAiscDesign();
    CAiscDesign(const CAiscDesign&) = default;
    CAiscDesign& operator=(const CAiscDesign&) = default;
    virtual ~CAiscDesign();

    // Runs the whole check and returns 1. Failed checks show as ratios above
    // 1.0 and NG lines; conditions worth telling raise ErrorCode.
    virtual int Calculate() = 0;

    // ---- Inputs --------------------------------------------------------
    void SetGeneralParameters(bool directAnalysis, bool considerB1);
    void SetLoads(double pu, double mux, double muy, double cmx, double cmy, double vux, double vuy);
    void SetMaterial(double fy);
    void SetLateralTorsionalProperty(double cb, double lb);
    void SetColumnSlenderness(double kx, double ky, double lx, double ly);
    void SetColumnSlenderness_Torsional(double kz, double lz);
    void SetDoubleAngleConnnectorDistance(double distance);
    // The same, spelled correctly; the name above stays for the hosts that use it.
    void SetDoubleAngleConnectorDistance(double distance) { SetDoubleAngleConnnectorDistance(distance); }
    void SetDeflectionParameters(double totalDenominator, double liveDenominator, double totalDy, double liveDy,
                                 double l);
    void SetDeflectionAdjustmentRatio(double ratio, const wchar_t* analysisSectionName, double analysisSectionIx);
    // Classic (the default) or full rules (DesignRules.h).
    void SetDesignRules(DesignRules rules);
    // AISC 360-10 (the default) or 360-22 (DesignRules.h). 360-22 runs the
    // full rules whatever SetDesignRules chose.
    void SetEdition(Edition edition);
    // Full rules' inputs; classic rules read none of them.
    // D2-2 / D3: Fu (ksi; 0: the Fu of the grade the family is usually rolled
    // in at Fy, TensileStrengthOfGrade), An / Ag and the shear lag factor U.
    void SetTensileRupture(double fu, double netAreaRatio, double shearLagU);
    // E5: the leg a single angle is connected through, and whether it is a
    // web member of a box or space truss (E5-3, E5-4).
    void SetSingleAngleConnection(AngleLeg leg, bool spaceTruss);
    // E6: the connectors of a double angle.
    void SetDoubleAngleConnectorType(ConnectorType type);
    // Appendix 8: K1 of Pe1 (A-8-5) about x and y.
    void SetNoTranslationLengthFactors(double k1x, double k1y);
    // Appendix 8: the forces from lateral translation, Plt (kips, compression
    // positive) and Mltx, Mlty (kip-ft), with B2 about x and y; Pu, Mux and
    // Muy are then the forces without translation (A-8-1, A-8-2).
    void SetLateralTranslation(double plt, double mltx, double mlty, double b2x, double b2y);
    // The report target is borrowed, never owned or closed.
    void SetPrintFile(std::ostream* printFile);
    void SetPrint(bool enabled);

    // Reads the named section from the catalogue file beside the executable;
    // returns its shape code, or -1 (then ShapeCode is -1 too).
    int SetSection(const wchar_t* name);
    // The same read into the caller's record; the object is unchanged.
    int GetSection(mvSect_AISC& section, const wchar_t* name) const;
    // A section of the host's own (built up, modified, or a catalogue row it
    // holds): shapeCode names its family, which must be one this class checks
    // (as by name: CAiscDesignI takes 0 to 3, CAiscDesignChannel 4 and 5, and
    // so on), and every property the class reads must be finite and above 0
    // (a single angle's SwB may be 0). Returns shapeCode; otherwise -1, with
    // ShapeCode -1 and the section as it was, and tells what is wrong (the
    // property by name) on the debugger channel. A double angle still reads
    // its component angle from the catalogue by the record's name.
    int SetSection(const mvSect_AISC& record, int shapeCode);

    // ---- Results -------------------------------------------------------
    double GetPhiPn() const { return PhiPn; }
    double GetPhiMnx() const { return PhiMnx; }
    double GetPhiMny() const { return PhiMny; }
    double GetPhiVnx() const { return PhiVnx; }
    double GetPhiVny() const { return PhiVny; }
    double GetInteractionRatio() const { return InteractionRatio; }
    double GetVxRatio() const { return VxRatio; }
    double GetVyRatio() const { return VyRatio; }
    double GetB1x() const { return B1x; }
    double GetB1y() const { return B1y; }
    int GetErrorCode() const { return ErrorCode; }
    // The largest of the interaction and the two shear ratios, as > compares
    // them: a NaN interaction ratio gives way to the larger shear ratio, a NaN
    // VyRatio to the others, and a negative ratio ranks below any passing one.
    // A number to show; judge the member by zorsteel::JudgeMember, which also
    // counts non-finite ratios, deflections and error codes.
    double GetCriticalRatio() const;
    // Every limit state the last Calculate evaluated, what governs each
    // strength, and the check whose ratio is the critical ratio.
    LimitStates GetLimitStates() const;
    // Clears the results (B1 back to 1.0) and the limit states; inputs,
    // section and ErrorCode stay.
    void ResetResult();
    // Returns every result, ErrorCode, B1 and the limit-state record to the
    // values of a just-constructed object; inputs, section and report
    // settings stay. One object then serves many load combinations: set the
    // loads, ResetForNextCheck, Calculate, and it gives bit for bit what a
    // fresh object with the same inputs gives.
    void ResetForNextCheck();

    // ---- Inputs as set, for judging the results (MemberVerdict) ------------
    int GetShapeCode() const { return ShapeCode; }
    // The rules the check runs under: full under 360-22.
    DesignRules GetDesignRules() const { return FullRules() ? DesignRules::Full : DesignRules::Classic; }
    Edition GetEdition() const { return DesignEdition; }
    AngleLeg GetAngleConnectedLeg() const { return ConnectedLeg; }
    ConnectorType GetConnectorType() const { return Connectors; }
    // Fu the tension check takes under full rules: as given, or that of the
    // family's usual grade at Fy; 0 when it cannot be known.
    double GetTensileStrength() const;
    // Whether the last Calculate designed a single angle by the E5 slenderness.
    bool AppliedSingleAngleSlenderness() const { return SingleAngleE5; }
    // What the last Calculate's compression step could not do as AISC words
    // it (a static text, null when nothing), for the verdict's message.
    const char* GetCompressionNote() const { return CompressionNote; }
    // Whether the last Calculate checked a single angle for flexural-torsional
    // buckling (360-22, long leg b/t above 0.71 sqrt(E/Fy)): E4-1 on Ag.
    bool AppliedSingleAngleFlexuralTorsional() const { return SingleAngleFtb; }
    double GetFy() const { return Fy; }
    double GetPu() const { return Pu; }
    double GetMux() const { return Mux; }
    double GetMuy() const { return Muy; }
    double GetCmx() const { return Cmx; }
    double GetCmy() const { return Cmy; }
    double GetVux() const { return Vux; }
    double GetVuy() const { return Vuy; }
    double GetCb() const { return Cb; }
    double GetLb() const { return Lb; }
    double GetConnectorDistance() const { return ConnectorDistance; }
    double GetKx() const { return Kx; }
    double GetKy() const { return Ky; }
    double GetKz() const { return Kz; }
    double GetLx() const { return Lx; }
    double GetLy() const { return Ly; }
    double GetLz() const { return Lz; }
    // The catalogue row the object checks (its Ix scales a host's deflections
    // taken with another section; its depth tells a length typed in feet).
    const mvSect_AISC& GetSectionRecord() const { return Section; }

    // ---- Deflection check (report step, read back by hosts) ---------------
    // True when both deflection denominators are non-zero: only then does
    // Calculate write the total-load and live-load checks.
    bool ChecksDeflection() const;
    // |Dy x DeflectionAdjustmentRatio / (L / n)| of the total-load and the
    // live-load check, the ratios the report shows (NG above 1.0), from the
    // inputs as set; NaN when the check does not run. A check that runs with
    // L = 0 and no deflection is 0 / 0, NaN too (and NG in the report).
    double GetTotalDeflectionRatio() const;
    double GetLiveDeflectionRatio() const;

    // ---- Axial limit states (Chapters D and E) ---------------------------
    // The governing slenderness of a column and its E3-4 elastic buckling stress.
    struct ColumnSlenderness
    {
        double KLr; // KL/r
        double Fe;  // ksi
    };
    // Kx Lx / rx, Ky Ly / ry, their slenderness check, and E3-4 Fe on the larger.
    ColumnSlenderness GetColumnFe() const;
    // E3-2 / E3-3 critical stress without slender elements.
    double GetColumnFcr(double fe, double klr) const;
    // E7-2 / E7-3 critical stress with the slender-element factor Q.
    double GetColumnFcr_Slender(double fe, double klr, double q) const;
    // E3-1 flexural buckling strength.
    double GetPn_FlexuralBuckling(double fcr, double ag) const;
    // E4-1 torsional or flexural-torsional buckling strength.
    double GetPn_FlexuralTorsionalBuckling(double fcr, double ag) const;
    // D2-1 tensile yielding on the gross area.
    double GetPn_Tension(double fy, double ag) const;
    // The squash load Fy A that stands in for a second buckling mode in the
    // shapes without one. Not a limit state; only where E7 with Q above 1
    // gives more (pnFlexural) does it cap Pn, and it is recorded as
    // compressive yielding.
    double GetPn_SquashLoad(double pnFlexural) const;
    // The governing compressive strength; a tie goes to flexural buckling.
    double GetPn(double pnFlexural, double pnSecondMode) const;
    // D2-2 tensile rupture on the effective net area Ae = U An (D3-1), full
    // rules: the nominal strength Fu Ae and the design strength 0.75 Fu Ae,
    // both NaN, with ErrorCode 5, when Fu cannot be known.
    struct TensileRupture
    {
        double Pn;    // kips
        double PhiPn; // kips
    };
    TensileRupture GetPn_TensileRupture() const;
    // E3-2 / E3-3 (E7-2 / E7-3 with q below 1) chosen by the stress, Q Fy /
    // Fe at most 2.25, as E3 words it: full rules' torsional modes.
    double GetColumnFcr_ByStress(double fe, double q) const;
    // E4-4 elastic torsional buckling stress of a doubly symmetric member
    // with Kz Lz; infinite for Kz Lz = 0 (braced against twist).
    double GetFe_TorsionalBuckling() const;
    // KL/r limit of 200 about both axes; raises ErrorCode 2 when exceeded.
    bool CheckKL_R(double klrX, double klrY) const;

    // ---- Compression by AISC 360-22 (Chapter E) ---------------------------
    // Table E7.1: the effective width imperfection adjustment factors of a
    // kind of slender element.
    struct EffectiveWidthFactors
    {
        double c1, c2;
    };
    static constexpr EffectiveWidthFactors kStiffenedElement{0.18, 1.31};   // (a): webs
    static constexpr EffectiveWidthFactors kRectangularHssWall{0.20, 1.38}; // (b)
    static constexpr EffectiveWidthFactors kUnstiffenedElement{0.22, 1.49}; // (c): all other elements
    // E7-2 / E7-3 effective width of an element of width b, ratio lambda and
    // Table B4.1a limit lambdaR at the stress fn, Fel by E7-5; E7-3 is held
    // to b (the tabulated c2 lifts it 0.2 % above b just past lambda_r sqrt(Fy/Fn)).
    double GetEffectiveWidth_E7_3(double lambda, double lambdaR, const EffectiveWidthFactors& factors, double b,
                                  double fy, double fn) const;
    // One kind of element of a section in compression, as Table B4.1a
    // classes it and E7 reduces it.
    struct CompressionElement
    {
        const wchar_t* name; // e.g. L"Web h / tw"
        double lambda;       // width-to-thickness ratio
        double lambdaR;      // Table B4.1a limit
        double b, t;         // width and thickness, in
        int count;           // how many the section has
        EffectiveWidthFactors factors;
    };
    // Table B4.1a: each element's ratio and limit shown; true when one is slender.
    bool HasSlenderElement_22(std::span<const CompressionElement> elements) const;
    // Ae = Ag - sum (b - be) t at the stress fn over the elements (E7-2 / E7-3).
    double GetEffectiveArea_22(std::span<const CompressionElement> elements, double fn) const;
    // E4-4 of 360-22: the lowest root of the cubic for an unsymmetric section
    // with the shear centre at (x0, y0) about the principal axes; an infinite
    // stress (a mode braced by a length of 0) drops out.
    double GetFe_E4_4(double fex, double fey, double fez, double x0, double y0, double r02) const;

    // ---- Shear (Chapter G) ----------------------------------------------
    // G2-3 to G2-5 web shear coefficient (Cv2 of G2-9 to G2-11 under 360-22).
    double GetCv(double h_tw, double kv, double fy) const;
    // 360-22 G2-3 / G2-4 web shear coefficient Cv1 of I-shapes and channels
    // outside G2.1(a): 1.0, then 1.10 sqrt(kv E/Fy) / (h/tw).
    double GetCv1_G2_4(double h_tw, double kv, double fy) const;

    // ---- Moment amplification (Appendix 8, C2.3) -------------------------
    // C2-2a / C2-2b stiffness reduction under the direct analysis method.
    double GetTau_b(double pr, double a, double fy) const;
    // One axis of a member in moment magnification.
    struct MagnificationAxis
    {
        double Cm;
        double I; // in^4
        double K;
        double L; // in
    };
    // A-8-3 multiplier about axis with A-8-5 Pe1 for the axial force pr;
    // raises ErrorCode 4 above the Euler load.
    double GetB1(const MagnificationAxis& axis, double pr, double tauB) const;

    // ---- Report ----------------------------------------------------------
    // The primitives of the design object's report writer (ReportWriter.h):
    // each writes only while printing is on and a stream is set.
    void PrintTitle(const wchar_t* text) const { Report.Title(text); }
    void PrintHeader(const wchar_t* text) const { Report.Header(text); }
    void Print(const wchar_t* text) const { Report.Text(text); }
    void Print(const wchar_t* label, double value, const wchar_t* unit, const wchar_t* trailer) const
    {
        Report.Value(label, value, unit, trailer);
    }
    void PrintLine(const wchar_t* text) const { Report.Line(text); }
    void PrintLine(const wchar_t* label, double value, const wchar_t* unit) const
    {
        Report.ValueLine(label, value, unit);
    }
    void PrintResult(const wchar_t* label, double ratio) const { Report.Result(label, ratio); }
    void PrintError(const wchar_t* text) const { Report.Error(text); }
    void PrintWarning(const wchar_t* text) const { Report.Warning(text); }
    void PrintImage(const wchar_t* name) const { Report.Image(name); }
    void PrintEquationValue(const wchar_t* name, double value, const wchar_t* unit) const
    {
        Report.EquationValue(name, value, unit);
    }
    // An equation of the table (Equations.h) by its image.
    // An equation of the table (Equations.h) by its image in the check's edition.
    const wchar_t* EquationImage(Equation equation) const { return zorsteel::EquationImage(equation, DesignEdition); }
    void PrintImage(Equation equation) const { Report.Image(EquationImage(equation)); }
    void PrintEquationValue(Equation equation, double value, const wchar_t* unit) const
    {
        Report.EquationValue(EquationImage(equation), value, unit);
    }
    // Section properties and design inputs that open every report.
    void PrintSection() const;
    void PrintInput() const;
    // Total-load and live-load serviceability checks (report only).
    void PrintDeflections() const;

protected:
    // Resistance factor for major-axis shear; arguments as the shape chooses.
    virtual double GetPhiv(double a, double b, double c) const;
    // Resistance factor for minor-axis shear.
    virtual double GetPhiv_Minor() const;
    virtual bool ConsiderFlexuralTorsionalBuckling() const;
    virtual double GetFe_FlexuralTorsionalBuckling() const;
    // Amplifies the working moments by B1 about each axis (P-delta).
    virtual void ComputeMomentMagnification(double& mrx, double& mry, double a, double ix, double iy);

    // The full rules apply: chosen, or the 360-22 edition.
    bool FullRules() const { return Rules == DesignRules::Full || Is360_22(); }
    bool Is360_22() const { return DesignEdition == Edition::Aisc360_22; }

    // True while report writes reach a stream; guards formatting work.
    bool IsPrinting() const { return Report.IsWriting(); }

    // Units at the edge: the one place where a moment in kip-in becomes
    // kip-ft and a length in inches feet, as a report shows them and the
    // results return them.
    double KipFt(double kipIn) const { return kipIn / InchesPerFoot; }
    double Feet(double inches) const { return inches / InchesPerFoot; }
    // A moment in kip-in shown in kip-ft by an image or an equation of the table.
    void PrintMoment(const wchar_t* image, double kipIn) const { PrintEquationValue(image, KipFt(kipIn), MomentUnit); }
    void PrintMoment(Equation equation, double kipIn) const { PrintEquationValue(equation, KipFt(kipIn), MomentUnit); }
    // label = the moment in kip-ft.
    void PrintMomentLine(const wchar_t* label, double kipIn) const { PrintLine(label, KipFt(kipIn), MomentUnit); }
    // A limit state whose nominal moment is kipIn, recorded in kip-ft.
    void RecordMoment(LimitStateEquation equation, double kipIn) const { Recorder.Add(equation, KipFt(kipIn)); }

    // G2-1 nominal shear strength 0.6 Fy Aw Cv; under 360-22 shown and
    // recorded as equation22, the product's number there (G2-1 with Cv1 of
    // I-shape and channel webs, G3-1, G4-1, G6-1 with Cv2).
    double GetVn(double fy, double aw, double cv, Equation equation22 = Equation::G2_1) const;
    // The shapes' Cv operations all have this form: show kv, show the plate's
    // slenderness ratio, then G2-3 to G2-5.
    double GetCv_Element(double ratio, const wchar_t* ratioImage, double kv, const wchar_t* kvImage, double fy) const;
    // F6-4 local buckling stress 0.69 E / (b/t)^2 (0.70 under 360-22) of an unstiffened element:
    // the shapes' GetFcr_Minor operations are one-line calls with their own
    // width-to-thickness ratio (bf / 2tf for I-shapes and tees, b/t for legs).
    double GetFcr_Element(double ratio) const;
    // An element's compact and noncompact limits.
    struct SlendernessLimits
    {
        double lambdaP, lambdaR;
    };
    // An element's slenderness with its compact and noncompact limits.
    struct ElementLimits
    {
        double lambda, lambdaP, lambdaR;
    };
    // One case of Table B4.1b as the report shows it: the factors of the
    // compact and noncompact limits with their images, and the lines that
    // class the element.
    struct CompactnessCase
    {
        double kp;
        const wchar_t* pImage;
        double kr;
        const wchar_t* rImage;
        const wchar_t* compact;
        const wchar_t* nonCompact;
        const wchar_t* slender;
    };
    // The limits kp root / divisor and kr root / divisor, shown, and the line
    // that classes lambda against them: a ratio exactly at the compact limit
    // is noncompact. sqrt(E/Fy) is formed as the case writes it: root =
    // sqrt(E/Fy) with divisor 1, or root = sqrt(E) with divisor sqrt(Fy).
    ElementLimits GetCompactLimits_Element(double lambda, double root, const CompactnessCase& limits,
                                           double divisor = 1.0) const;
    // Table B4.1b case 12: an angle leg's b / t against 0.54 and 0.91
    // sqrt(E/Fy), under its title; single angles, and double angles' legs
    // under 360-22.
    ElementLimits GetLegCompactLimits(const wchar_t* title, double b, double t, double fy) const;
    // F10-6 to F10-8 (360-10 F10-7 to F10-9) local buckling of an angle leg
    // whose toe is in compression, kip-in: a compact leg keeps mnYield.
    // Single angles, and double angles under 360-22 (F9.3(b), F9.4(b)).
    double GetMn_LegLocalBuckling(const ElementLimits& leg, double fy, double sc, double mnYield) const;
    // 360-22 F10-2 (My / Mcr <= 1: (1.92 - 1.17 sqrt(My/Mcr)) My <= 1.5 My)
    // and F10-3 ((0.92 - 0.17 Mcr/My) Mcr) lateral-torsional buckling of
    // angles, kip-in: single angles, and double-angle web legs in compression.
    double GetMn_LateralTorsional_F10_2(double mcr, double my) const;
    // One kind of unstiffened element in E7: the limits k sqrt(E/Fy) between
    // which Qs falls from 1 (stocky) by a - c lambda sqrt(Fy/E) (middle) to
    // k E / (Fy lambda^2) (slender), with the images of each step.
    struct UnstiffenedCase
    {
        double kStocky;
        const wchar_t* stockyLimitImage;
        double kSlender;
        const wchar_t* slenderLimitImage; // null: the upper limit is not shown
        const wchar_t* stockyImage;
        Equation stockyEquation;
        const wchar_t* middleImage;
        double a, c;
        Equation middleEquation;
        const wchar_t* slenderImage;
        double k;
        Equation slenderEquation;
    };
    // Qs of an unstiffened element of slenderness lambda: the limits shown,
    // then the branch; the upper limit itself is slender. I-shape and tee
    // flanges, tee stems and angle legs share it.
    double GetQs_Element(double lambda, double e, double fy, const UnstiffenedCase& element) const;
    // E7-4 to E7-6 reduction factor Qs of a rolled flange of slenderness
    // lambda (I-shapes, channels, tees); the I-shapes' report does not show
    // the upper limit 1.03 sqrt(E/Fy).
    double GetQs_RolledFlange(double lambda, double e, double fy, bool showSlenderLimit) const;
    // E7-10 to E7-12 reduction factor Qs of an angle leg of width b: single
    // and double angles share it.
    double GetQs_AngleLeg(double b, double t, double e, double fy) const;

    // The flange operations that I-shapes share with tees (the flange
    // outstand is half the width, b = bf / 2) and channels with double angles
    // (the whole width).
    // Table B4.1b case 10 on lambda_f = bf / 2tf: compact and noncompact limits and the flange's class.
    ElementLimits GetFlangeCompactLimits_HalfFlange(double bf, double tf, double fy) const;
    // Table B4.1b case 10 on lambda_f = bf / tf. Channels write the limits
    // k sqrt(E) / sqrt(Fy), double angles k sqrt(E/Fy) (rootOfQuotient).
    ElementLimits GetFlangeCompactLimits_FullFlange(double bf, double tf, double fy, bool rootOfQuotient = false) const;
    // F6-4 stress of a flange outstand bf / 2tf.
    double GetFcr_HalfFlange(double bf, double tf) const;
    // G7 Cv of two flange outstands (kv = 1.2, b / tf = (bf / 2) / tf).
    double GetCv_HalfFlange(double bf, double tf, double fy) const;
    // The width b of the flange outstand in E7 and Table B4.1a: bf / 2.
    double GetFlange_HalfWidth() const;
    // F7-1 / F8-1 plastic moment Fy Z of a hollow section, kip-in (round and
    // rectangular HSS share it), shown and recorded as equation.
    double GetMn_Yielding(double fy, double z, bool major, LimitStateEquation equation) const;

    // The shape's part in the check sequence that every Calculate runs.
    struct WorkingMoments
    {
        double Mrx, Mry; // kip-ft
    };
    // Moments about the geometric axes x and y resolved to the axes the shape
    // is designed about (a single angle's principal axes); as given otherwise.
    virtual WorkingMoments ToDesignAxes(double mx, double my) const;
    // A-8-1 under full rules: the moments from lateral translation times B2,
    // added on the design axes to the amplified moments without translation.
    void AddLateralTranslationMoments(double& mrx, double& mry) const;
    // H1.2 under full rules: Cb times sqrt(1 + Pr / Pey) for a doubly
    // symmetric member in axial tension; Cb as given otherwise.
    double GetCb_AxialTension(bool doublySymmetric) const;
    // The K of Pe1 (A-8-5) about an axis: K1 under full rules, the member's
    // K under classic rules.
    double GetK_Pe1(double k, double k1) const;
    // E4-2 / E4-5 with a braced mode (an infinite stress, a length of 0)
    // under full rules: the other stress, never a NaN.
    double GetStress_FlexuralTorsional_Braced(double fy, double fz, double h) const;
    struct ShearStep
    {
        double Vn;   // nominal shear strength, kips
        double Phiv; // its resistance factor
    };
    struct CompressionStep
    {
        double PnFlexural;   // flexural buckling strength
        double PnSecondMode; // torsional / flexural-torsional strength, or the squash load
    };
    struct CheckSteps
    {
        FunctionRef<CompressionStep()> compression;   // Pu >= 0
        FunctionRef<double(double mrx)> majorFlexure; // Mn about the major axis, kip-in
        FunctionRef<double(double mry)> minorFlexure; // Mn about the minor axis, kip-in
        FunctionRef<ShearStep()> majorShear;          // Vn and the major-axis phi_v
        FunctionRef<double()> minorShear;             // Vn; phi_v is GetPhiv_Minor
        // The working moments Mux and Muy on the axes the shape is designed
        // about, before amplification and in tension too (a single angle's
        // principal axes); empty: the geometric axes as given.
        FunctionRef<WorkingMoments()> designAxes = {};
        double magnificationIx; // inertias handed to ComputeMomentMagnification
        double magnificationIy;
        const wchar_t* workingMomentsLine = L"Mrx = Mux; Mry = Muy";
        const wchar_t* majorFlexureHeader = L"Major Flexural Capacity Calculation";
        const wchar_t* minorFlexureHeader = L"Minor Flexural Capacity Calculation";
        const wchar_t* majorDesignImage = L"Mcx.png";
        const wchar_t* minorDesignImage = L"Mcy.png";
    };
    // The fixed sequence: summaries, axial strength, amplification, flexure,
    // H1-1 interaction, shear ratios, deflections. Returns 1. The steps are
    // borrowed: write them in the call's argument list.
    int RunCheckSequence(const CheckSteps& steps);

    // A critical stress with the slenderness whose E3 or E7 branch gave it.
    struct CriticalStress
    {
        double Fcr; // ksi
        double KLr; // the governing KL/r
    };
    // Compression by flexural buckling (E3, or E7 when q is not exactly 1):
    // prints the title line, the slenderness steps and, on the slender path,
    // qLabel = q (and a blank line when asked).
    CriticalStress GetFlexuralBucklingFcr(double q, const wchar_t* qLabel, bool blankLineAfterQ = false) const;
    // The compression step of a shape with no torsional buckling mode: E3-1
    // flexural buckling against the squash load Fy A.
    CompressionStep GetCompression_FlexuralOnly(double q, const wchar_t* qLabel) const;
    // What the shapes with a torsional mode (channels, tees, double angles)
    // say differently in their compression step.
    struct TorsionalCompressionTexts
    {
        const wchar_t* qLabel;         // the slender path's Q line, e.g. "Q = Qs * Qa"
        bool blankLineAfterQ;          // a blank line after it
        const wchar_t* torsionalTitle; // the second mode's title line when Q is exactly 1
    };
    // The compression step of a shape with a second buckling mode: E3-1 / E7
    // flexural buckling, then, when ConsiderFlexuralTorsionalBuckling(), the
    // E4-1 strength: with Q exactly 1 under texts.torsionalTitle at the stress
    // torsionalFcr(KL/r); on the slender path E7 on
    // GetFe_FlexuralTorsionalBuckling() with the same KL/r and Q. Otherwise the
    // second mode is the squash load Fy A.
    CompressionStep GetCompression_FlexuralTorsional(double q, const TorsionalCompressionTexts& texts,
                                                     FunctionRef<double(double klr)> torsionalFcr) const;
    // The second buckling mode of a shape under 360-22: its title line and
    // its elastic stress of E4 (a callable that outlives this); by E4-1 on
    // Ag (single angles) or, with a slender element, by E7-1 on Ae at its Fn.
    struct SecondMode22
    {
        const wchar_t* title;
        FunctionRef<double()> fe;
        bool grossArea = false;
    };
    // Compression under 360-22: column() (the title line written before it),
    // Fn by E3-2 / E3-3 chosen by Fy / Fe, and Pn = Fn Ag (E3-1) or, when
    // effectiveArea(fn) gives an area (a slender element), Pn = Fn Ae
    // (E7-1); then the second mode at its own Fn, or the squash load.
    CompressionStep GetCompression_22_EffectiveArea(FunctionRef<ColumnSlenderness()> column,
                                                    FunctionRef<std::optional<double>(double fn)> effectiveArea,
                                                    const SecondMode22* second) const;
    // The same for a section of elements (Table B4.1a, E7-2 / E7-3).
    CompressionStep GetCompression_22(FunctionRef<ColumnSlenderness()> column,
                                      std::span<const CompressionElement> elements, const SecondMode22* second) const;
    // E4-2 / E4-5: the stress of a singly symmetric member from its stresses
    // about the axis of symmetry (fy) and in torsion (fz), with H of E4-10.
    double GetStress_FlexuralTorsional(double fy, double fz, double h) const;
    // The legs of a double angle in their roles: the long legs are back to
    // back, forming the stem h, when the name holds "LLBB"; otherwise they
    // are the flange bf.
    struct DoubleAngleLegs
    {
        double bf; // the outstanding leg, in
        double h;  // the back-to-back leg, in
    };
    DoubleAngleLegs GetDoubleAngleLegs() const;

    bool DirectAnalysis;
    bool ConsiderB1;
    DesignRules Rules;
    Edition DesignEdition;
    mutable int ErrorCode; // raised by const limit states, never cleared
    mvSect_AISC Section;
    int ShapeCode;
    // The report: the stream it borrows (PrintFile) and its switch (PrintEnabled).
    zorsteel::ReportWriter Report;
    double Pu;
    double Mux;
    double Muy;
    double Vux;
    double Vuy;
    double Cmx;
    double Cmy;
    double Fy;
    double Cb;
    double Lb;
    double Lx;
    double Ly;
    double Lz;
    double Kx;
    double Ky;
    double Kz;
    double ConnectorDistance;
    // Full rules' inputs (the setters above).
    double Fu;
    double NetAreaRatio;
    double ShearLagU;
    AngleLeg ConnectedLeg;
    bool SpaceTruss;
    ConnectorType Connectors;
    double K1x;
    double K1y;
    double Plt;
    double Mltx;
    double Mlty;
    double B2x;
    double B2y;
    // The required axial strength of the check running: Pu, or under full
    // rules Pnt + B2 Plt (A-8-2).
    double Pr;
    mutable bool SingleAngleE5;          // the last Calculate applied E5
    mutable const char* CompressionNote; // GetCompressionNote
    mutable bool SingleAngleFtb;         // AppliedSingleAngleFlexuralTorsional
    double PhiMnx;
    double PhiMny;
    double PhiPn;
    double PhiVnx;
    double PhiVny;
    double InteractionRatio;
    double VxRatio;
    double VyRatio;
    double B1x;
    double B1y;
    double KLrLimit;
    double E;
    double G;
    double Pi;
    double InchesPerFoot;
    CString MomentUnit;
    CString ForceUnit;
    CString StressUnit;
    CString LengthUnit;
    CString LongLengthUnit;
    CString AreaUnit;
    double TotalDeflectionDenominator;
    double LiveDeflectionDenominator;
    double TotalDy;
    double LiveDy;
    double L;
    double DeflectionAdjustmentRatio;
    CString AnalysisSectionName;
    double AnalysisSectionIx;
    // The limit states of the check running, or of the last one: written by
    // the const limit states as they compute.
    mutable zorsteel::LimitStateRecorder Recorder;

private:
    // The check whose ratio is the critical ratio, interaction standing for
    // the H1-1 equation the check used.
    GoverningCheck GetCriticalCheck(GoverningCheck interaction) const;
    // Table B4.1b case 10 on a flange slenderness shown as ratioImage, the
    // limits k root / divisor.
    ElementLimits GetFlangeCompactLimits_Element(double ratio, const wchar_t* ratioImage, double root,
                                                 double divisor) const;
};
