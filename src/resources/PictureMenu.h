#pragma once
// The class picture window's own menu, with the status-bar texts of its
// commands and its keys.
#include <vector>

#include "platform/Menu.h"

namespace quorle::resources {

namespace cmd {
inline constexpr int kPicturePrint = 24511;
inline constexpr int kPictureClose = 24512;
}  // namespace cmd

// "&File": Print, a separator, Close.
platform::Menu ClassPictureMenu();
// Ctrl+P prints the picture.
std::vector<platform::Accelerator> ClassPictureAccelerators();

}  // namespace quorle::resources
