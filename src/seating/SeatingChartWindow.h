#pragma once
// The seating chart window (TSeatingChartWindow): one class's chart drawn as
// boxes of asterisks, with its own menu (Switch Seats, Delete Chart, Print
// Chart, Close Chart). It holds the live chart, the class it belongs to and
// the seat number prompt of a chart being filled by hand.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "platform/TopWindow.h"
#include "record/ClassRecord.h"
#include "seating/ChartAccessibility.h"
#include "seating/SeatDialogs.h"
#include "seating/SeatingChart.h"

namespace quorle {

inline constexpr const char* kChartCaption = "Seating Chart";
inline constexpr const char* kTransferCaption = "Transfer seating chart";
// Scroll units of the window in pixels, and its starting ranges in units.
inline constexpr int kChartScrollUnit = 5;
inline constexpr int kChartStartRange = 100;

// What the platform window of a chart window is made with: the caption
// "Seating Chart" and menu 1.
platform::TopWindowAttributes ChartWindowAttributes();

class TSeatingChartWindow : public platform::TopWindow {
public:
    TSeatingChartWindow(platform::Ui& ui, const ClassRecord& record);
    ~TSeatingChartWindow() override;

    // ---- what it shows
    const SeatingChart& Chart() const { return chart_; }
    // The path that names the chart: the class file path while a new chart is
    // being filled, the chart path once it is loaded or written.
    const std::string& Path() const { return path_; }
    const std::string& Caption() const { return caption_; }
    // The text picture as the last paint or rebuild made it.
    const std::vector<std::string>& Picture() const { return picture_; }
    bool Shown() const { return IsVisible(); }

    // Load and show: reads the class's chart and shows it. False (after
    // "File cannot be opened!") when it cannot be read; the window is then
    // left as it was.
    bool LoadAndShow(const std::string& classPath);
    // Reads the chart again when the window holds the stored chart of that
    // chart path (after a roster change wrote it), silently.
    void ReloadIfShowing(const std::string& chartPath);
    // A new chart over the grid: the computer seats the class at random (and
    // the chart is written), or the teacher seats each student by number.
    void MakeChart(const SeatGrid& grid);
    // Recomputes the picture and repaints the whole window.
    void Rebuild();

    // ---- its menu (and its close box, as Close Chart)
    void Command(int id) override;
    void CloseBox() override;
    void SwitchSeats();
    void DeleteChart();
    void PrintChart();
    void CloseChart();

    // ---- hand filling
    bool HandFilling() const { return handFilling_; }
    // The roster row the prompt asks about.
    int PromptStudent() const { return promptStudent_; }
    // The prompt's question for the student it asks about.
    std::string PromptQuestion() const;
    bool PromptShown() const { return promptShown_; }
    TSeatNumberDialog& Prompt() { return *prompt_; }
    // OK in the prompt with its entry: true when the last student got his
    // seat (the chart is written and the prompt goes); false keeps the
    // prompt (a refused number after its message, or the next student).
    bool PromptOk(const std::string& entry);
    // Cancel in the prompt: nothing seated, nothing written; prompt and
    // window hidden, the class window shown.
    void PromptCancelled();

    // ---- a transfer's seating (the modal prompt runs meanwhile)
    struct Saved {
        SeatingChart chart;
        std::string classPath;
        std::string path;
        std::string caption;
        bool shown = false;
    };
    std::unique_ptr<Saved> Save() const;
    void Restore(const Saved& saved);
    void ShowTransfer(const SeatingChart& chart);

    // Shows the class window and gives it the focus (set by the class window).
    std::function<void()> showClassWindow;
    // Runs a change of the chart that is a step of the class's history
    // (Switch Seats), named; unset, the change simply runs.
    std::function<void(const std::string& name, const std::function<void()>& change)> classStep;

    // ---- Window
    void Paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    bool KeyDown(platform::Key key) override;

private:
    void SetCaption(std::string caption);
    bool WriteChart();
    void StopHandFill();
    void SetPromptShown(bool shown);
    // The window takes the picture's size (up to the frame's).
    void FitToPicture();
    void UpdateScroller(int widthPixels, int heightPixels);

    platform::Ui& ui_;
    const ClassRecord& record_;
    SeatingChart chart_;
    std::string classPath_;
    std::string path_;
    std::string caption_ = kChartCaption;
    std::vector<std::string> picture_;
    bool handFilling_ = false;
    bool transfer_ = false;
    bool promptShown_ = false;
    int promptStudent_ = 1;
    std::unique_ptr<TSeatNumberDialog> prompt_;
    // Up and Down: the seat before or after the one the keyboard is on,
    // brought into view and announced.
    void WalkSeats(int step);

    ChartAccessibility access_{chart_, scroller_};  // the chart read out, seat by seat
};

}  // namespace quorle
