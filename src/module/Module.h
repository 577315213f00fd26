// The library as a module: its version and the names of the files it reads.
#pragma once

// The catalogue file, read from the folder of the host executable.
inline constexpr wchar_t kCatalogueFileName[] = L"aisc14u.tbl";

// Version of the library, "major.minor.patch".
const char* ZorsteelVersion();
