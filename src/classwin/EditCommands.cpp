#include "classwin/EditCommands.h"

#include <array>

#include "classwin/NewGrade.h"
#include "classwin/Panes.h"
#include "platform/Dialog.h"
#include "resources/EditDialogs.h"

namespace quorle {

void NewGradeCommand(const EditingParts& window) {
    ClassRecord& record = window.record;
    std::array<std::size_t, kCategoryCount> counts{};
    if (record.RowCount() > 0)
        for (int c = 0; c < kCategoryCount; ++c)
            counts[static_cast<std::size_t>(c)] = record.PossibleRow().scores[c].size();
    if (!NewGrade(window.ui, record)) return;
    // The step is named by the new column's title.
    if (record.RowCount() > 0)
        for (int c = 0; c < kCategoryCount; ++c) {
            const TGradeList& list = record.PossibleRow().scores[c];
            if (list.size() > counts[static_cast<std::size_t>(c)])
                window.nameStep("New Grade " + list.back().title.Str());
        }
    record.modified = true;
    window.changed();
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

void FindStudentCommand(const EditingParts& window) {
    TFindStudentDialog dialog(window.ui, window.grades);
    window.ui.RunModal(dialog);
}

void SortByColumnCommand(const EditingParts& window) {
    TGradeWindow& grades = window.grades;
    if (!grades.Cursor()) {
        window.ui.MessageBox("Information", "Click a cell in the column to sort by, then sort again.",
                             platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    grades.SortByCursorColumn();
}

}  // namespace quorle
