// A host of the installed library: sets every input of a design object through
// a subclass, reads every result back, and checks one catalogue member. It has
// names of its own that the library uses inside (an MFC-style CString, a
// get_shape): they neither clash with the library's nor replace them.
#include <cstdio>
#include <fstream>
#include <vector>

#include <zorsteel/zorsteel.h>

class CString
{
};

int get_shape(const wchar_t*) { return -7; }

namespace {

int failures = 0;

void Expect(bool condition, const char* what)
{
    if (!condition) {
        std::printf("FAILED: %s\n", what);
        ++failures;
    }
}

// A host's own design class reaches the protected inputs it has set.
class HostDesign : public CAiscDesignRoundHss
{
public:
    bool InputsAre(double pu, double fy, double kz, double lz, double connector) const
    {
        return Pu == pu && Fy == fy && Kz == kz && Lz == lz && ConnectorDistance == connector && !DirectAnalysis &&
               ConsiderB1 && !Report.Enabled() && TotalDeflectionDenominator == 240 && AnalysisSectionName == L"W14X90";
    }
};

} // namespace

int main()
{
    HostDesign design;
    Expect(design.GetB1x() == 1.0 && design.GetB1y() == 1.0 && design.GetErrorCode() == 0, "defaults");
    Expect(design.SetSection(L"hss8.625x0.500") == 12, "SetSection finds a round HSS in any case");
    mvSect_AISC record;
    Expect(design.GetSection(record, L"W14X90") == 0 && record.A == 26.5, "GetSection reads a W shape");

    design.SetGeneralParameters(false, true);
    design.SetLoads(100.0, 20.0, 10.0, 0.85, 0.85, 5.0, 5.0);
    design.SetMaterial(42.0);
    design.SetLateralTorsionalProperty(1.0, 120.0);
    design.SetColumnSlenderness(1.0, 1.0, 120.0, 120.0);
    design.SetColumnSlenderness_Torsional(1.0, 120.0);
    design.SetDoubleAngleConnectorDistance(24.0);
    design.SetDeflectionParameters(240.0, 360.0, 0.2, 0.1, 120.0);
    design.SetDeflectionAdjustmentRatio(1.0, L"W14X90", 999.0);
    std::ofstream report("consumer-report.html");
    design.SetPrintFile(&report);
    design.SetPrint(false);
    Expect(design.InputsAre(100.0, 42.0, 1.0, 120.0, 24.0), "setters store their arguments");

    Expect(design.Calculate() == 1, "Calculate returns 1");
    Expect(design.GetPhiPn() > 0 && design.GetPhiMnx() > 0 && design.GetPhiMny() > 0, "strengths");
    Expect(design.GetPhiVnx() > 0 && design.GetPhiVny() > 0, "shear strengths");
    Expect(design.GetInteractionRatio() > 0 && design.GetVxRatio() > 0 && design.GetVyRatio() > 0, "ratios");
    Expect(design.GetB1x() >= 1.0 && design.GetB1y() >= 1.0, "B1");
    Expect(design.GetCriticalRatio() == design.GetInteractionRatio(), "critical ratio");
    design.ResetResult();
    Expect(design.GetPhiPn() == 0 && design.GetB1x() == 1.0, "ResetResult");
    design.Calculate();
    const double ratio = design.GetCriticalRatio();
    design.ResetForNextCheck();
    Expect(design.GetPhiPn() == 0 && design.GetErrorCode() == 0 && design.InputsAre(100.0, 42.0, 1.0, 120.0, 24.0),
           "ResetForNextCheck keeps the inputs");
    design.Calculate();
    Expect(design.GetCriticalRatio() == ratio, "ResetForNextCheck then Calculate gives the same ratio");
    const zorsteel::MemberVerdict verdict = zorsteel::JudgeMember(design);
    Expect(verdict.Status == zorsteel::MemberStatus::OK, "the verdict");
    if (verdict.Status != zorsteel::MemberStatus::OK) std::printf("%s\n", verdict.Message.c_str());
    Expect(get_shape(L"W") == -7, "the host's own get_shape");

    // The catalogue beside the host: the pipes named "Pipe12" are STD, XS and XXS (A 13.7, 17.5, 35.4).
    CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    Expect(catalogue && catalogue->IsValidAiscSection(L"w14x90"), "the catalogue is loaded");
    std::vector<mvSect_AISC> candidates;
    catalogue->GenerateSections(candidates, L"pipe12");
    Expect(candidates.size() == 3 && candidates[0].A == 13.7 && candidates[2].A == 35.4, "candidates sorted by area");
    candidates.clear();
    catalogue->GenerateSections(candidates, L"W14");  // the library's own get_shape, not the host's
    Expect(candidates.size() > 30, "GenerateSections(W14) with the host's get_shape beside it");
    CSteelDesignManager::ResetInstance();
    std::printf("%s\n", failures == 0 ? "consumer: all checks passed" : "consumer: checks failed");
    return failures == 0 ? 0 : 1;
}
