// Catalogue reads as the library makes them: one section by name from the
// file at a path (the cost of every SetSection: a stat and the copy in
// memory), one from a stream, and the whole catalogue loaded by shape code on
// one open stream.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "section/CatalogueFile.h"
#include "platform/zorTools.h"

using namespace zorsteel;

namespace {

std::string NativeCataloguePath() { return ToNativePath(CataloguePath()); }

void ReadSectionByName(benchmark::State& state, const wchar_t* name, bool known)
{
    mvSect_AISC section;
    const CString path = CataloguePath();
    for (auto _ : state) {
        const int code = ReadSectionFromFile(section, path, CString(name));
        benchmark::DoNotOptimize(code);
        if ((code >= 0) != known) {
            state.SkipWithError("unexpected result: is aisc14u.tbl beside the executable?");
            break;
        }
    }
}

// Names spread over the file: its first and last rows, rows in between, and a
// name typed in lower case.
BENCHMARK_CAPTURE(ReadSectionByName, first_row_2L10X10X1, L"2L10X10X1", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadSectionByName, HSS8X4X1_2, L"HSS8X4X1/2", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadSectionByName, L8X6X1, L"L8X6X1", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadSectionByName, Pipe12STD, L"Pipe12STD", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadSectionByName, W14X90, L"W14X90", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadSectionByName, lower_case_w14x90, L"w14x90", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadSectionByName, last_row_WT9X96, L"WT9X96", true)->Unit(benchmark::kMicrosecond);
// An unknown name costs no more than a known one.
BENCHMARK_CAPTURE(ReadSectionByName, unknown_W14X91, L"W14X91", false)->Unit(benchmark::kMicrosecond);

// On a stream a name the binary search misses costs a scan of the whole file.
void ReadUnknownNameFromStream(benchmark::State& state)
{
    mvSect_AISC section;
    for (auto _ : state) {
        std::ifstream file(NativeCataloguePath(), std::ios::in | std::ios::binary);
        benchmark::DoNotOptimize(get_aisc_section(section, file, CString(L"W14X91")));
    }
}
BENCHMARK(ReadUnknownNameFromStream)->Unit(benchmark::kMicrosecond);

void LoadWholeCatalogue(benchmark::State& state)
{
    std::size_t loaded = 0;
    for (auto _ : state) {
        std::ifstream file(NativeCataloguePath(), std::ios::in | std::ios::binary);
        std::vector<mvSect_AISC> rows;
        for (int code = 0; code < kShapeCodeCount; ++code) get_aisc_section(rows, file, code);
        benchmark::DoNotOptimize(rows.data());
        loaded = rows.size();
    }
    state.counters["sections"] = static_cast<double>(loaded);
    if (loaded == 0) state.SkipWithError("nothing loaded: is aisc14u.tbl beside the executable?");
}
BENCHMARK(LoadWholeCatalogue)->Unit(benchmark::kMillisecond);

} // namespace


