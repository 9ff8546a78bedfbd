#include "classwin/ClassWindow.h"

#include <algorithm>

#include "classwin/ClassInfoDialog.h"
#include "classwin/ClassSaving.h"
#include "classwin/DisplayOptionsDialog.h"
#include "classwin/EditCommands.h"
#include "classwin/EditStudentDialog.h"
#include "classwin/ExtraNamesDialog.h"
#include "classwin/ImportStudents.h"
#include "classwin/PaneEditing.h"
#include "classwin/Panes.h"
#include "classwin/RenameGradeDialog.h"
#include "classwin/RosterCommands.h"
#include "grading/DisplayOptions.h"
#include "platform/Text1252.h"
#include "record/FileNames.h"
#include "reports/PrintMenuCommands.h"
#include "reports/ProgressCommands.h"
#include "resources/Menus.h"
#include "grids/ClassGrid.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"
#include "seating/SeatingChartWindow.h"

namespace quorle {

struct TDecoChild::Impl : ClassFileKeeper {
    Impl(TDecoChild& child, platform::Frame& f, platform::Ui& u, ClassRecord r)
        : self(child), frame(f), ui(u), record(std::move(r)), names(record, &f), grades(record, &f), chart(u, record),
          grid(u, record, f.ScreenSize().cy), editor(child) {
        names.SetGrades(&grades);
        grades.SetNames(&names);
        names.SetEditing(&editor);
        grades.SetEditing(&editor);
        SetClassFileKeeper(record, this);
    }
    ~Impl() override { SetClassFileKeeper(record, nullptr); }

    Decision BeforeWrite(const std::string& path) override {
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
    TClassChart chart;
    TClassGrid grid;  // its grid window reads the record: it goes first
    TPaneEditor editor;
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

bool TDecoChild::CanClose() {
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

void TDecoChild::Activated() {}

void TDecoChild::Relayout() {
    if (!impl_->host || !impl_->panesAdded) {
        impl_->names.SetDisplayFlags(impl_->record.display);
        return;
    }
    LayoutPanes(*impl_->host, impl_->names, impl_->grades, impl_->record.display, impl_->host->ClientSize());
}

bool TDecoChild::Save() {
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
    ReloadIfAsked();
    return saved;
}

void TDecoChild::UpdateCaption() {
    if (!impl_->host || WindowCaption(impl_->record) == impl_->caption) return;
    impl_->caption = WindowCaption(impl_->record);
    impl_->host->SetCaption(impl_->caption);
}

void TDecoChild::Repaint() {
    impl_->names.UpdateScroller();
    impl_->grades.UpdateScroller();
    impl_->grades.SyncNames();
    impl_->names.Invalidate();
    impl_->grades.Invalidate();
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
    return written;
}

bool TDecoChild::Command(int id) {
    const bool handled = RunCommand(id);
    ReloadIfAsked();
    UpdateCaption();
    return handled;
}

bool TDecoChild::RunCommand(int id) {
    platform::Ui& ui = impl_->ui;
    ClassRecord& record = impl_->record;
    switch (id) {
        case resources::cmd::kNewGrade: NewGradeCommand(*this); return true;
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
