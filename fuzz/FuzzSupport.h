// What the fuzz targets share: the library's messages silenced (a fuzzed
// input makes many, and they are not what is tried), and a member checked
// silently and with its report.
#pragma once

#include <sstream>

#include "zorsteel.h"

inline void SilenceMessages()
{
    SetMessageBoxHandler([](const wchar_t*) {});
    SetDebugOutputHandler([](const wchar_t*) {});
}

// Fails the run (libFuzzer reports it as a crash, with its input) when a
// property every input must keep does not hold.
#define FUZZ_EXPECT(condition)          \
    do {                                \
        if (!(condition)) __builtin_trap(); \
    } while (0)

// Checks the design object with printing off and then on: the same numbers
// either way, and a verdict that is OK only on ratios at most 1.0.
inline void CheckTwice(CAiscDesign& design)
{
    design.SetPrint(false);
    FUZZ_EXPECT(design.Calculate() == 1);
    const double silent = design.GetCriticalRatio();
    std::ostringstream report;
    design.SetPrintFile(&report);
    design.SetPrint(true);
    FUZZ_EXPECT(design.Calculate() == 1);
    const double printed = design.GetCriticalRatio();
    FUZZ_EXPECT(silent == printed || (silent != silent && printed != printed));
    if (JudgeMember(design).Status == MemberStatus::OK) FUZZ_EXPECT(printed <= 1.0);
    design.SetPrintFile(nullptr);
}
