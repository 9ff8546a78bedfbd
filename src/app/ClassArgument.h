#pragma once
// The class file a subcommand was given, read once for all of them.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "record/ClassRecord.h"

namespace quorle {

// The class at path; nothing when it cannot be read, after writing prefix and
// the reason ("Incorrect file format", say) as one line to err.
std::optional<ClassRecord> ReadClassArgument(const std::string& path, std::ostream& err, std::string_view prefix = {});

}  // namespace quorle
