#pragma once
// The application (TDecoApp) and the multi-document client (TDecoClient) that
// every menu command of the frame reaches. No windowing code here: the frame
// and the services come in through the platform interfaces.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Frame.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

class TDecoChild;
class TTermWindow;

class TDecoClient : public platform::FrameClient {
public:
    TDecoClient(platform::Frame& frame, platform::Ui& ui);
    ~TDecoClient() override;
    TDecoClient(const TDecoClient&) = delete;
    TDecoClient& operator=(const TDecoClient&) = delete;

    // The one client of the run, or nullptr before it exists.
    static TDecoClient* Instance();

    void Command(int id) override;
    bool CanCloseFrame() override;
    void ChildClosed(platform::ChildWindow& child) override;
    // Keeps the class window's size for the next time its class opens.
    void ChildClosing(platform::ChildWindow& child) override;
    void KeyDown(platform::Key key) override;
    // Opens each file as Open does after its dialog.
    void OpenFiles(const std::vector<std::string>& paths) override;
    void ChildActivated(platform::ChildWindow& child) override;
    void MenuOpening() override;

    // Keeps the recent classes of the File menu in the teacher's settings file
    // (UserSettings.h): reads them from it now and writes it at each change.
    // Without it the list lasts for the run only.
    void KeepSettingsIn(std::string settingsPath);
    // The classes opened last, newest first.
    const std::vector<std::string>& RecentClasses() const { return recent_; }

    // Opens a class file in a new class window, as Open does after its dialog,
    // and locks it for this program. False (after the error box) when the file
    // could not be read, or (after saying so) when another program has it open.
    bool OpenClass(const std::string& path);
    // File > New: Class Information, the file name (the class written), the
    // defaults, the students, the grading system, then the class window.
    // False, with no window and no file, when either of the first two is cancelled.
    bool NewClass();

    // The placement of a new class window: an eighth of the screen in from
    // the left and top, six eighths wide and high.
    platform::Rect DefaultPlacement() const;

    int OpenClassCount() const { return openClasses_; }
    const std::string& ProgramDirectory() const { return programDirectory_; }
    // The class window that is active in the frame, or nullptr.
    TDecoChild* ActiveClass() const;
    // The class window of a child window of the frame, if it is one.
    TDecoChild* ClassOf(const platform::ChildWindow* window) const;
    const std::vector<std::unique_ptr<TDecoChild>>& Classes() const { return children_; }

private:
    void Open();
    // Class window set-up for a class read or made.
    TDecoChild& ShowClass(ClassRecord record);
    // The term grades windows follow the classes open in class windows.
    void FollowClasses();
    void Save();
    void SaveAs();
    void CloseAll();
    void Exit();
    // Every class window in turn may close; false at the first refusal.
    bool AskEveryClass();
    // Greys the class commands out while no class is open.
    void UpdateCommands();
    // Forgets a class window whose platform window is gone (safe to call twice).
    void Forget(const platform::ChildWindow* child);
    // The recent classes: one put first, or a missing one taken out; the menu
    // and the settings file follow.
    void Remember(const std::string& path);
    void OpenRecent(std::size_t index);
    void StoreRecent();
    void CloseActive();
    // High contrast colours on or off in every class window, and kept in the
    // settings file when `keep`.
    void SetHighContrast(bool on, bool keep);
    // The captions' changed marks and the Window menu's list brought up to date.
    void RefreshWindows();
    // The size of a class window, when the teacher changed it since it opened,
    // kept in the settings file for its class.
    void KeepWindowSize(const platform::ChildWindow& child);
    // The status bar speaks of the active class's cursor, and of no class
    // when none is open.
    void ShowActiveStatus();

    platform::Frame& frame_;
    platform::Ui& ui_;
    std::string programDirectory_;
    std::vector<std::unique_ptr<TDecoChild>> children_;
    // The term grades windows (File > Term Grades): each goes when closed.
    std::vector<std::unique_ptr<TTermWindow>> termWindows_;
    // The size each class window opened at.
    std::map<const platform::ChildWindow*, platform::Size> openedSizes_;
    int openClasses_ = 0;
    std::vector<std::string> recent_;
    std::string settingsPath_;
};

// The application: its name and its client.
class TDecoApp {
public:
    static constexpr const char* kName = "Quorle";
    static constexpr const char* kCaption = "Quorle";
    // The splash is held this long before the frame shows.
    static constexpr int kSplashMilliseconds = 3000;
};

}  // namespace quorle
