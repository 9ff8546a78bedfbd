#include "grids/AssignGridWindow.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "grids/ColumnPrint.h"
#include "grids/EditGridDialog.h"
#include "platform/Text1252.h"
#include "record/FileNames.h"
#include "resources/Menus.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
namespace cmd = resources::cmd;

namespace {

// False, problem saying why, when the file could not be deleted.
bool DeleteFile(const std::string& path, FileProblem& problem) {
    std::error_code ec;
    if (std::filesystem::remove(std::filesystem::path(path), ec) && !ec) return true;
    problem = ProblemOf(ec ? ec.value() : ENOENT, path);
    return false;
}

platform::FileDialogOptions GridFileOptions(std::string title, bool mustExist) {
    platform::FileDialogOptions options;
    options.title = std::move(title);
    options.filter = kGridFileFilter;
    options.defaultExtension = kGridFileExtension;
    options.fileMustExist = mustExist;
    options.pathMustExist = mustExist;
    return options;
}

void CannotOpen(platform::Ui& ui, const FileProblem& problem) {
    ui.MessageBox("Warning", FileMessage(kGridCannotOpen, problem), Buttons::Ok, Icon::Exclamation);
}

}  // namespace

TAssignGridWindow::TAssignGridWindow(platform::Ui& ui, const ClassRecord& record, int displayHeight)
    : ui_(ui), record_(record), displayHeight_(displayHeight) {}

// ------------------------------------------------------------------ state

platform::TopWindowAttributes TAssignGridWindow::Attributes() {
    platform::TopWindowAttributes attributes;
    attributes.caption = kGridWindowCaption;
    attributes.menu = resources::PlatformMenu(resources::kGridMenu);
    attributes.helpTopic = resources::kHelpTopicGrids;
    // Close Grid by the keys that close a window.
    attributes.accelerators = {{"Escape", cmd::kGridClose}, {"Ctrl+W", cmd::kGridClose}};
    return attributes;
}

void TAssignGridWindow::Reveal(bool visible) {
    if (visible) {
        ShowWindow();
        if (TopHost()) TopHost()->EnableCommand(cmd::kGridWindowSave, modified_);
    } else {
        HideWindow();
        if (focusClass_) focusClass_();
    }
}

void TAssignGridWindow::SetFileName(const std::string& name) {
    fileName_ = name;
    if (Host()) Host()->SetCaption(platform::Utf8ToCp1252Lossy(name));
}

void TAssignGridWindow::SetFlags(bool modified, bool untitled) {
    modified_ = modified;
    untitled_ = untitled;
    if (TopHost()) TopHost()->EnableCommand(cmd::kGridWindowSave, modified);
}

void TAssignGridWindow::Redraw() { Invalidate(); }

void TAssignGridWindow::MarkNew() {
    SetFlags(true, true);
    SetFileName(kUntitledGrid);
    Redraw();
}

// --------------------------------------------------------------- commands

void TAssignGridWindow::Command(int id) {
    switch (id) {
        case cmd::kGridWindowNew: NewGrid(); break;
        case cmd::kGridWindowOpen: OpenGrid(); break;
        case cmd::kGridWindowSave:
            if (modified_) Save();
            break;
        case cmd::kGridWindowSaveAs: SaveAs(); break;
        case cmd::kGridColumns: EditColumns(); break;
        case cmd::kGridClose: CloseGrid(); break;
        case cmd::kGridDeleteGrid: DeleteGrid(); break;
        case cmd::kGridPrint: Print(); break;
        default: break;
    }
}

void TAssignGridWindow::CloseBox() { CloseGrid(); }

bool TAssignGridWindow::ConfirmDiscard() {
    if (!modified_) return true;
    const std::string text = platform::Utf8ToCp1252Lossy(fileName_) + " has changed.  Save changes ?";
    switch (ui_.MessageBox("Save File Changes ?", text, Buttons::YesNoCancel, Icon::Question)) {
        case Answer::No: return true;
        case Answer::Yes: return untitled_ ? SaveAs() : Save();
        default: return false;
    }
}

void TAssignGridWindow::StartNew() {
    Reveal(true);
    Redraw();
    if (!RunColumnEditing(ui_, columns_, [this] { Redraw(); })) {
        Reveal(false);
        return;
    }
    MarkNew();
    // The new grid is what the teacher works on next: to the front with it.
    ShowWindow();
}

bool TAssignGridWindow::StartOpen() { return OpenGrid(); }

void TAssignGridWindow::NewGrid() {
    // The grid on screen is offered for saving before it makes way.
    if (!ConfirmDiscard()) return;
    TColumnList kept;
    kept.swap(columns_);
    Redraw();
    if (!RunColumnEditing(ui_, columns_, [this] { Redraw(); })) {
        columns_ = std::move(kept);
        Redraw();
        return;
    }
    MarkNew();
}

bool TAssignGridWindow::OpenGrid() {
    if (!ConfirmDiscard()) return false;
    const auto path = ui_.OpenFileName(GridFileOptions("", true));
    if (!path) return false;
    FileProblem problem;
    auto columns = ReadGridFile(*path, &problem);
    if (!columns) {
        CannotOpen(ui_, problem);
        return false;
    }
    columns_ = std::move(*columns);
    SetFileName(*path);
    SetFlags(false, false);
    Reveal(true);
    Redraw();
    return true;
}

bool TAssignGridWindow::Save() {
    if (untitled_) return SaveAs();
    FileProblem problem;
    if (!WriteGridFile(fileName_, columns_, &problem)) {
        CannotOpen(ui_, problem);
        return false;
    }
    SetFlags(false, false);
    return true;
}

bool TAssignGridWindow::SaveAs() {
    const platform::FileDialogOptions options = GridFileOptions("Save As", false);
    std::string path;
    for (;;) {
        const auto chosen = ui_.SaveFileName(options);
        if (!chosen || chosen->empty()) return false;
        path = EnsureExtension(*chosen, kGridFileExtension);
        if (!FileExists(path)) break;
        const Answer a =
            ui_.MessageBox("File exists", "File already exists.  Overwrite ?", Buttons::YesNoCancel, Icon::Question);
        if (a == Answer::Yes) break;
        if (a == Answer::Cancel) return false;
    }
    FileProblem problem;
    if (!WriteGridFile(path, columns_, &problem)) {
        CannotOpen(ui_, problem);
        return false;
    }
    SetFileName(path);
    SetFlags(false, false);
    Redraw();
    return true;
}

void TAssignGridWindow::CloseGrid() {
    if (!ConfirmDiscard()) return;
    Reveal(false);
}

void TAssignGridWindow::DeleteGrid() {
    if (ui_.MessageBox("Confirmation", "Are you sure you want to delete this assignment grid?", Buttons::YesNo,
                       Icon::Question) != Answer::Yes)
        return;
    // A grid never saved has no file to delete.
    FileProblem problem;
    if (!untitled_ && FileExists(fileName_) && !DeleteFile(fileName_, problem)) {
        ui_.MessageBox("Warning", FileMessage(kGridCannotDelete, problem), Buttons::Ok, Icon::Exclamation);
        return;
    }
    Reveal(false);
}

void TAssignGridWindow::EditColumns() {
    if (RunColumnEditing(ui_, columns_, [this] { Redraw(); })) SetFlags(true, untitled_);
}

void TAssignGridWindow::Print() {
    PrintGrid(ui_, printParent_, columns_, record_);
    Redraw();
}

// ---------------------------------------------------------- paint and keys

void TAssignGridWindow::Paint(platform::Canvas& canvas, const platform::Rect&) {
    if (Host()) {
        Host()->SetAccessibleText(&access_);
        std::vector<std::string> spoken = access_.Lines();
        if (spoken != spoken_) {
            spoken_ = std::move(spoken);
            Host()->AccessibleTextChanged();
        }
    }
    groups_ = StudentGroups(record_.RowCount());
    canvas.SelectFont(ScreenGridFont(displayHeight_));
    canvas.SetBackgroundTransparent(true);
    const platform::Size cell = GridCellSize(canvas);
    const int w = cell.cx, h = cell.cy;
    const GridSheet sheet{columns_, record_.roster, record_.info.course.View(), record_.info.period.View(),
                          ui_.Today()};
    GridDrawer drawer(canvas, sheet, w, h);
    // Group by group, keeping where the first heading line and each
    // student's name line are drawn: a screen reader's list stands there.
    std::vector<platform::Rect> places;
    const auto place = [&](int below) { places.push_back(platform::Rect{kGridFirstCell * w, below - h, drawer.RightEdge(), below}); };
    int y = 0;
    for (const TStart& group : groups_) {
        y = drawer.DrawHeadingBlock(y);
        if (places.empty()) place(y);
        const int last = std::min(group.last, record_.RowCount() - 1);
        for (int i = std::max(1, group.first); i <= last; ++i) {
            y = drawer.DrawRowPair(record_.Row(i), y);
            place(y);
        }
        drawer.DrawBottomRule(y);
        y += 3 * h;
    }
    access_.places = std::move(places);
    // The line the keyboard is on, framed.
    if (const auto line = access_.FocusedLine(); line && *line < static_cast<int>(access_.places.size()))
        canvas.Rectangle(access_.places[static_cast<std::size_t>(*line)], 1);
    canvas.RestoreFont();
    canvas.SetBackgroundTransparent(false);

    // The scrolled area covers the whole drawing, in cells.
    const int xRange = (std::max(drawer.RightEdge(), GridSheetWidthCells(sheet) * w) + w - 1) / w;
    const int yRange = (y + h - 1) / h;
    platform::Scroller& s = scroller_;
    if (s.xUnit != w || s.yUnit != h || s.xRange != xRange || s.yRange != yRange) {
        s.xUnit = w;
        s.yUnit = h;
        s.xRange = xRange;
        s.yRange = yRange;
        s.xPos = std::clamp(s.xPos, 0, xRange);
        s.yPos = std::clamp(s.yPos, 0, yRange);
        if (Host()) Host()->ScrollerChanged();
    }
}

void TAssignGridWindow::WalkLines(int step) {
    const auto line = access_.FocusedLine();
    if (!line) return;
    access_.focused = std::clamp(*line + step, 0, static_cast<int>(access_.Lines().size()) - 1);
    if (const auto place = access_.LineRect(access_.focused)) ScrollIntoView(*place);
    Invalidate();
    if (Host()) Host()->AccessibleFocusChanged();
}

bool TAssignGridWindow::KeyDown(platform::Key key) {
    const platform::Scroller& s = scroller_;
    int page = 1;
    if (Host() && s.yUnit > 0) page = std::max(1, Host()->ClientSize().cy / s.yUnit);
    switch (key) {
        case platform::Key::PageUp: ScrollTo(s.xPos, s.yPos - page); return true;
        case platform::Key::PageDown: ScrollTo(s.xPos, s.yPos + page); return true;
        case platform::Key::Up: WalkLines(-1); return true;
        case platform::Key::Down: WalkLines(1); return true;
        case platform::Key::Left: ScrollTo(s.xPos - 1, s.yPos); return true;
        case platform::Key::Right: ScrollTo(s.xPos + 1, s.yPos); return true;
        case platform::Key::Home: ScrollTo(0, s.yPos); return true;
        case platform::Key::End: ScrollTo(s.xRange, s.yPos); return true;
        default: return false;
    }
}

// ---------------------------------------------------------- main menu Delete

void DeleteGridFile(platform::Ui& ui) {
    const auto path = ui.OpenFileName(GridFileOptions("Delete Grid File", true));
    if (!path) return;
    const std::string shown = platform::Utf8ToCp1252Lossy(std::filesystem::path(*path).filename().string());
    if (ui.MessageBox("Delete File ?", "Delete " + shown + " ?", Buttons::YesNo, Icon::Question) != Answer::Yes) return;
    FileProblem problem;
    if (!DeleteFile(*path, problem))
        ui.MessageBox("Warning", FileMessage(kGridCannotDelete, problem), Buttons::Ok, Icon::Exclamation);
}

}  // namespace quorle
