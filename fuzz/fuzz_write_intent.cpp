// The reader of the note a write of files together leaves beside them, on
// arbitrary bytes: it reads a note or refuses the bytes, never reading past
// their end; what it reads names only the program's own files beside each
// target and writes back to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <filesystem>
#include <span>

#include "record/FilesTogether.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    const auto note = quorle::ParseWriteIntent(bytes);
    if (!note) return 0;
    if (note->pid <= 0 || note->entries.empty() || note->entries.size() > quorle::kMaxIntentEntries) __builtin_trap();
    for (const auto& entry : note->entries) {
        const std::filesystem::path target(entry.target);
        if (!target.is_absolute() || std::filesystem::path(entry.temporary).parent_path() != target.parent_path())
            __builtin_trap();
        const auto own = quorle::ParseOwnFileName(std::filesystem::path(entry.temporary).filename().string());
        if (!own || own->kind != "tmp" || own->pid != note->pid) __builtin_trap();
    }
    const auto again = quorle::SerializeWriteIntent(*note);
    if (again.size() != size || !std::equal(again.begin(), again.end(), bytes.begin())) __builtin_trap();
    return 0;
}
