// What the fuzz targets share (each includes it once): the library's
// messages silenced before the first input (a fuzzed input makes many, and
// they are not what is tried), and a property every input must keep.
#pragma once

#include "zorsteel.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zorsteel::SetMessageBoxHandler([](const wchar_t*) {});
    zorsteel::SetDebugOutputHandler([](const wchar_t*) {});
    return 0;
}

// Fails the run (libFuzzer reports it as a crash, with its input).
#define FUZZ_EXPECT(condition) \
    do {                       \
        if (!(condition)) __builtin_trap(); \
    } while (0)
