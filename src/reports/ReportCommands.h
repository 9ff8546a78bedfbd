#pragma once
// The Print menu's report commands of a class window: Grades and Makeup Work.
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

// File > Print > Makeup Work: straight to the print dialog.
void PrintMakeupCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record);

}  // namespace quorle
