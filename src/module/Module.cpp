#include "Module.h"

#include "../platform/zorTools.h"

#include <iterator>
#include <string>
#include <utility>

const CString& CataloguePath()
{
    // Every SetSection asks for it: one copy per thread, so that the threads
    // that check members need no lock.
    struct Cached
    {
        CString folder, path;
    };
    thread_local Cached cached;
    const CString& folder = GetExecutablePath();
    if (cached.path.IsEmpty() || !(cached.folder == folder)) {
        std::wstring path;
        path.reserve(folder.str().size() + 1 + std::size(kCatalogueFileName));
        path.append(folder.str()).append(1, L'\\').append(kCatalogueFileName);
        cached = {folder, CString(std::move(path))};
    }
    return cached.path;
}

const char* ZorsteelVersion() { return ZORSTEEL_VERSION; }
