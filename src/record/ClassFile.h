#pragma once
// The class file: a flat little-endian image of the class record.
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

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

// Raised by the reader; carries the message shown to the teacher.
class ClassFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a class file into a record; the record's file name becomes the path.
// Throws ClassFileError with "File cannot be found!" or "Incorrect file format".
ClassRecord ReadClassFile(const std::string& path);

// Whether a 15-byte magic field holds "Quorle95" (anywhere before its first zero).
bool HasClassFileMagic(const unsigned char* field);

// Parses the bytes of a class file (the reader without the file).
ClassRecord ParseClassFile(std::span<const unsigned char> bytes);

// The bytes the writer puts on disk for a record.
std::vector<unsigned char> SerializeClassFile(const ClassRecord& record);

// The name a class is written under: a name whose extension is "gdr" in any
// case keeps it ("BIOLOGY.GDR" stays); any other extension, or none, becomes
// ".gdr".
std::string NormalizeClassFileName(const std::string& name);

// The written name without its folder: the name the "has changed" prompt shows.
std::string ShownClassName(const std::string& name);

enum class ModifiedFlag { Clear, Keep };

// Normalises the record's file name, then writes the class atomically under it.
// On success the modified flag is cleared (Clear) or left as it is (Keep); on
// failure nothing but the name changes and false is returned.
bool WriteClassFile(ClassRecord& record, ModifiedFlag flag = ModifiedFlag::Clear);

}  // namespace quorle
