#pragma once
// The lists the frame's menus carry beside their fixed items: the class
// windows of the Window menu and the recent classes of the File menu.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Menu.h"

namespace quorle {

// A numbered item of a menu list: "&3 " + text, with every "&" of the text
// doubled so that it shows instead of making an access key.
std::string NumberedLabel(int number, std::string_view text);

// The Window menu's list: a separator, then one command per class window
// (command kWindowClass + index), "&1 " + its caption for the first nine, the
// active one (an index, -1 for none) checked. Nothing without windows.
std::vector<platform::MenuItem> WindowListItems(const std::vector<std::string>& captions, int active);

// Where a class window opens in the frame's area: the only one fills the
// area, any further one takes the usual placement (the frame steps it off the
// windows already there). A size kept for the class replaces either's size,
// no larger than the area and moved in so that it stays within it.
platform::Rect ClassWindowPlacement(platform::Size area, const platform::Rect& usual, bool only,
                                    std::optional<platform::Size> kept);

}  // namespace quorle
