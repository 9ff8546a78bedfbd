#include "classwin/ImportStudents.h"

#include <string>
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

namespace quorle {

using platform::Buttons;
using platform::Icon;

void ImportStudentsCommand(TDecoChild& window) {
    platform::Ui& ui = window.GetUi();
    platform::FileDialogOptions options;
    options.title = "Import Students";
    options.filter = kRosterFileFilter;
    options.defaultExtension = "csv";
    options.fileMustExist = true;
    options.pathMustExist = true;
    const auto path = ui.OpenFileName(options);
    if (!path || path->empty()) return;

    FileProblem problem;
    const auto bytes = ReadWholeFile(*path, kMaxFileBytes, &problem);
    if (!bytes) {
        ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), Buttons::Ok, Icon::Exclamation);
        return;
    }
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
    RandomGenerator& random = ProcessRandom();
    random.Seed(static_cast<std::uint32_t>(ui.Now()));
    // A class never saved has no folder of its own to scan.
    UsedIds used = record.fileName.empty() ? UsedIds{} : ScanUsedIds(ClassFolder(record.fileName));
    const int firstNew = record.RowCount();
    const bool allFree = AppendImportedStudents(record, roster.students, used, random);
    if (!record.fileName.empty()) {
        if (!WriteClass(ui, record, ModifiedFlag::Clear)) {  // its warning shown
            // Nobody was added: the class is as it was, changed or not.
            record.roster = before;
            record.modified = wasModified;
            window.Repaint();
            return;
        }
    } else {
        record.modified = true;
    }
    if (!allFree) ui.MessageBox("Information", kImportIdsInUse, Buttons::Ok, Icon::Information);
    // Seated once the class file holds them, so the chart never names a
    // student the class does not have.
    // A chart that cannot be read or written is reported once, not for each student.
    bool seating = true;
    for (int row = firstNew; row < record.RowCount(); ++row) {
        if (seating) seating = window.Chart().SeatNewStudent(record.fileName, record.Row(row));
        window.Names().AddSelectionBox();
    }
    window.Repaint();
    ui.MessageBox("Information", std::to_string(roster.students.size()) + " students were added.", Buttons::Ok,
                  Icon::Information);
}

}  // namespace quorle
