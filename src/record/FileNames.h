#pragma once
// How the program names and finds files by their extension. Old class files
// often carry upper-case names ("BIOLOGY.GDR"): a file keeps the name it has,
// a file beside it is found whatever the case of its extension, and only a
// new file gets the documented extension.
#include <string>
#include <string_view>
#include <vector>

namespace quorle {

// The path with its extension kept when it is `ext` in any case ("BIOLOGY.GDR"
// stays), else with `ext` put in place of its extension (or added). `ext` is
// given without the dot: "gdr". An empty path stays empty.
std::string EnsureExtension(std::string_view path, std::string_view ext);

// The file beside `path` with its extension replaced: an existing file
// whatever the case of its extension ("x.cht" or "x.CHT"), else the name with
// `ext` exactly as given ("CHT").
std::string SiblingPath(std::string_view path, std::string_view ext);

// Whether anything stands at the path (false when it cannot be told).
bool FileExists(std::string_view path);

// Whether two paths name the same file on disk (relative, absolute and
// symbolic link alike). Paths of files that do not exist (yet) are the same
// when they lead to the same place.
bool SameFile(std::string_view a, std::string_view b);

// The regular files of a folder whose extension is `ext` in any case, as paths
// (the folder joined with the name), sorted by name. A missing or unreadable
// folder gives none.
std::vector<std::string> FilesWithExtension(std::string_view folder, std::string_view ext);

}  // namespace quorle
