#pragma once
// A temporary folder removed at the end of the test; QUORLE_DIR points at it
// while it lives, so settings files go there.
#include <string>
#include <vector>

namespace quorle::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    void Write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace quorle::testing
