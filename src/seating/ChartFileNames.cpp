#include "seating/ChartFileNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace quorle {

std::string ChartSiblingPath(std::string_view path, std::string_view ext) {
    namespace fs = std::filesystem;
    fs::path p{std::string(path)};
    p.replace_extension("." + std::string(ext));
    std::error_code error;
    if (fs::exists(p, error)) return p.string();
    const fs::path folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    const std::string stem = p.stem().string();
    const std::string wanted = lower("." + std::string(ext));
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& candidate = it->path();
        if (candidate.stem().string() == stem && lower(candidate.extension().string()) == wanted)
            return (p.parent_path() / candidate.filename()).string();
    }
    return p.string();
}

}  // namespace quorle
