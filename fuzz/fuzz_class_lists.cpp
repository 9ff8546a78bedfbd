// The class lists and blank forms of any class the reader accepts: the random
// list, names and IDs, grade sheets and attendance sheets, with the counts and
// the first day the dialogs would take drawn from the input's first bytes.
// Every student appears once in each random block and once on the names list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/HeadlessUi.h"
#include "record/ClassFile.h"
#include "reports/ClassListsPrint.h"
#include "reports/SheetsPrint.h"
#include "support/CountingDevice.h"

using namespace quorle;

namespace {

constexpr std::size_t kLargestInput = 16 * 1024;
constexpr std::size_t kChoiceBytes = 4;

class FuzzUi : public HeadlessUi {
public:
    std::int64_t Now() override { return 857700000; }
};

testing::DrawCounts Print(TPrintout& printout) {
    FuzzUi ui;
    testing::DrawCounts counts;
    TMyPrinter printer;
    printer.SetDevice(std::make_unique<testing::CountingDevice>(&counts));
    if (!printer.RunPrintJob(ui, nullptr, printout, false)) std::abort();
    return counts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kChoiceBytes || size > kLargestInput) return -1;
    ClassRecord record;
    try {
        record = ParseClassFile(std::span<const unsigned char>(data + kChoiceBytes, size - kChoiceBytes));
    } catch (const ClassFileError&) {
        return 0;
    }
    const int students = record.StudentCount();

    // The names list: a title and three heads per page, three texts per student.
    TNameAndIDPrint names(record);
    const testing::DrawCounts listed = Print(names);
    // 45 on the first page, 46 on each later one.
    const int namePages = 1 + students / 46;
    if (listed.pages != namePages || listed.texts != 4 * listed.pages + 3 * students) std::abort();

    // The random list: one page, a title and whole blocks of two names each.
    FuzzUi ui;
    TRandomPrint random(record, ui);
    const testing::DrawCounts drawn = Print(random);
    if (drawn.pages != 1 || (students > 0 && (drawn.texts - 1) % (2 * students) != 0)) std::abort();

    const int grades = 1 + data[0] % kMaxSheetGrades;
    TSheetsPrint sheets(record, grades);
    const testing::DrawCounts boxed = Print(sheets);
    if (boxed.lines != 4LL * (grades + 1) * students) std::abort();

    // Any first day, as the dialog would pass it or not: the walk ends.
    const int days = 1 + data[1] % kMaxAttendanceDays;
    TFirstDay first;
    first.weekday = data[2] % 5;
    first.date = TDates{1 + data[3] % 12, 1 + data[3] / 12 % 31};
    first.leapYear = (data[2] & 0x80) != 0;
    int asked = 0;
    auto starts = WeekStarts(first.date, first.weekday, days, first.leapYear, [&asked](const TDates&) {
        return ++asked % 3 != 0;  // every third week a holiday
    });
    TAttendancePrint attendance(record, days, first, std::move(starts));
    const testing::DrawCounts marked = Print(attendance);
    if (marked.lines != 4LL * days * students) std::abort();
    return 0;
}
