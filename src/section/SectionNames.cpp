// Section names: the record's name field, the family a name belongs to, and
// the single angle a double angle's name names.
#include "SectionNames.h"

#include <string>

using namespace zorsteel;

namespace {

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
wchar_t UpperAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - (L'a' - L'A')) : c; }

// A rectangular HSS name gives its first dimension as an integer or a
// fraction followed by X; a round one gives the diameter with a decimal point.
// An integer alone could start either.
int HssShape(const wchar_t* dimension)
{
    if (!IsDigit(*dimension)) return kShapeNone;
    while (IsDigit(*dimension)) ++dimension;
    switch (*dimension) {
    case L'.':
        return kShapeRoundHss;
    case L'X':
    case L'x':
    case L'-':
    case L'/':
        return kShapeRectHss;
    default:
        return kShapeNone;
    }
}

} // namespace

CString zorsteel::GetSectionName(const mvSect_AISC& section)
{
    wchar_t name[kSectionNameCapacity + 1];
    return CString(std::wstring_view(name, CopySectionName(section, name)));
}

std::size_t zorsteel::CopySectionName(const mvSect_AISC& section, wchar_t (&buffer)[kSectionNameCapacity + 1])
{
    // A record a host filled may use the whole field, without an end.
    std::size_t n = 0;
    for (; n < kSectionNameCapacity && section.Name[n]; ++n) buffer[n] = static_cast<wchar_t>(section.Name[n]);
    buffer[n] = L'\0';
    return n;
}

void zorsteel::SetSectionName(mvSect_AISC& section, const wchar_t* name)
{
    int i = 0;
    for (; name && name[i] && i < kSectionNameCapacity - 1; ++i) section.Name[i] = static_cast<char16_t>(name[i]);
    for (; i < kSectionNameCapacity; ++i) section.Name[i] = u'\0';
}

int zorsteel::get_shape(const wchar_t* designation)
{
    if (!designation || !*designation) return kShapeNone;
    const wchar_t* p = designation;
    const bool doubled = *p == L'2';
    if (doubled) ++p;
    wchar_t letters[8] = {};
    int count = 0;
    for (; IsAsciiLetter(*p); ++p) {
        if (count == 7) return kShapeNone;
        letters[count++] = UpperAscii(*p);
    }
    const std::wstring_view family(letters, static_cast<std::size_t>(count));
    const bool numberFollows = *p == L'\0' || IsDigit(*p);
    if (doubled) return family == L"L" && numberFollows ? kShape2L : kShapeNone;
    if (family == L"HSS") return HssShape(p);
    if (!numberFollows) return kShapeNone;
    static constexpr struct {
        std::wstring_view letters;
        AiscShapeCode code;
    } kFamilies[] = {
        {L"W", kShapeW},   {L"M", kShapeM},   {L"S", kShapeS},   {L"HP", kShapeHP},    {L"C", kShapeC},     {L"MC", kShapeMC},
        {L"L", kShapeL},   {L"WT", kShapeWT}, {L"MT", kShapeMT}, {L"ST", kShapeST},    {L"PIPE", kShapePipe},
    };
    for (const auto& entry : kFamilies)
        if (entry.letters == family) return entry.code;
    return kShapeNone;
}

CString zorsteel::get_single_angle_from_double_angle(const CString& doubleAngleName)
{
    try {
        return CString(SingleAngleName(doubleAngleName.str()));
    } catch (...) {
        return CString();
    }
}

std::wstring_view zorsteel::SingleAngleName(std::wstring_view name)
{
    if (name.size() < 2 || name[0] != L'2' || UpperAscii(name[1]) != L'L') return {};
    std::wstring_view single = name.substr(1);
    if (single.size() > 5) {
        const std::wstring_view suffix = single.substr(single.size() - 4);
        auto is = [suffix](const wchar_t* letters) {
            for (std::size_t i = 0; i < 4; ++i)
                if (UpperAscii(suffix[i]) != letters[i]) return false;
            return true;
        };
        if (is(L"LLBB") || is(L"SLBB")) single.remove_suffix(4);
    }
    // Legs and thickness; a fourth part is the spacing of the angles.
    int separators = 0;
    for (std::size_t i = 0; i < single.size(); ++i)
        if (UpperAscii(single[i]) == L'X' && ++separators == 3) return single.substr(0, i);
    return single;
}

