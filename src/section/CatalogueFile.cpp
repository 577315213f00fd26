// The catalogue file: the per-name and per-shape readers.
//
// A read by name from a stream reads a few kilobytes, not the file: the rows
// are sorted by name, and a binary search over byte offsets narrows the file
// down to a small window that is then scanned. When that search misses, a
// linear scan of the whole file decides, so the result never depends on the
// order of the rows, only the speed does.
//
// A read by path, which every SetSection makes, answers from a parsed copy of
// the file kept in memory and shared by all threads. One stat per read tells
// whether the file is still the one copied; when it is not, the file is read
// again, so each read answers as the file stands at that moment.
#include "CatalogueFile.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <fstream>
#include <istream>
#include <iterator>
#include <memory>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <utility>

#include <sys/stat.h>

#include "../platform/Platform.h"
#include "../platform/Utf8.h"
#include "../platform/zorTools.h"
#include "CatalogueFormat.h"

using namespace zorsteel;
using namespace zorsteel::catalogue_format;

namespace {

// Bytes read at each step of the binary search, and the width of the range
// below which the search reads the whole range at once.
constexpr std::streamoff kProbeBytes = 4096;
constexpr std::streamoff kWindowBytes = 4096;
// A line longer than this is not a catalogue row.
constexpr std::size_t kLongestLine = 1 << 20;

// Makes the stream usable for the reader whatever the host did with it: no
// exceptions while reading (the library never throws), a clear state on the
// way out so the next call can seek, and the host's exception mask restored.
class StreamSession
{
public:
    explicit StreamSession(std::istream& stream) : m_stream(stream), m_mask(stream.exceptions())
    {
        m_stream.exceptions(std::ios::goodbit);
        m_stream.clear();
    }
    ~StreamSession()
    {
        m_stream.clear();
        try {
            m_stream.exceptions(m_mask);
        } catch (...) {
        }
    }
    StreamSession(const StreamSession&) = delete;
    StreamSession& operator=(const StreamSession&) = delete;

private:
    std::istream& m_stream;
    std::ios::iostate m_mask;
};

// Size of a seekable stream, or -1.
std::streamoff StreamSize(std::istream& in)
{
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    in.clear();
    return size;
}

// Reads up to count bytes at offset; returns the number read.
std::size_t ReadAt(std::istream& in, std::streamoff offset, char* buffer, std::size_t count)
{
    in.clear();
    in.seekg(offset);
    if (!in) {
        in.clear();
        return 0;
    }
    in.read(buffer, static_cast<std::streamsize>(count));
    const std::size_t n = static_cast<std::size_t>(in.gcount());
    in.clear();
    return n;
}

// The line starting at offset, without its '\n'; false if it cannot be read.
bool ReadLineAt(std::istream& in, std::streamoff offset, std::string& line)
{
    line.clear();
    char chunk[4096];
    for (;;) {
        const std::size_t n = ReadAt(in, offset, chunk, sizeof chunk);
        const void* newline = std::memchr(chunk, '\n', n);
        if (newline) {
            line.append(chunk, static_cast<std::size_t>(static_cast<const char*>(newline) - chunk));
            return true;
        }
        line.append(chunk, n);
        if (n < sizeof chunk) return !line.empty();
        if (line.size() > kLongestLine) return false;
        offset += static_cast<std::streamoff>(n);
    }
}

// Calls visit(line) for every line of the stream from its start (from where
// it stands if it cannot seek), without the '\n', until visit returns false.
// The stream is read in chunks; a line longer than kLongestLine is passed over.
template <typename Visit>
void ForEachLine(std::istream& in, Visit visit)
{
    in.clear();
    in.seekg(0);
    in.clear();
    std::string buffer(1 << 16, '\0');
    std::size_t filled = 0;
    bool skipping = false;  // inside an overlong line
    for (;;) {
        in.read(buffer.data() + filled, static_cast<std::streamsize>(buffer.size() - filled));
        const std::size_t n = static_cast<std::size_t>(in.gcount());
        filled += n;
        std::size_t start = 0;
        for (;;) {
            const void* found = std::memchr(buffer.data() + start, '\n', filled - start);
            if (!found) break;
            const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data());
            if (!skipping && !visit(std::string_view(buffer.data() + start, end - start))) return;
            skipping = false;
            start = end + 1;
        }
        if (n == 0) {
            if (!skipping && start < filled) visit(std::string_view(buffer.data() + start, filled - start));
            in.clear();
            return;
        }
        std::memmove(buffer.data(), buffer.data() + start, filled - start);
        filled -= start;
        if (filled == buffer.size()) {
            if (buffer.size() > kLongestLine) {
                skipping = true;
                filled = 0;
            } else {
                buffer.resize(buffer.size() * 2);
            }
        }
    }
}

// Shape code at the start of a row line, read just far enough to choose rows.
bool LeadingCode(std::string_view line, int& code)
{
    int value = 0;
    std::size_t i = 0;
    for (; i < line.size() && i < 3 && line[i] >= '0' && line[i] <= '9'; ++i) value = value * 10 + (line[i] - '0');
    if (i == 0 || i >= line.size() || line[i] != kSeparator) return false;
    code = value;
    return true;
}

// Binary search over byte offsets of a file sorted by CompareNames. The row
// sought, if the file holds it where the order puts it, starts in [lo, hi).
// Each step reads kProbeBytes at the middle and compares the names of the
// whole lines found there; once the range is narrow it is read whole. True
// with the parsed row when it finds the row; false when the row is not where
// the order puts it, or when something stops the search (a line longer than a
// probe, a read that fails): then only a scan of the whole file can tell.
bool SearchSorted(std::istream& in, std::streamoff size, std::string_view key, int& code, mvSect_AISC& row)
{
    std::string buffer;
    std::streamoff lo = 0;
    std::streamoff hi = size;
    while (lo < hi) {
        const bool window = hi - lo <= kWindowBytes;
        const std::streamoff probe = window ? lo : lo + (hi - lo) / 2;
        // One byte before the probe, to know whether a line starts at the probe.
        const std::streamoff from = probe > 0 ? probe - 1 : 0;
        buffer.resize(static_cast<std::size_t>((window ? hi - from : 0) + kProbeBytes));
        const std::size_t n = ReadAt(in, from, buffer.data(), buffer.size());
        const bool reachesEnd = from + static_cast<std::streamoff>(n) >= size;
        const std::string_view text(buffer.data(), n);

        std::size_t start = 0;
        if (probe > 0) {
            const std::size_t newline = text.find('\n');
            if (newline == std::string_view::npos) {
                if (!reachesEnd) return false;  // a line longer than a probe
                hi = probe;                     // no line starts at or after the probe
                continue;
            }
            start = newline + 1;
        }
        for (bool first = true;; first = false) {
            const std::streamoff lineStart = from + static_cast<std::streamoff>(start);
            if (start >= n) {
                if (first && !reachesEnd) return false;
                if (first) hi = probe;
                break;
            }
            if (lineStart >= hi) {
                if (first) hi = probe;
                break;
            }
            const std::size_t newline = text.find('\n', start);
            const bool complete = newline != std::string_view::npos || reachesEnd;
            const std::string_view line = text.substr(start, newline == std::string_view::npos ? std::string_view::npos : newline - start);
            const std::string_view name = RowName(line);
            if (name.empty() && !complete) return false;
            // Comments, the header and lines without a name sort first.
            const int order = name.empty() ? -1 : CompareNames(name, key);
            if (order > 0) {
                hi = lineStart;
                break;
            }
            if (order == 0) {
                std::string whole;
                if (!complete && !ReadLineAt(in, lineStart, whole)) return false;
                return ParseRow(complete ? line : std::string_view(whole), code, row);
            }
            lo = lineStart + 1;
            if (newline == std::string_view::npos) break;
            start = newline + 1;
        }
        // A window holds every line that starts in it: nothing more to narrow.
        if (window) return false;
    }
    return false;
}

// Every line of the stream, in order: the first well-formed row of that name.
bool SearchAll(std::istream& in, std::string_view key, int& code, mvSect_AISC& row)
{
    bool found = false;
    ForEachLine(in, [&](std::string_view line) {
        const std::string_view name = RowName(line);
        found = !name.empty() && CompareNames(name, key) == 0 && ParseRow(line, code, row);
        return !found;
    });
    return found;
}

// A file as one stat of it finds it. Two stats that agree are taken to be the
// same content: a rewrite changes the modification time, a replacement the
// device or inode, a change of permissions the status-change time.
struct FileVersion
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    long long modifiedSeconds = 0;
    long modifiedNanoseconds = 0;
    long long changedSeconds = 0;
    long changedNanoseconds = 0;
    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

bool GetFileVersion(const std::string& path, FileVersion& version)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) return false;
    version = {status.st_dev,         status.st_ino,          status.st_size,         status.st_mtim.tv_sec,
               status.st_mtim.tv_nsec, status.st_ctim.tv_sec, status.st_ctim.tv_nsec};
    return true;
}

// The kernel stamps a change with a clock that advances by ticks, so a
// second change within the tick of the first can leave every time as it
// was. A version read at least a tick after the file's last change can no
// longer be mistaken for a later one.
bool SettledBy(const FileVersion& version, const timespec& now)
{
    constexpr long long kNanosecondsPerSecond = 1'000'000'000;
    static const long long tick = [] {
        timespec resolution{};
        if (clock_getres(CLOCK_REALTIME_COARSE, &resolution) != 0) return kNanosecondsPerSecond;
        return resolution.tv_sec * kNanosecondsPerSecond + resolution.tv_nsec;
    }();
    const auto lastChange = std::max(std::pair(version.modifiedSeconds, version.modifiedNanoseconds),
                                     std::pair(version.changedSeconds, version.changedNanoseconds));
    // Whole seconds first: times far apart would overflow in nanoseconds.
    const long long seconds = now.tv_sec - lastChange.first;
    if (seconds < 0 || seconds > 1 + tick / kNanosecondsPerSecond) return seconds > 0;
    return seconds * kNanosecondsPerSecond + (now.tv_nsec - lastChange.second) >= tick;
}

// A name with its ASCII letters folded to lower case: names so folded
// compare byte by byte in the order of CompareNames.
std::string FoldedName(std::string name)
{
    for (char& c : name) c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
    return name;
}

// The well-formed rows of one version of a catalogue file.
struct CatalogueCopy
{
    struct Row
    {
        int code = -1;
        mvSect_AISC section;
    };
    // The path as the library built it and as the file system takes it, kept
    // so that the next read by the same path need not convert it again.
    CString path;
    std::string nativePath;
    FileVersion version;
    // Read at least a clock tick after the file last changed: only such a
    // copy may answer for a later stat that finds the same version.
    bool settled = false;
    // The well-formed rows in file order, their names folded, and the place
    // of each name's first row (the row a scan finds) by its folded name.
    std::vector<std::string> names;
    std::vector<Row> rows;
    std::unordered_map<std::string_view, std::size_t> index;  // views into names

    bool Answers(const FileVersion& current) const { return settled && version == current; }

    int Find(std::string_view foldedName, mvSect_AISC& section) const
    {
        const auto found = index.find(foldedName);
        if (found == index.end()) return -1;
        const Row& row = rows[found->second];
        section = row.section;
        return row.code;
    }
};

// Reads the file at path, which a stat just found at version; null when it
// cannot be opened.
std::shared_ptr<const CatalogueCopy> ReadCatalogue(const CString& path, const std::string& nativePath,
                                                   const FileVersion& version)
{
    timespec now{};
    const bool clockRead = clock_gettime(CLOCK_REALTIME, &now) == 0;
    std::ifstream file(nativePath, std::ios::in | std::ios::binary);
    if (!file.is_open()) return nullptr;
    ForgetCatalogueMissing();
    auto copy = std::make_shared<CatalogueCopy>();
    ForEachLine(file, [&](std::string_view line) {
        CatalogueCopy::Row row;
        if (ParseRow(line, row.code, row.section)) {
            copy->names.push_back(FoldedName(std::string(RowName(line))));
            copy->rows.push_back(row);
        }
        return true;
    });
    // The names are all in place: the views of the index stay valid.
    copy->index.reserve(copy->names.size());
    for (std::size_t i = 0; i < copy->names.size(); ++i) copy->index.try_emplace(copy->names[i], i);
    copy->path = path;
    copy->nativePath = nativePath;
    copy->version = version;
    copy->settled = clockRead && SettledBy(version, now);
    return copy;
}

// The copy of the catalogue file at path as it is now, read again when a stat
// finds it changed; null when the file cannot be found or opened. The copy
// stays valid until this thread's next call.
//
// The latest copy is shared by all threads; each thread holds the one it last
// used, and while a stat finds the file unchanged it answers from that one
// without a lock or a write to memory another thread touches. A thread that
// finds its copy out of date takes the shared one under a lock, or reads the
// file and shares the new copy (so threads meeting the same change read it
// once); others go on with the copies they hold.
// A pinned version: while pins are held, reads by its path answer from it
// without a stat. Each pinning has a number of its own (generation, 0 when
// none), so that a thread takes the pinned copy under the lock once per
// pinning and then reads the number alone.
struct Pin
{
    std::mutex lock;
    int count = 0;                               // guarded by lock
    std::shared_ptr<const CatalogueCopy> copy;   // guarded by lock
    std::uint64_t last = 0;                      // guarded by lock
    std::atomic<std::uint64_t> generation = 0;
};

Pin& ThePin()
{
    static Pin pin;
    return pin;
}

const std::shared_ptr<const CatalogueCopy>& CurrentCatalogue(const CString& path)
{
    static const std::shared_ptr<const CatalogueCopy> none;
    static std::mutex sharing;
    static std::shared_ptr<const CatalogueCopy> latest;  // guarded by sharing
    thread_local std::shared_ptr<const CatalogueCopy> held;
    thread_local std::shared_ptr<const CatalogueCopy> pinned;
    thread_local std::uint64_t pinnedGeneration = 0;
    if (const std::uint64_t generation = ThePin().generation.load(std::memory_order_acquire); generation != 0) {
        if (pinnedGeneration != generation) {
            const std::lock_guard lock(ThePin().lock);
            pinned = ThePin().copy;
            pinnedGeneration = generation;
        }
        if (pinned && pinned->path == path) return pinned;
    }
    std::string converted;
    const std::string& nativePath = held && held->path == path ? held->nativePath : (converted = ToNativePath(path));
    FileVersion version;
    if (!GetFileVersion(nativePath, version)) return none;
    if (held && held->Answers(version)) return held;
    const std::lock_guard lock(sharing);
    if (!latest || !latest->Answers(version)) {
        std::shared_ptr<const CatalogueCopy> copy = ReadCatalogue(path, nativePath, version);
        if (!copy) return none;
        latest = std::move(copy);
    }
    held = latest;
    return held;
}


} // namespace

int zorsteel::get_aisc_section(mvSect_AISC& section, std::istream& catalogue, const CString& name)
{
    try {
        char utf8[kNameUtf8Capacity];
        const std::string_view key = NameToUtf8(name.GetString(), utf8);
        if (key.empty()) return -1;
        StreamSession session(catalogue);
        int code = -1;
        mvSect_AISC row;
        const std::streamoff size = StreamSize(catalogue);
        if (!(size > 0 && SearchSorted(catalogue, size, key, code, row)) && !SearchAll(catalogue, key, code, row))
            return -1;
        section = row;
        return code;
    } catch (...) {
        return -1;
    }
}

int zorsteel::ReadSectionFromFile(mvSect_AISC& section, const CString& path, const wchar_t* name)
{
    try {
        char utf8[kNameUtf8Capacity];
        const std::string_view key = NameToUtf8(name, utf8);
        if (key.empty()) return -1;
        for (std::size_t i = 0; i < key.size(); ++i) utf8[i] = static_cast<char>(FoldAscii(static_cast<unsigned char>(utf8[i])));
        const std::shared_ptr<const CatalogueCopy>& catalogue = CurrentCatalogue(path);
        return catalogue ? catalogue->Find(key, section) : -1;
    } catch (...) {
        return -1;
    }
}

bool zorsteel::CatalogueFound(const CString& path)
{
    try {
        return CurrentCatalogue(path) != nullptr;
    } catch (...) {
        return true;  // out of memory, not a missing file
    }
}

namespace {

// The path last told missing (empty: none): a file missing at every read
// of a batch is told once, not once per member.
std::mutex toldLock;
std::wstring toldMissing;  // guarded by toldLock

} // namespace

void zorsteel::ForgetCatalogueMissing()
{
    const std::lock_guard lock(toldLock);
    toldMissing.clear();
}

void zorsteel::TellCatalogueMissing(const CString& path)
{
    {
        const std::lock_guard lock(toldLock);
        if (toldMissing == path.str()) return;
        toldMissing = path.str();
    }
    AfxMessageBox(CString(L"Error opening file ") + CString(FromUtf8(ToNativePath(path))));
}

zorsteel::CataloguePin::CataloguePin(const CString& path)
{
    try {
        std::shared_ptr<const CatalogueCopy> copy = CurrentCatalogue(path);
        if (!copy) return;
        Pin& pin = ThePin();
        const std::lock_guard lock(pin.lock);
        if (pin.count++ == 0) {
            pin.copy = std::move(copy);
            pin.generation.store(++pin.last, std::memory_order_release);
        }
        m_pinned = true;
    } catch (...) {
    }
}

zorsteel::CataloguePin::~CataloguePin()
{
    if (!m_pinned) return;
    Pin& pin = ThePin();
    const std::lock_guard lock(pin.lock);
    if (--pin.count > 0) return;
    pin.generation.store(0, std::memory_order_release);
    pin.copy.reset();
}

bool zorsteel::LoadCatalogueCopy(const CString& path)
{
    try {
        return CurrentCatalogue(path) != nullptr;
    } catch (...) {
        return false;
    }
}

void zorsteel::get_aisc_section(std::vector<mvSect_AISC>& rows, std::istream& catalogue, int shapeCode)
{
    if (shapeCode < 0 || shapeCode >= kShapeCodeCount) return;
    const std::size_t held = rows.size();
    try {
        StreamSession session(catalogue);
        ForEachLine(catalogue, [&](std::string_view line) {
            int code = -1;
            if (LeadingCode(line, code) && code == shapeCode) {
                mvSect_AISC row;
                if (ParseRow(line, code, row)) rows.push_back(row);
            }
            return true;
        });
    } catch (...) {
        // Out of memory: rows keeps what it held before the call.
        rows.resize(held);
    }
}

const CString& zorsteel::CataloguePath()
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
