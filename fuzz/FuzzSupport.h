// What the fuzz targets share: the library's messages silenced (a fuzzed
// input makes many, and they are not what is tried), and a property every
// input must keep.
#pragma once

#include "zorsteel.h"

inline void SilenceMessages()
{
    SetMessageBoxHandler([](const wchar_t*) {});
    SetDebugOutputHandler([](const wchar_t*) {});
}

// Fails the run (libFuzzer reports it as a crash, with its input).
#define FUZZ_EXPECT(condition) \
    do {                       \
        if (!(condition)) __builtin_trap(); \
    } while (0)
