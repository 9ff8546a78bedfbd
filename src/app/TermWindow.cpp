#include "app/TermWindow.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <span>

#include "app/CsvExport.h"
#include "classwin/ClassSaving.h"
#include "classwin/Panes.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/FileNames.h"
#include "reports/TermPrint.h"
#include "resources/TermDialogs.h"

namespace quorle {

namespace res = resources;
using platform::Key;

// ---------------------------------------------------------------- the dialog

std::optional<std::vector<double>> TermWeightsFromText(const std::string& text, std::size_t classes,
                                                       std::string& message) {
    const std::string typed = platform::TrimPadding(text, " \t");
    if (typed.empty()) return std::vector<double>(classes, 1.0);
    std::vector<std::string> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = typed.find(',', start);
        words.push_back(platform::TrimPadding(typed.substr(start, comma == std::string::npos ? comma : comma - start),
                                              " \t"));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (words.size() != classes) {
        message = "Type one weight for each class in the list (" + std::to_string(classes) +
                  "), separated by commas: 40,40,20.";
        return std::nullopt;
    }
    std::string joined;
    for (std::size_t i = 0; i < words.size(); ++i) joined += (i == 0 ? "" : ",") + words[i];
    std::string problem;
    auto weights = ParseTermWeights(joined, classes, problem);
    if (!weights) {
        if (!problem.empty() && problem[0] >= 'a' && problem[0] <= 'z') problem[0] = static_cast<char>(problem[0] - 32);
        message = problem + ".";
    }
    return weights;
}

TTermGradesDialog::TTermGradesDialog(platform::Ui& ui, TermChoice start)
    : Dialog(res::TermGradesDialogResource()), ui_(ui), choice_(std::move(start)) {}

void TTermGradesDialog::SetupWindow(platform::DialogHost& host) {
    Fill(host, static_cast<int>(choice_.paths.size()) - 1);
    host.SetFocus(res::kIdTermAdd);
}

void TTermGradesDialog::Fill(platform::DialogHost& host, int chosen) {
    std::vector<std::string> items;
    // Where each file is, in full, whichever way it was named.
    for (const std::string& path : choice_.paths) {
        std::error_code error;
        const std::filesystem::path full = std::filesystem::absolute(path, error);
        items.push_back(platform::Utf8ToCp1252Lossy((error ? path : full.lexically_normal().string())));
    }
    host.SetListItems(res::kIdTermClasses, items);
    host.SetSelection(res::kIdTermClasses, items.empty() ? -1 : std::clamp(chosen, 0, static_cast<int>(items.size()) - 1));
}

void TTermGradesDialog::Add(platform::DialogHost& host) {
    const auto path = ui_.OpenFileName(ClassFileDialog("Add Class", true));
    if (!path) return;
    for (const std::string& chosen : choice_.paths) {
        if (!SameFile(chosen, *path)) continue;
        ui_.MessageBox("Information", TermHeading(*path) + " is in the list already.", platform::Buttons::Ok,
                       platform::Icon::Information);
        return;
    }
    ClassRecord record;
    try {
        record = ReadClassFile(*path);
    } catch (const ClassFileError& error) {
        ui_.MessageBox("Error!", error.BoxText(), platform::Buttons::Ok, platform::Icon::Stop);
        return;
    }
    choice_.paths.push_back(*path);
    choice_.classes.push_back({TermHeading(*path), std::move(record)});
    Fill(host, static_cast<int>(choice_.paths.size()) - 1);
}

void TTermGradesDialog::Clicked(platform::DialogHost& host, int id) {
    if (id == res::kIdTermAdd) {
        Add(host);
        return;
    }
    const int chosen = host.Selection(res::kIdTermClasses);
    const int count = static_cast<int>(choice_.paths.size());
    if (chosen < 0 || chosen >= count) return;
    const auto at = static_cast<std::size_t>(chosen);
    if (id == res::kIdTermRemove) {
        choice_.paths.erase(choice_.paths.begin() + chosen);
        choice_.classes.erase(choice_.classes.begin() + chosen);
        Fill(host, chosen);
        return;
    }
    const int to = id == res::kIdTermUp ? chosen - 1 : id == res::kIdTermDown ? chosen + 1 : -1;
    if (to < 0 || to >= count) return;
    std::swap(choice_.paths[at], choice_.paths[static_cast<std::size_t>(to)]);
    std::swap(choice_.classes[at], choice_.classes[static_cast<std::size_t>(to)]);
    Fill(host, to);
}

bool TTermGradesDialog::CanClose(platform::DialogHost& host) {
    if (choice_.classes.empty()) {
        ui_.MessageBox("Warning", "Add the class file of at least one grading period.", platform::Buttons::Ok,
                       platform::Icon::Exclamation);
        host.SetFocus(res::kIdTermAdd);
        return false;
    }
    std::string message;
    auto weights = TermWeightsFromText(LimitedText(host, res::kIdTermWeights), choice_.classes.size(), message);
    if (!weights) {
        ui_.MessageBox("Warning", message, platform::Buttons::Ok, platform::Icon::Exclamation);
        host.SetFocus(res::kIdTermWeights);
        return false;
    }
    choice_.weights = std::move(*weights);
    return true;
}

// ---------------------------------------------------------------- the window

namespace {

// The grades report's widths: names fifteen characters, the ID five, figures ten.
int UsualChars(std::size_t column) {
    if (column < 2) return 15;
    return column == 2 ? 5 : 10;
}

std::string WeightText(double weight) {
    std::ostringstream text;
    text << weight;
    return text.str();
}

constexpr const char* kClassAverage = "Class Average";

}  // namespace

TTermWindow::TTermWindow(platform::Ui& ui, TermChoice choice) : ui_(ui), choice_(std::move(choice)) {
    if (choice_.weights.size() != choice_.classes.size()) choice_.weights.assign(choice_.classes.size(), 1.0);
    Build();
}

TTermWindow::~TTermWindow() {
    if (platform::WindowHost* host = Host()) host->SetAccessibleTable(nullptr);
}

platform::TopWindowAttributes TTermWindow::Attributes() const {
    platform::TopWindowAttributes attributes;
    attributes.caption = "Term Grades:";
    for (std::size_t k = 0; k < choice_.classes.size(); ++k)
        attributes.caption += (k == 0 ? " " : ", ") + choice_.classes[k].heading;
    attributes.menu = res::TermWindowMenu();
    attributes.accelerators = res::TermWindowAccelerators();
    attributes.helpTopic = res::kHelpTopicTermGrades;
    return attributes;
}

void TTermWindow::Build() {
    if (choice_.classes.empty()) return;
    lines_ = BuildTermTable(choice_.classes, choice_.weights, rank_);
    chars_.clear();
    for (std::size_t c = 0; c < lines_[0].size(); ++c) {
        std::size_t longest = 0;
        for (const ShowLine& line : lines_)
            if (c < line.size() && !(line.size() == 2 && line[0] == kClassAverage)) longest = std::max(longest, line[c].size());
        chars_.push_back(std::max(UsualChars(c), static_cast<int>(std::min<std::size_t>(longest, 200)) + 1));
    }
}

int TTermWindow::StudentCount() const {
    // The headings, the students, an empty line, then the class average when
    // there are students.
    const int lines = static_cast<int>(lines_.size());
    if (lines >= 2 && lines_.back().empty()) return lines - 2;
    return std::max(0, lines - 3);
}

int TTermWindow::RowCount() const {
    const int students = StudentCount();
    return students + (students > 0 ? 1 : 0);
}

int TTermWindow::LineOf(int row) const {
    return row < StudentCount() ? row + 1 : static_cast<int>(lines_.size()) - 1;
}

std::vector<std::string> TTermWindow::RowCells(int row) const {
    if (row < 0 || row >= RowCount()) return {};
    if (row < StudentCount()) return lines_[static_cast<std::size_t>(row) + 1];
    // The class average stands under the term averages.
    std::vector<std::string> cells(static_cast<std::size_t>(ColumnCount()));
    cells[0] = kClassAverage;
    if (cells.size() >= 2 && lines_.back().size() >= 2) cells[cells.size() - 2] = lines_.back()[1];
    return cells;
}

TTermWindow::Metrics TTermWindow::Measure() const {
    if (platform::WindowHost* host = Host()) {
        const PaneMetrics m = MeasurePane(host->MeasuringCanvas());
        return Metrics{std::max(1, m.w10), std::max(1, m.h)};
    }
    return Metrics{};
}

int TTermWindow::ColumnLeft(int column, const Metrics& m) const {
    // A character's margin at the left, so that the frame of a cell there
    // stands clear of the window's edge.
    long long chars = 1;
    for (int c = 0; c < column && c < static_cast<int>(chars_.size()); ++c) chars += chars_[static_cast<std::size_t>(c)];
    return static_cast<int>(m.w10 * chars / 10);
}

int TTermWindow::FrozenHeight() const { return Measure().h; }

void TTermWindow::UpdateScroller() {
    const Metrics m = Measure();
    const platform::Size client = Host() ? Host()->ClientSize() : platform::Size{800, 600};
    scroller_.xUnit = m.w10;
    scroller_.yUnit = m.h;
    const int width = ColumnLeft(ColumnCount(), m);
    scroller_.xRange = std::max(0, (width - client.cx + m.w10 - 1) / m.w10);
    const int shown = std::max(1, client.cy / m.h - 1);
    scroller_.yRange = std::max(0, static_cast<int>(lines_.size()) - 1 - shown);
    ScrollTo(scroller_.xPos, scroller_.yPos);
}

void TTermWindow::Open() {
    if (platform::TopWindowHost* host = TopHost()) {
        host->SetAccessibleTable(&reading_);
        host->EnableCommand(res::cmd::kTermClassOrder, rank_);
        host->EnableCommand(res::cmd::kTermRankOrder, !rank_);
        const Metrics m = Measure();
        host->FitClientSize(platform::Size{ColumnLeft(ColumnCount(), m) + m.w10 / 2,
                                           static_cast<int>(lines_.size() + 1) * m.h});
    }
    UpdateScroller();
    ShowWindow();
}

void TTermWindow::Resized(platform::Size) {
    UpdateScroller();
    Invalidate();
}

void TTermWindow::Command(int id) {
    switch (id) {
        case res::cmd::kTermPrint: Print(); return;
        case res::cmd::kTermExport: Export(); return;
        case res::cmd::kTermClose: Close(); return;
        case res::cmd::kTermRankOrder:
        case res::cmd::kTermClassOrder: {
            const bool rank = id == res::cmd::kTermRankOrder;
            if (rank == rank_) return;
            // The keyboard stays on the same student.
            const std::vector<std::string> student = cursor_.row < StudentCount() ? RowCells(cursor_.row) : ShowLine{};
            rank_ = rank;
            Build();
            for (int row = 0; row < StudentCount(); ++row)
                if (!student.empty() && RowCells(row) == student) cursor_.row = row;
            if (platform::TopWindowHost* host = TopHost()) {
                host->EnableCommand(res::cmd::kTermRankOrder, !rank_);
                host->EnableCommand(res::cmd::kTermClassOrder, rank_);
            }
            MoveCursor(cursor_.row, cursor_.column);
            return;
        }
        default: return;
    }
}

void TTermWindow::Follow(const std::function<const ClassRecord*(const std::string& path)>& current) {
    bool read = false;
    for (std::size_t i = 0; i < choice_.paths.size() && i < choice_.classes.size(); ++i)
        if (const ClassRecord* now = current(choice_.paths[i])) {
            choice_.classes[i].record = *now;
            read = true;
        }
    if (!read) return;
    const std::vector<ShowLine> before = lines_;
    Build();
    if (lines_ == before) return;
    UpdateScroller();
    cursor_.row = std::clamp(cursor_.row, 0, std::max(0, RowCount() - 1));
    cursor_.column = std::clamp(cursor_.column, 0, std::max(0, ColumnCount() - 1));
    Invalidate();
}

void TTermWindow::Close() {
    HideWindow();
    // The owner may let this object go now: nothing of it is touched after.
    const auto done = closed;
    if (done) done(*this);
}

void TTermWindow::Print() {
    if (choice_.classes.empty() || lines_.empty()) return;
    TermReport report;
    report.info = choice_.classes.back().record.info;
    report.subtitle = "Term grades of";
    for (std::size_t k = 0; k < choice_.classes.size(); ++k)
        report.subtitle += (k == 0 ? " " : ", ") + choice_.classes[k].heading + " (weight " +
                           WeightText(choice_.weights[k]) + ")";
    report.headings = lines_[0];
    for (int row = 0; row < StudentCount(); ++row) report.rows.push_back(RowCells(row));
    if (StudentCount() > 0) report.classAverage = lines_.back().size() >= 2 ? lines_.back()[1] : std::string();
    TMyPrinter printer;
    TTermPrint printout(Attributes().caption, std::move(report), printer, ui_.Today());
    printer.RunPrintJob(ui_, nullptr, printout, true);
    Invalidate();
}

void TTermWindow::Export() { ExportCsvCommand(ui_, ShowLinesCsv(lines_)); }

// ---------------------------------------------------------------- painting and keys

void TTermWindow::Paint(platform::Canvas& canvas, const platform::Rect& clip) {
    const PaneMetrics pm = MeasurePane(canvas);
    const Metrics m{std::max(1, pm.w10), std::max(1, pm.h)};
    const int yPos = scroller_.yPos;
    canvas.SetDefaultTextColor();
    auto drawLine = [&](const std::vector<std::string>& cells, int y) {
        for (std::size_t c = 0; c < cells.size(); ++c)
            if (!cells[c].empty()) canvas.TextOut(ColumnLeft(static_cast<int>(c), m), y, cells[c]);
    };
    // The rows under the heading line, which stays at the top.
    const int rows = RowCount();
    for (int row = 0; row < rows; ++row) {
        const int line = LineOf(row);
        const int y = line * m.h;
        if (line <= yPos || y >= clip.bottom || y + m.h <= clip.top) continue;
        drawLine(RowCells(row), y);
    }
    if (!lines_.empty()) drawLine(lines_[0], yPos * m.h);
    const int line = LineOf(cursor_.row);
    if (RowCount() > 0 && line > yPos) {
        const int left = ColumnLeft(cursor_.column, m);
        const int right = ColumnLeft(cursor_.column + 1, m);
        canvas.Rectangle(platform::Rect{left + 1, line * m.h + 1, right - 1, (line + 1) * m.h - 1}, 2);
    }
}

platform::Rect TTermWindow::CellInClient(int row, int column) const {
    const Metrics m = Measure();
    const int x = scroller_.xPos * scroller_.xUnit;
    const int y = (LineOf(row) - scroller_.yPos) * m.h;
    return platform::Rect{ColumnLeft(column, m) - x, y, ColumnLeft(column + 1, m) - x, y + m.h};
}

void TTermWindow::MoveCursor(int row, int column) {
    if (RowCount() == 0) return;
    cursor_.row = std::clamp(row, 0, RowCount() - 1);
    cursor_.column = std::clamp(column, 0, std::max(0, ColumnCount() - 1));
    const Metrics m = Measure();
    const platform::Size client = Host() ? Host()->ClientSize() : platform::Size{800, 600};
    const int shown = std::max(1, client.cy / m.h - 1);
    const int line = LineOf(cursor_.row);
    int y = scroller_.yPos;
    if (line <= y) y = line - 1;
    if (line > y + shown) y = line - shown;
    const int left = ColumnLeft(cursor_.column, m);
    const int right = ColumnLeft(cursor_.column + 1, m);
    int x = scroller_.xPos;
    if (left < x * m.w10) x = left / m.w10;
    if (right > x * m.w10 + client.cx) x = std::min((right - client.cx + m.w10 - 1) / m.w10, left / m.w10);
    ScrollTo(x, y);
    Invalidate();
    if (platform::WindowHost* host = Host()) host->AccessibleFocusChanged();
}

bool TTermWindow::KeyDown(Key key) {
    const Metrics m = Measure();
    const int page = std::max(1, (Host() ? Host()->ClientSize().cy : 600) / m.h - 1);
    const int lastRow = RowCount() - 1;
    const int lastColumn = ColumnCount() - 1;
    int row = cursor_.row;
    int column = cursor_.column;
    switch (key) {
        case Key::Up: --row; break;
        case Key::Down: ++row; break;
        case Key::Left:
        case Key::BackTab: --column; break;
        case Key::Right:
        case Key::Tab: ++column; break;
        case Key::PageUp: row -= page; break;
        case Key::PageDown: row += page; break;
        case Key::Home: column = 0; break;
        case Key::End: column = lastColumn; break;
        case Key::CtrlHome: row = column = 0; break;
        case Key::CtrlEnd:
            row = lastRow;
            column = lastColumn;
            break;
        default: return false;
    }
    MoveCursor(row, column);
    return true;
}

void TTermWindow::LeftClick(platform::Point point) {
    const Metrics m = Measure();
    if (point.y < m.h) return;  // the heading line
    const int line = scroller_.yPos + point.y / m.h;
    const int x = point.x + scroller_.xPos * m.w10;
    for (int row = 0; row < RowCount(); ++row) {
        if (LineOf(row) != line) continue;
        for (int column = 0; column < ColumnCount(); ++column)
            if (x >= ColumnLeft(column, m) && x < ColumnLeft(column + 1, m)) MoveCursor(row, column);
        return;
    }
}

bool TTermWindow::Wheel(int lines) {
    ScrollBy(0, lines);
    return true;
}

// ---------------------------------------------------------------- screen reader

std::string TTermWindow::Reading::TableName() const { return window_.Attributes().caption; }
int TTermWindow::Reading::RowCount() const { return window_.RowCount(); }
int TTermWindow::Reading::ColumnCount() const { return window_.ColumnCount(); }

std::string TTermWindow::Reading::ColumnHeader(int column) const {
    if (column < 0 || column >= ColumnCount()) return {};
    return platform::TrimPadding(window_.lines_[0][static_cast<std::size_t>(column)]);
}

std::string TTermWindow::Reading::RowHeader(int row) const {
    const std::vector<std::string> cells = window_.RowCells(row);
    if (cells.size() < 2) return {};
    if (row >= window_.StudentCount()) return kClassAverage;
    return platform::TrimPadding(cells[0]) + " " + platform::TrimPadding(cells[1]);
}

std::string TTermWindow::Reading::CellText(int row, int column) const {
    const std::vector<std::string> cells = window_.RowCells(row);
    if (column < 0 || static_cast<std::size_t>(column) >= cells.size()) return {};
    return platform::TrimPadding(cells[static_cast<std::size_t>(column)]);
}

std::optional<platform::CellPosition> TTermWindow::Reading::FocusedCell() const {
    if (RowCount() == 0) return std::nullopt;
    return window_.cursor_;
}

std::optional<platform::Rect> TTermWindow::Reading::CellRect(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return std::nullopt;
    return window_.CellInClient(row, column);
}

// ---------------------------------------------------------------- the command

void TermGradesCommand(platform::Ui& ui, platform::Frame& frame, const ClassRecord* active,
                       std::vector<std::unique_ptr<TTermWindow>>& windows, std::function<void()> closing) {
    TermChoice start;
    if (active && !active->fileName.empty()) {
        start.paths.push_back(active->fileName);
        start.classes.push_back({TermHeading(active->fileName), *active});
    }
    TTermGradesDialog dialog(ui, std::move(start));
    if (!ui.RunModal(dialog)) return;
    auto window = std::make_unique<TTermWindow>(ui, std::move(dialog.Choice()));
    frame.CreateFrameTopWindow(*window, window->Attributes());
    window->closed = [&windows, closing = std::move(closing)](TTermWindow& gone) {
        if (closing) closing();
        std::erase_if(windows, [&gone](const auto& owned) { return owned.get() == &gone; });
    };
    TTermWindow& shown = *window;
    windows.push_back(std::move(window));
    shown.Open();
}

}  // namespace quorle
