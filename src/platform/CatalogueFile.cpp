// The catalogue file: its text form (CatalogueFormat.h), the per-name and
// per-shape readers, the shape classifier, the list parser and the naming of
// a double angle's single angle.
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
#include "CatalogueFormat.h"
#include "zorTools.h"
#include "Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>
#include <cwctype>
#include <fstream>
#include <istream>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

#include <sys/stat.h>

namespace catalogue_format {

namespace {

constexpr unsigned char FoldAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c; }

// Reads a whole field as a shape code in 0..kShapeCodeCount-1.
bool ParseCode(std::string_view field, int& code)
{
    if (field.empty() || field.size() > 3) return false;
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < 0 || value >= kShapeCodeCount) return false;
    code = value;
    return true;
}

// Decodes a UTF-8 name into UTF-16 units; false when the text is not valid
// UTF-8 or does not fit with its terminator.
bool DecodeName(std::string_view text, char16_t (&name)[kSectionNameCapacity])
{
    int used = 0;
    for (std::size_t i = 0; i < text.size();) {
        char32_t c;
        if (!DecodeUtf8(text, i, c)) return false;
        const int units = c > 0xFFFF ? 2 : 1;
        if (used + units > kSectionNameCapacity - 1) return false;
        if (units == 2) {
            name[used++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            name[used++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            name[used++] = static_cast<char16_t>(c);
        }
    }
    if (used == 0) return false;
    for (int k = used; k < kSectionNameCapacity; ++k) name[k] = u'\0';
    return true;
}

} // namespace

std::string HeaderLine()
{
    std::string line = "code";
    line += kSeparator;
    line += "name";
    for (const char* field : kSectionFieldNames) {
        line += kSeparator;
        line += field;
    }
    return line;
}

void AppendNumber(std::string& out, double value)
{
    if (value == 0) {
        out += '0';
        return;
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

bool ParseNumber(std::string_view field, double& value)
{
    if (field.size() == 1 && field[0] == '0') {  // most of the catalogue
        value = 0;
        return true;
    }
    if (field.empty()) return false;
    double parsed = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), parsed);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

int CompareNames(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = FoldAscii(static_cast<unsigned char>(a[i]));
        const unsigned char cb = FoldAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void AppendRow(std::string& out, int shapeCode, std::string_view utf8Name, const mvSect_AISC& section)
{
    double numbers[kSectionNumberCount];
    std::memcpy(numbers, &section, sizeof numbers);
    char code[16];
    out.append(code, std::to_chars(code, code + sizeof code, shapeCode).ptr);
    out += kSeparator;
    out += utf8Name;
    for (const double value : numbers) {
        out += kSeparator;
        AppendNumber(out, value);
    }
}

bool ParseRow(std::string_view line, int& shapeCode, mvSect_AISC& section)
{
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t codeEnd = line.find(kSeparator);
    if (codeEnd == std::string_view::npos) return false;
    const std::size_t nameEnd = line.find(kSeparator, codeEnd + 1);
    if (nameEnd == std::string_view::npos) return false;
    int code = -1;
    mvSect_AISC row;
    if (!ParseCode(line.substr(0, codeEnd), code) || !DecodeName(line.substr(codeEnd + 1, nameEnd - codeEnd - 1), row.Name)) return false;

    // The numbers are read in place: each must end at a separator, the last
    // one at the end of the line.
    double numbers[kSectionNumberCount];
    const char* p = line.data() + nameEnd + 1;
    const char* const end = line.data() + line.size();
    for (int i = 0; i < kSectionNumberCount; ++i) {
        const char* next = p + 1;
        if (p < end && *p == '0' && (next == end || *next == kSeparator)) {
            numbers[i] = 0;  // most of the catalogue
        } else {
            const auto [stop, error] = std::from_chars(p, end, numbers[i]);
            if (error != std::errc() || !std::isfinite(numbers[i])) return false;
            next = stop;
        }
        const bool last = i + 1 == kSectionNumberCount;
        if (last ? next != end : (next == end || *next != kSeparator)) return false;
        p = next + 1;
    }
    std::memcpy(static_cast<void*>(&row), numbers, sizeof numbers);
    section = row;
    shapeCode = code;
    return true;
}

std::string_view RowName(std::string_view line)
{
    const std::size_t first = line.find(kSeparator);
    if (first == 0 || first == std::string_view::npos || first > 3) return {};
    for (std::size_t i = 0; i < first; ++i)
        if (line[i] < '0' || line[i] > '9') return {};
    const std::size_t second = line.find(kSeparator, first + 1);
    if (second == std::string_view::npos) return {};
    return line.substr(first + 1, second - first - 1);
}

std::string_view NameToUtf8(const wchar_t* name, char (&utf8)[kNameUtf8Capacity])
{
    if (!name) return {};
    std::size_t used = 0;
    int units = 0;
    for (const wchar_t* p = name; *p; ++p) {
        const char32_t c = static_cast<char32_t>(*p);
        if (c == U'\t' || c == U'\n' || c == U'\r' || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
        units += c > 0xFFFF ? 2 : 1;
        if (units > kSectionNameCapacity - 1) return {};
        used += EncodeUtf8(c, utf8 + used);  // at most 3 bytes a unit: within kNameUtf8Capacity
    }
    return {utf8, used};
}

} // namespace catalogue_format

namespace {

using namespace catalogue_format;

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
const CatalogueCopy* CurrentCatalogue(const CString& path)
{
    static std::mutex sharing;
    static std::shared_ptr<const CatalogueCopy> latest;  // guarded by sharing
    thread_local std::shared_ptr<const CatalogueCopy> held;
    std::string converted;
    const std::string& nativePath = held && held->path == path ? held->nativePath : (converted = ToNativePath(path));
    FileVersion version;
    if (!GetFileVersion(nativePath, version)) return nullptr;
    if (held && held->Answers(version)) return held.get();
    const std::lock_guard lock(sharing);
    if (!latest || !latest->Answers(version)) {
        std::shared_ptr<const CatalogueCopy> copy = ReadCatalogue(path, nativePath, version);
        if (!copy) return nullptr;
        latest = std::move(copy);
    }
    held = latest;
    return held.get();
}

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
wchar_t UpperAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - (L'a' - L'A')) : c; }

// A rectangular HSS name gives its first dimension as an integer or a
// fraction followed by X; a round one gives the diameter with a decimal point.
// An integer alone could start either.
int HssShape(const wchar_t* dimension)
{
    if (!IsDigit(*dimension)) return kShapeNone;
    while (IsDigit(*dimension)) ++dimension;
    switch (*dimension) {
    case L'.':
        return kShapeRoundHss;
    case L'X':
    case L'x':
    case L'-':
    case L'/':
        return kShapeRectHss;
    default:
        return kShapeNone;
    }
}

} // namespace

int get_aisc_section(mvSect_AISC& section, std::istream& catalogue, const CString& name)
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

int ReadSectionFromFile(mvSect_AISC& section, const CString& path, const wchar_t* name)
{
    try {
        char utf8[kNameUtf8Capacity];
        const std::string_view key = NameToUtf8(name, utf8);
        if (key.empty()) return -1;
        for (std::size_t i = 0; i < key.size(); ++i) utf8[i] = static_cast<char>(FoldAscii(static_cast<unsigned char>(utf8[i])));
        const CatalogueCopy* catalogue = CurrentCatalogue(path);
        return catalogue ? catalogue->Find(key, section) : -1;
    } catch (...) {
        return -1;
    }
}

bool LoadCatalogueCopy(const CString& path)
{
    try {
        return CurrentCatalogue(path) != nullptr;
    } catch (...) {
        return false;
    }
}

void get_aisc_section(std::vector<mvSect_AISC>& rows, std::istream& catalogue, int shapeCode)
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

int get_shape(const wchar_t* designation)
{
    if (!designation || !*designation) return kShapeNone;
    const wchar_t* p = designation;
    const bool doubled = *p == L'2';
    if (doubled) ++p;
    wchar_t letters[8] = {};
    int count = 0;
    for (; IsAsciiLetter(*p); ++p) {
        if (count == 7) return kShapeNone;
        letters[count++] = UpperAscii(*p);
    }
    const std::wstring_view family(letters, static_cast<std::size_t>(count));
    const bool numberFollows = *p == L'\0' || IsDigit(*p);
    if (doubled) return family == L"L" && numberFollows ? kShape2L : kShapeNone;
    if (family == L"HSS") return HssShape(p);
    if (!numberFollows) return kShapeNone;
    static constexpr struct {
        std::wstring_view letters;
        AiscShapeCode code;
    } kFamilies[] = {
        {L"W", kShapeW},   {L"M", kShapeM},   {L"S", kShapeS},   {L"HP", kShapeHP},    {L"C", kShapeC},     {L"MC", kShapeMC},
        {L"L", kShapeL},   {L"WT", kShapeWT}, {L"MT", kShapeMT}, {L"ST", kShapeST},    {L"PIPE", kShapePipe},
    };
    for (const auto& entry : kFamilies)
        if (entry.letters == family) return entry.code;
    return kShapeNone;
}

int ParseList(std::vector<CString>& items, const CString& list)
{
    try {
        std::vector<CString> found;
        std::wstring item;
        for (const wchar_t* p = list.GetString();; ++p) {
            const bool separator = *p == L'\0' || *p == L',' || *p == L';' || std::iswspace(static_cast<std::wint_t>(*p));
            if (!separator) {
                item += *p;
                continue;
            }
            if (!item.empty()) found.emplace_back(std::move(item));
            item.clear();
            if (*p == L'\0') break;
        }
        items.insert(items.end(), found.begin(), found.end());
        return static_cast<int>(found.size());
    } catch (...) {
        return 0;
    }
}

CString get_single_angle_from_double_angle(const CString& doubleAngleName)
{
    try {
        return CString(SingleAngleName(doubleAngleName.str()));
    } catch (...) {
        return CString();
    }
}

std::wstring_view SingleAngleName(std::wstring_view name)
{
    if (name.size() < 2 || name[0] != L'2' || UpperAscii(name[1]) != L'L') return {};
    std::wstring_view single = name.substr(1);
    if (single.size() > 5) {
        const std::wstring_view suffix = single.substr(single.size() - 4);
        auto is = [suffix](const wchar_t* letters) {
            for (std::size_t i = 0; i < 4; ++i)
                if (UpperAscii(suffix[i]) != letters[i]) return false;
            return true;
        };
        if (is(L"LLBB") || is(L"SLBB")) single.remove_suffix(4);
    }
    // Legs and thickness; a fourth part is the spacing of the angles.
    int separators = 0;
    for (std::size_t i = 0; i < single.size(); ++i)
        if (UpperAscii(single[i]) == L'X' && ++separators == 3) return single.substr(0, i);
    return single;
}
