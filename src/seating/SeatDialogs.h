#pragma once
// The modal dialogs of the seating chart: Choose Seat Arrangement, the Seat
// Number prompt of a transfer and Switch Seats, and the texts they share with
// the modeless prompt of a new chart.
#include <string>
#include <string_view>

#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

class TSeatingChartWindow;

inline constexpr const char* kSeatDoesNotExist = "This seat does not exist.";
inline constexpr const char* kSeatTaken = "This seat is already taken.";
inline constexpr const char* kTooManySeats = "You can have no more than 50 seats.";
inline constexpr const char* kTooFewSeats = "You need as many seats as students.";
inline constexpr const char* kSeatsNotValid = "The seat numbers are not valid.";

// "What seat number for " + first name + " " + last name + "?"
std::string SeatQuestion(std::string_view first, std::string_view last);

// An entry read as a decimal number: leading blanks, a sign and the digits
// that follow; no digits reads as 0.
int ParseSeatNumber(std::string_view entry);

// Why a seat number cannot take a student: the message, or nullptr when seat
// n (from 1) exists and is free.
const char* SeatRefusal(const SeatList& seats, int n);

// An "Information" box with the information icon.
void ShowInformation(platform::Ui& ui, std::string_view text);

// Choose Seat Arrangement: 70 boxes over the remembered arrangement. On OK
// the ticks go into the arrangement and the scratch grid is rebuilt from
// them; more than 50 desks, or fewer than the students, are refused with
// their message and the dialog stays open.
class TSeatsInfoDialog : public platform::Dialog {
public:
    TSeatsInfoDialog(platform::Ui& ui, SeatArrangement& arrangement, SeatGrid& scratch, int studentCount);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    platform::Ui& ui_;
    SeatArrangement& arrangement_;
    SeatGrid& scratch_;
    int studentCount_;
};

// Seat Number of a transfer (modal): the question and a 2-character entry,
// empty at first. On OK the entry is kept in entry.
class TSeatAddDialog : public platform::Dialog {
public:
    TSeatAddDialog(std::string question, std::string& entry);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    std::string question_;
    std::string& entry_;
};

// Seat Number of a new chart (modeless, beside the chart window): asks for
// one student after the other. OK with a refused number shows its message and
// asks the same student again; a good one seats him and asks the next, and
// after the last the chart is written and the prompt goes. Cancel gives the
// hand filling up.
class TSeatNumberDialog : public platform::Dialog {
public:
    explicit TSeatNumberDialog(TSeatingChartWindow& window);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;
    void Ended(platform::DialogHost& host, bool ok) override;

private:
    void Ask(platform::DialogHost& host);
    TSeatingChartWindow& window_;
};

// Switch Seats: "From:" and "To:", empty at first; on OK both are read.
class TChangeSeatsDialog : public platform::Dialog {
public:
    TChangeSeatsDialog(int& from, int& to);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    int& from_;
    int& to_;
};

}  // namespace quorle
