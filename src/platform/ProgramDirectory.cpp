#include "platform/ProgramDirectory.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quorle::platform {

namespace fs = std::filesystem;

std::string ExecutableDirectory() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

namespace {

// A file every set of shipped settings holds.
constexpr const char* kShippedMarker = "QUORLE.SYS";

bool Holds(const fs::path& folder, const char* name) {
    std::error_code error;
    return fs::is_regular_file(folder / name, error);
}

bool Writable(const fs::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

// Copies each shipped file the folder lacks; folders (the help pages) stay
// where they were shipped. Failures leave the file missing, as a deleted
// settings file would be, with the usual warning when it is needed.
void SeedFrom(const fs::path& shipped, const fs::path& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(shipped, error)) {
        std::error_code entryError;
        if (!entry.is_regular_file(entryError)) continue;
        const fs::path target = folder / entry.path().filename();
        if (fs::exists(target, entryError)) continue;
        fs::copy_file(entry.path(), target, fs::copy_options::skip_existing, entryError);
    }
}

// The teacher's own folder, given the shipped files it lacks; the shipped
// folder itself (read-only) when no own folder can be made.
std::string UserSettingsFrom(const fs::path& shipped) {
    const fs::path user = UserSettingsDirectory();
    if (user.empty()) return shipped.string();
    std::error_code error;
    fs::create_directories(user, error);
    if (!fs::is_directory(user, error) || !Writable(user)) return shipped.string();
    if (shipped != user) SeedFrom(shipped, user);
    return user.string();
}

}  // namespace

std::string ShippedDirectory() {
    const fs::path exe(ExecutableDirectory());
    if (Holds(exe, kShippedMarker)) return exe.string();
    const fs::path installed = exe.parent_path() / "share" / "quorle";
    if (Holds(installed, kShippedMarker)) return installed.string();
    return exe.string();
}

std::string UserSettingsDirectory() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        return (fs::path(config) / "quorle").string();
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/')
        return (fs::path(home) / ".config" / "quorle").string();
    return {};
}

std::string FindProgramDirectory() {
    if (const char* dir = std::getenv("QUORLE_DIR"); dir != nullptr && *dir != '\0') return dir;
    const fs::path exe(ExecutableDirectory());
    if (Holds(exe, kShippedMarker) && Writable(exe)) return exe.string();
    const fs::path shipped = ShippedDirectory();
    // A program without shipped settings anywhere keeps its own folder.
    if (!Holds(shipped, kShippedMarker)) return exe.string();
    // Made once a run: the copy of the shipped files is needed only once.
    static const std::string settings = UserSettingsFrom(shipped);
    return settings;
}

}  // namespace quorle::platform
