#pragma once
// File > Term Grades in the window: the Term Grades dialog chooses the class
// files of a term's grading periods (in order) and their weights; a window of
// its own then shows the term's table as `quorle term` prints it, with Print
// (the term report) and Export (the CSV of `quorle term -o`). The window
// belongs to no class window; several may be open, each gone when closed.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/TermCommand.h"
#include "platform/Accessible.h"
#include "platform/Dialog.h"
#include "platform/Frame.h"
#include "platform/TopWindow.h"
#include "platform/Ui.h"

namespace quorle {

// What the Term Grades dialog chose: the classes in term order (paths and
// the classes read from them) and one weight each.
struct TermChoice {
    std::vector<std::string> paths;
    std::vector<TermClass> classes;
    std::vector<double> weights;
};

// The Term Grades dialog. Add... reads a class file at once (a file that
// cannot be read gets its reading error and is not added); OK wants at least
// one class and weights that ParseTermWeights takes (empty: 1 each), else it
// says why and the dialog stays.
class TTermGradesDialog : public platform::Dialog {
public:
    TTermGradesDialog(platform::Ui& ui, TermChoice start);

    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;
    void Clicked(platform::DialogHost& host, int id) override;

    TermChoice& Choice() { return choice_; }

private:
    void Add(platform::DialogHost& host);
    // The list shows the classes with this one chosen.
    void Fill(platform::DialogHost& host, int chosen);

    platform::Ui& ui_;
    TermChoice choice_;
};

// The weights as the teacher typed them (spaces around each allowed; empty:
// 1 each), or nothing with the message that says why.
std::optional<std::vector<double>> TermWeightsFromText(const std::string& text, std::size_t classes,
                                                       std::string& message);

class TTermWindow : public platform::TopWindow {
public:
    TTermWindow(platform::Ui& ui, TermChoice choice);
    ~TTermWindow() override;

    // The caption, the menu, the keys and the help page.
    platform::TopWindowAttributes Attributes() const;
    // Sized to the table (as far as the screen allows), shown, its table
    // handed to a screen reader.
    void Open();

    // The lines shown, as BuildTermTable makes them in the order shown.
    const std::vector<ShowLine>& Lines() const { return lines_; }
    bool Ranked() const { return rank_; }
    // The cell the keyboard is on: a student's row (the class average after
    // them) and a column of the headings.
    platform::CellPosition Cursor() const { return cursor_; }

    // The classes as they stand in the class windows open on them (`current`
    // gives the class open on a file, or nothing): the table is made anew
    // when one of them changed, the keyboard staying on its cell.
    void Follow(const std::function<const ClassRecord*(const std::string& path)>& current);

    // File > Print: the print dialog, then the term report.
    void Print();
    // File > Export: the save-file dialog, then the table as CSV.
    void Export();
    // File > Close and the close box: hidden, then `closed` (which may let
    // the object go: nothing touches it after).
    void Close();
    std::function<void(TTermWindow&)> closed;

    // ---- TopWindow
    void Command(int id) override;
    void CloseBox() override { Close(); }
    void Paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    // The arrows, Tab, Page Up/Down, Home/End and Ctrl+Home/End move the cell
    // the keyboard is on, scrolling it into view.
    bool KeyDown(platform::Key key) override;
    void LeftClick(platform::Point point) override;
    bool Wheel(int lines) override;
    void Resized(platform::Size) override;
    int FrozenHeight() const override;

private:
    // The table as a screen reader reads it.
    class Reading : public platform::AccessibleTable {
    public:
        explicit Reading(TTermWindow& window) : window_(window) {}
        std::string TableName() const override;
        int RowCount() const override;
        int ColumnCount() const override;
        std::string ColumnHeader(int column) const override;
        std::string RowHeader(int row) const override;
        std::string CellText(int row, int column) const override;
        std::optional<platform::CellPosition> FocusedCell() const override;
        std::optional<platform::Rect> CellRect(int row, int column) const override;

    private:
        TTermWindow& window_;
    };

    struct Metrics {
        int w10 = 80;
        int h = 16;
    };
    Metrics Measure() const;
    void Build();
    void UpdateScroller();
    // The students, and the table's rows (with the class average's).
    int StudentCount() const;
    int RowCount() const;
    int ColumnCount() const { return lines_.empty() ? 0 : static_cast<int>(lines_[0].size()); }
    // The line of lines_ a row stands on, and the cells drawn on it.
    int LineOf(int row) const;
    std::vector<std::string> RowCells(int row) const;
    // The left edge of a column in the window (its own coordinates).
    int ColumnLeft(int column, const Metrics& m) const;
    // A cell in client coordinates (scrolled).
    platform::Rect CellInClient(int row, int column) const;
    void MoveCursor(int row, int column);

    platform::Ui& ui_;
    TermChoice choice_;
    bool rank_ = false;
    std::vector<ShowLine> lines_;
    // Each column's width in characters: its longest text and a space.
    std::vector<int> chars_;
    platform::CellPosition cursor_;
    Reading reading_{*this};
};

// File > Term Grades: the dialog (the active class's file chosen first when
// there is one), then a new term window, made with the frame and shown; it is
// kept in `windows` and taken out of it when it closes, when `closing` gives
// the keyboard back to a class window.
void TermGradesCommand(platform::Ui& ui, platform::Frame& frame, const ClassRecord* active,
                       std::vector<std::unique_ptr<TTermWindow>>& windows, std::function<void()> closing = {});

}  // namespace quorle
