#pragma once
// The assignment grid of a class window: the Assignment Grid menu's New, Open
// and Delete, and the one grid window the class window owns.
#include <functional>
#include <memory>

#include "grids/AssignGridWindow.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

class TClassGrid {
public:
    // Makes the platform window of a new grid window (hidden).
    using WindowMaker = std::function<void(TAssignGridWindow&)>;

    TClassGrid(platform::Ui& ui, const ClassRecord& record, int displayHeight);
    ~TClassGrid();

    // How grid windows get their platform window, and what gives the class
    // window the focus back; set once the class window is on screen.
    void SetWindowMaker(WindowMaker maker) { maker_ = std::move(maker); }
    void SetFocusClass(std::function<void()> focusClass) { focusClass_ = std::move(focusClass); }

    // Assignment Grid > New: a new grid window for the class, then its columns.
    void NewGrid();
    // Assignment Grid > Open: a new grid window, shown once a file was read.
    void OpenGrid();
    // Assignment Grid > Delete: picks a grid file and deletes it after asking.
    void DeleteGrid();

    // The class window is closing: a changed grid on screen is offered for
    // saving first. False keeps the class window open.
    bool CanClose();

    // The grid window, or nullptr before the first New or Open.
    TAssignGridWindow* Window() const { return window_.get(); }

private:
    // The grid window on screen makes way for a new one, after the
    // save-changes question when it changed. False when the teacher cancelled.
    bool ReplaceWindow();

    platform::Ui& ui_;
    const ClassRecord& record_;
    int displayHeight_;
    WindowMaker maker_;
    std::function<void()> focusClass_;
    std::unique_ptr<TAssignGridWindow> window_;
};

}  // namespace quorle
