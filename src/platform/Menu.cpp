#include "platform/Menu.h"

#include <cctype>

namespace quorle::platform {

const MenuItem* FindCommand(const Menu& menu, int id) {
    for (const auto& item : menu) {
        if (item.kind == MenuItem::Kind::Command && item.id == id) return &item;
        if (item.kind == MenuItem::Kind::Popup)
            if (const MenuItem* found = FindCommand(item.items, id)) return found;
    }
    return nullptr;
}

namespace {
// Keys compared as a person reads them: "Alt-x" is "Alt+X".
std::string KeyForm(std::string_view text) {
    std::string out;
    for (const char c : text) out += c == '-' ? '+' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
}  // namespace

std::string MenuItemName(std::string_view label, std::string_view keys, bool* keysInLabel) {
    std::string name;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            // "&&" stands for one "&".
            if (i + 1 < label.size() && label[i + 1] == '&') name += label[++i];
            continue;
        }
        name += label[i];
    }
    const bool found = !keys.empty() && name.size() >= keys.size() &&
                       KeyForm(std::string_view(name).substr(name.size() - keys.size())) == KeyForm(keys);
    if (found) name.resize(name.size() - keys.size());
    if (keysInLabel) *keysInLabel = found;
    return name;
}

std::string CommandTip(std::string_view label, std::string_view keys) {
    std::string name = MenuItemName(label, keys);
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (!keys.empty()) {
        name += " (";
        name += keys;
        name += ')';
    }
    return name;
}

}  // namespace quorle::platform
