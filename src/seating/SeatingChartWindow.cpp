#include "seating/SeatingChartWindow.h"

#include <algorithm>
#include <filesystem>

#include "platform/Text1252.h"
#include "reports/PrintJob.h"
#include "resources/Menus.h"
#include "resources/SeatingMenu.h"
#include "seating/ChartPicture.h"
#include "seating/SeatDialogs.h"
#include "seating/SeatPrint.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

platform::TopWindowAttributes ChartWindowAttributes() {
    platform::TopWindowAttributes attributes;
    attributes.caption = kChartCaption;
    attributes.menu = resources::SeatingChartMenu();
    attributes.helpTopic = resources::kHelpTopicSeating;
    // Close Chart by the keys that close a window.
    attributes.accelerators = {{"Escape", resources::cmd::kCloseChart}, {"Ctrl+W", resources::cmd::kCloseChart}};
    return attributes;
}

TSeatingChartWindow::TSeatingChartWindow(platform::Ui& ui, const ClassRecord& record)
    : ui_(ui), record_(record), picture_(BuildChartPicture(chart_)) {
    scroller_.xUnit = kChartScrollUnit;
    scroller_.yUnit = kChartScrollUnit;
    scroller_.xRange = kChartStartRange;
    scroller_.yRange = kChartStartRange;
    prompt_ = std::make_unique<TSeatNumberDialog>(*this);
    ui_.MakeModeless(*prompt_);
}

TSeatingChartWindow::~TSeatingChartWindow() = default;

void TSeatingChartWindow::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    if (Host()) Host()->SetCaption(caption_);
}

void TSeatingChartWindow::SetPromptShown(bool shown) {
    promptShown_ = shown;
    if (platform::ModelessDialogHost* host = prompt_->Modeless()) {
        if (shown)
            host->Show();
        else
            host->Hide();
    }
}

void TSeatingChartWindow::Rebuild() {
    picture_ = BuildChartPicture(chart_);
    // A window not on the screen opens as large as its picture.
    if (!IsVisible()) FitToPicture();
    Invalidate();
}

bool TSeatingChartWindow::LoadAndShow(const std::string& classPath) {
    const std::string chartPath = ChartPath(classPath);
    auto chart = ReadChartOrSay(ui_, chartPath);
    if (!chart) return false;
    StopHandFill();
    transfer_ = false;
    chart_ = std::move(*chart);
    access_.focused = 0;
    classPath_ = classPath;
    path_ = chartPath;
    SetCaption("Seating Chart for " + platform::Utf8ToCp1252Lossy(path_));
    Rebuild();
    ShowWindow();
    return true;
}

void TSeatingChartWindow::FitToPicture() {
    platform::TopWindowHost* host = TopHost();
    if (!host) return;
    // The picture as Paint draws it on the screen, with a scroll unit to spare.
    platform::Canvas& canvas = host->MeasuringCanvas();
    canvas.SelectFont(ChartScreenFont());
    const int lineHeight = canvas.TextExtent("X").cy;
    int width = 0;
    for (const auto& line : picture_)
        if (!line.empty()) width = std::max(width, canvas.TextExtent(line).cx);
    const int height = lineHeight * static_cast<int>(picture_.size());
    canvas.RestoreFont();
    host->FitClientSize(platform::Size{width + kChartScrollUnit, height + kChartScrollUnit});
}

void TSeatingChartWindow::ReloadIfShowing(const std::string& chartPath) {
    if (handFilling_ || transfer_ || path_.empty() || path_ != chartPath) return;
    if (auto chart = ReadChartFile(chartPath)) {
        chart_ = std::move(*chart);
        Rebuild();
    }
}

void TSeatingChartWindow::MakeChart(const SeatGrid& grid) {
    StopHandFill();
    transfer_ = false;
    chart_.grid = NormalizedGrid(grid);
    chart_.Recount();
    ProcessRandom().Seed(static_cast<std::uint32_t>(ui_.Now()));
    chart_.seats.assign(static_cast<std::size_t>(chart_.seatCount), TPeople::Free());
    classPath_ = record_.fileName;
    path_ = classPath_;
    const Answer answer = ui_.MessageBox("Question", "Do you want the computer to make the chart?", Buttons::YesNo,
                                         Icon::Question);
    if (answer == Answer::Yes) {
        ComputerFill(chart_.seats, record_.roster, ProcessRandom());
        Rebuild();
        ShowWindow();
        WriteChart();
    } else {
        Rebuild();
        ShowWindow();
        handFilling_ = true;
        promptStudent_ = 1;
        if (record_.StudentCount() == 0) {
            // Nobody to ask about: the empty chart is complete.
            handFilling_ = false;
            WriteChart();
        } else {
            SetPromptShown(true);
        }
    }
    SetCaption("Seating Chart for " + platform::Utf8ToCp1252Lossy(path_));
}

bool TSeatingChartWindow::WriteChart() {
    // The class's own chart goes beside the name the class has now: Save As
    // may have renamed it while the chart stood open or was being filled.
    if (!transfer_ && !record_.fileName.empty()) classPath_ = record_.fileName;
    path_ = ChartPath(classPath_);
    FileProblem problem;
    if (!WriteChartFile(path_, chart_, &problem)) {
        ShowChartCannotBeOpened(ui_, problem);
        return false;
    }
    return true;
}

// ------------------------------------------------------------------ hand filling

std::string TSeatingChartWindow::PromptQuestion() const {
    if (promptStudent_ < 1 || promptStudent_ >= record_.RowCount()) return SeatQuestion("", "");
    const TStudent& student = record_.Row(promptStudent_);
    return SeatQuestion(student.firstName.View(), student.lastName.View());
}

bool TSeatingChartWindow::PromptOk(const std::string& entry) {
    if (!handFilling_) return true;
    // The roster may have lost students while the prompt stood open.
    if (promptStudent_ < record_.RowCount()) {
        const int n = ParseSeatNumber(entry);
        if (const char* refusal = SeatRefusal(chart_.seats, n)) {
            ShowInformation(ui_, refusal);
            return false;
        }
        const TStudent& student = record_.Row(promptStudent_);
        chart_.seats[static_cast<std::size_t>(n - 1)] =
            TPeople::Seated(student.firstName.View(), student.lastName.View());
        Rebuild();
    }
    if (promptStudent_ + 1 < record_.RowCount()) {
        ++promptStudent_;
        return false;
    }
    handFilling_ = false;
    promptStudent_ = 1;
    SetPromptShown(false);
    if (WriteChart()) SetCaption("Seating Chart for " + platform::Utf8ToCp1252Lossy(path_));
    return true;
}

void TSeatingChartWindow::StopHandFill() {
    if (!handFilling_) return;
    handFilling_ = false;
    promptStudent_ = 1;
    std::fill(chart_.seats.begin(), chart_.seats.end(), TPeople::Free());
    SetPromptShown(false);
}

void TSeatingChartWindow::PromptCancelled() {
    StopHandFill();
    promptShown_ = false;
    HideWindow();
    if (showClassWindow) showClassWindow();
}

// ------------------------------------------------------------------ the menu

void TSeatingChartWindow::Command(int id) {
    switch (id) {
        case resources::cmd::kSwitchSeats:
            if (classStep)
                classStep("Switch Seats", [this] { SwitchSeats(); });
            else
                SwitchSeats();
            break;
        case resources::cmd::kDeleteChart: DeleteChart(); break;
        case resources::cmd::kPrintChart: PrintChart(); break;
        case resources::cmd::kCloseChart: CloseChart(); break;
        default: break;
    }
}

void TSeatingChartWindow::CloseBox() { CloseChart(); }

void TSeatingChartWindow::SwitchSeats() {
    int from = 0;
    int to = 0;
    for (;;) {
        TChangeSeatsDialog dialog(from, to);
        if (!ui_.RunModal(dialog)) return;
        if (from >= 1 && from <= chart_.seatCount && to >= 1 && to <= chart_.seatCount) break;
        ui_.MessageBox("Warning", kSeatsNotValid, Buttons::Ok, Icon::Exclamation);
    }
    std::swap(chart_.seats[static_cast<std::size_t>(from - 1)], chart_.seats[static_cast<std::size_t>(to - 1)]);
    // A chart still being filled by hand is written when its last student
    // has a seat, not before.
    if (!handFilling_) WriteChart();
    Rebuild();
}

void TSeatingChartWindow::DeleteChart() {
    if (ui_.MessageBox("Confirmation", "Are you sure you want to delete this chart?", Buttons::YesNo, Icon::Question) !=
        Answer::Yes)
        return;
    StopHandFill();
    // The chart of the name the class has now (Save As takes the chart along).
    const std::string chartPath = ChartPath(record_.fileName.empty() ? classPath_ : record_.fileName);
    std::error_code error;
    if (std::filesystem::exists(chartPath, error)) {
        std::filesystem::remove(chartPath, error);
        if (error) ShowChartCannotBeOpened(ui_, ProblemOf(error.value(), chartPath));
    }
    HideWindow();
    if (showClassWindow) showClassWindow();
}

void TSeatingChartWindow::PrintChart() {
    TMyPrinter printer;
    TSeatPrint printout(kChartPrintTitle, chart_, record_.info);
    printer.RunPrintJob(ui_, nullptr, printout, true);
    Invalidate();
}

void TSeatingChartWindow::CloseChart() {
    // Closing a chart that is still being filled gives it up, as Cancel does.
    StopHandFill();
    HideWindow();
    if (showClassWindow) showClassWindow();
}

// ------------------------------------------------------------------ transfer

std::unique_ptr<TSeatingChartWindow::Saved> TSeatingChartWindow::Save() const {
    auto saved = std::make_unique<Saved>();
    saved->chart = chart_;
    saved->classPath = classPath_;
    saved->path = path_;
    saved->caption = caption_;
    saved->shown = Shown();
    return saved;
}

void TSeatingChartWindow::Restore(const Saved& saved) {
    transfer_ = false;
    chart_ = saved.chart;
    classPath_ = saved.classPath;
    path_ = saved.path;
    SetCaption(saved.caption);
    Rebuild();
    if (saved.shown)
        ShowWindow();
    else
        HideWindow();
}

void TSeatingChartWindow::ShowTransfer(const SeatingChart& chart) {
    transfer_ = true;
    chart_.grid = NormalizedGrid(chart.grid);
    chart_.Recount();
    chart_.seats = chart.seats;
    SetCaption(kTransferCaption);
    Rebuild();
    ShowWindow();
}

// ------------------------------------------------------------------ Window

void TSeatingChartWindow::UpdateScroller(int widthPixels, int heightPixels) {
    const int xRange = widthPixels / kChartScrollUnit;
    const int yRange = heightPixels / kChartScrollUnit;
    if (scroller_.xRange == xRange && scroller_.yRange == yRange) return;
    scroller_.xRange = xRange;
    scroller_.yRange = yRange;
    scroller_.xPos = std::clamp(scroller_.xPos, 0, xRange);
    scroller_.yPos = std::clamp(scroller_.yPos, 0, yRange);
    if (Host()) Host()->ScrollerChanged();
}

void TSeatingChartWindow::Paint(platform::Canvas& canvas, const platform::Rect&) {
    std::vector<std::string> picture = BuildChartPicture(chart_);
    if (Host()) {
        Host()->SetAccessibleText(&access_);
        if (picture != picture_) Host()->AccessibleTextChanged();
    }
    picture_ = std::move(picture);
    const ChartExtent extent = PaintChart(canvas, picture_, nullptr);
    // The seat the keyboard is on, framed.
    canvas.SelectFont(ChartScreenFont());
    const platform::Size x = canvas.TextExtent("X");
    canvas.RestoreFont();
    access_.SetCell(x);
    if (const auto seat = access_.FocusedLine())
        if (auto box = access_.LineRect(*seat)) {
            const int dx = scroller_.xPos * scroller_.xUnit;
            const int dy = scroller_.yPos * scroller_.yUnit;
            canvas.Rectangle(platform::Rect{box->left + dx, box->top + dy, box->right + dx, box->bottom + dy}, 2);
        }
    UpdateScroller(extent.width, extent.height);
}

void TSeatingChartWindow::WalkSeats(int step) {
    const auto seat = access_.FocusedLine();
    if (!seat) return;
    access_.focused = std::clamp(*seat + step, 0, chart_.seatCount - 1);
    if (const auto box = access_.LineRect(access_.focused)) ScrollIntoView(*box);
    Invalidate();
    if (Host()) Host()->AccessibleFocusChanged();
}

bool TSeatingChartWindow::KeyDown(platform::Key key) {
    const platform::Size client = Host() ? Host()->ClientSize() : platform::Size{};
    const int pageY = std::max(1, client.cy / kChartScrollUnit);
    // One line: a line of the picture.
    const int line = (kChartScreenFontHeight + kChartScrollUnit - 1) / kChartScrollUnit;
    const int x = scroller_.xPos;
    const int y = scroller_.yPos;
    switch (key) {
        case platform::Key::PageUp: ScrollTo(x, y - pageY); return true;
        case platform::Key::PageDown: ScrollTo(x, y + pageY); return true;
        case platform::Key::Up: WalkSeats(-1); return true;
        case platform::Key::Down: WalkSeats(1); return true;
        case platform::Key::Left: ScrollTo(x - line, y); return true;
        case platform::Key::Right: ScrollTo(x + line, y); return true;
        case platform::Key::Home: ScrollTo(0, y); return true;
        case platform::Key::End: ScrollTo(scroller_.xRange, y); return true;
        default: return false;
    }
}

}  // namespace quorle
