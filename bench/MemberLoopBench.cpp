// A host's member loop over the whole catalogue: for every name the factory
// makes a design object for, a sweep of Calculate alone and a sweep of
// SetSection then Calculate, taken in turn in the same run. The catalogue
// read of SetSection should cost no more than a few checks.
//
// Counters: calculate_ns and set_section_and_calculate_ns per member, and
// their ratio over the whole catalogue.
#include <benchmark/benchmark.h>

#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "zorsteel.h"

using namespace zorsteel;

namespace {

struct Member
{
    CString name;
    CAiscDesign* design = nullptr;
};

// A design object for every name the factory makes one for, with inputs that
// reach compression, biaxial flexure and shear.
std::vector<Member> EveryMember()
{
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    std::vector<Member> members;
    std::ifstream file(ToNativePath(CataloguePath()), std::ios::in | std::ios::binary);
    for (int code = 0; code < kShapeCodeCount; ++code) {
        std::vector<mvSect_AISC> rows;
        get_aisc_section(rows, file, code);
        for (const mvSect_AISC& row : rows) {
            const CString name = GetSectionName(row);
            CAiscDesign* design = manager.CreateAiscDesign(name);
            if (!design) continue;  // a family without a design class
            design->SetPrint(false);
            design->SetMaterial(50.0);
            design->SetLoads(40.0, 12.0, 3.0, 0.85, 0.85, 8.0, 4.0);
            design->SetColumnSlenderness(1.0, 1.0, 120.0, 120.0);
            design->SetColumnSlenderness_Torsional(1.0, 120.0);
            design->SetLateralTorsionalProperty(1.0, 120.0);
            design->SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, 240.0);
            members.push_back({name, design});
        }
    }
    return members;
}

// The time this thread has run, in the kernel too (the stat of SetSection),
// and not while other programs had the processor: a shared machine's load
// falls on neither sweep.
double ThreadNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

void EveryCatalogueName(benchmark::State& state)
{
    const std::vector<Member> members = EveryMember();
    if (members.empty()) {
        state.SkipWithError("no design object made: is aisc14u.tbl beside the executable?");
        return;
    }
    double calculate = 0, setAndCalculate = 0;
    for (auto _ : state) {
        double start = ThreadNanoseconds();
        for (const Member& member : members) {
            member.design->Calculate();
            benchmark::DoNotOptimize(member.design->GetCriticalRatio());
        }
        calculate += ThreadNanoseconds() - start;
        start = ThreadNanoseconds();
        for (const Member& member : members) {
            member.design->SetSection(member.name);
            member.design->Calculate();
            benchmark::DoNotOptimize(member.design->GetCriticalRatio());
        }
        setAndCalculate += ThreadNanoseconds() - start;
    }
    const double checks = static_cast<double>(state.iterations()) * static_cast<double>(members.size());
    state.counters["names"] = static_cast<double>(members.size());
    state.counters["calculate_ns"] = calculate / checks;
    state.counters["set_section_and_calculate_ns"] = setAndCalculate / checks;
    state.counters["ratio"] = setAndCalculate / calculate;
    for (const Member& member : members) CSteelDesignManager::Instance()->DeleteAiscDesign(member.design);
}
BENCHMARK(EveryCatalogueName)->Unit(benchmark::kMillisecond);

// SetSection alone, over every name of the catalogue in turn.
void SetSectionEveryName(benchmark::State& state)
{
    std::vector<Member> members = EveryMember();
    for (auto _ : state)
        for (const Member& member : members) benchmark::DoNotOptimize(member.design->SetSection(member.name));
    state.counters["set_section"] = benchmark::Counter(static_cast<double>(state.iterations() * members.size()),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    for (const Member& member : members) CSteelDesignManager::Instance()->DeleteAiscDesign(member.design);
}
BENCHMARK(SetSectionEveryName)->Unit(benchmark::kMillisecond);

// A host's loop after an analysis run: each member under four load
// combinations (compression, tension, none, compression with moments), with
// its verdict, over every catalogue name a design class checks. Reused: one
// object per member, SetLoads, ResetForNextCheck, Calculate (with the
// catalogue pinned, or not). Fresh: an object from the factory per
// combination, as a host had to make it before. Counter: ns per member-combination.
constexpr double kCombinationLoads[][7] = {
    {120.0, 30.0, 6.0, 0.85, 0.85, 12.0, 4.0},
    {-80.0, 20.0, 3.0, 1.0, 1.0, 8.0, 2.0},
    {0.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0},
    {40.0, 60.0, 10.0, 0.6, 0.6, 20.0, 6.0},
};

void SetCombination(CAiscDesign& design, const double (&loads)[7])
{
    design.SetLoads(loads[0], loads[1], loads[2], loads[3], loads[4], loads[5], loads[6]);
}

void MemberCombinationsReused(benchmark::State& state)
{
    const std::vector<Member> members = EveryMember();
    // Argument 1: the batch pins the catalogue (no stat where a double angle
    // reads its component angle), as RunMembers does.
    std::optional<CataloguePin> pin;
    if (state.range(0)) pin.emplace();
    std::size_t checks = 0;
    for (auto _ : state)
        for (const Member& member : members)
            for (const auto& loads : kCombinationLoads) {
                SetCombination(*member.design, loads);
                member.design->ResetForNextCheck();
                member.design->Calculate();
                benchmark::DoNotOptimize(JudgeMember(*member.design).Status);
                ++checks;
            }
    state.counters["member_combination"] =
        benchmark::Counter(static_cast<double>(checks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["checks_per_iteration"] = static_cast<double>(checks) / static_cast<double>(state.iterations());
    for (const Member& member : members)
        CSteelDesignManager::Instance()->DeleteAiscDesign(member.design);
}
BENCHMARK(MemberCombinationsReused)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void MemberCombinationsFresh(benchmark::State& state)
{
    const std::vector<Member> members = EveryMember();
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    std::size_t checks = 0;
    for (auto _ : state)
        for (const Member& member : members)
            for (const auto& loads : kCombinationLoads) {
                CAiscDesign* design = manager.CreateAiscDesign(member.name);
                design->SetPrint(false);
                design->SetMaterial(50.0);
                design->SetColumnSlenderness(1.0, 1.0, 120.0, 120.0);
                design->SetColumnSlenderness_Torsional(1.0, 120.0);
                design->SetLateralTorsionalProperty(1.0, 120.0);
                design->SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, 240.0);
                SetCombination(*design, loads);
                design->Calculate();
                benchmark::DoNotOptimize(JudgeMember(*design).Status);
                manager.DeleteAiscDesign(design);
                ++checks;
            }
    state.counters["member_combination"] =
        benchmark::Counter(static_cast<double>(checks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["checks_per_iteration"] = static_cast<double>(checks) / static_cast<double>(state.iterations());
    for (const Member& member : members)
        manager.DeleteAiscDesign(member.design);
}
BENCHMARK(MemberCombinationsFresh)->Unit(benchmark::kMillisecond);

// The floor of any read that checks the file: one stat of the catalogue.
void StatOfTheCatalogue(benchmark::State& state)
{
    const std::string path = ToNativePath(CataloguePath());
    struct stat status;
    for (auto _ : state) benchmark::DoNotOptimize(::stat(path.c_str(), &status));
}
BENCHMARK(StatOfTheCatalogue);

} // namespace
