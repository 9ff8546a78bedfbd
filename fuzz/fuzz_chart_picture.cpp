// The picture of every chart the chart file reader takes: drawn from its own
// seat list, always the picture's full number of lines.
#include <cstddef>
#include <cstdint>
#include <span>

#include "seating/ChartPicture.h"
#include "seating/SeatingChartFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto chart = quorle::ParseChartFile(std::span<const unsigned char>(data, size));
    if (!chart) return 0;
    const auto lines = quorle::BuildChartPicture(*chart);
    if (lines.size() != static_cast<std::size_t>(quorle::kPictureLines)) __builtin_trap();
    return 0;
}
