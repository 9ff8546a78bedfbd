#include "support/FakeFrame.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

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
    for (auto& entry : topWindows_)
        if (entry.owner == &child) entry.host->OwnerGone();
    auto it = std::find_if(children_.begin(), children_.end(),
                           [&](const auto& host) { return &host->Child() == &child; });
    if (it == children_.end()) return;
    if (client) client->ChildClosing(child);
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
    if (client) client->ChildActivated(child);
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

platform::TopWindowHost& FakeFrame::CreateTopWindow(platform::TopWindow& window, platform::ChildWindow& owner,
                                                    const platform::TopWindowAttributes& attributes) {
    if (platform::TopWindowHost* old = window.TopHost()) old->Release();
    topWindows_.push_back(TopEntry{&owner, std::make_unique<FakeTopWindowHost>(window, attributes)});
    return *topWindows_.back().host;
}

platform::TopWindowHost& FakeFrame::CreateFrameTopWindow(platform::TopWindow& window,
                                                         const platform::TopWindowAttributes& attributes) {
    if (platform::TopWindowHost* old = window.TopHost()) old->Release();
    topWindows_.push_back(TopEntry{nullptr, std::make_unique<FakeTopWindowHost>(window, attributes)});
    return *topWindows_.back().host;
}

FakeTopWindowHost* FakeFrame::TopHostOf(const platform::TopWindow& window) const {
    for (const auto& entry : topWindows_)
        if (entry.host->Window() == &window) return entry.host.get();
    return nullptr;
}

std::vector<FakeTopWindowHost*> FakeFrame::TopWindows() const {
    std::vector<FakeTopWindowHost*> out;
    for (const auto& entry : topWindows_) out.push_back(entry.host.get());
    return out;
}

FakeTopWindowHost::FakeTopWindowHost(platform::TopWindow& window, platform::TopWindowAttributes attributes,
                                     Size client)
    : window_(&window), attributes_(std::move(attributes)), client_(client) {
    caption = attributes_.caption;
    window.AttachTopHost(this);
}

FakeTopWindowHost::~FakeTopWindowHost() {
    if (window_ && window_->TopHost() == this) window_->AttachTopHost(nullptr);
}

void FakeTopWindowHost::SetCaption(std::string_view text) {
    caption = std::string(text);
    captions.push_back(caption);
}

void FakeTopWindowHost::Show(bool visible) {
    if (visible) {
        ++showCount;
        ++focusCount;
    } else if (visible_) {
        ++hideCount;
    }
    visible_ = visible;
}

void FakeTopWindowHost::Release() {
    if (window_ && window_->TopHost() == this) window_->AttachTopHost(nullptr);
    window_ = nullptr;
    visible_ = false;
    released = true;
}

void FakeTopWindowHost::OwnerGone() {
    if (!window_) return;
    Release();
    released = false;
    ownerGone = true;
}

platform::TopWindow& FakeTopWindowHost::Live(const char* action) const {
    if (!window_) throw std::logic_error(std::string(action) + ": the window \"" + caption + "\" is gone");
    if (!visible_) throw std::logic_error(std::string(action) + ": the window \"" + caption + "\" is hidden");
    return *window_;
}

void FakeTopWindowHost::ChooseCommand(int id) {
    platform::TopWindow& window = Live("choosing a command");
    if (!platform::FindCommand(attributes_.menu, id))
        throw std::logic_error("command " + std::to_string(id) + " is not in the menu of \"" + caption + "\"");
    if (disabled_.count(id)) throw std::logic_error("command " + std::to_string(id) + " is greyed out");
    window.Command(id);
}

void FakeTopWindowHost::EnableCommand(int id, bool enabled) {
    if (enabled)
        disabled_.erase(id);
    else
        disabled_.insert(id);
}

bool FakeTopWindowHost::CommandEnabled(int id) const { return !disabled_.count(id); }

void FakeTopWindowHost::PressAccelerator(std::string_view keys) {
    platform::TopWindow& window = Live("pressing an accelerator");
    for (const auto& accelerator : attributes_.accelerators) {
        if (accelerator.keys == keys) {
            // A greyed-out command's key does nothing.
            if (!disabled_.count(accelerator.command)) window.Command(accelerator.command);
            return;
        }
    }
    throw std::logic_error("no accelerator " + std::string(keys) + " in \"" + caption + "\"");
}

bool FakeTopWindowHost::PressKey(platform::Key key) { return Live("pressing a key").KeyDown(key); }

std::string FakeTopWindowHost::HoverMenuItem(int id) {
    Live("highlighting a menu item");
    const platform::MenuItem* item = platform::FindCommand(attributes_.menu, id);
    if (!item) throw std::logic_error("command " + std::to_string(id) + " is not in the menu of \"" + caption + "\"");
    statusText = item->hint;
    return statusText;
}

void FakeTopWindowHost::PressCloseBox() { Live("closing").CloseBox(); }

void FakeTopWindowHost::Resize(Size client) {
    client_ = client;
    if (window_) window_->Resized(client);
}

RecordingCanvas FakeTopWindowHost::Paint() {
    RecordingCanvas canvas(client_.cx, client_.cy);
    if (!window_) return canvas;
    const platform::Scroller& s = window_->GetScroller();
    const int dx = s.xPos * s.xUnit;
    const int dy = s.yPos * s.yUnit;
    window_->Paint(canvas, platform::Rect{dx, dy, dx + client_.cx, dy + client_.cy});
    return canvas;
}

std::vector<std::string> FakeTopWindowHost::MenuLabels() const {
    std::vector<std::string> out;
    std::function<void(const std::vector<platform::MenuItem>&)> walk = [&](const auto& items) {
        for (const auto& item : items) {
            out.push_back(item.kind == platform::MenuItem::Kind::Separator ? "-" : item.label);
            if (item.kind == platform::MenuItem::Kind::Popup) walk(item.items);
        }
    };
    walk(attributes_.menu);
    return out;
}

}  // namespace quorle::testing
