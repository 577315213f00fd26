// The zorsteel command end to end, as a user runs it on a building model:
// 100 000 random members of every family (RandomMembers.h) read, checked and
// written as CSV, on one thread per core and on one thread. Wall time, the
// process's start and the catalogue load included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "RandomMembers.h"
#include "zorsteel.h"

using namespace zorsteel;

extern char** environ;

namespace {

constexpr std::size_t kMembers = 100000;

// A member file of kMembers random members, removed with the object.
struct RandomMemberFile
{
    RandomMemberFile()
        : path(std::filesystem::temp_directory_path() /
               ("zorsteel-bench-members-" + std::to_string(::getpid()) + ".csv"))
    {
        std::ofstream out(path, std::ios::binary);
        written = WriteRandomMembers(out, kMembers, 1);
    }
    ~RandomMemberFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    RandomMemberFile(const RandomMemberFile&) = delete;
    RandomMemberFile& operator=(const RandomMemberFile&) = delete;

    std::filesystem::path path;
    bool written = false;
};

// Written at its first use, once per run of the benchmarks.
const RandomMemberFile& MemberFile()
{
    static const RandomMemberFile file;
    return file;
}

// Runs the command with its output to /dev/null; its exit status, or -1.
int Run(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

void CheckBatch(benchmark::State& state, const char* threads)
{
    const std::filesystem::path& members = MemberFile().path;
    if (!MemberFile().written) {
        state.SkipWithError("no member file: is aisc14u.tbl beside the executable?");
        return;
    }
    const std::string command = ToNativePath(GetExecutablePath()) + "/zorsteel";
    const std::filesystem::path results = members.string() + ".results.csv";
    for (auto _ : state) {
        const int status =
            Run({command, "check", "--members", members.string(), "--out", results.string(), "--threads", threads});
        // 0 all OK, 1 some NG, 2 some ERROR (under full rules, the default, a
        // member in tension at a random Fy that no usual grade has, without Fu).
        if (status < 0 || status > 2) {
            state.SkipWithError(("zorsteel check failed: is " + command + " built?").c_str());
            break;
        }
    }
    std::filesystem::remove(results);
    state.counters["members"] = static_cast<double>(kMembers);
}
BENCHMARK_CAPTURE(CheckBatch, every_core, "0")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(CheckBatch, one_thread, "1")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
