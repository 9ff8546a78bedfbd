#pragma once
// Earlier versions of class files. Every write of a class file first keeps
// the bytes it replaces in the teacher's data folder:
//
//   $XDG_DATA_HOME/quorle/versions/       (or ~/.local/share/quorle/versions)
//     biology.gdr-1a2b3c4d/               the file's name and a hash of its full path
//       path.txt                          the class file's full path
//       2026-12-07T18-40-12.345Z-<checksum>.gdr   one version, named by the time it was saved
//                                         (UTC) and the VersionChecksum of its bytes
//
// The newest version is a whole class file; each older one is kept as its
// changes against a newer one (VersionDelta), so a typed grade costs a few
// dozen bytes, not the class. Every version read back is checked against its
// checksum. The store is the teacher's alone: folders 0700, files 0600, never
// a second name of a class file. Identical versions are kept once. A class keeps its last 100 versions and
// every version younger than 30 days, whichever is more; all classes together
// never hold more than 200 MB (the oldest go first). A folder that cannot take
// a version never stops a save: the problem is told once per run.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/ClassRecord.h"

namespace quorle {

using VersionTime = std::chrono::sys_time<std::chrono::milliseconds>;

struct VersionLimits {
    std::size_t keepCount = 100;
    std::chrono::milliseconds keepAge = std::chrono::hours(24 * 30);
    std::uintmax_t maxTotalBytes = std::uintmax_t{200} << 20;
};

// The folder all versions live in: $XDG_DATA_HOME/quorle/versions, or
// $HOME/.local/share/quorle/versions when XDG_DATA_HOME is not set (or not an
// absolute path). Empty when neither can be found.
std::string VersionsRoot();

// The folder of one class file's versions (its path made absolute).
std::string VersionFolder(const std::string& classPath);

struct StoredVersion {
    std::string path;  // the version's file
    VersionTime time;  // when these bytes were saved
    std::uintmax_t size = 0;
};

// The versions of a class file, oldest first.
std::vector<StoredVersion> ListVersions(const std::string& classPath);

// The bytes of a version as they were saved, checked against its checksum;
// nothing, problem saying why, when it cannot be read back whole.
std::optional<std::vector<unsigned char>> ReadVersion(const StoredVersion& version, FileProblem* problem = nullptr);

// The version a write of a class file keeps of the bytes it replaces. Made
// before the write (a whole copy of the class as the newest version); when the
// write went through, Written makes the version before it a delta and lets old
// versions go as the limits say; when it failed, Withdraw removes the version
// made for it, so a failed save adds none. Nothing is kept for a file that is
// not there or cannot be read; the class file itself is never touched.
class VersionBeforeWrite {
public:
    VersionBeforeWrite() = default;
    explicit VersionBeforeWrite(const std::string& classPath, const VersionLimits& limits = {});
    VersionBeforeWrite(VersionBeforeWrite&& other) noexcept;
    VersionBeforeWrite& operator=(VersionBeforeWrite&& other) noexcept;
    VersionBeforeWrite(const VersionBeforeWrite&) = delete;
    VersionBeforeWrite& operator=(const VersionBeforeWrite&) = delete;
    ~VersionBeforeWrite();  // neither said: withdrawn

    void Written();
    void Withdraw();
    // Why the version could not be kept; empty when it was (or nothing was there).
    const FileProblem& Problem() const { return problem_; }

private:
    VersionLimits limits_;
    std::string folder_;    // the class's folder in the store; empty when nothing is to follow
    std::string made_;      // the version made for this write
    std::string replaced_;  // the same bytes kept before, to go once the write is done
    FileProblem problem_;
};


// Lets versions go from the folder of one class and then from all of them, as
// the limits say, oldest first; a version that another is kept against is
// first made the base of no other. Class folders left empty (by a write cut
// short) go too. now is the time ages are counted from.
void ApplyVersionLimits(const std::string& classFolder, const VersionLimits& limits, VersionTime now);

// The time as a version's file name carries it ("2026-12-07T18-40-12.345Z"),
// and back; nothing for a name that is not a version's.
std::string VersionTimeText(VersionTime time);
std::optional<VersionTime> VersionTimeOfName(const std::string& fileName);

// The local date and time as lists show it: "2026-12-07 19:40:12".
std::string LocalTimeText(VersionTime time);

// How summaries are written: a grade as the grades pane shows it, without its
// padding ("15.00", "N/A"); and for the terminal (UTF-8, names converted,
// "→" between an old and a new value) or for the window (Windows-1252 as the
// class holds its names, "->" between them).
struct SummaryStyle {
    std::function<std::string(float value)> grade;
    bool utf8 = false;
};

// What changed from one version of a class to the next, in a few words:
// "added Quiz 5", "deleted HW 2", "renamed HW 2 to Essay 2", "added 3
// grades", "added Lee Ann" (last name, first name), "dropped Marcus Brooks",
// "edited Marcus Brooks", one grade "Quiz 1: Chen 15.00 -> 16.00", several in
// one grade item "grades changed: 12 in Quiz 1", in several items "grades
// changed: 3", "students reordered", "class information changed", "grading
// system changed", "display options changed", "Extra names changed", several
// joined with ", "; "no change shown" when the two show the same.
std::string VersionChangeSummary(const ClassRecord& before, const ClassRecord& after, const SummaryStyle& style);

// The summaries of a class's versions, oldest first as ListVersions gives
// them: what each changed from the one before it ("oldest version kept" for
// the first, "cannot be read" for a version that cannot be read back whole or
// is not a class file).
std::vector<std::string> VersionSummaries(const std::vector<StoredVersion>& versions, const SummaryStyle& style);

// The message the teacher is given when versions cannot be kept (its second
// line names the folder and why).
inline constexpr const char* kVersionsNotKept =
    "Earlier versions of classes cannot be kept. Your classes are still saved as usual.";

// Who is told that versions cannot be kept: the window shows a message box,
// the command line writes to its error stream. Without a listener the text
// goes to standard error. Told once per run of the program.
using VersionProblemListener = std::function<void(const FileProblem& problem)>;
void SetVersionProblemListener(VersionProblemListener listener);
// Tells the listener, unless it was told before in this run.
void ReportVersionProblem(const FileProblem& problem);
// For tests: as if the program had just started.
void ResetVersionProblemReport();

// A full or failing versions folder, for tests: while one lives, keeping a
// version fails with the errno value given.
class ScopedVersionFault {
public:
    explicit ScopedVersionFault(int error);
    ~ScopedVersionFault();
    ScopedVersionFault(const ScopedVersionFault&) = delete;
    ScopedVersionFault& operator=(const ScopedVersionFault&) = delete;
};

}  // namespace quorle
