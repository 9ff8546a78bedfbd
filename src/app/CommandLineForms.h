#pragma once
// quorle print random|names|sheets|attendance: the class lists and blank forms
// on the command line, with the answers their dialogs would ask for given as
// options (--grades, --days, --start).
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/Printout.h"

namespace quorle {

struct FormChoices {
    std::optional<int> grades;  // --grades: boxes per student on grade sheets
    std::optional<int> days;    // --days: school days on attendance sheets
    std::optional<platform::Date> start;  // --start: the first school day
};

// random, names, sheets or attendance.
bool IsFormReport(std::string_view report);
// --grades, --days or --start.
bool IsFormOption(std::string_view option);

// Takes the value of one of the options; an error text when it is no number
// or no date.
std::string TakeFormOption(std::string_view option, const std::string& value, FormChoices& choices);
// An error text when an option belongs to another report or a needed one is missing.
std::string CheckFormChoices(std::string_view report, const FormChoices& choices);

// The printout of a list or form. What a dialog would refuse comes back as
// its message in `refusal` (and no printout): a count out of range, a date
// its month does not have, a first day on a weekend. A question is answered
// as the help says: February 29 from the year of --start, every week
// following the one before it. Without --start the sheets start today, or on
// the Monday after a weekend.
std::unique_ptr<TPrintout> MakeFormPrintout(std::string_view report, const FormChoices& choices,
                                            const ClassRecord& record, platform::Ui& ui, std::string& refusal);

}  // namespace quorle
