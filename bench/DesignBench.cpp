// Member checks as a host runs them in a design loop: Calculate with printing
// off (the hot path), the same with the report written to memory, and a whole
// member from the factory to results.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "zorsteel.h"

namespace {

// Design objects come from the factory, as a host gets them, and go back to it.
struct ReturnToManager
{
    void operator()(CAiscDesign* design) const { CSteelDesignManager::Instance()->DeleteAiscDesign(design); }
};
using Member = std::unique_ptr<CAiscDesign, ReturnToManager>;

Member NewMember(const wchar_t* name)
{
    Member design(CSteelDesignManager::Instance()->CreateAiscDesign(name));
    design->SetGeneralParameters(true, true);
    design->SetMaterial(50.0);
    design->SetLoads(150.0, 40.0, 15.0, 0.85, 0.85, 30.0, 20.0);
    design->SetColumnSlenderness(1.0, 1.0, 240.0, 240.0);
    design->SetLateralTorsionalProperty(1.0, 120.0);
    design->SetDoubleAngleConnnectorDistance(48.0);
    design->SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, 240.0);
    return design;
}

void CheckSilently(benchmark::State& state, const wchar_t* name)
{
    const Member design = NewMember(name);
    design->SetPrint(false);
    for (auto _ : state) {
        design->Calculate();
        benchmark::DoNotOptimize(design->GetCriticalRatio());
    }
}
BENCHMARK_CAPTURE(CheckSilently, slender_HSS8X8X3_16, L"HSS8X8X3/16");
BENCHMARK_CAPTURE(CheckSilently, slender_Pipe26STD, L"Pipe26STD");
BENCHMARK_CAPTURE(CheckSilently, tee_WT4X5, L"WT4X5");
BENCHMARK_CAPTURE(CheckSilently, wide_flange_W14X90, L"W14X90");
BENCHMARK_CAPTURE(CheckSilently, channel_C10X15_3, L"C10X15.3");
BENCHMARK_CAPTURE(CheckSilently, single_angle_L4X3X1_4, L"L4X3X1/4");
// A double angle in compression reads its component angle from the catalogue
// file: about one by-name read (CatalogueBench) on top of the check.
BENCHMARK_CAPTURE(CheckSilently, double_angle_2L4X3X3_8SLBB, L"2L4X3X3/8SLBB")->Unit(benchmark::kMicrosecond);

void CheckWithReport(benchmark::State& state, const wchar_t* name)
{
    SetMessageBoxHandler([](const wchar_t*) {});  // the images are not what is measured
    const Member design = NewMember(name);
    std::ostringstream report;
    design->SetPrintFile(&report);
    for (auto _ : state) {
        report.str(std::string());
        design->Calculate();
        benchmark::DoNotOptimize(design->GetCriticalRatio());
    }
    SetMessageBoxHandler(nullptr);
}
BENCHMARK_CAPTURE(CheckWithReport, slender_HSS8X8X3_16, L"HSS8X8X3/16")->Unit(benchmark::kMicrosecond);

void NewMemberFromName(benchmark::State& state, const wchar_t* name)
{
    for (auto _ : state) {
        const Member design = NewMember(name);
        design->SetPrint(false);
        design->Calculate();
        benchmark::DoNotOptimize(design->GetCriticalRatio());
    }
}
BENCHMARK_CAPTURE(NewMemberFromName, HSS8X8X3_16, L"HSS8X8X3/16")->Unit(benchmark::kMicrosecond);

} // namespace
