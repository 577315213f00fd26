#include "Utf8.h"

namespace zorsteel {

std::size_t EncodeUtf8(char32_t c, char* out)
{
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

void AppendUtf8(std::string& out, char32_t c)
{
    char bytes[4];
    out.append(bytes, EncodeUtf8(c, bytes));
}

bool DecodeUtf8(std::string_view text, std::size_t& at, char32_t& c)
{
    if (at >= text.size()) return false;
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t length;
    char32_t value;
    char32_t least;
    if (lead < 0x80) {
        length = 1, value = lead, least = 0;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (at + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    c = value;
    at += length;
    return true;
}

std::string ToUtf8(const wchar_t* text)
{
    std::string out;
    for (; text && *text; ++text) AppendUtf8(out, static_cast<char32_t>(*text));
    return out;
}

std::wstring FromUtf8(std::string_view text)
{
    std::wstring out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t c;
        if (DecodeUtf8(text, i, c)) {
            out += static_cast<wchar_t>(c);
        } else {
            out += L'\uFFFD';
            ++i;
        }
    }
    return out;
}

} // namespace zorsteel
