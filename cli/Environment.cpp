#include "Environment.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "ResultOutput.h"
#include "zorsteel.h"

namespace zorsteel::cli {

namespace {

// Told by the library's message handler, which the threads that check
// members may call at once.
std::atomic<int> missingImages = 0;
std::atomic<bool> catalogueMissing = false;

std::filesystem::path ExecutableFolder() { return ToNativePath(GetExecutablePath()); }

// The installed data folder, relative to the executable's: set by the build
// from the install layout (bin/ and share/zorsteel/ by default).
std::filesystem::path InstalledDataFolder() { return ExecutableFolder() / ZORSTEEL_DATA_FROM_BIN; }

} // namespace

void Complain(const std::string& text) { std::fprintf(stderr, "zorsteel: %s\n", Printable(text).c_str()); }

void PrepareLibrary()
{
    std::error_code error;
    const bool beside = std::filesystem::exists(ExecutableFolder() / ToUtf8(kCatalogueFileName), error);
    const std::filesystem::path installed = InstalledDataFolder();
    if (!beside && std::filesystem::exists(installed / ToUtf8(kCatalogueFileName), error))
        SetExecutablePath(FromUtf8(installed.lexically_normal().string()).c_str());

    SetMessageBoxHandler([](const wchar_t* text) {
        const std::wstring_view message(text);
        if (message.starts_with(L"cannot find file ")) {
            ++missingImages;
            return;
        }
        const std::wstring_view opening = L"Error opening file ";
        if (!message.starts_with(opening)) {
            Complain(ToUtf8(text));
            return;
        }
        // The library's path has its "\" separators; the user gets the file system's.
        catalogueMissing = true;
        const std::wstring path(message.substr(opening.size()));
        const std::filesystem::path installed = InstalledDataFolder() / ToUtf8(kCatalogueFileName);
        Complain(ToUtf8(std::wstring(opening).c_str()) + ToNativePath(path.c_str()) + " (also looked for " +
                 installed.lexically_normal().string() + ")");
    });
    // Unknown section names are told per row by the command itself.
    SetDebugOutputHandler([](const wchar_t*) {});
}

bool CatalogueReady()
{
    CSteelDesignManager::Instance();
    // The copy that design objects read their sections from, made before
    // the threads that check members start.
    LoadCatalogueCopy(CataloguePath());
    return !catalogueMissing;
}

int MissingImageCount() { return missingImages; }

} // namespace zorsteel::cli
