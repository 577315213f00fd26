// Member checks as a host runs them in a design loop, for one typical section
// of every shape code (0 to 13): Calculate with printing off (the hot path),
// Calculate writing the full report to memory, and the factory's
// CreateAiscDesign.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "zorsteel.h"

using namespace zorsteel;

namespace {

// Design objects come from the factory, as a host gets them, and go back to it.
struct ReturnToManager
{
    void operator()(CAiscDesign* design) const { CSteelDesignManager::Instance()->DeleteAiscDesign(design); }
};
using Member = std::unique_ptr<CAiscDesign, ReturnToManager>;

// A column under axial load, biaxial bending and shear: every step of the
// check runs, a double angle's component-angle read and a channel's E4 too.
Member NewMember(const wchar_t* name)
{
    Member design(CSteelDesignManager::Instance()->CreateAiscDesign(name));
    if (!design) return design;
    design->SetGeneralParameters(true, true);
    design->SetMaterial(50.0);
    design->SetLoads(150.0, 40.0, 15.0, 0.85, 0.85, 30.0, 20.0);
    design->SetColumnSlenderness(1.0, 1.0, 240.0, 240.0);
    design->SetColumnSlenderness_Torsional(1.0, 240.0);
    design->SetLateralTorsionalProperty(1.0, 120.0);
    design->SetDoubleAngleConnnectorDistance(48.0);
    design->SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, 240.0);
    return design;
}

void CheckSilently(benchmark::State& state, const wchar_t* name)
{
    const Member design = NewMember(name);
    if (!design) {
        state.SkipWithError("no design object: is aisc14u.tbl beside the executable?");
        return;
    }
    design->SetPrint(false);
    for (auto _ : state) {
        design->Calculate();
        benchmark::DoNotOptimize(design->GetCriticalRatio());
    }
}

void CheckWithReport(benchmark::State& state, const wchar_t* name)
{
    const Member design = NewMember(name);
    if (!design) {
        state.SkipWithError("no design object: is aisc14u.tbl beside the executable?");
        return;
    }
    std::ostringstream report;
    design->SetPrintFile(&report);
    for (auto _ : state) {
        report.str(std::string());
        design->Calculate();
        benchmark::DoNotOptimize(design->GetCriticalRatio());
    }
    state.counters["report_bytes"] = static_cast<double>(report.str().size());
}

void CreateAiscDesign(benchmark::State& state, const wchar_t* name)
{
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    for (auto _ : state) {
        CAiscDesign* design = manager.CreateAiscDesign(name);
        benchmark::DoNotOptimize(design);
        manager.DeleteAiscDesign(design);
    }
}
BENCHMARK_CAPTURE(CreateAiscDesign, W14X90, L"W14X90");
BENCHMARK_CAPTURE(CreateAiscDesign, lower_case_2l4x3x3_8llbb, L"2l4x3x3/8llbb");

// Shape code, section.
constexpr struct
{
    const char* label;
    const wchar_t* name;
} kTypicalSections[] = {
    {"0_W14X90", L"W14X90"},         {"1_M12X11.8", L"M12X11.8"},         {"2_S12X50", L"S12X50"},
    {"3_HP14X89", L"HP14X89"},       {"4_C10X15.3", L"C10X15.3"},         {"5_MC12X31", L"MC12X31"},
    {"6_L4X4X1/2", L"L4X4X1/2"},     {"7_WT7X26.5", L"WT7X26.5"},         {"8_MT6X5.9", L"MT6X5.9"},
    {"9_ST6X15.9", L"ST6X15.9"},     {"10_2L4X3X3/8LLBB", L"2L4X3X3/8LLBB"}, {"11_HSS8X4X1/2", L"HSS8X4X1/2"},
    {"12_HSS8.625X0.322", L"HSS8.625X0.322"}, {"13_Pipe8STD", L"Pipe8STD"},
};

const bool kRegistered = [] {
    for (const auto& section : kTypicalSections)
        benchmark::RegisterBenchmark(("CheckSilently/" + std::string(section.label)).c_str(), CheckSilently,
                                     section.name);
    for (const auto& section : kTypicalSections)
        benchmark::RegisterBenchmark(("CheckWithReport/" + std::string(section.label)).c_str(), CheckWithReport,
                                     section.name)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
