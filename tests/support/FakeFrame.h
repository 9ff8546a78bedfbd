#pragma once
// A frame and child window hosts in memory. The frame records the children it
// made, their placements, the status text, cascade/tile requests and whether it
// was closed; each child host makes a FakeWindowHost per pane and records its
// captions, pane placements, enable state and whether it was shown.
#include <map>
#include <memory>
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

class FakeFrame : public platform::Frame {
public:
    explicit FakeFrame(Size screen = {1024, 768}) : screen_(screen) {}

    platform::ChildHost& CreateChild(platform::ChildWindow& child, const platform::Rect& placement) override;
    void DestroyChild(platform::ChildWindow& child) override;
    platform::ChildWindow* ActiveChild() const override { return active_; }
    std::vector<platform::ChildWindow*> Children() const override;
    void ActivateChild(platform::ChildWindow& child) override;
    void Cascade() override { ++cascadeCount; }
    void Tile() override { ++tileCount; }
    void SetStatusText(std::string_view text) override;
    Size ScreenSize() const override { return screen_; }
    void CloseFrame() override { closed = true; }

    // What a person does with the frame. CloseChild asks the child, destroys
    // it when it agrees and tells the client (when set); true when it closed.
    bool CloseChild(platform::ChildWindow& child);
    // The close box of the frame: asks the client, then closes.
    bool CloseByUser();

    // The host made for a child (nullptr when it has none).
    FakeChildHost* HostOf(const platform::ChildWindow& child) const;

    platform::FrameClient* client = nullptr;

    std::string statusText;
    std::vector<std::string> statusHistory;  // every status text set, in order
    std::vector<platform::ChildWindow*> destroyed;
    int cascadeCount = 0;
    int tileCount = 0;
    bool closed = false;

private:
    Size screen_;
    std::vector<std::unique_ptr<FakeChildHost>> children_;
    platform::ChildWindow* active_ = nullptr;
};

}  // namespace quorle::testing
