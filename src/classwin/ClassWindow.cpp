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
#include "reports/PrintMenuCommands.h"
#include "reports/ProgressCommands.h"
#include "resources/Menus.h"
#include "grids/ClassGrid.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"
#include "seating/SeatingChartWindow.h"

namespace quorle {

struct TDecoChild::Impl {
    Impl(TDecoChild& child, platform::Frame& f, platform::Ui& u, ClassRecord r)
        : frame(f), ui(u), record(std::move(r)), names(record, &f), grades(record, &f), chart(u, record),
          grid(u, record, f.ScreenSize().cy), editor(child) {
        names.SetGrades(&grades);
        grades.SetNames(&names);
        names.SetEditing(&editor);
        grades.SetEditing(&editor);
    }

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
    // The grades block's options of the letters being printed (reloaded from
    // QUORLE.PRP or QUORLE.WRP at every print).
    ProgressOptions progressOptions{};
};

std::string ClassCaption(const ClassRecord& record) {
    if (record.fileName.empty() && record.info.course.Empty() && record.info.period.Empty()) return "Untitled";
    const std::string file = record.fileName.empty() ? "Untitled" : platform::Utf8ToCp1252Lossy(record.fileName);
    return record.info.course.Str() + "       Period " + record.info.period.Str() + "  " + file;
}

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
    return ConfirmClose(impl_->ui, impl_->record, [this] { UpdateCaption(); });
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
    return WriteClass(impl_->ui, impl_->record, ModifiedFlag::Clear);
}

bool TDecoChild::SaveAs() {
    const std::string previous = impl_->record.fileName;
    if (!SaveClassAs(impl_->ui, impl_->record, [this] { UpdateCaption(); })) return false;
    // A chart window showing the old file's chart goes on with the copy.
    TSeatingChartWindow* chart = impl_->chart.Window();
    if (chart && chart->Shown() && !chart->HandFilling() && !previous.empty() && chart->Path() == ChartPath(previous) &&
        ChartExists(impl_->record.fileName))
        chart->LoadAndShow(impl_->record.fileName);
    return true;
}

void TDecoChild::UpdateCaption() {
    if (impl_->host) impl_->host->SetCaption(ClassCaption(impl_->record));
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
    return WriteClass(impl_->ui, impl_->record, ModifiedFlag::Clear);
}

bool TDecoChild::WritePaneChange() {
    if (impl_->record.fileName.empty()) {
        impl_->record.modified = true;
        return false;
    }
    return WriteClass(impl_->ui, impl_->record, ModifiedFlag::Keep);
}

bool TDecoChild::Command(int id) {
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
            if (!WriteDisplayOptions(DisplayOptionsPath(ui.ProgramDirectory()), record.display))
                ui.MessageBox("Warning", kFileNotFound, platform::Buttons::Ok, platform::Icon::Exclamation);
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
