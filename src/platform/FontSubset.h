#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
namespace quorle::platform {
using FontTableSource = std::function<std::string(std::string_view tag)>;
std::string SubsetTrueType(const FontTableSource& tables, std::span<const std::uint32_t> glyphs);
}
