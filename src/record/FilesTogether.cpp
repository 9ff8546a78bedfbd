#include "record/FilesTogether.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace quorle {

namespace fs = std::filesystem;

namespace {

constexpr char kIntentMagic[8] = {'Q', 'R', 'L', 'P', 'A', 'I', 'R', '1'};
constexpr std::string_view kIntentSuffix = ".quorle-pair";

std::function<int(int)> stepHook;

int StepFault(int step) { return stepHook ? stepHook(step) : 0; }

bool Fail(FileProblem* problem, int error, const std::string& path) {
    if (problem) *problem = ProblemOf(error, path);
    return false;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// 0, or the errno value of the failure; a file already gone is no failure.
int Remove(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno; }

int WriteAndSync(int fd, std::span<const unsigned char> bytes) {
    if (!WriteAll(fd, bytes)) return errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    return error ? path : absolute.lexically_normal().string();
}

// Gives the target as it is now a second name beside it; a new target has
// none to keep. 0, or the errno value of the failure.
int KeepAsItIs(const std::string& target, std::string& backup) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    std::string name = OwnFilePattern(target, "old");
    const int placeholder = ::mkstemp(name.data());
    if (placeholder < 0) return errno;
    ::close(placeholder);
    // The file itself under a second name; a copy where the file system has no links.
    if (::unlink(name.c_str()) == 0 && ::link(target.c_str(), name.c_str()) == 0) {
        backup = name;
        return 0;
    }
    FileProblem problem;
    const auto bytes = ReadWholeFile(target, kMaxFileBytes, &problem);
    if (!bytes) return EIO;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    int error = WriteAndSync(fd, *bytes);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(name.c_str());
        return error;
    }
    backup = name;
    return 0;
}

void RemoveBackups(const WriteIntent& note) {
    for (const auto& entry : note.entries)
        if (!entry.backup.empty()) ::unlink(entry.backup.c_str());
}

// The note itself, written whole and flushed before it takes its name, and
// readable by this user alone.
int WriteNote(const std::string& notePath, const WriteIntent& note) {
    std::string temporary = OwnFilePattern(notePath, "tmp");
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return errno;
    int error = WriteAndSync(fd, SerializeWriteIntent(note));
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), notePath.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolderOf(notePath);
    return 0;
}

// Brings every target of the note to its new contents (forward) or back to
// its old ones, then clears away the kept targets. Each step can be taken
// again after a kill in the middle.
bool Apply(const WriteIntent& note, bool forward) {
    if (forward) {
        for (const auto& entry : note.entries)
            if (Exists(entry.temporary) && ::rename(entry.temporary.c_str(), entry.target.c_str()) != 0) return false;
    } else {
        // The targets already replaced are put back before the temporary
        // files go, so that a kill in between still tells them apart.
        for (const auto& entry : note.entries) {
            if (Exists(entry.temporary)) continue;
            if (entry.backup.empty() ? Remove(entry.target) != 0
                                     : ::rename(entry.backup.c_str(), entry.target.c_str()) != 0 && errno != ENOENT)
                return false;
        }
        for (const auto& entry : note.entries)
            if (Remove(entry.temporary) != 0) return false;
    }
    for (const auto& entry : note.entries) SyncFolderOf(entry.target);
    RemoveBackups(note);
    return true;
}

bool ClearNote(const std::string& notePath) {
    if (Remove(notePath) != 0) return false;
    SyncFolderOf(notePath);
    return true;
}

bool ReadString(ByteReader& in, std::string& out) {
    std::int32_t length = 0;
    const unsigned char* bytes = nullptr;
    if (!in.ReadInt32(length) || length < 0 || static_cast<std::size_t>(length) > kMaxIntentName ||
        !in.ReadBytes(static_cast<std::size_t>(length), bytes))
        return false;
    out.assign(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    return out.find('\0') == std::string::npos;
}

void WriteString(ByteWriter& out, const std::string& text) {
    out.WriteInt32(static_cast<std::int32_t>(text.size()));
    out.WriteBytes(text.data(), text.size());
}

// Whether name is, beside target, an own file of the kind and writer given.
bool IsOwnFileBeside(const std::string& name, const std::string& target, std::string_view kind, long pid) {
    const fs::path path(name);
    if (path.parent_path() != fs::path(target).parent_path()) return false;
    const auto own = ParseOwnFileName(path.filename().string());
    return own && own->kind == kind && own->pid == pid;
}

}  // namespace

std::optional<WriteIntent> ParseWriteIntent(std::span<const unsigned char> bytes) {
    ByteReader in(bytes);
    if (!in.ReadMark(kIntentMagic)) return std::nullopt;
    std::int32_t pid = 0;
    std::int32_t count = 0;
    WriteIntent note;
    if (!in.ReadInt32(pid) || pid <= 0 || !in.ReadInt32(count) || count < 1 ||
        static_cast<std::size_t>(count) > kMaxIntentEntries || !ReadString(in, note.host) || note.host.empty() ||
        note.host.size() > 255)
        return std::nullopt;
    note.pid = pid;
    for (const char c : note.host)
        if (c < ' ' || c > '~') return std::nullopt;
    for (std::int32_t i = 0; i < count; ++i) {
        WriteIntent::Entry entry;
        if (!ReadString(in, entry.target) || !ReadString(in, entry.temporary) || !ReadString(in, entry.backup))
            return std::nullopt;
        if (entry.target.size() < 2 || entry.target.front() != '/' || entry.target.back() == '/' ||
            !IsOwnFileBeside(entry.temporary, entry.target, "tmp", note.pid) ||
            (!entry.backup.empty() && !IsOwnFileBeside(entry.backup, entry.target, "old", note.pid)))
            return std::nullopt;
        note.entries.push_back(std::move(entry));
    }
    if (!in.AtEnd()) return std::nullopt;
    return note;
}

std::vector<unsigned char> SerializeWriteIntent(const WriteIntent& intent) {
    ByteWriter out;
    out.WriteBytes(kIntentMagic, sizeof kIntentMagic);
    out.WriteInt32(static_cast<std::int32_t>(intent.pid));
    out.WriteInt32(static_cast<std::int32_t>(intent.entries.size()));
    WriteString(out, intent.host);
    for (const auto& entry : intent.entries) {
        WriteString(out, entry.target);
        WriteString(out, entry.temporary);
        WriteString(out, entry.backup);
    }
    return std::move(out.Bytes());
}

std::string IntentFilePath(const std::string& path) {
    const fs::path file(path);
    std::string stem = file.stem().string();
    if (stem.size() > 200) stem.resize(200);
    return (file.parent_path() / ("." + stem + std::string(kIntentSuffix))).string();
}

bool IsIntentFileName(std::string_view name) {
    return name.size() > kIntentSuffix.size() + 1 && name.front() == '.' && name.ends_with(kIntentSuffix);
}

std::optional<WriteIntent> ReadIntentFile(const std::string& notePath) {
    const int fd = ::open(notePath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::vector<unsigned char> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 022) == 0 &&
        st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) <= kMaxIntentBytes) {
        bytes.resize(static_cast<std::size_t>(st.st_size));
        const ssize_t n = ::pread(fd, bytes.data(), bytes.size(), 0);
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    ::close(fd);
    return ParseWriteIntent(bytes);
}

bool SettleIntentFile(const std::string& notePath) {
    const auto note = ReadIntentFile(notePath);
    if (!note) {
        struct stat st {};
        if (::lstat(notePath.c_str(), &st) != 0 || st.st_uid != ::geteuid()) return true;
        return Remove(notePath) == 0;
    }
    const bool gone = note->host == ThisHostName() && (note->pid == ::getpid() || ProcessGone(note->pid));
    if (!gone) return false;
    bool all = true;
    bool none = true;
    for (const auto& entry : note->entries) (Exists(entry.temporary) ? none : all) = false;
    return Apply(*note, all || none) && ClearNote(notePath);
}

bool SettleInterruptedWrite(const std::string& path, FileProblem* problem) {
    if (path.empty()) return true;
    const std::string notePath = IntentFilePath(path);
    if (!Exists(notePath) || SettleIntentFile(notePath)) return true;
    if (problem) *problem = FileProblem{"Another program has not finished writing this file", notePath};
    return false;
}

bool WriteFilesTogether(std::span<const FileToWrite> files, FileProblem* problem) {
    if (problem) *problem = FileProblem{};
    if (files.empty()) return true;
    for (const FileToWrite& file : files)
        if (!SettleInterruptedWrite(file.path, problem)) return false;
    std::vector<PendingFile> pending(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!pending[i].Prepare(files[i].path, files[i].bytes, problem)) return false;
    if (files.size() == 1) return pending[0].Commit(problem);

    WriteIntent note{static_cast<long>(::getpid()), ThisHostName(), {}};
    int step = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        WriteIntent::Entry entry{Absolute(pending[i].Target()), Absolute(pending[i].Temporary()), {}};
        int error = StepFault(step++);
        if (error == 0) error = KeepAsItIs(entry.target, entry.backup);
        if (!entry.backup.empty()) entry.backup = Absolute(entry.backup);
        note.entries.push_back(std::move(entry));
        if (error != 0) {
            RemoveBackups(note);
            return Fail(problem, error, files[i].path);
        }
    }
    const std::string notePath = IntentFilePath(files.front().path);
    int error = StepFault(step++);
    if (error == 0) error = WriteNote(notePath, note);
    if (error != 0) {
        RemoveBackups(note);
        return Fail(problem, error, notePath);
    }
    // The note names the temporary files now: they are no longer the pending files' to remove.
    for (PendingFile& file : pending) file.Keep();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const WriteIntent::Entry& entry = note.entries[i];
        error = StepFault(step++);
        if (error == 0 && ::rename(entry.temporary.c_str(), entry.target.c_str()) != 0) error = errno;
        if (error != 0) {
            // Those already replaced are put back; should that fail too, the
            // note stays for the next open or write to settle.
            if (Apply(note, false)) ClearNote(notePath);
            return Fail(problem, error, files[i].path);
        }
    }
    for (const auto& entry : note.entries) SyncFolderOf(entry.target);
    // Written: what cannot be cleared away now is cleared at the next open.
    if (StepFault(step) == 0) {
        RemoveBackups(note);
        ClearNote(notePath);
    }
    return true;
}

ScopedWriteSteps::ScopedWriteSteps(std::function<int(int step)> atStep) { stepHook = std::move(atStep); }

ScopedWriteSteps::~ScopedWriteSteps() { stepHook = nullptr; }

}  // namespace quorle
