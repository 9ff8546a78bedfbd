#pragma once
// The lists the frame's menus carry beside their fixed items: the class
// windows of the Window menu and the recent classes of the File menu.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Menu.h"

namespace quorle {

// A numbered item of a menu list: "&3 " + text, with every "&" of the text
// doubled so that it shows instead of making an access key.
std::string NumberedLabel(int number, std::string_view text);

// The Window menu's list: a separator, then one command per class window
// (command kWindowClass + index), "&1 " + its caption for the first nine, the
// active one (an index, -1 for none) checked. Nothing without windows.
std::vector<platform::MenuItem> WindowListItems(const std::vector<std::string>& captions, int active);

}  // namespace quorle
