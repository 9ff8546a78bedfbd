#include "record/VersionStore.h"

#include <fcntl.h>
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

#include "record/ClassFile.h"

namespace quorle {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace {

constexpr const char* kPathNote = "path.txt";
constexpr std::size_t kTimeTextSize = 24;  // "2026-12-07T18-40-12.345Z"
constexpr std::size_t kHashTextSize = 16;

std::optional<int> versionFault;
VersionProblemListener listener;
bool problemTold = false;

// A quick 64-bit hash, eight bytes at a time: it only has to tell versions
// apart, and a match is confirmed byte for byte.
std::uint64_t Hash(std::span<const unsigned char> bytes) {
    std::uint64_t h = 0x243F6A8885A308D3ull ^ bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        h = (h ^ word) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    for (; i < bytes.size(); ++i) {
        h = (h ^ bytes[i]) * 0x100000001B3ull;
    }
    h ^= h >> 32;
    return h * 0xD6E8FEB86659FD93ull;
}

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

// The hash part of a version's file name.
std::string HashOfName(const std::string& name) { return name.substr(kTimeTextSize + 1, kHashTextSize); }

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

// Writes a version's file: a temporary file renamed into place, so that a
// version that is there is whole. A version is a copy of what is still on disk
// until the save, so it is not flushed (a save should not pay for two flushes).
FileProblem WriteVersionFile(const fs::path& target, std::span<const unsigned char> bytes) {
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return ProblemOf(errno, target.parent_path().string());
    int failure = 0;
    std::size_t done = 0;
    while (failure == 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) failure = n < 0 ? errno : ENOSPC;
        else done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(pattern.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(pattern.c_str());
        return ProblemOf(failure, target.parent_path().string());
    }
    return {};
}

FileProblem KeepVersion(const std::string& classPath, const VersionLimits& limits) {
    struct stat st {};
    if (::stat(classPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    const std::string root = VersionsRoot();
    if (root.empty()) return FileProblem{"Neither XDG_DATA_HOME nor HOME names a folder to keep them in", ""};
    const fs::path folder = VersionFolder(classPath);
    if (versionFault) return ProblemOf(*versionFault, folder.string());

    const auto bytes = ReadWholeFile(classPath);
    if (!bytes) return {};  // the save itself says what is wrong with the file

    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return ProblemOf(ec.value(), folder.string());
    if (!fs::is_directory(folder, ec)) return ProblemOf(ENOTDIR, folder.string());
    const fs::path note = folder / kPathNote;
    if (!fs::exists(note, ec)) {
        const std::string text = ShownPath(classPath) + "\n";
        FileProblem problem =
            WriteVersionFile(note, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
        if (!problem.Empty()) return problem;
    }

    const std::string hash = Hex(Hash(*bytes), static_cast<int>(kHashTextSize));
    const auto versions = VersionsIn(folder);
    // The version is dated by the save that wrote these bytes, and always
    // after the versions already kept, so the list keeps the order of saves
    // even when two saves fall in the same millisecond.
    VersionTime time = ModificationTime(st);
    if (!versions.empty() && time <= versions.back().time) time = versions.back().time + milliseconds(1);
    const fs::path target = folder / (VersionTimeText(time) + "-" + hash + ".gdr");

    for (const StoredVersion& version : versions) {
        if (HashOfName(fs::path(version.path).filename().string()) != hash) continue;
        const auto kept = ReadWholeFile(version.path);
        if (!kept || *kept != *bytes) continue;
        // Kept once: an identical version becomes the newest.
        if (&version != &versions.back() && ::rename(version.path.c_str(), target.c_str()) != 0)
            return ProblemOf(errno, folder.string());
        return {};
    }
    // The class file is about to be replaced by a rename, never written in
    // place: a second name for it keeps its bytes at no cost. Where that
    // cannot be (another disk), the bytes are copied.
    if (::linkat(AT_FDCWD, classPath.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        FileProblem problem = WriteVersionFile(target, *bytes);
        if (!problem.Empty()) return problem;
    }
    ApplyVersionLimits(folder.string(), limits, Now());
    return {};
}

}  // namespace

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
    const std::uint64_t hash =
        Hash(std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
    return (fs::path(VersionsRoot()) / (full.filename().string() + "-" + Hex(hash, 8))).string();
}

std::vector<StoredVersion> ListVersions(const std::string& classPath) {
    if (VersionsRoot().empty()) return {};
    return VersionsIn(VersionFolder(classPath));
}

FileProblem KeepEarlierVersion(const std::string& classPath, const VersionLimits& limits) {
    try {
        return KeepVersion(classPath, limits);
    } catch (const std::exception& error) {
        return FileProblem{error.what(), VersionFolder(classPath)};
    }
}

void ApplyVersionLimits(const std::string& classFolder, const VersionLimits& limits, VersionTime now) {
    std::error_code ec;
    const auto versions = VersionsIn(classFolder);
    if (versions.size() > limits.keepCount) {
        const std::size_t beyond = versions.size() - limits.keepCount;
        for (std::size_t i = 0; i < beyond; ++i)
            if (now - versions[i].time >= limits.keepAge) fs::remove(versions[i].path, ec);
    }
    // All classes together: the oldest go first.
    const fs::path root = fs::path(classFolder).parent_path();
    std::vector<StoredVersion> all;
    std::uintmax_t total = 0;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code folderError;
        if (!it->is_directory(folderError)) continue;
        for (StoredVersion& version : VersionsIn(it->path())) {
            total += version.size;
            all.push_back(std::move(version));
        }
    }
    if (total <= limits.maxTotalBytes) return;
    std::sort(all.begin(), all.end(),
              [](const StoredVersion& a, const StoredVersion& b) { return a.time < b.time; });
    for (const StoredVersion& version : all) {
        if (total <= limits.maxTotalBytes) break;
        std::error_code removeError;
        if (fs::remove(version.path, removeError)) total -= version.size;
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

int ChangedGrades(const ItemMatch& match, const TStudent& was, const TStudent& now) {
    int changed = 0;
    for (int c = 0; c < kCategoryCount; ++c)
        for (const auto& [from, to] : match.pairs[c]) {
            const float a = was.scores[c][static_cast<std::size_t>(from)].value;
            const float b = now.scores[c][to].value;
            if (std::memcmp(&a, &b, sizeof a) != 0) ++changed;
        }
    return changed;
}

}  // namespace

std::string VersionChangeSummary(const ClassRecord& before, const ClassRecord& after) {
    if (before.roster.empty() || after.roster.empty()) return "class information changed";
    std::vector<std::string> parts;
    const ItemMatch items = MatchItems(before.roster.front(), after.roster.front());
    Counted(parts, "added", items.added, "grades");
    Counted(parts, "deleted", items.deleted, "grades");
    Counted(parts, "renamed", items.renamed, "grades");

    std::map<StudentKey, const TStudent*> oldStudents;
    for (std::size_t r = 1; r < before.roster.size(); ++r) oldStudents.emplace(KeyOf(before.roster[r]), &before.roster[r]);
    std::set<StudentKey> newKeys;
    std::vector<const TStudent*> joined, dropped;
    int gradesChanged = ChangedGrades(items, before.roster.front(), after.roster.front());
    for (std::size_t r = 1; r < after.roster.size(); ++r) {
        const TStudent& student = after.roster[r];
        newKeys.insert(KeyOf(student));
        const auto it = oldStudents.find(KeyOf(student));
        if (it == oldStudents.end()) joined.push_back(&student);
        else gradesChanged += ChangedGrades(items, *it->second, student);
    }
    for (std::size_t r = 1; r < before.roster.size(); ++r)
        if (!newKeys.count(KeyOf(before.roster[r]))) dropped.push_back(&before.roster[r]);
    if (joined.size() == 1 && dropped.size() == 1 && before.roster.size() == after.roster.size()) {
        // One student's name or ID changed (Edit Student).
        parts.push_back("edited " + StudentName(*joined.front()));
        gradesChanged += ChangedGrades(items, *dropped.front(), *joined.front());
    } else {
        std::vector<std::string> names;
        for (const TStudent* s : joined) names.push_back(StudentName(*s));
        Counted(parts, "added", names, "students");
        names.clear();
        for (const TStudent* s : dropped) names.push_back(StudentName(*s));
        Counted(parts, "dropped", names, "students");
    }
    if (gradesChanged > 0) parts.push_back("grades changed: " + std::to_string(gradesChanged));
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

std::vector<std::string> VersionSummaries(const std::vector<StoredVersion>& versions) {
    std::vector<std::string> summaries;
    std::optional<ClassRecord> previous;
    for (const StoredVersion& version : versions) {
        std::optional<ClassRecord> record;
        if (const auto bytes = ReadWholeFile(version.path)) {
            try {
                record = ParseClassFile(*bytes);
            } catch (const ClassFileError&) {
            }
        }
        if (!record) summaries.emplace_back("cannot be read");
        else if (summaries.empty()) summaries.emplace_back("oldest version kept");
        else if (!previous) summaries.emplace_back("class as saved");
        else summaries.push_back(VersionChangeSummary(*previous, *record));
        previous = std::move(record);
    }
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
