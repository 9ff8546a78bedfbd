#include "app/WindowList.h"

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

}  // namespace quorle
