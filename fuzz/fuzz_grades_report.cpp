// QUORLE.POP as any bytes: the options it gives must lay out and print a
// grades report without fault, whatever the ints hold. The class is small and
// built once, so each run is one short report.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "app/HeadlessUi.h"
#include "record/ClassRecord.h"
#include "reports/GradesPrint.h"
#include "support/CountingDevice.h"

namespace {

using namespace quorle;

class FuzzUi : public HeadlessUi {
public:
    explicit FuzzUi(bool yes) : yes_(yes) {}
    platform::Answer MessageBox(std::string_view, std::string_view, platform::Buttons, platform::Icon) override {
        return yes_ ? platform::Answer::Yes : platform::Answer::No;
    }
    platform::Date Today() override { return {1997, 3, 7}; }
    std::string ProgramDirectory() override { return "/nonexistent"; }

private:
    bool yes_;
};

const ClassRecord& SmallClass() {
    static const ClassRecord record = [] {
        ClassRecord r = NewClassRecord();
        r.grading.pointsFlag = 1;
        for (int i = 0; i < 12; ++i) AddStudent(r, "Last", "First", "1");
        for (int k = 0; k < kCategoryCount; ++k)
            for (int g = 0; g < 2; ++g)
                for (std::size_t row = 0; row < r.roster.size(); ++row)
                    r.roster[row].scores[k].push_back(TGrades{row == 0 ? 10.0f : static_cast<float>(row % 11), FixedText<10>("G")});
        return r;
    }();
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrintOptions options = DefaultPrintOptions();
    ParsePrintOptions(std::span<const unsigned char>(data, size), options);
    FuzzUi ui(size > 100 && (data[100] & 1) != 0);
    TMyPrinter printer;
    printer.SetDevice(std::make_unique<testing::CountingDevice>());
    TGradesPrint printout("fuzz.gdr", SmallClass(), printer, ui, options, KeepOptions::DoNotSave);
    printer.RunPrintJob(ui, nullptr, printout, false);
    return 0;
}
