#include "grading/DisplayOptions.h"

#include "record/Binary.h"

namespace quorle {

std::string DisplayOptionsPath(const std::string& programDirectory) {
    return ProgramFilePath(programDirectory, kDisplayOptionsFileName);
}

bool ParseDisplayOptions(std::span<const unsigned char> bytes, DisplayFlags& flags) {
    DisplayFlags read{};
    if (ReadInt32s(bytes, read) != read.size()) return false;
    flags = read;
    return true;
}

std::vector<unsigned char> SerializeDisplayOptions(const DisplayFlags& flags) { return Int32sBytes(flags); }

bool ReadDisplayOptions(const std::string& path, DisplayFlags& flags) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return false;
    return ParseDisplayOptions(*bytes, flags);
}

bool WriteDisplayOptions(const std::string& path, const DisplayFlags& flags) {
    const auto bytes = SerializeDisplayOptions(flags);
    return WriteFileAtomically(path, bytes);
}

bool LoadDisplayDefaults(const std::string& programDirectory, ClassRecord& record) {
    return ReadDisplayOptions(DisplayOptionsPath(programDirectory), record.display);
}

}  // namespace quorle
