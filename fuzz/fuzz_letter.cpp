// A letter file as any bytes, as the editor shows it and writes it back (within
// its 1199 characters, reading again as the same text), and walked for one
// student with its placeholders filled: no placeholder reads past its line,
// and each "{" warns at most twice.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "reports/ProgressPrint.h"
#include "reports/ProgressTemplate.h"
#include "support/CountingDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorle;
    const std::span<const unsigned char> bytes(data, size);
    // The editor's round trip: within the box's limit, and written back as
    // lines that read again as the same text.
    constexpr std::size_t kLimit = 1199;
    const std::string shown = TemplateEditorText(bytes, kLimit);
    std::size_t counted = 0;
    for (const char c : shown) counted += c != '\r';
    if (counted > kLimit) __builtin_trap();
    const auto written = TemplateFileBytes(shown, kLimit);
    if (TemplateEditorText(written, kLimit) != shown) __builtin_trap();

    const TTemplate lines = ParseTemplate(bytes);
    testing::CountingDevice device;
    device.SelectFont(ReportFont(3200, 72));
    const ReportUnits units = MeasureUnits(device);
    LetterFields fields;
    fields.lastName = "Adams";
    fields.firstName = "Ann";
    fields.course = "Biology";
    fields.instructor = "Ms. Gray";
    fields.period = "3";
    fields.date = "3/7/1997";
    fields.grades = [&](int& x, int& y) {
        device.TextOut(x, y, "Average");
        x += units.ten;
        y += 3 * units.line;
    };
    int warnings = 0;
    fields.warn = [&](PlaceholderWarning) { ++warnings; };
    const int end = PrintLetter(device, units, lines, 5 * units.line, fields);
    if (end < 5 * units.line) __builtin_trap();
    std::size_t braces = 0;
    for (const TSentence& line : lines)
        for (const char c : line.text.View()) braces += c == '{';
    if (static_cast<std::size_t>(warnings) > 2 * braces) __builtin_trap();
    return 0;
}
