#pragma once
// The class header at the top of a report's page, and the date it shows.
#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/ReportFont.h"

namespace quorle {

// 3/7/1997: month, day and four-digit year without leading zeros.
std::string FormatDate(const platform::Date& date);

// The class header: course and instructor, period and date. A course line
// wider than the page (pageWidth pixels) puts the instructor on the line under
// it. Returns the y where the report's body starts.
int PrintClassHeader(platform::Canvas& canvas, const ReportUnits& units, std::string_view prefix,
                     const ClassInfo& info, const platform::Date& today, int pageWidth);

}  // namespace quorle
