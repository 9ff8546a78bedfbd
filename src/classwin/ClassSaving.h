#pragma once
// Saving a class: Save, Save As with its overwrite question, and the "has
// changed" prompt before a class window closes.
#include <functional>
#include <optional>
#include <string>

#include "platform/Ui.h"
#include "record/ClassFile.h"
#include "record/ClassRecord.h"

namespace quorle {

// Class files are found whatever the case of their extension.
inline constexpr const char* kClassFileFilter = "Class Files (*.gdr)|*.gdr;*.GDR|";

// Writes the class under its file name; on failure shows "File cannot be
// found!" captioned "Warning" with the exclamation icon, the reason and the
// file on a second line, and returns false. A class without a file name
// cannot be written (the warning alone).
bool WriteClass(platform::Ui& ui, ClassRecord& record, ModifiedFlag flag);

// The save-file dialog with the overwrite question ("File already exists.
// Overwrite ?"): No asks for another name, Cancel ends. fileFor turns the
// chosen name into the file that would be written (and asked about); nothing
// when no name was chosen.
std::optional<std::string> ChooseFileToWrite(platform::Ui& ui, const platform::FileDialogOptions& options,
                                             const std::function<std::string(const std::string&)>& fileFor);

// Asks for a new file name (asking before an existing file is overwritten)
// and gives the name the class would be written under. Nothing when no name
// was chosen.
std::optional<std::string> SaveAsDialog(platform::Ui& ui);
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
