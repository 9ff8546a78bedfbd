#pragma once
// The commands of progress reports and warning notices: Edit > Progress Report
// and Edit > Warning Notice (the letter editor, with or without a class
// window), File > Print > Progress Reports and File > Print > Warning Notices.
#include <vector>

#include "platform/Frame.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/ProgressPrint.h"

namespace quorle {

// Reads the letter of the kind into the editor and writes it back on OK.
void EditTemplateCommand(platform::Ui& ui, ProgressKind kind);

// Progress reports for the ticked students (selected[row], row 1 on): the
// "ready to print?" question, the print options of QUORLE.PRP into the class
// window's array, the options dialog, then the print dialog. The parent (may
// be null) is disabled while the job runs; the caller gives the focus back.
// With nobody ticked it says so ("No student is checked.") instead of
// bringing up the print dialog.
void PrintProgressCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                          const std::vector<bool>& selected, ProgressOptions& classWindowOptions);

// Warning notices: the level of quorle.low confirmed or changed, the print
// options of QUORLE.WRP, the options dialog, then the print dialog; with
// nobody below the level, "No student is below the level." instead.
void PrintWarningsCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                          ProgressOptions& classWindowOptions);

}  // namespace quorle
