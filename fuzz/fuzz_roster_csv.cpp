// The roster CSV reader on arbitrary bytes: it takes the whole file or names a
// fault, and every student it takes can be stored in a class file: no control
// character in a name, and never more students than a class holds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "record/RosterImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const quorle::RosterImport result = quorle::ParseRosterFor(quorle::NewClassRecord(), text);
    if (result.students.size() > static_cast<std::size_t>(quorle::kMaxStudents)) __builtin_trap();
    if (result.error.empty() == result.students.empty()) __builtin_trap();
    for (const auto& student : result.students) {
        if (student.last.empty() || student.first.empty()) __builtin_trap();
        if (student.last.size() > 14 || student.first.size() > 14) __builtin_trap();
        for (const std::string* name : {&student.last, &student.first})
            for (const char c : *name)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) __builtin_trap();
        if (!student.id.empty()) {
            const int id = std::stoi(student.id);
            if (id < 1 || id > 999 || std::to_string(id) != student.id) __builtin_trap();
        }
    }
    return 0;
}
