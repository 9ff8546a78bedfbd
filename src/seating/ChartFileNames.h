#pragma once
// Stand-in for the shared file-naming helper until it is available: the file
// beside a path with its extension replaced, an existing one whatever the
// case of its extension.
#include <string>
#include <string_view>

namespace quorle {
std::string ChartSiblingPath(std::string_view path, std::string_view ext);
}  // namespace quorle
