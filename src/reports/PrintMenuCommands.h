#pragma once
// The class window's File > Print menu commands: one per report.
#include "platform/Frame.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/GradesPrint.h"

namespace quorle {

// File > Print > Grades: loads QUORLE.POP into the class window's options, runs
// Print Display Options, then prints through the print dialog. The parent (the
// class window; may be null) is disabled while the job runs. The caller gives
// the keyboard focus back to the class window afterwards.
void PrintGradesCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                        PrintOptions& classWindowOptions);

// File > Print Preview: the same questions as Print Grades, then the report's
// pages in the print preview, whose Print goes on to the print dialog.
void PreviewGradesCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                          PrintOptions& classWindowOptions);

// File > Print > Makeup Work: straight to the print dialog.
void PrintMakeupCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record);

// File > Print > Random List and Name and ID: straight to the print dialog.
void PrintRandomListCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record);
void PrintNamesCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record);

// File > Print > Grade Sheets: Number of Grades, then the print dialog.
void PrintGradeSheetsCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record);

// File > Print > Attendance: Length of Attendance, First Day for Attendance,
// the Next Week question for each later week, then the print dialog. Cancel
// in the first dialog, or closing the second, prints nothing.
void PrintAttendanceCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record);

}  // namespace quorle
