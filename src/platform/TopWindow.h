#pragma once
// A top-level window owned by a class window: the seating chart window and the
// assignment grid window. It has its own caption, menu bar (handed as data),
// status bar showing the hint of the highlighted menu item, scroll bars, and
// paints, scrolls and takes keys and the mouse as any Window does.
//
// How the system uses it:
//
//   class TSeatingChartWindow : public platform::TopWindow {
//       void Paint(Canvas&, const Rect&) override;   // as any Window
//       bool KeyDown(Key) override;                   // arrows, Page Up/Down, Home, End
//       void Command(int id) override;                // its menu items
//   };
//
//   // once, on first use (the class window owns the object):
//   chart_ = std::make_unique<TSeatingChartWindow>(...);
//   frame.CreateTopWindow(*chart_, classWindow, attributes);   // made hidden
//   chart_->Host()->SetCaption("Seating Chart for ...");
//   chart_->ShowWindow();         // shows it and brings it to the front
//   chart_->HideWindow();         // Close Chart: hidden, kept for next time
//
// Lifetime: the platform window lives as long as the TopWindow object (its
// destructor takes the platform window with it), or until the owning class
// window's platform window is destroyed, whichever comes first; after that the
// object simply has no host (Host() is nullptr) and nothing calls into it.
// Making a platform window for an object that has one already replaces it.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/Menu.h"
#include "platform/Window.h"

namespace quorle::platform {

struct TopWindowAttributes {
    std::string caption;
    Menu menu;                              // its menu bar (may be empty)
    std::vector<Accelerator> accelerators;  // keys for its commands (may be empty)
    // Where it first stands on the screen; an empty rectangle lets the
    // platform choose (beside its owner, a useful size).
    Rect placement;
    // The help topic F1 opens while it is active (0: the help's contents).
    int helpTopic = 0;
};

// The platform's side of a top-level window. Besides a Window's host
// services: whether it is shown, its status-bar text, and going away.
class TopWindowHost : public WindowHost {
public:
    // Show(true) shows the window and brings it to the front with the
    // keyboard focus; Show(false) hides it. SetCaption sets its title bar.
    virtual bool IsVisible() const = 0;
    virtual void SetStatusText(std::string_view text) = 0;
    // Greys a command of its menu out (and its accelerator with it), or
    // enables it again. Every command starts enabled.
    virtual void EnableCommand(int id, bool enabled) = 0;
    // Sizes the window so that its client area (inside menu, status and
    // scroll bars) is this large, as far as the frame's size allows, and
    // keeps it on the screen.
    virtual void FitClientSize(Size) {}
    // The window object is going: the platform window goes with it, and
    // nothing calls into the object any more. (Called by ~TopWindow.)
    virtual void Release() = 0;
};

class TopWindow : public Window {
public:
    TopWindow() = default;
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;
    ~TopWindow() override {
        if (TopWindowHost* host = TopHost()) host->Release();
    }

    // A command of its menu (or accelerator) was chosen.
    virtual void Command(int) {}
    // The user closed it with its close box (or the system menu). The window
    // is not destroyed either way; by default it is hidden.
    virtual void CloseBox() { HideWindow(); }

    // The platform's side, or nullptr when it has none (never made, or its
    // owner's platform window is gone).
    TopWindowHost* TopHost() const { return topHost_; }
    // Set by the platform when it makes or drops the platform window; it
    // attaches the same object as the Window's host.
    void AttachTopHost(TopWindowHost* host) {
        topHost_ = host;
        AttachHost(host);
    }

    void ShowWindow() {
        if (topHost_) topHost_->Show(true);
    }
    void HideWindow() {
        if (topHost_) topHost_->Show(false);
    }
    bool IsVisible() const { return topHost_ && topHost_->IsVisible(); }

    // Scrolls the least that brings a rectangle of the client area into view
    // (its top left corner first when it is larger than the view).
    void ScrollIntoView(const Rect& r) {
        const WindowHost* host = Host();
        const Scroller& s = GetScroller();
        if (!host) return;
        const Size client = host->ClientSize();
        const auto shift = [](int low, int high, int extent, int unit) {
            if (unit <= 0) return 0;
            if (low < 0) return -((-low + unit - 1) / unit);
            if (high <= extent) return 0;
            return std::min((high - extent + unit - 1) / unit, low / unit);
        };
        const int dx = shift(r.left, r.right, client.cx, s.xUnit);
        const int dy = shift(r.top, r.bottom, client.cy, s.yUnit);
        if (dx != 0 || dy != 0) ScrollBy(dx, dy);
    }

private:
    TopWindowHost* topHost_ = nullptr;
};

}  // namespace quorle::platform
