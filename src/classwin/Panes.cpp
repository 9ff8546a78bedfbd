#include "classwin/Panes.h"

#include <algorithm>
#include <numeric>

#include "grading/Compute.h"
#include "platform/Dialog.h"
#include "record/DecimalText.h"
#include "resources/EditDialogs.h"

#include "classwin/PaneAccessibility.h"

namespace quorle {

using platform::Canvas;
using platform::Key;
using platform::Point;
using platform::Rect;

namespace {

constexpr std::string_view kW15Text = "XXXXXXXXXXXXXXX";
constexpr std::string_view kW10Text = "XXXXXXXXXX";

PaneMetrics Sane(PaneMetrics m) {
    m.w15 = std::max(1, m.w15);
    m.w10 = std::max(1, m.w10);
    m.h = std::max(1, m.h);
    return m;
}

PaneMetrics HostMetrics(const platform::Window& window) {
    if (platform::WindowHost* host = window.Host()) return MeasurePane(host->MeasuringCanvas());
    return PaneMetrics{120, 80, 16};
}

// The positions whose line meets the clip: the Possible Points row (position
// 0, frozen under the heading line) and the student positions scrolled into
// view below it.
std::vector<int> VisiblePositions(const Rect& clip, int h, int rows, int yPos) {
    std::vector<int> out;
    if (clip.bottom <= clip.top || rows <= 0) return out;
    const int frozenTop = TGradeWindow::LineTop(0, yPos, h);
    if (clip.top < frozenTop + h && clip.bottom > frozenTop) out.push_back(0);
    const int first = std::max({1, yPos + 1, clip.top / h - 1});
    const int last = std::min(rows - 1, (clip.bottom - 1) / h - 1);
    for (int p = first; p <= last; ++p) out.push_back(p);
    return out;
}

// Whether the heading line (frozen at the top of the view) meets the clip.
bool HeadingInClip(const Rect& clip, int h, int yPos) {
    return clip.bottom > clip.top && clip.top < (yPos + 1) * h && clip.bottom > yPos * h;
}

// The order mark of a sorted column: a small triangle just after its
// heading's text (left is where the text ends, room how far the column goes
// on), pointing down for highest (or Z) first and up for lowest (or A) first,
// drawn with lines so that every font shows it.
void DrawSortMark(Canvas& canvas, int left, int room, int top, int h, bool down) {
    const int size = std::max(2, std::min(h / 4, (room - 2) / 2));
    const int cx = left + 2 + size;
    const int cy = top + h / 2;
    const int flat = down ? cy - size / 2 : cy + size / 2;
    const int tip = down ? cy + size / 2 + 1 : cy - size / 2 - 1;
    canvas.Line(cx - size, flat, cx + size, flat);
    canvas.Line(cx - size, flat, cx, tip);
    canvas.Line(cx + size, flat, cx, tip);
}

// The cursor's frame: two pixels wide, inside the cell, in the text colour.
void DrawCursorFrame(Canvas& canvas, int left, int top, int right, int bottom) {
    canvas.Rectangle(Rect{left + 1, top + 1, right - 1, bottom - 1}, 2);
}

constexpr std::string_view kNegativeRefusal = "A grade cannot be negative.";
constexpr std::string_view kLengthRefusal = "A grade has at most 5 characters.";
static_assert(resources::kValueLimit == 5);
constexpr std::string_view kNoDigitRefusal = "Type a number for the grade, or N for N/A.";


// A student's grade above the points possible for it (extra credit): what
// the status bar says of it, or empty.
std::string AbovePossibleText(const TStudent& possible, const TStudent& row, int category, int entry) {
    const auto e = static_cast<std::size_t>(entry);
    if (e >= possible.scores[category].size() || e >= row.scores[category].size()) return {};
    const float most = possible.scores[category][e].value;
    const float value = row.scores[category][e].value;
    if (IsOmitted(most) || IsOmitted(value) || !(value > most)) return {};
    auto figure = [](float v) {
        std::string text = FormatScore(v);
        text.erase(0, text.find_first_not_of(' '));
        return text;
    };
    return figure(value) + " is more than the " + figure(most) + " points possible for " +
           possible.scores[category][e].title.Str();
}

// The mark of a grade above its points possible: a small solid triangle in
// the cell's top right corner, inside where the cursor's frame goes.
void DrawAboveMark(Canvas& canvas, int right, int top, int h) {
    const int size = std::max(3, h / 3);
    const int x = right - 5;
    const int y = top + 4;
    for (int i = 0; i <= size; ++i) canvas.Line(x - size + i, y + i, x, y + i);
}

// Whether the point lies strictly inside the span (lo, hi).
bool Inside(int v, int lo, int hi) { return lo < v && v < hi; }

// Pane coordinates of a client point: the scroll offset added.
Point ToPane(const platform::Window& w, Point client) {
    const auto& s = w.GetScroller();
    return Point{client.x + s.xPos * s.xUnit, client.y + s.yPos * s.yUnit};
}

bool SetScroller(platform::Window& w, int xUnit, int yUnit, int xRange, int yRange) {
    auto& s = w.GetScroller();
    const int xPos = std::clamp(s.xPos, 0, std::max(0, xRange));
    const int yPos = std::clamp(s.yPos, 0, std::max(0, yRange));
    if (s.xUnit == xUnit && s.yUnit == yUnit && s.xRange == xRange && s.yRange == yRange && s.xPos == xPos &&
        s.yPos == yPos)
        return false;
    s.xUnit = xUnit;
    s.yUnit = yUnit;
    s.xRange = xRange;
    s.yRange = yRange;
    s.xPos = xPos;
    s.yPos = yPos;
    if (w.Host()) w.Host()->ScrollerChanged();
    return true;
}


}  // namespace

namespace {
bool highContrastRows = false;
}  // namespace

void SetHighContrastRows(bool on) { highContrastRows = on; }
bool HighContrastRows() { return highContrastRows; }

platform::Color RowColor(int row) {
    static constexpr platform::Color kCycle[3] = {platform::kRed, platform::kBlue, platform::kMagenta};
    static constexpr platform::Color kDarkCycle[3] = {{176, 0, 0}, {0, 0, 192}, {144, 0, 144}};
    // Chosen by index first: GCC's sanitized debug code picks the wrong
    // element when the array itself is the choice of a conditional.
    const int k = ((row % 3) + 3) % 3;
    if (highContrastRows) return kDarkCycle[k];
    return kCycle[k];
}

std::string FoldForFind(std::string_view text) {
    // Windows-1252 letters with accents, folded to their plain letter.
    static constexpr std::string_view kFrom =
        "\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDF\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFF";
    static constexpr std::string_view kTo = "sozsozyaaaaaaaceeeeiiiidnoooooouuuuysaaaaaaaceeeeiiiidnoooooouuuuyy";
    static_assert(kFrom.size() == kTo.size());
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c >= 'A' && c <= 'Z') {
            out.push_back(static_cast<char>(c - 'A' + 'a'));
            continue;
        }
        const std::size_t at = kFrom.find(c);
        out.push_back(at == std::string_view::npos ? c : kTo[at]);
    }
    return out;
}

PaneMetrics MeasurePane(Canvas& canvas) {
    PaneMetrics m;
    m.w15 = canvas.TextExtent(kW15Text).cx;
    m.w10 = canvas.TextExtent(kW10Text).cx;
    m.h = canvas.TextExtent("X").cy;
    return Sane(m);
}

// ---------------------------------------------------------------- names pane

TNameWindow::TNameWindow(ClassRecord& record, platform::Frame* frame) : record_(record), frame_(frame) {
    flags_ = record.display;
}

int TNameWindow::PaneWidth(const PaneMetrics& m) const {
    int width = m.w15 + kNameMargin;
    if (ShowsFirstName()) width += m.w15;
    if (ShowsId()) width += m.w15 / 3;
    return width;
}

PaneMetrics TNameWindow::Metrics() const { return Sane(HostMetrics(*this)); }

void TNameWindow::CreateSelectionBoxes() {
    if (grades_) grades_->RosterChanged();
    platform::WindowHost* host = Host();
    if (host)
        for (const Box& box : boxes_) host->RemoveCheckBox(box.id);
    boxes_.clear();
    const int h = Metrics().h;
    for (int k = 1; k <= record_.StudentCount(); ++k) {
        Box box{kFirstSelectionBoxId + k, (k + 1) * h};
        boxes_.push_back(box);
        if (host) {
            host->AddCheckBox(box.id, Rect{0, box.y, h, box.y + h});
            host->SetCheckBoxChecked(box.id, false);
        }
    }
}

void TNameWindow::AddSelectionBox() {
    const int h = Metrics().h;
    Box box = boxes_.empty() ? Box{kFirstSelectionBoxId + 1, 2 * h} : Box{boxes_.back().id + 1, boxes_.back().y + h};
    boxes_.push_back(box);
    if (platform::WindowHost* host = Host()) {
        host->AddCheckBox(box.id, Rect{0, box.y, h, box.y + h});
        host->SetCheckBoxChecked(box.id, false);
    }
    if (grades_) grades_->RosterChanged();
    UpdateScroller();
    Invalidate();
}

void TNameWindow::RemoveSelectionBox(int row) {
    if (boxes_.empty()) return;
    for (int k = std::max(row, 1); k < SelectionBoxCount(); ++k) SetSelected(k, IsSelected(k + 1));
    if (platform::WindowHost* host = Host()) host->RemoveCheckBox(boxes_.back().id);
    boxes_.pop_back();
    if (grades_) grades_->RosterChanged();
    UpdateScroller();
    Invalidate();
}

void TNameWindow::RowsReordered(const std::vector<int>& from) {
    std::vector<bool> before(boxes_.size() + 1, false);
    for (int k = 1; k <= SelectionBoxCount(); ++k) before[static_cast<std::size_t>(k)] = IsSelected(k);
    for (int k = 1; k <= SelectionBoxCount() && k < static_cast<int>(from.size()); ++k) {
        const int old = from[static_cast<std::size_t>(k)];
        SetSelected(k, old >= 1 && old <= SelectionBoxCount() && before[static_cast<std::size_t>(old)]);
    }
    if (grades_) grades_->RosterChanged();
}

void TNameWindow::PlaceSelectionBoxes() {
    const int h = Metrics().h;
    for (int k = 1; k <= SelectionBoxCount(); ++k) {
        Box& box = boxes_[static_cast<std::size_t>(k - 1)];
        const int position = grades_ ? grades_->PositionOf(k) : k;
        const int y = (position + 1) * h;
        if (box.y == y) continue;
        box.y = y;
        if (platform::WindowHost* host = Host()) host->MoveCheckBox(box.id, Rect{0, y, h, y + h});
    }
}

void TNameWindow::SetSelected(int row, bool selected) {
    const int id = SelectionBoxId(row);
    if (id != 0 && Host()) Host()->SetCheckBoxChecked(id, selected);
}

int TNameWindow::SelectionBoxId(int k) const {
    if (k < 1 || k > SelectionBoxCount()) return 0;
    return boxes_[static_cast<std::size_t>(k - 1)].id;
}

bool TNameWindow::IsSelected(int row) const {
    const int id = SelectionBoxId(row);
    return id != 0 && Host() && Host()->IsCheckBoxChecked(id);
}

namespace {

// The scroll range over `count` items of which `visible` whole ones fit: it
// ends with the last item fully in view. Without a size, the last item alone.
int RangeToLast(int count, int visible) { return std::max(0, count - std::max(1, visible)); }

platform::Size ViewOf(const platform::Window& w) { return w.Host() ? w.Host()->ClientSize() : platform::Size{}; }

}  // namespace

void TNameWindow::UpdateScroller() {
    const int h = Metrics().h;
    // The heading line and every roster row.
    SetScroller(*this, 0, h, 0, RangeToLast(record_.RowCount() + 1, ViewOf(*this).cy / h));
}

int TNameWindow::FrozenHeight() const { return 2 * Metrics().h; }

void TNameWindow::Paint(Canvas& canvas, const Rect& clip) {
    squares_.clear();
    const PaneMetrics m = MeasurePane(canvas);
    const int firstX = kNameMargin + m.w15;
    const int idX = ShowsFirstName() ? kNameMargin + 2 * m.w15 : kNameMargin + m.w15;
    const int yPos = scroller_.yPos;

    if (HeadingInClip(clip, m.h, yPos)) {
        const int y = yPos * m.h;
        canvas.SetDefaultTextColor();
        canvas.TextOut(kNameMargin, y, "Last Name");
        if (ShowsFirstName()) canvas.TextOut(firstX, y, "First Name");
        if (ShowsId()) canvas.TextOut(idX, y, "ID #");
        if (grades_ && grades_->SortColumn() == kNameColumn)
            DrawSortMark(canvas, kNameMargin + canvas.TextExtent("Last Name").cx,
                         m.w15 - canvas.TextExtent("Last Name").cx, y, m.h, grades_->SortedDescending());
    }


    for (const int p : VisiblePositions(clip, m.h, record_.RowCount(), yPos)) {
        const int j = grades_ ? grades_->RowAt(p) : p;
        const TStudent& row = record_.Row(j);
        const int y = TGradeWindow::LineTop(p, yPos, m.h);
        canvas.SetTextColor(RowColor(j));
        canvas.TextOut(kNameMargin, y, row.lastName.View());
        squares_.push_back(TSquare{kNameMargin, kNameMargin + m.w15, y, y + m.h, j, 0, kKindName});
        if (ShowsFirstName()) {
            canvas.TextOut(firstX, y, row.firstName.View());
            squares_.push_back(TSquare{firstX, firstX + m.w15, y, y + m.h, j, 0, kKindName});
        }
        if (ShowsId()) {
            canvas.TextOut(idX, y, row.id.View());
            squares_.push_back(TSquare{idX, idX + m.w15 / 3, y, y + m.h, j, 0, kKindName});
        }
    }

    // The cursor on a name.
    if (grades_ && grades_->Cursor() && grades_->Cursor()->column == kNameColumn) {
        const int p = grades_->PositionOf(grades_->Cursor()->row);
        if (p == 0 || p > yPos) {
            const int y = TGradeWindow::LineTop(p, yPos, m.h);
            DrawCursorFrame(canvas, kNameMargin - 2, y, kNameMargin + m.w15, y + m.h);
        }
    }
    canvas.SetDefaultTextColor();
    // Every box is named after the student beside it, for a screen reader.
    if (platform::WindowHost* host = Host())
        for (int k = 1; k <= SelectionBoxCount() && k < record_.RowCount(); ++k)
            host->SetCheckBoxName(SelectionBoxId(k), SelectionBoxName(record_.Row(k)));
}

const std::optional<TSquare>& TNameWindow::HitTest(Point client) {
    hit_.reset();
    const PaneMetrics m = Metrics();
    const Point p = ToPane(*this, client);
    if (client.y <= 0 || client.y % m.h == 0) return hit_;
    const int position = grades_ ? grades_->PositionOnLine(client.y / m.h)
                                 : (client.y / m.h >= 1 && client.y / m.h - 1 < record_.RowCount() ? client.y / m.h - 1 : -1);
    if (position < 0 || position >= record_.RowCount()) return hit_;
    const int j = grades_ ? grades_->RowAt(position) : position;
    const int top = TGradeWindow::LineTop(position, scroller_.yPos, m.h);
    auto tryCell = [&](int left, int width) {
        if (!hit_ && Inside(p.x, left, left + width))
            hit_ = TSquare{left, left + width, top, top + m.h, j, 0, kKindName};
    };
    tryCell(kNameMargin, m.w15);
    if (ShowsFirstName()) tryCell(kNameMargin + m.w15, m.w15);
    if (ShowsId()) tryCell(ShowsFirstName() ? kNameMargin + 2 * m.w15 : kNameMargin + m.w15, m.w15 / 3);
    return hit_;
}

void TNameWindow::MouseMove(Point) {
    if (frame_) frame_->SetStatusText(kPaneHint);
}

void TNameWindow::LeftDoubleClick(Point point) {
    const std::optional<TSquare> hit = HitTest(point);
    hit_.reset();
    if (grades_ && !grades_->FinishEntry()) return;
    if (editing_) editing_->NameDoubleClicked(hit);
    hit_.reset();
}

void TNameWindow::RightClick(Point point) {
    const std::optional<TSquare> hit = HitTest(point);
    hit_.reset();
    if (grades_ && !grades_->FinishEntry()) return;
    if (editing_) editing_->NameRightClicked(hit);
    hit_.reset();
}

void TNameWindow::LeftClick(Point point) {
    const std::optional<TSquare> hit = HitTest(point);
    hit_.reset();
    if (!hit || !grades_) return;
    // A value being typed is stored first, as a click on another cell stores it.
    if (!grades_->FinishEntry()) return;
    // The cursor goes to the student's row, in the column it stands in.
    grades_->PlaceCursor(hit->first, grades_->Cursor() ? grades_->Cursor()->column : kNameColumn);
}

bool TNameWindow::KeyDown(Key key) { return grades_ ? grades_->KeyDown(key) : false; }

bool TNameWindow::CharTyped(char c) { return grades_ ? grades_->CharTyped(c) : false; }

bool TNameWindow::Wheel(int lines) { return grades_ ? grades_->Wheel(lines) : false; }

void TNameWindow::CheckBoxClicked(int) {
    if (platform::WindowHost* host = Host()) host->SetFocus();
}

void TNameWindow::FocusLost() {
    if (grades_) grades_->FocusLost();
}

void TNameWindow::Scrolled() {
    // The names pane scrolled on its own (a mouse wheel): the grades pane follows.
    if (grades_ && grades_->GetScroller().yPos != scroller_.yPos)
        grades_->ScrollTo(grades_->GetScroller().xPos, scroller_.yPos);
}

// --------------------------------------------------------------- grades pane

TGradeWindow::TGradeWindow(ClassRecord& record, platform::Frame* frame) : record_(record), frame_(frame) {}

PaneMetrics TGradeWindow::Metrics() const { return Sane(HostMetrics(*this)); }

std::vector<TGradeWindow::Column> TGradeWindow::Columns() const { return GradeColumns(record_, record_.display); }

std::optional<TGradeWindow::Column> TGradeWindow::GradeColumnAt(int index) const {
    if (index < 0) return std::nullopt;
    const std::vector<Column> columns = Columns();
    if (static_cast<std::size_t>(index) >= columns.size()) return std::nullopt;
    const Column& column = columns[static_cast<std::size_t>(index)];
    if (column.type != Column::Grade) return std::nullopt;
    return column;
}

std::string TGradeWindow::Heading(const Column& col) const { return GradeColumnHeading(record_, col); }

void TGradeWindow::UpdateScroller() {
    const PaneMetrics m = Metrics();
    const int columns = static_cast<int>(Columns().size());
    const platform::Size view = ViewOf(*this);
    SetScroller(*this, m.w10, m.h, RangeToLast(columns, view.cx / m.w10), RangeToLast(record_.RowCount() + 1, view.cy / m.h));
}

void TGradeWindow::Resized(platform::Size size) {
    UpdateScroller();
    if (viewportChanged_) viewportChanged_(size);
    SyncNames();
}

void TGradeWindow::SyncNames() {
    if (!names_) return;
    names_->UpdateScroller();
    if (names_->GetScroller().yPos != scroller_.yPos) names_->ScrollTo(0, scroller_.yPos);
}

int TGradeWindow::FrozenHeight() const { return 2 * Metrics().h; }

// ---------------------------------------------------------------- rows in view

int TGradeWindow::RowAt(int position) const {
    if (order_.size() != static_cast<std::size_t>(record_.RowCount())) return position;
    if (position < 0 || position >= static_cast<int>(order_.size())) return position;
    return order_[static_cast<std::size_t>(position)];
}

int TGradeWindow::PositionOf(int row) const {
    if (positions_.size() != static_cast<std::size_t>(record_.RowCount())) return row;
    if (row < 0 || row >= static_cast<int>(positions_.size())) return row;
    return positions_[static_cast<std::size_t>(row)];
}

int TGradeWindow::LineTop(int position, int yPos, int h) {
    // The Possible Points row stands under the heading line, wherever the
    // rows are scrolled; the others at their own lines.
    return position == 0 ? (yPos + 1) * h : (position + 1) * h;
}

int TGradeWindow::PositionOnLine(int line) const {
    if (line == 1) return record_.RowCount() > 0 ? 0 : -1;
    if (line < 2) return -1;
    const int position = line - 1 + scroller_.yPos;
    return position < record_.RowCount() ? position : -1;
}

// ---------------------------------------------------------------- painting

void TGradeWindow::Paint(Canvas& canvas, const Rect& clip) {
    headings_.clear();
    cells_.clear();
    SyncNames();
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;

    const PaneMetrics m = MeasurePane(canvas);
    const std::vector<Column> columns = Columns();
    const int count = static_cast<int>(columns.size());
    // The column left of the clip is drawn too when its text reaches into it.
    const int firstVisible = std::max(0, clip.left / m.w10);
    const int first = std::max(0, firstVisible - 1);
    const int last = std::min(count - 1, (clip.right - 1) / m.w10);
    if (first > last) return;
    const int yPos = scroller_.yPos;

    auto draw = [&](int c, int y, const std::string& text) {
        const int x = c * m.w10;
        if (text.empty()) return false;
        if (c < firstVisible && x + canvas.TextExtent(text).cx <= clip.left) return false;
        canvas.TextOut(x, y, text);
        return true;
    };

    if (HeadingInClip(clip, m.h, yPos)) {
        const int y = yPos * m.h;
        canvas.SetDefaultTextColor();
        // A heading keeps a space's gap before the next column: it is cut
        // only when, with a space after it, it would be wider than its
        // column in the pane's own font. (Measured together, so that fonts
        // with fractional widths neither cut a nine-character heading nor let
        // the space round away.)
        auto fit = [&](std::string text) {
            while (text.size() > 1 && canvas.TextExtent(text + " ").cx > m.w10) text.pop_back();
            return text;
        };
        for (int c = first; c <= last; ++c) {
            const Column& col = columns[static_cast<std::size_t>(c)];
            const std::string heading = fit(Heading(col));
            draw(c, y, heading);
            if (sortColumn_ == c) {
                const int width = canvas.TextExtent(heading).cx;
                DrawSortMark(canvas, c * m.w10 + width, m.w10 - width, y, m.h, descending_);
            }
            if (col.type == Column::Grade && c >= firstVisible)
                headings_.push_back(TSquare{c * m.w10, (c + 1) * m.w10, y, y + m.h, col.category, col.entry, kKindHeading});
        }
    }

    const std::vector<int> positions = VisiblePositions(clip, m.h, record_.RowCount(), yPos);
    if (positions.empty()) {
        canvas.SetDefaultTextColor();
        PaintCursor(canvas, m);
        return;
    }
    const TStudent& possible = record_.PossibleRow();
    for (const int p : positions) {
        const int j = RowAt(p);
        const TStudent& row = record_.Row(j);
        const int y = LineTop(p, yPos, m.h);
        canvas.SetTextColor(RowColor(j));
        GradeRowFigures figures(record_.grading, possible, row, j == 0);
        const bool entryRow = entering_ && cursor_ && cursor_->row == j;
        for (int c = first; c <= last; ++c) {
            const Column& col = columns[static_cast<std::size_t>(c)];
            if (entryRow && cursor_->column == c) {
                // The value being typed, as typed, with a caret after it.
                canvas.TextOut(c * m.w10, y, entry_);
                const int caret = c * m.w10 + canvas.TextExtent(entry_).cx + 1;
                canvas.Line(caret, y + 2, caret, y + m.h - 2);
            } else {
                draw(c, y, figures.Text(col));
                if (col.type == Column::Grade && j > 0 &&
                    !AbovePossibleText(possible, row, col.category, col.entry).empty())
                    DrawAboveMark(canvas, (c + 1) * m.w10, y, m.h);
            }
            if (col.type == Column::Grade && c >= firstVisible &&
                static_cast<std::size_t>(col.entry) < row.scores[col.category].size())
                cells_.push_back(TSquare{c * m.w10, (c + 1) * m.w10, y, y + m.h, j, col.entry, col.category});
        }
    }
    canvas.SetDefaultTextColor();
    PaintCursor(canvas, m);
}

void TGradeWindow::PaintCursor(Canvas& canvas, const PaneMetrics& m) {
    if (!cursor_ || cursor_->column < 0) return;
    const int p = PositionOf(cursor_->row);
    if (p != 0 && p <= scroller_.yPos) return;  // scrolled under the frozen lines
    const int y = LineTop(p, scroller_.yPos, m.h);
    DrawCursorFrame(canvas, cursor_->column * m.w10, y, (cursor_->column + 1) * m.w10, y + m.h);
}

// ---------------------------------------------------------------- mouse

const std::optional<TSquare>& TGradeWindow::HitTest(Point client) {
    hit_.reset();
    const PaneMetrics m = Metrics();
    const Point p = ToPane(*this, client);
    if (p.x <= 0 || client.y <= 0 || p.x % m.w10 == 0 || client.y % m.h == 0) return hit_;
    const int c = p.x / m.w10;
    const auto col = GradeColumnAt(c);
    if (!col) return hit_;
    const int left = c * m.w10;
    // Headings first.
    if (client.y < m.h) {
        const int top = scroller_.yPos * m.h;
        hit_ = TSquare{left, left + m.w10, top, top + m.h, col->category, col->entry, kKindHeading};
        return hit_;
    }
    const int position = PositionOnLine(client.y / m.h);
    if (position < 0) return hit_;
    const int j = RowAt(position);
    if (static_cast<std::size_t>(col->entry) >= record_.Row(j).scores[col->category].size()) return hit_;
    const int top = LineTop(position, scroller_.yPos, m.h);
    hit_ = TSquare{left, left + m.w10, top, top + m.h, j, col->entry, col->category};
    return hit_;
}

void TGradeWindow::MouseMove(Point point) {
    const auto& hit = HitTest(point);
    if (!frame_) return;
    if (!hit) {
        frame_->SetStatusText(kPaneHint);
        return;
    }
    if (hit->kind == kKindHeading) return;
    const TStudent& row = record_.Row(hit->first);
    const TGrades& entry = row.scores[hit->kind][static_cast<std::size_t>(hit->second)];
    frame_->SetStatusText(row.firstName.Str() + " " + row.lastName.Str() + "/" + entry.title.Str());
}

void TGradeWindow::LeftDoubleClick(Point point) {
    const std::optional<TSquare> hit = HitTest(point);
    hit_.reset();
    // A value typed (which the press before stores) is never dropped unseen.
    if (!FinishEntry()) return;
    if (editing_) editing_->GradeDoubleClicked(hit);
    hit_.reset();
}

void TGradeWindow::RightClick(Point point) {
    const std::optional<TSquare> hit = HitTest(point);
    hit_.reset();
    if (!FinishEntry()) return;
    if (editing_) editing_->GradeRightClicked(hit);
    hit_.reset();
}

void TGradeWindow::LeftClick(Point point) {
    const PaneMetrics m = Metrics();
    const Point p = ToPane(*this, point);
    if (p.x < 0 || point.y < m.h) return;
    const int c = p.x / m.w10;
    const int position = PositionOnLine(point.y / m.h);
    if (c >= ColumnCount() || position < 0) return;
    // A value being typed elsewhere is stored first, as a spreadsheet does.
    if (!FinishEntry()) return;
    PlaceCursor(RowAt(position), c);
}

bool TGradeWindow::Wheel(int lines) {
    ScrollBy(0, lines);
    SyncNames();
    return true;
}

void TGradeWindow::Scrolled() { SyncNames(); }

// ---------------------------------------------------------------- the cell cursor

void TGradeWindow::SetCursor(int row, int column) {
    if (entering_) LeaveEntry();
    cursor_ = CellCursor{std::clamp(row, 0, record_.RowCount() - 1),
                         std::clamp(column, kNameColumn, std::max(kNameColumn, ColumnCount() - 1))};
}

void TGradeWindow::PutCursor(int row, int column) {
    if (record_.RowCount() == 0) return;
    SetCursor(row, column);
    ScrollCursorIntoView();
    CursorMoved();
}

void TGradeWindow::PlaceCursor(int row, int column) {
    if (record_.RowCount() == 0) return;
    SetCursor(row, column);
    SyncNames();
    CursorMoved();
}

void TGradeWindow::HideCursor() {
    if (entering_) LeaveEntry();
    if (!cursor_) return;
    cursor_.reset();
    Invalidate();
    if (names_) names_->Invalidate();
    if (frame_) frame_->SetStatusText(kPaneHint);
}

void TGradeWindow::ScrollCursorIntoView() {
    if (!cursor_) return;
    const PaneMetrics m = Metrics();
    const platform::Size view = ViewOf(*this);
    int x = scroller_.xPos;
    int y = scroller_.yPos;
    const int p = PositionOf(cursor_->row);
    if (p > 0) {
        const int bodyLines = std::max(1, view.cy / m.h - 2);
        if (p <= y) y = p - 1;
        else if (p > y + bodyLines) y = p - bodyLines;
    }
    if (cursor_->column >= 0) {
        const int across = std::max(1, view.cx / m.w10);
        if (cursor_->column < x) x = cursor_->column;
        else if (cursor_->column >= x + across) x = cursor_->column - across + 1;
    }
    if (x != scroller_.xPos || y != scroller_.yPos) ScrollTo(x, y);
    SyncNames();
}

void TGradeWindow::CursorMoved() {
    Invalidate();
    if (names_) names_->Invalidate();
    if (cursor_) ShowCursorStatus();
    // A screen reader follows the cursor as the focused cell of the table.
    if (Host()) Host()->AccessibleFocusChanged();
}

bool TGradeWindow::StartCursor() {
    if (cursor_ || record_.RowCount() == 0) return false;
    // On the first student line in view (the Possible Points row when the
    // class has no students), in the first column in view.
    const int position = std::min(record_.RowCount() - 1, scroller_.yPos + 1);
    PutCursor(RowAt(position), std::min(scroller_.xPos, ColumnCount() - 1));
    return true;
}

void TGradeWindow::MoveCursor(int positionTo, int column) {
    if (!cursor_) return;
    const int position = std::clamp(positionTo, 0, std::max(0, record_.RowCount() - 1));
    PutCursor(RowAt(position), column);
}

std::optional<TSquare> TGradeWindow::CursorCell() const {
    if (!cursor_) return std::nullopt;
    const auto col = GradeColumnAt(cursor_->column);
    if (!col || cursor_->row >= record_.RowCount()) return std::nullopt;
    if (static_cast<std::size_t>(col->entry) >= record_.Row(cursor_->row).scores[col->category].size())
        return std::nullopt;
    const PaneMetrics m = Metrics();
    const int top = LineTop(PositionOf(cursor_->row), scroller_.yPos, m.h);
    const int left = cursor_->column * m.w10;
    return TSquare{left, left + m.w10, top, top + m.h, cursor_->row, col->entry, col->category};
}

bool TGradeWindow::KeyDown(Key key) {
    const auto& s = scroller_;
    int page = 1;
    if (Host() && s.yUnit > 0) page = std::max(1, Host()->ClientSize().cy / s.yUnit);
    if (entering_) {
        switch (key) {
            case Key::Escape: LeaveEntry(); return true;
            case Key::Backspace:
                if (entry_ == "N/A") entry_.clear();
                else if (!entry_.empty()) entry_.pop_back();
                EntryChanged();
                return true;
            case Key::Enter:
            case Key::Down:
            case Key::Up:
            case Key::Tab:
            case Key::BackTab: {
                const CellCursor at = *cursor_;
                if (!StoreEntry()) return true;
                const int p = PositionOf(at.row);
                if (key == Key::Enter || key == Key::Down) MoveCursor(p + 1, at.column);
                else if (key == Key::Up) MoveCursor(p - 1, at.column);
                else if (key == Key::Tab) MoveCursor(p, at.column + 1);
                else MoveCursor(p, at.column - 1);
                return true;
            }
            default: return true;  // nothing else while a value is typed
        }
    }
    const int columns = ColumnCount();
    if (cursor_) {
        const int p = PositionOf(cursor_->row);
        const int c = cursor_->column;
        const int rows = record_.RowCount();
        switch (key) {
            case Key::Up: MoveCursor(p - 1, c); return true;
            case Key::Down: MoveCursor(p + 1, c); return true;
            case Key::PageUp: MoveCursor(p - std::max(1, page - 2), c); return true;
            case Key::PageDown: MoveCursor(p + std::max(1, page - 2), c); return true;
            case Key::Left:
            case Key::BackTab: MoveCursor(p, c - 1); return true;
            case Key::Right:
            case Key::Tab: MoveCursor(p, c + 1); return true;
            case Key::Home: MoveCursor(p, 0); return true;
            case Key::End: MoveCursor(p, columns - 1); return true;
            case Key::CtrlHome: MoveCursor(0, 0); return true;
            case Key::CtrlEnd: MoveCursor(rows - 1, columns - 1); return true;
            case Key::Escape:
                if (!keepCursor_) HideCursor();
                return true;
            case Key::Enter:
            case Key::F2:
                if (!editing_) return true;
                if (c == kNameColumn)
                    editing_->NameDoubleClicked(TSquare{kNameMargin, kNameMargin, 0, 0, cursor_->row, 0, kKindName});
                else
                    editing_->GradeDoubleClicked(CursorCell());
                return true;
            case Key::ContextMenu:
                if (!editing_) return true;
                if (c == kNameColumn)
                    editing_->NameRightClicked(TSquare{kNameMargin, kNameMargin, 0, 0, cursor_->row, 0, kKindName});
                else
                    editing_->GradeRightClicked(CursorCell());
                return true;
            default: return false;
        }
    }
    switch (key) {
        case Key::Up: ScrollBy(0, -1); break;
        case Key::Down: ScrollBy(0, 1); break;
        case Key::PageUp: ScrollBy(0, -page); break;
        case Key::PageDown: ScrollBy(0, page); break;
        case Key::Left: ScrollBy(-1, 0); break;
        case Key::Right: ScrollBy(1, 0); break;
        case Key::Home: ScrollTo(0, s.yPos); break;
        case Key::End: ScrollTo(s.xRange, s.yPos); break;
        case Key::Tab:
        case Key::BackTab:
        case Key::Enter:
        case Key::F2: return StartCursor();
        case Key::CtrlHome:
            if (record_.RowCount() == 0) return false;
            cursor_ = CellCursor{};
            MoveCursor(0, 0);
            return true;
        case Key::CtrlEnd:
            if (record_.RowCount() == 0) return false;
            cursor_ = CellCursor{};
            MoveCursor(record_.RowCount() - 1, columns - 1);
            return true;
        default: return false;
    }
    SyncNames();
    return true;
}

// ---------------------------------------------------------------- entry in place

bool TGradeWindow::CharTyped(char c) {
    if (!cursor_) return false;
    if (!entering_ && c == ' ') {
        // Space ticks (or clears) the selection box of the cursor's student,
        // as a click on it does.
        if (cursor_->row < 1 || names_ == nullptr || names_->SelectionBoxId(cursor_->row) == 0) return false;
        names_->SetSelected(cursor_->row, !names_->IsSelected(cursor_->row));
        return true;
    }
    // A comma where a decimal point may go is the decimal point, as in the
    // grade boxes of the dialogs.
    c = platform::TypedChar(platform::kStylePoints, c);
    if (!entering_) {
        const bool starts = (c >= '0' && c <= '9') || c == '.' || c == 'N' || c == 'n' || c == '-';
        if (!starts) return false;
        if (!CursorCell()) return false;  // names and figures take no typing
        if (c == '-') return EntryChar(c);  // refused, with the reason
        entering_ = true;
        entry_.clear();
    }
    return EntryChar(c);
}

bool TGradeWindow::EntryChar(char c) {
    if (c == 'N' || c == 'n') {
        // Omitted, as the dialogs' Omit box marks it.
        entry_ = "N/A";
        EntryChanged();
        return true;
    }
    std::string longer = (entry_ == "N/A" ? std::string() : entry_) + c;
    // A refused character says why.
    std::string_view refusal;
    if (c == '-')
        refusal = kNegativeRefusal;
    else if (longer.size() > static_cast<std::size_t>(resources::kValueLimit))
        refusal = kLengthRefusal;
    else
        refusal = platform::EditRefusal(platform::kStylePoints, longer);
    if (!refusal.empty()) {
        if (frame_) frame_->SetStatusText(refusal);
        return true;
    }
    entry_ = std::move(longer);
    EntryChanged();
    return true;
}

bool TGradeWindow::FinishEntry(std::string* refusal) { return !entering_ || StoreEntry(refusal); }

void TGradeWindow::FocusLost() {
    // Another window took the keyboard: the value is stored as leaving its
    // cell stores it, and one that cannot be stays typed. The status bar is
    // the window's that took it.
    if (entering_) StoreEntry(nullptr, false);
}

std::string_view GradeEntryRefusal(std::string_view text) {
    if (text == "N/A") return {};
    if (text.find('-') != std::string_view::npos) return kNegativeRefusal;
    if (text.size() > static_cast<std::size_t>(resources::kValueLimit)) return kLengthRefusal;
    if (const auto refusal = platform::EditRefusal(platform::kStylePoints, text); !refusal.empty()) return refusal;
    if (text.find_first_of("0123456789") == std::string_view::npos) return kNoDigitRefusal;
    return {};
}

bool TGradeWindow::StoreEntry(std::string* refusal, bool showStatus) {
    const std::optional<TSquare> cell = CursorCell();
    const std::string text = entry_;
    if (const std::string_view why = GradeEntryRefusal(text); cell && !text.empty() && !why.empty()) {
        if (frame_ && showStatus) frame_->SetStatusText(why);
        if (refusal) *refusal = std::string(why);
        return false;
    }
    entering_ = false;
    entry_.clear();
    EntryChanged();
    if (!cell || text.empty()) return true;
    const float value = text == "N/A" ? kOmitMarker : static_cast<float>(TextToDouble(text));
    const bool stored = !editing_ || editing_->StoreGrade(cell->first, cell->kind, cell->second, value);
    if (cursor_ && showStatus) ShowCursorStatus();
    return stored;
}

void TGradeWindow::LeaveEntry() {
    entering_ = false;
    entry_.clear();
    EntryChanged();
}

void TGradeWindow::EntryChanged() {
    Invalidate();
    // A screen reader hears the cell as an editable text holding what is typed.
    if (Host()) Host()->AccessibleCellEdited();
}

// ---------------------------------------------------------------- figures

std::optional<GradeColumn> TGradeWindow::CursorColumn() const {
    if (!cursor_) return std::nullopt;
    return GradeColumnAt(cursor_->column);
}

std::optional<int> TGradeWindow::ColumnOf(int category, int entry) const {
    const std::vector<Column> columns = Columns();
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].type == Column::Grade && columns[c].category == category && columns[c].entry == entry)
            return static_cast<int>(c);
    return std::nullopt;
}

void TGradeWindow::ColumnRemoved(int column) {
    if (!cursor_) return;
    if (cursor_->column > column) --cursor_->column;
    SetCursor(cursor_->row, cursor_->column);
    CursorMoved();
}

std::string TGradeWindow::CursorStatus() const {
    if (!cursor_ || record_.RowCount() == 0) return std::string(kPaneHint);
    if (const auto col = CursorColumn(); col && cursor_->row > 0 && cursor_->row < record_.RowCount()) {
        std::string above = AbovePossibleText(record_.PossibleRow(), record_.Row(cursor_->row), col->category, col->entry);
        if (!above.empty()) return above;
    }
    return ColumnFigures();
}

void TGradeWindow::ShowCursorStatus() {
    if (frame_) frame_->SetStatusText(CursorStatus());
}

std::string TGradeWindow::ColumnFigures() const {
    if (!cursor_ || record_.RowCount() == 0) return {};
    const int students = record_.StudentCount();
    if (cursor_->column == kNameColumn)
        return "Students: " + std::to_string(students);
    const std::vector<Column> columns = Columns();
    if (cursor_->column < 0 || cursor_->column >= static_cast<int>(columns.size())) return {};
    Column col = columns[static_cast<std::size_t>(cursor_->column)];
    const std::string heading = Heading(col);
    // The letter grade follows the overall average: its figures are those.
    if (col.type == Column::Letter) col.type = Column::Overall;
    std::vector<float> values;
    values.reserve(static_cast<std::size_t>(students));
    const TStudent& possible = record_.PossibleRow();
    for (int j = 1; j < record_.RowCount(); ++j) {
        const TStudent& row = record_.Row(j);
        if (col.type == Column::Grade) {
            if (static_cast<std::size_t>(col.entry) >= row.scores[col.category].size()) continue;
            const float v = row.scores[col.category][static_cast<std::size_t>(col.entry)].value;
            if (!IsOmitted(v)) values.push_back(v);
            continue;
        }
        GradeRowFigures figures(record_.grading, possible, row, false);
        values.push_back(figures.Value(col));
    }
    auto figure = [](float v) {
        std::string text = FormatScore(v);
        text.erase(0, text.find_first_not_of(' '));
        return text;
    };
    std::string out = heading + ": " + std::to_string(values.size()) + (values.size() == 1 ? " grade" : " grades");
    if (values.empty()) return out;
    std::sort(values.begin(), values.end());
    float sum = 0.0f;
    for (const float v : values) sum += v;
    const float mean = sum / static_cast<float>(values.size());
    const std::size_t n = values.size();
    const float median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0f;
    out += "  Mean " + figure(mean) + "  Median " + figure(median) + "  Low " + figure(values.front()) + "  High " +
           figure(values.back());
    return out;
}

bool TGradeWindow::FindStudent(std::string_view part) {
    const std::string wanted = FoldForFind(part);
    const int rows = record_.RowCount();
    if (wanted.empty() || rows < 2) return false;
    const int start = cursor_ ? PositionOf(cursor_->row) : 0;
    for (int step = 1; step <= rows; ++step) {
        const int p = (start + step) % rows;
        if (p == 0) continue;  // Possible Points is no student
        const TStudent& s = record_.Row(RowAt(p));
        if (FoldForFind(s.lastName.View()).find(wanted) == std::string::npos &&
            FoldForFind(s.firstName.View()).find(wanted) == std::string::npos)
            continue;
        PutCursor(RowAt(p), cursor_ ? cursor_->column : kNameColumn);
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- sorting the view

void TGradeWindow::SortByCursorColumn() {
    if (!cursor_ || record_.RowCount() == 0) return;
    if (sortColumn_ == cursor_->column)
        descending_ = !descending_;
    else {
        sortColumn_ = cursor_->column;
        // Figures highest first; names A to Z.
        descending_ = cursor_->column != kNameColumn;
    }
    SortRows();
}

void TGradeWindow::SortRows() {
    const int rows = record_.RowCount();
    order_.resize(static_cast<std::size_t>(rows));
    std::iota(order_.begin(), order_.end(), 0);
    positions_ = order_;
    if (!sortColumn_ || rows < 2) return;
    const std::vector<Column> columns = Columns();
    const int c = *sortColumn_;
    if (c != kNameColumn && (c < 0 || c >= static_cast<int>(columns.size()))) return;
    // Each student's key: a figure (none for an omitted or missing grade,
    // which go last whichever way) or a folded name.
    struct Key {
        bool none = false;
        float value = 0.0f;
        std::string name;
    };
    std::vector<Key> keys(static_cast<std::size_t>(rows));
    const TStudent& possible = record_.PossibleRow();
    for (int j = 1; j < rows; ++j) {
        const TStudent& row = record_.Row(j);
        Key& key = keys[static_cast<std::size_t>(j)];
        if (c == kNameColumn) {
            key.name = FoldForFind(row.lastName.View()) + '\x01' + FoldForFind(row.firstName.View());
            continue;
        }
        Column col = columns[static_cast<std::size_t>(c)];
        if (col.type == Column::Letter) col.type = Column::Overall;
        if (col.type == Column::Grade) {
            const auto& list = row.scores[col.category];
            key.none = static_cast<std::size_t>(col.entry) >= list.size() ||
                       IsOmitted(list[static_cast<std::size_t>(col.entry)].value);
            if (!key.none) key.value = list[static_cast<std::size_t>(col.entry)].value;
        } else {
            GradeRowFigures figures(record_.grading, possible, row, false);
            key.value = figures.Value(col);
        }
    }
    const bool down = descending_;
    std::stable_sort(order_.begin() + 1, order_.end(), [&](int a, int b) {
        const Key& ka = keys[static_cast<std::size_t>(a)];
        const Key& kb = keys[static_cast<std::size_t>(b)];
        if (ka.none != kb.none) return kb.none;
        if (ka.none) return false;
        if (c == kNameColumn) return down ? kb.name < ka.name : ka.name < kb.name;
        return down ? kb.value < ka.value : ka.value < kb.value;
    });
    positions_.assign(order_.size(), 0);
    for (std::size_t p = 0; p < order_.size(); ++p)
        positions_[static_cast<std::size_t>(order_[p])] = static_cast<int>(p);
    if (names_) names_->PlaceSelectionBoxes();
    ScrollCursorIntoView();
    Invalidate();
    if (names_) names_->Invalidate();
}

void TGradeWindow::ShowRosterOrder() {
    const bool wasSorted = sortColumn_.has_value();
    sortColumn_.reset();
    order_.clear();
    positions_.clear();
    if (!wasSorted) return;
    if (names_) names_->PlaceSelectionBoxes();
    ScrollCursorIntoView();
    Invalidate();
    if (names_) names_->Invalidate();
}

void TGradeWindow::RosterChanged() {
    if (entering_) LeaveEntry();
    ShowRosterOrder();
    const bool hadCursor = cursor_.has_value();
    if (cursor_ && cursor_->row >= record_.RowCount()) cursor_.reset();
    if (cursor_ && cursor_->column >= ColumnCount()) cursor_->column = ColumnCount() - 1;
    // The status bar speaks of the cursor as it is now.
    if (hadCursor) ShowCursorStatus();
}

// ---------------------------------------------------------------- layout

void LayoutPanes(platform::ChildHost& host, TNameWindow& names, TGradeWindow& grades, const DisplayFlags& flags,
                 platform::Size client) {
    names.SetDisplayFlags(flags);
    const int width = names.PaneWidth(names.Metrics());
    grades.UpdateScroller();
    names.UpdateScroller();
    grades.ScrollTo(0, 0);
    grades.SyncNames();
    host.PlacePane(grades, Rect{width, 0, std::max(width, client.cx), client.cy});
    // The names pane ends where the grades pane's rows end, above its
    // horizontal scroll bar, so both show the same rows.
    const int rowsHeight = grades.Host() ? std::min(client.cy, grades.Host()->ClientSize().cy) : client.cy;
    host.PlacePane(names, Rect{0, 0, width, rowsHeight});
    grades.UpdateScroller();
    names.UpdateScroller();
    grades.SyncNames();
    names.Invalidate();
    grades.Invalidate();
}

}  // namespace quorle
