#include "grading/DisplayOptions.h"

#include "record/Binary.h"

namespace quorle {

std::string DisplayOptionsPath(const std::string& programDirectory) {
    return ProgramFilePath(programDirectory, kDisplayOptionsFileName);
}

bool ParseDisplayOptions(std::span<const unsigned char> bytes, DisplayFlags& flags) {
    ByteReader reader(bytes);
    DisplayFlags read{};
    for (auto& flag : read)
        if (!reader.ReadInt32(flag)) return false;
    flags = read;
    return true;
}

std::vector<unsigned char> SerializeDisplayOptions(const DisplayFlags& flags) {
    ByteWriter writer;
    writer.Reserve(kDisplayOptionsSize);
    for (auto flag : flags) writer.WriteInt32(flag);
    return std::move(writer.Bytes());
}

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
