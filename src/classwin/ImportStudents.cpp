#include "classwin/ImportStudents.h"

#include <optional>
#include <string>
#include <vector>
#include <string_view>

#include "classwin/ClassSaving.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/RosterFile.h"
#include "record/RosterImport.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"
#include "seating/SeatingChartWindow.h"

namespace quorle {

using platform::Buttons;
using platform::Icon;

std::optional<std::vector<unsigned char>> AskAndReadCsv(platform::Ui& ui, const char* title, const char* filter) {
    platform::FileDialogOptions options;
    options.title = title;
    options.filter = filter;
    options.defaultExtension = "csv";
    options.fileMustExist = true;
    options.pathMustExist = true;
    const auto path = ui.OpenFileName(options);
    if (!path || path->empty()) return std::nullopt;
    FileProblem problem;
    auto bytes = ReadWholeFile(*path, kMaxFileBytes, &problem);
    if (!bytes) ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), Buttons::Ok, Icon::Exclamation);
    return bytes;
}

void ImportStudentsCommand(TDecoChild& window) {
    platform::Ui& ui = window.GetUi();
    const auto bytes = AskAndReadCsv(ui, "Import Students", kRosterFileFilter);
    if (!bytes) return;
    ClassRecord& record = window.Record();
    // Refused before anyone is added when the class would outgrow what a
    // class file holds.
    const RosterImport roster =
        ParseRosterFor(record, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!roster.error.empty()) {
        // The faulty name is quoted as the file spells it (UTF-8); the box shows Windows-1252.
        ui.MessageBox("Warning", platform::Utf8ToCp1252Lossy(roster.error) + "\n\n" + kImportNothingAdded, Buttons::Ok,
                      Icon::Exclamation);
        return;
    }

    const std::vector<TStudent> before = record.roster;
    const bool wasModified = record.modified;
    // Nobody was added: the class is as it was, changed or not.
    const auto addNobody = [&](const std::string& message) {
        record.roster = before;
        record.modified = wasModified;
        if (message.empty())
            ui.MessageBox("Information", kImportNothingAdded, Buttons::Ok, Icon::Information);
        else
            ui.MessageBox("Warning", message + "\n\n" + kImportNothingAdded, Buttons::Ok, Icon::Exclamation);
        window.Repaint();
    };
    RandomGenerator& random = ProcessRandom();
    random.Seed(static_cast<std::uint32_t>(ui.Now()));
    // A class never saved has no folder of its own to scan.
    UsedIds used = record.fileName.empty() ? UsedIds{} : ScanUsedIds(ClassFolder(record.fileName));
    const int firstNew = record.RowCount();
    const bool allFree = AppendImportedStudents(record, roster.students, used, random);
    if (!record.fileName.empty()) {
        FileProblem problem;
        // The new students are seated in the chart in memory, and the chart
        // is written together with the class: both take them, or neither.
        std::optional<SeatingChart> chart;
        std::string chartPath;
        if (ChartExists(record.fileName)) {
            chartPath = ChartPath(record.fileName);
            chart = ReadChartFile(chartPath, &problem);
            if (!chart) return addNobody(FileMessage(kChartCannotBeOpened, problem));
            for (int row = firstNew; row < record.RowCount(); ++row)
                if (!window.Chart().ChooseSeat(*chart, record.Row(row))) break;  // full: said once
        }
        const std::vector<unsigned char> chartBytes = chart ? SerializeChartFile(*chart) : std::vector<unsigned char>{};
        std::vector<FileToWrite> others;
        if (chart) {
            problem = ChartFileRefusal(*chart, chartPath);
            if (!problem.Empty()) return addNobody(FileMessage(kChartCannotBeOpened, problem));
            others.push_back({chartPath, chartBytes});
        }
        switch (WriteClassWith(record, others, problem)) {
            case TogetherWrite::Written: break;
            case TogetherWrite::SavedElsewhere:
                // The class now stands under another name, its chart copied
                // there before these students had seats.
                if (chart) {
                    chartPath = ChartPath(record.fileName);
                    if (!WriteChartFile(chartPath, *chart, &problem)) ShowChartCannotBeOpened(ui, problem);
                }
                break;
            case TogetherWrite::NotWritten: {
                const bool chartFailed = chart && problem.path == chartPath;
                // Held back by the changed-on-disk question: nothing more to say but that.
                return addNobody(problem.Empty() ? std::string()
                                                 : FileMessage(chartFailed ? kChartCannotBeOpened : kFileNotFound, problem));
            }
        }
        if (chart)
            if (TSeatingChartWindow* shown = window.Chart().Window()) shown->ReloadIfShowing(chartPath);
    } else {
        record.modified = true;
    }
    if (!allFree) ui.MessageBox("Information", kImportIdsInUse, Buttons::Ok, Icon::Information);
    for (int row = firstNew; row < record.RowCount(); ++row) window.Names().AddSelectionBox();
    window.Repaint();
    ui.MessageBox("Information", std::to_string(roster.students.size()) + " students were added.", Buttons::Ok,
                  Icon::Information);
}

}  // namespace quorle
