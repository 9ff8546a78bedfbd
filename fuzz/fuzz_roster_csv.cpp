// The roster CSV reader on arbitrary bytes: it takes the whole file or names a
// fault, and every student it takes can be stored in a class file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "record/RosterImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quorle::RosterImport result =
        quorle::ParseRosterCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result.error.empty() == result.students.empty()) __builtin_trap();
    for (const auto& student : result.students) {
        if (student.last.empty() || student.first.empty()) __builtin_trap();
        if (student.last.size() > 14 || student.first.size() > 14) __builtin_trap();
        if (!student.id.empty()) {
            const int id = std::stoi(student.id);
            if (id < 1 || id > 999 || std::to_string(id) != student.id) __builtin_trap();
        }
    }
    return 0;
}
