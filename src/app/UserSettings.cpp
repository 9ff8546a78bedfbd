#include "app/UserSettings.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <span>
#include <system_error>

#include "record/Binary.h"

namespace quorle {

namespace {

constexpr std::size_t kMaxSettingsBytes = 64 * 1024;
constexpr std::size_t kMaxRecent = 8;
constexpr std::size_t kMaxClassWindows = 32;
constexpr int kLeastFrameWidth = 200;
constexpr int kLeastFrameHeight = 150;
constexpr int kMostFrameSide = 100000;

// The space-separated integers of a line; false when it holds anything else.
bool ReadNumbers(std::string_view text, std::span<int> out) {
    for (int& number : out) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc() || end == text.data()) return false;
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<FramePlacement> ReadPlacement(std::string_view text) {
    int n[5] = {};
    if (!ReadNumbers(text, n)) return std::nullopt;
    if (n[2] <= 0 || n[3] <= 0 || n[2] > kMostFrameSide || n[3] > kMostFrameSide) return std::nullopt;
    if (n[0] < -kMostFrameSide || n[0] > kMostFrameSide || n[1] < -kMostFrameSide || n[1] > kMostFrameSide)
        return std::nullopt;
    if (n[4] != 0 && n[4] != 1) return std::nullopt;
    return FramePlacement{n[0], n[1], n[2], n[3], n[4] == 1};
}

// "WIDTH HEIGHT PATH": a size a window can have and a full path.
std::optional<ClassWindowSize> ReadClassWindow(std::string_view text) {
    const std::size_t first = text.find(' ');
    const std::size_t second = first == std::string_view::npos ? first : text.find(' ', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    int size[2] = {};
    if (!ReadNumbers(text.substr(0, second), size)) return std::nullopt;
    if (size[0] <= 0 || size[1] <= 0 || size[0] > kMostFrameSide || size[1] > kMostFrameSide) return std::nullopt;
    const std::string_view path = text.substr(second + 1);
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string_view::npos) return std::nullopt;
    return ClassWindowSize{std::string(path), size[0], size[1]};
}

}  // namespace

std::string UserSettingsPath(const std::string& folder) {
    return folder.empty() ? std::string() : (std::filesystem::path(folder) / kUserSettingsFile).string();
}

UserSettings ParseUserSettings(std::string_view text) {
    UserSettings settings;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "recent") {
            // Only full paths: a relative one would name another file from another folder.
            if (settings.recentClasses.size() < kMaxRecent && !value.empty() && value.front() == '/' &&
                value.find('\0') == std::string_view::npos)
                settings.recentClasses.emplace_back(value);
        } else if (key == "frame") {
            settings.frame = ReadPlacement(value);
        } else if (key == "contrast") {
            settings.highContrast = value == "high";
        } else if (key == "window") {
            if (settings.classWindows.size() < kMaxClassWindows)
                if (auto window = ReadClassWindow(value)) settings.classWindows.push_back(std::move(*window));
        }
    }
    return settings;
}

std::string SerializeUserSettings(const UserSettings& settings) {
    std::string text;
    std::size_t kept = 0;
    for (const auto& path : settings.recentClasses) {
        // A name with a line break in it cannot be kept in a file of lines.
        if (kept == kMaxRecent || path.find_first_of("\r\n") != std::string::npos) continue;
        text += "recent=" + path + "\n";
        ++kept;
    }
    if (const auto& f = settings.frame)
        text += "frame=" + std::to_string(f->left) + " " + std::to_string(f->top) + " " + std::to_string(f->width) +
                " " + std::to_string(f->height) + " " + (f->maximized ? "1" : "0") + "\n";
    if (settings.highContrast) text += "contrast=high\n";
    kept = 0;
    for (const auto& w : settings.classWindows) {
        if (kept == kMaxClassWindows || w.path.find_first_of("\r\n") != std::string::npos) continue;
        text += "window=" + std::to_string(w.width) + " " + std::to_string(w.height) + " " + w.path + "\n";
        ++kept;
    }
    return text;
}

UserSettings ReadUserSettings(const std::string& path) {
    if (path.empty()) return {};
    const auto bytes = ReadWholeFile(path, kMaxSettingsBytes);
    if (!bytes) return {};
    return ParseUserSettings(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool WriteUserSettings(const std::string& path, const UserSettings& settings) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const std::string text = SerializeUserSettings(settings);
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    return WriteFileAtomically(path, std::span<const unsigned char>(data, text.size()));
}

std::optional<platform::Size> ClassWindowSizeOf(const UserSettings& settings, const std::string& path) {
    for (const auto& w : settings.classWindows)
        if (w.path == path) return platform::Size{w.width, w.height};
    return std::nullopt;
}

void KeepClassWindowSize(UserSettings& settings, const std::string& path, platform::Size size) {
    auto& list = settings.classWindows;
    list.erase(std::remove_if(list.begin(), list.end(), [&](const ClassWindowSize& w) { return w.path == path; }),
               list.end());
    list.insert(list.begin(), ClassWindowSize{path, size.cx, size.cy});
    if (list.size() > kMaxClassWindows) list.resize(kMaxClassWindows);
}

std::optional<FramePlacement> PlacementOnScreen(const FramePlacement& saved, const platform::Rect& screen) {
    if (screen.Width() <= 0 || screen.Height() <= 0) return std::nullopt;
    if (saved.width < kLeastFrameWidth || saved.height < kLeastFrameHeight) return std::nullopt;
    FramePlacement placed = saved;
    placed.width = std::min(saved.width, screen.Width());
    placed.height = std::min(saved.height, screen.Height());
    placed.left = std::clamp(saved.left, screen.left, screen.right - placed.width);
    placed.top = std::clamp(saved.top, screen.top, screen.bottom - placed.height);
    return placed;
}

}  // namespace quorle
