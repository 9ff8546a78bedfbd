#pragma once
// The class window (TDecoChild): one per open class. It owns the class record
// and its two panes, the names pane on the left and the grades pane on the
// right, and handles the commands that work on its class.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Frame.h"
#include "platform/Ui.h"
#include "record/ClassHistory.h"
#include "record/ClassLock.h"
#include "record/ClassRecord.h"
#include "record/FileStamp.h"

namespace quorle {

class TNameWindow;
class TGradeWindow;
class TClassChart;
class TClassGrid;

// The class window's caption: course title + "       Period " + period/time +
// "  " + file name; "Untitled" for a class with none of them, and in place of
// a missing file name.
std::string ClassCaption(const ClassRecord& record);
// The caption as the window and the Window menu show it: "*" before it while
// the class has changes not written (its modified flag).
std::string WindowCaption(const ClassRecord& record);

class TDecoChild : public platform::ChildWindow {
public:
    TDecoChild(platform::Frame& frame, platform::Ui& ui, ClassRecord record);
    ~TDecoChild() override;

    // Class window set-up: makes the platform child window at the placement,
    // gives both panes the file name, makes the selection boxes, lays the panes
    // out, sets the caption, shows it and gives the names pane the focus.
    void Create(const platform::Rect& placement);

    // The class's file as it was opened: the lock that keeps other programs
    // from writing it (kept under every name the class is saved as) and the
    // file's stamp before it was read. Before every write the file on disk is
    // checked against the stamp of the last read or write; a file changed by
    // someone else is never overwritten without asking.
    void KeepFile(ClassLock lock, std::optional<FileStamp> stamp);

    ClassRecord& Record();
    const ClassRecord& Record() const;
    platform::ChildHost* Host() const;
    TNameWindow& Names();
    TGradeWindow& Grades();
    // The class's seating chart: its hooks and its chart window.
    TClassChart& Chart();
    // The class's assignment grid window (Assignment Grid > New, Open, Delete).
    TClassGrid& Grid();

    // The value being typed in a grade cell is stored before anything else
    // happens to the window (a command, closing, another window): true when
    // there was none or it was stored; false, after saying why, when it
    // could not be and what was asked must not go on.
    bool FinishTyping();

    // The "has changed" prompt: whether the window may close.
    bool CanClose() override;
    // Lays the panes out again for the new size.
    void Resized(platform::Size size) override;
    void Activated() override;

    // Save: writes the class under its name, or runs Save As when it has none.
    bool Save();
    // Save As: asks for a name, then writes the class.
    bool SaveAs();

    // Course title + "       Period " + period/time + "  " + file name, marked
    // while the class has changes not written (set only when it differs).
    void UpdateCaption();
    // After the roster, grades, grading system or display flags changed.
    void Repaint();
    // Shows the window and gives its table the keyboard (a window of its own
    // that closed hands it back).
    void TakeKeyboard();
    // Told after the class changed (a command, a grade typed, Undo): what
    // shows figures of it elsewhere (the term grades) follows.
    std::function<void()> classChanged;

    // ---- a window showing an earlier version of a class, opened to be read
    // The window shows caption, marked "(read-only)", and refuses every change
    // of the class, naming the class file shownName, until Save As gives it a
    // name of its own.
    void OpenToRead(std::string caption, std::string shownName);
    bool IsReadOnly() const;
    // In a read-only window: the message that the class cannot change, and
    // true (what was asked must not begin). False in any other window.
    bool RefuseIfReadOnly();
    // The caption as the window and the Window menu show it.
    std::string Caption() const;

    // The commands of the class window (Class Information 107, Display
    // Options 301, Change Extra1 or 2 Name 302, ...). False when the id is not
    // one of them.
    bool Command(int id);

    // Lays the panes out again from the class's display flags (after they
    // changed) and repaints them.
    void Relayout();
    platform::Frame& GetFrame() const;
    platform::Ui& GetUi() const;
    // Writes the class when it has a file name (the warning on failure);
    // false when it has none or the write failed.
    bool WriteNamedClass();
    // After a change made through the panes or an editing dialog: writes the
    // class leaving its modified flag as it is (a failure warns); a class
    // never named is marked changed instead.
    bool WritePaneChange();

    // ---- the history of the class's changes (Edit > Undo and Redo)
    // A change of the class begins: the class and its chart as they stand are
    // what the step takes back. Steps nest; the outermost one records.
    void BeginStep();
    // The change is over: when the class or a file beside it changed, it is
    // one step, named by NameStep or else by name.
    void EndStep(const std::string& name);
    // The name of the step under way ("Delete HW 2"); the first one given wins.
    void NameStep(std::string name);
    // What changed so far is a step of its own (each student of Add Students).
    void StepDone(const std::string& name);
    // Files beside the class that the step under way changed (the class a
    // student was transferred to and its chart), before and after.
    void AddStepFiles(std::vector<OtherFileChange> files);
    // Takes the last step back / makes the last undone step again; false when
    // there was none or it was refused (its message shown).
    bool Undo();
    bool Redo();
    // Replaces the class by the class in the bytes of a class file as one
    // step named stepName, writes it and redraws the window. False (nothing
    // changed) when the bytes are not a class file.
    bool ReplaceClassContent(const std::vector<unsigned char>& bytes, const std::string& stepName);
    const ClassHistory& History() const;
    // The Undo and Redo menu items: their labels naming the steps, greyed
    // when there is nothing to undo or redo; in a read-only window every
    // command that would change the class is greyed too.
    void ShowUndoState();

private:
    bool TakeStep(bool back);
    bool RunCommand(int id);
    bool RunStepCommand(int id);
    // The class becomes the class in bytes: window, selection ticks and
    // scroll position follow; the file is written.
    void TakeClassBytes(const FileBytes& bytes);
    // Reads the class from disk again when the teacher chose so instead of
    // overwriting a file changed there.
    void ReloadIfAsked();

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quorle
