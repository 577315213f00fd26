// Wide-character string used for every text of the library: section names,
// unit texts, report texts. A small value type over std::wstring with the
// operations the design code needs.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "Export.h"

namespace zorsteel {

class ZORSTEEL_API CString
{
public:
    CString() = default;
    // A null pointer makes an empty string, as hosts may pass one for "no name".
    CString(const wchar_t* text) : m_text(text ? text : L"") {}
    CString(std::wstring text) : m_text(std::move(text)) {}
    CString(std::wstring_view text) : m_text(text) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }

    // Case-insensitive comparison: negative, zero or positive. Letters are
    // folded to lower case before comparing, so the order of the catalogue
    // index does not depend on how a name was typed.
    int CompareNoCase(const wchar_t* other) const;
    int Compare(const wchar_t* other) const;

    // printf-style formatting with the wide-character conventions: %s takes a
    // wide string, %c a wide character; %g and the other numeric conversions
    // print exactly as the C library prints them.
    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);

    // The first count characters (all of them when count exceeds the length).
    CString Left(int count) const;
    // Index of the first occurrence at or after start, or -1.
    int Find(const wchar_t* sub, int start = 0) const;
    int Find(wchar_t ch, int start = 0) const;

    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const wchar_t* other)
    {
        if (other) m_text += other;
        return *this;
    }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const wchar_t* right) { return left += right; }
    friend CString operator+(const wchar_t* left, const CString& right) { return CString(left) += right; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_text == (b ? b : L""); }
    friend auto operator<=>(const CString& a, const CString& b) { return a.m_text <=> b.m_text; }

    operator const wchar_t*() const { return m_text.c_str(); }
    const wchar_t* GetString() const { return m_text.c_str(); }
    const std::wstring& str() const { return m_text; }

private:
    std::wstring m_text;
};

} // namespace zorsteel
