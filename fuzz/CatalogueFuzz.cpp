// Arbitrary bytes as the catalogue file aisc14u.tbl (garbage and truncated
// rows, duplicate names, rows out of order, zero, negative and huge
// properties): the manager's load (the stream reader, code by code on one
// open stream) and its section generation, the by-name read of a stream
// (binary search, then scan), the by-name read by path (the copy in memory
// that every SetSection makes), and members of the sections read checked
// silently and with their report.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "FuzzSupport.h"

namespace {

// A folder of its own that the library takes for the executable's: the
// fuzzed catalogue in it, the real equation images linked beside it. Removed
// when the run ends.
class Folder
{
public:
    Folder() : m_path(std::filesystem::temp_directory_path() / ("zorsteel-fuzz-" + std::to_string(getpid())))
    {
        const std::filesystem::path images = std::filesystem::path(ToNativePath(GetExecutablePath())) / "Images";
        std::filesystem::create_directories(m_path);
        std::error_code error;
        std::filesystem::create_directory_symlink(images, m_path / "Images", error);
        SetExecutablePath(m_path.wstring().c_str());
        SilenceMessages();
    }
    ~Folder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    std::filesystem::path Catalogue() const { return m_path / "aisc14u.tbl"; }

private:
    std::filesystem::path m_path;
};

// A member of the section: checked silently, and with its report too when
// asked (reports are slow to write, and the first name's serve).
void CheckMember(const CSteelDesignManager& manager, const CString& name, double pu, bool withReport)
{
    CAiscDesign* design = manager.CreateAiscDesign(name);
    if (!design) return;
    design->SetMaterial(50.0);
    design->SetLoads(pu, 60.0, -20.0, 0.85, 0.85, 30.0, 10.0);
    design->SetColumnSlenderness(1.0, 1.0, 144.0, 144.0);
    design->SetColumnSlenderness_Torsional(1.0, 144.0);
    design->SetLateralTorsionalProperty(1.0, 144.0);
    design->SetDoubleAngleConnnectorDistance(48.0);
    design->SetDeflectionParameters(240.0, 360.0, 0.5, 0.3, 144.0);
    if (withReport) {
        CheckTwice(*design);
    } else {
        design->SetPrint(false);
        FUZZ_EXPECT(design->Calculate() == 1);
    }
    manager.DeleteAiscDesign(design);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
    const std::filesystem::path path = folder.Catalogue();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));

    CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    manager.ReloadAllSections();
    std::ifstream file(path, std::ios::binary);
    std::vector<mvSect_AISC> rows;
    for (int code = 0; code < kShapeCodeCount; ++code) get_aisc_section(rows, file, code);

    // A few of the names read, the last in lower case; and one no row has.
    std::vector<CString> names = {L"W14X91"};
    for (std::size_t i = 0; i < rows.size() && names.size() < 5; i += 1 + rows.size() / 4)
        names.push_back(GetSectionName(rows[i]));
    if (names.size() > 1) {
        std::wstring lower = names.back().str();
        for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
        names.emplace_back(lower);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const CString& name = names[i];
        mvSect_AISC section;
        const int fromStream = get_aisc_section(section, file, name);
        FUZZ_EXPECT(fromStream >= -1 && fromStream < kShapeCodeCount);
        const int fromCopy = ReadSectionFromFile(section, CataloguePath(), name);
        FUZZ_EXPECT(fromCopy >= -1 && fromCopy < kShapeCodeCount);
        CheckMember(manager, name, 120.0, i == 1);
        CheckMember(manager, name, -120.0, i == 1);
    }

    std::vector<mvSect_AISC> generated;
    manager.GenerateSections(generated, L"W14 HSS8 2L4 L4 WT");
    manager.GenerateSections(generated, static_cast<int>(size % 16) - 1, 0.0, 12.0, 4.0, 0.0);
    for (std::size_t i = 1; i < generated.size(); ++i) FUZZ_EXPECT(!(generated[i].A < generated[i - 1].A));
    return 0;
}
