#include "app/WindowList.h"

#include <algorithm>

#include "resources/Menus.h"

namespace quorle {

std::string NumberedLabel(int number, std::string_view text) {
    std::string label = "&" + std::to_string(number) + " ";
    for (const char c : text) {
        if (c == '&') label += '&';
        label += c;
    }
    return label;
}

std::vector<platform::MenuItem> WindowListItems(const std::vector<std::string>& captions, int active) {
    std::vector<platform::MenuItem> items;
    if (captions.empty()) return items;
    items.push_back(platform::MenuItem::Separator());
    for (int i = 0; i < static_cast<int>(captions.size()) && i < resources::kWindowListCount; ++i) {
        auto item = platform::MenuItem::Command(resources::cmd::kWindowClass + i,
                                                NumberedLabel(i + 1, captions[static_cast<std::size_t>(i)]),
                                                "Activates this class window");
        item.checked = i == active;
        items.push_back(std::move(item));
    }
    return items;
}

platform::Rect ClassWindowPlacement(platform::Size area, const platform::Rect& usual, bool only,
                                    std::optional<platform::Size> kept) {
    const bool hasArea = area.cx > 0 && area.cy > 0;
    platform::Rect rect = only && hasArea ? platform::Rect{0, 0, area.cx, area.cy} : usual;
    if (!kept || kept->cx <= 0 || kept->cy <= 0) return rect;
    platform::Size size = *kept;
    int left = rect.left;
    int top = rect.top;
    if (hasArea) {
        size.cx = std::min(size.cx, area.cx);
        size.cy = std::min(size.cy, area.cy);
        left = std::clamp(left, 0, area.cx - size.cx);
        top = std::clamp(top, 0, area.cy - size.cy);
    }
    return platform::Rect{left, top, left + size.cx, top + size.cy};
}

}  // namespace quorle
