#pragma once
// The two panes of a class window: the names pane (TNameWindow) on the left,
// with one line per roster row and a selection box per student, and the grades
// pane (TGradeWindow) on the right, with every shown grade and the computed
// columns. The grades pane scrolls both ways; the names pane follows it.
//
// Painting draws only the rows and columns inside the clip rectangle and
// computes figures only for those; hit testing is arithmetic, so a point hits
// exactly the rectangle a full paint would have put under it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Frame.h"
#include "platform/Window.h"
#include "grading/GradeColumns.h"
#include "record/ClassRecord.h"

namespace quorle {

// One clickable rectangle in pane coordinates (before scrolling).
struct TSquare {
    std::int32_t left = 0;
    std::int32_t right = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::int32_t first = 0;   // roster row, or category for a heading
    std::int32_t second = 0;  // grade entry number (0 for names)
    std::int32_t kind = 0;    // 0..5 grade cell of that category, 6 name cell, 7 grade heading
    friend bool operator==(const TSquare&, const TSquare&) = default;
};

inline constexpr int kKindName = 6;
inline constexpr int kKindHeading = 7;

// Left margin of the names pane's texts (the selection boxes stand in it).
inline constexpr int kNameMargin = 20;
// The first selection box's control id is this + 1 (box k has 1000 + k).
inline constexpr int kFirstSelectionBoxId = 1000;

// What the status bar says over the panes (outside a grade cell).
inline constexpr std::string_view kPaneHint = " Double Click Left Button to Change.  Right Button to Delete.";

// The row colours, red for row 0, then blue, then magenta, over and over.
platform::Color RowColor(int row);
// High contrast: the rows in darker red, blue and magenta, each at least
// 4.5 times as dark as the white under it (red and magenta are not). It is
// the teacher's setting, the same in every class window.
void SetHighContrastRows(bool on);
bool HighContrastRows();

// W15: width of 15 capital X; W10: width of 10; H: height of "X".
struct PaneMetrics {
    int w15 = 0;
    int w10 = 0;
    int h = 0;
};
PaneMetrics MeasurePane(platform::Canvas& canvas);

class TGradeWindow;

// What the panes' clicks ask of their class window: each gets the hit of the
// click (none when the point hit no rectangle).
class PaneEditing {
public:
    virtual ~PaneEditing() = default;
    virtual void NameDoubleClicked(const std::optional<TSquare>& hit) = 0;
    virtual void NameRightClicked(const std::optional<TSquare>& hit) = 0;
    virtual void GradeDoubleClicked(const std::optional<TSquare>& hit) = 0;
    virtual void GradeRightClicked(const std::optional<TSquare>& hit) = 0;
    // A value typed into a grade cell of roster row `row`: stored as the value
    // dialog stores it (one step, the class file written). False when nothing
    // was stored.
    virtual bool StoreGrade(int /*row*/, int /*category*/, int /*entry*/, float /*value*/) { return false; }
};

// The cell cursor of the panes: a roster row and a column of the grades pane
// (kNameColumn: the name in the names pane).
inline constexpr int kNameColumn = -1;
struct CellCursor {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellCursor&, const CellCursor&) = default;
};

// Why a grade as typed into a cell ("N/A" for omit) cannot be stored, or
// empty: digits with at most two decimals, at most 5 characters, not negative.
std::string_view GradeEntryRefusal(std::string_view text);

// Folds a Windows-1252 text for finding: lower case, accents dropped
// ("M\xFCller" is "muller").
std::string FoldForFind(std::string_view text);

class TNameWindow : public platform::Window {
public:
    TNameWindow(ClassRecord& record, platform::Frame* frame);

    void SetGrades(TGradeWindow* grades) { grades_ = grades; }
    void SetEditing(PaneEditing* editing) { editing_ = editing; }
    const std::string& FileName() const { return record_.fileName; }

    // The pane's own copy of the display flags (it uses First Name and ID #).
    void SetDisplayFlags(const DisplayFlags& flags) { flags_ = flags; }
    const DisplayFlags& Flags() const { return flags_; }
    bool ShowsFirstName() const { return flags_[kShowFirstName] != 0; }
    bool ShowsId() const { return flags_[kShowId] != 0; }
    // W15 + 20, plus W15 with first names, plus W15 / 3 with IDs.
    int PaneWidth(const PaneMetrics& m) const;

    // Selection boxes: box k (1-based) stands beside roster row k. A tick
    // belongs to its student: when rows move or go, the pane is told and the
    // ticks go with the students.
    void CreateSelectionBoxes();
    // A student appended to the roster gets a box, unticked.
    void AddSelectionBox();
    // The student of the row has left the roster: the ticks of the rows
    // below him move up a line and the last box goes.
    void RemoveSelectionBox(int row);
    // The rows were put in a new order: row k is now the student of row
    // from[k] before (from[0] is the Possible Points row's 0).
    void RowsReordered(const std::vector<int>& from);
    int SelectionBoxCount() const { return static_cast<int>(boxes_.size()); }
    int SelectionBoxId(int k) const;  // 0 when there is no box k
    bool IsSelected(int row) const;
    // Ticks (or clears) the box of a roster row.
    void SetSelected(int row, bool selected);

    // Scroll units and range: none across, H down; the range ends where the
    // last row stands fully in view.
    void UpdateScroller();
    // Puts every selection box beside its student's line in the order the
    // rows are shown.
    void PlaceSelectionBoxes();

    // The metrics of the pane's device context (8 x 16 font metrics without a host).
    PaneMetrics Metrics() const;

    void Paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    void MouseMove(platform::Point point) override;
    void LeftDoubleClick(platform::Point point) override;
    void RightClick(platform::Point point) override;
    bool KeyDown(platform::Key key) override;
    void LeftClick(platform::Point point) override;
    bool CharTyped(char c) override;
    bool Wheel(int lines) override;
    int FrozenHeight() const override;
    void CheckBoxClicked(int id) override;
    void Scrolled() override;
    void FocusLost() override;

    // Hit test of a client point: the current hit, or none.
    const std::optional<TSquare>& HitTest(platform::Point client);
    const std::optional<TSquare>& CurrentHit() const { return hit_; }
    void ClearHit() { hit_.reset(); }
    // The name rectangles of the last paint.
    const std::vector<TSquare>& Squares() const { return squares_; }

private:
    struct Box {
        int id = 0;
        int y = 0;
    };

    ClassRecord& record_;
    platform::Frame* frame_ = nullptr;
    TGradeWindow* grades_ = nullptr;
    PaneEditing* editing_ = nullptr;
    DisplayFlags flags_{};
    std::vector<Box> boxes_;
    std::vector<TSquare> squares_;
    std::optional<TSquare> hit_;
};

class TGradeWindow : public platform::Window {
public:
    TGradeWindow(ClassRecord& record, platform::Frame* frame);

    void SetNames(TNameWindow* names) { names_ = names; }
    void SetEditing(PaneEditing* editing) { editing_ = editing; }
    const std::string& FileName() const { return record_.fileName; }

    // One column of the pane, in painting order.
    using Column = GradeColumn;
    std::vector<Column> Columns() const;
    std::string Heading(const Column& column) const;

    // Scroll units W10 and H; the ranges end where the last column and the
    // last row stand fully in view.
    void UpdateScroller();
    // Told the pane's client size whenever it changes (the scroll bars come
    // and go with the ranges), so the names pane can stay as high as the rows
    // this pane shows.
    void SetViewportChanged(std::function<void(platform::Size)> changed) { viewportChanged_ = std::move(changed); }
    void Resized(platform::Size size) override;
    // Moves the names pane to this pane's line.
    void SyncNames();

    PaneMetrics Metrics() const;

    void Paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    void MouseMove(platform::Point point) override;
    void LeftDoubleClick(platform::Point point) override;
    void RightClick(platform::Point point) override;
    bool KeyDown(platform::Key key) override;
    void LeftClick(platform::Point point) override;
    bool CharTyped(char c) override;
    bool Wheel(int lines) override;
    int FrozenHeight() const override;
    void Scrolled() override;
    void FocusLost() override;

    // ---- rows in view
    // The heading line and the Possible Points row stay at the top while the
    // student rows scroll under them. Rows are shown in the view's order:
    // position 0 is always the Possible Points row.
    int RowAt(int position) const;
    int PositionOf(int row) const;
    // The pane y (before scrolling) where a position's line is drawn, for a
    // vertical scroll position.
    static int LineTop(int position, int yPos, int h);
    // The position shown on a client line (0 the heading line), or -1.
    int PositionOnLine(int line) const;

    // ---- the cell cursor
    // Shown from a single click on a cell or a key that starts it (Tab,
    // Shift+Tab, Enter, F2, Ctrl+Home, Ctrl+End); while it is shown the arrow,
    // Home/End and page keys move it, and Escape puts it away so those keys
    // scroll again.
    const std::optional<CellCursor>& Cursor() const { return cursor_; }
    // Puts the cursor on a roster row and column and scrolls it into view.
    void PutCursor(int row, int column);
    // Puts the cursor where a click put it, leaving the view as it is: the
    // cell stays under the mouse, for a double-click that follows.
    void PlaceCursor(int row, int column);
    void HideCursor();
    // While a screen reader reads the pane, Escape leaves the cursor shown:
    // the keyboard stays on a cell for the reader to follow.
    void KeepCursor() { keepCursor_ = true; }
    // A value being typed into the cursor's cell, as typed ("N/A" for omit).
    bool Entering() const { return entering_; }
    const std::string& EntryText() const { return entry_; }
    // The value being typed is stored, as leaving its cell stores it (true
    // too when nothing is typed). False when it cannot be: the value rule's
    // reason goes to the status bar and to `refusal` and the typing stays;
    // a store the class window refused (and said why) leaves `refusal` empty.
    bool FinishEntry(std::string* refusal = nullptr);
    // The status bar's figures for the cursor's column ("HW 2: 24 grades  Mean
    // 8.21  Median 8.50  Low 4.00  High 10.00").
    std::string ColumnFigures() const;
    // What the status bar says of the cursor: the column's figures, or for a
    // grade above its points possible that it is ("100.00 is more than the
    // 10.00 points possible for Quiz 1"); the panes' hint without a cursor.
    std::string CursorStatus() const;
    void ShowCursorStatus();
    // The grade column the cursor stands in (none on a name or a figure).
    std::optional<GradeColumn> CursorColumn() const;
    // The index of the column showing grade (category, entry), if shown.
    std::optional<int> ColumnOf(int category, int entry) const;
    // The column at `column` was deleted: the cursor keeps to its grade, or,
    // when it stood on the deleted one, to the same place within the columns.
    void ColumnRemoved(int column);

    // Puts the cursor on the next student, in the view's order after the
    // cursor's row and round from the top again, whose last or first name
    // contains `part` whatever its case and accents. False when none does.
    bool FindStudent(std::string_view part);

    // ---- the order of the rows on screen (the class and its file keep
    // the roster order)
    // Sorts the rows by the cursor's column: highest first for figures, A to
    // Z for names, omitted grades last; the same column again reverses.
    void SortByCursorColumn();
    // Back to the roster order.
    void ShowRosterOrder();
    // The roster changed its rows (added, dropped, moved, replaced): the
    // view goes back to the roster order and the cursor stays in the roster.
    void RosterChanged();
    // The sorted column (kNameColumn for names), or none in roster order.
    std::optional<int> SortColumn() const { return sortColumn_; }
    bool SortedDescending() const { return descending_; }

    // Hit test of a client point: headings first, then cells.
    const std::optional<TSquare>& HitTest(platform::Point client);
    const std::optional<TSquare>& CurrentHit() const { return hit_; }
    void ClearHit() { hit_.reset(); }
    // The rectangles of the last paint.
    const std::vector<TSquare>& HeadingSquares() const { return headings_; }
    const std::vector<TSquare>& CellSquares() const { return cells_; }

private:
    // The grade column at index c (category, entry), if c is one.
    std::optional<Column> GradeColumnAt(int c) const;
    int ColumnCount() const { return static_cast<int>(Columns().size()); }
    // Moves the cursor by positions and columns (starting it when hidden).
    void MoveCursor(int positionTo, int column);
    void SetCursor(int row, int column);
    void ScrollCursorIntoView();
    void CursorMoved();
    // The cell under the cursor as a click would hit it (none on a computed column).
    std::optional<TSquare> CursorCell() const;
    bool StartCursor();
    // Entry in place: a character, and the entry stored or left.
    bool EntryChar(char c);
    bool StoreEntry(std::string* refusal = nullptr, bool showStatus = true);
    void LeaveEntry();
    // The typed text changed, or the typing ended: repainted and announced.
    void EntryChanged();
    void PaintCursor(platform::Canvas& canvas, const PaneMetrics& m);
    void SortRows();

    ClassRecord& record_;
    platform::Frame* frame_ = nullptr;
    TNameWindow* names_ = nullptr;
    std::function<void(platform::Size)> viewportChanged_;
    PaneEditing* editing_ = nullptr;
    std::vector<TSquare> headings_;
    std::vector<TSquare> cells_;
    std::optional<TSquare> hit_;
    std::optional<CellCursor> cursor_;
    bool entering_ = false;
    bool keepCursor_ = false;
    std::string entry_;
    // The view's order: order_[position] is a roster row, positions_[row]
    // its position (both empty: roster order).
    std::vector<int> order_;
    std::vector<int> positions_;
    std::optional<int> sortColumn_;
    bool descending_ = true;
};

// Lays the panes out in the class window's client area: the names pane at
// the left with its width, the grades pane from there to the right edge, both
// the full height; the grades pane goes back to its first column and line.
void LayoutPanes(platform::ChildHost& host, TNameWindow& names, TGradeWindow& grades, const DisplayFlags& flags,
                 platform::Size client);

}  // namespace quorle
