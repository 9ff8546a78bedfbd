#include "classwin/GradesIn.h"

#include <optional>
#include <set>
#include <string_view>

#include "classwin/EditCommands.h"
#include "classwin/ImportStudents.h"
#include "classwin/NewGrade.h"
#include "classwin/Panes.h"
#include "grading/Compute.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/GradesImport.h"
#include "resources/GradesInDialogs.h"

namespace quorle {

namespace res = resources;
using platform::Buttons;
using platform::DialogHost;
using platform::Icon;

namespace {

// What the teacher answered about the new column.
struct ColumnAnswers {
    int category = kTests;
    std::string title;
    float points = 0.0f;
};

// Category (with New Grade's weight check), title, then the points possible
// as New Grade asks them for the Possible Points row. None on Cancel.
std::optional<ColumnAnswers> AskColumn(platform::Ui& ui, const ClassRecord& record) {
    ColumnAnswers answers;
    answers.category = AskGradeType(ui, record);
    if (answers.category < 0) return std::nullopt;
    TTitleDialog titleDialog(answers.title, CategoryWord(record, answers.category));
    if (!ui.RunModal(titleDialog)) return std::nullopt;
    TGrades possible;
    possible.value = 0.0f;
    possible.title = answers.title;
    const TStudent& row = record.PossibleRow();
    TGradeValueDialog points(possible, possible.title.View(), row.firstName.View(), row.lastName.View(), true);
    if (!ui.RunModal(points)) return std::nullopt;
    answers.points = possible.value;
    return answers;
}

// The column goes to every row as one step named by its title, the class is
// written, and the cell cursor goes to the column's first student.
void AddColumn(const EditingParts& window, const ColumnAnswers& answers, const std::vector<float>& values,
               const std::string& stepWords) {
    ClassRecord& record = window.record;
    AddGradeColumn(record, answers.category, answers.title, answers.points, values);
    const TGradeList& list = record.PossibleRow().scores[answers.category];
    window.nameStep(stepWords + " " + list.back().title.Str());
    record.modified = true;
    window.changed();
    TGradeWindow& grades = window.grades;
    // The step shows the roster order: its first student is the view's.
    grades.ShowRosterOrder();
    if (const auto column = grades.ColumnOf(answers.category, static_cast<int>(list.size()) - 1))
        grades.PutCursor(grades.RowAt(record.RowCount() > 1 ? 1 : 0), *column);
}

class TScoreColumnDialog : public platform::Dialog {
public:
    TScoreColumnDialog(const std::vector<std::string>& headings, std::string& column)
        : platform::Dialog(res::ScoreColumnDialogResource()), column_(column) {
        // A heading is named by its text: of two alike the first is taken,
        // and a column without a heading cannot be named.
        std::set<std::string> taken;
        for (const std::string& heading : headings) {
            const std::string key = NameKey(heading);
            if (!key.empty() && taken.insert(key).second) headings_.push_back(heading);
        }
    }
    void SetupWindow(DialogHost& host) override {
        std::vector<std::string> items{res::kAutomaticColumn};
        items.insert(items.end(), headings_.begin(), headings_.end());
        host.SetListItems(res::kIdScoreColumn, items);
        host.SetSelection(res::kIdScoreColumn, 0);
        host.SetFocus(res::kIdScoreColumn);
    }
    bool CanClose(DialogHost& host) override {
        const int chosen = host.Selection(res::kIdScoreColumn);
        column_ = chosen > 0 && chosen <= static_cast<int>(headings_.size())
                      ? headings_[static_cast<std::size_t>(chosen - 1)]
                      : std::string();
        return true;
    }

private:
    std::vector<std::string> headings_;
    std::string& column_;
};

class TImportGradesDialog : public platform::Dialog {
public:
    TImportGradesDialog(const ClassRecord& record, const std::string& title, const GradesImport& grades)
        : platform::Dialog(res::ImportGradesDialogResource()),
          lines_(ImportedGradeLines(record, grades)),
          heading_("Grades in " + title + " from the column \"" + grades.column + "\":"),
          counts_(CountOf(grades.added, "grade") + ", " + CountOf(grades.omitted, "student") + " left omitted.") {
        for (auto& c : Resource().controls) {
            if (c.id == res::kIdImportHeading) c.text = platform::FillLabel(c.text, heading_);
            if (c.id == res::kIdImportCounts) c.text = platform::FillLabel(c.text, counts_);
        }
    }
    void SetupWindow(DialogHost& host) override {
        host.SetText(res::kIdImportHeading, heading_);
        host.SetText(res::kIdImportCounts, counts_);
        host.SetListItems(res::kIdImportList, lines_);
        if (!lines_.empty()) host.SetSelection(res::kIdImportList, 0);
        host.SetFocus(res::kIdImportList);
    }

private:
    std::vector<std::string> lines_;
    std::string heading_;
    std::string counts_;
};

}  // namespace

std::vector<std::string> ImportedGradeLines(const ClassRecord& record, const GradesImport& grades) {
    std::vector<std::string> lines;
    for (int j = 1; j < record.RowCount() && j < static_cast<int>(grades.values.size()); ++j) {
        const TStudent& row = record.Row(j);
        const float value = grades.values[static_cast<std::size_t>(j)];
        lines.push_back(platform::TrimPadding(row.lastName.View()) + ", " + platform::TrimPadding(row.firstName.View()) +
                        ": " + (IsOmitted(value) ? std::string("left omitted") : GradeBoxText(value)));
    }
    return lines;
}

void NewGradeColumnCommand(const EditingParts& window) {
    if (window.record.RowCount() == 0) return;
    const auto answers = AskColumn(window.ui, window.record);
    if (!answers) return;
    AddColumn(window, *answers, {}, "New Grade Column");
}

void ImportGradesCommand(const EditingParts& window) {
    platform::Ui& ui = window.ui;
    const ClassRecord& record = window.record;
    if (record.RowCount() == 0) return;
    const auto bytes = AskAndReadCsv(ui, "Import Grades", kScoresFileFilter);
    if (!bytes) return;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());

    const auto answers = AskColumn(ui, record);
    if (!answers) return;
    std::string column;
    TScoreColumnDialog columnDialog(GradesCsvHeadings(text), column);
    if (!ui.RunModal(columnDialog)) return;
    const GradesImport grades = ParseGradesCsv(record, text, column);
    if (!grades.error.empty()) {
        std::string message = grades.error;
        // The window's way to name the column is the Score Column dialog.
        if (message.ends_with(kNameTheColumn))
            message.replace(message.size() - kNameTheColumn.size(), kNameTheColumn.size(),
                            "choose the column of the scores.");
        ui.MessageBox("Warning", message + "\n\n" + kNoGradesAdded, Buttons::Ok, Icon::Exclamation);
        return;
    }
    TImportGradesDialog confirm(record, answers->title, grades);
    if (!ui.RunModal(confirm)) return;
    AddColumn(window, *answers, grades.values, "Import Grades");
}

}  // namespace quorle
