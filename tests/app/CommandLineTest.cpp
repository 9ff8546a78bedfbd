#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/RunWords.h"
#include "app/WindowedModule.h"
#include "support/TempDir.h"

extern char** environ;

namespace quorle {
namespace {

using quorle::testing::RunWords;
using quorle::testing::TempDir;

std::vector<char*> Argv(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    return argv;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every subcommand is told from a file to open and reaches its own handler,
// which names itself in its first line.
TEST(CommandLineDispatch, EveryCommandReachesItsOwnHandler) {
    const std::vector<std::string> commands{"show",       "chart",      "print", "export", "import-students",
                                            "new-period", "versions"};
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        std::string name = "quorle", word = command;
        char* argv[] = {name.data(), word.data(), nullptr};
        EXPECT_TRUE(IsCommandLineCommand(2, argv));
        std::string out, err;
        EXPECT_EQ(RunWords({command}, out, err), 2);
        EXPECT_EQ(err.rfind("quorle " + command + ": ", 0), 0u) << err;
        EXPECT_EQ(out, "");
    }
    for (const std::string help : {"--help", "-h", "help"}) {
        SCOPED_TRACE(help);
        std::string out, err;
        EXPECT_EQ(RunWords({help}, out, err), 0);
        EXPECT_EQ(FirstLine(out), "Usage:");
        for (const std::string& command : commands) EXPECT_NE(out.find("quorle " + command + " "), std::string::npos);
        EXPECT_NE(out.find("quorle --version"), std::string::npos);
        EXPECT_EQ(err, "");
    }
}

// Output that cannot be written (a full disk behind standard output) fails
// the command with a word on the error stream, whatever the command printed.
TEST(CommandLineDispatch, AnOutputThatCannotBeWrittenFailsTheCommand) {
    struct Full : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
    } full;
    TempDir dir;
    std::filesystem::copy_file(std::string(QUORLE_EXAMPLES_DIR) + "/biology.gdr", dir.File("bio.gdr"));
    std::filesystem::copy_file(std::string(QUORLE_EXAMPLES_DIR) + "/biology.CHT", dir.File("bio.CHT"));
    const std::vector<std::vector<std::string>> cases{
        {"versions", dir.File("bio.gdr")}, {"chart", dir.File("bio.gdr")}, {"show", dir.File("bio.gdr")},
        {"--help"}, {"--version"}, {"export", "--help"}};
    for (std::vector<std::string> words : cases) {
        SCOPED_TRACE(::testing::PrintToString(words));
        words.insert(words.begin(), "quorle");
        std::vector<char*> argv = Argv(words);
        const int argc = static_cast<int>(argv.size());
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(StartWithoutWindow(ReadStartArguments(argc, argv.data()), argc, argv.data(), {}, false, out, err), 1);
        EXPECT_EQ(err.str(), "quorle: the output could not be written\n");
    }
}

TEST(StartArguments, TellCommandsClassFilesAndMistakes) {
    TempDir dir;
    dir.Write("OLDCLASS", {'x'});  // an existing file without the extension
    using Kind = StartRequest::Kind;
    struct Case {
        std::vector<std::string> words;
        Kind kind;
        std::vector<std::string> files;
        bool splash;
        std::string problem;
    };
    const std::string old = dir.File("OLDCLASS");
    const std::vector<Case> cases{
        {{}, Kind::Window, {}, true, ""},
        {{"--no-splash"}, Kind::Window, {}, false, ""},
        {{"a.gdr", "B.GDR", "c.Gdr"}, Kind::Window, {"a.gdr", "B.GDR", "c.Gdr"}, true, ""},
        {{old, "--no-splash"}, Kind::Window, {old}, false, ""},
        {{"show", "x.gdr"}, Kind::Command, {}, true, ""},
        {{"help"}, Kind::Command, {}, true, ""},
        {{"--version"}, Kind::Version, {}, true, ""},
        {{"--version", "a.gdr"}, Kind::Usage, {}, true, "unknown option --version"},
        {{"-v"}, Kind::Usage, {}, true, "unknown option -v"},
        {{""}, Kind::Usage, {}, true, "an empty argument is neither a command nor a class file"},
        {{"SHOW", "x.gdr"}, Kind::Usage, {}, true, "'SHOW' is neither a command nor a class file (CLASS.gdr)"},
        {{"a.gdr", "biolgy"}, Kind::Usage, {}, true, "'biolgy' is neither a command nor a class file (CLASS.gdr)"},
        {{".gdr"}, Kind::Usage, {}, true, "'.gdr' is neither a command nor a class file (CLASS.gdr)"},
        {{"x.gdr.bak"}, Kind::Usage, {}, true, "'x.gdr.bak' is neither a command nor a class file (CLASS.gdr)"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = c.words;
        words.insert(words.begin(), "quorle");
        SCOPED_TRACE(::testing::PrintToString(words));
        std::vector<char*> argv = Argv(words);
        const StartRequest request = ReadStartArguments(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(request.kind, c.kind);
        EXPECT_EQ(request.files, c.files);
        EXPECT_EQ(request.splash, c.splash);
        EXPECT_EQ(request.problem, c.problem);
    }
}

TEST(StartArguments, WindowNeedsADisplayOrAPluginWithoutOne) {
    struct Case {
        std::map<std::string, std::string> env;
        bool available;
    };
    const std::vector<Case> cases{
        {{}, false},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false},
        {{{"DISPLAY", ":0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":1"}}, true},
        {{{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":1"}}, false},
        {{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":1"}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.env));
        const bool available = DisplayAvailable([&c](const char* name) -> const char* {
            const auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        });
        EXPECT_EQ(available, c.available);
    }
}

// An output onto the class, its chart or another file the command reads, onto
// any other class, chart or grid whatever its name, or onto anything but a
// plain file is refused before anything is written.
TEST(CommandLineOutput, NeverWritesOverAnInput) {
    TempDir dir;  // also the program directory
    namespace fs = std::filesystem;
    const fs::path examples(QUORLE_EXAMPLES_DIR);
    fs::copy_file(examples / "biology.gdr", dir.File("bio.gdr"));
    fs::copy_file(examples / "biology.CHT", dir.File("bio.CHT"));
    fs::copy_file(examples / "field-trip.col", dir.File("trip.col"));
    dir.Write("quorle.prg", {'D', 'e', 'a', 'r'});
    dir.Write("quorle.low", {'7', '0'});
    fs::create_symlink(dir.File("bio.gdr"), dir.File("link.gdr"));
    fs::create_directory(dir.File("sub"));
    // Other classes, charts and grids, some of them renamed.
    fs::copy_file(examples / "algebra-weighted.gdr", dir.File("algebra.gdr"));
    fs::copy_file(examples / "empty.gdr", dir.File("empty.pdf"));
    fs::copy_file(examples / "biology.CHT", dir.File("other.CHT"));
    fs::copy_file(examples / "biology.CHT", dir.File("chart.pdf"));
    fs::copy_file(examples / "field-trip.col", dir.File("grid.csv"));
    dir.Write("old.pdf", {'%', 'P', 'D', 'F'});
    fs::create_symlink(dir.File("old.pdf"), dir.File("link.pdf"));
    ASSERT_EQ(mkfifo(dir.File("fifo.csv").c_str(), 0600), 0);
    const std::vector<std::string> inputs{"bio.gdr",     "bio.CHT",   "trip.col",  "quorle.prg", "quorle.low",
                                          "algebra.gdr", "empty.pdf", "other.CHT", "chart.pdf",  "grid.csv",
                                          "old.pdf"};
    std::map<std::string, std::string> before;
    for (const auto& name : inputs) before[name] = ReadText(dir.File(name));

    const std::string bio = dir.File("bio.gdr");
    const auto refusal = [](const std::string& command, const std::string& output, const std::string& role,
                            const std::string& path) {
        return "quorle " + command + ": -o " + output + " would write over " + role + " (" + path +
               "); nothing was written\n";
    };
    const auto kept = [&dir](const std::string& command, const std::string& output, const std::string& what) {
        return "quorle " + command + ": -o " + dir.File(output) + " " + what + "; nothing was written\n";
    };
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string err;  // the whole of standard error, when refused
    };
    const std::string chart = dir.File("bio.CHT");
    const std::string viaSub = dir.File("sub/../bio.gdr");
    const std::vector<Case> cases{
        {{"export", bio, "-o", bio}, 2, refusal("export", bio, "the class file", bio)},
        {{"export", bio, "-o", viaSub}, 2, refusal("export", viaSub, "the class file", bio)},
        {{"export", bio, "-o", dir.File("link.gdr")}, 2, refusal("export", dir.File("link.gdr"), "the class file", bio)},
        {{"export", dir.File("link.gdr"), "-o", bio}, 2,
         refusal("export", bio, "the class file", dir.File("link.gdr"))},
        {{"export", bio, "-o", chart}, 2, refusal("export", chart, "the class's seating chart", chart)},
        {{"export", bio, "-o", dir.File("bio.cht")}, 2,
         refusal("export", dir.File("bio.cht"), "the class's seating chart", chart)},
        {{"print", "grades", bio, "-o", viaSub}, 2, refusal("print", viaSub, "the class file", bio)},
        {{"print", "seating", bio, "-o", chart}, 2, refusal("print", chart, "the class's seating chart", chart)},
        {{"print", "makeup", bio, "-o", chart}, 2, refusal("print", chart, "the class's seating chart", chart)},
        {{"print", "grid", dir.File("trip.col"), bio, "-o", dir.File("trip.col")}, 2,
         refusal("print", dir.File("trip.col"), "the grid file", dir.File("trip.col"))},
        {{"print", "grid", dir.File("trip.col"), bio, "-o", bio}, 2, refusal("print", bio, "the class file", bio)},
        {{"print", "progress", bio, "-o", dir.File("quorle.prg")}, 2,
         refusal("print", dir.File("quorle.prg"), "the letter's template", dir.File("quorle.prg"))},
        {{"print", "warning", bio, "-o", dir.File("quorle.low")}, 2,
         refusal("print", dir.File("quorle.low"), "the warning level", dir.File("quorle.low"))},
        {{"export", bio, "-o", dir.File("algebra.gdr")}, 2, kept("export", "algebra.gdr", "would write over a class file")},
        {{"print", "names", bio, "-o", dir.File("empty.pdf")}, 2, kept("print", "empty.pdf", "would write over a class file")},
        {{"export", bio, "-o", dir.File("other.CHT")}, 2, kept("export", "other.CHT", "would write over a seating chart")},
        {{"print", "grades", bio, "-o", dir.File("chart.pdf")}, 2, kept("print", "chart.pdf", "would write over a seating chart")},
        {{"export", bio, "-o", dir.File("grid.csv")}, 2, kept("export", "grid.csv", "would write over an assignment grid")},
        {{"print", "makeup", bio, "-o", dir.File("trip.col")}, 2, kept("print", "trip.col", "would write over an assignment grid")},
        {{"export", bio, "-o", dir.File("fifo.csv")}, 2, kept("export", "fifo.csv", "is not a regular file")},
        {{"print", "grades", bio, "-o", dir.File("fifo.csv")}, 2, kept("print", "fifo.csv", "is not a regular file")},
        {{"export", bio, "-o", dir.File("link.pdf")}, 2, kept("export", "link.pdf", "is a symbolic link")},
        {{"print", "grades", bio, "-o", dir.File("link.pdf")}, 2, kept("print", "link.pdf", "is a symbolic link")},
        {{"export", bio, "-o", dir.File("sub")}, 2, kept("export", "sub", "is a folder")},
        // Beside the inputs, not on them: written.
        {{"export", bio, "-o", dir.File("bio.csv")}, 0, ""},
        {{"export", bio, "-o", dir.File("bio2.gdr")}, 0, ""},
        {{"export", bio, "-o", dir.File("sub/bio.CHT")}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.words));
        std::string out, err;
        EXPECT_EQ(RunWords(c.words, out, err), c.status);
        EXPECT_EQ(err, c.err);
        for (const auto& name : inputs) EXPECT_EQ(ReadText(dir.File(name)), before[name]) << name;
        EXPECT_FALSE(fs::exists(dir.File("quorle.wrn")));
        EXPECT_TRUE(fs::is_fifo(dir.File("fifo.csv")));
        EXPECT_TRUE(fs::is_symlink(dir.File("link.pdf")));
    }
    EXPECT_EQ(ReadText(dir.File("bio.csv")).rfind("Last Name,", 0), 0u);
}

// The windowed module is loaded only from beside the program or from the
// package's folder: when the program cannot tell its own folder, from nowhere.
TEST(WindowedModule, AnExecutableThatCannotBeToldLoadsNothing) {
    TempDir dir;
    dir.Write("file", {'x'});
    std::filesystem::create_symlink("bin/quorle", dir.File("relative"));
    const auto started = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    dir.Write(kWindowedModuleName, {'E', 'L', 'F'});  // planted in the current folder
    for (const auto& [self, reason] : {std::pair(dir.File("missing"), "No such file or directory"),
                                       std::pair(dir.File("file"), "Invalid argument"),
                                       std::pair(dir.File("relative"), "not a full path")}) {
        std::string why;
        EXPECT_EQ(LoadWindowedModule(why, self), nullptr);
        EXPECT_EQ(why, "the program's own folder cannot be read from " + self + ": " + reason);
    }
    std::filesystem::current_path(started);
}

// ------------------------------------------------------- the real executable

struct Finished {
    bool exited = false;
    int status = -1;  // exit status, or the signal that ended it
    std::string out;
    std::string err;
};

// Runs the executable with the words, without any display in its environment.
Finished RunExecutable(const std::vector<std::string>& words, const std::string& folder) {
    Finished result;
    const std::string outPath = folder + "/stdout.txt";
    const std::string errPath = folder + "/stderr.txt";
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0 ||
            entry.rfind("QT_QPA_PLATFORM=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    std::vector<std::string> args{QUORLE_EXE};
    args.insert(args.end(), words.begin(), words.end());
    std::vector<char*> argv = Argv(args);
    argv.push_back(nullptr);
    std::vector<char*> envp = Argv(env);
    envp.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int none = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || none < 0) _exit(127);
        dup2(none, 0);
        dup2(out, 1);
        dup2(err, 2);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return result;
    result.exited = WIFEXITED(status);
    result.status = result.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    result.out = ReadText(outPath);
    result.err = ReadText(errPath);
    return result;
}

TEST(Executable, AnswersWithoutADisplayAndNeverAborts) {
#ifndef QUORLE_EXE
    GTEST_SKIP() << "built without the windowed program";
#else
    TempDir dir;
    const std::string example = std::string(QUORLE_EXAMPLES_DIR) + "/biology.gdr";
    const std::string noDisplay =
        "quorle: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
        "the commands below work without one";
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string out;  // the first line of each
        std::string err;
    };
    const std::vector<Case> cases{
        {{"--version"}, 0, VersionLine(), ""},
        {{"-v"}, 2, "", "quorle: unknown option -v"},
        {{""}, 2, "", "quorle: an empty argument is neither a command nor a class file"},
        {{"SHOW", "x.gdr"}, 2, "", "quorle: 'SHOW' is neither a command nor a class file (CLASS.gdr)"},
        {{"biolgy"}, 2, "", "quorle: 'biolgy' is neither a command nor a class file (CLASS.gdr)"},
        {{}, 2, "", noDisplay},
        {{"--no-splash", example}, 2, "", noDisplay},
        {{"--help"}, 0, "Usage:", ""},
        {{"-h"}, 0, "Usage:", ""},
        {{"help"}, 0, "Usage:", ""},
        {{"show"}, 2, "", "quorle show: no class file given"},
        {{"chart"}, 2, "", "quorle chart: no class file given"},
        {{"print"}, 2, "",
         "quorle print: name the report: grades, makeup, progress, warning, random, names, sheets, attendance, "
         "seating, picture or grid"},
        {{"export"}, 2, "", "quorle export: a class file and -o OUT.csv are needed"},
        {{"import-students"}, 2, "", "quorle import-students: two files are needed"},
        {{"new-period"}, 2, "", "quorle new-period: two files are needed"},
        {{"versions"}, 2, "", "quorle versions: no class file given"},
        {{"show", example}, 0, "Last Name\tFirst Name\tID #\tCells\tGenetics\tEvolution\tQuiz 1\tQuiz 2\tQuiz "
                               "3\tQuiz 4\tHW 1\tHW 2\tHW 3\tHW 4\tHW 5\tMicroscop\tOsmosis\tDNA Extr\tEnzymes\tTest "
                               "Aver\tQuiz Aver\tHW Aver\tLab Aver\tExtra1 Aver\tExtra2 Aver\tTotal Pts\tPoss "
                               "Pts\tAverage\tGrade", ""},
        {{"export", example, "-o", example}, 2, "",
         "quorle export: -o " + example + " would write over the class file (" + example + "); nothing was written"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.words));
        const Finished run = RunExecutable(c.words, dir.Path());
        EXPECT_TRUE(run.exited) << "ended by signal " << run.status;
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(FirstLine(run.out), c.out);
        EXPECT_EQ(FirstLine(run.err), c.err);
        // A usage error shows the usage after its line.
        if (c.status == 2 && c.err.rfind("quorle: ", 0) == 0) {
            EXPECT_NE(run.err.find("\nUsage:\n"), std::string::npos);
        }
    }
#endif
}

}  // namespace
}  // namespace quorle
