#include "app/RecentClasses.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/WindowList.h"
#include "platform/Text1252.h"
#include "record/FileNames.h"
#include "resources/Menus.h"

namespace quorle {

namespace {
std::string FullPath(const std::string& path) {
    std::error_code error;
    const auto full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}
}  // namespace

void AddRecentClass(std::vector<std::string>& recent, const std::string& path) {
    if (path.empty()) return;
    const std::string full = FullPath(path);
    RemoveRecentClass(recent, full);
    recent.insert(recent.begin(), full);
    if (recent.size() > static_cast<std::size_t>(resources::kRecentClassCount))
        recent.resize(static_cast<std::size_t>(resources::kRecentClassCount));
}

bool RemoveRecentClass(std::vector<std::string>& recent, const std::string& path) {
    const auto gone = std::remove_if(recent.begin(), recent.end(), [&path](const std::string& listed) {
        return listed == path || SameFile(listed, path);
    });
    const bool removed = gone != recent.end();
    recent.erase(gone, recent.end());
    return removed;
}

std::vector<platform::MenuItem> RecentClassItems(const std::vector<std::string>& recent) {
    std::vector<platform::MenuItem> items;
    if (recent.empty()) return items;
    items.push_back(platform::MenuItem::Separator());
    for (int i = 0; i < static_cast<int>(recent.size()) && i < resources::kRecentClassCount; ++i) {
        const std::string& path = recent[static_cast<std::size_t>(i)];
        const std::string name = std::filesystem::path(path).filename().string();
        items.push_back(platform::MenuItem::Command(resources::cmd::kRecentClass + i,
                                                    NumberedLabel(i + 1, platform::Utf8ToCp1252Lossy(name)),
                                                    platform::Utf8ToCp1252Lossy(path)));
    }
    return items;
}

}  // namespace quorle
