#pragma once
// One generic scrolling widget for any window of the system (the class
// window's panes, chart and grid windows). It paints through a QtCanvas in the
// window's own coordinates and hands mouse, key, resize and scroll events on.
//
// Scroll bars: a window that scrolls across (a horizontal unit) shows both
// bars always; a window that only scrolls down shows none inside a class
// window (the names pane follows the grades pane) and a vertical one when it
// stands alone.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <map>
#include <memory>

#include "platform/Window.h"
#include "platform/qt/QtCanvas.h"

class QCheckBox;

namespace quorle::qt {

// The panes' screen font: fixed pitch, so padded figures line up.
QFont DefaultPaneFont();

class QtWindowHost : public QAbstractScrollArea, public platform::WindowHost, public QAccessible::ActivationObserver {
public:
    // keyFallback gets the keys the window did not handle.
    QtWindowHost(platform::Window& window, QWidget* parent, bool inChild = true,
                 std::function<void(platform::Key)> keyFallback = {});
    ~QtWindowHost() override;

    void Invalidate() override;
    void ScrollerChanged() override;
    platform::Size ClientSize() const override;
    void SetFocus() override;
    platform::Canvas& MeasuringCanvas() override;
    void AddCheckBox(int id, const platform::Rect& rect) override;
    void RemoveCheckBox(int id) override;
    bool IsCheckBoxChecked(int id) const override;
    void SetCheckBoxChecked(int id, bool checked) override;
    void SetCaption(std::string_view caption) override;
    void Show(bool visible) override;
    void MoveCheckBox(int id, const platform::Rect& rect) override;

    // The window is going away: no more calls into it.
    void Detach();
    platform::Window* GetWindow() const { return window_; }

    // What a screen reader reads (see QtAccessibleView). A host given a table
    // is its window's one place for the keyboard: the other panes beside it
    // hand the focus on to it, and its focused cell is what a reader follows.
    void SetAccessibleTable(platform::AccessibleTable* table) override;
    void SetAccessibleText(const platform::AccessibleText* text) override;
    void AccessibleFocusChanged() override;
    void AccessibleCellEdited() override;
    void AccessibleTextChanged() override;
    // After the pane is redrawn: a focused cell that moved (a sort) is
    // focused again; one whose value changed in place (Undo, Redo, a stored
    // value) is focused anew, for the reader to say its new value.
    void AccessibleCellChecked();
    void SetCheckBoxName(int id, std::string_view name) override;
    const platform::AccessibleTable* AccessibleTableModel() const { return accessibleTable_; }
    const platform::AccessibleText* AccessibleTextModel() const { return accessibleText_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Tab and Shift+Tab go to the window (the panes move their cell cursor).
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    // A screen reader started (or stopped) reading the program.
    void accessibilityActiveChanged(bool active) override;

private:
    struct Box {
        QCheckBox* widget = nullptr;
        platform::Rect rect;
    };
    void UpdateScrollBars();
    void PlaceCheckBoxes();
    void BarMoved();

    platform::Window* window_;
    bool inChild_;
    std::function<void(platform::Key)> keyFallback_;
    QFont font_;
    bool updatingBars_ = false;
    std::map<int, Box> boxes_;
    QImage measureImage_;
    std::unique_ptr<QPainter> measurePainter_;
    std::unique_ptr<QtCanvas> measureCanvas_;
    platform::AccessibleTable* accessibleTable_ = nullptr;
    bool observing_ = false;  // the reader's coming and going
    // The focused cell's text as a reader last heard of it, and whether a
    // value was being typed then.
    QString cellText_;
    // The focused cell's place when it was last announced.
    std::pair<int, int> cellAt_{-1, -1};
    bool cellCheckQueued_ = false;
    bool cellTyping_ = false;
    const platform::AccessibleText* accessibleText_ = nullptr;
};

}  // namespace quorle::qt
