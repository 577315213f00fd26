// The catalogue file "aisc14u.tbl" beside the executable, read by name or by
// shape code, from a stream or from a copy kept in memory.
#pragma once

#include <iosfwd>
#include <vector>

#include "../platform/CString.h"
#include "mvSect_AISC.h"

// Appends to rows every catalogue row of one shape code. Reads the stream from
// its start whatever its position, so one open stream serves successive calls.
void get_aisc_section(std::vector<mvSect_AISC>& rows, std::istream& catalogue, int shapeCode);

// Fills section with the named row (case-insensitive) and returns its shape
// code; returns -1 and leaves section unchanged when the name is unknown or the
// stream is not readable.
int get_aisc_section(mvSect_AISC& section, std::istream& catalogue, const CString& name);

namespace zorsteel {

// The catalogue file, read from the folder of the host executable.
inline constexpr wchar_t kCatalogueFileName[] = L"aisc14u.tbl";

// The catalogue's path as the library builds it: the folder of the host
// executable (GetExecutablePath), one "\" and kCatalogueFileName. Built
// again only when the folder changes; valid until the calling thread's next
// call.
const CString& CataloguePath();

// The same read as get_aisc_section by name, from the catalogue file at path (a path as the library builds
// it, see ToNativePath), answered from a copy of the file parsed in memory.
// Each read checks with one stat that the file is still the version copied
// (device, inode, size, modification and status-change times) and reads it
// again when it is not, so a changed, replaced, removed or unreadable file
// answers as if read afresh; of rows with the same name the first counts.
// Safe to call from several threads at once.
int ReadSectionFromFile(mvSect_AISC& section, const CString& path, const wchar_t* name);
// Makes the copy of the catalogue file at path that those reads answer from
// now, rather than at the first read, for a host that then starts threads to
// check members; false when the file cannot be read.
bool LoadCatalogueCopy(const CString& path);

} // namespace zorsteel
