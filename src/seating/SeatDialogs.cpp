#include "seating/SeatDialogs.h"

#include <algorithm>
#include <cctype>

#include "resources/SeatingDialogs.h"
#include "seating/SeatingChartWindow.h"

namespace quorle {

std::string SeatQuestion(std::string_view first, std::string_view last) {
    return "What seat number for " + std::string(first) + " " + std::string(last) + "?";
}

int ParseSeatNumber(std::string_view entry) {
    std::size_t i = 0;
    while (i < entry.size() && std::isspace(static_cast<unsigned char>(entry[i]))) ++i;
    bool negative = false;
    if (i < entry.size() && (entry[i] == '-' || entry[i] == '+')) negative = entry[i++] == '-';
    long value = 0;
    for (; i < entry.size() && std::isdigit(static_cast<unsigned char>(entry[i])); ++i)
        value = std::min(value * 10 + (entry[i] - '0'), 1000000L);
    return static_cast<int>(negative ? -value : value);
}

const char* SeatRefusal(const SeatList& seats, int n) {
    if (n < 1 || static_cast<std::size_t>(n) > seats.size()) return kSeatDoesNotExist;
    if (!seats[static_cast<std::size_t>(n - 1)].IsFree()) return kSeatTaken;
    return nullptr;
}

void ShowInformation(platform::Ui& ui, std::string_view text) {
    ui.MessageBox("Information", text, platform::Buttons::Ok, platform::Icon::Information);
}

// ------------------------------------------------------ Choose Seat Arrangement

TSeatsInfoDialog::TSeatsInfoDialog(platform::Ui& ui, SeatArrangement& arrangement, SeatGrid& scratch,
                                   int studentCount)
    : platform::Dialog(resources::SeatsInfoDialogResource()),
      ui_(ui),
      arrangement_(arrangement),
      scratch_(scratch),
      studentCount_(studentCount) {}

void TSeatsInfoDialog::SetupWindow(platform::DialogHost& host) {
    for (int k = 0; k < kArrangementBoxes; ++k)
        host.SetChecked(resources::kIdFirstSeatBox + k, arrangement_[static_cast<std::size_t>(k)] == 1);
}

bool TSeatsInfoDialog::CanClose(platform::DialogHost& host) {
    scratch_.fill(0);
    int ticked = 0;
    for (int k = 0; k < kArrangementBoxes; ++k) {
        const bool on = host.IsChecked(resources::kIdFirstSeatBox + k);
        arrangement_[static_cast<std::size_t>(k)] = on ? 1 : 0;
        SetDesk(scratch_, k / 10, k % 10, on);
        if (on) ++ticked;
    }
    if (ticked > kMaxSeats) {
        ShowInformation(ui_, kTooManySeats);
        return false;
    }
    if (ticked < studentCount_) {
        ShowInformation(ui_, kTooFewSeats);
        return false;
    }
    return true;
}

// ------------------------------------------------------ Seat Number (transfer)

TSeatAddDialog::TSeatAddDialog(std::string question, std::string& entry)
    : platform::Dialog(resources::SeatAddDialogResource()), question_(std::move(question)), entry_(entry) {}

void TSeatAddDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdSeatQuestion, question_);
    host.SetText(resources::kIdSeatEntry, "");
    host.SetFocus(resources::kIdSeatEntry);
}

bool TSeatAddDialog::CanClose(platform::DialogHost& host) {
    entry_ = host.Text(resources::kIdSeatEntry).substr(0, 2);
    return true;
}

// ------------------------------------------------------ Seat Number (new chart)

TSeatNumberDialog::TSeatNumberDialog(TSeatingChartWindow& window)
    : platform::Dialog(resources::SeatNumberDialogResource()), window_(window) {}

void TSeatNumberDialog::Ask(platform::DialogHost& host) {
    host.SetText(resources::kIdSeatQuestion, window_.PromptQuestion());
    host.SetText(resources::kIdSeatEntry, "");
    host.SetFocus(resources::kIdSeatEntry);
}

void TSeatNumberDialog::SetupWindow(platform::DialogHost& host) { Ask(host); }

bool TSeatNumberDialog::CanClose(platform::DialogHost& host) {
    if (window_.PromptOk(host.Text(resources::kIdSeatEntry).substr(0, 2))) return true;
    Ask(host);
    return false;
}

void TSeatNumberDialog::Ended(platform::DialogHost&, bool ok) {
    if (!ok) window_.PromptCancelled();
}

// ----------------------------------------------------------------- Switch Seats

TChangeSeatsDialog::TChangeSeatsDialog(int& from, int& to)
    : platform::Dialog(resources::ChangeSeatsDialogResource()), from_(from), to_(to) {}

void TChangeSeatsDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdSwitchFrom, "");
    host.SetText(resources::kIdSwitchTo, "");
    host.SetFocus(resources::kIdSwitchFrom);
}

bool TChangeSeatsDialog::CanClose(platform::DialogHost& host) {
    from_ = ParseSeatNumber(host.Text(resources::kIdSwitchFrom).substr(0, 2));
    to_ = ParseSeatNumber(host.Text(resources::kIdSwitchTo).substr(0, 2));
    return true;
}

}  // namespace quorle
