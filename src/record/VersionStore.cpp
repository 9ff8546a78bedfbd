#include "record/VersionStore.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/VersionDelta.h"
#include "platform/Text1252.h"

namespace quorle {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr const char* kPathNote = "path.txt";
constexpr std::size_t kTimeTextSize = 24;  // "2026-12-07T18-40-12.345Z"
constexpr std::size_t kHashTextSize = 16;
constexpr const char* kTemporaryMark = ".quorle.";  // ".quorle.<pid>.<host>.XXXXXX"
constexpr const char* kDamagedVersion = "A damaged version";
// How long a write may be under way: what a kill left older than this is left over.
constexpr auto kLeftOverAge = std::chrono::minutes(1);

std::optional<int> versionFault;
VersionProblemListener listener;
bool problemTold = false;

std::string Hex(std::uint64_t value, int digits) {
    static const char* kDigits = "0123456789abcdef";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 15];
    return text;
}

bool Digits(const std::string& text, std::size_t at, std::size_t count, int& out) {
    out = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

// The checksum a version's file name carries.
std::uint64_t ChecksumOfName(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    return std::strtoull(name.substr(kTimeTextSize + 1, kHashTextSize).c_str(), nullptr, 16);
}

std::vector<StoredVersion> VersionsIn(const fs::path& folder) {
    std::vector<StoredVersion> versions;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto time = VersionTimeOfName(name);
        std::error_code fileError;
        if (!time || !it->is_regular_file(fileError)) continue;
        const auto size = it->file_size(fileError);
        versions.push_back(StoredVersion{it->path().string(), *time, fileError ? 0 : size});
    }
    std::sort(versions.begin(), versions.end(), [](const StoredVersion& a, const StoredVersion& b) {
        return a.time != b.time ? a.time < b.time : a.path < b.path;
    });
    return versions;
}

VersionTime ModificationTime(const struct stat& st) {
    const auto since = std::chrono::seconds(st.st_mtim.tv_sec) + std::chrono::nanoseconds(st.st_mtim.tv_nsec);
    return VersionTime(std::chrono::floor<milliseconds>(since));
}

VersionTime Now() { return std::chrono::floor<milliseconds>(std::chrono::system_clock::now()); }

std::string HostName() {
    std::string text = ThisHostName();
    if (text.empty()) return "localhost";
    std::replace(text.begin(), text.end(), '/', '_');
    return text;
}

// Writes a file of the store: a temporary file of this writer (".quorle.<pid>.
// <host>.XXXXXX", 0600) renamed into place, so that a file that is there is
// whole, and one a kill cut short is known as left over by a writer gone. A
// version is a copy of what is still on disk until the save, so it is not
// flushed (a save should not pay for two flushes).
FileProblem WriteStoreFile(const fs::path& target, std::span<const unsigned char> bytes) {
    std::string pattern =
        (target.parent_path() / (kTemporaryMark + std::to_string(::getpid()) + "." + HostName() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return ProblemOf(errno, target.parent_path().string());
    int failure = ::fchmod(fd, 0600) == 0 ? 0 : errno;
    if (failure == 0 && !WriteAll(fd, bytes)) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(pattern.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(pattern.c_str());
        return ProblemOf(failure, target.parent_path().string());
    }
    return {};
}

// A folder of the store, made or kept private to the teacher (0700).
FileProblem PrivateFolder(const fs::path& folder, const fs::path& named) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return ProblemOf(errno, named.string());
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) return ProblemOf(errno, named.string());
    if (!S_ISDIR(st.st_mode)) return ProblemOf(ENOTDIR, named.string());
    if ((st.st_mode & 07777) != 0700 && ::chmod(folder.c_str(), 0700) != 0) return ProblemOf(errno, named.string());
    return {};
}

FileProblem MakeClassFolder(const fs::path& folder) {
    const fs::path root = folder.parent_path();
    // The folders above the store that are missing (~/.local/share and the
    // program's own) are made private too, as data folders are made.
    std::vector<fs::path> missing;
    std::error_code ec;
    for (fs::path up = root.parent_path(); !up.empty() && !fs::exists(up, ec); up = up.parent_path()) {
        missing.push_back(up);
        if (up == up.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        if (::mkdir(it->c_str(), 0700) != 0 && errno != EEXIST) return ProblemOf(errno, folder.string());
    FileProblem problem = PrivateFolder(root, folder);
    if (problem.Empty()) problem = PrivateFolder(folder, folder);
    return problem;
}

// Whether a hidden file of a class's folder was left by a write that is no
// longer under way: one of this program's temporary files whose writer (on
// this computer) has ended, or one of the temporary files earlier releases
// named after their target (".path.txt.XXXXXX"), older than a minute.
bool LeftOver(const std::string& name, const fs::path& path) {
    if (name.size() < 8 || name[0] != '.' || name[name.size() - 7] != '.') return false;
    if (name.rfind(kTemporaryMark, 0) == 0) {
        const std::string rest = name.substr(std::strlen(kTemporaryMark), name.size() - 7 - std::strlen(kTemporaryMark));
        const std::size_t dot = rest.find('.');
        if (dot == std::string::npos || rest.substr(dot + 1) != HostName()) return false;
        char* end = nullptr;
        const long pid = std::strtol(rest.c_str(), &end, 10);
        if (end != rest.c_str() + dot || pid <= 0) return false;
        return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    }
    const std::string target = name.substr(1, name.size() - 8);
    if (target != kPathNote && !VersionTimeOfName(target)) return false;
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    return !ec && fs::file_time_type::clock::now() - written > kLeftOverAge;
}

// Puts a class's folder right: files left by writes cut short go, and every
// file is the teacher's own with mode 0600; a version that is a second name of
// another file (as earlier releases kept them) or another user's becomes a
// copy of its own first, so that nothing outside the store changes.
void TidyFolder(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        const std::string name = path.filename().string();
        if (LeftOver(name, path)) {
            ::unlink(path.c_str());
            continue;
        }
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (st.st_nlink > 1 || st.st_uid != ::geteuid()) {
            if (const auto bytes = ReadWholeFile(path.string())) WriteStoreFile(path, *bytes);
        } else if ((st.st_mode & 07777) != 0600) {
            ::chmod(path.c_str(), 0600);
        }
    }
}

// The header of a version's file: a delta's, or nothing for a whole class.
std::optional<VersionDeltaHeader> HeaderOf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    unsigned char head[kVersionDeltaHeaderSize];
    std::size_t done = 0;
    while (done < sizeof head) {
        const ssize_t n = ::read(fd, head + done, sizeof head - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return ParseVersionDeltaHeader(std::span<const unsigned char>(head, done));
}

// Reads the versions of one class folder back whole: a delta through the
// versions it is kept against, each checked against its checksum. The last
// few rebuilt are kept, so that reading the versions newest first rebuilds
// each from the one before.
class VersionReader {
public:
    explicit VersionReader(std::vector<StoredVersion> versions) : versions_(std::move(versions)) {}

    std::optional<Bytes> Read(const std::string& path, FileProblem* problem) {
        auto bytes = Rebuild(path, ChecksumOfName(path), 0, problem);
        if (!bytes && problem && problem->Empty()) *problem = FileProblem{kDamagedVersion, path};
        return bytes;
    }

private:
    std::optional<Bytes> Rebuild(const std::string& path, std::uint64_t checksum, std::size_t depth,
                                 FileProblem* problem) {
        for (const auto& [sum, bytes] : cache_)
            if (sum == checksum) return bytes;
        auto raw = ReadWholeFile(path, kMaxFileBytes, problem);
        if (!raw) return std::nullopt;
        std::optional<Bytes> bytes;
        if (const auto header = ParseVersionDeltaHeader(*raw)) {
            // A chain is never longer than the versions there are.
            if (depth >= versions_.size()) return std::nullopt;
            for (const StoredVersion& base : versions_) {
                if (base.path == path || ChecksumOfName(base.path) != header->baseChecksum) continue;
                const auto baseBytes = Rebuild(base.path, header->baseChecksum, depth + 1, nullptr);
                if (baseBytes && (bytes = ApplyVersionDelta(*raw, *baseBytes))) break;
            }
        } else {
            bytes = std::move(raw);
        }
        if (!bytes || VersionChecksum(*bytes) != checksum) return std::nullopt;
        if (cache_.size() == 3) cache_.erase(cache_.begin());
        cache_.emplace_back(checksum, *bytes);
        return bytes;
    }

    std::vector<StoredVersion> versions_;
    std::vector<std::pair<std::uint64_t, Bytes>> cache_;
};

// Makes the version at index go, first keeping the versions kept against it
// as deltas against the newest whole version (or whole). False when it could
// not go.
bool DropVersion(const std::vector<StoredVersion>& versions, std::size_t index, std::uintmax_t* total) {
    const StoredVersion& gone = versions[index];
    const std::uint64_t checksum = ChecksumOfName(gone.path);
    bool twin = false;
    std::vector<std::size_t> dependents;
    std::optional<std::size_t> newestWhole;
    for (std::size_t i = 0; i < versions.size(); ++i) {
        if (i == index) continue;
        if (ChecksumOfName(versions[i].path) == checksum) twin = true;
        const auto header = HeaderOf(versions[i].path);
        if (!header) newestWhole = i;
        else if (header->baseChecksum == checksum) dependents.push_back(i);
    }
    if (!twin && !dependents.empty()) {
        VersionReader reader(versions);
        std::optional<Bytes> base;
        if (newestWhole) base = reader.Read(versions[*newestWhole].path, nullptr);
        for (std::size_t i : dependents) {
            const auto bytes = reader.Read(versions[i].path, nullptr);
            if (!bytes) continue;  // damaged already: nothing to keep
            Bytes content = base ? MakeVersionDelta(*bytes, *base) : *bytes;
            if (content.size() >= bytes->size()) content = *bytes;
            if (!WriteStoreFile(versions[i].path, content).Empty()) return false;
            if (total) *total = *total - versions[i].size + content.size();
        }
    }
    std::error_code ec;
    if (!fs::remove(gone.path, ec)) return false;
    if (total) *total -= std::min(*total, gone.size);
    return true;
}

// Every version but the newest that is still a whole class (the one the
// last write made newest, or one of an earlier release) becomes a delta
// against the newest.
void CompactVersions(const fs::path& folder) {
    const auto versions = VersionsIn(folder);
    // Only a whole newest can be a base: a chain never leads back to itself.
    if (versions.size() < 2 || HeaderOf(versions.back().path)) return;
    VersionReader reader(versions);
    std::optional<Bytes> newest;
    for (std::size_t i = versions.size() - 1; i-- > 0;) {
        if (HeaderOf(versions[i].path)) continue;
        if (!newest && !(newest = reader.Read(versions.back().path, nullptr))) return;
        const auto bytes = reader.Read(versions[i].path, nullptr);
        if (!bytes) continue;
        const Bytes delta = MakeVersionDelta(*bytes, *newest);
        if (delta.size() < bytes->size()) WriteStoreFile(versions[i].path, delta);
    }
}

}  // namespace

VersionBeforeWrite::VersionBeforeWrite(const std::string& classPath, const VersionLimits& limits) : limits_(limits) {
    try {
        struct stat st {};
        if (::stat(classPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
        if (VersionsRoot().empty()) {
            problem_ = FileProblem{"Neither XDG_DATA_HOME nor HOME names a folder to keep them in", ""};
            return;
        }
        const fs::path folder = VersionFolder(classPath);
        if (versionFault) {
            problem_ = ProblemOf(*versionFault, folder.string());
            return;
        }
        const auto bytes = ReadWholeFile(classPath);
        if (!bytes) return;  // the save itself says what is wrong with the file

        if (problem_ = MakeClassFolder(folder); !problem_.Empty()) return;
        const fs::path note = folder / kPathNote;
        std::error_code ec;
        if (!fs::exists(note, ec)) {
            const std::string text = ShownPath(classPath) + "\n";
            problem_ = WriteStoreFile(note, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
            if (!problem_.Empty()) return;
        }
        folder_ = folder.string();

        const std::uint64_t checksum = VersionChecksum(*bytes);
        const auto versions = VersionsIn(folder);
        VersionReader reader(versions);
        std::optional<std::string> same;
        for (auto it = versions.rbegin(); it != versions.rend() && !same; ++it) {
            if (ChecksumOfName(it->path) != checksum) continue;
            const auto kept = reader.Read(it->path, nullptr);
            if (kept && *kept == *bytes) same = it->path;
        }
        // Kept once: the newest already holds these bytes.
        if (same && *same == versions.back().path) return;
        // The version is dated by the save that wrote these bytes, and always
        // after the versions already kept, so the list keeps the order of
        // saves even when two saves fall in the same millisecond.
        VersionTime time = ModificationTime(st);
        if (!versions.empty() && time <= versions.back().time) time = versions.back().time + milliseconds(1);
        const fs::path target = folder / (VersionTimeText(time) + "-" + Hex(checksum, kHashTextSize) + ".gdr");
        // A copy, never a second name of the class: the class file may yet be
        // written in place by another program, and its mode is not the store's.
        if (problem_ = WriteStoreFile(target, *bytes); !problem_.Empty()) return;
        made_ = target.string();
        // An identical older version becomes the newest: it goes once the write is done.
        if (same) replaced_ = *same;
    } catch (const std::exception& error) {
        problem_ = FileProblem{error.what(), VersionFolder(classPath)};
    }
}

VersionBeforeWrite::VersionBeforeWrite(VersionBeforeWrite&& other) noexcept { *this = std::move(other); }

VersionBeforeWrite& VersionBeforeWrite::operator=(VersionBeforeWrite&& other) noexcept {
    if (this != &other) {
        Withdraw();
        limits_ = other.limits_;
        folder_ = std::move(other.folder_);
        made_ = std::move(other.made_);
        replaced_ = std::move(other.replaced_);
        problem_ = std::move(other.problem_);
        other.folder_.clear();
        other.made_.clear();
        other.replaced_.clear();
    }
    return *this;
}

VersionBeforeWrite::~VersionBeforeWrite() { Withdraw(); }

void VersionBeforeWrite::Written() {
    if (folder_.empty()) return;
    try {
        if (!replaced_.empty()) ::unlink(replaced_.c_str());
        CompactVersions(folder_);
        TidyFolder(folder_);
        ApplyVersionLimits(folder_, limits_, Now());
    } catch (const std::exception&) {
        // The version is kept; the tidying waits for the next save.
    }
    folder_.clear();
    made_.clear();
    replaced_.clear();
}

void VersionBeforeWrite::Withdraw() {
    if (!made_.empty()) ::unlink(made_.c_str());
    folder_.clear();
    made_.clear();
    replaced_.clear();
}

std::string VersionsRoot() {
    fs::path base;
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || *home != '/') return {};
        base = fs::path(home) / ".local" / "share";
    }
    return (base / "quorle" / "versions").string();
}

std::string VersionFolder(const std::string& classPath) {
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(classPath, ec), ec);
    if (ec) full = fs::path(ShownPath(classPath));
    const std::string text = full.string();
    const std::uint64_t hash = VersionChecksum(std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
    return (fs::path(VersionsRoot()) / (full.filename().string() + "-" + Hex(hash, 8))).string();
}

std::vector<StoredVersion> ListVersions(const std::string& classPath) {
    if (VersionsRoot().empty()) return {};
    return VersionsIn(VersionFolder(classPath));
}

std::optional<std::vector<unsigned char>> ReadVersion(const StoredVersion& version, FileProblem* problem) {
    try {
        VersionReader reader(VersionsIn(fs::path(version.path).parent_path()));
        return reader.Read(version.path, problem);
    } catch (const std::exception&) {
        if (problem) *problem = FileProblem{kDamagedVersion, version.path};
        return std::nullopt;
    }
}

void ApplyVersionLimits(const std::string& classFolder, const VersionLimits& limits, VersionTime now) {
    for (;;) {
        const auto versions = VersionsIn(classFolder);
        if (versions.size() <= limits.keepCount || now - versions.front().time < limits.keepAge) break;
        if (!DropVersion(versions, 0, nullptr)) break;
    }
    // All classes together: the oldest go first.
    const fs::path root = fs::path(classFolder).parent_path();
    struct Entry {
        StoredVersion version;
        fs::path folder;
    };
    std::vector<Entry> all;
    std::uintmax_t total = 0;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code folderError;
        if (!it->is_directory(folderError)) continue;
        auto versions = VersionsIn(it->path());
        if (versions.empty() && it->path() != fs::path(classFolder)) {
            // Left empty by a write cut short (once no write can be under way).
            const auto written = fs::last_write_time(it->path(), folderError);
            if (!folderError && fs::file_time_type::clock::now() - written > kLeftOverAge) {
                TidyFolder(it->path());
                fs::remove(it->path() / kPathNote, folderError);
                fs::remove(it->path(), folderError);
            }
            continue;
        }
        for (StoredVersion& version : versions) {
            total += version.size;
            all.push_back(Entry{std::move(version), it->path()});
        }
    }
    if (total <= limits.maxTotalBytes) return;
    std::stable_sort(all.begin(), all.end(),
                     [](const Entry& a, const Entry& b) { return a.version.time < b.version.time; });
    for (const Entry& entry : all) {
        if (total <= limits.maxTotalBytes) break;
        const auto versions = VersionsIn(entry.folder);
        const auto at = std::find_if(versions.begin(), versions.end(),
                                     [&](const StoredVersion& v) { return v.path == entry.version.path; });
        if (at != versions.end()) DropVersion(versions, static_cast<std::size_t>(at - versions.begin()), &total);
    }
}

std::string VersionTimeText(VersionTime time) {
    const auto days = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date(days);
    const std::chrono::hh_mm_ss clock(time - days);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d-%02d-%02d.%03dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()), static_cast<int>(clock.subseconds().count()));
    return text;
}

std::optional<VersionTime> VersionTimeOfName(const std::string& name) {
    // "2026-12-07T18-40-12.345Z-0123456789abcdef.gdr"
    if (name.size() != kTimeTextSize + 1 + kHashTextSize + 4 || name.compare(name.size() - 4, 4, ".gdr") != 0)
        return std::nullopt;
    static const char kShape[] = "dddd-dd-ddTdd-dd-dd.dddZ-";
    for (std::size_t i = 0; i < kTimeTextSize + 1; ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (kShape[i] == 'd' ? !digit : name[i] != kShape[i]) return std::nullopt;
    }
    for (std::size_t i = kTimeTextSize + 1; i < kTimeTextSize + 1 + kHashTextSize; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, milli = 0;
    Digits(name, 0, 4, year);
    Digits(name, 5, 2, month);
    Digits(name, 8, 2, day);
    Digits(name, 11, 2, hour);
    Digits(name, 14, 2, minute);
    Digits(name, 17, 2, second);
    Digits(name, 20, 3, milli);
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return VersionTime(std::chrono::sys_days(date)) + std::chrono::hours(hour) + std::chrono::minutes(minute) +
           std::chrono::seconds(second) + milliseconds(milli);
}

std::string LocalTimeText(VersionTime time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(time));
    std::tm local{};
    if (!::localtime_r(&seconds, &local)) return VersionTimeText(time);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

namespace {

// A text of the class (Windows-1252) as the style writes it.
std::string Text(const SummaryStyle& style, const std::string& text) {
    return style.utf8 ? platform::Cp1252ToUtf8(text) : text;
}

std::string StudentName(const TStudent& student) { return student.firstName.Str() + " " + student.lastName.Str(); }

using StudentKey = std::tuple<std::string, std::string, std::string>;
StudentKey KeyOf(const TStudent& s) { return {s.lastName.Str(), s.firstName.Str(), s.id.Str()}; }

// "added Quiz 5" for one, "added 4 grades" for more.
void Counted(std::vector<std::string>& parts, const char* verb, const std::vector<std::string>& names,
             const char* plural) {
    if (names.empty()) return;
    parts.push_back(std::string(verb) + " " +
                    (names.size() == 1 ? names.front() : std::to_string(names.size()) + " " + plural));
}

// Which grade item of one version is which of the next, per category: by
// place while a category keeps its number of items (a new title is a
// renamed item), otherwise by title.
struct ItemMatch {
    std::vector<std::pair<int, std::size_t>> pairs[kCategoryCount];  // old index, new index
    std::vector<std::string> added, deleted, renamed;
};

ItemMatch MatchItems(const TStudent& before, const TStudent& after) {
    ItemMatch match;
    for (int c = 0; c < kCategoryCount; ++c) {
        const TGradeList& was = before.scores[c];
        const TGradeList& now = after.scores[c];
        if (was.size() == now.size()) {
            for (std::size_t i = 0; i < now.size(); ++i) {
                match.pairs[c].emplace_back(static_cast<int>(i), i);
                if (!(was[i].title == now[i].title))
                    match.renamed.push_back(was[i].title.Str() + " to " + now[i].title.Str());
            }
            continue;
        }
        std::multimap<std::string, std::size_t> old;
        for (std::size_t i = 0; i < was.size(); ++i) old.emplace(was[i].title.Str(), i);
        for (std::size_t i = 0; i < now.size(); ++i) {
            const auto it = old.find(now[i].title.Str());
            if (it == old.end()) {
                match.added.push_back(now[i].title.Str());
                continue;
            }
            match.pairs[c].emplace_back(static_cast<int>(it->second), i);
            old.erase(it);
        }
        std::vector<std::size_t> left;
        for (const auto& [title, i] : old) left.push_back(i);
        std::sort(left.begin(), left.end());
        for (std::size_t i : left) match.deleted.push_back(was[i].title.Str());
    }
    return match;
}

struct GradeChange {
    int category = 0;
    std::size_t item = 0;  // in the later version
    const TStudent* student = nullptr;
    float was = 0, now = 0;
};

void ChangedGrades(const ItemMatch& match, const TStudent& was, const TStudent& now, std::vector<GradeChange>& changes) {
    for (int c = 0; c < kCategoryCount; ++c)
        for (const auto& [from, to] : match.pairs[c]) {
            const float a = was.scores[c][static_cast<std::size_t>(from)].value;
            const float b = now.scores[c][to].value;
            if (std::memcmp(&a, &b, sizeof a) != 0) changes.push_back({c, to, &now, a, b});
        }
}

// "Quiz 1: Chen 15.00 -> 16.00" for one grade, "grades changed: 12 in Quiz 1"
// for several in one grade item, "grades changed: 3" across items.
std::string GradeChangeText(const std::vector<GradeChange>& changes, const TStudent& titles, const SummaryStyle& style) {
    const GradeChange& first = changes.front();
    const std::string title = Text(style, titles.scores[first.category][first.item].title.Str());
    if (changes.size() == 1) {
        const auto grade = [&](float value) {
            if (style.grade) return style.grade(value);
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
            return std::string(text);
        };
        return title + ": " + Text(style, first.student->lastName.Str()) + " " + grade(first.was) +
               (style.utf8 ? " \u2192 " : " -> ") + grade(first.now);
    }
    const bool oneItem = std::all_of(changes.begin(), changes.end(), [&](const GradeChange& change) {
        return change.category == first.category && change.item == first.item;
    });
    return "grades changed: " + std::to_string(changes.size()) + (oneItem ? " in " + title : std::string());
}

}  // namespace

std::string VersionChangeSummary(const ClassRecord& before, const ClassRecord& after, const SummaryStyle& style) {
    if (before.roster.empty() || after.roster.empty()) return "class information changed";
    std::vector<std::string> parts;
    ItemMatch items = MatchItems(before.roster.front(), after.roster.front());
    for (auto* names : {&items.added, &items.deleted, &items.renamed})
        for (std::string& name : *names) name = Text(style, name);
    Counted(parts, "added", items.added, "grades");
    Counted(parts, "deleted", items.deleted, "grades");
    Counted(parts, "renamed", items.renamed, "grades");

    std::map<StudentKey, const TStudent*> oldStudents;
    for (std::size_t r = 1; r < before.roster.size(); ++r) oldStudents.emplace(KeyOf(before.roster[r]), &before.roster[r]);
    std::set<StudentKey> newKeys;
    std::vector<const TStudent*> joined, dropped;
    std::vector<GradeChange> changes;
    ChangedGrades(items, before.roster.front(), after.roster.front(), changes);
    for (std::size_t r = 1; r < after.roster.size(); ++r) {
        const TStudent& student = after.roster[r];
        newKeys.insert(KeyOf(student));
        const auto it = oldStudents.find(KeyOf(student));
        if (it == oldStudents.end()) joined.push_back(&student);
        else ChangedGrades(items, *it->second, student, changes);
    }
    for (std::size_t r = 1; r < before.roster.size(); ++r)
        if (!newKeys.count(KeyOf(before.roster[r]))) dropped.push_back(&before.roster[r]);
    if (joined.size() == 1 && dropped.size() == 1 && before.roster.size() == after.roster.size()) {
        // One student's name or ID changed (Edit Student).
        parts.push_back("edited " + Text(style, StudentName(*joined.front())));
        ChangedGrades(items, *dropped.front(), *joined.front(), changes);
    } else {
        // A student who joined by last name and first name, as the roster lists him.
        std::vector<std::string> names;
        for (const TStudent* s : joined) names.push_back(Text(style, s->lastName.Str() + " " + s->firstName.Str()));
        Counted(parts, "added", names, "students");
        names.clear();
        for (const TStudent* s : dropped) names.push_back(Text(style, StudentName(*s)));
        Counted(parts, "dropped", names, "students");
    }
    if (!changes.empty()) parts.push_back(GradeChangeText(changes, after.roster.front(), style));
    if (joined.empty() && dropped.empty()) {
        bool reordered = false;
        for (std::size_t r = 1; r < after.roster.size() && !reordered; ++r)
            reordered = KeyOf(before.roster[r]) != KeyOf(after.roster[r]);
        if (reordered) parts.push_back("students reordered");
    }
    if (!(before.info.course == after.info.course) || !(before.info.instructor == after.info.instructor) ||
        !(before.info.period == after.info.period))
        parts.push_back("class information changed");
    const GradingSystem& a = before.grading;
    const GradingSystem& b = after.grading;
    if (a.pointsFlag != b.pointsFlag || a.weightedFlag != b.weightedFlag || a.plusMinusFlag != b.plusMinusFlag ||
        a.limits != b.limits || a.plusLimits != b.plusLimits || a.weights != b.weights)
        parts.push_back("grading system changed");
    if (before.display != after.display) parts.push_back("display options changed");
    if (!(before.extra1Name == after.extra1Name) || !(before.extra2Name == after.extra2Name))
        parts.push_back("Extra names changed");
    if (parts.empty()) return "no change shown";
    std::string text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) text += ", " + parts[i];
    return text;
}

std::vector<std::string> VersionSummaries(const std::vector<StoredVersion>& versions, const SummaryStyle& style) {
    // Read newest first, each rebuilt from the one read before it.
    std::vector<std::optional<ClassRecord>> records(versions.size());
    std::vector<std::string> summaries(versions.size());
    if (versions.empty()) return summaries;
    VersionReader reader(VersionsIn(fs::path(versions.front().path).parent_path()));
    std::optional<ClassRecord> later;
    for (std::size_t i = versions.size(); i-- > 0;) {
        std::optional<ClassRecord> record;
        try {
            if (const auto bytes = reader.Read(versions[i].path, nullptr)) record = ParseClassFile(*bytes);
        } catch (const ClassFileError&) {
        }
        if (i + 1 < versions.size()) {
            if (!later) summaries[i + 1] = "cannot be read";
            else if (!record) summaries[i + 1] = "class as saved";
            else summaries[i + 1] = VersionChangeSummary(*record, *later, style);
        }
        later = std::move(record);
    }
    summaries[0] = later ? "oldest version kept" : "cannot be read";
    return summaries;
}

void SetVersionProblemListener(VersionProblemListener newListener) { listener = std::move(newListener); }

void ReportVersionProblem(const FileProblem& problem) {
    if (problem.Empty() || problemTold) return;
    problemTold = true;
    if (listener) listener(problem);
    else std::cerr << "quorle: " << kVersionsNotKept << "\n" << problem.Text() << "\n";
}

void ResetVersionProblemReport() { problemTold = false; }

ScopedVersionFault::ScopedVersionFault(int error) { versionFault = error; }
ScopedVersionFault::~ScopedVersionFault() { versionFault.reset(); }

}  // namespace quorle
