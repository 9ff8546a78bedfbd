#pragma once
// The multi-document frame: a main window with the menu, accelerators and
// control bar it is given, the status bar and an MDI area holding the class
// windows.
#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

#include "platform/Frame.h"

class QMdiArea;
class QMdiSubWindow;
class QAction;
class QMimeData;
class QToolBar;

namespace quorle::qt {

class QtChildWindow;

class QtFrame : public QMainWindow, public platform::Frame {
public:
    explicit QtFrame(const platform::FrameLayout& layout = {}, QWidget* parent = nullptr);
    ~QtFrame() override;

    void SetClient(platform::FrameClient* client) { client_ = client; }
    platform::FrameClient* Client() const { return client_; }

    platform::ChildHost& CreateChild(platform::ChildWindow& child, const platform::Rect& placement) override;
    void DestroyChild(platform::ChildWindow& child) override;
    platform::ChildWindow* ActiveChild() const override;
    platform::TopWindowHost& CreateTopWindow(platform::TopWindow& window, platform::ChildWindow& owner,
                                             const platform::TopWindowAttributes& attributes) override;
    platform::TopWindowHost& CreateFrameTopWindow(platform::TopWindow& window,
                                                  const platform::TopWindowAttributes& attributes) override;
    std::vector<platform::ChildWindow*> Children() const override;
    void ActivateChild(platform::ChildWindow& child) override;
    void Cascade() override;
    void Tile() override;
    void SetStatusText(std::string_view text) override;
    platform::Size ScreenSize() const override;
    platform::Size AreaSize() const override;
    void EnableCommand(int id, bool enabled) override;
    void SetMenuList(int after, std::vector<platform::MenuItem> items) override;
    void SetCommandLabel(int id, std::string_view label) override;
    void SetCommandChecked(int id, bool checked) override;
    void CloseFrame() override;

    QMdiArea* MdiArea() const { return mdi_; }
    QToolBar* ControlBar() const { return toolBar_; }
    // The action of a command of the menu, or nullptr.
    QAction* CommandAction(int id) const;
    // The actions of the list put after a command by SetMenuList.
    std::vector<QAction*> MenuList(int after) const;
    // The files of a drag that the frame takes: local class files (".gdr" in any case).
    static std::vector<std::string> DroppedClassFiles(const QMimeData* data);
    // The platform window of a child, or nullptr.
    QMdiSubWindow* SubWindow(const platform::ChildWindow& child) const;

    // A child's sub-window agreed to close: it goes, and the client hears of it.
    void ChildAgreedToClose(platform::ChildWindow& child);
    void SendCommand(int id);
    void SendKey(platform::Key key);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControlBar(const std::vector<platform::ControlBarItem>& items);
    // How far each window of a cascade stands from the one behind it.
    int CascadeStep(const QWidget* sample) const;

    platform::FrameClient* client_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    // Every action of a command: its menu item, control-bar button and key.
    std::multimap<int, QAction*> commandActions_;
    std::map<const platform::ChildWindow*, QtChildWindow*> children_;
    std::map<int, std::vector<QAction*>> menuLists_;
    bool closeApproved_ = false;
};

}  // namespace quorle::qt
