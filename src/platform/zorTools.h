// The system half of the utility functions the library relies on: the
// executable folder, paths, the list parser, tolerant comparison and the
// wide-to-narrow conversion. The catalogue half (reader, shape classifier,
// double-angle naming) is in ../section.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "CString.h"
#include "Export.h"

namespace zorsteel {

// The folder of the running executable, ending in a path separator: where the
// library looks for the catalogue "aisc14u.tbl" and the "Images" folder.
const CString& GetExecutablePath();


// Splits a list of names or prefixes at commas, semicolons and white space and
// appends the non-empty items to items; returns the number appended.
int ParseList(std::vector<CString>& items, const CString& list);

// True when a and b differ by at most tolerance.
bool is_equal(double a, double b, double tolerance);

// Narrow (UTF-8) copy of text in buffer, cut to fit size bytes with its
// terminator; returns buffer.
const char* tchar2char(const wchar_t* text, char* buffer, std::size_t size);

// Writes a wide text to a narrow report stream as UTF-8.
std::ostream& operator<<(std::ostream& out, const CString& text);

// Makes GetExecutablePath answer with another folder, for a host that keeps the
// catalogue and images elsewhere (and for tests). A null or empty folder
// returns to the executable's own folder. A separator is appended if missing.
// A set-up call: not to be made while other threads check members.
ZORSTEEL_API void SetExecutablePath(const wchar_t* folder);

// The folder of the catalogue and the equation images: the folder a host
// names by this call (SetExecutablePath, by its clear name), else the one the
// environment variable ZORSTEEL_DATA_DIR names (read once), else the
// executable's own.
ZORSTEEL_API void SetDataFolder(const wchar_t* folder);
inline constexpr char kDataFolderVariable[] = "ZORSTEEL_DATA_DIR";

// A path built with "\" separators (as the library builds them) in the form the
// file system expects: native separators, runs of separators collapsed, UTF-8.
std::string ToNativePath(const wchar_t* path);

// The same as operator<< for a wide text that is not a CString.
std::ostream& WriteWide(std::ostream& out, const wchar_t* text);

} // namespace zorsteel
