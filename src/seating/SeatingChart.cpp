#include "seating/SeatingChart.h"

#include <algorithm>

namespace quorle {

bool HasDesk(const SeatGrid& grid, int column, int place) {
    if (column < 0 || column >= kCountedColumns || place < 0 || place >= kCountedPlaces) return false;
    return grid[static_cast<std::size_t>(column * kGridPlaces + place)] != 0;
}

void SetDesk(SeatGrid& grid, int column, int place, bool desk) {
    if (column < 0 || column >= kGridColumns || place < 0 || place >= kGridPlaces) return;
    grid[static_cast<std::size_t>(column * kGridPlaces + place)] = desk ? 1 : 0;
}

int CountSeats(const SeatGrid& grid) {
    int count = 0;
    for (int c = 0; c < kCountedColumns; ++c)
        for (int p = 0; p < kCountedPlaces; ++p)
            if (HasDesk(grid, c, p)) ++count;
    return count;
}

Extents ComputeExtents(const SeatGrid& grid) {
    Extents e;
    const auto columnHasDesk = [&](int c) {
        for (int p = 0; p < kCountedPlaces; ++p)
            if (HasDesk(grid, c, p)) return true;
        return false;
    };
    const auto placeHasDesk = [&](int p) {
        for (int c = 0; c < kCountedColumns; ++c)
            if (HasDesk(grid, c, p)) return true;
        return false;
    };
    int c = 0;
    while (c < kCountedColumns && !columnHasDesk(c)) ++c;
    if (c == kCountedColumns) return e;  // no desk at all
    e.lowColumn = c;
    for (c = kCountedColumns - 1; !columnHasDesk(c); --c) {}
    e.highColumn = c;
    int p = 0;
    while (!placeHasDesk(p)) ++p;
    e.lowPlace = p;
    for (p = kCountedPlaces - 1; !placeHasDesk(p); --p) {}
    e.highPlace = p;
    return e;
}

int SeatNumberAt(const SeatGrid& grid, int column, int place) {
    if (!HasDesk(grid, column, place)) return 0;
    int number = 0;
    for (int c = 0; c < kCountedColumns; ++c)
        for (int p = 0; p < kCountedPlaces; ++p) {
            if (HasDesk(grid, c, p)) ++number;
            if (c == column && p == place) return number;
        }
    return 0;
}

std::string PadSeatName(std::string_view name) {
    std::string padded(name.substr(0, std::min(name.size(), kSeatNameWidth)));
    padded.resize(kSeatNameWidth, ' ');
    return padded;
}

std::string TrimSeatName(std::string_view name) {
    const auto end = name.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(name.substr(0, end + 1));
}

TPeople TPeople::Free() { return Seated("", ""); }

TPeople TPeople::Seated(std::string_view first, std::string_view last) {
    TPeople seat;
    seat.firstName = PadSeatName(first);
    seat.lastName = PadSeatName(last);
    return seat;
}

bool TPeople::IsFree() const { return lastName.View() == PadSeatName(""); }

bool TPeople::IsOccupied() const {
    const std::string blank = PadSeatName("");
    return firstName.View() != blank || lastName.View() != blank;
}

void SeatingChart::Recount() {
    seatCount = CountSeats(grid);
    extents = ComputeExtents(grid);
}

int FindSeat(const SeatList& seats, std::string_view last, std::string_view first) {
    const std::string wantLast = PadSeatName(last);
    const std::string wantFirst = PadSeatName(first);
    for (std::size_t i = 0; i < seats.size(); ++i)
        if (PadSeatName(seats[i].lastName.View()) == wantLast && PadSeatName(seats[i].firstName.View()) == wantFirst)
            return static_cast<int>(i);
    return -1;
}

int OccupiedSeats(const SeatList& seats) {
    return static_cast<int>(std::count_if(seats.begin(), seats.end(), [](const TPeople& s) { return s.IsOccupied(); }));
}

SeatGrid NormalizedGrid(const SeatGrid& grid) {
    SeatGrid out{};
    for (int c = 0; c < kCountedColumns; ++c)
        for (int p = 0; p < kCountedPlaces; ++p) SetDesk(out, c, p, HasDesk(grid, c, p));
    return out;
}

int DrawFreeSeat(const SeatList& seats, RandomGenerator& random) {
    if (std::none_of(seats.begin(), seats.end(), [](const TPeople& s) { return s.IsFree(); })) return -1;
    // The draws reach every seat long before this; the bound only keeps a
    // generator in a short cycle from holding the program.
    for (int draw = 0; draw < 1000000; ++draw) {
        const auto k = static_cast<std::size_t>(random.Next() % seats.size());
        if (seats[k].IsFree()) return static_cast<int>(k);
    }
    const auto free = std::find_if(seats.begin(), seats.end(), [](const TPeople& s) { return s.IsFree(); });
    return static_cast<int>(free - seats.begin());
}

void ComputerFill(SeatList& seats, const std::vector<TStudent>& roster, RandomGenerator& random) {
    for (std::size_t i = 1; i < roster.size(); ++i) {
        const int k = DrawFreeSeat(seats, random);
        if (k < 0) return;
        seats[static_cast<std::size_t>(k)] = TPeople::Seated(roster[i].firstName.View(), roster[i].lastName.View());
    }
}

}  // namespace quorle
