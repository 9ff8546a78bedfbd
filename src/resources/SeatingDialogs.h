#pragma once
// The dialogs of the seating chart: Choose Seat Arrangement, the two Seat
// Number prompts (the modeless one of a new chart and the modal one of a
// transfer) and Switch Seats.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kSeatsInfoDialogId = 501;
inline constexpr int kSeatNumberDialogId = 502;
inline constexpr int kSeatAddDialogId = 503;
inline constexpr int kChangeSeatsDialogId = 504;

// Choose Seat Arrangement: box 101 + k stands for column k / 10, place k mod
// 10; the column of 101 to 110 is at the left, the lowest id of a column at
// the top beside "Back", "Front" under the grid.
inline constexpr int kIdFirstSeatBox = 101;
inline constexpr int kIdLastSeatBox = 170;
inline constexpr int kIdBackLabel = 180;
inline constexpr int kIdFrontLabel = 181;

// Seat Number (both): the question and the seat entry (2 characters).
inline constexpr int kIdSeatQuestion = 101;
inline constexpr int kIdSeatEntry = 102;

// Switch Seats: the two seat numbers (2 characters each).
inline constexpr int kIdSwitchFrom = 101;
inline constexpr int kIdSwitchTo = 102;

platform::DialogResource SeatsInfoDialogResource();
platform::DialogResource SeatNumberDialogResource();
platform::DialogResource SeatAddDialogResource();
platform::DialogResource ChangeSeatsDialogResource();

}  // namespace quorle::resources
