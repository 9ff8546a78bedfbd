#include "classwin/UndoFiles.h"

#include <filesystem>
#include <system_error>

#include "classwin/ClassSaving.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/FileNames.h"
#include "seating/SeatingChart.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

using platform::Buttons;
using platform::Icon;

namespace {

bool IsClassFile(const std::string& path) { return NormalizeClassFileName(path) == path; }

std::optional<ClassRecord> ParseClass(const std::optional<FileBytes>& bytes) {
    if (!bytes) return std::nullopt;
    try {
        return ParseClassFile(*bytes);
    } catch (const ClassFileError&) {
        return std::nullopt;
    }
}

// The student a transfer appended: the last row of the class after it.
std::optional<TStudent> TransferredStudent(const OtherFileChange& file) {
    const auto after = ParseClass(file.after);
    const auto before = ParseClass(file.before);
    if (!after || !before || after->RowCount() != before->RowCount() + 1) return std::nullopt;
    return after->roster.back();
}

std::string Shown(const std::string& path) {
    return platform::Utf8ToCp1252Lossy(std::filesystem::path(path).filename().string());
}

}  // namespace

std::optional<FileBytes> ReadOtherFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    return ReadWholeFile(path, kMaxFileBytes);
}

std::vector<OtherFileChange> FilesBeforeTransfer(const std::string& destination) {
    std::vector<OtherFileChange> files;
    const std::string path = NormalizeClassFileName(destination);
    files.push_back({path, ReadOtherFile(path), std::nullopt});
    const std::string chart = ChartPath(path);
    files.push_back({chart, ReadOtherFile(chart), std::nullopt});
    return files;
}

void TakeFilesAfter(std::vector<OtherFileChange>& files) {
    for (OtherFileChange& file : files) file.after = ReadOtherFile(file.path);
}

std::optional<std::vector<FileWrite>> PlanStepFiles(platform::Ui& ui, HistoryStep& step, bool undo,
                                                    const std::string& ownChart) {
    std::vector<FileWrite> writes;
    std::optional<TStudent> moved;
    for (OtherFileChange& file : step.files) {
        const std::optional<FileBytes>& expected = undo ? file.after : file.before;
        const std::optional<FileBytes>& wanted = undo ? file.before : file.after;
        const bool classFile = IsClassFile(file.path);
        if (classFile) {
            if (!moved) moved = TransferredStudent(file);
            if (RefuseIfOpenElsewhere(ui, file.path)) return std::nullopt;
        }
        const std::optional<FileBytes> now = ReadOtherFile(file.path);
        if (now == expected) {
            if (now != wanted) writes.push_back({file.path, wanted});
            continue;
        }
        // Changed since by something else.
        if (!ownChart.empty() && file.path == ownChart) continue;
        if (!undo) {
            ui.MessageBox("Redo",
                          "Redo " + step.name + " cannot be done: " + Shown(file.path) +
                              " was changed since.\nNothing was redone.",
                          Buttons::Ok, Icon::Exclamation);
            return std::nullopt;
        }
        if (classFile) {
            std::optional<ClassRecord> current = ParseClass(now);
            int found = -1;
            if (current && moved)
                for (int row = current->RowCount() - 1; row >= 1 && found < 0; --row) {
                    const TStudent& s = current->Row(row);
                    if (s.lastName == moved->lastName && s.firstName == moved->firstName && s.id == moved->id)
                        found = row;
                }
            if (found < 0) {
                const std::string name =
                    moved ? moved->firstName.Str() + " " + moved->lastName.Str() : std::string("The student");
                ui.MessageBox("Undo",
                              name + " cannot be taken back out of " + Shown(file.path) +
                                  ": that class was changed since and no longer holds " + name +
                                  " as transferred.\nNothing was undone.",
                              Buttons::Ok, Icon::Exclamation);
                return std::nullopt;
            }
            RemoveStudent(*current, found);
            FileBytes without = SerializeClassFile(*current);
            writes.push_back({file.path, without});
            file.after = now;
            file.before = std::move(without);
            continue;
        }
        // The other class's chart: the student's seat is freed, the rest kept.
        std::optional<SeatingChart> chart = now ? ParseChartFile(*now) : std::nullopt;
        if (!chart || !moved) continue;
        const int seat = FindSeat(chart->seats, moved->lastName.View(), moved->firstName.View());
        if (seat < 0) continue;
        chart->seats[static_cast<std::size_t>(seat)] = TPeople::Free();
        FileBytes freed = SerializeChartFile(*chart);
        writes.push_back({file.path, freed});
        file.after = now;
        file.before = std::move(freed);
    }
    return writes;
}

bool WriteStepFiles(platform::Ui& ui, const std::vector<FileWrite>& writes) {
    bool all = true;
    for (const FileWrite& write : writes) {
        FileProblem problem;
        bool done = true;
        // The other class of a transfer keeps its earlier version as every class write does.
        if (write.bytes && IsClassFile(write.path)) {
            done = WriteClassBytes(write.path, *write.bytes, &problem);
        } else if (write.bytes) {
            done = WriteFileAtomically(write.path, *write.bytes, &problem);
        } else if (IsClassFile(write.path)) {
            done = RemoveClassFile(write.path, &problem);
        } else {
            std::error_code ec;
            std::filesystem::remove(write.path, ec);
            if (ec) {
                done = false;
                problem = ProblemOf(ec.value(), write.path);
            }
        }
        if (!done) {
            all = false;
            ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), Buttons::Ok, Icon::Exclamation);
        }
    }
    return all;
}

}  // namespace quorle
