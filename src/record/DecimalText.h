#pragma once
// Limits, weights and ID numbers are kept as the decimal text the teacher
// typed and read as numbers at each use, the same way in every locale.
#include <string_view>

namespace quorle {

// Reads a limit or weight as the standard text-to-double conversion does:
// leading blanks skipped, the longest decimal prefix taken, 0 without a number.
double TextToDouble(std::string_view text);
// Its leading whole number, as the standard text-to-int conversion does.
int TextToInt(std::string_view text);

}  // namespace quorle
