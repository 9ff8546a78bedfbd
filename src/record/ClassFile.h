#pragma once
// The class file: a flat little-endian image of the class record.
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/ClassRecord.h"

namespace quorle {

inline constexpr const char* kMagic = "Quorle95";
// The extension of class files, without its dot.
inline constexpr const char* kClassFileExtension = "gdr";
inline constexpr const char* kFileNotFound = "File cannot be found!";
inline constexpr const char* kIncorrectFormat = "Incorrect file format";
inline constexpr std::size_t kHeaderSize = 371;  // up to and including the row count
// A row with six empty lists: three text fields and six counts.
inline constexpr std::size_t kMinRowSize = 15 + 15 + 5 + 6 * 4;
inline constexpr std::size_t kEntrySize = 14;  // title and value

// Raised by the reader; carries the message shown to the teacher and, for a
// file, a second line naming it and why it could not be read ("Permission
// denied: /home/ann/biology.gdr"). what() is both lines (UTF-8).
class ClassFileError : public std::runtime_error {
public:
    explicit ClassFileError(const std::string& message, const std::string& detail = {});
    const std::string& Message() const { return message_; }
    const std::string& Detail() const { return detail_; }
    // Both lines as a message box shows them (Windows-1252).
    std::string BoxText() const;

private:
    std::string message_;
    std::string detail_;
};

// Reads a class file into a record; the record's file name becomes the path.
// Throws ClassFileError with "File cannot be found!" (the reason below it) or
// "Incorrect file format" (the file below it). Stale temporary files of cut
// short writes in the file's folder are removed on the way.
ClassRecord ReadClassFile(const std::string& path);

// Whether a 15-byte magic field holds "Quorle95" (anywhere before its first zero).
bool HasClassFileMagic(const unsigned char* field);

// Parses the bytes of a class file (the reader without the file).
ClassRecord ParseClassFile(std::span<const unsigned char> bytes);

// The bytes the writer puts on disk for a record.
std::vector<unsigned char> SerializeClassFile(const ClassRecord& record);
// How many bytes that is.
std::size_t ClassFileSize(const ClassRecord& record);

// Why the reader would refuse the record's file, as the problem of writing it
// to path: no Possible Points row, a row whose grade items differ from it, or
// more than the reader's limit of 64 MiB. Empty when it can be written.
FileProblem ClassFileRefusal(const ClassRecord& record, const std::string& path);

// Writes the record atomically to path as it stands; a record the reader
// would refuse is not written. False on failure, problem saying why.
bool WriteClassRecord(const std::string& path, const ClassRecord& record, FileProblem* problem = nullptr);

// The name a class is written under: a name whose extension is "gdr" in any
// case keeps it ("BIOLOGY.GDR" stays); any other extension, or none, becomes
// ".gdr".
std::string NormalizeClassFileName(const std::string& name);

// The written name without its folder: the name the "has changed" prompt shows.
std::string ShownClassName(const std::string& name);

enum class ModifiedFlag { Clear, Keep };

// Writes the bytes of a class file atomically to path, keeping the bytes it
// replaces as an earlier version (VersionStore); a write that fails keeps
// none. Every class file the program writes goes through here or through
// WriteClassTogether.
bool WriteClassBytes(const std::string& path, std::span<const unsigned char> bytes, FileProblem* problem = nullptr);

// Writes a class file together with the files that belong to it (its chart)
// as WriteFilesTogether does, keeping the class's earlier version as
// WriteClassBytes does.
bool WriteClassTogether(const std::string& classPath, std::span<const unsigned char> classBytes,
                        std::span<const FileToWrite> others, FileProblem* problem = nullptr);

// Removes a class file, keeping its bytes as an earlier version first. False,
// problem saying why, when it could not be removed (nothing is kept then).
bool RemoveClassFile(const std::string& path, FileProblem* problem = nullptr);

// Normalises the record's file name, then writes the class atomically under it.
// On success the modified flag is cleared (Clear) or left as it is (Keep); on
// failure nothing but the name changes and false is returned, problem (when
// given) saying why.
bool WriteClassFile(ClassRecord& record, ModifiedFlag flag = ModifiedFlag::Clear, FileProblem* problem = nullptr);

}  // namespace quorle
