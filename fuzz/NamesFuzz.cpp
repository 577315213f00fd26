// Arbitrary text as a section name or a list of names: the shape classifier
// get_shape, the list parser ParseList, the naming of a double angle's single
// angle, and the look-ups and the factory that take such names. The text is
// the bytes one character each, or, after a first byte 0, every four bytes
// one wchar_t of any value (surrogates, beyond U+10FFFF, negative).
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"

using namespace zorsteel;

namespace {

std::wstring Text(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || data[0] != 0) return std::wstring(data, data + size);
    std::wstring text((size - 1) / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data + 1, text.size() * sizeof(wchar_t));
    return text;
}

void TryName(const CSteelDesignManager& manager, const CString& name)
{
    const int shape = get_shape(name);
    FUZZ_EXPECT(shape >= -1 && shape < kShapeCodeCount);
    const CString single = get_single_angle_from_double_angle(name);
    FUZZ_EXPECT(single.IsEmpty() || (single.GetLength() < name.GetLength() && (single.str()[0] | 0x20) == L'l'));
    mvSect_AISC section;
    const bool known = manager.GetAiscSection(section, name);
    FUZZ_EXPECT(known == manager.IsValidAiscSection(name));
    if (CAiscDesign* design = manager.CreateAiscDesign(name)) {
        FUZZ_EXPECT(known);
        FUZZ_EXPECT(design->GetSection(section, single) >= -1);
        manager.DeleteAiscDesign(design);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CString text(Text(data, size));
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    TryName(manager, text);

    std::vector<CString> items = {L"kept"};
    const int count = ParseList(items, text);
    FUZZ_EXPECT(count >= 0 && items.size() == 1 + static_cast<std::size_t>(count));
    for (std::size_t i = 1; i < items.size(); ++i) {
        FUZZ_EXPECT(!items[i].IsEmpty());
        for (const wchar_t c : items[i].str())  // no separator is left in an item
            FUZZ_EXPECT(c != L'\0' && c != L',' && c != L';' && !std::iswspace(static_cast<std::wint_t>(c)));
        if (i < 9) TryName(manager, items[i]);
    }
    return 0;
}
