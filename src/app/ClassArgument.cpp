#include "app/ClassArgument.h"

#include <ostream>

#include "record/ClassFile.h"

namespace quorle {

std::optional<ClassRecord> ReadClassArgument(const std::string& path, std::ostream& err, std::string_view prefix) {
    try {
        return ReadClassFile(path);
    } catch (const ClassFileError& error) {
        err << prefix << error.what() << "\n";
        return std::nullopt;
    }
}

}  // namespace quorle
