#include "platform/qt/QtAccessibleView.h"

#include <QPointer>
#include <algorithm>

#include "platform/qt/QtAccessibleLeaf.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtWindowHost.h"

namespace quorle::qt {
namespace {

QAccessibleInterface* ViewFactory(const QString&, QObject* object) {
    if (auto* host = dynamic_cast<QtWindowHost*>(object)) return new QtAccessibleView(host);
    return nullptr;
}

// One cell of the table, one of its headers, or one text line. It asks the
// view's model at every question, so it never shows an old text. A cell is
// also a text: its value as shown, or the value being typed into it (the
// cell is then editable, its caret at the end).
class QtAccessibleCell : public QtAccessibleLeaf,
                         public QAccessibleTableCellInterface,
                         public QAccessibleTextInterface {
public:
    enum class Kind { Cell, ColumnHeader, RowHeader, Line };
    QtAccessibleCell(QtAccessibleView* view, QWidget* widget, Kind kind, int row, int column)
        : view_(view), widget_(widget), kind_(kind), row_(row), column_(column) {}

    bool isValid() const override {
        if (!widget_) return false;
        if (kind_ == Kind::Line) {
            const platform::AccessibleText* text = view_->Text();
            return text && row_ < static_cast<int>(text->Lines().size());
        }
        const platform::AccessibleTable* table = view_->Table();
        if (!table) return false;
        const bool rowOk = kind_ == Kind::ColumnHeader || row_ < table->RowCount();
        const bool columnOk = kind_ == Kind::RowHeader || column_ < table->ColumnCount();
        return rowOk && columnOk;
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return view_; }
    QWindow* window() const override { return view_->window(); }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t != QAccessible::Name && t != QAccessible::Value) return {};
        return Shown();
    }
    // What the cell shows: its text, the text being typed into it, its header's or the line's.
    QString Shown() const {
        if (!isValid()) return {};
        if (kind_ == Kind::Line) {
            const auto lines = view_->Text()->Lines();
            return FromCp1252(lines[static_cast<std::size_t>(row_)]);
        }
        const platform::AccessibleTable* table = view_->Table();
        if (kind_ == Kind::Cell && IsFocusedCell())
            if (const auto edited = table->EditedText()) return FromCp1252(*edited);
        switch (kind_) {
            case Kind::ColumnHeader: return FromCp1252(table->ColumnHeader(column_));
            case Kind::RowHeader: return FromCp1252(table->RowHeader(row_));
            default: return FromCp1252(table->CellText(row_, column_));
        }
    }
    QRect rect() const override {
        const platform::AccessibleTable* table = view_->Table();
        if (kind_ != Kind::Cell || !table || !widget_) return {};
        const auto r = table->CellRect(row_, column_);
        if (!r) return {};
        const QWidget* area = view_->Area();
        return QRect(area->mapToGlobal(QPoint(r->left, r->top)), QSize(r->Width(), r->Height()));
    }
    QAccessible::Role role() const override {
        switch (kind_) {
            case Kind::ColumnHeader: return QAccessible::ColumnHeader;
            case Kind::RowHeader: return QAccessible::RowHeader;
            case Kind::Line: return QAccessible::StaticText;
            default: return QAccessible::Cell;
        }
    }
    bool IsFocusedCell() const {
        const platform::AccessibleTable* table = view_->Table();
        const auto focused = table ? table->FocusedCell() : std::nullopt;
        return focused && focused->row == row_ && focused->column == column_;
    }
    bool Typing() const { return kind_ == Kind::Cell && IsFocusedCell() && view_->Table()->EditedText(); }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (kind_ == Kind::Cell) {
            state.focusable = true;
            state.focused = widget_->hasFocus() && IsFocusedCell();
            if (Typing()) {
                // A value is being typed into it.
                state.editable = true;
                return state;
            }
        }
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && kind_ == Kind::Cell)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::TextInterface && kind_ == Kind::Cell) return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    // QAccessibleTextInterface: one line, no selection, the caret at the end.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return Typing() ? characterCount() : 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString shown = Shown();
        const int from = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
        const int to = endOffset < 0 ? static_cast<int>(shown.size()) : std::clamp(endOffset, from, static_cast<int>(shown.size()));
        return shown.mid(from, to - from);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {view_->Cell(-1, column_)}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {view_->Cell(row_, -1)}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return view_; }

private:
    QtAccessibleView* view_;
    QPointer<QWidget> widget_;
    Kind kind_;
    int row_;
    int column_;
};

}  // namespace

void InstallAccessibleViews() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(ViewFactory);
}

QtAccessibleView::QtAccessibleView(QtWindowHost* host) : QAccessibleWidget(host, QAccessible::Client) {}

QtAccessibleView::~QtAccessibleView() {
    for (const auto& [key, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    for (const auto& [key, id] : lines_) QAccessible::deleteAccessibleInterface(id);
}

QtWindowHost* QtAccessibleView::Host() const { return static_cast<QtWindowHost*>(widget()); }

const QWidget* QtAccessibleView::Area() const { return Host()->viewport(); }

const platform::AccessibleTable* QtAccessibleView::Table() const {
    return Host() ? Host()->AccessibleTableModel() : nullptr;
}

const platform::AccessibleText* QtAccessibleView::Text() const {
    return Host() ? Host()->AccessibleTextModel() : nullptr;
}

QAccessibleInterface* QtAccessibleView::Cell(int row, int column) const {
    const auto key = std::make_pair(row, column);
    const auto it = cells_.find(key);
    if (it != cells_.end()) return QAccessible::accessibleInterface(it->second);
    using Kind = QtAccessibleCell::Kind;
    const Kind kind = row < 0 ? Kind::ColumnHeader : column < 0 ? Kind::RowHeader : Kind::Cell;
    auto* cell = new QtAccessibleCell(const_cast<QtAccessibleView*>(this), widget(), kind, row, column);
    cells_[key] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

void QtAccessibleView::RenewCell(int row, int column) {
    const auto it = cells_.find({row, column});
    if (it == cells_.end()) return;
    QAccessible::deleteAccessibleInterface(it->second);
    cells_.erase(it);
}

QAccessibleInterface* QtAccessibleView::Line(int index) const {
    const auto it = lines_.find(index);
    if (it != lines_.end()) return QAccessible::accessibleInterface(it->second);
    auto* line = new QtAccessibleCell(const_cast<QtAccessibleView*>(this), widget(), QtAccessibleCell::Kind::Line,
                                      index, 0);
    lines_[index] = QAccessible::registerAccessibleInterface(line);
    return line;
}

QAccessible::Role QtAccessibleView::role() const {
    // A pane that offers the table's interface, not a table: a screen reader
    // reads a table's whole row at each move up or down, where the teacher
    // wants the student and the one grade.
    if (Table()) return QAccessible::Pane;
    if (Text()) return QAccessible::Graphic;
    return QAccessible::Client;
}

QString QtAccessibleView::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        if (const auto* table = Table()) return FromCp1252(table->TableName());
        if (Text()) return widget()->window()->windowTitle();
    }
    if (t == QAccessible::Description) {
        if (const auto* text = Text()) return FromCp1252(text->Description());
    }
    return QAccessibleWidget::text(t);
}

int QtAccessibleView::childCount() const {
    if (const auto* table = Table()) return table->RowCount() * table->ColumnCount();
    if (const auto* text = Text()) return static_cast<int>(text->Lines().size());
    return QAccessibleWidget::childCount();
}

QAccessibleInterface* QtAccessibleView::child(int index) const {
    if (const auto* table = Table()) {
        const int columns = table->ColumnCount();
        if (index < 0 || columns <= 0 || index >= table->RowCount() * columns) return nullptr;
        return Cell(index / columns, index % columns);
    }
    if (const auto* text = Text()) {
        if (index < 0 || index >= static_cast<int>(text->Lines().size())) return nullptr;
        return Line(index);
    }
    return QAccessibleWidget::child(index);
}

int QtAccessibleView::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    if (const auto* table = Table()) {
        if (const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface())
            return cell->rowIndex() * table->ColumnCount() + cell->columnIndex();
        return -1;
    }
    if (Text()) {
        for (const auto& [index, id] : lines_)
            if (QAccessible::accessibleInterface(id) == child) return index;
        return -1;
    }
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* QtAccessibleView::childAt(int x, int y) const {
    if (Table() || Text()) return nullptr;
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* QtAccessibleView::focusChild() const {
    if (const auto* table = Table()) {
        const auto focused = table->FocusedCell();
        if (focused && focused->row >= 0 && focused->row < table->RowCount() && focused->column >= 0 &&
            focused->column < table->ColumnCount())
            return Cell(focused->row, focused->column);
        return nullptr;
    }
    return QAccessibleWidget::focusChild();
}

void* QtAccessibleView::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface && Table()) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* QtAccessibleView::cellAt(int row, int column) const {
    const auto* table = Table();
    if (!table || row < 0 || column < 0 || row >= table->RowCount() || column >= table->ColumnCount()) return nullptr;
    return Cell(row, column);
}

QString QtAccessibleView::columnDescription(int column) const {
    const auto* table = Table();
    return table ? FromCp1252(table->ColumnHeader(column)) : QString();
}

QString QtAccessibleView::rowDescription(int row) const {
    const auto* table = Table();
    return table ? FromCp1252(table->RowHeader(row)) : QString();
}

int QtAccessibleView::columnCount() const {
    const auto* table = Table();
    return table ? table->ColumnCount() : 0;
}

int QtAccessibleView::rowCount() const {
    const auto* table = Table();
    return table ? table->RowCount() : 0;
}

}  // namespace quorle::qt
