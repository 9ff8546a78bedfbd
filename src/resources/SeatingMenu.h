#pragma once
// Menu 1: the seating chart window's own menu, with the status-bar texts of
// its commands.
#include "platform/Menu.h"

namespace quorle::resources {

inline constexpr int kSeatingChartMenu = 1;

namespace cmd {
inline constexpr int kCloseChart = 410;
inline constexpr int kSwitchSeats = 411;
inline constexpr int kDeleteChart = 412;
inline constexpr int kPrintChart = 413;
}  // namespace cmd

// "&Options": Switch Seats, Delete Chart, Print Chart, a separator, Close Chart.
platform::Menu SeatingChartMenu();

}  // namespace quorle::resources
