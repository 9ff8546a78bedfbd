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

bool ReadDisplayOptions(const std::string& path, DisplayFlags& flags, FileProblem* problem) {
    const auto bytes = ReadWholeFile(path, kMaxFileBytes, problem);
    if (!bytes) return false;
    if (ParseDisplayOptions(*bytes, flags)) return true;
    if (problem) *problem = FileProblem{kSettingsFileTooShort, path};
    return false;
}

bool WriteDisplayOptions(const std::string& path, const DisplayFlags& flags, FileProblem* problem) {
    const auto bytes = SerializeDisplayOptions(flags);
    return WriteFileAtomically(path, bytes, problem);
}

bool LoadDisplayDefaults(const std::string& programDirectory, ClassRecord& record, FileProblem* problem) {
    return ReadDisplayOptions(DisplayOptionsPath(programDirectory), record.display, problem);
}

}  // namespace quorle
