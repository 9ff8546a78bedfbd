// Feeds arbitrary bytes to the class file reader. What it accepts must write
// back to a file that reads the same. Only parsing and writing run here, so
// the target stays fast; fuzz_class_figures computes and prints.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

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
    if (again.RowCount() != record.RowCount()) std::abort();
    if (SerializeClassFile(again) != written) std::abort();
    return 0;
}
