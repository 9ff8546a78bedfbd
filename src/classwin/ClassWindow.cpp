#include "classwin/ClassWindow.h"

#include <algorithm>
#include <iterator>

#include "classwin/ClassInfoDialog.h"
#include "classwin/ClassPictureWindow.h"
#include "classwin/ClassSaving.h"
#include "classwin/ClipboardCommands.h"
#include "classwin/DisplayOptionsDialog.h"
#include "classwin/EditCommands.h"
#include "classwin/EditStudentDialog.h"
#include "classwin/PaneAccessibility.h"
#include "classwin/ExtraNamesDialog.h"
#include "classwin/GradesIn.h"
#include "classwin/ImportStudents.h"
#include "classwin/PaneEditing.h"
#include "classwin/Panes.h"
#include "classwin/RenameGradeDialog.h"
#include "classwin/RosterCommands.h"
#include "classwin/UndoFiles.h"
#include "grading/DisplayOptions.h"
#include "platform/Text1252.h"
#include "record/ClassFile.h"
#include "record/FileNames.h"
#include "reports/PrintMenuCommands.h"
#include "reports/ProgressCommands.h"
#include "resources/Menus.h"
#include "grids/ClassGrid.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"
#include "seating/SeatingChartWindow.h"

namespace quorle {

namespace {

// The panes' clicks reach the editor only while the class may change.
class ReadOnlyGuard : public PaneEditing {
public:
    ReadOnlyGuard(TDecoChild& child, PaneEditing& editor) : child_(child), editor_(editor) {}
    void NameDoubleClicked(const std::optional<TSquare>& hit) override {
        if (!child_.RefuseIfReadOnly()) editor_.NameDoubleClicked(hit);
    }
    void NameRightClicked(const std::optional<TSquare>& hit) override {
        if (!child_.RefuseIfReadOnly()) editor_.NameRightClicked(hit);
    }
    void GradeDoubleClicked(const std::optional<TSquare>& hit) override {
        if (!child_.RefuseIfReadOnly()) editor_.GradeDoubleClicked(hit);
    }
    void GradeRightClicked(const std::optional<TSquare>& hit) override {
        if (!child_.RefuseIfReadOnly()) editor_.GradeRightClicked(hit);
    }
    bool StoreGrade(int row, int category, int entry, float value) override {
        return !child_.RefuseIfReadOnly() && editor_.StoreGrade(row, category, entry, value);
    }

private:
    TDecoChild& child_;
    PaneEditing& editor_;
};

}  // namespace

struct TDecoChild::Impl : ClassFileKeeper {
    Impl(TDecoChild& child, platform::Frame& f, platform::Ui& u, ClassRecord r)
        : self(child), frame(f), ui(u), record(std::move(r)), names(record, &f), grades(record, &f), access(record, names, grades), chart(u, record),
          grid(u, record, f.ScreenSize().cy), editor(child), guard(child, editor) {
        names.SetGrades(&grades);
        grades.SetNames(&names);
        names.SetEditing(&guard);
        grades.SetEditing(&guard);
        SetClassFileKeeper(record, this);
    }
    ~Impl() override { SetClassFileKeeper(record, nullptr); }

    Decision BeforeWrite(const std::string& path) override {
        // Nothing is written without the class's lock; one that could not be had is asked for again.
        if (keepLock && !lock.AllowsWrite() && !keptPath.empty() && SameFile(path, keptPath)) {
            ClassLock next = ClassLock::Acquire(path);
            if (!next.AllowsWrite()) {
                ui.MessageBox("Information", LockRefusalMessage(path, next), platform::Buttons::Ok,
                              platform::Icon::Information);
                return Decision::Refused;
            }
            if (next.Held()) lock = std::move(next);
        }
        if (keptPath.empty() || !SameFile(path, keptPath) || !ChangedOnDisk(stamp, path)) return Decision::Write;
        const std::string shown = platform::Utf8ToCp1252Lossy(ShownClassName(path));
        const platform::Answer answer = ui.MessageBox(
            "File changed on disk",
            shown + " was changed on disk by another program since this window read it.\n\n"
                    "Yes: reload it from disk. The changes in this window that are not saved are lost.\n"
                    "No: save this window's class under another name.\n"
                    "Cancel: save nothing now; the change stays unsaved in this window.",
            platform::Buttons::YesNoCancel, platform::Icon::Exclamation);
        if (answer == platform::Answer::Yes) {
            reloadPending = true;
            return Decision::Refused;
        }
        if (answer == platform::Answer::No && SaveClassAs(ui, record, [this] { self.UpdateCaption(); }))
            return Decision::SavedElsewhere;
        return Decision::Refused;
    }

    void Written(const std::string& path) override {
        // The lock goes with the class to its new name.
        if (keepLock && (!lock.Held() || !SameFile(path, keptPath))) {
            ClassLock next = ClassLock::Acquire(path);
            if (next.State() != LockState::HeldHere) lock = std::move(next);
        }
        keptPath = path;
        stamp = StampFile(path);
    }

    TDecoChild& self;
    platform::Frame& frame;
    platform::Ui& ui;
    ClassRecord record;
    TNameWindow names;
    TGradeWindow grades;
    PaneAccessibility access;  // the panes as one table for a screen reader
    TClassChart chart;
    TClassGrid grid;  // its grid window reads the record: it goes first
    TPaneEditor editor;
    ReadOnlyGuard guard;
    // Display > Class Picture: made on first use, it reads the record.
    std::unique_ptr<TClassPictureWindow> picture;
    platform::ChildHost* host = nullptr;
    bool panesAdded = false;
    // The grades report's options while the window is open (reloaded from
    // QUORLE.POP at every Print > Grades).
    PrintOptions printOptions{};
    // The class's file: its lock (kept once the window was given one), its
    // name and its stamp as last read or written, and whether the teacher
    // chose to read it again rather than overwrite it.
    ClassLock lock;
    bool keepLock = false;
    std::string keptPath;
    std::optional<FileStamp> stamp;
    bool reloadPending = false;
    // The grades block's options of the letters being printed (reloaded from
    // QUORLE.PRP or QUORLE.WRP at every print).
    ProgressOptions progressOptions{};
    std::string caption;  // as shown
    // The steps of the class's changes; the step under way: how deep the
    // changes nest, its name, the class's chart as it stood at its start and
    // the other files it changed.
    ClassHistory history;
    int stepDepth = 0;
    std::string stepName;
    std::string chartPath;
    std::optional<FileBytes> chartAtStart;
    std::vector<OtherFileChange> stepFiles;
    bool reloaded = false;
    // An earlier version opened to be read: which version it is (the
    // caption) and the class file it is a version of.
    bool readOnly = false;
    std::string versionCaption;
    std::string versionOf;

    std::string OwnChartPath() const { return record.fileName.empty() ? std::string() : ChartPath(record.fileName); }
    // What the editing commands are handed of the window.
    EditingParts Editing() {
        return EditingParts{ui, record, grades, [this](std::string name) { self.NameStep(std::move(name)); },
                            [this] {
                                self.WriteNamedClass();
                                self.Repaint();
                            }};
    }
};

std::string ClassCaption(const ClassRecord& record) {
    if (record.fileName.empty() && record.info.course.Empty() && record.info.period.Empty()) return "Untitled";
    const std::string file = record.fileName.empty() ? "Untitled" : platform::Utf8ToCp1252Lossy(record.fileName);
    return record.info.course.Str() + "       Period " + record.info.period.Str() + "  " + file;
}

std::string WindowCaption(const ClassRecord& record) { return (record.modified ? "*" : "") + ClassCaption(record); }

TDecoChild::TDecoChild(platform::Frame& frame, platform::Ui& ui, ClassRecord record)
    : impl_(std::make_unique<Impl>(*this, frame, ui, std::move(record))) {}

TDecoChild::~TDecoChild() = default;

void TDecoChild::Create(const platform::Rect& placement) {
    impl_->host = &impl_->frame.CreateChild(*this, placement);
    impl_->host->AddPane(impl_->names);
    impl_->host->AddPane(impl_->grades);
    impl_->panesAdded = true;
    if (platform::WindowHost* pane = impl_->grades.Host()) pane->SetAccessibleTable(&impl_->access);
    // The names pane keeps to the rows the grades pane shows, whether its
    // horizontal scroll bar is there or not.
    impl_->grades.SetViewportChanged([this](platform::Size view) {
        if (!impl_->host) return;
        const int width = impl_->names.PaneWidth(impl_->names.Metrics());
        impl_->host->PlacePane(impl_->names, platform::Rect{0, 0, width, std::min(view.cy, impl_->host->ClientSize().cy)});
        impl_->names.UpdateScroller();
    });
    impl_->names.CreateSelectionBoxes();
    LayoutPanes(*impl_->host, impl_->names, impl_->grades, impl_->record.display, impl_->host->ClientSize());
    UpdateCaption();
    impl_->host->Show();
    if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
    impl_->chart.SetWindowMaker([this](TSeatingChartWindow& window) {
        impl_->frame.CreateTopWindow(window, *this, ChartWindowAttributes());
        window.classStep = [this](const std::string& name, const std::function<void()>& change) {
            if (!FinishTyping() || RefuseIfReadOnly()) return;
            BeginStep();
            change();
            EndStep(name);
        };
    });
    impl_->chart.SetShowClassWindow([this] {
        if (impl_->host) impl_->host->Show();
        if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
    });
    impl_->grid.SetWindowMaker([this](TAssignGridWindow& window) {
        impl_->frame.CreateTopWindow(window, *this, TAssignGridWindow::Attributes());
        window.SetPrintParent(impl_->host);
    });
    impl_->grid.SetFocusClass([this] {
        if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
    });
}

void TDecoChild::KeepFile(ClassLock lock, std::optional<FileStamp> stamp) {
    impl_->lock = std::move(lock);
    impl_->keepLock = true;
    impl_->keptPath = NormalizeClassFileName(impl_->record.fileName);
    impl_->stamp = stamp;
}

void TDecoChild::ReloadIfAsked() {
    if (!impl_->reloadPending) return;
    impl_->reloadPending = false;
    const std::string path = impl_->keptPath;
    const auto stamp = StampFile(path);
    ClassRecord read;
    try {
        read = ReadClassFile(path);
    } catch (const ClassFileError& error) {
        // Nothing to take in: the window keeps its class, marked as changed.
        impl_->ui.MessageBox("Error!", error.what(), platform::Buttons::Ok, platform::Icon::Stop);
        return;
    }
    read.modified = false;
    impl_->record = std::move(read);
    // The steps were changes of the class as this window had it.
    impl_->reloaded = true;
    impl_->history.Reset(SerializeClassFile(impl_->record));
    ShowUndoState();
    impl_->stamp = stamp;
    impl_->names.CreateSelectionBoxes();
    Relayout();
    Repaint();
    UpdateCaption();
}

ClassRecord& TDecoChild::Record() { return impl_->record; }
const ClassRecord& TDecoChild::Record() const { return impl_->record; }
platform::ChildHost* TDecoChild::Host() const { return impl_->host; }
TNameWindow& TDecoChild::Names() { return impl_->names; }
TGradeWindow& TDecoChild::Grades() { return impl_->grades; }
TClassChart& TDecoChild::Chart() { return impl_->chart; }
TClassGrid& TDecoChild::Grid() { return impl_->grid; }
platform::Frame& TDecoChild::GetFrame() const { return impl_->frame; }
platform::Ui& TDecoChild::GetUi() const { return impl_->ui; }

bool TDecoChild::FinishTyping() {
    std::string refusal;
    if (impl_->grades.FinishEntry(&refusal)) return true;
    if (!refusal.empty())
        impl_->ui.MessageBox("Information", refusal, platform::Buttons::Ok, platform::Icon::Information);
    // The typing goes on where it was.
    if (platform::WindowHost* pane = impl_->grades.Host()) pane->SetFocus();
    return false;
}

bool TDecoChild::CanClose() {
    if (!FinishTyping()) return false;
    // The grid window goes with the class window: a changed grid is offered for saving.
    if (!impl_->grid.CanClose()) return false;
    const bool may = ConfirmClose(impl_->ui, impl_->record, [this] { UpdateCaption(); });
    ReloadIfAsked();
    UpdateCaption();
    return may;
}

void TDecoChild::Resized(platform::Size size) {
    // The platform may report sizes before the panes are in place.
    if (!impl_->host || !impl_->panesAdded) return;
    LayoutPanes(*impl_->host, impl_->names, impl_->grades, impl_->record.display, size);
}

void TDecoChild::Activated() { ShowUndoState(); }

void TDecoChild::TakeKeyboard() {
    if (impl_->host) impl_->host->Show();
    // The names pane hands the keyboard on to the table.
    if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
}

void TDecoChild::Relayout() {
    impl_->grades.RosterChanged();
    if (!impl_->host || !impl_->panesAdded) {
        impl_->names.SetDisplayFlags(impl_->record.display);
        return;
    }
    LayoutPanes(*impl_->host, impl_->names, impl_->grades, impl_->record.display, impl_->host->ClientSize());
}

bool TDecoChild::Save() {
    if (RefuseIfReadOnly()) return false;
    if (impl_->record.fileName.empty()) return SaveAs();
    const bool saved = WriteClass(impl_->ui, impl_->record, ModifiedFlag::Clear);
    ReloadIfAsked();
    return saved;
}

bool TDecoChild::SaveAs() {
    const std::string previous = impl_->record.fileName;
    const bool saved = SaveClassAs(impl_->ui, impl_->record, [this] { UpdateCaption(); });
    // A chart window showing the old file's chart goes on with the copy.
    TSeatingChartWindow* chart = impl_->chart.Window();
    if (saved && chart && chart->Shown() && !chart->HandFilling() && !previous.empty() &&
        chart->Path() == ChartPath(previous) && ChartExists(impl_->record.fileName))
        chart->LoadAndShow(impl_->record.fileName);
    // The copy is a class of its own, free to change.
    if (saved && impl_->readOnly) {
        impl_->readOnly = false;
        UpdateCaption();
        ShowUndoState();
    }
    ReloadIfAsked();
    return saved;
}

void TDecoChild::OpenToRead(std::string caption, std::string shownName) {
    impl_->readOnly = true;
    impl_->versionCaption = std::move(caption);
    impl_->versionOf = std::move(shownName);
    UpdateCaption();
    ShowUndoState();
}

bool TDecoChild::IsReadOnly() const { return impl_->readOnly; }

bool TDecoChild::RefuseIfReadOnly() {
    if (!impl_->readOnly) return false;
    const std::string& name = impl_->versionOf;
    impl_->ui.MessageBox("Information",
                         "This is an earlier version of " + name +
                             ", opened to be read: it cannot be changed.\nTo make it the class again, use Restore "
                             "in File > Earlier Versions of " +
                             name + "; to keep a copy to work on, use Save As.",
                         platform::Buttons::Ok, platform::Icon::Information);
    return true;
}

std::string TDecoChild::Caption() const {
    if (impl_->readOnly) return impl_->versionCaption + " (read-only)";
    return WindowCaption(impl_->record);
}

void TDecoChild::UpdateCaption() {
    if (!impl_->host || Caption() == impl_->caption) return;
    impl_->caption = Caption();
    impl_->host->SetCaption(impl_->caption);
    if (impl_->picture) impl_->picture->ClassChanged();
}

void TDecoChild::Repaint() {
    impl_->names.UpdateScroller();
    impl_->grades.UpdateScroller();
    impl_->grades.SyncNames();
    impl_->names.Invalidate();
    impl_->grades.Invalidate();
    if (impl_->picture) impl_->picture->ClassChanged();
    if (classChanged) classChanged();
}

// A class that was never named has no file to write: it stays marked as
// changed, for Save or the "has changed" prompt.
bool TDecoChild::WriteNamedClass() {
    if (impl_->record.fileName.empty()) return false;
    const bool written = WriteClass(impl_->ui, impl_->record, ModifiedFlag::Clear);
    ReloadIfAsked();
    return written;
}

bool TDecoChild::WritePaneChange() {
    if (impl_->record.fileName.empty()) {
        impl_->record.modified = true;
        UpdateCaption();
        return false;
    }
    const bool written = WriteClass(impl_->ui, impl_->record, ModifiedFlag::Keep);
    ReloadIfAsked();
    UpdateCaption();
    if (classChanged) classChanged();
    return written;
}

bool TDecoChild::Command(int id) {
    const bool handled = RunCommand(id);
    ReloadIfAsked();
    UpdateCaption();
    return handled;
}

namespace {

// The name of the step a command makes when it gives none of its own.
const char* CommandStepName(int id) {
    switch (id) {
        case resources::cmd::kNewGrade: return "New Grade";
        case resources::cmd::kNewGradeColumn: return "New Grade Column";
        case resources::cmd::kImportGrades: return "Import Grades";
        case resources::cmd::kAddStudents: return "Add Students";
        case resources::cmd::kImportStudents: return "Import Students";
        case resources::cmd::kGradingSystem: return "Grading System";
        case resources::cmd::kAlphabetize: return "Alphabetize";
        case resources::cmd::kStudentInfo: return "Edit Student";
        case resources::cmd::kChangeGradeTitle: return "Change Grade Title";
        case resources::cmd::kClassInformation: return "Class Information";
        case resources::cmd::kDisplayOptions: return "Display Options";
        case resources::cmd::kExtraNames: return "Extra Names";
        default: return nullptr;
    }
}

// The commands that change the class: refused and greyed in a window that
// shows an earlier version (Undo and Redo are greyed with the steps).
constexpr int kClassChanges[] = {
    resources::cmd::kSave,           resources::cmd::kNewGrade,         resources::cmd::kAddStudents,
    resources::cmd::kImportStudents, resources::cmd::kGradingSystem,    resources::cmd::kAlphabetize,
    resources::cmd::kStudentInfo,    resources::cmd::kChangeGradeTitle, resources::cmd::kClassInformation,
    resources::cmd::kDisplayOptions, resources::cmd::kExtraNames,
    resources::cmd::kPaste,          resources::cmd::kNewGradeColumn,   resources::cmd::kImportGrades,
};

bool ChangesClass(int id) {
    return id == resources::cmd::kUndo || id == resources::cmd::kRedo ||
           std::find(std::begin(kClassChanges), std::end(kClassChanges), id) != std::end(kClassChanges);
}

// A label's text as a menu shows it: "&" doubled.
std::string MenuText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

}  // namespace

bool TDecoChild::RunCommand(int id) {
    if (ChangesClass(id) && RefuseIfReadOnly()) return true;
    if (id == resources::cmd::kUndo) {
        Undo();
        return true;
    }
    if (id == resources::cmd::kRedo) {
        Redo();
        return true;
    }
    switch (id) {
        case resources::cmd::kFindStudent: FindStudentCommand(impl_->Editing()); return true;
        case resources::cmd::kSortByColumn: SortByColumnCommand(impl_->Editing()); return true;
        case resources::cmd::kRosterOrder: impl_->grades.ShowRosterOrder(); return true;
        case resources::cmd::kCopy: CopyCommand(impl_->Editing()); return true;
        case resources::cmd::kCopyTable: CopyTableCommand(impl_->Editing()); return true;
        case resources::cmd::kPaste:  // one step; the rows stay in the order shown
            BeginStep();
            PasteCommand(impl_->Editing());
            EndStep("Paste");
            return true;
        default: break;
    }
    if (const char* name = CommandStepName(id)) {
        BeginStep();
        const bool handled = RunStepCommand(id);
        EndStep(name);
        // The rows or columns may have changed: the view shows the roster order.
        impl_->grades.RosterChanged();
        return handled;
    }
    return RunStepCommand(id);
}

const ClassHistory& TDecoChild::History() const { return impl_->history; }

void TDecoChild::BeginStep() {
    if (impl_->stepDepth++ > 0) return;
    Impl& d = *impl_;
    FileBytes now = SerializeClassFile(d.record);
    // A class changed behind the history's back: its steps no longer fit it.
    if (now != d.history.Current()) d.history.Reset(std::move(now));
    d.stepName.clear();
    d.stepFiles.clear();
    d.reloaded = false;
    d.chartPath = d.OwnChartPath();
    d.chartAtStart = d.chartPath.empty() ? std::nullopt : ReadOtherFile(d.chartPath);
}

void TDecoChild::NameStep(std::string name) {
    if (impl_->stepName.empty()) impl_->stepName = std::move(name);
}

void TDecoChild::AddStepFiles(std::vector<OtherFileChange> files) {
    for (auto& file : files) impl_->stepFiles.push_back(std::move(file));
}

void TDecoChild::StepDone(const std::string& name) {
    Impl& d = *impl_;
    if (d.stepDepth == 0) return;
    const std::string stepName = d.stepName.empty() ? name : d.stepName;
    d.stepName.clear();
    if (d.reloaded) {
        d.history.Reset(SerializeClassFile(d.record));
        d.reloaded = false;
    } else {
        std::vector<OtherFileChange> files = std::move(d.stepFiles);
        d.stepFiles.clear();
        // The chart goes with the class under its name as the step began.
        if (!d.chartPath.empty()) {
            std::optional<FileBytes> chartNow = ReadOtherFile(d.chartPath);
            files.push_back({d.chartPath, d.chartAtStart, chartNow});
            d.chartAtStart = std::move(chartNow);
        }
        d.history.Record(stepName, SerializeClassFile(d.record), std::move(files));
    }
    d.chartPath = d.OwnChartPath();
    d.chartAtStart = d.chartPath.empty() ? std::nullopt : ReadOtherFile(d.chartPath);
    ShowUndoState();
}

void TDecoChild::EndStep(const std::string& name) {
    if (impl_->stepDepth == 0) return;
    if (impl_->stepDepth > 1) {
        --impl_->stepDepth;
        NameStep(name);
        return;
    }
    StepDone(name);
    impl_->stepDepth = 0;
}

void TDecoChild::TakeClassBytes(const FileBytes& bytes) {
    Impl& d = *impl_;
    ClassRecord read = ParseClassFile(bytes);
    // The ticks stay with their students, wherever the step put them.
    struct Ticked {
        std::string last, first, id;
        bool used = false;
    };
    std::vector<Ticked> ticked;
    for (int row = 1; row < d.record.RowCount(); ++row)
        if (d.names.IsSelected(row)) {
            const TStudent& s = d.record.Row(row);
            ticked.push_back({s.lastName.Str(), s.firstName.Str(), s.id.Str()});
        }
    read.fileName = d.record.fileName;
    read.modified = d.record.modified;
    d.record = std::move(read);
    d.names.CreateSelectionBoxes();
    for (int row = 1; row < d.record.RowCount(); ++row) {
        const TStudent& s = d.record.Row(row);
        for (Ticked& t : ticked)
            if (!t.used && t.last == s.lastName.Str() && t.first == s.firstName.Str() && t.id == s.id.Str()) {
                t.used = true;
                d.names.SetSelected(row, true);
                break;
            }
    }
    Relayout();
    Repaint();
    UpdateCaption();
    if (d.record.fileName.empty())
        d.record.modified = true;
    else
        WriteClass(d.ui, d.record, ModifiedFlag::Clear);
}

bool TDecoChild::Undo() { return TakeStep(true); }

bool TDecoChild::Redo() { return TakeStep(false); }

// Undo (back) or Redo: the class's bytes and the files beside it as the step
// left them, written, and the window and its chart shown from them.
bool TDecoChild::TakeStep(bool back) {
    Impl& d = *impl_;
    HistoryStep* step = back ? d.history.UndoStep() : d.history.RedoStep();
    std::optional<FileBytes> bytes = back ? d.history.BytesAfterUndo() : d.history.BytesAfterRedo();
    if (!step || !bytes) {
        ShowUndoState();
        return false;
    }
    const auto writes = PlanStepFiles(d.ui, *step, back, d.OwnChartPath());
    if (!writes) return false;
    if (back)
        d.history.Undone(*bytes);
    else
        d.history.Redone(*bytes);
    TakeClassBytes(*bytes);
    WriteStepFiles(d.ui, *writes);
    if (TSeatingChartWindow* chart = d.chart.Window(); chart && !d.record.fileName.empty())
        chart->ReloadIfShowing(ChartPath(d.record.fileName));
    ReloadIfAsked();
    ShowUndoState();
    return true;
}

bool TDecoChild::ReplaceClassContent(const std::vector<unsigned char>& bytes, const std::string& stepName) {
    if (RefuseIfReadOnly()) return false;
    try {
        (void)ParseClassFile(bytes);
    } catch (const ClassFileError& error) {
        impl_->ui.MessageBox("Error!", error.BoxText(), platform::Buttons::Ok, platform::Icon::Stop);
        return false;
    }
    BeginStep();
    TakeClassBytes(bytes);
    EndStep(stepName);
    ReloadIfAsked();
    return true;
}

void TDecoChild::ShowUndoState() {
    const ClassHistory& history = impl_->history;
    platform::Frame& frame = impl_->frame;
    // The menu speaks of the active class.
    if (frame.ActiveChild() && frame.ActiveChild() != this) return;
    const bool undo = history.CanUndo() && !impl_->readOnly;
    const bool redo = history.CanRedo() && !impl_->readOnly;
    for (const int id : kClassChanges) frame.EnableCommand(id, !impl_->readOnly);
    frame.SetCommandLabel(resources::cmd::kUndo, undo ? "&Undo " + MenuText(history.UndoName()) : "&Undo");
    frame.SetCommandLabel(resources::cmd::kRedo, redo ? "&Redo " + MenuText(history.RedoName()) : "&Redo");
    frame.EnableCommand(resources::cmd::kUndo, undo);
    frame.EnableCommand(resources::cmd::kRedo, redo);
}

bool TDecoChild::RunStepCommand(int id) {
    platform::Ui& ui = impl_->ui;
    ClassRecord& record = impl_->record;
    switch (id) {
        case resources::cmd::kNewGrade: NewGradeCommand(impl_->Editing()); return true;
        case resources::cmd::kNewGradeColumn: NewGradeColumnCommand(impl_->Editing()); return true;
        case resources::cmd::kImportGrades: ImportGradesCommand(impl_->Editing()); return true;
        case resources::cmd::kAddStudents: AddStudentsCommand(*this); return true;
        case resources::cmd::kImportStudents: ImportStudentsCommand(*this); return true;
        case resources::cmd::kGradingSystem: GradingSystemCommand(*this); return true;
        case resources::cmd::kAlphabetize: AlphabetizeCommand(*this); return true;
        case resources::cmd::kNewGradingPeriod: NewGradingPeriod(ui, record); return true;
        case resources::cmd::kStudentInfo: EditStudents(*this); return true;
        case resources::cmd::kChangeGradeTitle: EditGradeTitles(*this); return true;
        case resources::cmd::kClassInformation: {
            if (!EditClassInfo(ui, record)) return true;
            UpdateCaption();
            WriteNamedClass();
            return true;
        }
        case resources::cmd::kDisplayOptions: {
            DisplayFlags working = record.display;
            TOptionsDialog dialog(working, record.extra1Name.View(), record.extra2Name.View());
            if (!ui.RunModal(dialog)) return true;
            record.display = working;
            record.modified = true;
            Relayout();
            Repaint();
            WriteNamedClass();
            FileProblem problem;
            if (!WriteDisplayOptions(DisplayOptionsPath(ui.ProgramDirectory()), record.display, &problem))
                ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), platform::Buttons::Ok,
                              platform::Icon::Exclamation);
            return true;
        }
        case resources::cmd::kExtraNames: {
            std::string extra1 = record.extra1Name.Str();
            std::string extra2 = record.extra2Name.Str();
            TExtraDialog dialog(extra1, extra2);
            if (!ui.RunModal(dialog)) return true;
            record.extra1Name = extra1;
            record.extra2Name = extra2;
            record.modified = true;
            Repaint();
            return true;
        }
        case resources::cmd::kPrintGrades: {
            PrintGradesCommand(ui, impl_->host, record, impl_->printOptions);
            if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
            return true;
        }
        case resources::cmd::kSeatingChart: {
            impl_->chart.OpenSeatingChart();
            return true;
        }
        case resources::cmd::kClassPicture: {
            Impl& d = *impl_;
            if (!d.picture) {
                d.picture = std::make_unique<TClassPictureWindow>(ui, record);
                d.frame.CreateTopWindow(*d.picture, *this, TClassPictureWindow::Attributes(record));
                d.picture->SetPrintParent(d.host);
                d.picture->showClassWindow = [this] { TakeKeyboard(); };
            }
            d.picture->Open();
            return true;
        }
        case resources::cmd::kPrintProgress: {
            std::vector<bool> selected(static_cast<std::size_t>(record.RowCount()), false);
            for (int row = 1; row < record.RowCount(); ++row)
                selected[static_cast<std::size_t>(row)] = impl_->names.IsSelected(row);
            PrintProgressCommand(ui, impl_->host, record, selected, impl_->progressOptions);
            if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
            return true;
        }
        case resources::cmd::kPrintWarnings: {
            PrintWarningsCommand(ui, impl_->host, record, impl_->progressOptions);
            if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
            return true;
        }
        case resources::cmd::kPrintMakeup: {
            PrintMakeupCommand(ui, impl_->host, record);
            if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
            return true;
        }
        case resources::cmd::kPrintRandomList:
        case resources::cmd::kPrintNameId:
        case resources::cmd::kPrintGradeSheets:
        case resources::cmd::kPrintAttendance: {
            if (id == resources::cmd::kPrintRandomList) PrintRandomListCommand(ui, impl_->host, record);
            if (id == resources::cmd::kPrintNameId) PrintNamesCommand(ui, impl_->host, record);
            if (id == resources::cmd::kPrintGradeSheets) PrintGradeSheetsCommand(ui, impl_->host, record);
            if (id == resources::cmd::kPrintAttendance) PrintAttendanceCommand(ui, impl_->host, record);
            if (platform::WindowHost* pane = impl_->names.Host()) pane->SetFocus();
            return true;
        }
        case resources::cmd::kGridNew: impl_->grid.NewGrid(); return true;
        case resources::cmd::kGridOpen: impl_->grid.OpenGrid(); return true;
        case resources::cmd::kGridDelete: impl_->grid.DeleteGrid(); return true;
        default: return false;
    }
}

}  // namespace quorle
