#include "reports/ReportCommands.h"

#include "reports/MakeupPrint.h"

namespace quorle {

void PrintGradesCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                        PrintOptions& classWindowOptions) {
    TMyPrinter printer;
    LoadPrintOptions(ui.ProgramDirectory(), classWindowOptions);
    TGradePrintDialog dialog(classWindowOptions, record.extra1Name.Str(), record.extra2Name.Str());
    if (!ui.RunModal(dialog)) return;
    TGradesPrint printout(record.fileName, record, printer, ui, classWindowOptions);
    printer.RunPrintJob(ui, parent, printout, true);
}

void PrintMakeupCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record) {
    TMyPrinter printer;
    TMakeupPrint printout(record.fileName, record, printer, ui);
    printer.RunPrintJob(ui, parent, printout, true);
}

}  // namespace quorle
