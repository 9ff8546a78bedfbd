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

class QtWindowHost : public QAbstractScrollArea, public platform::WindowHost {
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

    // What a screen reader reads (see QtAccessibleView).
    void SetAccessibleTable(const platform::AccessibleTable* table) override;
    void SetAccessibleText(const platform::AccessibleText* text) override;
    void AccessibleFocusChanged() override;
    void AccessibleCellEdited() override;
    void AccessibleTextChanged() override;
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
    const platform::AccessibleTable* accessibleTable_ = nullptr;
    const platform::AccessibleText* accessibleText_ = nullptr;
};

}  // namespace quorle::qt
