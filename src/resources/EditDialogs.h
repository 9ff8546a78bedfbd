#pragma once
// The dialogs that change grades and students: Grade Type, New/Change Grade
// Title and New/Change Grade Value of the New Grade command (also used by the
// panes), Edit Student and Edit/Delete Grade Title.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kGradeTypeDialogId = 306;
inline constexpr int kGradeValueDialogId = 307;
inline constexpr int kTitleDialogId = 308;
inline constexpr int kEditStudentDialogId = 657;
inline constexpr int kRenameGradeDialogId = 658;
inline constexpr int kFindStudentDialogId = 659;

// Grade Type: radio buttons 101..106 in category order; the Extra ones carry
// no text, the statics 120 and 121 ("%s") beside them name them.
inline constexpr int kIdFirstGradeType = 101;
inline constexpr int kIdExtra1TypeLabel = 120;
inline constexpr int kIdExtra2TypeLabel = 121;

// New/Change Grade Title: prompt 150, edit box 101 of at most 9 characters.
inline constexpr int kIdTitlePrompt = 150;
inline constexpr int kIdTitle = 101;
inline constexpr int kTitleLimit = 9;

// New/Change Grade Value: lines 150 and 151, edit box 101 (points: digits with
// at most two decimals, 5 characters at most), check box 102 "&Omit Grade".
inline constexpr int kIdValueLine1 = 150;
inline constexpr int kIdValueLine2 = 151;
inline constexpr int kIdValue = 101;
inline constexpr int kIdOmit = 102;
inline constexpr int kValueLimit = 5;

// Edit Student.
inline constexpr int kIdStudentList = 103;       // last names of every row
inline constexpr int kIdStudentFirst = 102;      // static: the row's first name
inline constexpr int kIdStudentId = 109;         // static: the row's ID
inline constexpr int kIdStudentItem = 101;       // the row's grade titles
inline constexpr int kIdEditLast = 106;          // 14 characters
inline constexpr int kIdEditFirst = 107;         // 14 characters
inline constexpr int kIdEditId = 110;            // 4 characters
inline constexpr int kIdEditGrade = 105;         // points, 5 characters at most
inline constexpr int kIdEditOmit = 112;
inline constexpr int kIdDeleteStudent = 111;
inline constexpr int kIdEditHelp = 901;
inline constexpr int kNameLimit = 14;
inline constexpr int kIdLimit = 4;

// Edit/Delete Grade Title.
inline constexpr int kIdRenameItem = 101;
inline constexpr int kIdRenameTitle = 105;
inline constexpr int kIdDeleteItem = 111;

platform::DialogResource GradeTypeDialogResource();
platform::DialogResource TitleDialogResource();
platform::DialogResource GradeValueDialogResource();
platform::DialogResource EditStudentDialogResource();
platform::DialogResource RenameGradeDialogResource();

// Find Student: edit box 101 for part of a name (14 characters); "&Find
// Next" (the default button, OK's id) and "Close" (Cancel's id).
inline constexpr int kIdFindText = 101;
platform::DialogResource FindStudentDialogResource();

}  // namespace quorle::resources
