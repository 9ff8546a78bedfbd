#include "support/FakeFrame.h"

#include <algorithm>

namespace quorle::testing {

FakeChildHost::FakeChildHost(platform::ChildWindow& child, const platform::Rect& where)
    : placement(where), child_(child), client_{where.Width(), where.Height()} {}

void FakeChildHost::SetCaption(std::string_view text) {
    caption = std::string(text);
    captions.push_back(caption);
}

platform::WindowHost& FakeChildHost::AddPane(platform::Window& pane) {
    if (const PaneEntry* existing = Find(pane)) return *existing->host;
    PaneEntry entry;
    entry.pane = &pane;
    entry.host = std::make_unique<FakeWindowHost>(pane, Size{0, 0});
    panes_.push_back(std::move(entry));
    return *panes_.back().host;
}

void FakeChildHost::PlacePane(platform::Window& pane, const platform::Rect& rect) {
    for (auto& entry : panes_) {
        if (entry.pane != &pane) continue;
        const bool resized = !entry.placed || entry.rect.Width() != rect.Width() || entry.rect.Height() != rect.Height();
        entry.rect = rect;
        entry.placed = true;
        if (resized) entry.host->Resize(Size{rect.Width(), rect.Height()});
        return;
    }
}

void FakeChildHost::Resize(Size client) {
    client_ = client;
    child_.Resized(client);
}

const FakeChildHost::PaneEntry* FakeChildHost::Find(const platform::Window& pane) const {
    for (const auto& entry : panes_)
        if (entry.pane == &pane) return &entry;
    return nullptr;
}

FakeWindowHost* FakeChildHost::PaneHost(const platform::Window& pane) const {
    const PaneEntry* entry = Find(pane);
    return entry ? entry->host.get() : nullptr;
}

platform::Rect FakeChildHost::PanePlacement(const platform::Window& pane) const {
    const PaneEntry* entry = Find(pane);
    return entry ? entry->rect : platform::Rect{};
}

std::vector<platform::Window*> FakeChildHost::Panes() const {
    std::vector<platform::Window*> out;
    for (const auto& entry : panes_) out.push_back(entry.pane);
    return out;
}

platform::ChildHost& FakeFrame::CreateChild(platform::ChildWindow& child, const platform::Rect& placement) {
    children_.push_back(std::make_unique<FakeChildHost>(child, placement));
    active_ = &child;
    return *children_.back();
}

void FakeFrame::DestroyChild(platform::ChildWindow& child) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [&](const auto& host) { return &host->Child() == &child; });
    if (it == children_.end()) return;
    children_.erase(it);
    destroyed.push_back(&child);
    if (active_ == &child) active_ = children_.empty() ? nullptr : &children_.back()->Child();
}

std::vector<platform::ChildWindow*> FakeFrame::Children() const {
    std::vector<platform::ChildWindow*> out;
    for (const auto& host : children_) out.push_back(&host->Child());
    return out;
}

void FakeFrame::ActivateChild(platform::ChildWindow& child) {
    if (!HostOf(child)) return;
    active_ = &child;
    child.Activated();
}

void FakeFrame::SetStatusText(std::string_view text) {
    statusText = std::string(text);
    statusHistory.push_back(statusText);
}

bool FakeFrame::CloseChild(platform::ChildWindow& child) {
    if (!HostOf(child)) return false;
    if (!child.CanClose()) return false;
    DestroyChild(child);
    if (client) client->ChildClosed(child);
    return true;
}

bool FakeFrame::CloseByUser() {
    if (client && !client->CanCloseFrame()) return false;
    CloseFrame();
    return true;
}

FakeChildHost* FakeFrame::HostOf(const platform::ChildWindow& child) const {
    for (const auto& host : children_)
        if (&host->Child() == &child) return host.get();
    return nullptr;
}

}  // namespace quorle::testing
