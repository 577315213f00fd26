#include "Check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include <sys/stat.h>
#include <unistd.h>

#include "Environment.h"
#include "ExitStatus.h"
#include "Pdf.h"
#include "zorsteel.h"

namespace zorsteel::cli {

namespace {

// Progress on standard error for long runs, when it is a terminal.
class Progress
{
public:
    explicit Progress(std::size_t total) : m_total(total), m_on(total >= 200 && isatty(STDERR_FILENO)) {}
    void Step(std::size_t done)
    {
        if (!m_on || (done % 50 != 0 && done != m_total)) return;
        const std::size_t width = 40;
        const std::size_t filled = width * done / m_total;
        std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(filled, '#').c_str(),
                     std::string(width - filled, ' ').c_str(), done, m_total);
        if (done == m_total) std::fprintf(stderr, "\n");
    }

private:
    std::size_t m_total;
    bool m_on;
};

// Before any member is checked: the PDF is in a folder that exists, and
// there is a Chromium (found into chromium) to print it (that it is a file
// of its own, OutputsAreDistinct has told). The exit status, kExitOk when
// all is ready.
int PdfReady(const CheckOptions& options, std::string& chromium)
{
    if (!ReportFolderExists(options.Pdf)) return kExitFileError;
    chromium = FindChromium();
    if (chromium.empty()) {
        Complain(kNoChromium);
        return kExitNoPdf;
    }
    return kExitOk;
}

// The report as PDF: the page of --report printed, or one written for it.
bool WritePdf(const CheckOptions& options, const std::string& chromium, const std::vector<MemberResult>& results)
{
    if (!options.Report.empty()) return PrintPdf(chromium, options.Report, options.Pdf);
    return PrintPdf(chromium, [&](std::ostream& out) { WriteModelReport(out, results, ReportOptionsOf(options)); },
                    options.Pdf);
}

MemberRow RowFromOptions(const CheckOptions& options)
{
    MemberRow row;
    row.Where = "command line";
    row.Naming = FieldNaming::Option;
    row.Section = CompactSectionName(options.Section);
    row.Id = row.Section;  // unless --Id names it
    row.Conventions = options.Conventions;
    for (const auto& [column, text] : options.Fields) SetField(row, *column, text);
    FinishRow(row);
    return row;
}

// A member file is a regular file or a pipe (a process substitution, a
// FIFO): a directory would end the read in an exception, a device may never
// end. False, told, for anything else or a file that cannot be found.
bool MemberFileKindReadable(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        Complain("cannot read the member file " + path + ": " + std::strerror(errno));
        return false;
    }
    const char* kind = S_ISDIR(status.st_mode)                               ? "a directory"
                       : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? "a device"
                       : S_ISSOCK(status.st_mode)                            ? "a socket"
                                                                             : nullptr;
    if (kind) Complain("cannot read the member file " + path + ": it is " + kind + ", not a file");
    return kind == nullptr;
}

// Who a path is: a file that exists by its device and inode (standard output
// by its own), one not made yet by its absolute path with the links on the
// way followed.
struct FileIdentity
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string path;

    bool operator==(const FileIdentity& other) const
    {
        if (exists != other.exists) return false;
        return exists ? device == other.device && inode == other.inode : path == other.path;
    }
};

FileIdentity IdentityOf(const std::string& path)
{
    namespace fs = std::filesystem;
    FileIdentity identity;
    struct stat status;
    if ((path == "-" ? fstat(STDOUT_FILENO, &status) : stat(path.c_str(), &status)) == 0) {
        identity.exists = true;
        identity.device = status.st_dev;
        identity.inode = status.st_ino;
        return identity;
    }
    if (path == "-") {  // standard output closed
        identity.path = path;
        return identity;
    }
    std::error_code error;
    fs::path resolved = fs::absolute(path, error);
    // A link to a file not made yet: where it points.
    for (int hops = 0; hops < 40 && fs::is_symlink(resolved, error); ++hops) {
        const fs::path target = fs::read_symlink(resolved, error);
        if (error) break;
        resolved = target.is_absolute() ? target : resolved.parent_path() / target;
    }
    const fs::path canonical = fs::weakly_canonical(resolved, error);
    identity.path = (error ? resolved.lexically_normal() : canonical).string();
    return identity;
}

std::string Shown(const std::string& path) { return path == "-" ? "- (standard output)" : path; }

} // namespace

bool ReportFolderExists(const std::string& report)
{
    std::filesystem::path folder = std::filesystem::path(report).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return true;
    Complain("the report folder " + folder.string() + " does not exist");
    return false;
}

ModelReportOptions ReportOptionsOf(const CheckOptions& options)
{
    ModelReportOptions report;
    report.Title = options.Title;
    report.EveryCombination = options.ReportAll;
    return report;
}

void WriteReportPage(std::ostream& out, const CheckOptions& options, const std::vector<MemberResult>& results)
{
    WriteModelReport(out, results, ReportOptionsOf(options));
    out.flush();
    if (!PlaceReportImages(FromUtf8(options.Report).c_str()))
        Complain("the equation images could not be placed beside " + options.Report);
}

bool OutputsAreDistinct(const std::string& members, const std::vector<NamedOutput>& outputs)
{
    const char* const why = ": an output must not overwrite the member file or another output";
    std::vector<std::pair<const NamedOutput*, FileIdentity>> seen;
    const FileIdentity input = members.empty() ? FileIdentity() : IdentityOf(members);
    for (const NamedOutput& output : outputs) {
        if (output.path.empty()) continue;
        const FileIdentity identity = IdentityOf(output.path);
        if (!members.empty() && identity == input) {
            Complain(std::string(output.option) + " " + Shown(output.path) + " is the member file " + members + why);
            return false;
        }
        for (const auto& [other, otherIdentity] : seen)
            if (identity == otherIdentity) {
                Complain(std::string(output.option) + " " + Shown(output.path) + " is the same file as " +
                         other->option + " " + Shown(other->path) + why);
                return false;
            }
        seen.emplace_back(&output, identity);
    }
    return true;
}

namespace {

// What a read of the member file threw, for a person.
std::string ReadFailure(const std::exception& error)
{
    if (dynamic_cast<const std::bad_alloc*>(&error)) return "out of memory";
    return error.what();
}

} // namespace

bool Output::Open(const std::string& path)
{
    if (path.empty()) return true;
    if (path == "-") {
        m_stream = &std::cout;
        return true;
    }
    m_file = std::make_unique<std::ofstream>(path, std::ios::binary);
    m_stream = m_file.get();
    if (!*m_file) Complain("cannot write " + path);
    return static_cast<bool>(*m_file);
}

bool ResultSink::Open(const CheckOptions& options, bool withCombo, std::size_t count)
{
    m_options = &options;
    m_withCombo = withCombo;
    m_results.reserve(count);
    if (!m_out.Open(options.Out) || !m_json.Open(options.Json)) return false;
    m_columns = ResultColumns(withCombo, options.Envelope);
    if (m_out.Stream() && !options.OutAsJson) m_csv = std::make_unique<CsvResultWriter>(*m_out.Stream(), m_columns);
    return true;
}

void ResultSink::AddAll(std::size_t count, unsigned threads, std::size_t blockSize,
                        const std::function<MemberResult(std::size_t)>& make, const std::function<void()>& added)
{
    struct Made
    {
        MemberResult result;
        std::string csvLine;  // empty when there is no CSV, or no memory for it here
    };
    ComputeInOrder<Made>(
        count, threads, blockSize,
        [&](std::size_t i) noexcept {
            Made made;
            try {
                made.result = make(i);
                if (m_csv) made.csvLine = m_csv->Line(made.result);
            } catch (...) {
                made = Made();  // an ERROR row in short texts, which need no memory
                made.result.Status = "ERROR";
                made.result.Message = "out of memory";
            }
            return made;
        },
        [&](Made&& made) {
            Add(std::move(made.result), made.csvLine);
            added();
        });
}

void ResultSink::Add(MemberResult&& result) { Add(std::move(result), std::string()); }

void ResultSink::Add(MemberResult&& result, const std::string& csvLine)
{
    // A quiet terminal lists the ERROR members in its summary, the first 20.
    if (result.Status == "ERROR" && !Quiet()) Complain(result.Message);
    m_anyError = m_anyError || result.Status == "ERROR";
    m_anyNg = m_anyNg || result.Status == "NG";
    if (m_csv) m_csv->WriteLine(csvLine.empty() ? m_csv->Line(result) : csvLine);
    m_results.push_back(std::move(result));
}

void ResultSink::Finish(const std::vector<MemberResult>* envelope)
{
    if (m_csv && envelope)
        for (const MemberResult& line : *envelope) m_csv->Write(line);
    if (m_csv) m_csv->Flush();
    if (m_json.Stream()) WriteJson(*m_json.Stream(), m_columns, m_results, envelope, m_options->Conventions);
    if (m_out.Stream() && m_options->OutAsJson) WriteJsonArray(*m_out.Stream(), m_columns, m_results, envelope);
    if (m_out.Stream() == &std::cout || m_json.Stream() == &std::cout) return;
    const bool colour = UseColour(m_options->Colours);
    if (Quiet()) {
        WriteShortSummary(std::cout, m_results, CheckedBy(m_options->Conventions), colour);
        return;
    }
    WriteTable(std::cout, m_results, m_withCombo, colour, m_options->Threads);
    if (envelope) {
        std::cout << "\nEnvelope: the governing combination of each member\n";
        WriteTable(std::cout, *envelope, m_withCombo, colour, m_options->Threads);
    }
    std::cout << "\nChecked by " << CheckedBy(m_options->Conventions) << "\n";
}

bool ResultSink::Quiet() const
{
    const bool toStandardOutput = m_out.Stream() == &std::cout || m_json.Stream() == &std::cout;
    return !m_options->Table && !toStandardOutput && (m_out.Stream() || m_json.Stream());
}

int ResultSink::Status() const { return m_anyError ? kExitRowError : m_anyNg ? kExitNg : kExitOk; }

bool UseColour(Colour colour)
{
    if (colour != Colour::Auto) return colour == Colour::Always;
    return isatty(STDOUT_FILENO) && !std::getenv("NO_COLOR");
}

bool LoadMembers(const CheckOptions& options, MemberFile& members, int& status, bool keepFields)
{
    status = kExitOk;
    if (options.Members.empty()) {
        members.Rows.push_back(RowFromOptions(options));
        members.HasCombo = !members.Rows[0].Combo.empty();
        return true;
    }
    status = kExitFileError;
    if (!MemberFileKindReadable(options.Members)) return false;
    std::ifstream file(options.Members, std::ios::binary);
    if (!file) {
        Complain("cannot read the member file " + options.Members);
        return false;
    }
    try {
        members = ReadMembers(file, options.Members, options.Threads, options.Conventions, keepFields);
    } catch (const std::exception& error) {  // the file's buffer throws on a read error
        Complain("cannot read the member file " + options.Members + ": " + ReadFailure(error));
        return false;
    }
    if (!members.Error.empty()) {
        Complain(members.Error);
        return false;
    }
    status = kExitOk;
    return true;
}

int RunCheck(const CheckOptions& options)
{
    if (!OutputsAreDistinct(options.Members, {{"--out", options.Out}, {"--json", options.Json}, {"--report", options.Report}, {"--pdf", options.Pdf}}))
        return kExitUsage;
    MemberFile members;
    int status = kExitOk;
    if (!LoadMembers(options, members, status)) return status;
    if (!options.Report.empty() && !ReportFolderExists(options.Report)) return kExitFileError;
    std::string chromium;
    if (const int pdf = options.Pdf.empty() ? kExitOk : PdfReady(options, chromium); pdf != kExitOk) return pdf;
    if (!CatalogueReady()) return kExitFileError;
    ResultSink sink;
    Output report;
    if (!sink.Open(options, members.HasCombo, members.Rows.size()) || !report.Open(options.Report))
        return kExitFileError;

    Progress progress(members.Rows.size());
    // Blocks small enough that the first results come at once and the
    // threads finish together, large enough that handing them out is cheap.
    constexpr std::size_t kBlockSize = 64;
    const bool withReport = report.Stream() != nullptr || !options.Pdf.empty();
    const CataloguePin pin;  // one catalogue version for the batch, no stat per member
    BlockCheckers checkers(members.Rows.size(), kBlockSize);
    sink.AddAll(
        members.Rows.size(), options.Threads, kBlockSize,
        [&](std::size_t i) { return checkers.Run(i, members.Rows[i], withReport); },
        [&] { progress.Step(sink.Results().size()); });

    std::vector<MemberResult> envelope;
    if (options.Envelope) envelope = EnvelopeOf(sink.Results());
    if (report.Stream()) {
        WriteReportPage(*report.Stream(), options, sink.Results());
    }
    if (withReport && MissingImageCount() > 0)
        Complain(std::to_string(MissingImageCount()) + " equation images that the report names are missing");
    sink.Finish(options.Envelope ? &envelope : nullptr);
    if (!options.Pdf.empty() && !WritePdf(options, chromium, sink.Results())) return kExitNoPdf;
    return sink.Status();
}

} // namespace zorsteel::cli
