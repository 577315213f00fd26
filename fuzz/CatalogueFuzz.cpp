// Arbitrary bytes as the catalogue file aisc14u.tbl (garbage and truncated
// rows, duplicate names, rows out of order, zero, negative and huge
// properties): the manager's load (the stream reader, code by code on one
// open stream) and its section generation, the by-name read of a stream
// (binary search, then scan), the by-name read by path (the copy in memory
// that every SetSection makes), and members of the sections read checked
// silently and, for one, with its report: the same numbers either way, and
// OK only on ratios at most 1.0.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include <unistd.h>

#include "FuzzSupport.h"

using namespace zorsteel;

namespace {

// A folder of its own that the library takes for the executable's, the real
// equation images linked beside the catalogue written there; removed at exit.
struct Folder
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zorsteel-fuzz-" + std::to_string(getpid()));
    Folder()
    {
        std::filesystem::create_directories(path);
        std::error_code ignored;
        std::filesystem::create_directory_symlink(std::filesystem::path(ToNativePath(GetExecutablePath())) / "Images",
                                                  path / "Images", ignored);
        SetExecutablePath(path.wstring().c_str());
    }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// A member of the section as a host checks it (RunMember), silently and, for
// one name, with its report too.
void CheckMember(const CString& name, double pu, bool withReport)
{
    MemberRow row;
    row.Section = ToUtf8(name);
    row.Inputs = {.Fy = 50, .Pu = pu, .Mux = 60, .Muy = -20, .Vux = 30, .Vuy = 10, .Lb = 144, .Lx = 144,
                  .Ly = 144, .Lz = 144, .ConnectorDistance = 48};
    const MemberResult silent = RunMember(row, false);
    if (silent.Status == "OK") FUZZ_EXPECT(silent.CriticalRatio >= 0 && silent.CriticalRatio <= 1.0);
    if (!withReport) return;
    const double printed = RunMember(row, true).CriticalRatio;
    FUZZ_EXPECT(printed == silent.CriticalRatio || (std::isnan(printed) && std::isnan(silent.CriticalRatio)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
    const std::filesystem::path path = folder.path / "aisc14u.tbl";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    manager.ReloadAllSections();
    std::ifstream file(path, std::ios::binary);
    std::vector<mvSect_AISC> rows;
    for (int code = 0; code < kShapeCodeCount; ++code) get_aisc_section(rows, file, code);

    // A few of the names read, and one no row has.
    std::vector<CString> names = {L"W14X91"};
    for (std::size_t i = 0; i < rows.size() && names.size() < 5; i += 1 + rows.size() / 4)
        names.push_back(GetSectionName(rows[i]));
    for (std::size_t i = 0; i < names.size(); ++i) {
        mvSect_AISC section;
        const int fromStream = get_aisc_section(section, file, names[i]);
        const int fromCopy = ReadSectionFromFile(section, CataloguePath(), names[i]);
        FUZZ_EXPECT(fromStream >= -1 && fromStream < kShapeCodeCount && fromCopy >= -1 && fromCopy < kShapeCodeCount);
        for (const double pu : {120.0, -120.0}) CheckMember(names[i], pu, i == 1);
    }

    std::vector<mvSect_AISC> generated;
    manager.GenerateSections(generated, L"W14 HSS8 2L4 L4 WT");
    manager.GenerateSections(generated, static_cast<int>(size % 16) - 1, 0.0, 12.0, 4.0, 0.0);
    for (std::size_t i = 1; i < generated.size(); ++i) FUZZ_EXPECT(!(generated[i].A < generated[i - 1].A));
    return 0;
}
