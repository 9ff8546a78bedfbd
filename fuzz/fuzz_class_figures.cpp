// Every figure of a class the reader accepts: averages, points, letters, rank,
// the class average and distribution, the table quorle show prints and the
// grades report with every column. Inputs are kept small so each run is quick;
// the reader itself is fuzzed on inputs of any size by fuzz_class_file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>

#include "app/HeadlessUi.h"
#include "app/ShowCommand.h"
#include "grading/Compute.h"
#include "record/ClassFile.h"
#include "reports/GradesPrint.h"
#include "support/CountingDevice.h"

using namespace quorle;

namespace {

constexpr std::size_t kLargestInput = 16 * 1024;

class FuzzUi : public HeadlessUi {
public:
    platform::Answer MessageBox(std::string_view, std::string_view, platform::Buttons, platform::Icon) override {
        return platform::Answer::Yes;
    }
    platform::Date Today() override { return {1997, 3, 7}; }
    std::string ProgramDirectory() override { return "/nonexistent"; }
};

void CheckFigures(const ClassRecord& record) {
    const TStudent& possible = record.PossibleRow();
    for (int row = 0; row < record.RowCount(); ++row) {
        const TStudent& s = record.Row(row);
        std::size_t length = 0;
        for (int c = 0; c < kCategoryCount; ++c) {
            for (const TGrades& g : s.scores[c]) length += FormatGrade(g.value).size();
            length += FormatScore(CategoryAverage(possible.scores[c], s.scores[c])).size();
            length += FormatScore(CategoryPoints(s.scores[c])).size();
        }
        length += FormatScore(TotalPoints(s)).size();
        length += FormatScore(PossiblePoints(possible, s)).size();
        const float average = OverallAverage(record.grading, possible, s);
        length += FormatScore(average).size();
        if (length < 6) std::abort();
        const std::string letter = LetterGrade(record.grading, average);
        if (letter.size() != 4) std::abort();
        if (LetterGroupIndex(letter) < 0 || LetterGroupIndex(letter) > 4) std::abort();
    }
    FormatScore(ClassAverage(record.grading, record.roster));
    int total = 0;
    for (int n : GradeDistribution(record.grading, record.roster)) total += n;
    if (total != record.StudentCount()) std::abort();
    const std::vector<int> order = RankOrder(record.grading, record.roster);
    if (static_cast<int>(order.size()) != record.StudentCount()) std::abort();
    std::vector<bool> seen(record.roster.size(), false);
    for (int row : order) {
        if (row < 1 || row >= record.RowCount() || seen[static_cast<std::size_t>(row)]) std::abort();
        seen[static_cast<std::size_t>(row)] = true;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kLargestInput) return -1;  // not added to the corpus
    ClassRecord record;
    try {
        record = ParseClassFile(std::span<const unsigned char>(data, size));
    } catch (const ClassFileError&) {
        return 0;
    }
    CheckFigures(record);

    // The text quorle show prints: one line per row and the summary lines.
    ShowOptions show;
    show.all = true;
    show.rank = true;
    const auto lines = BuildShowTable(record, show);
    if (lines.size() != static_cast<std::size_t>(record.RowCount()) + 3 + (record.StudentCount() > 0 ? 1 : 0)) std::abort();
    std::ostringstream text;
    WriteShowTable(lines, text);

    // The grades report with every column, in rank order.
    PrintOptions options = DefaultPrintOptions();
    for (int i = 0; i < kPrintOptionCount; ++i) options[static_cast<std::size_t>(i)] = 1;
    options[kPrintCurrentOrder] = 0;
    FuzzUi ui;
    TMyPrinter printer;
    printer.SetDevice(std::make_unique<testing::CountingDevice>());
    TGradesPrint printout("fuzz.gdr", record, printer, ui, options, KeepOptions::DoNotSave);
    printer.RunPrintJob(ui, nullptr, printout, false);
    return 0;
}
