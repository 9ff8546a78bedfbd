#include "resources/PictureMenu.h"

namespace quorle::resources {

using platform::MenuItem;

platform::Menu ClassPictureMenu() {
    return {MenuItem::Popup(
        "&File", {MenuItem::Command(cmd::kPicturePrint, "&Print...", "Prints the class picture on one page"),
                  MenuItem::Separator(),
                  MenuItem::Command(cmd::kPictureClose, "&Close", "Closes the class picture")})};
}

std::vector<platform::Accelerator> ClassPictureAccelerators() { return {{"Ctrl+P", cmd::kPicturePrint}}; }

}  // namespace quorle::resources
