// The teacher's settings file (quorle.conf) on arbitrary bytes: it keeps at
// most eight recent classes and 32 class window sizes, each of a full path,
// and what it read writes out and reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/UserSettings.h"

using namespace quorle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const UserSettings read = ParseUserSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.recentClasses.size() > 8) __builtin_trap();
    for (const auto& path : read.recentClasses)
        if (path.empty() || path.front() != '/') __builtin_trap();
    if (read.frame && (read.frame->width <= 0 || read.frame->height <= 0)) __builtin_trap();
    // At most 32 class window sizes, each of a full path and a size a window can have.
    if (read.classWindows.size() > 32) __builtin_trap();
    for (const auto& w : read.classWindows)
        if (w.path.empty() || w.path.front() != '/' || w.width <= 0 || w.height <= 0) __builtin_trap();
    UserSettings kept = read;
    // A path with a line break cannot be kept in a file of lines: the writer leaves it out.
    std::erase_if(kept.recentClasses, [](const std::string& p) { return p.find_first_of("\r\n") != std::string::npos; });
    std::erase_if(kept.classWindows,
                  [](const ClassWindowSize& w) { return w.path.find_first_of("\r\n") != std::string::npos; });
    if (ParseUserSettings(SerializeUserSettings(read)) != kept) __builtin_trap();
    return 0;
}
