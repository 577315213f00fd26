// Text, path and name utilities. The catalogue reader and the shape
// classifier are in CatalogueFile.cpp.
#include "zorTools.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <ostream>
#include <unistd.h>

namespace {

CString& ExecutablePathOverride()
{
    static CString folder;
    return folder;
}

// The wide form of a UTF-8 text; a byte that does not belong to a well-formed
// sequence becomes U+FFFD.
std::wstring FromUtf8(const std::string& text)
{
    std::wstring out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            c = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            c = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            c = lead & 0x07;
            least = 0x10000;
        }
        bool wellFormed = length > 0 && i + length <= text.size();
        for (int k = 1; wellFormed && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                wellFormed = false;
            else
                c = (c << 6) | (next & 0x3F);
        }
        if (wellFormed && (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) wellFormed = false;
        if (!wellFormed) {
            out += L'\uFFFD';
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += static_cast<size_t>(length);
    }
    return out;
}

CString ExecutableFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return CString(L"./");
    std::string path(buffer, static_cast<size_t>(n));
    path.erase(path.find_last_of('/') + 1);
    // File names are UTF-8 bytes; the path is kept as text and turned back
    // into UTF-8 when a file is opened.
    return CString(FromUtf8(path));
}

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ToUtf8(const wchar_t* text)
{
    std::string out;
    if (!text) return out;
    for (; *text; ++text) AppendUtf8(out, static_cast<char32_t>(*text));
    return out;
}

} // namespace

CString GetExecutablePath()
{
    const CString& folder = ExecutablePathOverride();
    if (!folder.IsEmpty()) return folder;
    static const CString executableFolder = ExecutableFolder();
    return executableFolder;
}

void SetExecutablePath(const wchar_t* folder)
{
    CString value(folder);
    if (!value.IsEmpty() && value.str().back() != L'/' && value.str().back() != L'\\') value += L"/";
    ExecutablePathOverride() = value;
}

std::string ToNativePath(const wchar_t* path)
{
    std::string out;
    for (const char c : ToUtf8(path)) {
        const char native = c == '\\' ? '/' : c;
        if (native == '/' && !out.empty() && out.back() == '/') continue;
        out += native;
    }
    return out;
}

bool is_equal(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

const char* tchar2char(const wchar_t* text, char* buffer, std::size_t size)
{
    if (size == 0) return buffer;
    const std::string narrow = ToUtf8(text);
    size_t n = std::min(narrow.size(), size - 1);
    // Never cut a multi-byte character in half.
    while (n > 0 && n < narrow.size() && (static_cast<unsigned char>(narrow[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, narrow.data(), n);
    buffer[n] = '\0';
    return buffer;
}

std::ostream& WriteWide(std::ostream& out, const wchar_t* text)
{
    if (!text) return out;
    // Report texts are ASCII almost always: write runs of them without conversion.
    char chunk[256];
    size_t used = 0;
    for (; *text; ++text) {
        if (used + 4 > sizeof chunk) {
            out.write(chunk, static_cast<std::streamsize>(used));
            used = 0;
        }
        const char32_t c = static_cast<char32_t>(*text);
        if (c < 0x80) {
            chunk[used++] = static_cast<char>(c);
        } else {
            std::string bytes;
            AppendUtf8(bytes, c);
            std::memcpy(chunk + used, bytes.data(), bytes.size());
            used += bytes.size();
        }
    }
    return out.write(chunk, static_cast<std::streamsize>(used));
}

std::ostream& operator<<(std::ostream& out, const CString& text) { return WriteWide(out, text.GetString()); }

CString GetSectionName(const mvSect_AISC& section)
{
    std::wstring name;
    for (int i = 0; i < kSectionNameCapacity && section.Name[i]; ++i) name += static_cast<wchar_t>(section.Name[i]);
    return CString(std::move(name));
}

void SetSectionName(mvSect_AISC& section, const wchar_t* name)
{
    int i = 0;
    for (; name && name[i] && i < kSectionNameCapacity - 1; ++i) section.Name[i] = static_cast<char16_t>(name[i]);
    for (; i < kSectionNameCapacity; ++i) section.Name[i] = u'\0';
}
