#include "app/ClassArgument.h"

#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <ostream>

#include "grids/GridFile.h"
#include "record/ClassFile.h"
#include "record/FileNames.h"
#include "seating/SeatingChartFile.h"

namespace quorle {

std::optional<ClassRecord> ReadClassArgument(const std::string& path, std::ostream& err, std::string_view prefix) {
    try {
        return ReadClassFile(path);
    } catch (const ClassFileError& error) {
        err << prefix << error.what() << "\n";
        return std::nullopt;
    }
}

std::vector<CommandInput> ClassInputs(const std::string& classPath) {
    return {{classPath, "the class file", false}, {ChartPath(classPath), "the class's seating chart", true}};
}

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// x.CHT and x.cht in one folder.
bool SameButForCase(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    const fs::path pa(a);
    const fs::path pb(b);
    if (Lower(pa.filename().string()) != Lower(pb.filename().string())) return false;
    const std::string folderA = pa.parent_path().empty() ? "." : pa.parent_path().string();
    const std::string folderB = pb.parent_path().empty() ? "." : pb.parent_path().string();
    return SameFile(folderA, folderB);
}

}  // namespace

const CommandInput* InputAtOutput(const std::string& output, const std::vector<CommandInput>& inputs) {
    for (const CommandInput& input : inputs) {
        if (input.path.empty()) continue;
        if (SameFile(output, input.path)) return &input;
        if (input.anyCaseOfExtension && SameButForCase(output, input.path)) return &input;
    }
    return nullptr;
}

bool RefuseOutputOntoInput(const std::string& output, const std::vector<CommandInput>& inputs, std::ostream& err,
                           std::string_view prefix) {
    const CommandInput* input = InputAtOutput(output, inputs);
    if (!input) return false;
    err << prefix << "-o " << output << " would write over " << input->role << " (" << input->path
        << "); nothing was written\n";
    return true;
}

std::string ProtectedOutput(const std::string& output) {
    struct stat st {};
    // Nothing there, or nothing that can be looked at: the write says why.
    if (::lstat(output.c_str(), &st) != 0) return {};
    if (S_ISLNK(st.st_mode)) return "is a symbolic link";
    if (S_ISDIR(st.st_mode)) return "is a folder";
    if (!S_ISREG(st.st_mode)) return "is not a regular file";
    const auto bytes = ReadWholeFile(output);
    if (!bytes) return {};
    if (bytes->size() >= 15 && HasClassFileMagic(bytes->data())) return "would write over a class file";
    if (ParseChartFile(*bytes)) return "would write over a seating chart";
    if (ParseGridFile(*bytes)) return "would write over an assignment grid";
    return {};
}

bool RefuseReportOutput(const std::string& output, const std::vector<CommandInput>& inputs, std::ostream& err,
                        std::string_view prefix) {
    if (RefuseOutputOntoInput(output, inputs, err, prefix)) return true;
    const std::string protectedOutput = ProtectedOutput(output);
    if (protectedOutput.empty()) return false;
    err << prefix << "-o " << output << ' ' << protectedOutput << "; nothing was written\n";
    return true;
}

std::optional<std::vector<unsigned char>> ReadInputArgument(const std::string& path, std::ostream& err) {
    FileProblem problem;
    auto bytes = ReadWholeFile(path, kMaxFileBytes, &problem);
    if (!bytes) err << path << ": " << kFileNotFound << "\n" << problem.Text() << "\n";
    return bytes;
}

bool LockClassArgument(const std::string& path, ClassLock& lock, std::ostream& err, std::string_view prefix) {
    lock = ClassLock::Acquire(path);
    if (lock.AllowsWrite()) return true;
    if (lock.State() == LockState::HeldElsewhere)
        err << prefix << path << ": the class is " << OpenElsewhereText(lock.Holder()) << "; close it there first.\n";
    else
        err << prefix << path << ": the class " << kCannotBeLocked << "\n" << lock.Problem().Text() << "\n";
    return false;
}

}  // namespace quorle
