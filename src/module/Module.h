// The library as a module: its version and the names of the files it reads.
#pragma once

#include "../platform/CString.h"

// The catalogue file, read from the folder of the host executable.
inline constexpr wchar_t kCatalogueFileName[] = L"aisc14u.tbl";

// The catalogue's path as the library builds it: the folder of the host
// executable (GetExecutablePath), one "\" and kCatalogueFileName. Built
// again only when the folder changes; valid until the calling thread's next
// call.
const CString& CataloguePath();

// Version of the library, "major.minor.patch".
const char* ZorsteelVersion();
