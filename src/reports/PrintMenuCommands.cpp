#include "reports/PrintMenuCommands.h"

#include "reports/ClassListsPrint.h"
#include "reports/MakeupPrint.h"
#include "reports/SheetsPrint.h"

namespace quorle {

namespace {

void GradesReport(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                  PrintOptions& classWindowOptions, bool preview) {
    TMyPrinter printer;
    LoadPrintOptions(ui.ProgramDirectory(), classWindowOptions);
    TGradePrintDialog dialog(classWindowOptions, record.extra1Name.Str(), record.extra2Name.Str());
    if (!ui.RunModal(dialog)) return;
    TGradesPrint printout(record.fileName, record, printer, ui, classWindowOptions);
    if (preview)
        printer.RunPreview(ui, parent, printout);
    else
        printer.RunPrintJob(ui, parent, printout, true);
}

}  // namespace

void PrintGradesCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                        PrintOptions& classWindowOptions) {
    GradesReport(ui, parent, record, classWindowOptions, false);
}

void PreviewGradesCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                          PrintOptions& classWindowOptions) {
    GradesReport(ui, parent, record, classWindowOptions, true);
}

void PrintMakeupCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record) {
    TMyPrinter printer;
    TMakeupPrint printout(record.fileName, record, printer, ui);
    printer.RunPrintJob(ui, parent, printout, true);
}

void PrintRandomListCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record) {
    TMyPrinter printer;
    TRandomPrint printout(record, ui);
    printer.RunPrintJob(ui, parent, printout, true);
}

void PrintNamesCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record) {
    TMyPrinter printer;
    TNameAndIDPrint printout(record);
    printer.RunPrintJob(ui, parent, printout, true);
}

void PrintGradeSheetsCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record) {
    int grades = 0;
    TSheetsDialog dialog(ui, grades);
    if (!ui.RunModal(dialog)) return;
    TMyPrinter printer;
    TSheetsPrint printout(record, grades);
    printer.RunPrintJob(ui, parent, printout, true);
}

void PrintAttendanceCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record) {
    int days = 0;
    TAttendanceDialog dialog(ui, days);
    if (!ui.RunModal(dialog)) return;
    // The first day has no Cancel; closing its dialog ends the command rather
    // than printing dates from a day 0 of January.
    TFirstDay first;
    TDateInfoDialog dateDialog(ui, days, first);
    if (!ui.RunModal(dateDialog)) return;
    auto starts = WeekStarts(first.date, first.weekday, days, first.leapYear, [&ui](const TDates& monday) {
        return ui.MessageBox("Next Week", "Start next week with " + monday.Text() + "?", platform::Buttons::YesNo,
                             platform::Icon::Question) == platform::Answer::Yes;
    });
    TMyPrinter printer;
    TAttendancePrint printout(record, days, first, std::move(starts));
    printer.RunPrintJob(ui, parent, printout, true);
}

}  // namespace quorle
