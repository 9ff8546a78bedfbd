#pragma once
// The history of one class while its window is open: every change is a step
// that can be taken back (Undo) and made again (Redo). The class's file bytes
// are kept once, as they stand now; each step keeps only the recipes that turn
// them into the bytes before the step and back again, built row by row so
// that a step touching a few values of a big class costs a few bytes. Files
// beside the class that a step changed (its seating chart, the class a student
// went to) are kept whole, before and after.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorle {

using FileBytes = std::vector<unsigned char>;

// A recipe that makes one byte string from another: runs copied from the
// other and runs of new bytes.
struct ByteDelta {
    struct Run {
        std::uint32_t offset = 0;  // into the source, or into literals
        std::uint32_t length = 0;
        bool literal = false;
    };
    std::vector<Run> runs;
    FileBytes literals;
    std::size_t resultSize = 0;

    std::size_t StoredBytes() const { return runs.capacity() * sizeof(Run) + literals.capacity(); }
};

// The recipe that makes `to` from `from`. Both are read as class files when
// they are: a row found unchanged anywhere in `from` is copied, any other row
// is told apart from the row at its place by the bytes between their common
// start and end.
ByteDelta MakeDelta(std::span<const unsigned char> from, std::span<const unsigned char> to);
// Follows the recipe on `from`; nothing when the recipe does not fit it.
std::optional<FileBytes> ApplyDelta(std::span<const unsigned char> from, const ByteDelta& delta);

// A file beside the class that a step changed, whole before and after;
// nothing where the file did not exist.
struct OtherFileChange {
    std::string path;
    std::optional<FileBytes> before;
    std::optional<FileBytes> after;
};

struct HistoryStep {
    std::string name;  // "Delete HW 2", "Drop Brooks Marcus"
    ByteDelta back;     // the class's bytes after the step -> before it
    ByteDelta forward;  // before -> after
    std::vector<OtherFileChange> files;
};

class ClassHistory {
public:
    // The class as it stands now; every step is forgotten.
    void Reset(FileBytes current);
    const FileBytes& Current() const { return current_; }

    // A step from the current bytes to `after`, named; the steps that were
    // undone are forgotten. Nothing is recorded (false) when neither the
    // class nor any other file changed.
    bool Record(std::string name, FileBytes after, std::vector<OtherFileChange> files = {});

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The step Undo would take back and Redo would make again; nullptr when none.
    HistoryStep* UndoStep() { return CanUndo() ? &steps_[done_ - 1] : nullptr; }
    HistoryStep* RedoStep() { return CanRedo() ? &steps_[done_] : nullptr; }
    std::string UndoName() const { return CanUndo() ? steps_[done_ - 1].name : std::string(); }
    std::string RedoName() const { return CanRedo() ? steps_[done_].name : std::string(); }

    // The class's bytes before the step Undo would take back (after the step
    // Redo would make); nothing when there is none.
    std::optional<FileBytes> BytesAfterUndo() const;
    std::optional<FileBytes> BytesAfterRedo() const;
    // The step was taken back (made again): its bytes are now the current ones.
    void Undone(FileBytes bytes);
    void Redone(FileBytes bytes);

    std::size_t StepCount() const { return steps_.size(); }
    // What the history holds in memory, the current bytes with it.
    std::size_t StoredBytes() const;

private:
    FileBytes current_;
    std::vector<HistoryStep> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) are made; the rest were undone
};

}  // namespace quorle
