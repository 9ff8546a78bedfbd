#pragma once
// The teacher's own settings, kept between runs in a small file of the
// teacher's configuration folder (not in the program directory, which every
// teacher of the machine shares): the classes opened last and where the frame
// stood. A missing or damaged file gives the defaults without a message; the
// settings only save the teacher some clicks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"

namespace quorle {

// The frame's place on the screen: its size and position when not maximized,
// and whether it was maximized.
struct FramePlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;

    bool operator==(const FramePlacement&) const = default;
};

// The size a class window was left at, by its class file's full path.
struct ClassWindowSize {
    std::string path;
    int width = 0;
    int height = 0;

    bool operator==(const ClassWindowSize&) const = default;
};

struct UserSettings {
    std::vector<std::string> recentClasses;  // full paths, newest first
    std::optional<FramePlacement> frame;
    // Display > High Contrast Colours: the panes' rows in darker colours.
    bool highContrast = false;
    // The class windows' sizes, the one changed last first; at most 32.
    std::vector<ClassWindowSize> classWindows;

    bool operator==(const UserSettings&) const = default;
};

// The settings file in the teacher's settings folder (platform's
// UserSettingsDirectory); "" when there is no folder.
inline constexpr const char* kUserSettingsFile = "quorle.conf";
std::string UserSettingsPath(const std::string& folder);

// The file is text, one setting a line: "recent=PATH" (newest first, at most
// eight, each a full path), "frame=LEFT TOP WIDTH HEIGHT MAXIMIZED" and
// "contrast=high" and "window=WIDTH HEIGHT PATH" (a class window's size).
// Lines it does not know are passed over.
UserSettings ParseUserSettings(std::string_view text);
std::string SerializeUserSettings(const UserSettings& settings);

// The settings of the file; the defaults when it is missing or unreadable.
UserSettings ReadUserSettings(const std::string& path);
// Writes the file atomically, making its folder when needed; false on failure.
bool WriteUserSettings(const std::string& path, const UserSettings& settings);

// The size kept for a class's window, if any; and a size put first in the
// list (the class's older one gone, the oldest beyond the limit dropped).
std::optional<platform::Size> ClassWindowSizeOf(const UserSettings& settings, const std::string& path);
void KeepClassWindowSize(UserSettings& settings, const std::string& path, platform::Size size);

// The saved placement brought onto the screen (a screen that got smaller or
// moved): no larger than the screen and wholly on it. Nothing when the saved
// size is smaller than a frame can usefully be, or the screen has no size.
std::optional<FramePlacement> PlacementOnScreen(const FramePlacement& saved, const platform::Rect& screen);

}  // namespace quorle
