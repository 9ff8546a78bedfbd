#pragma once
// QUORLE.OPT: the display flags a new class starts with, 22 signed 32-bit
// little-endian integers (88 bytes, no header) in the program directory. The
// image equals the display-flags field of the class file header.
#include <span>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/ClassRecord.h"

namespace quorle {

inline constexpr const char* kDisplayOptionsFileName = "QUORLE.OPT";
inline constexpr std::size_t kDisplayOptionsSize = 4 * kDisplayFlagCount;

// The option file's path in a program directory (the current directory when empty).
std::string DisplayOptionsPath(const std::string& programDirectory);

// Reads the 22 flags from the bytes of an option file. A file too short to
// hold them leaves the flags as they were and gives false; bytes after the
// 88th are ignored.
bool ParseDisplayOptions(std::span<const unsigned char> bytes, DisplayFlags& flags);
std::vector<unsigned char> SerializeDisplayOptions(const DisplayFlags& flags);

// The reason given for a settings file (options, grading defaults) too short
// to hold its values.
inline constexpr const char* kSettingsFileTooShort = "Too short to hold its settings";

// The file functions: true on success. On failure the flags (reading) or the
// file (writing) are left exactly as they were, problem (when given) says
// why; the caller shows the message.
bool ReadDisplayOptions(const std::string& path, DisplayFlags& flags, FileProblem* problem = nullptr);
bool WriteDisplayOptions(const std::string& path, const DisplayFlags& flags, FileProblem* problem = nullptr);

// The display defaults of a new class: QUORLE.OPT of the program directory
// into the record's flags. False (flags unchanged) when it cannot be read.
bool LoadDisplayDefaults(const std::string& programDirectory, ClassRecord& record, FileProblem* problem = nullptr);

}  // namespace quorle
