#pragma once
// A frame and child window hosts in memory. The frame records the children it
// made, their placements, the status text, cascade/tile requests and whether it
// was closed; each child host makes a FakeWindowHost per pane and records its
// captions, pane placements, enable state and whether it was shown. Top-level
// windows (chart, grid) get a FakeTopWindowHost where a test chooses menu
// commands, presses keys, paints and sees caption, status text and show/hide.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Frame.h"
#include "support/RecordingCanvas.h"

namespace quorle::testing {

class FakeChildHost : public platform::ChildHost {
public:
    FakeChildHost(platform::ChildWindow& child, const platform::Rect& placement);

    void SetCaption(std::string_view caption) override;
    platform::WindowHost& AddPane(platform::Window& pane) override;
    // Records the placement and resizes the pane's host when its size changed
    // (the pane gets Resized, as on screen).
    void PlacePane(platform::Window& pane, const platform::Rect& rect) override;
    Size ClientSize() const override { return client_; }
    // Where the frame put it, as large as its client area (no borders here).
    platform::Rect Placement() const override {
        return platform::Rect{placement.left, placement.top, placement.left + client_.cx, placement.top + client_.cy};
    }
    void Show() override { ++showCount; }
    void Enable(bool enabled) override { enabled_ = enabled; }
    bool IsEnabled() const override { return enabled_; }

    // The user resizes the child window: its client area becomes this size and
    // the child gets Resized.
    void Resize(Size client);

    // The host of a pane added with AddPane (nullptr when it was never added).
    FakeWindowHost* PaneHost(const platform::Window& pane) const;
    // Where a pane was last placed ({} when never).
    platform::Rect PanePlacement(const platform::Window& pane) const;
    // The panes in the order they were added.
    std::vector<platform::Window*> Panes() const;

    platform::ChildWindow& Child() const { return child_; }

    std::string caption;
    std::vector<std::string> captions;  // every caption set, in order
    platform::Rect placement;           // where the frame was asked to put it
    int showCount = 0;
    bool Shown() const { return showCount > 0; }

private:
    struct PaneEntry {
        platform::Window* pane = nullptr;
        std::unique_ptr<FakeWindowHost> host;
        platform::Rect rect;
        bool placed = false;
    };
    const PaneEntry* Find(const platform::Window& pane) const;

    platform::ChildWindow& child_;
    Size client_;
    bool enabled_ = true;
    std::vector<PaneEntry> panes_;
};

// A top-level window in memory. Made by FakeFrame::CreateTopWindow (or by a
// test directly for a window without a class window); it attaches itself to
// the window and lets go of it when either goes.
class FakeTopWindowHost : public platform::TopWindowHost {
public:
    FakeTopWindowHost(platform::TopWindow& window, platform::TopWindowAttributes attributes, Size client = {800, 600});
    ~FakeTopWindowHost() override;

    void Invalidate() override { ++invalidations; }
    void SetAccessibleText(const platform::AccessibleText* t) override { text = t; }
    void SetAccessibleTable(platform::AccessibleTable* t) override { table = t; }
    void AccessibleFocusChanged() override { ++focusMoves; }
    void ScrollerChanged() override { ++scrollerChanges; }
    Size ClientSize() const override { return client_; }
    void SetFocus() override { ++focusCount; }
    platform::Canvas& MeasuringCanvas() override { return measure_; }
    void AddCheckBox(int, const platform::Rect&) override {}
    void RemoveCheckBox(int) override {}
    bool IsCheckBoxChecked(int) const override { return false; }
    void SetCheckBoxChecked(int, bool) override {}
    void SetCaption(std::string_view text) override;
    void Show(bool visible) override;
    bool IsVisible() const override { return visible_; }
    void SetStatusText(std::string_view text) override { statusText = std::string(text); }
    void EnableCommand(int id, bool enabled) override;
    void Release() override;

    // What a person does. Each throws std::logic_error when the window is
    // hidden or gone, or the command is not in its menu: a person could not.
    // Chooses a command of its menu (throws when it is greyed out too).
    void ChooseCommand(int id);
    bool CommandEnabled(int id) const;
    // Presses an accelerator by its keys ("Alt+P"); throws when it has none.
    void PressAccelerator(std::string_view keys);
    // A key in the window; true when the window handled it.
    bool PressKey(platform::Key key);
    // Highlights a menu item: the status bar shows its hint (returned).
    std::string HoverMenuItem(int id);
    // The close box.
    void PressCloseBox();
    // The user resizes it: the window gets Resized.
    void Resize(Size client);
    // Paints what is in view (the scroll position applied) on a fresh
    // recording canvas of the client size.
    RecordingCanvas Paint();

    // The labels of its menu, popups and commands, in order, "-" for separators.
    std::vector<std::string> MenuLabels() const;
    const platform::TopWindowAttributes& Attributes() const { return attributes_; }
    platform::TopWindow* Window() const { return window_; }
    // The owner's platform window went: this one went with it.
    void OwnerGone();

    std::string caption;
    std::vector<std::string> captions;  // every caption set, in order
    std::string statusText;
    int showCount = 0;   // times shown
    int hideCount = 0;   // times hidden while shown
    const platform::AccessibleText* text = nullptr;
    platform::AccessibleTable* table = nullptr;
    int invalidations = 0;
    int scrollerChanges = 0;
    int focusCount = 0;
    int focusMoves = 0;      // times the keyboard moved to another line
    bool released = false;   // its window object went
    bool ownerGone = false;  // its owner's platform window went

private:
    platform::TopWindow& Live(const char* action) const;

    platform::TopWindow* window_;
    platform::TopWindowAttributes attributes_;
    Size client_;
    bool visible_ = false;
    std::set<int> disabled_;
    RecordingCanvas measure_;
};

class FakeFrame : public platform::Frame {
public:
    explicit FakeFrame(Size screen = {1024, 768}) : area(screen), screen_(screen) {}

    platform::ChildHost& CreateChild(platform::ChildWindow& child, const platform::Rect& placement) override;
    void DestroyChild(platform::ChildWindow& child) override;
    platform::ChildWindow* ActiveChild() const override { return active_; }
    platform::TopWindowHost& CreateTopWindow(platform::TopWindow& window, platform::ChildWindow& owner,
                                             const platform::TopWindowAttributes& attributes) override;
    // Owned by no class window: only the window object's going takes it.
    platform::TopWindowHost& CreateFrameTopWindow(platform::TopWindow& window,
                                                  const platform::TopWindowAttributes& attributes) override;
    std::vector<platform::ChildWindow*> Children() const override;
    void ActivateChild(platform::ChildWindow& child) override;
    void Cascade() override { ++cascadeCount; }
    void Tile() override { ++tileCount; }
    void SetStatusText(std::string_view text) override;
    Size ScreenSize() const override { return screen_; }
    Size AreaSize() const override { return area; }
    void CloseFrame() override { closed = true; }
    void SetMenuList(int after, std::vector<platform::MenuItem> items) override { menuLists[after] = std::move(items); }
    void EnableCommand(int id, bool enabled) override { commandEnabled[id] = enabled; }
    void SetCommandLabel(int id, std::string_view label) override { commandLabels[id] = std::string(label); }
    void SetCommandChecked(int id, bool checked) override { commandChecks[id] = checked; }

    // What a person does with the frame. CloseChild asks the child, destroys
    // it when it agrees and tells the client (when set); true when it closed.
    bool CloseChild(platform::ChildWindow& child);
    // The close box of the frame: asks the client, then closes.
    bool CloseByUser();

    // The host made for a child (nullptr when it has none).
    FakeChildHost* HostOf(const platform::ChildWindow& child) const;
    // The host a top-level window has now (nullptr when none).
    FakeTopWindowHost* TopHostOf(const platform::TopWindow& window) const;
    // Every top-level window host made, in order (gone ones included).
    std::vector<FakeTopWindowHost*> TopWindows() const;

    platform::FrameClient* client = nullptr;
    // The area the children stand in (the screen's size unless a test says).
    Size area;

    std::string statusText;
    std::vector<std::string> statusHistory;  // every status text set, in order
    std::vector<platform::ChildWindow*> destroyed;
    // The lists the client put in the menu, by the command they follow.
    std::map<int, std::vector<platform::MenuItem>> menuLists;
    int cascadeCount = 0;
    int tileCount = 0;
    bool closed = false;
    // The state of the menu's commands as last set (every command starts enabled).
    std::map<int, bool> commandEnabled;
    std::map<int, std::string> commandLabels;
    std::map<int, bool> commandChecks;

private:
    Size screen_;
    std::vector<std::unique_ptr<FakeChildHost>> children_;
    platform::ChildWindow* active_ = nullptr;
    struct TopEntry {
        platform::ChildWindow* owner = nullptr;
        std::unique_ptr<FakeTopWindowHost> host;
    };
    std::vector<TopEntry> topWindows_;
};

}  // namespace quorle::testing
