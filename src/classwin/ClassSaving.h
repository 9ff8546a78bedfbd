#pragma once
// Saving a class: Save, Save As with its overwrite question, and the "has
// changed" prompt before a class window closes.
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "platform/Ui.h"
#include "record/ClassFile.h"
#include "record/ClassLock.h"
#include "record/ClassRecord.h"

namespace quorle {

// Class files are found whatever the case of their extension.
inline constexpr const char* kClassFileFilter = "Class Files (*.gdr)|*.gdr;*.GDR|";

// The file dialog of class files, titled; `existing`: only a class file
// that exists may be chosen (to open or read one).
platform::FileDialogOptions ClassFileDialog(const char* title, bool existing = false);

// What the window of a class adds to every write of it: whether the write
// may go ahead (the file on disk still the one the window read), and what
// became of the file once written.
class ClassFileKeeper {
public:
    enum class Decision {
        Write,           // go on and write
        Refused,         // nothing written; the change stays unsaved
        SavedElsewhere,  // the class was saved under another name instead
    };
    virtual ~ClassFileKeeper() = default;
    // Before the class is written under path (its normalised name).
    virtual Decision BeforeWrite(const std::string& path) = 0;
    // After the class was written under path.
    virtual void Written(const std::string& path) = 0;
};

// The keeper of a class's writes while its window is open; nullptr takes it away.
void SetClassFileKeeper(const ClassRecord& record, ClassFileKeeper* keeper);

// Writes the class under its file name; on failure shows "File cannot be
// found!" captioned "Warning" with the exclamation icon, the reason and the
// file on a second line, and returns false. A class without a file name
// cannot be written (the warning alone). Every change goes to disk through
// here: one that is not written (failed, or refused by the class's keeper)
// leaves the class marked as changed, so that closing it or quitting asks to
// save it.
bool WriteClass(platform::Ui& ui, ClassRecord& record, ModifiedFlag flag);

// What became of a class written together with the files that change with it.
enum class TogetherWrite {
    Written,         // the class and every other file
    SavedElsewhere,  // the class's keeper saved the class alone under another name
    NotWritten,      // nothing at all
};
// Writes the class under its file name together with files that change with
// it (its chart): every one of them, or none. The class's keeper is asked
// first, as WriteClass asks it. Nothing is shown: on NotWritten, problem says
// why (empty when the keeper held the write back or the class has no name),
// and the class's modified flag is as it was; on Written it is cleared.
TogetherWrite WriteClassWith(ClassRecord& record, std::span<const FileToWrite> others, FileProblem& problem);

// The save-file dialog with the overwrite question ("File already exists.
// Overwrite ?"): No asks for another name, Cancel ends. fileFor turns the
// chosen name into the file that would be written (and asked about); nothing
// when no name was chosen.
std::optional<std::string> ChooseFileToWrite(platform::Ui& ui, const platform::FileDialogOptions& options,
                                             const std::function<std::string(const std::string&)>& fileFor);

// Asks for a new file name (asking before an existing file is overwritten,
// refusing a class open in another program) and gives the name the class
// would be written under. Nothing when no name was chosen.
std::optional<std::string> SaveAsDialog(platform::Ui& ui);
// The refusal of a class that another program holds: "biology.gdr is open in
// another Quorle program (process 4242 on lab-pc)." and what to do.
std::string OpenElsewhereMessage(const std::string& path, const LockHolder& holder);
// Whether the class at path may not be written because another program holds
// it or its lock cannot be had; says so (captioned "Information") so that the
// caller writes nothing there.
bool RefuseIfOpenElsewhere(platform::Ui& ui, const std::string& path);
// Why the class at path may not be written with this lock: another program
// holds it, or the lock is refused ("biology.gdr cannot be locked against
// other programs, so it is not written." and the lock's problem).
std::string LockRefusalMessage(const std::string& path, const ClassLock& lock);
// Save As: the dialog, then the write under the chosen name. Once the class is
// written there, unless that file is the class's own, its seating chart is
// copied beside the new name (the old file keeps its chart), or, for a class
// without one, a chart left beside that name is deleted. False when cancelled
// or when the write failed (its warning shown, the class keeping the name it
// had).
bool SaveClassAs(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged);

// The "has changed" prompt: whether the class window may close. nameChanged
// is called whenever the class's file name changes on the way (for the caption).
bool ConfirmClose(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged = {});

}  // namespace quorle
