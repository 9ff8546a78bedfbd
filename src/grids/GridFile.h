#pragma once
// An assignment grid's columns and the grid file (.col) that stores them: the
// column count, then one 84-byte record per column (an 80-byte heading and the
// column's width in character cells).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/FixedText.h"

namespace quorle {

// The most character cells all columns of a grid may take together.
inline constexpr int kGridSpaceLimit = 50;
inline constexpr std::size_t kColumnRecordSize = 84;

// Grid files are listed whatever the case of their extension (old ones are
// often upper case); the dialog shows the documented "*.col".
inline constexpr const char* kGridFileFilter = "Grid Files (*.col)|*.col;*.COL|";
inline constexpr const char* kGridFileExtension = "col";
inline constexpr const char* kGridCannotOpen = "File cannot be opened!";

struct TColumn {
    FixedText<80> heading;
    std::int32_t spaces = 0;  // width in character cells

    friend bool operator==(const TColumn& a, const TColumn& b) {
        return a.heading == b.heading && a.spaces == b.spaces;
    }
};

using TColumnList = std::vector<TColumn>;

// The cells all columns take together (wide enough not to overflow).
long long TotalSpaces(const TColumnList& columns);

// The columns of a grid file, or nothing when the bytes could not have been
// written by the program: a negative count, a count the bytes cannot hold, a
// negative width, or widths together above the limit.
std::optional<TColumnList> ParseGridFile(std::span<const unsigned char> bytes);

// The bytes of the grid file: 4 + 84 x C, headings zero-filled after their text.
std::vector<unsigned char> SerializeGridFile(const TColumnList& columns);

// Reads a grid file; nothing when it cannot be read or is not a grid file
// (problem, when given, says why).
std::optional<TColumnList> ReadGridFile(const std::string& path, FileProblem* problem = nullptr);

// Why the reader would refuse the columns' file: a negative width, or widths
// together above the limit. Empty when it can be written.
FileProblem GridFileRefusal(const TColumnList& columns, const std::string& path);

// Writes a grid file atomically; false (the old file untouched) on failure or
// when its reader would refuse it (problem, when given, says why).
bool WriteGridFile(const std::string& path, const TColumnList& columns, FileProblem* problem = nullptr);

}  // namespace quorle
