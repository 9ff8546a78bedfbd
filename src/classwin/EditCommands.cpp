#include "classwin/EditCommands.h"

#include <array>

#include "classwin/ClassWindow.h"
#include "classwin/NewGrade.h"
#include "classwin/Panes.h"
#include "platform/Dialog.h"
#include "resources/EditDialogs.h"

namespace quorle {

void NewGradeCommand(TDecoChild& child) {
    ClassRecord& record = child.Record();
    std::array<std::size_t, kCategoryCount> counts{};
    if (record.RowCount() > 0)
        for (int c = 0; c < kCategoryCount; ++c)
            counts[static_cast<std::size_t>(c)] = record.PossibleRow().scores[c].size();
    if (!NewGrade(child.GetUi(), record)) return;
    // The step is named by the new column's title.
    if (record.RowCount() > 0)
        for (int c = 0; c < kCategoryCount; ++c) {
            const TGradeList& list = record.PossibleRow().scores[c];
            if (list.size() > counts[static_cast<std::size_t>(c)])
                child.NameStep("New Grade " + list.back().title.Str());
        }
    record.modified = true;
    child.WriteNamedClass();
    child.Repaint();
}

namespace {

class TFindStudentDialog : public platform::Dialog {
public:
    TFindStudentDialog(platform::Ui& ui, TGradeWindow& grades)
        : platform::Dialog(resources::FindStudentDialogResource()), ui_(ui), grades_(grades) {}
    void SetupWindow(platform::DialogHost& host) override { host.SetFocus(resources::kIdFindText); }
    // Find Next: the dialog stays open for the next one.
    bool CanClose(platform::DialogHost& host) override {
        const std::string part = LimitedText(host, resources::kIdFindText);
        if (part.empty()) return false;
        if (!grades_.FindStudent(part))
            ui_.MessageBox("Information", NoStudentFoundMessage(part), platform::Buttons::Ok,
                           platform::Icon::Information);
        return false;
    }

private:
    platform::Ui& ui_;
    TGradeWindow& grades_;
};

}  // namespace

std::string NoStudentFoundMessage(std::string_view part) {
    return "No student's name contains \"" + std::string(part) + "\".";
}

void FindStudentCommand(TDecoChild& child) {
    TFindStudentDialog dialog(child.GetUi(), child.Grades());
    child.GetUi().RunModal(dialog);
}

void SortByColumnCommand(TDecoChild& child) {
    TGradeWindow& grades = child.Grades();
    if (!grades.Cursor()) {
        child.GetUi().MessageBox("Information", "Click a cell in the column to sort by, then sort again.",
                                 platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    grades.SortByCursorColumn();
}

}  // namespace quorle
