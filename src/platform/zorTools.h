// The utility functions the library relies on: catalogue reader, shape
// classifier, list parser, tolerant comparison, wide-to-narrow conversion,
// executable folder and double-angle naming.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "../catalogue/mvSect_AISC.h"
#include "CString.h"

// The folder of the running executable, ending in a path separator: where the
// library looks for the catalogue "aisc14u.tbl" and the "Images" folder.
const CString& GetExecutablePath();

// Makes GetExecutablePath answer with another folder, for a host that keeps the
// catalogue and images elsewhere (and for tests). A null or empty folder
// returns to the executable's own folder. A separator is appended if missing.
// A set-up call: not to be made while other threads check members.
void SetExecutablePath(const wchar_t* folder);

// A path built with "\" separators (as the library builds them) in the form the
// file system expects: native separators, runs of separators collapsed, UTF-8.
std::string ToNativePath(const wchar_t* path);

// Appends to rows every catalogue row of one shape code. Reads the stream from
// its start whatever its position, so one open stream serves successive calls.
void get_aisc_section(std::vector<mvSect_AISC>& rows, std::istream& catalogue, int shapeCode);

// Fills section with the named row (case-insensitive) and returns its shape
// code; returns -1 and leaves section unchanged when the name is unknown or the
// stream is not readable.
int get_aisc_section(mvSect_AISC& section, std::istream& catalogue, const CString& name);

// The same read from the catalogue file at path (a path as the library builds
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

// Shape code of a type designation or name prefix in any case ("W", "w14",
// "W14X90", "HSS8X4", "HSS8.625", "Pipe", "2L4", "MC"); -1 if not recognised,
// as for "HSS" alone, which names both rectangular and round sections.
int get_shape(const wchar_t* designation);

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
std::ostream& WriteWide(std::ostream& out, const wchar_t* text);

// Name of the single angle of a double angle: "2L8X6X1X3/8LLBB" gives "L8X6X1",
// "2L4X4X1/2" gives "L4X4X1/2".
CString get_single_angle_from_double_angle(const CString& doubleAngleName);
// The same name as the part of the double angle's name it is (from its second
// character on), so that finding it copies nothing; empty when the name is
// not a double angle's.
std::wstring_view SingleAngleName(std::wstring_view doubleAngleName);

// The record's name as a wide string, and the name stored into a record (cut
// to 79 characters, the rest of the field zeroed).
CString GetSectionName(const mvSect_AISC& section);
void SetSectionName(mvSect_AISC& section, const wchar_t* name);
// The record's name copied into buffer, which it ends; its length.
std::size_t CopySectionName(const mvSect_AISC& section, wchar_t (&buffer)[kSectionNameCapacity + 1]);
