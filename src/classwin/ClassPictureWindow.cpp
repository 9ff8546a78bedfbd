#include "classwin/ClassPictureWindow.h"

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

void TClassPictureWindow::Paint(platform::Canvas& canvas, const platform::Rect&) {
    if (Host()) {
        Host()->SetAccessibleText(&reading_);
        std::vector<std::string> lines = reading_.Lines();
        if (lines != read_) Host()->AccessibleTextChanged();
        read_ = std::move(lines);
    }
    const platform::Size client = Host() ? Host()->ClientSize() : kPictureWindowSize;
    PaintClassPicture(canvas, record_, client, false);
}

}  // namespace quorle
