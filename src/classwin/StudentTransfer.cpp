#include "classwin/StudentTransfer.h"

#include "classwin/ClassSaving.h"
#include "classwin/ClassWindow.h"
#include "classwin/UndoFiles.h"
#include "platform/Text1252.h"
#include "record/ClassFile.h"
#include "record/FileNames.h"
#include "record/RosterFile.h"
#include "seating/ClassChart.h"

namespace quorle {

using platform::Buttons;
using platform::Icon;

bool TransferOut(TDecoChild& child, const TStudent& student) {
    platform::Ui& ui = child.GetUi();
    if (child.GetFrame().Children().size() > 1) {
        ui.MessageBox("Information", "You may have only one file open when transferring to another class.",
                      Buttons::Ok, Icon::Information);
        return false;
    }
    const auto destination = ui.OpenFileName(ClassFileDialog("Transfer Destination Class", true));
    // No destination chosen: the student stays where he is.
    if (!destination || destination->empty()) return false;
    const std::string name = student.firstName.Str() + " " + student.lastName.Str();
    // Appending him to this very file and then dropping him here would lose him.
    if (!child.Record().fileName.empty() && SameFile(*destination, child.Record().fileName)) {
        ui.MessageBox("Information", name + " is in this class already. Choose another class to transfer to.",
                      Buttons::Ok, Icon::Information);
        return false;
    }
    if (RefuseIfOpenElsewhere(ui, *destination)) return false;
    // Undo takes the student back out of the destination and its chart.
    std::vector<OtherFileChange> files = FilesBeforeTransfer(*destination);
    FileProblem problem;
    if (!TransferStudent(*destination, student, &problem)) {
        ui.MessageBox("Warning",
                      FileMessage(name + " could not be added to " +
                                      platform::Utf8ToCp1252Lossy(ShownClassName(*destination)) + " and stays in this class.",
                                  problem),
                      Buttons::Ok, Icon::Exclamation);
        return false;
    }
    child.Chart().SeatNewStudent(*destination, student);
    TakeFilesAfter(files);
    child.AddStepFiles(std::move(files));
    return true;
}

}  // namespace quorle
