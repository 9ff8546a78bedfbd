#pragma once
// The dialogs of the blank forms: Number of Grades (grade sheets), Length of
// Attendance and First Day for Attendance (attendance sheets).
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kSheetsDialogId = 330;
inline constexpr int kAttendanceDialogId = 331;
inline constexpr int kDateInfoDialogId = 332;

// Number of Grades and Length of Attendance: one entry of at most 2 characters.
inline constexpr int kIdCountEntry = 101;
inline constexpr int kCountEntryLimit = 2;

// First Day for Attendance: radio buttons 101 Monday .. 105 Friday, 106
// January .. 117 December, the date entry 118 (2 characters).
inline constexpr int kIdMonday = 101;
inline constexpr int kIdFriday = 105;
inline constexpr int kIdJanuary = 106;
inline constexpr int kIdDecember = 117;
inline constexpr int kIdDateEntry = 118;
inline constexpr int kDateEntryLimit = 2;
// The two frames.
inline constexpr int kIdDayFrame = 201;
inline constexpr int kIdMonthFrame = 202;

platform::DialogResource SheetsDialogResource();
platform::DialogResource AttendanceDialogResource();
platform::DialogResource DateInfoDialogResource();

}  // namespace quorle::resources
