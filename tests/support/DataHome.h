#pragma once
// The teacher's data folder of one test (XDG_DATA_HOME, where earlier
// versions of class files go), and what the teacher was told about versions
// that could not be kept. The folder before it comes back at the end.
#include <cstdlib>
#include <string>
#include <vector>

#include "record/VersionStore.h"
#include "support/TempDir.h"

namespace quorle::testing {

class DataHome {
public:
    DataHome() {
        const char* old = std::getenv("XDG_DATA_HOME");
        old_ = old ? old : "";
        ::setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
        ResetVersionProblemReport();
        SetVersionProblemListener([this](const FileProblem& problem) { told.push_back(problem.Text()); });
    }
    ~DataHome() {
        SetVersionProblemListener(nullptr);
        ResetVersionProblemReport();
        ::setenv("XDG_DATA_HOME", old_.c_str(), 1);
    }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

    std::string VersionsFolder() const { return dir.Path() + "/quorle/versions"; }

    TempDir dir;
    std::vector<std::string> told;

private:
    std::string old_;
};

}  // namespace quorle::testing
