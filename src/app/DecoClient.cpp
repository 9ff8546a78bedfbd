#include "app/DecoClient.h"

#include <algorithm>

#include "app/ClassArgument.h"
#include "app/CsvExport.h"
#include "app/RecentClasses.h"
#include "app/TermWindow.h"
#include "app/UserSettings.h"
#include "app/WindowList.h"
#include "classwin/ClassInfoDialog.h"
#include "classwin/ClassSaving.h"
#include "classwin/ClassWindow.h"
#include "classwin/EarlierVersions.h"
#include "classwin/GradingSystem.h"
#include "classwin/Panes.h"
#include "classwin/RosterCommands.h"
#include "grading/DisplayOptions.h"
#include "record/ClassFile.h"
#include "record/ClassLock.h"
#include "record/FileNames.h"
#include "record/FileStamp.h"
#include "record/VersionStore.h"
#include "reports/PrintJob.h"
#include "reports/PrintMenuCommands.h"
#include "reports/ProgressCommands.h"
#include "resources/Menus.h"

namespace quorle {

namespace {
TDecoClient* g_client = nullptr;
}

TDecoClient::TDecoClient(platform::Frame& frame, platform::Ui& ui)
    : frame_(frame), ui_(ui), programDirectory_(ui.ProgramDirectory()) {
    g_client = this;
    UpdateCommands();
    // The usual colours until the teacher's settings say otherwise.
    SetHighContrastRows(false);
    // A class whose earlier version cannot be kept is still saved; the
    // teacher hears why once.
    SetVersionProblemListener([&ui](const FileProblem& problem) {
        ui.MessageBox("Warning", FileMessage(kVersionsNotKept, problem), platform::Buttons::Ok,
                      platform::Icon::Exclamation);
    });
    // Print to File never writes over a class, chart or grid, nor through a link.
    SetPrintOutputGuard(ProtectedOutput);
}

TDecoClient::~TDecoClient() {
    // The platform windows go first, so nothing on screen refers to a class
    // window that is gone.
    termWindows_.clear();
    for (auto& child : children_) frame_.DestroyChild(*child);
    children_.clear();
    if (g_client == this) g_client = nullptr;
    SetVersionProblemListener(nullptr);
    SetPrintOutputGuard(nullptr);
}

TDecoClient* TDecoClient::Instance() { return g_client; }

platform::Rect TDecoClient::DefaultPlacement() const {
    const platform::Size screen = frame_.ScreenSize();
    const int x = screen.cx / 8;
    const int y = screen.cy / 8;
    return platform::Rect{x, y, x + 6 * x, y + 6 * y};
}

TDecoChild* TDecoClient::ClassOf(const platform::ChildWindow* window) const {
    for (const auto& child : children_)
        if (window && child.get() == window) return child.get();
    return nullptr;
}

TDecoChild* TDecoClient::ActiveClass() const { return ClassOf(frame_.ActiveChild()); }

void TDecoClient::Command(int id) {
    namespace c = resources::cmd;
    // Whatever the command did, the captions and the Window menu show it after.
    struct Refresh {
        TDecoClient& client;
        ~Refresh() { client.RefreshWindows(); }
    } refresh{*this};
    // A value being typed is stored first, as a click on another cell stores
    // it; one that cannot be stored stops the command.
    if (TDecoChild* active = ActiveClass(); active && !active->FinishTyping()) return;
    switch (id) {
        case c::kOpen: Open(); return;
        case c::kSave: Save(); return;
        case c::kSaveAs: SaveAs(); return;
        case c::kCascade: frame_.Cascade(); return;
        case c::kTile: frame_.Tile(); return;
        case c::kCloseAll: CloseAll(); return;
        case c::kExit: Exit(); return;
        case c::kHelp: ui_.Help(platform::HelpCommand::Contents, resources::kHelpFile); return;
        case c::kHelpIndex: ui_.Help(platform::HelpCommand::Index, resources::kHelpFile); return;
        case c::kUsingHelp: ui_.Help(platform::HelpCommand::Contents, resources::kUsingHelpFile); return;
        // The letters are edited with or without a class window.
        case c::kEditProgress: EditTemplateCommand(ui_, ProgressKind::Progress); return;
        case c::kEditWarning: EditTemplateCommand(ui_, ProgressKind::Warning); return;
        case c::kNew: NewClass(); return;
        case c::kDeleteFile: DeleteClassFile(ui_, openClasses_); return;
        case c::kExport:
            if (TDecoChild* active = ActiveClass()) ExportClassCommand(ui_, active->Record());
            return;
        case c::kEarlierVersions:
            if (TDecoChild* active = ActiveClass())
                EarlierVersionsCommand(*active, [this](ClassRecord version, const std::string& caption,
                                                       const std::string& shownName) {
                    ShowClass(std::move(version)).OpenToRead(caption, shownName);
                });
            return;
        case c::kCloseClass: CloseActive(); return;
        // Made of class files; the active class's is offered first.
        case c::kTermGrades: {
            const TDecoChild* active = ActiveClass();
            TermGradesCommand(ui_, frame_, active ? &active->Record() : nullptr, termWindows_, [this] {
                if (TDecoChild* shown = ActiveClass()) shown->TakeKeyboard();
            });
            FollowClasses();
            return;
        }
        case c::kHighContrast: SetHighContrast(!HighContrastRows(), true); return;
        case c::kPrintPreview:
            if (TDecoChild* active = ActiveClass()) {
                // The report's options come from the options file, as Print Grades takes them.
                PrintOptions options = DefaultPrintOptions();
                PreviewGradesCommand(ui_, active->Host(), active->Record(), options);
                if (platform::WindowHost* pane = active->Names().Host()) pane->SetFocus();
            }
            return;
        default: break;
    }
    if (id >= c::kRecentClass && id < c::kRecentClass + resources::kRecentClassCount) {
        OpenRecent(static_cast<std::size_t>(id - c::kRecentClass));
        return;
    }
    if (id >= c::kWindowClass && id < c::kWindowClass + resources::kWindowListCount) {
        const auto windows = frame_.Children();
        const auto index = static_cast<std::size_t>(id - c::kWindowClass);
        if (index < windows.size()) frame_.ActivateChild(*windows[index]);
        return;
    }
    // Everything else works on the active class, and does nothing without one.
    if (TDecoChild* active = ActiveClass()) active->Command(id);
}

void TDecoClient::OpenFiles(const std::vector<std::string>& paths) {
    for (const auto& path : paths) OpenClass(path);
}

void TDecoClient::ChildActivated(platform::ChildWindow& child) {
    // The window left behind stores a value typed in it, as a click on
    // another cell does; one the rule refuses stays typed there (no box: the
    // switch is done), and its next command or closing says why.
    for (const auto& other : children_)
        if (other.get() != &child) other->Grades().FocusLost();
    ShowActiveStatus();
    RefreshWindows();
}

void TDecoClient::ShowActiveStatus() {
    if (TDecoChild* active = ActiveClass())
        active->Grades().ShowCursorStatus();
    else
        frame_.SetStatusText("");
}

void TDecoClient::MenuOpening() { RefreshWindows(); }

void TDecoClient::RefreshWindows() {
    std::vector<std::string> captions;
    int active = -1;
    const TDecoChild* current = ActiveClass();
    for (platform::ChildWindow* window : frame_.Children()) {
        for (const auto& child : children_) {
            if (child.get() != window) continue;
            child->UpdateCaption();
            if (child.get() == current) active = static_cast<int>(captions.size());
            captions.push_back(child->Caption());
        }
    }
    frame_.SetMenuList(resources::cmd::kCloseAll, WindowListItems(captions, active));
}

void TDecoClient::KeepSettingsIn(std::string settingsPath) {
    settingsPath_ = std::move(settingsPath);
    const UserSettings settings = ReadUserSettings(settingsPath_);
    recent_ = settings.recentClasses;
    SetHighContrast(settings.highContrast, false);
    frame_.SetMenuList(resources::cmd::kDeleteFile, RecentClassItems(recent_));
}

void TDecoClient::SetHighContrast(bool on, bool keep) {
    SetHighContrastRows(on);
    frame_.SetCommandChecked(resources::cmd::kHighContrast, on);
    for (const auto& child : children_) {
        child->Names().Invalidate();
        child->Grades().Invalidate();
    }
    if (!keep || settingsPath_.empty()) return;
    UserSettings settings = ReadUserSettings(settingsPath_);
    settings.highContrast = on;
    WriteUserSettings(settingsPath_, settings);
}

void TDecoClient::Remember(const std::string& path) {
    AddRecentClass(recent_, path);
    StoreRecent();
}

void TDecoClient::StoreRecent() {
    frame_.SetMenuList(resources::cmd::kDeleteFile, RecentClassItems(recent_));
    if (settingsPath_.empty()) return;
    // The frame's place, written by the program when it last ended, stays.
    UserSettings settings = ReadUserSettings(settingsPath_);
    settings.recentClasses = recent_;
    WriteUserSettings(settingsPath_, settings);
}

void TDecoClient::OpenRecent(std::size_t index) {
    if (index >= recent_.size()) return;
    const std::string path = recent_[index];
    if (OpenClass(path) || FileExists(path)) return;
    // Gone from where it was: the reading error said so, and the list forgets it.
    RemoveRecentClass(recent_, path);
    StoreRecent();
}

void TDecoClient::CloseActive() {
    TDecoChild* active = ActiveClass();
    if (!active || !active->CanClose()) return;
    frame_.DestroyChild(*active);
    Forget(active);
}

void TDecoClient::Open() {
    const auto path = ui_.OpenFileName(ClassFileDialog("", true));
    if (!path) return;
    OpenClass(*path);
}

bool TDecoClient::OpenClass(const std::string& path) {
    // A class already open is brought forward: two windows on one file would
    // each save over the other's changes.
    for (const auto& child : children_) {
        const std::string& open = child->Record().fileName;
        if (!open.empty() && SameFile(open, path)) {
            frame_.ActivateChild(*child);
            Remember(path);
            return true;
        }
    }
    // Locked before it is read, so that no other program writes it between.
    const std::string written = NormalizeClassFileName(path);
    ClassLock lock = ClassLock::Acquire(written);
    if (lock.State() == LockState::HeldElsewhere) {
        ui_.MessageBox("Information", OpenElsewhereMessage(path, lock.Holder()), platform::Buttons::Ok,
                       platform::Icon::Information);
        return false;
    }
    const auto stamp = StampFile(written);
    ClassRecord record;
    try {
        record = ReadClassFile(path);
    } catch (const ClassFileError& error) {
        ui_.MessageBox("Error!", error.BoxText(), platform::Buttons::Ok, platform::Icon::Stop);
        return false;
    }
    record.modified = false;
    ShowClass(std::move(record)).KeepFile(std::move(lock), stamp);
    Remember(path);
    return true;
}

void TDecoClient::FollowClasses() {
    const auto current = [this](const std::string& path) -> const ClassRecord* {
        for (const auto& child : children_)
            if (!child->IsReadOnly() && !child->Record().fileName.empty() && SameFile(child->Record().fileName, path))
                return &child->Record();
        return nullptr;
    };
    for (const auto& window : termWindows_) window->Follow(current);
}

TDecoChild& TDecoClient::ShowClass(ClassRecord record) {
    auto child = std::make_unique<TDecoChild>(frame_, ui_, std::move(record));
    TDecoChild& window = *child;
    // The term grades made of this class follow its changes.
    window.classChanged = [this] { FollowClasses(); };
    const bool only = children_.empty();
    children_.push_back(std::move(child));
    const auto kept = ClassWindowSizeOf(ReadUserSettings(settingsPath_), window.Record().fileName);
    window.Create(ClassWindowPlacement(frame_.AreaSize(), DefaultPlacement(), only, kept));
    if (const platform::ChildHost* host = window.Host()) {
        const platform::Rect placed = host->Placement();
        openedSizes_[&window] = platform::Size{placed.Width(), placed.Height()};
    }
    ++openClasses_;
    UpdateCommands();
    RefreshWindows();
    return window;
}

void TDecoClient::UpdateCommands() {
    const bool open = !children_.empty();
    for (const int id : resources::ClassCommands()) frame_.EnableCommand(id, open);
    // Undo and Redo speak of the active class's steps; greyed with no class.
    if (TDecoChild* active = ActiveClass()) {
        active->ShowUndoState();
        return;
    }
    for (const int id : {resources::cmd::kUndo, resources::cmd::kRedo}) frame_.EnableCommand(id, false);
    frame_.SetCommandLabel(resources::cmd::kUndo, "&Undo");
    frame_.SetCommandLabel(resources::cmd::kRedo, "&Redo");
}

bool TDecoClient::NewClass() {
    // Nothing is on screen and nothing on disk until the class has a name.
    ClassRecord record = NewClassRecord();
    if (!EditClassInfo(ui_, record)) return false;
    if (!SaveClassAs(ui_, record, {})) return false;
    FileProblem problem;
    if (!LoadDisplayDefaults(programDirectory_, record, &problem))
        ui_.MessageBox("Warning", FileMessage(kFileNotFound, problem), platform::Buttons::Ok, platform::Icon::Exclamation);
    LoadGradingDefaults(ui_, record, programDirectory_);
    record.modified = false;
    AddStudentsLoop(ui_, record, {});
    EditGradingSystem(ui_, record, programDirectory_);
    const std::string written = NormalizeClassFileName(record.fileName);
    ShowClass(std::move(record)).KeepFile(ClassLock::Acquire(written), StampFile(written));
    Remember(written);
    return true;
}

void TDecoClient::Save() {
    if (TDecoChild* active = ActiveClass()) active->Save();
}

void TDecoClient::SaveAs() {
    if (TDecoChild* active = ActiveClass()) active->SaveAs();
}

bool TDecoClient::AskEveryClass() {
    for (platform::ChildWindow* child : frame_.Children())
        if (!child->CanClose()) return false;
    return true;
}

void TDecoClient::CloseAll() {
    if (!AskEveryClass()) return;
    for (platform::ChildWindow* child : frame_.Children()) {
        frame_.DestroyChild(*child);
        Forget(child);
    }
}

bool TDecoClient::CanCloseFrame() {
    // Nothing is lost by quitting: every class that changed is offered for saving.
    if (!AskEveryClass()) return false;
    for (const auto& child : children_) KeepWindowSize(*child);
    ui_.Help(platform::HelpCommand::Quit, resources::kHelpFile);
    ui_.Help(platform::HelpCommand::Quit, resources::kUsingHelpFile);
    return true;
}

void TDecoClient::Exit() {
    if (CanCloseFrame()) frame_.CloseFrame();
}

void TDecoClient::ChildClosed(platform::ChildWindow& child) { Forget(&child); }

void TDecoClient::ChildClosing(platform::ChildWindow& child) { KeepWindowSize(child); }

void TDecoClient::KeepWindowSize(const platform::ChildWindow& child) {
    const auto opened = openedSizes_.find(&child);
    if (opened == openedSizes_.end() || settingsPath_.empty()) return;
    const TDecoChild* own = ClassOf(&child);
    const platform::ChildHost* host = own ? own->Host() : nullptr;
    if (host == nullptr || own->Record().fileName.empty()) return;
    const platform::Rect placed = host->Placement();
    const platform::Size size{placed.Width(), placed.Height()};
    if (size == opened->second) return;
    UserSettings settings = ReadUserSettings(settingsPath_);
    KeepClassWindowSize(settings, own->Record().fileName, size);
    WriteUserSettings(settingsPath_, settings);
    opened->second = size;
}

void TDecoClient::Forget(const platform::ChildWindow* child) {
    const auto it = std::find_if(children_.begin(), children_.end(),
                                 [child](const auto& owned) { return owned.get() == child; });
    if (it == children_.end()) return;
    children_.erase(it);
    openedSizes_.erase(child);
    --openClasses_;
    ShowActiveStatus();
    UpdateCommands();
    RefreshWindows();
}

void TDecoClient::KeyDown(platform::Key) {}

}  // namespace quorle
