// Feeds arbitrary bytes to the class file reader. What it accepts must write
// back to a file that reads the same, and every figure of every row, and the
// table quorle show prints, must compute without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>

#include "app/ShowCommand.h"

#include "grading/Compute.h"
#include "record/ClassFile.h"

using namespace quorle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ClassRecord record;
    try {
        record = ParseClassFile(std::span<const unsigned char>(data, size));
    } catch (const ClassFileError&) {
        return 0;
    }
    const std::vector<unsigned char> written = SerializeClassFile(record);
    const ClassRecord again = ParseClassFile(written);  // must not throw
    if (SerializeClassFile(again) != written) std::abort();
    if (again.RowCount() != record.RowCount()) std::abort();

    const TStudent& possible = record.PossibleRow();
    std::size_t length = 0;
    for (int row = 0; row < record.RowCount(); ++row) {
        const TStudent& s = record.Row(row);
        for (int c = 0; c < kCategoryCount; ++c) {
            for (const TGrades& g : s.scores[c]) length += FormatGrade(g.value).size();
            length += FormatScore(CategoryAverage(possible.scores[c], s.scores[c])).size();
            length += FormatScore(CategoryPoints(s.scores[c])).size();
        }
        length += FormatScore(TotalPoints(s)).size();
        length += FormatScore(PossiblePoints(possible, s)).size();
        const float average = OverallAverage(record.grading, possible, s);
        length += FormatScore(average).size();
        const std::string letter = LetterGrade(record.grading, average);
        if (letter.size() != 4) std::abort();
        if (LetterGroupIndex(letter) < 0 || LetterGroupIndex(letter) > 4) std::abort();
    }
    if (length < 6) std::abort();
    FormatScore(ClassAverage(record.grading, record.roster));
    const auto counts = GradeDistribution(record.grading, record.roster);
    int total = 0;
    for (int n : counts) total += n;
    if (total != record.StudentCount()) std::abort();
    const std::vector<int> order = RankOrder(record.grading, record.roster);
    if (static_cast<int>(order.size()) != record.StudentCount()) std::abort();
    std::vector<bool> seen(record.roster.size(), false);
    for (int row : order) {
        if (row < 1 || row >= record.RowCount() || seen[static_cast<std::size_t>(row)]) std::abort();
        seen[static_cast<std::size_t>(row)] = true;
    }
    // The text quorle show prints: one line per row and four more.
    ShowOptions options;
    options.all = true;
    options.rank = true;
    const auto lines = BuildShowTable(record, options);
    if (lines.size() != static_cast<std::size_t>(record.RowCount()) + 3 + (record.StudentCount() > 0 ? 1 : 0)) std::abort();
    std::ostringstream text;
    WriteShowTable(lines, text);
    return 0;
}
