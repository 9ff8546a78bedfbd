#pragma once
// The base of the panes and chart and grid windows: painting, mouse, keys,
// a scroller, and the host that shows it on screen (or in a test).
#include <algorithm>
#include <string_view>

#include "platform/Accessible.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace quorle::platform {

// Keys a window may act on. Ctrl+Home and Ctrl+End come as keys of their own;
// ContextMenu is the context-menu key or Shift+F10.
enum class Key {
    Up, Down, PageUp, PageDown, Left, Right, Home, End, Other,
    Tab, BackTab, Enter, Escape, F2, Backspace, Delete, CtrlHome, CtrlEnd, ContextMenu,
};

// Scroll units in pixels, ranges and positions in units.
struct Scroller {
    int xUnit = 0;
    int yUnit = 0;
    int xRange = 0;
    int yRange = 0;
    int xPos = 0;
    int yPos = 0;
};

class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void Invalidate() = 0;
    // The scroller's units, ranges or position changed.
    virtual void ScrollerChanged() = 0;
    virtual Size ClientSize() const = 0;
    virtual void SetFocus() = 0;
    // The window's device context with its default font, for measuring outside painting.
    virtual Canvas& MeasuringCanvas() = 0;
    // Child check boxes, placed in window coordinates before scrolling; they
    // move with the vertical scroll position.
    virtual void AddCheckBox(int id, const Rect& rect) = 0;
    virtual void RemoveCheckBox(int id) = 0;
    virtual bool IsCheckBoxChecked(int id) const = 0;
    virtual void SetCheckBoxChecked(int id, bool checked) = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual void Show(bool visible) = 0;
    // Moves a check box to a new place, keeping its tick.
    virtual void MoveCheckBox(int id, const Rect& rect) {
        const bool checked = IsCheckBoxChecked(id);
        AddCheckBox(id, rect);
        SetCheckBoxChecked(id, checked);
    }

    // What a screen reader reads of the window: a table, or lines of text
    // (nullptr: nothing of its own). The object stays the window's; it is
    // taken back (nullptr) before it goes.
    virtual void SetAccessibleTable(const AccessibleTable* /*table*/) {}
    virtual void SetAccessibleText(const AccessibleText* /*text*/) {}
    // The table's focused cell moved: a screen reader announces the new cell.
    virtual void AccessibleFocusChanged() {}
    // The text being typed into the focused cell changed (or the typing ended).
    virtual void AccessibleCellEdited() {}
    // The text lines changed.
    virtual void AccessibleTextChanged() {}
    // The name a screen reader gives a child check box.
    virtual void SetCheckBoxName(int /*id*/, std::string_view /*name*/) {}
};

class Window {
public:
    virtual ~Window() = default;

    void AttachHost(WindowHost* host) { host_ = host; }
    WindowHost* Host() const { return host_; }

    // Paints with the canvas origin already moved by the scroll position, so
    // the window draws in its own (unscrolled) coordinates.
    virtual void Paint(Canvas& canvas, const Rect& clip) = 0;
    // Mouse points are in client coordinates (not scrolled).
    virtual void MouseMove(Point) {}
    virtual void LeftDoubleClick(Point) {}
    virtual void RightClick(Point) {}
    // A single press of the left button (a double-click brings one first).
    virtual void LeftClick(Point) {}
    // True when the key was handled.
    virtual bool KeyDown(Key) { return false; }
    // A character typed (a Windows-1252 byte, no Ctrl or Alt held); true when handled.
    virtual bool CharTyped(char) { return false; }
    // The mouse wheel turned by whole lines (positive: down); false lets the
    // host scroll the window by them.
    virtual bool Wheel(int) { return false; }
    // The height at the top of the window that stays in place while it
    // scrolls (frozen heading lines): child check boxes scrolled under it are hidden.
    virtual int FrozenHeight() const { return 0; }
    virtual void Resized(Size) {}
    virtual void CheckBoxClicked(int) {}
    // The user moved a scroll bar.
    virtual void Scrolled() {}
    // The keyboard went to another window or control (not to a menu).
    virtual void FocusLost() {}

    Scroller& GetScroller() { return scroller_; }
    const Scroller& GetScroller() const { return scroller_; }

    void ScrollTo(int x, int y) {
        scroller_.xPos = std::clamp(x, 0, std::max(0, scroller_.xRange));
        scroller_.yPos = std::clamp(y, 0, std::max(0, scroller_.yRange));
        if (host_) host_->ScrollerChanged();
    }
    void ScrollBy(int dx, int dy) { ScrollTo(scroller_.xPos + dx, scroller_.yPos + dy); }
    void Invalidate() {
        if (host_) host_->Invalidate();
    }

protected:
    Scroller scroller_;

private:
    WindowHost* host_ = nullptr;
};

}  // namespace quorle::platform
