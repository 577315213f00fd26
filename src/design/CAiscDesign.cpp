#include "CAiscDesign.h"

#include <algorithm>

#include "../platform/Platform.h"
#include "../section/CatalogueFile.h"

using namespace zorsteel;

namespace {

// Reads one named row of the catalogue file beside the executable.
int ReadCatalogueSection(mvSect_AISC& section, const wchar_t* name)
{
    return ReadSectionFromFile(section, CataloguePath(), name);
}

} // namespace

CAiscDesign::CAiscDesign()
    : DirectAnalysis(true), ConsiderB1(true), Rules(DesignRules::Classic), DesignEdition(Edition::Aisc360_10),
      ErrorCode(0), Section(), ShapeCode(-1), Report(), Pu(0), Mux(0), Muy(0), Vux(0), Vuy(0), Cmx(1.0), Cmy(1.0),
      Fy(0), Cb(1.0), Lb(0), Lx(0), Ly(0), Lz(0), Kx(1.0), Ky(1.0), Kz(1.0), ConnectorDistance(0), Fu(0),
      NetAreaRatio(1.0), ShearLagU(1.0), ConnectedLeg(AngleLeg::Unknown), SpaceTruss(false),
      Connectors(ConnectorType::Welded), K1x(1.0), K1y(1.0), Plt(0), Mltx(0), Mlty(0), B2x(1.0), B2y(1.0), Pr(0),
      SingleAngleE5(false), CompressionNote(nullptr), SingleAngleFtb(false), PhiMnx(0), PhiMny(0), PhiPn(0), PhiVnx(0),
      PhiVny(0), InteractionRatio(0), VxRatio(0), VyRatio(0), B1x(1.0), B1y(1.0), KLrLimit(200.0), E(29000.0),
      G(11200.0), Pi(3.14159265), InchesPerFoot(12.0), MomentUnit(L"kip-ft"), ForceUnit(L"kips"), StressUnit(L"ksi"),
      LengthUnit(L"in"), LongLengthUnit(L"ft"), AreaUnit(L"in^2"), TotalDeflectionDenominator(0),
      LiveDeflectionDenominator(0), TotalDy(0), LiveDy(0), L(0), DeflectionAdjustmentRatio(1.0), AnalysisSectionName(),
      AnalysisSectionIx(0)
{
}

CAiscDesign::~CAiscDesign() = default;

void CAiscDesign::SetGeneralParameters(bool directAnalysis, bool considerB1)
{
    DirectAnalysis = directAnalysis;
    ConsiderB1 = considerB1;
}

void CAiscDesign::SetLoads(double pu, double mux, double muy, double cmx, double cmy, double vux, double vuy)
{
    Pu = pu;
    Pr = pu; // until a check adds Plt (A-8-2)
    Mux = mux;
    Muy = muy;
    Cmx = cmx;
    Cmy = cmy;
    Vux = vux;
    Vuy = vuy;
}

void CAiscDesign::SetMaterial(double fy)
{
    Fy = fy;
}

void CAiscDesign::SetLateralTorsionalProperty(double cb, double lb)
{
    Cb = cb;
    Lb = lb;
}

void CAiscDesign::SetColumnSlenderness(double kx, double ky, double lx, double ly)
{
    Kx = kx;
    Ky = ky;
    Lx = lx;
    Ly = ly;
}

void CAiscDesign::SetColumnSlenderness_Torsional(double kz, double lz)
{
    Kz = kz;
    Lz = lz;
}

void CAiscDesign::SetDesignRules(DesignRules rules)
{
    Rules = rules;
}
void CAiscDesign::SetEdition(Edition edition)
{
    DesignEdition = edition;
}

void CAiscDesign::SetTensileRupture(double fu, double netAreaRatio, double shearLagU)
{
    Fu = fu;
    NetAreaRatio = netAreaRatio;
    ShearLagU = shearLagU;
}

void CAiscDesign::SetSingleAngleConnection(AngleLeg leg, bool spaceTruss)
{
    ConnectedLeg = leg;
    SpaceTruss = spaceTruss;
}

void CAiscDesign::SetDoubleAngleConnectorType(ConnectorType type)
{
    Connectors = type;
}

void CAiscDesign::SetNoTranslationLengthFactors(double k1x, double k1y)
{
    K1x = k1x;
    K1y = k1y;
}

void CAiscDesign::SetLateralTranslation(double plt, double mltx, double mlty, double b2x, double b2y)
{
    Plt = plt;
    Mltx = mltx;
    Mlty = mlty;
    B2x = b2x;
    B2y = b2y;
}

double CAiscDesign::GetTensileStrength() const
{
    return Fu > 0 ? Fu : TensileStrengthOfGrade(ShapeCode, Fy);
}

void CAiscDesign::SetDoubleAngleConnnectorDistance(double distance)
{
    ConnectorDistance = distance;
}

void CAiscDesign::SetDeflectionParameters(double totalDenominator, double liveDenominator, double totalDy,
                                          double liveDy, double l)
{
    TotalDeflectionDenominator = totalDenominator;
    LiveDeflectionDenominator = liveDenominator;
    TotalDy = totalDy;
    LiveDy = liveDy;
    L = l;
}

void CAiscDesign::SetDeflectionAdjustmentRatio(double ratio, const wchar_t* analysisSectionName,
                                               double analysisSectionIx)
{
    DeflectionAdjustmentRatio = ratio;
    AnalysisSectionName = CString(analysisSectionName);
    AnalysisSectionIx = analysisSectionIx;
}

void CAiscDesign::SetPrintFile(std::ostream* printFile)
{
    Report.SetStream(printFile);
}

void CAiscDesign::SetPrint(bool enabled)
{
    Report.SetEnabled(enabled);
}

namespace {

// A name not read: unknown to the catalogue, or the catalogue itself missing,
// which is told once and blames no name.
void TellNotRead(const wchar_t* name)
{
    const CString& path = CataloguePath();
    if (CatalogueFound(path))
        OutputDebugStringW(CString(L"Invalid section ") + CString(name));
    else
        TellCatalogueMissing(path);
}

} // namespace

int CAiscDesign::SetSection(const wchar_t* name)
{
    const int code = ReadCatalogueSection(Section, name);
    if (code == -1) TellNotRead(name);
    ShapeCode = code;
    return code;
}

int CAiscDesign::GetSection(mvSect_AISC& section, const wchar_t* name) const
{
    const int code = ReadCatalogueSection(section, name);
    if (code == -1) TellNotRead(name);
    return code;
}

GoverningCheck CAiscDesign::GetCriticalCheck(GoverningCheck interaction) const
{
    // Ties go to the interaction's rivals: to shear, and among the shear ratios to the major.
    if (InteractionRatio > std::max(VxRatio, VyRatio)) return interaction;
    return VxRatio < VyRatio ? GoverningCheck::MinorShear : GoverningCheck::MajorShear;
}

double CAiscDesign::GetCriticalRatio() const
{
    switch (GetCriticalCheck(GoverningCheck::None)) {
    case GoverningCheck::MajorShear:
        return VxRatio;
    case GoverningCheck::MinorShear:
        return VyRatio;
    default:
        return InteractionRatio;
    }
}

LimitStates CAiscDesign::GetLimitStates() const
{
    LimitStates states = Recorder.Record(DesignEdition);
    if (states.Count > 0) {
        states.Check = GetCriticalCheck(Recorder.Interaction());
        states.Ratio = GetCriticalRatio();
    }
    return states;
}

void CAiscDesign::ResetResult()
{
    PhiMnx = 0;
    PhiMny = 0;
    PhiPn = 0;
    PhiVnx = 0;
    PhiVny = 0;
    InteractionRatio = 0;
    VxRatio = 0;
    VyRatio = 0;
    B1x = 1.0;
    B1y = 1.0;
    SingleAngleE5 = false;
    CompressionNote = nullptr;
    SingleAngleFtb = false;
    Recorder.Clear();
}

void CAiscDesign::ResetForNextCheck()
{
    ResetResult();
    ErrorCode = 0;
    Recorder = zorsteel::LimitStateRecorder();
}
