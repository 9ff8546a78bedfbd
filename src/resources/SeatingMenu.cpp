#include "resources/SeatingMenu.h"

namespace quorle::resources {

using platform::MenuItem;

platform::Menu SeatingChartMenu() {
    return {MenuItem::Popup(
        "&Options", {MenuItem::Command(cmd::kSwitchSeats, "&Switch Seats", "Switches the occupants of two seats"),
                     MenuItem::Command(cmd::kDeleteChart, "&Delete Chart", "Deletes the seating chart file from disk"),
                     MenuItem::Command(cmd::kPrintChart, "&Print Chart", "Prints the seating chart"),
                     MenuItem::Separator(),
                     MenuItem::Command(cmd::kCloseChart, "&Close Chart", "Closes the seating chart")})};
}

}  // namespace quorle::resources
