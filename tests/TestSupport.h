// Shared fixtures of the test suite: a design object that exposes the
// protected interface, a report captured in memory, captured messages, a
// scratch folder, the committed catalogue split into rows, and a check that
// pieces of a text come in order.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "zorsteel.h"

// The suites use the library's names as a host of the namespace would.
using namespace zorsteel;

// A concrete design object for testing the base class: Calculate does nothing,
// and the protected data and operations are reachable from the tests.
class TestDesign : public CAiscDesign
{
public:
    int Calculate() override { return 1; }

    using CAiscDesign::ComputeMomentMagnification;
    using CAiscDesign::GetFlexuralBucklingFcr;
    using CAiscDesign::GetPhiv;
    using CAiscDesign::RunCheckSequence;

    using CAiscDesign::AreaUnit;
    using CAiscDesign::B1x;
    using CAiscDesign::ForceUnit;
    using CAiscDesign::InchesPerFoot;
    using CAiscDesign::LengthUnit;
    using CAiscDesign::LongLengthUnit;
    using CAiscDesign::MomentUnit;
    using CAiscDesign::Section;
    using CAiscDesign::ShapeCode;
    using CAiscDesign::StressUnit;
};

// Every row of one shape code from the catalogue beside the test program,
// read the way the library reads it.
inline std::vector<mvSect_AISC> CatalogueRowsOfCode(int shapeCode)
{
    std::ifstream file(ToNativePath(CataloguePath()), std::ios::binary);
    std::vector<mvSect_AISC> rows;
    get_aisc_section(rows, file, shapeCode);
    return rows;
}

// An ASCII name in upper case, in lower case and in mixed case.
inline std::vector<std::string> CaseSpellings(const std::string& name)
{
    std::string upper = name, lower = name, mixed = name;
    for (std::size_t i = 0; i < name.size(); ++i) {
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
        mixed[i] = i % 2 ? upper[i] : lower[i];
    }
    return {upper, lower, mixed};
}

// A member as the tables of worked examples give it: Cm = 1, K = 1, Ky = Kz
// = 1 and direct analysis unless said; lz is Kz Lz, a the connector spacing;
// the rupture, connection and translation inputs are full rules' (classic
// ignores them).
struct TestMember
{
    const wchar_t* section;
    double fy;
    double pu = 0, mux = 0, muy = 0, vux = 0, vuy = 0;
    double kx = 1, lx = 0, ly = 0, lz = 0, lb = 0, cb = 1, a = 0;
    bool directAnalysis = true, considerB1 = true;
    double fu = 0, netAreaRatio = 1, shearLagU = 1;
    AngleLeg leg = AngleLeg::Unknown;
    bool spaceTruss = false;
    ConnectorType connectors = ConnectorType::Welded;
    double mltx = 0, b2x = 1;
};

// The member checked by rules and edition, its calculation written to report
// when one is given; null for a section the catalogue does not have.
inline std::unique_ptr<CAiscDesign> CheckMember(const TestMember& m, DesignRules rules,
                                                Edition edition = Edition::Aisc360_10,
                                                std::ostream* report = nullptr)
{
    std::unique_ptr<CAiscDesign> design(CSteelDesignManager::Instance()->CreateAiscDesign(m.section));
    if (!design) return design;
    design->SetDesignRules(rules);
    design->SetEdition(edition);
    design->SetGeneralParameters(m.directAnalysis, m.considerB1);
    design->SetMaterial(m.fy);
    design->SetLoads(m.pu, m.mux, m.muy, 1.0, 1.0, m.vux, m.vuy);
    design->SetColumnSlenderness(m.kx, 1.0, m.lx, m.ly);
    design->SetColumnSlenderness_Torsional(1.0, m.lz);
    design->SetLateralTorsionalProperty(m.cb, m.lb);
    design->SetDoubleAngleConnectorDistance(m.a);
    design->SetTensileRupture(m.fu, m.netAreaRatio, m.shearLagU);
    design->SetSingleAngleConnection(m.leg, m.spaceTruss);
    design->SetDoubleAngleConnectorType(m.connectors);
    design->SetLateralTranslation(0, m.mltx, 0, m.b2x, 1.0);
    if (report) {
        design->SetPrintFile(report);
        design->SetPrint(true);
    }
    design->Calculate();
    return design;
}

// One result of a checked member, for tables of cases.
using Getter = double (*)(const CAiscDesign&);
constexpr Getter kPhiPn = [](const CAiscDesign& d) { return d.GetPhiPn(); };
constexpr Getter kPhiMnx = [](const CAiscDesign& d) { return d.GetPhiMnx(); };
constexpr Getter kPhiMny = [](const CAiscDesign& d) { return d.GetPhiMny(); };
constexpr Getter kPhiVnx = [](const CAiscDesign& d) { return d.GetPhiVnx(); };
constexpr Getter kPhiVny = [](const CAiscDesign& d) { return d.GetPhiVny(); };
constexpr Getter kRatio = [](const CAiscDesign& d) { return d.GetInteractionRatio(); };
constexpr Getter kB1x = [](const CAiscDesign& d) { return d.GetB1x(); };
constexpr Getter kErrorCode = [](const CAiscDesign& d) { return double(d.GetErrorCode()); };

// E4-2 and E4-5 as written: the flexural-torsional stress of a singly
// symmetric member from its stresses about y and in torsion, with H.
inline double E4(double fy, double fz, double h)
{
    return (fy + fz) / (2 * h) * (1 - std::sqrt(1 - 4 * fy * fz * h / ((fy + fz) * (fy + fz))));
}

// Number of allocations the test program has made so far.
long AllocationCount();

// Collects the report of a design object in memory.
class ReportCapture
{
public:
    explicit ReportCapture(CAiscDesign& design) { design.SetPrintFile(&m_stream); }
    std::string Text() const { return m_stream.str(); }
    void Clear() { m_stream.str(std::string()); }
    std::ostringstream& Stream() { return m_stream; }

private:
    std::ostringstream m_stream;
};

// Collects message-box and debugger texts while alive (UTF-8), and restores
// the previous handlers afterwards.
class MessageCapture
{
public:
    MessageCapture()
    {
        m_previousBox = SetMessageBoxHandler([this](const wchar_t* text) { Boxes.push_back(Narrow(text)); });
        m_previousDebug = SetDebugOutputHandler([this](const wchar_t* text) { Debug.push_back(Narrow(text)); });
    }
    ~MessageCapture()
    {
        SetMessageBoxHandler(std::move(m_previousBox));
        SetDebugOutputHandler(std::move(m_previousDebug));
    }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> Boxes;
    std::vector<std::string> Debug;

private:
    static std::string Narrow(const wchar_t* text)
    {
        std::vector<char> buffer(5120);
        return tchar2char(text, buffer.data(), buffer.size());
    }
    MessageHandler m_previousBox;
    MessageHandler m_previousDebug;
};

// A folder of its own under the system's temporary folder, removed with
// everything in it.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string& tag)
        : m_path(std::filesystem::temp_directory_path() / ("zorsteel-" + tag + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes a file below the folder, with its parent folders; returns its path.
    std::string Write(const std::filesystem::path& relative, const std::string& text = "") const
    {
        const std::filesystem::path path = m_path / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

private:
    std::filesystem::path m_path;
};

// Takes every permission from the file at unreadable, then runs check. Root
// reads a file whatever its permissions: check runs in a child process, which
// a root test process first makes the user "nobody" (65534). The result of
// check; none when this process can read the file and cannot become that user
// (kNoUnprivilegedUser tells why a test then skips).
template <typename Check>
std::optional<bool> CheckAsUnprivilegedUser(const std::filesystem::path& unreadable, Check check)
{
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    const bool privileged = std::ifstream(unreadable).is_open();
    const pid_t child = ::fork();
    if (child == 0) ::_exit(privileged && (::setgid(65534) != 0 || ::setuid(65534) != 0) ? 2 : check() ? 0 : 1);
    int status = -1;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return std::nullopt;
    return status == 0;
}
inline constexpr const char* kNoUnprivilegedUser =
    "this process reads files without read permission and cannot become an unprivileged user";

// Every piece found in the text, each after the one before.
inline void ExpectInOrder(const std::string& text, const std::vector<std::string>& pieces)
{
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        at = text.find(piece, at);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << piece << "\nin: " << text;
        ++at;
    }
}

// The whole content of a file ("" if it cannot be read).
inline std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline const std::string kCatalogueFile = std::string(ZORSTEEL_SOURCE_DIR) + "/data/aisc14u.tbl";

// The committed catalogue split into its parts without the library's help.
struct CatalogueText
{
    struct Row
    {
        int code;
        std::string name;
        std::string line;  // without its '\n'
    };
    std::string head;  // comments and header, each line with its '\n'
    std::vector<Row> rows;
};

inline const CatalogueText& CommittedCatalogue()
{
    static const CatalogueText text = [] {
        CatalogueText split;
        std::istringstream lines(FileText(kCatalogueFile));
        std::string line;
        for (bool header = false; std::getline(lines, line);) {
            if (line[0] == '#' || !header) {
                header = header || line[0] != '#';
                split.head += line + '\n';
                continue;
            }
            const std::size_t tab = line.find('\t');
            const std::size_t end = line.find('\t', tab + 1);
            split.rows.push_back({std::stoi(line.substr(0, tab)), line.substr(tab + 1, end - tab - 1), line});
        }
        return split;
    }();
    return text;
}

inline std::uint64_t Bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

// Every result a host can read from a design object, to the bit, the verdict's included.
struct DesignReadings
{
    std::vector<std::uint64_t> numbers;
    int errorCode, shapeCode;
    bool checksDeflection;
    std::vector<std::string> limitStates; // quantity, name, equation, nominal bits, governs
    std::string check, status, message;

    bool operator==(const DesignReadings&) const = default;
};

inline DesignReadings ReadDesign(const CAiscDesign& d)
{
    DesignReadings r{{Bits(d.GetPhiPn()), Bits(d.GetPhiMnx()), Bits(d.GetPhiMny()), Bits(d.GetPhiVnx()),
                      Bits(d.GetPhiVny()), Bits(d.GetB1x()), Bits(d.GetB1y()), Bits(d.GetInteractionRatio()),
                      Bits(d.GetVxRatio()), Bits(d.GetVyRatio()), Bits(d.GetCriticalRatio()),
                      Bits(d.GetTotalDeflectionRatio()), Bits(d.GetLiveDeflectionRatio())},
                     d.GetErrorCode(), d.GetShapeCode(), d.ChecksDeflection(), {}, {}, {}, {}};
    const LimitStates states = d.GetLimitStates();
    for (const LimitState& state : states)
        r.limitStates.push_back(std::string(StrengthText(state.Quantity)) + " " + state.Name + " " + state.Equation +
                                " " + std::to_string(Bits(state.Nominal)) + (state.Governs ? " governs" : ""));
    r.check = std::string(GoverningCheckText(states.Check)) + " " + std::to_string(Bits(states.Ratio));
    const MemberVerdict verdict = JudgeMember(d);
    r.status = StatusText(verdict.Status);
    r.message = verdict.Message;
    return r;
}
