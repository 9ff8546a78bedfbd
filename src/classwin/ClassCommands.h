#pragma once
// The class window's file and command helpers: writing a class with its
// warning, the Save As dialog, the "has changed" prompt, the caption, and the
// dialogs of Class Information, Window Display Options and the Extra names.
#include <functional>
#include <string>
#include <string_view>

#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "record/ClassFile.h"
#include "record/ClassRecord.h"

namespace quorle {

inline constexpr const char* kClassFileFilter = "Class Files (*.gdr)|*.gdr|";
inline constexpr const char* kClassFileExtension = "gdr";

// Writes the class under its file name; on failure shows "File cannot be
// found!" captioned "Warning" with the exclamation icon and returns false. A
// class without a file name cannot be written (same warning).
bool WriteClass(platform::Ui& ui, ClassRecord& record, ModifiedFlag flag);

// Asks for a new file name (asking before an existing file is overwritten) and
// makes it the class's file name. False when no name was chosen.
bool SaveAsDialog(platform::Ui& ui, ClassRecord& record);
// Save As: the dialog, then the write under the chosen name; the chart beside
// that name is deleted once the class is written there. False when cancelled
// or when the write failed (its warning shown).
bool SaveClassAs(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged);

// The "has changed" prompt: whether the class window may close. nameChanged
// is called whenever the class's file name changes on the way (for the caption).
bool ConfirmClose(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged = {});

// Course title + "       Period " + period/time + "  " + file name; "Untitled"
// for a class with none of them, and in place of a missing file name.
std::string ClassCaption(const ClassRecord& record);


// Class Information: course title, instructor, period/time (29, 49, 19 characters).
class TClassInfoDialog : public platform::Dialog {
public:
    explicit TClassInfoDialog(ClassInfo& info);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    ClassInfo& info_;
};

// Window Display Options over a working copy of the 22 flags.
class TOptionsDialog : public platform::Dialog {
public:
    TOptionsDialog(DisplayFlags& flags, std::string_view extra1, std::string_view extra2);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    DisplayFlags& flags_;
    std::string extra1_;
    std::string extra2_;
};

// Change Extra 1 or 2 Name: at most 6 characters each.
class TExtraDialog : public platform::Dialog {
public:
    TExtraDialog(std::string& extra1, std::string& extra2);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    std::string& extra1_;
    std::string& extra2_;
};

// Runs Class Information on the record: true (texts stored, class marked
// changed) on OK. Writes nothing.
bool EditClassInfo(platform::Ui& ui, ClassRecord& record);

}  // namespace quorle
