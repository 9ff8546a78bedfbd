#pragma once
// Edit > Student Info/Grades (F5): any student's names, ID and grades, the
// points possible of any grade, and the drop or transfer of a student, through
// a working copy of the roster and of the class's seating chart.
#include <string>
#include <vector>

#include "classwin/NewGrade.h"
#include "platform/Dialog.h"
#include "record/ClassRecord.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

class TDecoChild;

// The working roster of the dialog: a copy of the class's with trailing spaces
// removed from every last name, first name and ID.
std::vector<TStudent> TrimmedRoster(const std::vector<TStudent>& roster);

class TEditStudentDialog : public platform::Dialog {
public:
    // working: the copy of the roster it edits; chart: the copy of the class's
    // chart, or nullptr when the class has none. OK writes the chart copy back
    // and takes the working roster over into the child's class.
    TEditStudentDialog(TDecoChild& child, std::vector<TStudent>& working, SeatingChart* chart);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;
    void SelectionChanged(platform::DialogHost& host, int id) override;
    void KeyUp(platform::DialogHost& host, int id) override;
    void Clicked(platform::DialogHost& host, int id) override;

private:
    void ShowRow(platform::DialogHost& host, int row);
    void ShowItem(platform::DialogHost& host);
    void DeleteStudent(platform::DialogHost& host);
    void TakeOver();
    // A student whose first or last name is empty or blank is refused as Add
    // Students refuses him: the message, then he is shown with the box at
    // fault to type in. True when one was refused.
    bool RefuseMissingName(platform::DialogHost& host);

    TDecoChild& child_;
    std::vector<TStudent>& working_;
    SeatingChart* chart_;
    std::vector<std::string> lastNames_;
    std::vector<std::pair<int, int>> items_;
    int row_ = -1;
    TEntryEditGrade grade_;
    TGradeCheck omit_;
};

// The command: the chart copy is loaded first (a chart that cannot be read
// keeps the dialog from opening); OK writes the class and repaints it.
void EditStudents(TDecoChild& child);

}  // namespace quorle
