// The executable folder, paths, the list parser and the narrow texts.
#include "zorTools.h"

#include "Utf8.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <cstring>
#include <cwctype>
#include <ostream>
#include <unistd.h>

using namespace zorsteel;

namespace {

CString& ExecutablePathOverride()
{
    static CString folder;
    return folder;
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
    return CString(zorsteel::FromUtf8(path));
}

// A folder ending in a separator ("" stays "").
CString AsFolder(CString folder)
{
    if (!folder.IsEmpty() && folder.str().back() != L'/' && folder.str().back() != L'\\') folder += L"/";
    return folder;
}

} // namespace

const CString& zorsteel::GetExecutablePath()
{
    const CString& folder = ExecutablePathOverride();
    if (!folder.IsEmpty()) return folder;
    static const CString environmentFolder = [] {
        const char* named = std::getenv(kDataFolderVariable);
        return AsFolder(CString(FromUtf8(named ? named : "")));
    }();
    if (!environmentFolder.IsEmpty()) return environmentFolder;
    static const CString executableFolder = ExecutableFolder();
    return executableFolder;
}

void zorsteel::SetExecutablePath(const wchar_t* folder) { ExecutablePathOverride() = AsFolder(CString(folder)); }

void zorsteel::SetDataFolder(const wchar_t* folder) { SetExecutablePath(folder); }

std::string zorsteel::ToNativePath(const wchar_t* path)
{
    std::string out;
    for (const char c : ToUtf8(path)) {
        const char native = c == '\\' ? '/' : c;
        if (native == '/' && !out.empty() && out.back() == '/') continue;
        out += native;
    }
    return out;
}

bool zorsteel::is_equal(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

const char* zorsteel::tchar2char(const wchar_t* text, char* buffer, std::size_t size)
{
    if (size == 0) return buffer;
    const std::string narrow = zorsteel::ToUtf8(text);
    size_t n = std::min(narrow.size(), size - 1);
    // Never cut a multi-byte character in half.
    while (n > 0 && n < narrow.size() && (static_cast<unsigned char>(narrow[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, narrow.data(), n);
    buffer[n] = '\0';
    return buffer;
}

std::ostream& zorsteel::WriteWide(std::ostream& out, const wchar_t* text)
{
    if (!text) return out;
    // Report texts are short and almost always ASCII: convert through a small
    // buffer on the stack rather than a string on the heap.
    char chunk[256];
    size_t used = 0;
    for (; *text; ++text) {
        if (used + 4 > sizeof chunk) {  // room for the longest UTF-8 sequence
            out.write(chunk, static_cast<std::streamsize>(used));
            used = 0;
        }
        const char32_t c = static_cast<char32_t>(*text);
        used += EncodeUtf8(c, chunk + used);
    }
    if (used > 0) out.write(chunk, static_cast<std::streamsize>(used));
    return out;
}

std::ostream& zorsteel::operator<<(std::ostream& out, const CString& text) { return zorsteel::WriteWide(out, text.GetString()); }

int zorsteel::ParseList(std::vector<CString>& items, const CString& list)
{
    try {
        std::vector<CString> found;
        std::wstring item;
        for (const wchar_t* p = list.GetString();; ++p) {
            const bool separator = *p == L'\0' || *p == L',' || *p == L';' || std::iswspace(static_cast<std::wint_t>(*p));
            if (!separator) {
                item += *p;
                continue;
            }
            if (!item.empty()) found.emplace_back(std::move(item));
            item.clear();
            if (*p == L'\0') break;
        }
        items.insert(items.end(), found.begin(), found.end());
        return static_cast<int>(found.size());
    } catch (...) {
        return 0;
    }
}
