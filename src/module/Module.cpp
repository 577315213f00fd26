#include "Module.h"

#include "../platform/zorTools.h"

#include <iterator>
#include <string>
#include <utility>

CString CataloguePath()
{
    // Built in one piece: every SetSection asks for it.
    const std::wstring& folder = GetExecutablePath().str();
    std::wstring path;
    path.reserve(folder.size() + 1 + std::size(kCatalogueFileName));
    path.append(folder).append(1, L'\\').append(kCatalogueFileName);
    return CString(std::move(path));
}

const char* ZorsteelVersion() { return ZORSTEEL_VERSION; }
