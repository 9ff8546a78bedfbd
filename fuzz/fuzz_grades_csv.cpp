// The scores CSV reader on arbitrary bytes, for a class of a few students: it
// takes the whole file or names a fault, and what it takes is one value per
// row, each a score of at least 0 or the omit marker, counted right, from a
// column among the headings a window offers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "record/GradesImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    quorle::ClassRecord record = quorle::NewClassRecord();
    quorle::AddStudent(record, "Dubois", "Ren\xE9" "e", "108");
    quorle::AddStudent(record, "Lee", "Ann", "7");
    quorle::AddStudent(record, "Lee Ann", "Jo", "8");
    // The first byte, when there is one, may name the column by its first letter.
    const std::string_view column = size > 0 && data[0] < 3 ? text.substr(1, 1) : std::string_view{};
    const quorle::GradesImport result = quorle::ParseGradesCsv(record, text, column);
    // The headings a window offers are the header the reader took the scores' column from.
    const auto headings = quorle::GradesCsvHeadings(text);
    if (!result.error.empty()) return 0;
    if (std::find(headings.begin(), headings.end(), result.column) == headings.end()) __builtin_trap();
    if (result.values.size() != record.roster.size()) __builtin_trap();
    int added = 0;
    for (std::size_t j = 1; j < result.values.size(); ++j) {
        const float value = result.values[j];
        if (value == quorle::kOmitMarker) continue;
        if (!(value >= 0.0f && value <= 99999.0f)) __builtin_trap();
        ++added;
    }
    if (added != result.added || result.added + result.omitted != record.StudentCount()) __builtin_trap();
    return 0;
}
