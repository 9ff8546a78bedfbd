#pragma once
// The multi-document frame: menu, control bar, status bar and the child
// windows (one per open class) in its client area.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Menu.h"
#include "platform/TopWindow.h"
#include "platform/Window.h"

namespace quorle::platform {

// The system's side of a child window of the frame.
class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    // The user (or Close all / Exit) wants to close it; false keeps it open.
    virtual bool CanClose() = 0;
    virtual void Resized(Size) {}
    virtual void Activated() {}
};

// The platform's side of a child window: it shows panes side by side.
class ChildHost {
public:
    virtual ~ChildHost() = default;
    virtual void SetCaption(std::string_view caption) = 0;
    // Makes a host for a pane of this child window and attaches it.
    virtual WindowHost& AddPane(Window& pane) = 0;
    // Places a pane in the child's client area; no activation, no z-order change.
    virtual void PlacePane(Window& pane, const Rect& rect) = 0;
    virtual Size ClientSize() const = 0;
    // Where the window stands in the frame's area, its borders and caption
    // included (the rectangle CreateChild is given).
    virtual Rect Placement() const {
        const Size client = ClientSize();
        return Rect{0, 0, client.cx, client.cy};
    }
    virtual void Show() = 0;
    virtual void Enable(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
};

// Where the frame sends what happens in it.
class FrameClient {
public:
    virtual ~FrameClient() = default;
    virtual void Command(int id) = 0;
    // The frame is about to close (Exit, or its close box); false keeps it open.
    virtual bool CanCloseFrame() = 0;
    // A child agreed to close and its platform window is gone.
    virtual void ChildClosed(ChildWindow& child) = 0;
    // A child's platform window is about to go (DestroyChild, on every way a
    // class window closes): its host can still be asked where it stands.
    virtual void ChildClosing(ChildWindow&) {}
    // A key no pane handled.
    virtual void KeyDown(Key) {}
    // Files handed to the running program: dropped on the frame, or opened
    // from the file manager while it runs. Paths are the file system's own.
    virtual void OpenFiles(const std::vector<std::string>& /*paths*/) {}
    // A child window became the active one.
    virtual void ChildActivated(ChildWindow&) {}
    // A menu of the frame is about to open: the lists in it are brought up to date.
    virtual void MenuOpening() {}
};

class Frame {
public:
    virtual ~Frame() = default;
    virtual ChildHost& CreateChild(ChildWindow& child, const Rect& placement) = 0;
    // Closes a child's platform window without asking it (it has agreed
    // already); the client hears ChildClosing first.
    virtual void DestroyChild(ChildWindow& child) = 0;
    virtual ChildWindow* ActiveChild() const = 0;
    // Makes the platform window of a top-level window owned by a class window,
    // hidden, and attaches it to the window (see TopWindow.h). It goes with
    // the TopWindow object, or with the owner's platform window.
    virtual TopWindowHost& CreateTopWindow(TopWindow& window, ChildWindow& owner,
                                           const TopWindowAttributes& attributes) = 0;
    // Makes the platform window of a top-level window that belongs to no
    // class window (the term grades, made of several class files), hidden,
    // above the frame, and attaches it to the window. It goes with the
    // TopWindow object, or when the frame closes.
    virtual TopWindowHost& CreateFrameTopWindow(TopWindow& window, const TopWindowAttributes& attributes) = 0;
    virtual std::vector<ChildWindow*> Children() const = 0;
    virtual void ActivateChild(ChildWindow& child) = 0;
    virtual void Cascade() = 0;
    virtual void Tile() = 0;
    virtual void SetStatusText(std::string_view text) = 0;
    virtual Size ScreenSize() const = 0;
    // The size of the area the child windows stand in.
    virtual Size AreaSize() const { return ScreenSize(); }
    // Greys a command of the frame's menu out (with its key and control-bar
    // button), or enables it again. Every command starts enabled.
    virtual void EnableCommand(int /*id*/, bool /*enabled*/) {}
    // Puts a list of items (commands and separators) in the frame's menu right
    // after the command `after`, in place of the list put there before; an
    // empty list takes it away. Its commands reach the client as the menu's do.
    virtual void SetMenuList(int /*after*/, std::vector<MenuItem> /*items*/) {}
    // Gives a command of the frame's menu a new label ("&Undo Delete HW 2").
    virtual void SetCommandLabel(int /*id*/, std::string_view /*label*/) {}
    // Shows a command of the frame's menu with a check mark, or without.
    virtual void SetCommandChecked(int /*id*/, bool /*checked*/) {}
    // Closes the frame and ends the program (after the client agreed).
    virtual void CloseFrame() = 0;
};

}  // namespace quorle::platform
