#pragma once
#include <string>

namespace quorle::platform {

// Where the settings, option and template files live: the folder named by
// QUORLE_DIR when it is set, otherwise the folder of the running executable.
std::string FindProgramDirectory();

}  // namespace quorle::platform
