// The section catalogue as a host uses it: the whole catalogue loaded by the
// first Instance(), look-ups by name, and the three forms of section
// generation (each of which reads the catalogue file, except a cached list).
#include <benchmark/benchmark.h>

#include <vector>

#include "catalogue/CSteelDesignManager.h"

using namespace zorsteel;

namespace {

bool CatalogueLoaded(benchmark::State& state)
{
    if (CSteelDesignManager::Instance()->IsValidAiscSection(L"W14X90")) return true;
    state.SkipWithError("W14X90 unknown: is aisc14u.tbl beside the executable?");
    return false;
}

void InstanceLoadsTheCatalogue(benchmark::State& state)
{
    for (auto _ : state) {
        CSteelDesignManager::ResetInstance();
        benchmark::DoNotOptimize(CSteelDesignManager::Instance());
    }
    CatalogueLoaded(state);
}
BENCHMARK(InstanceLoadsTheCatalogue)->Unit(benchmark::kMillisecond);

void IsValidAiscSection(benchmark::State& state, const wchar_t* name)
{
    if (!CatalogueLoaded(state)) return;
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    for (auto _ : state) benchmark::DoNotOptimize(manager.IsValidAiscSection(name));
}
BENCHMARK_CAPTURE(IsValidAiscSection, W14X90, L"W14X90");
BENCHMARK_CAPTURE(IsValidAiscSection, lower_case_hss8x4x1_2, L"hss8x4x1/2");
BENCHMARK_CAPTURE(IsValidAiscSection, unknown_W14X91, L"W14X91");

void GenerateBySize(benchmark::State& state, int shapeCode, double minWidth, double maxWidth, double minHeight,
                    double maxHeight)
{
    if (!CatalogueLoaded(state)) return;
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    std::vector<mvSect_AISC> sections;
    for (auto _ : state) {
        sections.clear();
        manager.GenerateSections(sections, shapeCode, minWidth, maxWidth, minHeight, maxHeight);
    }
    state.counters["sections"] = static_cast<double>(sections.size());
}
BENCHMARK_CAPTURE(GenerateBySize, W_bf6to12_d12to24, 0, 6.0, 12.0, 12.0, 24.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(GenerateBySize, all_2L, 10, 0.0, 0.0, 0.0, 0.0)->Unit(benchmark::kMicrosecond);

void GenerateByPrefix(benchmark::State& state, int shapeCode, const wchar_t* prefixes)
{
    if (!CatalogueLoaded(state)) return;
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    std::vector<mvSect_AISC> sections;
    for (auto _ : state) {
        sections.clear();
        manager.GenerateSections(sections, shapeCode, CString(prefixes));
    }
    state.counters["sections"] = static_cast<double>(sections.size());
}
BENCHMARK_CAPTURE(GenerateByPrefix, HSS8X_HSS10X, 11, L"HSS8X, HSS10X")->Unit(benchmark::kMicrosecond);

constexpr const wchar_t* kList = L"W14, W12; HSS8  Pipe";

// A list not yet cached: the cache is emptied (with a reload) outside the timing.
void GenerateListUncached(benchmark::State& state)
{
    if (!CatalogueLoaded(state)) return;
    CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    std::vector<mvSect_AISC> sections;
    for (auto _ : state) {
        state.PauseTiming();
        manager.ReloadAllSections();
        sections.clear();
        state.ResumeTiming();
        manager.GenerateSections(sections, CString(kList));
    }
    state.counters["sections"] = static_cast<double>(sections.size());
}
BENCHMARK(GenerateListUncached)->Unit(benchmark::kMicrosecond);

void GenerateListCached(benchmark::State& state)
{
    if (!CatalogueLoaded(state)) return;
    CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    std::vector<mvSect_AISC> sections;
    manager.GenerateSections(sections, CString(kList));
    for (auto _ : state) manager.GenerateSections(sections, CString(kList));
    state.counters["sections"] = static_cast<double>(sections.size());
}
BENCHMARK(GenerateListCached)->Unit(benchmark::kMicrosecond);

} // namespace
