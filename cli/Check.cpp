#include "Check.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <unistd.h>

#include "Environment.h"
#include "ExitStatus.h"
#include "Pdf.h"
#include "ReportOutput.h"
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

bool ReportFolderExists(const std::string& report)
{
    std::filesystem::path folder = std::filesystem::path(report).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return true;
    Complain("the report folder " + folder.string() + " does not exist");
    return false;
}

// True when both paths name one file, whether it exists or not.
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code errorA, errorB;
    const std::filesystem::path pathA = std::filesystem::weakly_canonical(a, errorA);
    const std::filesystem::path pathB = std::filesystem::weakly_canonical(b, errorB);
    return !a.empty() && !b.empty() && !errorA && !errorB && pathA == pathB;
}

// Before any member is checked: the PDF is a file of its own in a folder
// that exists, and there is a Chromium (found into chromium) to print it.
// The exit status, kExitOk when all is ready.
int PdfReady(const CheckOptions& options, std::string& chromium)
{
    if (SameFile(options.Pdf, options.Members) || SameFile(options.Pdf, options.Report)) {
        Complain("--pdf " + options.Pdf + " names the member file or the report page: give the PDF a file of its own");
        return kExitUsage;
    }
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
    return PrintPdf(chromium, [&](std::ostream& out) { WriteReport(out, options.Title, results); }, options.Pdf);
}

MemberRow RowFromOptions(const CheckOptions& options)
{
    MemberRow row;
    row.Where = "command line";
    row.Naming = FieldNaming::Option;
    row.Id = options.Section;  // unless --Id names it
    row.Section = options.Section;
    for (const auto& [column, text] : options.Fields) SetField(row, *column, text);
    return row;
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
    if (result.Status == "ERROR") Complain(result.Message);
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
    if (m_json.Stream()) WriteJson(*m_json.Stream(), m_columns, m_results, envelope);
    if (m_out.Stream() && m_options->OutAsJson) WriteJsonArray(*m_out.Stream(), m_columns, m_results, envelope);
    if (m_out.Stream() == &std::cout || m_json.Stream() == &std::cout) return;
    const bool colour = UseColour(m_options->Colours);
    WriteTable(std::cout, m_results, m_withCombo, colour, m_options->Threads);
    if (envelope) {
        std::cout << "\nEnvelope: the governing combination of each member\n";
        WriteTable(std::cout, *envelope, m_withCombo, colour, m_options->Threads);
    }
}

int ResultSink::Status() const { return m_anyError ? kExitRowError : m_anyNg ? kExitNg : kExitOk; }

bool UseColour(Colour colour)
{
    if (colour != Colour::Auto) return colour == Colour::Always;
    return isatty(STDOUT_FILENO) && !std::getenv("NO_COLOR");
}

bool LoadMembers(const CheckOptions& options, MemberFile& members, int& status)
{
    status = kExitOk;
    if (options.Members.empty()) {
        members.Rows.push_back(RowFromOptions(options));
        members.HasCombo = !members.Rows[0].Combo.empty();
        return true;
    }
    std::ifstream file(options.Members, std::ios::binary);
    if (!file) {
        Complain("cannot read the member file " + options.Members);
        status = kExitFileError;
        return false;
    }
    members = ReadMembers(file, options.Members, options.Threads);
    if (!members.Error.empty()) {
        Complain(members.Error);
        status = kExitFileError;
        return false;
    }
    return true;
}

int RunCheck(const CheckOptions& options)
{
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
    sink.AddAll(
        members.Rows.size(), options.Threads, kBlockSize,
        [&](std::size_t i) { return RunMember(members.Rows[i], withReport); },
        [&] { progress.Step(sink.Results().size()); });

    std::vector<MemberResult> envelope;
    if (options.Envelope) envelope = EnvelopeOf(sink.Results());
    if (report.Stream()) {
        WriteReport(*report.Stream(), options.Title, sink.Results());
        report.Stream()->flush();
        if (!PlaceReportImages(FromUtf8(options.Report).c_str()))
            Complain("the equation images could not be placed beside " + options.Report);
    }
    if (withReport && MissingImageCount() > 0)
        Complain(std::to_string(MissingImageCount()) + " equation images that the report names are missing");
    sink.Finish(options.Envelope ? &envelope : nullptr);
    if (!options.Pdf.empty() && !WritePdf(options, chromium, sink.Results())) return kExitNoPdf;
    return sink.Status();
}

} // namespace zorsteel::cli
