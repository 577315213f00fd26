// Section names: the record's name field, the shape family a name or prefix
// belongs to, and the single angle that a double angle's name names.
#pragma once

#include <cstddef>
#include <string_view>

#include "../platform/CString.h"
#include "mvSect_AISC.h"

namespace zorsteel {

// Shape code of a type designation or name prefix in any case ("W", "w14",
// "W14X90", "HSS8X4", "HSS8.625", "Pipe", "2L4", "MC"); -1 if not recognised,
// as for "HSS" alone, which names both rectangular and round sections.
int get_shape(const wchar_t* designation);

// Name of the single angle of a double angle: "2L8X6X1X3/8LLBB" gives "L8X6X1",
// "2L4X4X1/2" gives "L4X4X1/2".
CString get_single_angle_from_double_angle(const CString& doubleAngleName);

// The record's name as a wide string, and the name stored into a record (cut
// to 79 characters, the rest of the field zeroed).
CString GetSectionName(const mvSect_AISC& section);
void SetSectionName(mvSect_AISC& section, const wchar_t* name);
// The record's name copied into buffer, which it ends; its length.
std::size_t CopySectionName(const mvSect_AISC& section, wchar_t (&buffer)[kSectionNameCapacity + 1]);

// The single angle's name of get_single_angle_from_double_angle as the part
// of the double angle's name it is (from its second character on), so that
// finding it copies nothing; empty when the name is not a double angle's.
std::wstring_view SingleAngleName(std::wstring_view doubleAngleName);

} // namespace zorsteel
