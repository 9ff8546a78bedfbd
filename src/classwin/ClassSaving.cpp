#include "classwin/ClassSaving.h"

#include <filesystem>
#include <system_error>

#include "platform/Text1252.h"
#include "record/FileNames.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

void DeleteIfExists(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(path), ec);
}

// The class now stands under a new name: its chart goes along as a copy (the
// old file keeps its own). A chart left beside the new name belonged to the
// class just overwritten and goes, also when the copy could not be made.
void TakeChartAlong(platform::Ui& ui, const std::string& from, const std::string& to) {
    if (ChartExists(from)) {
        // "x.TXT" saved as "x.gdr": both names share one chart.
        if (SameFile(ChartPath(from), ChartPath(to))) return;
        if (CopyChart(ui, from, to)) return;
    }
    DeleteIfExists(ChartPath(to));
}

}  // namespace

bool WriteClass(platform::Ui& ui, ClassRecord& record, ModifiedFlag flag) {
    FileProblem problem;
    if (!record.fileName.empty() && WriteClassFile(record, flag, &problem)) return true;
    ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), Buttons::Ok, Icon::Exclamation);
    return false;
}

std::optional<std::string> ChooseFileToWrite(platform::Ui& ui, const platform::FileDialogOptions& options,
                                             const std::function<std::string(const std::string&)>& fileFor) {
    for (;;) {
        const auto chosen = ui.SaveFileName(options);
        if (!chosen || chosen->empty()) return std::nullopt;
        std::string name = fileFor ? fileFor(*chosen) : *chosen;
        if (FileExists(name)) {
            const Answer a = ui.MessageBox("File exists", "File already exists.  Overwrite ?", Buttons::YesNoCancel,
                                           Icon::Question);
            if (a == Answer::No) continue;
            if (a == Answer::Cancel) return std::nullopt;
        }
        return name;
    }
}

std::optional<std::string> SaveAsDialog(platform::Ui& ui) {
    platform::FileDialogOptions options;
    options.title = "Save As";
    options.filter = kClassFileFilter;
    options.defaultExtension = kClassFileExtension;
    // The name the class is written under is the file that would be overwritten.
    return ChooseFileToWrite(ui, options, [](const std::string& chosen) { return NormalizeClassFileName(chosen); });
}

bool SaveClassAs(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged) {
    const auto chosen = SaveAsDialog(ui);
    if (!chosen) return false;
    const std::string previous = record.fileName;
    // Whether the chosen file is the class's own, asked before it is written
    // (a file that does not exist yet is nobody's).
    const bool ownFile = !previous.empty() && SameFile(*chosen, NormalizeClassFileName(previous));
    record.fileName = *chosen;
    if (!WriteClass(ui, record, ModifiedFlag::Clear)) {
        record.fileName = previous;
        return false;
    }
    if (nameChanged) nameChanged();
    // Only once this class is safely written; saved onto its own file, its
    // chart stays as it is.
    if (!ownFile) TakeChartAlong(ui, previous, record.fileName);
    return true;
}

bool ConfirmClose(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged) {
    if (!record.modified) return true;
    std::string shown = "Untitled";
    if (!record.fileName.empty()) {
        const std::string normalized = NormalizeClassFileName(record.fileName);
        if (normalized != record.fileName) {
            record.fileName = normalized;
            if (nameChanged) nameChanged();
        }
        shown = platform::Utf8ToCp1252Lossy(ShownClassName(record.fileName));
    }
    const Answer a = ui.MessageBox("File has changed", shown + " has changed. Do you want to save changes ?",
                                   Buttons::YesNoCancel, Icon::Question);
    if (a == Answer::Cancel) return false;
    if (a == Answer::No) return true;
    if (record.fileName.empty()) return SaveClassAs(ui, record, nameChanged);
    // A failed write has shown its warning; the window stays open so that the
    // teacher can save elsewhere instead of losing the changes.
    return WriteClass(ui, record, ModifiedFlag::Clear);
}

}  // namespace quorle
