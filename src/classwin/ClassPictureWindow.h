#pragma once
// The class picture window: the class's letter grades and averages drawn as
// two plots (Display > Class Picture), with its own File menu (Print, Close).
// One per class window, made on first use and afterwards hidden and shown; it
// follows the class as it changes.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Accessible.h"
#include "platform/Frame.h"
#include "platform/TopWindow.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

// The window's size when it first opens (its client area).
inline constexpr platform::Size kPictureWindowSize{640, 560};

class TClassPictureWindow : public platform::TopWindow {
public:
    TClassPictureWindow(platform::Ui& ui, const ClassRecord& record);

    // What its platform window is made with: the caption, the File menu, Ctrl+P.
    static platform::TopWindowAttributes Attributes(const ClassRecord& record);

    // Shows the window (at its first size the first time) and brings it to
    // the front; a window already shown is only brought to the front.
    void Open();
    // The class changed: the caption follows its name and the plots repaint.
    void ClassChanged();
    // File > Print: the print dialog, then the picture on one page.
    void Print();
    // File > Close (and the close box): hidden, the class window shown.
    void Close();

    const std::string& Caption() const { return caption_; }
    // The window the print job keeps disabled while it runs.
    void SetPrintParent(platform::ChildHost* parent) { printParent_ = parent; }
    // Shows the class window and gives it the focus (set by the class window).
    std::function<void()> showClassWindow;

    // ---- TopWindow
    void Command(int id) override;
    void CloseBox() override { Close(); }
    void Paint(platform::Canvas& canvas, const platform::Rect& clip) override;
    void Resized(platform::Size) override { Invalidate(); }
    // Up and Down walk the picture's lines (Home and End: the first and the
    // last), each announced where it is drawn.
    bool KeyDown(platform::Key key) override;

private:
    void UpdateCaption();

    // The picture's figures as a screen reader reads them: a list of lines,
    // each where the picture draws it (as last painted).
    class Reading : public platform::AccessibleText {
    public:
        explicit Reading(const ClassRecord& record) : record_(record) {}
        std::string Description() const override;
        std::vector<std::string> Lines() const override;
        std::optional<platform::Rect> LineRect(int line) const override;
        std::optional<int> FocusedLine() const override;

        std::vector<platform::Rect> places;
        int focused = 0;

    private:
        const ClassRecord& record_;
    };

    platform::Ui& ui_;
    const ClassRecord& record_;
    platform::ChildHost* printParent_ = nullptr;
    std::string caption_;
    bool sized_ = false;
    Reading reading_{record_};
    std::vector<std::string> read_;  // the lines as last painted
};

}  // namespace quorle
