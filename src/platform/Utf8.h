// UTF-8, the encoding of the catalogue file, of file names and of the report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorsteel {

// Writes the UTF-8 form of one code point to out, which has room for 4
// bytes; returns the number written.
std::size_t EncodeUtf8(char32_t c, char* out);

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t c);

// Decodes the code point that starts at text[at] and advances at past it.
// False, with at unchanged, for a byte that does not start a well-formed,
// shortest-form sequence of a scalar value.
bool DecodeUtf8(std::string_view text, std::size_t& at, char32_t& c);

// The UTF-8 form of a wide text; a null text is empty.
std::string ToUtf8(const wchar_t* text);

// The wide form of a UTF-8 text; a byte that does not belong to a well-formed
// sequence becomes U+FFFD.
std::wstring FromUtf8(std::string_view text);

} // namespace zorsteel
