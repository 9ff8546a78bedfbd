#include "classwin/RosterCommands.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "classwin/ClassSaving.h"
#include "classwin/ClassWindow.h"
#include "classwin/GradingSystem.h"
#include "classwin/Panes.h"
#include "classwin/StudentDialog.h"
#include "platform/Text1252.h"
#include "record/Alphabetize.h"
#include "record/ClassFile.h"
#include "record/FileNames.h"
#include "record/RosterFile.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

void AddStudentsLoop(platform::Ui& ui, ClassRecord& record, const std::function<void(const TStudent&)>& added) {
    RandomGenerator& random = ProcessRandom();
    random.Seed(static_cast<std::uint32_t>(ui.Now()));
    UsedIds used = ScanUsedIds(ClassFolder(record.fileName));
    for (;;) {
        const IdProposal proposal = ProposeId(used, random);
        if (!proposal.free) ui.MessageBox("Information", kTooManyClassFiles, Buttons::Ok, Icon::Information);
        StudentEntry entry{"", "", std::to_string(proposal.id)};
        if (!RunStudentDialog(ui, entry)) break;
        MarkId(used, entry.id);
        const TStudent& student = AddStudent(record, entry.last, entry.first, entry.id);
        if (added) added(student);
    }
    record.modified = true;
    WriteClass(ui, record, ModifiedFlag::Clear);
}

void AddStudentsCommand(TDecoChild& window) {
    ClassRecord& record = window.Record();
    AddStudentsLoop(window.GetUi(), record, [&window, &record](const TStudent& student) {
        window.Chart().SeatNewStudent(record.fileName, student);
        window.Names().AddSelectionBox();
        window.Repaint();
        // Each student is a step of his own, with his seat.
        window.StepDone("Add " + student.lastName.Str() + " " + student.firstName.Str());
    });
    window.Repaint();
}

void GradingSystemCommand(TDecoChild& window) {
    platform::Ui& ui = window.GetUi();
    if (EditGradingSystem(ui, window.Record(), ui.ProgramDirectory()) != GradingEdit::Unchanged) window.Repaint();
}

void AlphabetizeCommand(TDecoChild& window) {
    window.Names().RowsReordered(AlphabetizeRoster(window.Record()));
    window.Repaint();
    WriteClass(window.GetUi(), window.Record(), ModifiedFlag::Clear);
}

void NewGradingPeriod(platform::Ui& ui, const ClassRecord& record) {
    const auto options = ClassFileDialog("New Grading Period File Name");
    std::string chosen;
    for (;;) {
        const auto name = ui.SaveFileName(options);
        if (!name || name->empty()) return;
        if (!record.fileName.empty() && SameFile(*name, record.fileName)) {
            // Its grades would be gone from disk while the window still shows them.
            ui.MessageBox("Warning", kNewPeriodOverItself, Buttons::Ok, Icon::Exclamation);
            continue;
        }
        if (FileExists(*name)) {
            const Answer a = ui.MessageBox("File exists", "File already exists.  Overwrite ?", Buttons::YesNoCancel,
                                           Icon::Question);
            if (a == Answer::Cancel) return;
            if (a == Answer::No) continue;
        }
        if (RefuseIfOpenElsewhere(ui, *name)) continue;
        chosen = *name;
        break;
    }
    // The new class and the copy of the chart are written together: a full
    // disk or a refused file leaves neither behind.
    FileProblem problem;
    std::optional<std::vector<unsigned char>> chartBytes;
    if (!record.fileName.empty() && ChartExists(record.fileName)) {
        chartBytes = ReadChartBytes(ChartPath(record.fileName), &problem);
        if (!chartBytes) {
            ShowChartCannotBeOpened(ui, problem);
            return;
        }
    }
    const ClassRecord next = NewGradingPeriodRecord(record);
    const std::vector<unsigned char> classBytes = SerializeClassFile(next);
    const std::string newChart = ChartPath(chosen);
    std::vector<FileToWrite> others;
    if (chartBytes) others.push_back({newChart, *chartBytes});
    problem = ClassFileRefusal(next, chosen);
    if (!problem.Empty() || !WriteClassTogether(chosen, classBytes, others, &problem)) {
        const bool chartFailed = chartBytes && problem.path == newChart;
        ui.MessageBox("Warning", FileMessage(chartFailed ? kChartCannotBeOpened : kFileNotFound, problem), Buttons::Ok,
                      Icon::Exclamation);
        return;
    }
    if (!chartBytes && ChartExists(chosen)) {
        // The chart of the class file just replaced does not belong to the new one.
        std::error_code ec;
        std::filesystem::remove(newChart, ec);
    }
}

void DeleteClassFile(platform::Ui& ui, int openClasses) {
    if (openClasses > 0) {
        ui.MessageBox("Information", kDeleteWhileOpen, Buttons::Ok, Icon::Exclamation);
        return;
    }
    const auto path = ui.OpenFileName(ClassFileDialog("Delete Class File", true));
    if (!path || path->empty()) return;
    if (RefuseIfOpenElsewhere(ui, *path)) return;
    const std::string shown = platform::Utf8ToCp1252Lossy(std::filesystem::path(*path).filename().string());
    if (ui.MessageBox("Delete File ?", "Delete " + shown + " ?", Buttons::YesNo, Icon::Question) != Answer::Yes)
        return;
    const bool hadChart = ChartExists(*path);
    const std::string chart = ChartPath(*path);
    // The class is kept as an earlier version: a deleted class can be restored.
    FileProblem problem;
    if (!std::filesystem::exists(std::filesystem::path(*path)) || !RemoveClassFile(*path, &problem)) {
        if (problem.Empty()) problem = ProblemOf(ENOENT, *path);
        ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), Buttons::Ok, Icon::Exclamation);
        return;
    }
    std::error_code ec;
    if (hadChart) std::filesystem::remove(std::filesystem::path(chart), ec);
}

}  // namespace quorle
