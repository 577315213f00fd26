#include "Pdf.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Environment.h"
#include "zorsteel.h"

extern char** environ;

namespace zorsteel::cli {

namespace fs = std::filesystem;

namespace {

// Chromium prints a report of a few hundred pages in well under a minute;
// one that takes longer than this has hung.
constexpr auto kPrintTimeout = std::chrono::minutes(10);

// A new folder (mkdtemp) in parent, removed with all it holds.
class TemporaryFolder
{
public:
    explicit TemporaryFolder(const fs::path& parent)
    {
        std::string name = (parent / "zorsteel-pdf-XXXXXX").string();
        if (::mkdtemp(name.data())) m_path = name;
    }
    ~TemporaryFolder()
    {
        std::error_code error;
        if (!m_path.empty()) fs::remove_all(m_path, error);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

// file:// URL of an absolute path: every byte but the unreserved ones and
// "/" percent-encoded.
std::string FileUrl(const fs::path& path)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : path.string()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}

// The last line of Chromium's messages that is not about the session bus,
// which headless printing does without: what to tell when it fails.
std::string LastMessage(const fs::path& log)
{
    std::ifstream file(log);
    std::string line, last;
    while (std::getline(file, line))
        if (!line.empty() && line.find("dbus") == std::string::npos) last = line;
    return last;
}

// Runs program with arguments in a process group of its own, its output
// and messages to log; returns its exit status, or -1 (why says why) when it
// could not start, ended on a signal or ran out of time.
int Run(const std::string& program, const std::vector<std::string>& arguments, const fs::path& log, std::string& why)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t child = -1;
    const int failed = posix_spawn(&child, program.c_str(), &files, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (failed) {
        why = "it could not be started";
        return -1;
    }
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + kPrintTimeout;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(-child, SIGKILL);  // Chromium and the processes it started
            ::waitpid(child, &status, 0);
            why = "it took more than 10 minutes";
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    why = "it ended on signal " + std::to_string(WTERMSIG(status));
    return -1;
}

bool IsPdf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    char head[5] = {};
    return file.read(head, sizeof head) && std::string_view(head, sizeof head) == "%PDF-";
}

// Prints page to work/report.pdf with a fresh profile, then moves it to pdf.
bool PrintIn(const fs::path& work, const std::string& chromium, const fs::path& page, const std::string& pdf)
{
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    const TemporaryFolder profile(error ? work : temporary);
    if (profile.Path().empty()) {
        Complain("cannot make a folder for Chromium's profile");
        return false;
    }
    const fs::path printed = work / "report.pdf", log = work / "chromium.log";
    const std::vector<std::string> arguments = {
        "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile.Path().string(),
        "--no-pdf-header-footer", "--print-to-pdf=" + printed.string(), FileUrl(page)};
    std::string why;
    const int status = Run(chromium, arguments, log, why);
    if (status > 0) why = "exit status " + std::to_string(status) + ": " + LastMessage(log);
    if (status == 0 && !IsPdf(printed)) why = "it wrote no PDF: " + LastMessage(log);
    if (!why.empty()) {
        Complain(chromium + " could not print " + page.string() + " to PDF (" + why + ")");
        return false;
    }
    fs::rename(printed, pdf, error);
    if (error) Complain("cannot write " + pdf + ": " + error.message());
    return !error;
}

// The folder that holds file, made absolute.
fs::path FolderOf(const std::string& file)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(file, error);
    return error ? fs::path(".") : absolute.parent_path();
}

} // namespace

std::string FindChromium()
{
    const char* path = std::getenv("PATH");
    const std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        for (std::size_t start = 0; start <= folders.size();) {
            std::size_t end = folders.find(':', start);
            if (end == std::string::npos) end = folders.size();
            const std::string folder = end > start ? folders.substr(start, end - start) : ".";
            const std::string candidate = folder + "/" + name;
            if (::access(candidate.c_str(), X_OK) == 0 && !fs::is_directory(candidate)) return candidate;
            start = end + 1;
        }
    }
    return "";
}

bool PrintPdf(const std::string& chromium, const std::string& page, const std::string& pdf)
{
    const TemporaryFolder work(FolderOf(pdf));
    if (work.Path().empty()) {
        Complain("cannot make a folder beside " + pdf + " to print in");
        return false;
    }
    std::error_code error;
    const fs::path source = fs::absolute(page, error);
    return PrintIn(work.Path(), chromium, error ? fs::path(page) : source, pdf);
}

bool PrintPdf(const std::string& chromium, const std::function<void(std::ostream&)>& write, const std::string& pdf)
{
    const TemporaryFolder work(FolderOf(pdf));
    if (work.Path().empty()) {
        Complain("cannot make a folder beside " + pdf + " to print in");
        return false;
    }
    const fs::path page = work.Path() / "report.html";
    {
        std::ofstream file(page, std::ios::binary);
        write(file);
        if (!file.flush()) {
            Complain("cannot write the page to print in " + work.Path().string());
            return false;
        }
    }
    if (!PlaceReportImages(FromUtf8(page.string()).c_str()))
        Complain("the equation images could not be placed beside the page printed to " + pdf);
    return PrintIn(work.Path(), chromium, page, pdf);
}

} // namespace zorsteel::cli
