#pragma once
// A seating chart: the seat grid (which places of the room hold a desk) and
// the seat list (who sits in each numbered seat).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record/ClassRecord.h"
#include "record/FixedText.h"
#include "record/Random.h"

namespace quorle {

// The grid: 11 columns of 11 places, one byte per place at column * 11 + place.
// Columns run across the room from the left, places from the back (0) to the
// front. Only columns 0 to 9 and places 0 to 9 count as desks.
inline constexpr int kGridColumns = 11;
inline constexpr int kGridPlaces = 11;
inline constexpr std::size_t kGridBytes = 121;
inline constexpr int kCountedColumns = 10;
inline constexpr int kCountedPlaces = 10;
using SeatGrid = std::array<unsigned char, kGridBytes>;

// The arrangement dialog's boxes: box k is column k / 10, place k mod 10.
inline constexpr int kArrangementBoxes = 70;
inline constexpr int kMaxSeats = 50;

// Names in a seat are padded with spaces to this many characters.
inline constexpr std::size_t kSeatNameWidth = 14;

// Whether a desk stands at (column, place); false outside the counted region.
bool HasDesk(const SeatGrid& grid, int column, int place);
void SetDesk(SeatGrid& grid, int column, int place, bool desk);
// The number of desks in the counted region.
int CountSeats(const SeatGrid& grid);

// The lowest and highest column and place holding a desk; empty when none.
struct Extents {
    int lowColumn = 0;
    int highColumn = -1;
    int lowPlace = 0;
    int highPlace = -1;
    bool Empty() const { return highColumn < lowColumn; }
    friend bool operator==(const Extents&, const Extents&) = default;
};
Extents ComputeExtents(const SeatGrid& grid);

// The seat number (from 1) of the desk at (column, place): desks are numbered
// column by column from the left, back to front within a column. 0 when no desk.
int SeatNumberAt(const SeatGrid& grid, int column, int place);

// A name padded with spaces (or cut) to exactly 14 characters.
std::string PadSeatName(std::string_view name);
// A name without its trailing spaces.
std::string TrimSeatName(std::string_view name);

// One seat: first and last name, 14 characters each when padded; a free seat
// holds 14 spaces in both.
struct TPeople {
    FixedText<15> firstName;
    FixedText<15> lastName;

    static TPeople Free();
    static TPeople Seated(std::string_view first, std::string_view last);
    // A free seat: its last name is 14 spaces.
    bool IsFree() const;
    // Occupied as the roster counts it: either name differs from 14 spaces.
    bool IsOccupied() const;
    friend bool operator==(const TPeople&, const TPeople&) = default;
};

using SeatList = std::vector<TPeople>;

// The whole chart: grid, its seat count and extents, and the seat list in
// seat-number order (one entry per desk).
struct SeatingChart {
    SeatGrid grid{};
    int seatCount = 0;
    Extents extents;
    SeatList seats;

    // Recomputes the seat count and the extents from the grid.
    void Recount();
    friend bool operator==(const SeatingChart&, const SeatingChart&) = default;
};

// The index of the first seat, in seat-number order, whose last and first
// names equal the given ones (compared padded to 14), or -1.
int FindSeat(const SeatList& seats, std::string_view last, std::string_view first);

// The number of occupied seats.
int OccupiedSeats(const SeatList& seats);

// A grid holding only the counted region of another, each byte made 0 or 1.
SeatGrid NormalizedGrid(const SeatGrid& grid);

// Seats every student of the roster (rows 1 to the last) at random: for each,
// draws seat indexes (next value mod the seat count) until a free seat comes
// up. A student for whom no seat is free is not placed.
void ComputerFill(SeatList& seats, const std::vector<TStudent>& roster, RandomGenerator& random);

// Draws seat indexes until a free seat comes up; -1 when none is free.
int DrawFreeSeat(const SeatList& seats, RandomGenerator& random);

}  // namespace quorle
