// The grid file reader on arbitrary bytes: it reads the columns or refuses the
// file, never reading past its end; what it reads is a grid the program could
// have made, and writes back to bytes that read the same.
#include <cstddef>
#include <cstdint>
#include <span>

#include "grids/GridFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto columns = quorle::ParseGridFile(std::span<const unsigned char>(data, size));
    if (!columns) return 0;
    if (4 + columns->size() * quorle::kColumnRecordSize > size) __builtin_trap();
    if (quorle::TotalSpaces(*columns) > quorle::kGridSpaceLimit) __builtin_trap();
    for (const auto& column : *columns)
        if (column.spaces < 0) __builtin_trap();
    const auto bytes = quorle::SerializeGridFile(*columns);
    if (quorle::ParseGridFile(bytes) != columns) __builtin_trap();
    return 0;
}
