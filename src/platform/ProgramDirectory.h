#pragma once
#include <string>

namespace quorle::platform {

// Where the settings, option and template files live:
// - the folder named by QUORLE_DIR when it is set;
// - otherwise the folder of the running executable, when it holds the
//   shipped settings and can be written (a build, or a copy kept in one folder);
// - otherwise the teacher's own folder, $XDG_CONFIG_HOME/quorle (by default
//   ~/.config/quorle), which is made on first use and given a copy of every
//   shipped settings and template file it does not hold yet. A teacher's own
//   files there are never replaced.
std::string FindProgramDirectory();

// The folder of the shipped settings, templates and help pages: beside the
// executable, or <prefix>/share/quorle for an installed program.
std::string ShippedDirectory();

// The folder of the running executable ("." when it cannot be told).
std::string ExecutableDirectory();

// The per-user settings folder: $XDG_CONFIG_HOME/quorle, or ~/.config/quorle;
// empty when neither variable names a folder.
std::string UserSettingsDirectory();

}  // namespace quorle::platform
