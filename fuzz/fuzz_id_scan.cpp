// The ID scan on arbitrary bytes: it never reads past the end, and it takes
// IDs from exactly the files the class file reader accepts, the same IDs.
#include <cstddef>
#include <cstdint>
#include <span>

#include "record/ClassFile.h"
#include "record/RosterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    quorle::UsedIds scanned;
    const bool ok = quorle::MarkIdsOfClassFile(bytes, scanned);
    bool parsed = true;
    quorle::UsedIds expected;
    try {
        const quorle::ClassRecord record = quorle::ParseClassFile(bytes);
        for (const auto& row : record.roster) quorle::MarkId(expected, row.id.View());
    } catch (const quorle::ClassFileError&) {
        parsed = false;
    }
    if (ok != parsed) __builtin_trap();
    if (ok && scanned != expected) __builtin_trap();
    if (!ok && scanned.any()) __builtin_trap();
    return 0;
}
