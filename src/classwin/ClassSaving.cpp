#include "classwin/ClassSaving.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/Text1252.h"
#include "record/ClassLock.h"
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

std::vector<std::pair<const ClassRecord*, ClassFileKeeper*>>& Keepers() {
    static std::vector<std::pair<const ClassRecord*, ClassFileKeeper*>> keepers;
    return keepers;
}

ClassFileKeeper* KeeperOf(const ClassRecord& record) {
    for (const auto& [kept, keeper] : Keepers())
        if (kept == &record) return keeper;
    return nullptr;
}

}  // namespace

void SetClassFileKeeper(const ClassRecord& record, ClassFileKeeper* keeper) {
    auto& keepers = Keepers();
    std::erase_if(keepers, [&record](const auto& entry) { return entry.first == &record; });
    if (keeper) keepers.emplace_back(&record, keeper);
}

bool WriteClass(platform::Ui& ui, ClassRecord& record, ModifiedFlag flag) {
    ClassFileKeeper* keeper = KeeperOf(record);
    if (keeper && !record.fileName.empty()) {
        switch (keeper->BeforeWrite(NormalizeClassFileName(record.fileName))) {
            case ClassFileKeeper::Decision::Write: break;
            case ClassFileKeeper::Decision::SavedElsewhere: return true;
            case ClassFileKeeper::Decision::Refused: record.modified = true; return false;
        }
    }
    FileProblem problem;
    if (!record.fileName.empty() && WriteClassFile(record, flag, &problem)) {
        if (keeper) keeper->Written(record.fileName);
        return true;
    }
    // The change is on screen but not on disk: closing the class asks to save it.
    record.modified = true;
    ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), Buttons::Ok, Icon::Exclamation);
    return false;
}

TogetherWrite WriteClassWith(ClassRecord& record, std::span<const FileToWrite> others, FileProblem& problem) {
    problem = FileProblem{};
    if (record.fileName.empty()) return TogetherWrite::NotWritten;
    const std::string path = NormalizeClassFileName(record.fileName);
    ClassFileKeeper* keeper = KeeperOf(record);
    if (keeper) {
        switch (keeper->BeforeWrite(path)) {
            case ClassFileKeeper::Decision::Write: break;
            case ClassFileKeeper::Decision::SavedElsewhere: return TogetherWrite::SavedElsewhere;
            case ClassFileKeeper::Decision::Refused: return TogetherWrite::NotWritten;
        }
    }
    record.fileName = path;
    problem = ClassFileRefusal(record, path);
    if (!problem.Empty()) return TogetherWrite::NotWritten;
    const std::vector<unsigned char> bytes = SerializeClassFile(record);
    if (!WriteClassTogether(path, bytes, others, &problem)) return TogetherWrite::NotWritten;
    record.modified = false;
    if (keeper) keeper->Written(path);
    return TogetherWrite::Written;
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

platform::FileDialogOptions ClassFileDialog(const char* title, bool existing) {
    platform::FileDialogOptions options;
    options.title = title;
    options.filter = kClassFileFilter;
    options.defaultExtension = kClassFileExtension;
    options.fileMustExist = existing;
    options.pathMustExist = existing;
    return options;
}

std::optional<std::string> SaveAsDialog(platform::Ui& ui) {
    const platform::FileDialogOptions options = ClassFileDialog("Save As");
    for (;;) {
        // The name the class is written under is the file that would be overwritten.
        const auto chosen =
            ChooseFileToWrite(ui, options, [](const std::string& name) { return NormalizeClassFileName(name); });
        if (!chosen) return std::nullopt;
        if (!RefuseIfOpenElsewhere(ui, *chosen)) return chosen;
    }
}

bool RefuseIfOpenElsewhere(platform::Ui& ui, const std::string& path) {
    // The other program's next save would wipe out what is written here.
    const ClassLock lock = ClassLock::Acquire(path);
    if (lock.AllowsWrite()) return false;
    // A folder that is not there is told of by the write, which fails for it too.
    std::error_code error;
    const auto folder = std::filesystem::absolute(std::filesystem::path(path), error).parent_path();
    if (lock.State() == LockState::Refused && !std::filesystem::is_directory(folder, error)) return false;
    ui.MessageBox("Information", LockRefusalMessage(path, lock), Buttons::Ok, Icon::Information);
    return true;
}

std::string LockRefusalMessage(const std::string& path, const ClassLock& lock) {
    if (lock.State() == LockState::HeldElsewhere) return OpenElsewhereMessage(path, lock.Holder());
    return platform::Utf8ToCp1252Lossy(ShownClassName(path)) + " " + kCannotBeLocked + "\n" +
           platform::Utf8ToCp1252Lossy(lock.Problem().Text());
}

std::string OpenElsewhereMessage(const std::string& path, const LockHolder& holder) {
    return platform::Utf8ToCp1252Lossy(ShownClassName(path)) + " is " + OpenElsewhereText(holder) +
           ".\nClose it there first: a class is changed by one program at a time.";
}

bool SaveClassAs(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged) {
    const auto chosen = SaveAsDialog(ui);
    if (!chosen) return false;
    const std::string previous = record.fileName;
    // Whether the chosen file is the class's own, asked before it is written
    // (a file that does not exist yet is nobody's).
    const bool ownFile = !previous.empty() && SameFile(*chosen, NormalizeClassFileName(previous));
    const bool wasModified = record.modified;
    record.fileName = *chosen;
    if (!WriteClass(ui, record, ModifiedFlag::Clear)) {
        // The class is as it was, under its old name; the file there is as current as before.
        record.fileName = previous;
        record.modified = wasModified;
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
