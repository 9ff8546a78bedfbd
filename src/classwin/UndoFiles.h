#pragma once
// The files beside a class that an undo step changed: its seating chart and,
// for a transfer, the class the student went to and that class's chart.
// Undo puts them back as they were before the step, Redo as they were after;
// a file changed since by something else is never overwritten blindly.
#include <optional>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "record/ClassHistory.h"

namespace quorle {

// A file whole; nothing when it is not there or cannot be read.
std::optional<FileBytes> ReadOtherFile(const std::string& path);

// The class file at path and its chart as they are now: the "before" of a
// transfer to it. TakeFilesAfter fills in their "after".
std::vector<OtherFileChange> FilesBeforeTransfer(const std::string& destination);
void TakeFilesAfter(std::vector<OtherFileChange>& files);

// One file to put in place (bytes) or to remove (nothing).
struct FileWrite {
    std::string path;
    std::optional<FileBytes> bytes;
};

// What undoing (undo) or redoing the step does to the files beside the class.
// This class's own chart (ownChart) changed since by something else is left
// as it is. Another class changed since a transfer to it still has the
// student taken back out of it (and out of its chart) when he is there as
// he was transferred; the step then tells of the files as they are. Nothing,
// with the refusal shown, when the step cannot be taken back or made again.
std::optional<std::vector<FileWrite>> PlanStepFiles(platform::Ui& ui, HistoryStep& step, bool undo,
                                                    const std::string& ownChart);
// Writes (atomically) or removes the files; a failure shows "File cannot be
// found!" with the reason and goes on with the others. False when one failed.
bool WriteStepFiles(platform::Ui& ui, const std::vector<FileWrite>& writes);

}  // namespace quorle
