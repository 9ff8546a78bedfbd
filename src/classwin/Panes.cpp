#include "classwin/Panes.h"

#include <algorithm>

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

// The roster rows whose line (row j at y = (j + 1) * h, h high) meets the clip.
struct RowSpan {
    int first = 0;
    int last = -1;  // inclusive
};
RowSpan VisibleRows(const Rect& clip, int h, int rows) {
    RowSpan span;
    if (clip.bottom <= clip.top || rows <= 0) return span;
    span.first = std::max(0, clip.top / h - 1);
    span.last = std::min(rows - 1, (clip.bottom - 1) / h - 1);
    return span;
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

platform::Color RowColor(int row) {
    static constexpr platform::Color kCycle[3] = {platform::kRed, platform::kBlue, platform::kMagenta};
    return kCycle[((row % 3) + 3) % 3];
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
    UpdateScroller();
    Invalidate();
}

void TNameWindow::RemoveSelectionBox(int row) {
    if (boxes_.empty()) return;
    for (int k = std::max(row, 1); k < SelectionBoxCount(); ++k) SetSelected(k, IsSelected(k + 1));
    if (platform::WindowHost* host = Host()) host->RemoveCheckBox(boxes_.back().id);
    boxes_.pop_back();
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

void TNameWindow::Paint(Canvas& canvas, const Rect& clip) {
    squares_.clear();
    const PaneMetrics m = MeasurePane(canvas);
    const int firstX = kNameMargin + m.w15;
    const int idX = ShowsFirstName() ? kNameMargin + 2 * m.w15 : kNameMargin + m.w15;

    if (clip.top < m.h && clip.bottom > clip.top) {
        canvas.SetDefaultTextColor();
        canvas.TextOut(kNameMargin, 0, "Last Name");
        if (ShowsFirstName()) canvas.TextOut(firstX, 0, "First Name");
        if (ShowsId()) canvas.TextOut(idX, 0, "ID #");
    }

    const RowSpan rows = VisibleRows(clip, m.h, record_.RowCount());
    for (int j = rows.first; j <= rows.last; ++j) {
        const TStudent& row = record_.Row(j);
        const int y = (j + 1) * m.h;
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
    if (p.y <= 0 || p.y % m.h == 0) return hit_;
    const int j = p.y / m.h - 1;
    if (j < 0 || j >= record_.RowCount()) return hit_;
    const int top = (j + 1) * m.h;
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
    if (editing_) editing_->NameDoubleClicked(hit);
    hit_.reset();
}

void TNameWindow::RightClick(Point point) {
    const std::optional<TSquare> hit = HitTest(point);
    if (editing_) editing_->NameRightClicked(hit);
    hit_.reset();
}

bool TNameWindow::KeyDown(Key key) { return grades_ ? grades_->KeyDown(key) : false; }

void TNameWindow::CheckBoxClicked(int) {
    if (platform::WindowHost* host = Host()) host->SetFocus();
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

    auto draw = [&](int c, int y, const std::string& text) {
        const int x = c * m.w10;
        if (text.empty()) return false;
        if (c < firstVisible && x + canvas.TextExtent(text).cx <= clip.left) return false;
        canvas.TextOut(x, y, text);
        return true;
    };

    if (clip.top < m.h) {
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
            draw(c, 0, fit(Heading(col)));
            if (col.type == Column::Grade && c >= firstVisible)
                headings_.push_back(TSquare{c * m.w10, (c + 1) * m.w10, 0, m.h, col.category, col.entry, kKindHeading});
        }
    }

    const RowSpan rows = VisibleRows(clip, m.h, record_.RowCount());
    if (rows.first > rows.last) {
        canvas.SetDefaultTextColor();
        return;
    }
    const TStudent& possible = record_.PossibleRow();
    for (int j = rows.first; j <= rows.last; ++j) {
        const TStudent& row = record_.Row(j);
        const int y = (j + 1) * m.h;
        canvas.SetTextColor(RowColor(j));
        GradeRowFigures figures(record_.grading, possible, row, j == 0);
        for (int c = first; c <= last; ++c) {
            const Column& col = columns[static_cast<std::size_t>(c)];
            draw(c, y, figures.Text(col));
            if (col.type == Column::Grade && c >= firstVisible &&
                static_cast<std::size_t>(col.entry) < row.scores[col.category].size())
                cells_.push_back(TSquare{c * m.w10, (c + 1) * m.w10, y, y + m.h, j, col.entry, col.category});
        }
    }
    canvas.SetDefaultTextColor();
}

const std::optional<TSquare>& TGradeWindow::HitTest(Point client) {
    hit_.reset();
    const PaneMetrics m = Metrics();
    const Point p = ToPane(*this, client);
    if (p.x <= 0 || p.y <= 0 || p.x % m.w10 == 0 || p.y % m.h == 0) return hit_;
    const int c = p.x / m.w10;
    const auto col = GradeColumnAt(c);
    if (!col) return hit_;
    const int left = c * m.w10;
    // Headings first.
    if (p.y < m.h) {
        hit_ = TSquare{left, left + m.w10, 0, m.h, col->category, col->entry, kKindHeading};
        return hit_;
    }
    const int j = p.y / m.h - 1;
    if (j < 0 || j >= record_.RowCount()) return hit_;
    if (static_cast<std::size_t>(col->entry) >= record_.Row(j).scores[col->category].size()) return hit_;
    const int top = (j + 1) * m.h;
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
    if (editing_) editing_->GradeDoubleClicked(hit);
    hit_.reset();
}

void TGradeWindow::RightClick(Point point) {
    const std::optional<TSquare> hit = HitTest(point);
    if (editing_) editing_->GradeRightClicked(hit);
    hit_.reset();
}

bool TGradeWindow::KeyDown(Key key) {
    const auto& s = scroller_;
    int page = 1;
    if (Host() && s.yUnit > 0) page = std::max(1, Host()->ClientSize().cy / s.yUnit);
    switch (key) {
        case Key::Up: ScrollBy(0, -1); break;
        case Key::Down: ScrollBy(0, 1); break;
        case Key::PageUp: ScrollBy(0, -page); break;
        case Key::PageDown: ScrollBy(0, page); break;
        case Key::Left: ScrollBy(-1, 0); break;
        case Key::Right: ScrollBy(1, 0); break;
        case Key::Home: ScrollTo(0, s.yPos); break;
        case Key::End: ScrollTo(s.xRange, s.yPos); break;
        case Key::Other: return false;
    }
    SyncNames();
    return true;
}

void TGradeWindow::Scrolled() { SyncNames(); }

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
