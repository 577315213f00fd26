#!/usr/bin/env python3
"""Runs zorsteel_bench with repetitions and prints the README's tables of
medians (wall time) as Markdown.

Usage: bench/medians.py [build/bin/zorsteel_bench [repetitions, default 5 [more benchmark options]]]
"""
import json
import subprocess
import sys

bench = sys.argv[1] if len(sys.argv) > 1 else "build/bin/zorsteel_bench"
repetitions = sys.argv[2] if len(sys.argv) > 2 else "5"
TABLED = ("CheckSilently|CheckWithReport|InstanceLoads|CreateAiscDesign|ReadSectionByName/W14X90$|Generate|CheckBatch"
          "|MemberCombinations")
run = subprocess.run(
    [bench, "--benchmark_filter=" + TABLED, "--benchmark_repetitions=" + repetitions,
     "--benchmark_report_aggregates_only=true", "--benchmark_format=json"] + sys.argv[3:],
    check=True, capture_output=True, text=True)
medians = {b["run_name"]: b for b in json.loads(run.stdout)["benchmarks"] if b.get("aggregate_name") == "median"}

SCALE = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def median(name, unit, per=None):
    """The median wall time of a benchmark in unit ("ns", "us", "ms", "s"), of
    one of the items its counter per counts in each iteration when given."""
    b = medians[name]
    seconds = b["real_time"] * SCALE[b["time_unit"]] / (b[per] if per else 1)
    value = seconds / SCALE[unit]
    return f"{value:.3g}" if value < 100 else f"{value:.0f}"


print("| Shape code | Section | `Calculate`, printing off (µs) | `Calculate` with the full report (µs) |")
print("|---|---|---|---|")
for name in (n for n in medians if n.startswith("CheckSilently/")):
    code, section = name.split("/", 1)[1].split("_", 1)
    print(f"| {code} | {section} | {median(name, 'us')} | {median('CheckWithReport/' + code + '_' + section, 'us')} |")

rows = [
    ("`CSteelDesignManager::Instance()` from cold (the whole catalogue read)", "InstanceLoadsTheCatalogue", "ms"),
    ("`CreateAiscDesign(\"W14X90\")` and `DeleteAiscDesign`", "CreateAiscDesign/W14X90", "us"),
    ("`CreateAiscDesign(\"2l4x3x3/8llbb\")` and `DeleteAiscDesign`", "CreateAiscDesign/lower_case_2l4x3x3_8llbb",
     "us"),
    ("A read by name, as `SetSection` makes it: W14X90", "ReadSectionByName/W14X90", "us"),
    ("`GenerateSections` by size: W, 6 ≤ bf ≤ 12 in, 12 ≤ d ≤ 24 in", "GenerateBySize/W_bf6to12_d12to24", "us"),
    ("`GenerateSections` by size: every 2L", "GenerateBySize/all_2L", "us"),
    ("`GenerateSections` by prefix: HSS8X, HSS10X", "GenerateByPrefix/HSS8X_HSS10X", "us"),
    ("`GenerateSections` of a list, not cached: W14, W12; HSS8 Pipe", "GenerateListUncached", "us"),
    ("`GenerateSections` of the same list, cached", "GenerateListCached", "us"),
    ("A member-combination with its verdict, one object per member with `ResetForNextCheck`, catalogue pinned",
     "MemberCombinationsReused/1", "us", "checks_per_iteration"),
    ("The same, catalogue not pinned (a `stat` per double angle in compression)", "MemberCombinationsReused/0",
     "us", "checks_per_iteration"),
    ("The same with a new object from the factory per combination", "MemberCombinationsFresh", "us",
     "checks_per_iteration"),
    ("`zorsteel check`, 100 000 members, no report, every core", "CheckBatch/every_core/real_time", "ms"),
    ("`zorsteel check`, 100 000 members, no report, one thread", "CheckBatch/one_thread/real_time", "ms"),
]
print()
print("| What | Median |")
print("|---|---|")
for what, name, unit, *per in rows:
    print(f"| {what} | {median(name, unit, *per)} {unit.replace('us', 'µs')} |")
