#include "reports/ProgressCommands.h"

#include "resources/ProgressDialogs.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

void Unable(platform::Ui& ui, const char* fileName) {
    ui.MessageBox("Warning", UnableToOpen(fileName), Buttons::Ok, Icon::Exclamation);
}

// The options dialog of the kind, then the job.
void PrintLetters(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                  const std::vector<bool>& selected, ProgressKind kind, float level, ProgressOptions& options) {
    LoadProgressOptions(ui.ProgramDirectory(), kind, options);
    TProgressPrintDialog dialog(options, record.extra1Name.Str(), record.extra2Name.Str());
    if (!ui.RunModal(dialog)) return;
    TMyPrinter printer;
    TProgressPrint printout(record, selected, printer, ui, kind, level, options);
    // A job without letters would still bring up the print dialog and feed a
    // blank sheet. (A letter that cannot be read has said so already.)
    if (printout.PageCount() == 0) {
        if (printout.HasTemplate())
            ui.MessageBox("Information", kind == ProgressKind::Progress ? kNobodyChecked : kNobodyBelowLevel,
                          Buttons::Ok, Icon::Information);
        return;
    }
    printer.RunPrintJob(ui, parent, printout, true);
}

}  // namespace

void EditTemplateCommand(platform::Ui& ui, ProgressKind kind) {
    const std::string directory = ui.ProgramDirectory();
    const auto bytes = ReadTemplateFile(directory, kind);
    if (!bytes) {
        Unable(ui, TemplateFileName(kind));
        return;
    }
    std::string text = TemplateEditorText(*bytes, resources::kLetterTextLimit);
    TProgressDialog dialog(text);
    if (!ui.RunModal(dialog)) return;
    if (!WriteTemplateFile(directory, kind, TemplateFileBytes(text, resources::kLetterTextLimit)))
        Unable(ui, TemplateFileName(kind));
}

void PrintProgressCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                          const std::vector<bool>& selected, ProgressOptions& classWindowOptions) {
    const Answer ready = ui.MessageBox("Information",
                                       "Make sure the students that are to receive progress reports are checked"
                                       " in the check boxes to the left of each name."
                                       " Are you ready to print?",
                                       Buttons::YesNo, Icon::Question);
    if (ready != Answer::Yes) return;
    PrintLetters(ui, parent, record, selected, ProgressKind::Progress, 0.0f, classWindowOptions);
}

void PrintWarningsCommand(platform::Ui& ui, platform::ChildHost* parent, const ClassRecord& record,
                          ProgressOptions& classWindowOptions) {
    const std::string directory = ui.ProgramDirectory();
    const auto stored = ReadWarningLevel(directory);
    if (!stored) {
        Unable(ui, kWarningLevelFile);
        return;
    }
    LevelText level = *stored;
    const Answer answer =
        ui.MessageBox("Warning Notices", "Print Warning Notices for all students below a " + level.Str() + " average?",
                      Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::No) {
        TGradeLevelDialog dialog(ui, level);
        if (!ui.RunModal(dialog)) return;
        if (!WriteWarningLevel(directory, level)) {
            Unable(ui, kWarningLevelFile);
            return;
        }
    }
    PrintLetters(ui, parent, record, {}, ProgressKind::Warning, WarningLevelValue(level), classWindowOptions);
}

}  // namespace quorle
