#include "classwin/PaneEditing.h"

#include "classwin/ClassWindow.h"
#include "classwin/NewGrade.h"
#include "classwin/StudentDialog.h"
#include "classwin/StudentTransfer.h"
#include "seating/ClassChart.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// The change of a click is one undo step, named by what it did.
class PaneStep {
public:
    PaneStep(TDecoChild& child, std::string name) : child_(child), name_(std::move(name)) { child_.BeginStep(); }
    ~PaneStep() { child_.EndStep(name_); }
    PaneStep(const PaneStep&) = delete;
    PaneStep& operator=(const PaneStep&) = delete;
    void Name(std::string name) { name_ = std::move(name); }

private:
    TDecoChild& child_;
    std::string name_;
};

std::string LastFirst(const TStudent& student) { return student.lastName.Str() + " " + student.firstName.Str(); }

bool HasEntry(const TStudent& row, int category, int entry) {
    return category >= 0 && category < kCategoryCount && entry >= 0 &&
           static_cast<std::size_t>(entry) < row.scores[category].size();
}

}  // namespace

std::string TransferQuestion(const TStudent& student) {
    return "Do you want to transfer " + student.firstName.Str() + " " + student.lastName.Str() + " to another class ?";
}

void TPaneEditor::NameDoubleClicked(const std::optional<TSquare>& hit) {
    if (!hit) {
        child_.GetUi().MessageBox("Information", "This item cannot be changed.", Buttons::Ok, Icon::Information);
        return;
    }
    ChangeStudent(hit->first);
}

void TPaneEditor::NameRightClicked(const std::optional<TSquare>& hit) {
    if (!hit) {
        child_.GetUi().MessageBox("Information", "This name cannot be deleted.", Buttons::Ok, Icon::Information);
        return;
    }
    DropOrTransferStudent(hit->first);
}

void TPaneEditor::GradeDoubleClicked(const std::optional<TSquare>& hit) {
    if (!hit) {
        child_.GetUi().MessageBox("Information", "This item cannot be changed.", Buttons::Ok, Icon::Information);
        return;
    }
    if (hit->kind == kKindHeading)
        ChangeGradeTitle(hit->first, hit->second);
    else
        ChangeGradeValue(hit->first, hit->kind, hit->second);
}

void TPaneEditor::GradeRightClicked(const std::optional<TSquare>& hit) {
    if (!hit) {
        child_.GetUi().MessageBox("Information", "This item cannot be deleted.", Buttons::Ok, Icon::Information);
        return;
    }
    if (hit->kind == kKindHeading)
        DeleteGradeSet(hit->first, hit->second);
    else
        DeleteGradeSet(hit->kind, hit->second);
}

bool TPaneEditor::ChangeStudent(int row) {
    platform::Ui& ui = child_.GetUi();
    ClassRecord& record = child_.Record();
    if (row < 0 || row >= record.RowCount()) return false;
    if (row == 0) {
        ui.MessageBox("Warning", "You cannot change Possible Points!!", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    TStudent& student = record.Row(row);
    PaneStep step(child_, "Edit " + LastFirst(student));
    StudentEntry entries{student.lastName.Str(), student.firstName.Str(), student.id.Str()};
    if (!RunStudentDialog(ui, entries)) return false;
    child_.Chart().RenameInChart(student.lastName.View(), student.firstName.View(), entries.last, entries.first);
    student.firstName = entries.first;
    student.lastName = entries.last;
    student.id = entries.id;
    child_.Names().Invalidate();
    child_.WritePaneChange();
    return true;
}

bool TPaneEditor::DropOrTransferStudent(int row) {
    platform::Ui& ui = child_.GetUi();
    ClassRecord& record = child_.Record();
    if (row < 0 || row >= record.RowCount()) return false;
    if (row == 0) {
        ui.MessageBox("Warning", "You cannot drop or transfer Possible Points.", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    const TStudent student = record.Row(row);
    PaneStep step(child_, "Drop " + LastFirst(student));
    const Answer answer = ui.MessageBox("Transfer?", TransferQuestion(student), Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) {
        if (!TransferOut(child_, student)) return false;
        step.Name("Transfer " + LastFirst(student));
    }
    child_.Chart().RemoveFromChart(student.lastName.View(), student.firstName.View());
    RemoveStudent(record, row);
    child_.Names().RemoveSelectionBox(row);
    child_.Names().Invalidate();
    child_.WritePaneChange();
    child_.Repaint();
    return true;
}

bool TPaneEditor::ChangeGradeValue(int row, int category, int entry) {
    ClassRecord& record = child_.Record();
    if (row < 0 || row >= record.RowCount() || !HasEntry(record.Row(row), category, entry)) return false;
    TStudent& student = record.Row(row);
    PaneStep step(child_, "Grade " + student.scores[category][static_cast<std::size_t>(entry)].title.Str() + " of " +
                              LastFirst(student));
    if (!EditGradeValue(child_.GetUi(), student, student.scores[category][static_cast<std::size_t>(entry)]))
        return false;
    child_.WritePaneChange();
    child_.Repaint();
    return true;
}

bool TPaneEditor::StoreGrade(int row, int category, int entry, float value) {
    ClassRecord& record = child_.Record();
    if (row < 0 || row >= record.RowCount() || !HasEntry(record.Row(row), category, entry)) return false;
    TStudent& student = record.Row(row);
    TGrades& grade = student.scores[category][static_cast<std::size_t>(entry)];
    // The same step, write and repaint as the value dialog's OK.
    PaneStep step(child_, "Grade " + grade.title.Str() + " of " + LastFirst(student));
    grade.value = value;
    child_.WritePaneChange();
    child_.Repaint();
    return true;
}

bool TPaneEditor::ChangeGradeTitle(int category, int entry) {
    ClassRecord& record = child_.Record();
    if (record.RowCount() == 0 || !HasEntry(record.PossibleRow(), category, entry)) return false;
    std::string title = record.PossibleRow().scores[category][static_cast<std::size_t>(entry)].title.Str();
    PaneStep step(child_, "Rename " + title);
    TTitleDialog dialog(title, CategoryWord(record, category));
    if (!child_.GetUi().RunModal(dialog)) return false;
    for (TStudent& row : record.roster)
        if (HasEntry(row, category, entry)) row.scores[category][static_cast<std::size_t>(entry)].title = title;
    child_.WritePaneChange();
    child_.Repaint();
    return true;
}

bool TPaneEditor::DeleteGradeSet(int category, int entry) {
    ClassRecord& record = child_.Record();
    if (record.RowCount() == 0 || !HasEntry(record.PossibleRow(), category, entry)) return false;
    const std::string title = record.PossibleRow().scores[category][static_cast<std::size_t>(entry)].title.Str();
    PaneStep step(child_, "Delete " + title);
    if (child_.GetUi().MessageBox("Delete Grade Set ?", "Do you want to delete " + title + " ?", Buttons::YesNo,
                                  Icon::Question) != Answer::Yes)
        return false;
    const std::optional<int> column = child_.Grades().ColumnOf(category, entry);
    RemoveGradeColumn(record.roster, category, entry);
    if (column) child_.Grades().ColumnRemoved(*column);
    child_.Grades().RosterChanged();  // the columns moved: the view shows the roster order
    child_.WritePaneChange();
    child_.Repaint();
    return true;
}

}  // namespace quorle
