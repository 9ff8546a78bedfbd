#pragma once
// New Grade: the grade type, its title, then one value for every roster row
// (the points possible first). The title and value dialogs also serve the
// panes' double-click editing, and the value entry the Edit Student dialog.
#include <array>
#include <string>
#include <string_view>

#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

// "test", "quiz", "hw", "lab", or the class's Extra1 or Extra2 name.
std::string CategoryWord(const ClassRecord& record, int category);

// The warning of New Grade for a category weighted 0 under the Weighted method.
std::string NotWeightedMessage(const ClassRecord& record, int category);

// The value entry: an edit box taking points (digits with at most two
// decimals, five characters at most) and its Omit box, both acting on one
// working value. The value follows the box's text only when that text changes:
// a key that changes no text (End, Tab, Shift) leaves it as it is, and a text
// put back as it was shown gives back the value as it was, so OK without a
// change keeps the value to the last bit.
class TEntryEditGrade {
public:
    TEntryEditGrade(int editId, int omitId) : editId_(editId), omitId_(omitId) {}

    int EditId() const { return editId_; }
    int OmitId() const { return omitId_; }

    // Edits this value from now on and shows it: an omitted value as "N/A"
    // with Omit checked and the box disabled, any other as the panes show it,
    // without padding or trailing zeros ("7.5", "0.25", "8").
    void Show(platform::DialogHost& host, float* value);
    // Shows nothing yet: an empty box and Omit unchecked (a new grade).
    void ShowEmpty(platform::DialogHost& host, float* value);
    // Edits nothing: both boxes emptied and disabled (a row without grades).
    void ShowNothing(platform::DialogHost& host);
    // After a key released in the edit box: the value follows its text when
    // the text changed.
    void KeyReleased(platform::DialogHost& host);

private:
    friend class TGradeCheck;
    // The box shows its first text for the value.
    void Shown(platform::DialogHost& host, float* value);
    // The value follows the box's text (always, or only when it changed).
    void Follow(platform::DialogHost& host, bool always);

    int editId_;
    int omitId_;
    float* value_ = nullptr;
    float shownValue_ = 0.0f;
    std::string shownText_;  // the text the box showed for shownValue_
    std::string lastText_;   // the text the value last followed
};

// A grade value as its edit box shows it (see TEntryEditGrade::Show).
std::string GradeBoxText(float value);

// The Omit box of a value entry: checked, the box reads "N/A" and the value is
// the omit marker; unchecked, the box is emptied and the value is 0.
class TGradeCheck {
public:
    explicit TGradeCheck(TEntryEditGrade& entry) : entry_(entry) {}
    void Clicked(platform::DialogHost& host);

private:
    TEntryEditGrade& entry_;
};

// Grade Type: the category choice, one flag per category (1 for the chosen one).
class TGradeTypeDialog : public platform::Dialog {
public:
    TGradeTypeDialog(std::array<int, kCategoryCount>& choice, std::string_view extra1, std::string_view extra2);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    std::array<int, kCategoryCount>& choice_;
    std::string extra1_;
    std::string extra2_;
};

// New/Change Grade Title: "Title of this " + category word + " ?", at most 9 characters.
class TTitleDialog : public platform::Dialog {
public:
    TTitleDialog(std::string& title, std::string_view word);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    std::string& title_;
};

// New/Change Grade Value of one entry: "Grade in " + title + " for:" over the
// student's first and last name. Works on a copy of the value and writes it
// into the entry on OK only. A new grade starts with an empty box.
class TGradeValueDialog : public platform::Dialog {
public:
    TGradeValueDialog(TGrades& entry, std::string_view title, std::string_view first, std::string_view last,
                      bool newGrade);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;
    void KeyUp(platform::DialogHost& host, int id) override;
    void Clicked(platform::DialogHost& host, int id) override;

private:
    TGrades& entry_;
    float working_;
    std::string title_;
    std::string name_;
    bool newGrade_;
    TEntryEditGrade edit_;
    TGradeCheck omit_;
};

// Runs the grade value dialog over one entry of a row (the panes' double-click).
bool EditGradeValue(platform::Ui& ui, const TStudent& row, TGrades& entry);

// The Grade Type dialog of New Grade with its weight check: under the Weighted
// method a category weighted 0 is refused with its warning and the dialog
// comes back with it still chosen. The chosen category, or -1 on Cancel.
int AskGradeType(platform::Ui& ui, const ClassRecord& record);

// New Grade on a class: the dialogs, then the new entry appended to every row
// at once, or to none when a dialog is cancelled. True when the grade was
// added (the caller writes the class and repaints). Writes nothing.
bool NewGrade(platform::Ui& ui, ClassRecord& record);

}  // namespace quorle
