// The catalogue file "aisc14u.tbl" beside the executable, read by name or by
// shape code, from a stream or from a copy kept in memory.
#pragma once

#include <iosfwd>
#include <vector>

#include "../platform/CString.h"
#include "../platform/Export.h"
#include "mvSect_AISC.h"

namespace zorsteel {

// Appends to rows every catalogue row of one shape code. Reads the stream from
// its start whatever its position, so one open stream serves successive calls.
void get_aisc_section(std::vector<mvSect_AISC>& rows, std::istream& catalogue, int shapeCode);

// Fills section with the named row (case-insensitive) and returns its shape
// code; returns -1 and leaves section unchanged when the name is unknown or the
// stream is not readable.
int get_aisc_section(mvSect_AISC& section, std::istream& catalogue, const CString& name);

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

// True when the catalogue file at path can be read (it answers reads).
bool CatalogueFound(const CString& path);

// Tells the user that the catalogue at path cannot be opened: "Error opening
// file " and the path as the file system writes it, through the message box;
// not again until a catalogue has been opened since (ForgetCatalogueMissing),
// so that a batch of members without their catalogue hears of it once.
void TellCatalogueMissing(const CString& path);
void ForgetCatalogueMissing();

// Pins the catalogue file as it is when made, for the pin's life: reads by
// its path (SetSection, the factory, a double angle's component angle) then
// answer from that one version without a stat of the file, on every thread.
// A batch of checks makes one so that all its members see one catalogue.
// Pins nest; the last one gone, reads follow the file again. Pinned() is
// false, and reads go on as unpinned, when the file cannot be read.
class ZORSTEEL_API CataloguePin
{
public:
    explicit CataloguePin(const CString& path = CataloguePath());
    ~CataloguePin();
    CataloguePin(const CataloguePin&) = delete;
    CataloguePin& operator=(const CataloguePin&) = delete;
    bool Pinned() const { return m_pinned; }

private:
    bool m_pinned = false;
};

} // namespace zorsteel
