#pragma once
// A top-level window owned by a class window (the chart and grid windows): a
// main window with the menu bar it was given, a status bar for the menu hints
// and the generic scrolling view in the middle, which paints the window and
// hands it keys and the mouse.
#include <QMainWindow>
#include <map>

#include "platform/TopWindow.h"

class QAction;
class QCloseEvent;

namespace quorle::qt {

class QtWindowHost;

class QtTopWindow : public QMainWindow, public platform::TopWindowHost {
public:
    // owner: the widget it belongs to (it stays above it and goes with it).
    QtTopWindow(platform::TopWindow& window, const platform::TopWindowAttributes& attributes, QWidget* owner);
    ~QtTopWindow() override;

    void Invalidate() override;
    void ScrollerChanged() override;
    platform::Size ClientSize() const override;
    void SetFocus() override;
    platform::Canvas& MeasuringCanvas() override;
    void AddCheckBox(int id, const platform::Rect& rect) override;
    void RemoveCheckBox(int id) override;
    bool IsCheckBoxChecked(int id) const override;
    void SetCheckBoxChecked(int id, bool checked) override;
    void SetCaption(std::string_view caption) override;
    void Show(bool visible) override;
    bool IsVisible() const override;
    void SetStatusText(std::string_view text) override;
    void EnableCommand(int id, bool enabled) override;
    void FitClientSize(platform::Size size) override;
    void Release() override;
    // A screen reader reads the view: as a list of lines, or as a table
    // (headers, row headers, cells and the cell the keyboard is on).
    void SetAccessibleText(const platform::AccessibleText* text) override;
    void SetAccessibleTable(platform::AccessibleTable* table) override;
    void AccessibleTextChanged() override;
    // The keyboard moved to another line of the view's list, or another cell of its table.
    void AccessibleFocusChanged() override;

    // Its owner is going: it hides, lets go of the window object and goes.
    void OwnerGone() { Release(); }

    // The action of a command of its menu, or nullptr; the scrolling view.
    QAction* CommandAction(int id) const;
    QtWindowHost* View() const { return view_; }
    platform::TopWindow* GetWindow() const { return window_; }
    // The help topic F1 opens while it is active (0: none of its own).
    int HelpTopic() const { return helpTopic_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HideAndReturnKeyboard();
    void SendCommand(int id);

    platform::TopWindow* window_;
    QtWindowHost* view_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<int, bool> disabled_;
    int helpTopic_ = 0;
};

}  // namespace quorle::qt
