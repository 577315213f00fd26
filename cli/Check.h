// zorsteel check: one member from options, or every row of a member CSV file.
#pragma once

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "MemberFile.h"
#include "ResultOutput.h"

namespace zorsteel::cli {

enum class Colour
{
    Auto,
    Always,
    Never,
};

struct CheckOptions
{
    std::string Section;  // a single member: its section ...
    std::vector<std::pair<const InputColumn*, std::string>> Fields;  // ... and its inputs as given
    std::string Members;  // or a member file
    std::string Out;      // results CSV, "-" for standard output
    std::string Json;     // results JSON, "-" for standard output
    bool OutAsJson = false;  // --json without a file: --out is a JSON array, not CSV
    std::string Report;   // report page
    std::string Pdf;      // the report as PDF
    std::string Title = "zorsteel member checks";
    bool ReportAll = false;  // every combination's calculation in the report, not each member's governing one
    bool Envelope = false;
    bool Table = false;  // every row on the terminal, also with --out FILE or --json FILE
    Colour Colours = Colour::Auto;
    unsigned Threads = 0;  // threads that check members; 0: one per core
    InputConventions Conventions; // --length-unit, --compression-sign, --rules, --edition
};

// Runs the check; returns the exit status (ExitStatus.h).
int RunCheck(const CheckOptions& options);

// An output named on the command line: standard output for "-", else a file.
class Output
{
public:
    // False, told, when the file cannot be written; an empty path is no output.
    bool Open(const std::string& path);
    std::ostream* Stream() const { return m_stream; }

private:
    std::unique_ptr<std::ofstream> m_file;
    std::ostream* m_stream = nullptr;
};

// Where results go: the CSV written row by row in input order as they come
// (reaching the file every few kilobytes, and at the end), then at the end
// the envelope lines, the JSON and the table on the terminal (unless
// standard output carries the CSV or the JSON).
class ResultSink
{
public:
    // Opens --out and --json for results of count members; false when one
    // cannot be written.
    bool Open(const CheckOptions& options, bool withCombo, std::size_t count);
    // Adds the results make(0) ... make(count - 1), made with their CSV lines
    // on threads threads (0: one per core) in blocks of blockSize, and taken
    // in that order as they come; added() after each. make must give the
    // same result on any thread; if it throws, the result is an ERROR "out of
    // memory".
    void AddAll(std::size_t count, unsigned threads, std::size_t blockSize,
                const std::function<MemberResult(std::size_t)>& make, const std::function<void()>& added = [] {});
    void Add(MemberResult&& result);
    void Finish(const std::vector<MemberResult>* envelope);
    const std::vector<MemberResult>& Results() const { return m_results; }
    // The terminal shows a short summary, not every row: the rows go to a
    // file (--out FILE or --json FILE) and --table is not given.
    bool Quiet() const;
    // 0, 1 or 2 by the statuses added (ExitStatus.h).
    int Status() const;

private:
    void Add(MemberResult&& result, const std::string& csvLine);

    const CheckOptions* m_options = nullptr;
    bool m_withCombo = false;
    Output m_out, m_json;
    std::vector<const ResultColumn*> m_columns;
    std::unique_ptr<CsvResultWriter> m_csv;
    std::vector<MemberResult> m_results;
    bool m_anyError = false, m_anyNg = false;
};

// Shared with select: the members of the options (file or single member);
// false, with the reason told, when the file cannot be read (it is not a
// regular file or a pipe, it does not open, reading it fails). Exit status in
// status. keepFields keeps each row's fields as read.
bool LoadMembers(const CheckOptions& options, MemberFile& members, int& status, bool keepFields = false);

// An output named on the command line: the option and its path ("-" is
// standard output).
struct NamedOutput
{
    const char* option;
    const std::string& path;
};
// False, told, when an output is the member file or another output: the same
// file by device and inode (through links), or the same path not made yet.
bool OutputsAreDistinct(const std::string& members, const std::vector<NamedOutput>& outputs);

// Whether the folder of a report (or PDF) exists; told when it does not.
bool ReportFolderExists(const std::string& report);

// The report's title and extent, from the options.
ModelReportOptions ReportOptionsOf(const CheckOptions& options);

// Writes the report of the results to out, the page at options.Report, and
// places the equation images beside it (told when they cannot be).
void WriteReportPage(std::ostream& out, const CheckOptions& options, const std::vector<MemberResult>& results);

// True when colour goes to standard output.
bool UseColour(Colour colour);

} // namespace zorsteel::cli
