#include "classwin/ClassPictureWindow.h"

#include <algorithm>

#include "classwin/ClassPicture.h"
#include "reports/PrintJob.h"
#include "resources/Menus.h"
#include "resources/PictureMenu.h"

namespace quorle {

TClassPictureWindow::TClassPictureWindow(platform::Ui& ui, const ClassRecord& record)
    : ui_(ui), record_(record), caption_(ClassPictureTitle(record)) {}

platform::TopWindowAttributes TClassPictureWindow::Attributes(const ClassRecord& record) {
    platform::TopWindowAttributes attributes;
    attributes.caption = ClassPictureTitle(record);
    attributes.menu = resources::ClassPictureMenu();
    attributes.accelerators = resources::ClassPictureAccelerators();
    // Close by the keys that close a window.
    attributes.accelerators.push_back({"Escape", resources::cmd::kPictureClose});
    attributes.accelerators.push_back({"Ctrl+W", resources::cmd::kPictureClose});
    attributes.helpTopic = resources::kHelpTopicDisplay;
    return attributes;
}

void TClassPictureWindow::UpdateCaption() {
    const std::string caption = ClassPictureTitle(record_);
    if (caption == caption_) return;
    caption_ = caption;
    if (Host()) Host()->SetCaption(caption_);
}

void TClassPictureWindow::Open() {
    UpdateCaption();
    if (!sized_) {
        if (platform::TopWindowHost* host = TopHost()) host->FitClientSize(kPictureWindowSize);
        sized_ = true;
    }
    Invalidate();
    ShowWindow();
}

void TClassPictureWindow::ClassChanged() {
    UpdateCaption();
    Invalidate();
}

void TClassPictureWindow::Command(int id) {
    switch (id) {
        case resources::cmd::kPicturePrint: Print(); break;
        case resources::cmd::kPictureClose: Close(); break;
        default: break;
    }
}

void TClassPictureWindow::Print() {
    TMyPrinter printer;
    TClassPicturePrint printout(record_);
    printer.RunPrintJob(ui_, printParent_, printout, true);
    Invalidate();
}

void TClassPictureWindow::Close() {
    HideWindow();
    if (showClassWindow) showClassWindow();
}

std::string TClassPictureWindow::Reading::Description() const { return ClassPictureDescription(record_); }

std::vector<std::string> TClassPictureWindow::Reading::Lines() const { return ClassPictureLines(record_); }

std::optional<platform::Rect> TClassPictureWindow::Reading::LineRect(int line) const {
    if (line < 0 || line >= static_cast<int>(places.size())) return std::nullopt;
    return places[static_cast<std::size_t>(line)];
}

std::optional<int> TClassPictureWindow::Reading::FocusedLine() const {
    const int count = static_cast<int>(Lines().size());
    if (count == 0) return std::nullopt;
    return std::clamp(focused, 0, count - 1);
}

bool TClassPictureWindow::KeyDown(platform::Key key) {
    const int last = static_cast<int>(reading_.Lines().size()) - 1;
    const int at = reading_.FocusedLine().value_or(0);
    int to = at;
    switch (key) {
        case platform::Key::Up: to = at - 1; break;
        case platform::Key::Down: to = at + 1; break;
        case platform::Key::Home: to = 0; break;
        case platform::Key::End: to = last; break;
        default: return false;
    }
    reading_.focused = std::clamp(to, 0, std::max(0, last));
    Invalidate();
    if (Host()) Host()->AccessibleFocusChanged();
    return true;
}

void TClassPictureWindow::Paint(platform::Canvas& canvas, const platform::Rect&) {
    if (Host()) {
        Host()->SetAccessibleText(&reading_);
        std::vector<std::string> lines = reading_.Lines();
        if (lines != read_) Host()->AccessibleTextChanged();
        read_ = std::move(lines);
    }
    const platform::Size client = Host() ? Host()->ClientSize() : kPictureWindowSize;
    reading_.places.clear();
    PaintClassPicture(canvas, record_, client, false, &reading_.places);
    // The line the keyboard is on, framed.
    if (const auto line = reading_.FocusedLine())
        if (const auto place = reading_.LineRect(*line))
            canvas.Rectangle(platform::Rect{place->left - 3, place->top - 2, place->right + 3, place->bottom + 2}, 2);
}

}  // namespace quorle
