// The chart file reader on arbitrary bytes: it reads a chart whose seat list
// matches its desks or refuses it, never reading past the end; a chart it
// takes writes back its bytes. The arrangement file QUORLE.SEA is read from
// the same bytes. fuzz_chart_picture draws the charts it takes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "seating/SeatingChartFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    (void)quorle::ParseSeatArrangement(bytes);
    const auto chart = quorle::ParseChartFile(bytes);
    if (!chart) return 0;
    if (static_cast<int>(chart->seats.size()) != chart->seatCount) __builtin_trap();
    const auto written = quorle::SerializeChartFile(*chart);
    if (written.size() > size) __builtin_trap();
    const auto again = quorle::ParseChartFile(written);
    if (!again || !(*again == *chart)) __builtin_trap();
    return 0;
}
