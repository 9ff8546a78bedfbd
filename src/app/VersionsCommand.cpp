#include "app/VersionsCommand.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "app/ClassArgument.h"
#include "grading/Compute.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/ClassLock.h"
#include "record/VersionStore.h"

namespace quorle {
namespace {

constexpr const char* kPrefix = "quorle versions: ";

struct VersionsArguments {
    std::string classPath;
    std::optional<int> restore;
    std::string output;
};

// The problem with the words, empty when they are right.
std::string ReadArguments(const std::vector<std::string>& args, VersionsArguments& arguments) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--restore" || word == "-o") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return word + " needs a value";
            const std::string& value = args[++i];
            if (word == "-o") {
                arguments.output = value;
                continue;
            }
            int number = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size() || number < 1)
                return "--restore takes a version's number (1, 2, ...), not " + value;
            arguments.restore = number;
        } else if (word.size() > 1 && word[0] == '-') {
            return "unknown option " + word;
        } else if (arguments.classPath.empty() && !word.empty()) {
            arguments.classPath = word;
        } else {
            return "one class file at a time";
        }
    }
    if (arguments.classPath.empty()) return "no class file given";
    if (!arguments.output.empty() && !arguments.restore) return "-o needs --restore N";
    return {};
}

// A grade as the grades pane shows it, without its padding.
std::string GradeText(float value) { return platform::TrimPadding(FormatGrade(value)); }

int List(const std::string& classPath, const std::vector<StoredVersion>& versions, std::ostream& out) {
    if (versions.empty()) {
        out << "No earlier versions of " << ShownPath(classPath) << " are kept.\n";
        return 0;
    }
    out << "Earlier versions of " << ShownPath(classPath) << ", oldest first:\n";
    const auto summaries = VersionSummaries(versions, SummaryStyle{GradeText, true});
    for (std::size_t i = 0; i < versions.size(); ++i) {
        std::string number = std::to_string(i + 1);
        number.insert(0, number.size() < 3 ? 3 - number.size() : 0, ' ');
        out << number << "  " << LocalTimeText(versions[i].time) << "  " << summaries[i] << "\n";
    }
    return 0;
}

}  // namespace

const char* VersionsUsage() { return "quorle versions CLASS.gdr [--restore N [-o OUT.gdr]]"; }

int RunVersionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << "Usage: " << VersionsUsage() << "\n"
            << "  Lists the earlier versions kept of the class, oldest first: number, date and time, and\n"
            << "  what changed. --restore N writes version N back into the class (the class as it was is\n"
            << "  kept as a version too), or with -o to a class file of its own.\n";
        return 0;
    }
    VersionsArguments arguments;
    if (const std::string problem = ReadArguments(args, arguments); !problem.empty()) {
        err << kPrefix << problem << "\nUsage: " << VersionsUsage() << "\n";
        return 2;
    }
    const std::string& classPath = arguments.classPath;
    const auto versions = ListVersions(classPath);
    if (!arguments.restore) return List(classPath, versions, out);

    const int number = *arguments.restore;
    if (static_cast<std::size_t>(number) > versions.size()) {
        err << kPrefix << "there is no version " << number << " of " << classPath << "; "
            << (versions.empty() ? std::string("none is kept") : std::to_string(versions.size()) + " are kept")
            << "\n";
        return 1;
    }
    const StoredVersion& version = versions[static_cast<std::size_t>(number - 1)];
    std::vector<CommandInput> inputs = ClassInputs(classPath);
    inputs.push_back({version.path, "the version itself", false});
    if (!arguments.output.empty() && RefuseOutputOntoInput(arguments.output, inputs, err, kPrefix)) return 2;

    FileProblem problem;
    const auto bytes = ReadVersion(version, &problem);
    if (!bytes) {
        err << kPrefix << "version " << number << ": " << kFileNotFound << "\n" << problem.Text() << "\n";
        return 1;
    }
    try {
        (void)ParseClassFile(*bytes);
    } catch (const ClassFileError& error) {
        err << kPrefix << "version " << number << ": " << error.Message() << "\n" << ShownPath(version.path) << "\n";
        return 1;
    }
    const std::string target = arguments.output.empty() ? classPath : arguments.output;
    ClassLock lock;
    if (!LockClassArgument(target, lock, err, kPrefix)) return 1;
    if (!WriteClassBytes(target, *bytes, &problem)) {
        err << kPrefix << target << ": File cannot be opened!\n" << problem.Text() << "\n";
        return 1;
    }
    out << "Restored version " << number << " (" << LocalTimeText(version.time) << ") ";
    if (arguments.output.empty()) out << "into " << target << "; the class as it was is kept as a version\n";
    else out << "to " << target << "\n";
    return 0;
}

}  // namespace quorle
