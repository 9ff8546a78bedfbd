#include "platform/ProgramDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quorle::platform {

std::string FindProgramDirectory() {
    if (const char* dir = std::getenv("QUORLE_DIR"); dir != nullptr && *dir != '\0') return dir;
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

}  // namespace quorle::platform
