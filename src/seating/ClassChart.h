#pragma once
// The class window's seating chart (TClassChart): its scratch seat grid and
// its chart window, made on first use, and the operations that keep a chart
// in step with the roster.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

class TSeatingChartWindow;

inline constexpr const char* kChartFullText =
    "The current seating chart does not have enough seats."
    "Please delete this chart and make a new one for this class.";

class TClassChart {
public:
    // Makes the platform window of the chart window, once, when it is first needed.
    using WindowMaker = std::function<void(TSeatingChartWindow&)>;

    TClassChart(platform::Ui& ui, const ClassRecord& record);
    ~TClassChart();
    TClassChart(const TClassChart&) = delete;
    TClassChart& operator=(const TClassChart&) = delete;

    void SetWindowMaker(WindowMaker maker) { maker_ = std::move(maker); }
    // Shows the class window and gives it the focus (after Close Chart and the like).
    void SetShowClassWindow(std::function<void()> show);

    // Options > Seating Chart: shows the class's chart, or makes a new one
    // (Choose Seat Arrangement, then the computer or the teacher seats the class).
    void OpenSeatingChart();
    // Choose Seat Arrangement over the arrangement; the ticks go into the
    // scratch grid. False when cancelled.
    bool ChooseSeatArrangement(SeatArrangement& arrangement);

    // Gives a student a seat in the chart of the named class file (this class
    // or the class a student is transferred to), when it has a chart: the
    // computer or the teacher picks the seat. A chart without a free seat
    // gets a message and is not changed. False when the chart could not be
    // read or written (its message, with the reason, shown).
    bool SeatNewStudent(const std::string& classPath, const TStudent& student);
    // Gives a student a free seat of a chart in memory, as SeatNewStudent
    // does (the computer or the teacher picks it); nothing is written. A
    // chart without a free seat gets a message and false.
    bool ChooseSeat(SeatingChart& chart, const TStudent& student);
    // Frees the first seat holding the student, in this class's chart.
    void RemoveFromChart(std::string_view last, std::string_view first);
    // Renames the first seat holding the old names, in this class's chart.
    void RenameInChart(std::string_view oldLast, std::string_view oldFirst, std::string_view newLast,
                       std::string_view newFirst);

    // The chart window, or nullptr before it is first needed.
    TSeatingChartWindow* Window() const { return window_.get(); }
    TSeatingChartWindow& EnsureWindow();
    const SeatGrid& ScratchGrid() const { return scratch_; }

private:
    // Reads, changes and writes back this class's chart; the window follows.
    void ChangeOwnChart(const std::function<void(SeatList&)>& change);
    int SeatByHand(const SeatingChart& chart, const TStudent& student);

    platform::Ui& ui_;
    const ClassRecord& record_;
    SeatGrid scratch_{};
    std::unique_ptr<TSeatingChartWindow> window_;
    WindowMaker maker_;
    std::function<void()> showClassWindow_;
};

}  // namespace quorle
