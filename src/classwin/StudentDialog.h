#pragma once
// The student information dialog ("Enter/Edit Student Information"): last
// name, first name and ID of one student. Add Students shows it for each new
// student; the names pane shows it to change one. It checks the entries when
// OK is pressed and stays open, with the entries as typed, until they pass.
#include <string>

#include "platform/Dialog.h"
#include "platform/Ui.h"

namespace quorle {

inline constexpr const char* kFirstNameMissing = "You must put something in for a first name!!";
inline constexpr const char* kLastNameMissing = "You must put something in for a last name!!";
inline constexpr const char* kIdTooHigh = "The highest value an ID number can have is 999!";
inline constexpr const char* kIdTooLong = "An ID number can have at most 4 characters!";

// The texts of the dialog, Windows-1252 bytes.
struct StudentEntry {
    std::string last;
    std::string first;
    std::string id;
};

// The first fault of an entry, in the order the teacher is told of them:
// empty (or blank) first name, empty (or blank) last name, ID of 1000 or
// more, ID longer than its field, a character a class file cannot store in a
// name or the ID. Empty when the entry passes. Any ID number is accepted,
// even one another student has.
std::string StudentEntryProblem(const StudentEntry& entry);

class TStudentDialog : public platform::Dialog {
public:
    // entry fills the boxes and receives the texts once they pass.
    TStudentDialog(platform::Ui& ui, StudentEntry& entry);
    void SetupWindow(platform::DialogHost& host) override;
    // Shows the first problem captioned "Warning" and keeps the dialog open,
    // with the box at fault to type in.
    bool CanClose(platform::DialogHost& host) override;

private:
    platform::Ui& ui_;
    StudentEntry& entry_;
};

// Runs the dialog on entry: true, with entry holding the accepted texts, on
// OK; false (entry unchanged) on Cancel.
bool RunStudentDialog(platform::Ui& ui, StudentEntry& entry);

}  // namespace quorle
