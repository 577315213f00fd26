#include "CString.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace zorsteel {

namespace {

// The C library's wide printf reads %s and %c as narrow arguments; the texts of
// this library are written with the wide meaning. Rewrite each %s / %c without
// a length modifier as %ls / %lc, leaving every other conversion untouched.
std::wstring WidenStringConversions(const wchar_t* format)
{
    std::wstring out;
    for (const wchar_t* p = format; *p;) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        out += *p++;
        if (*p == L'%') {
            out += *p++;
            continue;
        }
        while (*p && std::wcschr(L"-+ #0123456789.*", *p)) out += *p++;
        bool hasLength = false;
        while (*p && std::wcschr(L"hlLqjzt", *p)) {
            hasLength = true;
            out += *p++;
        }
        if ((*p == L's' || *p == L'c') && !hasLength) out += L'l';
        if (*p) out += *p++;
    }
    return out;
}

// ASCII letters fold by arithmetic, whatever the C library's locale (its
// towlower would make "PIPE" another name than "pipe" in a Turkish one), and
// without a call: the catalogue index compares names with it all the time.
std::wint_t FoldCase(wchar_t c)
{
    const std::wint_t code = static_cast<std::wint_t>(c);
    if (code < 0x80) return code >= L'A' && code <= L'Z' ? code + (L'a' - L'A') : code;
    return std::towlower(code);
}

} // namespace

int CString::CompareNoCase(const wchar_t* other) const
{
    const wchar_t* a = m_text.c_str();
    const wchar_t* b = other ? other : L"";
    for (;; ++a, ++b) {
        const std::wint_t ca = FoldCase(*a);
        const std::wint_t cb = FoldCase(*b);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

int CString::Compare(const wchar_t* other) const
{
    const int c = std::wcscmp(m_text.c_str(), other ? other : L"");
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    const std::wstring fmt = WidenStringConversions(format ? format : L"");
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        const int n = std::vswprintf(buffer.data(), buffer.size(), fmt.c_str(), copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buffer.size()) {
            m_text.assign(buffer.data(), static_cast<size_t>(n));
            return;
        }
        // vswprintf reports overflow as -1 without the needed size: grow and retry,
        // but give up on a format that fails for another reason.
        if (buffer.size() >= (1u << 20)) {
            m_text.clear();
            return;
        }
        buffer.resize(buffer.size() * 4);
    }
}

CString CString::Left(int count) const
{
    if (count <= 0) return CString();
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength()) return -1;
    const size_t at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start > GetLength()) return -1;
    const size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

} // namespace zorsteel
