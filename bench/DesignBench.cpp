// Member checks as a host runs them in a design loop: Calculate with printing
// off (the hot path), the same with the report written to memory, and a whole
// member from SetSection to results.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "zorsteel.h"

namespace {

std::unique_ptr<CAiscDesign> NewMember(const wchar_t* name)
{
    std::unique_ptr<CAiscDesign> design;
    if (CString(name).Left(4).CompareNoCase(L"Pipe") == 0)
        design = std::make_unique<CAiscDesignRoundHss>();
    else
        design = std::make_unique<CAiscDesignRectHss>();
    design->SetSection(name);
    design->SetGeneralParameters(true, true);
    design->SetMaterial(50.0);
    design->SetLoads(150.0, 40.0, 15.0, 0.85, 0.85, 30.0, 20.0);
    design->SetColumnSlenderness(1.0, 1.0, 240.0, 240.0);
    design->SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, 240.0);
    return design;
}

void CheckSilently(benchmark::State& state, const wchar_t* name)
{
    const std::unique_ptr<CAiscDesign> design = NewMember(name);
    design->SetPrint(false);
    for (auto _ : state) {
        design->Calculate();
        benchmark::DoNotOptimize(design->GetCriticalRatio());
    }
}
BENCHMARK_CAPTURE(CheckSilently, slender_HSS8X8X3_16, L"HSS8X8X3/16");
BENCHMARK_CAPTURE(CheckSilently, slender_Pipe26STD, L"Pipe26STD");

void CheckWithReport(benchmark::State& state, const wchar_t* name)
{
    SetMessageBoxHandler([](const wchar_t*) {});  // the images are not what is measured
    const std::unique_ptr<CAiscDesign> design = NewMember(name);
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
        const std::unique_ptr<CAiscDesign> design = NewMember(name);
        design->SetPrint(false);
        design->Calculate();
        benchmark::DoNotOptimize(design->GetCriticalRatio());
    }
}
BENCHMARK_CAPTURE(NewMemberFromName, HSS8X8X3_16, L"HSS8X8X3/16")->Unit(benchmark::kMicrosecond);

} // namespace
