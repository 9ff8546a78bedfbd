#include "platform/qt/QtWindowHost.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "platform/Text1252.h"
#include "platform/qt/QtAccessibleView.h"

namespace quorle::qt {

QFont DefaultPaneFont() {
    QFont font("DejaVu Sans Mono");
    font.setFamilies({"DejaVu Sans Mono", "Liberation Mono", "Noto Mono", "Courier New", "Monospace"});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    font.setKerning(false);
    return font;
}

QtWindowHost::QtWindowHost(platform::Window& window, QWidget* parent, bool inChild,
                           std::function<void(platform::Key)> keyFallback)
    : QAbstractScrollArea(parent), window_(&window), inChild_(inChild), keyFallback_(std::move(keyFallback)),
      font_(DefaultPaneFont()) {
    InstallAccessibleViews();
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    viewport()->setPalette(palette);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { BarMoved(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { BarMoved(); });

    // Measuring outside painting uses an image at the screen's resolution.
    measureImage_ = QImage(1, 1, QImage::Format_RGB32);
    const int dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const int dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
    measureImage_.setDotsPerMeterX(static_cast<int>(dpiX / 0.0254 + 0.5));
    measureImage_.setDotsPerMeterY(static_cast<int>(dpiY / 0.0254 + 0.5));
    measurePainter_ = std::make_unique<QPainter>(&measureImage_);
    measureCanvas_ = std::make_unique<QtCanvas>(*measurePainter_, font_, platform::Size{1, 1}, dpiX, dpiY);
    window.AttachHost(this);
}

QtWindowHost::~QtWindowHost() {
    Detach();
    if (observing_) QAccessible::removeActivationObserver(this);
    measureCanvas_.reset();
    if (measurePainter_) measurePainter_->end();
}

void QtWindowHost::Detach() {
    if (window_ && window_->Host() == this) window_->AttachHost(nullptr);
    window_ = nullptr;
    accessibleTable_ = nullptr;
    accessibleText_ = nullptr;
}

void QtWindowHost::Invalidate() {
    viewport()->update();
    if (!accessibleTable_ || cellCheckQueued_ || !QAccessible::isActive()) return;
    cellCheckQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        cellCheckQueued_ = false;
        AccessibleCellChecked();
    });
}

void QtWindowHost::ScrollerChanged() {
    UpdateScrollBars();
    PlaceCheckBoxes();
    viewport()->update();
}

void QtWindowHost::UpdateScrollBars() {
    if (!window_) return;
    const platform::Scroller& s = window_->GetScroller();
    updatingBars_ = true;
    const bool across = s.xUnit > 0;
    const bool down = s.yUnit > 0 && (across || !inChild_);
    setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    horizontalScrollBar()->setRange(0, std::max(0, s.xRange));
    verticalScrollBar()->setRange(0, std::max(0, s.yRange));
    horizontalScrollBar()->setPageStep(s.xUnit > 0 ? std::max(1, viewport()->width() / s.xUnit) : 1);
    verticalScrollBar()->setPageStep(s.yUnit > 0 ? std::max(1, viewport()->height() / s.yUnit) : 1);
    horizontalScrollBar()->setValue(s.xPos);
    verticalScrollBar()->setValue(s.yPos);
    updatingBars_ = false;
}

void QtWindowHost::BarMoved() {
    if (updatingBars_ || !window_) return;
    platform::Scroller& s = window_->GetScroller();
    s.xPos = horizontalScrollBar()->value();
    s.yPos = verticalScrollBar()->value();
    window_->Scrolled();
    PlaceCheckBoxes();
    viewport()->update();
}

void QtWindowHost::scrollContentsBy(int, int) {}

platform::Size QtWindowHost::ClientSize() const {
    return platform::Size{viewport()->width(), viewport()->height()};
}

void QtWindowHost::SetFocus() { setFocus(Qt::OtherFocusReason); }

platform::Canvas& QtWindowHost::MeasuringCanvas() {
    measureCanvas_->RestoreFont();
    return *measureCanvas_;
}

void QtWindowHost::AddCheckBox(int id, const platform::Rect& rect) {
    RemoveCheckBox(id);
    auto* box = new QCheckBox(viewport());
    // A click hands the keyboard back to the pane.
    box->setFocusPolicy(Qt::NoFocus);
    connect(box, &QCheckBox::clicked, this, [this, id] {
        if (window_) window_->CheckBoxClicked(id);
        setFocus(Qt::MouseFocusReason);
    });
    const int side = std::max(4, std::min(rect.Width(), rect.Height()));
    box->setStyleSheet(QString("QCheckBox { padding: 0px; } QCheckBox::indicator { width: %1px; height: %1px; }")
                           .arg(std::max(4, side - 2)));
    boxes_[id] = Box{box, rect};
    box->show();
    PlaceCheckBoxes();
}

void QtWindowHost::RemoveCheckBox(int id) {
    const auto it = boxes_.find(id);
    if (it == boxes_.end()) return;
    delete it->second.widget;
    boxes_.erase(it);
}

bool QtWindowHost::IsCheckBoxChecked(int id) const {
    const auto it = boxes_.find(id);
    return it != boxes_.end() && it->second.widget->isChecked();
}

void QtWindowHost::SetCheckBoxChecked(int id, bool checked) {
    const auto it = boxes_.find(id);
    if (it != boxes_.end()) it->second.widget->setChecked(checked);
}

void QtWindowHost::MoveCheckBox(int id, const platform::Rect& rect) {
    const auto it = boxes_.find(id);
    if (it == boxes_.end()) return;
    it->second.rect = rect;
    PlaceCheckBoxes();
}

void QtWindowHost::PlaceCheckBoxes() {
    const int dy = window_ ? window_->GetScroller().yPos * window_->GetScroller().yUnit : 0;
    const int frozen = window_ ? window_->FrozenHeight() : 0;
    for (auto& [id, box] : boxes_) {
        const platform::Rect& r = box.rect;
        const int side = std::max(4, std::min(r.Width(), r.Height()));
        box.widget->setGeometry(r.left, r.top - dy, side, side);
        // A box scrolled under the frozen lines is hidden with its row.
        box.widget->setVisible(r.top - dy >= frozen);
    }
}

void QtWindowHost::SetCaption(std::string_view caption) { setWindowTitle(FromCp1252(caption)); }

void QtWindowHost::Show(bool visible) { setVisible(visible); }

void QtWindowHost::paintEvent(QPaintEvent* event) {
    if (!window_) return;
    QPainter painter(viewport());
    const platform::Scroller& s = window_->GetScroller();
    const int dx = s.xPos * s.xUnit;
    const int dy = s.yPos * s.yUnit;
    painter.translate(-dx, -dy);
    QtCanvas canvas(painter, font_, ClientSize(), viewport()->logicalDpiX(), viewport()->logicalDpiY());
    const QRect r = event->rect();
    const platform::Rect clip{r.left() + dx, r.top() + dy, r.right() + 1 + dx, r.bottom() + 1 + dy};
    window_->Paint(canvas, clip);
    // Painting may have moved the scroller (the names pane follows the grades pane).
    if (horizontalScrollBar()->value() != s.xPos || verticalScrollBar()->value() != s.yPos) UpdateScrollBars();
}

void QtWindowHost::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (!window_) return;
    window_->Resized(ClientSize());
    UpdateScrollBars();
}

namespace {
platform::Point ToPoint(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return platform::Point{p.x(), p.y()};
}
}  // namespace

void QtWindowHost::mouseMoveEvent(QMouseEvent* event) {
    if (window_) window_->MouseMove(ToPoint(event));
}

void QtWindowHost::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (window_ && event->button() == Qt::RightButton) window_->RightClick(ToPoint(event));
    if (window_ && event->button() == Qt::LeftButton) window_->LeftClick(ToPoint(event));
}

void QtWindowHost::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    // A menu opening leaves the keyboard where it was.
    if (window_ && event->reason() != Qt::PopupFocusReason && event->reason() != Qt::MenuBarFocusReason)
        window_->FocusLost();
}

bool QtWindowHost::focusNextPrevChild(bool next) {
    if (window_) return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void QtWindowHost::mouseDoubleClickEvent(QMouseEvent* event) {
    if (window_ && event->button() == Qt::LeftButton) window_->LeftDoubleClick(ToPoint(event));
}

void QtWindowHost::keyPressEvent(QKeyEvent* event) {
    if (!window_) return;
    platform::Key key = platform::Key::Other;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Up: key = platform::Key::Up; break;
        case Qt::Key_Down: key = platform::Key::Down; break;
        case Qt::Key_PageUp: key = platform::Key::PageUp; break;
        case Qt::Key_PageDown: key = platform::Key::PageDown; break;
        case Qt::Key_Left: key = platform::Key::Left; break;
        case Qt::Key_Right: key = platform::Key::Right; break;
        case Qt::Key_Home: key = ctrl ? platform::Key::CtrlHome : platform::Key::Home; break;
        case Qt::Key_End: key = ctrl ? platform::Key::CtrlEnd : platform::Key::End; break;
        case Qt::Key_Tab: key = (mods & Qt::ShiftModifier) ? platform::Key::BackTab : platform::Key::Tab; break;
        case Qt::Key_Backtab: key = platform::Key::BackTab; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: key = platform::Key::Enter; break;
        case Qt::Key_Escape: key = platform::Key::Escape; break;
        case Qt::Key_F2: key = platform::Key::F2; break;
        case Qt::Key_Backspace: key = platform::Key::Backspace; break;
        case Qt::Key_Delete: key = platform::Key::Delete; break;
        case Qt::Key_Menu: key = platform::Key::ContextMenu; break;
        case Qt::Key_F10:
            if (mods & Qt::ShiftModifier) key = platform::Key::ContextMenu;
            break;
        default: break;
    }
    if (key == platform::Key::Other && !ctrl && !(mods & Qt::AltModifier) && !event->text().isEmpty()) {
        // Characters typed: each one the window takes is handled.
        bool taken = false;
        for (const char32_t cp : event->text().toUcs4()) {
            const int byte = platform::CodePointToCp1252(cp);
            if (byte > 0x1F && window_ && window_->CharTyped(static_cast<char>(byte))) taken = true;
        }
        if (taken) return;
    }
    if (!window_) return;
    if (window_->KeyDown(key)) return;
    if (keyFallback_) keyFallback_(key);
    if (key == platform::Key::Other) event->ignore();
}

void QtWindowHost::wheelEvent(QWheelEvent* event) {
    if (!window_) return;
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) return;
    if (window_->Wheel(std::clamp(-3 * steps, -30, 30))) return;
    const platform::Key key = steps > 0 ? platform::Key::Up : platform::Key::Down;
    for (int i = 0; i < std::min(3 * std::abs(steps), 30) && window_; ++i) {
        if (window_->KeyDown(key)) continue;
        window_->ScrollBy(0, steps > 0 ? -1 : 1);
        window_->Scrolled();
    }
}

void QtWindowHost::SetAccessibleTable(platform::AccessibleTable* table) {
    accessibleTable_ = table;
    if (!table) return;
    if (inChild_ && parentWidget()) {
        for (auto* pane : parentWidget()->findChildren<QtWindowHost*>(Qt::FindDirectChildrenOnly)) {
            if (pane == this || pane->accessibleTable_) continue;
            pane->setFocusPolicy(Qt::NoFocus);
            pane->setFocusProxy(this);
        }
        parentWidget()->setFocusProxy(this);
    }
    if (!observing_) {
        QAccessible::installActivationObserver(this);
        observing_ = true;
    }
    if (QAccessible::isActive()) table->ReaderPresent();
}

void QtWindowHost::accessibilityActiveChanged(bool active) {
    if (active && accessibleTable_) accessibleTable_->ReaderPresent();
}

void QtWindowHost::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // Qt announces the widget as focused once this returns; the cell the
    // keyboard is on is announced after it.
    if (accessibleTable_) QTimer::singleShot(0, this, [this] { AccessibleFocusChanged(); });
}

void QtWindowHost::SetAccessibleText(const platform::AccessibleText* text) {
    if (accessibleText_ == text) return;
    accessibleText_ = text;
    AccessibleTextChanged();
}

void QtWindowHost::AccessibleCellEdited() {
    if (!accessibleTable_ || !QAccessible::isActive()) return;
    auto* view = dynamic_cast<QtAccessibleView*>(QAccessible::queryAccessibleInterface(this));
    QAccessibleInterface* cell = view ? view->focusChild() : nullptr;
    if (!cell) return;
    const bool typing = accessibleTable_->EditedText().has_value();
    if (typing != cellTyping_) {
        // Editable while a value is typed, read-only again after it.
        cellTyping_ = typing;
        QAccessible::State changed;
        changed.editable = true;
        changed.readOnly = true;
        QAccessibleStateChangeEvent state(cell, changed);
        QAccessible::updateAccessibility(&state);
    }
    // What changed of the text: added at its end, taken from its end, or all of it.
    const QString before = cellText_;
    const QString now = cell->text(QAccessible::Value);
    cellText_ = now;
    if (now == before) return;
    if (now.startsWith(before)) {
        QAccessibleTextInsertEvent inserted(cell, static_cast<int>(before.size()), now.mid(before.size()));
        QAccessible::updateAccessibility(&inserted);
    } else if (before.startsWith(now)) {
        QAccessibleTextRemoveEvent removed(cell, static_cast<int>(now.size()), before.mid(now.size()));
        QAccessible::updateAccessibility(&removed);
    } else {
        QAccessibleTextUpdateEvent updated(cell, 0, before, now);
        QAccessible::updateAccessibility(&updated);
    }
    QAccessibleEvent text(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&text);
}

void QtWindowHost::AccessibleFocusChanged() {
    if (!accessibleTable_ || !QAccessible::isActive()) return;
    auto* view = dynamic_cast<QtAccessibleView*>(QAccessible::queryAccessibleInterface(this));
    if (!view) return;
    QAccessibleInterface* cell = view->focusChild();
    if (!cell) return;
    cellText_ = cell->text(QAccessible::Value);
    cellTyping_ = accessibleTable_->EditedText().has_value();
    const auto at = accessibleTable_->FocusedCell();
    cellAt_ = {at->row, at->column};
    if (hasFocus()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
        return;
    }
    QAccessibleEvent moved(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&moved);
}

void QtWindowHost::AccessibleCellChecked() {
    if (!accessibleTable_ || !QAccessible::isActive() || !hasFocus()) return;
    const auto at = accessibleTable_->FocusedCell();
    if (!at || accessibleTable_->EditedText()) return;
    if (std::make_pair(at->row, at->column) != cellAt_) {
        AccessibleFocusChanged();
        return;
    }
    auto* view = dynamic_cast<QtAccessibleView*>(QAccessible::queryAccessibleInterface(this));
    QAccessibleInterface* cell = view ? view->focusChild() : nullptr;
    if (!cell) return;
    const QString now = cell->text(QAccessible::Value);
    if (now == cellText_) return;
    // A reader says a cell again only as a newly focused object (Orca takes
    // no change of a focused cell's name or text from a command for news):
    // the cell is made anew and focused.
    view->RenewCell(at->row, at->column);
    AccessibleFocusChanged();
}

void QtWindowHost::AccessibleTextChanged() {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void QtWindowHost::SetCheckBoxName(int id, std::string_view name) {
    const auto it = boxes_.find(id);
    if (it == boxes_.end()) return;
    const QString text = FromCp1252(name);
    if (it->second.widget->accessibleName() != text) it->second.widget->setAccessibleName(text);
}

}  // namespace quorle::qt
