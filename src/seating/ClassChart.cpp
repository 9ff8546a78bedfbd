#include "seating/ClassChart.h"

#include "seating/SeatDialogs.h"
#include "seating/SeatingChartWindow.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// A teacher who cancels the transfer's seat prompt again and again, or a run
// with nobody to answer it, leaves the seat to the computer after this many.
constexpr int kCancelsBeforeComputerSeats = 3;

}  // namespace

TClassChart::TClassChart(platform::Ui& ui, const ClassRecord& record) : ui_(ui), record_(record) {}

TClassChart::~TClassChart() = default;

void TClassChart::SetShowClassWindow(std::function<void()> show) {
    showClassWindow_ = std::move(show);
    if (window_) window_->showClassWindow = showClassWindow_;
}

TSeatingChartWindow& TClassChart::EnsureWindow() {
    if (!window_) {
        window_ = std::make_unique<TSeatingChartWindow>(ui_, record_);
        window_->showClassWindow = showClassWindow_;
        if (maker_) maker_(*window_);
    }
    return *window_;
}

void TClassChart::OpenSeatingChart() {
    // A class that was never saved has no place for its chart yet.
    if (record_.fileName.empty()) {
        ShowInformation(ui_, "Save the class before making its seating chart.");
        return;
    }
    if (ChartExists(record_.fileName)) {
        EnsureWindow().LoadAndShow(record_.fileName);
        return;
    }
    SeatArrangement arrangement = ReadSeatArrangement(ui_.ProgramDirectory());
    scratch_.fill(0);
    if (!ChooseSeatArrangement(arrangement)) return;
    // Remembered for the next chart; a failed write loses only that.
    WriteSeatArrangement(ui_.ProgramDirectory(), arrangement);
    EnsureWindow().MakeChart(scratch_);
}

bool TClassChart::ChooseSeatArrangement(SeatArrangement& arrangement) {
    TSeatsInfoDialog dialog(ui_, arrangement, scratch_, record_.StudentCount());
    return ui_.RunModal(dialog);
}

int TClassChart::SeatByHand(const SeatingChart& chart, const TStudent& student) {
    TSeatingChartWindow& window = EnsureWindow();
    const auto saved = window.Save();
    window.ShowTransfer(chart);
    const std::string question = SeatQuestion(student.firstName.View(), student.lastName.View());
    std::string entry;
    int cancels = 0;
    int seat = -1;
    while (seat < 0) {
        std::string typed;
        TSeatAddDialog dialog(question, typed);
        if (ui_.RunModal(dialog)) {
            entry = typed;
            cancels = 0;
        } else if (++cancels >= kCancelsBeforeComputerSeats) {
            seat = DrawFreeSeat(chart.seats, ProcessRandom());
            break;
        }
        const int n = ParseSeatNumber(entry);
        if (const char* refusal = SeatRefusal(chart.seats, n))
            ShowInformation(ui_, refusal);
        else
            seat = n - 1;
    }
    window.Restore(*saved);
    return seat;
}

bool TClassChart::ChooseSeat(SeatingChart& chart, const TStudent& student) {
    scratch_ = chart.grid;
    if (OccupiedSeats(chart.seats) >= chart.seatCount) {
        ShowInformation(ui_, kChartFullText);
        return false;
    }
    const std::string first(student.firstName.View());
    const std::string last(student.lastName.View());
    const Answer answer = ui_.MessageBox("Assign Seat",
                                         "Do you want the computer to assign " + first + " " + last + " a seat?",
                                         Buttons::YesNo, Icon::Question);
    const int seat = answer == Answer::Yes ? DrawFreeSeat(chart.seats, ProcessRandom()) : SeatByHand(chart, student);
    if (seat >= 0) chart.seats[static_cast<std::size_t>(seat)] = TPeople::Seated(first, last);
    return true;
}

bool TClassChart::SeatNewStudent(const std::string& classPath, const TStudent& student) {
    if (!ChartExists(classPath)) return true;
    const std::string chartPath = ChartPath(classPath);
    auto chart = ReadChartOrSay(ui_, chartPath);
    if (!chart) return false;
    const SeatList before = chart->seats;
    if (!ChooseSeat(*chart, student) || chart->seats == before) return true;
    FileProblem problem;
    if (!WriteChartFile(chartPath, *chart, &problem)) {
        ShowChartCannotBeOpened(ui_, problem);
        return false;
    }
    if (window_) window_->ReloadIfShowing(chartPath);
    return true;
}

void TClassChart::ChangeOwnChart(const std::function<void(SeatList&)>& change) {
    if (!ChartExists(record_.fileName)) return;
    const std::string chartPath = ChartPath(record_.fileName);
    auto chart = ReadChartOrSay(ui_, chartPath);
    if (!chart) return;
    const SeatList before = chart->seats;
    change(chart->seats);
    if (chart->seats == before) return;  // nobody sat there: the file stays as it is
    FileProblem problem;
    if (!WriteChartFile(chartPath, *chart, &problem)) {
        ShowChartCannotBeOpened(ui_, problem);
        return;
    }
    if (window_) window_->ReloadIfShowing(chartPath);
}

void TClassChart::RemoveFromChart(std::string_view last, std::string_view first) {
    ChangeOwnChart([&](SeatList& seats) {
        const int k = FindSeat(seats, last, first);
        if (k >= 0) seats[static_cast<std::size_t>(k)] = TPeople::Free();
    });
}

void TClassChart::RenameInChart(std::string_view oldLast, std::string_view oldFirst, std::string_view newLast,
                                std::string_view newFirst) {
    ChangeOwnChart([&](SeatList& seats) {
        const int k = FindSeat(seats, oldLast, oldFirst);
        if (k >= 0) seats[static_cast<std::size_t>(k)] = TPeople::Seated(newFirst, newLast);
    });
}

}  // namespace quorle
