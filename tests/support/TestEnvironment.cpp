// Compiled into every test program: the teacher's data folder (where earlier
// versions of class files are kept) is a temporary folder of the test run,
// never the real home. Removed when the program ends.
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

struct TestDataHome {
    std::string path;
    TestDataHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorle-data-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path = pattern;
        else path = "/nonexistent/quorle-test-data";
        ::setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~TestDataHome() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

const TestDataHome testDataHome;

}  // namespace
