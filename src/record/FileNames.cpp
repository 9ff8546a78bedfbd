#include "record/FileNames.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace quorle {

namespace fs = std::filesystem;

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string_view WithoutDot(std::string_view ext) {
    if (!ext.empty() && ext.front() == '.') ext.remove_prefix(1);
    return ext;
}

// The extension of a file name without its dot ("" for none, as for ".profile").
std::string ExtensionOf(const fs::path& path) {
    const std::string ext = path.extension().string();
    return ext.empty() ? ext : ext.substr(1);
}

bool IsRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

std::string EnsureExtension(std::string_view path, std::string_view ext) {
    if (path.empty()) return {};
    ext = WithoutDot(ext);
    fs::path p{std::string(path)};
    if (EqualNoCase(ExtensionOf(p), ext)) return std::string(path);
    p.replace_extension("." + std::string(ext));
    return p.string();
}

std::string SiblingPath(std::string_view path, std::string_view ext) {
    ext = WithoutDot(ext);
    fs::path wanted{std::string(path)};
    wanted.replace_extension("." + std::string(ext));
    if (IsRegularFile(wanted)) return wanted.string();
    // Another case of the extension, from a folder listing: the file system
    // may tell case apart or not.
    const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    const std::string stem = wanted.stem().string();
    std::string found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (name.stem().string() != stem || !EqualNoCase(ExtensionOf(name), ext)) continue;
        if (!IsRegularFile(it->path())) continue;
        // Of several spellings, the first by name, so the choice never varies.
        if (found.empty() || name.string() < found) found = name.string();
    }
    if (found.empty()) return wanted.string();
    return (wanted.has_parent_path() ? wanted.parent_path() / found : fs::path(found)).string();
}

bool FileExists(std::string_view path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path), error);
}

bool SameFile(std::string_view a, std::string_view b) {
    const fs::path pa{std::string(a)}, pb{std::string(b)};
    if (pa.empty() || pb.empty()) return false;
    std::error_code ec;
    if (fs::equivalent(pa, pb, ec) && !ec) return true;
    // One or both do not exist: compare where they lead.
    std::error_code ea, eb;
    const fs::path ca = fs::weakly_canonical(fs::absolute(pa, ea), ea);
    const fs::path cb = fs::weakly_canonical(fs::absolute(pb, eb), eb);
    if (ea || eb) return pa.lexically_normal() == pb.lexically_normal();
    return ca == cb;
}

std::vector<std::string> FilesWithExtension(std::string_view folder, std::string_view ext) {
    ext = WithoutDot(ext);
    const fs::path dir{folder.empty() ? std::string(".") : std::string(folder)};
    std::vector<std::pair<std::string, std::string>> named;  // name, path
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (!EqualNoCase(ExtensionOf(name), ext) || !IsRegularFile(it->path())) continue;
        named.emplace_back(name.string(), (fs::path{std::string(folder)} / name).string());
    }
    std::sort(named.begin(), named.end());
    std::vector<std::string> paths;
    paths.reserve(named.size());
    for (auto& entry : named) paths.push_back(std::move(entry.second));
    return paths;
}

}  // namespace quorle
