#include "app/CommandLinePrint.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

#include "app/CommandLine.h"
#include "grids/GridFile.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "reports/GradesPrint.h"
#include "reports/ReportFixtures.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

class CommandLinePrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClassRecord record = PointsClass();
        AddStudent(record, "Adams", "Ann", "11");
        AddStudent(record, "Baker", "Bob", "12");
        AddItem(record, kTests, "Unit 1", 100, {0, 95});
        AddItem(record, kQuizzes, "Pop", 10, {5, 10});
        record.fileName = dir.File("bio.gdr");
        ASSERT_TRUE(WriteClassFile(record));
        classFile = record.fileName;
        services.makePdfDevice = [this](PdfBytesSink sink, const std::string& size)
            -> std::unique_ptr<platform::PrintDevice> {
            paths.push_back("made");
            sink("%PDF of the fake device");
            sizes.push_back(size);
            if (noDevice) return nullptr;
            return std::make_unique<WatchedDevice>(device, nullptr);
        };
        services.today = [] { return platform::Date{2026, 12, 7}; };
    }

    int Run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        return RunPrintCommand(args, services, out, err);
    }
    // Through the program's own entry: "quorle print" and the arguments.
    int RunMain(std::vector<std::string> words) {
        words.insert(words.begin(), {"quorle", "print"});
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        out.str({});
        err.str({});
        return RunCommandLine(static_cast<int>(argv.size()), argv.data(), services, out, err);
    }
    void WriteText(const std::string& name, const std::string& text) {
        dir.Write(name, std::vector<unsigned char>(text.begin(), text.end()));
    }
    std::vector<std::string> AllTexts() const {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < device.pages.size(); ++i)
            for (const auto& t : device.PageTexts(i)) texts.push_back(t);
        return texts;
    }
    bool Printed(const std::string& text) const {
        const auto texts = AllTexts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    TempDir dir;  // also the program directory (QUORLE_DIR)
    std::string classFile;
    CommandLineServices services;
    RecordingPrintDevice device;
    std::vector<std::string> paths, sizes;
    bool noDevice = false;
    std::ostringstream out, err;
};

TEST_F(CommandLinePrintTest, HelpListsTheColumnNames) {
    EXPECT_EQ(Run({"--help"}), 0);
    for (const char* name : {"last", "first", "id", "tests", "extra2", "test-avg", "lab-pts", "total", "possible",
                             "--rank", "--current", "--last-test", "--last-quiz", "--page-size"})
        EXPECT_NE(out.str().find(name), std::string::npos) << name;
}

// Arguments that do not fit, also the options of the letters (progress,
// warning): usage and status 2, before any page is drawn.
TEST_F(CommandLinePrintTest, BadArgumentsGiveUsageAndStatusTwo) {
    WriteText("quorle.prg", "x");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"report", classFile, "-o", "x.pdf"},
        {"grades", classFile},
        {"grades", "-o", "x.pdf"},
        {"grades", classFile, "-o"},
        {"grades", classFile, "-o", "x.pdf", "--frobnicate"},
        {"grades", classFile, "-o", "x.pdf", "--columns", "last,middle"},
        {"grades", classFile, "-o", "x.pdf", "--page-size", "Legal"},
        {"grades", classFile, "-o", "x.pdf", "--rank", "--current"},
        {"grades", classFile, "extra.gdr", "-o", "x.pdf"},
        {"grades", classFile, "-o", "x.pdf", "--rank=yes"},
        {"makeup", classFile, "-o", "x.pdf", "--rank"},
        {"makeup", classFile, "-o", "x.pdf", "--columns", "last"},
    };
    // The letters' options, some weighed only once the PDF device is made.
    const std::vector<std::vector<std::string>> letterCases = {
        {"progress", classFile, "-o", "x.pdf", "--level", "70"},
        {"warning", classFile, "-o", "x.pdf", "--students", "1"},
        {"warning", classFile, "-o", "x.pdf", "--level", "seventy"},
        {"progress", classFile, "-o", "x.pdf", "--columns", "tests,last"},
        {"progress", classFile, "-o", "x.pdf", "--rank"},
        {"progress", classFile, "-o", "x.pdf", "--students", "1,3"},  // the class has 2
        {"progress", classFile, "-o", "x.pdf", "--students", "1;2"},
        {"grades", classFile, "-o", "x.pdf", "--students", "1"},
    };
    for (const bool letters : {false, true})
        for (const auto& args : letters ? letterCases : cases) {
            EXPECT_EQ(Run(args), 2) << ::testing::PrintToString(args);
            EXPECT_NE(err.str().find("Usage: quorle print"), std::string::npos);
            EXPECT_TRUE(letters || paths.empty());
            EXPECT_TRUE(device.pages.empty());
        }
}

TEST_F(CommandLinePrintTest, MissingOrDamagedClassFileIsStatusOne) {
    EXPECT_EQ(Run({"grades", dir.File("none.gdr"), "-o", dir.File("x.pdf")}), 1);
    EXPECT_NE(err.str().find("File cannot be found!"), std::string::npos);
    WriteText("bad.gdr", "not a class");
    EXPECT_EQ(Run({"makeup", dir.File("bad.gdr"), "-o", dir.File("x.pdf")}), 1);
    EXPECT_NE(err.str().find("Incorrect file format"), std::string::npos);
    EXPECT_TRUE(device.pages.empty());
}

TEST_F(CommandLinePrintTest, GradesTakeTheSavedOptionsWithoutRewritingThem) {
    PrintOptions saved = DefaultPrintOptions();
    saved[kPrintLastName] = 1;
    saved[kPrintGradesFirst + kTests] = 1;
    ASSERT_TRUE(SavePrintOptions(dir.Path(), saved));
    const auto before = dir.Read("QUORLE.POP");

    EXPECT_EQ(Run({"grades", classFile, "-o", dir.File("out.pdf")}), 0) << err.str();
    ASSERT_EQ(device.documents, std::vector<std::string>{classFile});
    EXPECT_EQ(device.pages.size(), 1u);
    EXPECT_TRUE(Printed("Last Name"));
    EXPECT_TRUE(Printed("Unit 1"));
    EXPECT_FALSE(Printed("Pop"));  // the last quiz question answered No
    EXPECT_FALSE(Printed("First Name"));
    EXPECT_TRUE(Printed("12/7/2026"));
    EXPECT_EQ(dir.Read("QUORLE.POP"), before);
    EXPECT_NE(out.str().find("1 page"), std::string::npos);
    // The file holds what the device made.
    ASSERT_EQ(paths.size(), 1u);
    const auto written = dir.Read("out.pdf");
    EXPECT_EQ(std::string(written.begin(), written.end()), "%PDF of the fake device");
    EXPECT_EQ(sizes, std::vector<std::string>{""});
}

// A PDF that cannot be written whole is an error with the reason, and the
// file of that name stays as it was.
TEST_F(CommandLinePrintTest, AFailedWriteKeepsTheOldFile) {
    const struct {
        int error;
        const char* reason;
    } cases[] = {{ENOSPC, "No space left on device: "}, {EFBIG, "File too large: "}, {EIO, "Input/output error: "}};
    dir.Write("out.pdf", {'o', 'l', 'd'});
    for (const auto& c : cases) {
        const ScopedWriteFault fault("out.pdf", c.error);
        EXPECT_EQ(Run({"grades", classFile, "-o", dir.File("out.pdf")}), 1) << c.reason;
        EXPECT_EQ(err.str(), "quorle print: " + dir.File("out.pdf") + " was not written\n" + c.reason +
                                 dir.File("out.pdf") + "\n");
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(dir.Read("out.pdf"), (std::vector<unsigned char>{'o', 'l', 'd'}));
    }
}

TEST_F(CommandLinePrintTest, ColumnsRankAndLastScoresOverrideTheSavedChoice) {
    EXPECT_EQ(Run({"grades", classFile, "-o", dir.File("out.pdf"), "--columns", "first, id,total", "--rank",
                   "--last-quiz", "--page-size=a4"}),
              0)
        << err.str();
    EXPECT_TRUE(Printed("First Name"));
    EXPECT_TRUE(Printed("ID #"));
    EXPECT_TRUE(Printed("Total Pts"));
    EXPECT_TRUE(Printed("Pop"));
    EXPECT_FALSE(Printed("Last Name"));
    EXPECT_FALSE(Printed("Unit 1"));
    EXPECT_EQ(sizes, std::vector<std::string>{"A4"});
    // Rank order: Bob (105 of 110) before Ann (5 of 110).
    const auto texts = AllTexts();
    const auto ann = std::find(texts.begin(), texts.end(), "Ann");
    const auto bob = std::find(texts.begin(), texts.end(), "Bob");
    EXPECT_LT(bob, ann);
}

TEST_F(CommandLinePrintTest, AllColumnsGoWide) {
    EXPECT_EQ(Run({"grades", classFile, "-o", dir.File("out.pdf"), "--columns", "all", "--last-test"}), 0);
    // Three headings lines of "Last Name": the Possible Points row and both students.
    int blocks = 0;
    for (const auto& t : AllTexts()) blocks += t == "Last Name";
    EXPECT_EQ(blocks, 3);
}

TEST_F(CommandLinePrintTest, MakeupReportListsTheZeros) {
    EXPECT_EQ(Run({"makeup", classFile, "--output", dir.File("out.pdf"), "--page-size", "Letter"}), 0) << err.str();
    EXPECT_TRUE(Printed("    Makeup work for Course: Biology       Instructor: Ms. Gray"));
    EXPECT_TRUE(Printed("All work completed!"));
    EXPECT_TRUE(Printed("Unit 1"));
    EXPECT_EQ(sizes, std::vector<std::string>{"Letter"});
}

TEST_F(CommandLinePrintTest, FailedDeviceIsStatusOneWithTheMessage) {
    device.startDocResult = platform::kSpoolOutOfDisk;
    EXPECT_EQ(Run({"makeup", classFile, "-o", dir.File("out.pdf")}), 1);
    EXPECT_NE(err.str().find("not printed. Out of disk space."), std::string::npos) << err.str();
    EXPECT_FALSE(dir.Exists("out.pdf"));

    noDevice = true;
    EXPECT_EQ(Run({"makeup", classFile, "-o", dir.File("out.pdf")}), 1);
    EXPECT_NE(err.str().find("Printer error"), std::string::npos);
}

TEST_F(CommandLinePrintTest, GridPrintsTheClassUnderTheGridsColumns) {
    ASSERT_TRUE(WriteGridFile(dir.File("lab.COL"), {TColumn{FixedText<80>("Signed"), 6}}));
    EXPECT_EQ(Run({"grid", dir.File("lab.COL"), classFile, "-o", dir.File("out.pdf"), "--page-size", "A4"}), 0)
        << err.str();
    EXPECT_EQ(out.str(), dir.File("out.pdf") + ": 1 page\n");
    EXPECT_EQ(device.documents, std::vector<std::string>{"Grid Sheet"});
    for (const char* text : {"Biology", "12/7/2026", "Period: 3", "Name        ", "Signed", "Adams         A.",
                             "Baker         B."})
        EXPECT_TRUE(Printed(text)) << text;
    EXPECT_EQ(sizes, std::vector<std::string>{"A4"});

    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } refused[] = {
        {{"grid", dir.File("missing.col"), classFile, "-o", "x.pdf"}, 1, "File cannot be opened!"},
        {{"grid", classFile, classFile, "-o", "x.pdf"}, 1, "File cannot be opened!"},
        {{"grid", dir.File("lab.COL"), "-o", "x.pdf"}, 2, "name the grid file and the class file"},
        {{"grid", dir.File("lab.COL"), classFile, "-o", "x.pdf", "--rank"}, 2, "belong to the grades report"},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(Run(c.args), c.status) << c.message;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
}

// --students names roster places 1 to the class's count; 0 and one past the
// end are refused as usage errors, through the program's own entry.
TEST_F(CommandLinePrintTest, StudentPlacesRunFromOneToTheClassCount) {
    WriteText("quorle.prg", "{firstname}");
    const struct {
        const char* students;
        int status;
        std::vector<std::string> printed;  // one page per student
        const char* message;               // on standard error, "" for none
    } cases[] = {
        {"0", 2, {}, "the class has no student 0 (it has 2)"},
        {"1", 0, {"Ann"}, ""},
        {"2", 0, {"Bob"}, ""},
        {"3", 2, {}, "the class has no student 3 (it has 2)"},
        {"0,1", 2, {}, "the class has no student 0 (it has 2)"},
        {"1,2", 0, {"Ann", "Bob"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.students);
        device = RecordingPrintDevice();
        EXPECT_EQ(RunMain({"progress", classFile, "-o", dir.File("out.pdf"), "--students", c.students}), c.status);
        EXPECT_EQ(AllTexts(), c.printed);
        if (*c.message) {
            EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
            EXPECT_NE(err.str().find("Usage: quorle print"), std::string::npos);
            EXPECT_TRUE(device.documents.empty());  // no document begun
        }
    }
}

// --level takes what the level dialog takes: a number from 0 to 100. Anything
// else is a usage error before a page is drawn. Ann averages 4.55, Bob 95.45.
TEST_F(CommandLinePrintTest, WarningLevelRunsFromZeroToOneHundred) {
    WriteText("quorle.wrn", "{firstname}");
    const struct {
        const char* level;
        int status;
        std::vector<std::string> printed;
    } cases[] = {
        {"-1", 2, {}},     {"0", 1, {}},          {"50", 0, {"Ann", "Ann"}}, {" 50 ", 0, {"Ann", "Ann"}},
        {"100", 0, {"Ann", "Ann", "Bob", "Bob"}}, {"100.01", 2, {}},         {"101", 2, {}},
        {"abc", 2, {}},    {"50%", 2, {}},        {"1e2", 2, {}},            {"4.5.5", 2, {}},
        {"", 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("level '") + c.level + "'");
        device = RecordingPrintDevice();
        EXPECT_EQ(RunMain({"warning", classFile, "-o", dir.File("out.pdf"), "--level", c.level}), c.status);
        EXPECT_EQ(AllTexts(), c.printed);
        if (c.status == 2) {
            EXPECT_NE(err.str().find(std::string("--level needs a number from 0 to 100, not '") + c.level + "'"),
                      std::string::npos)
                << err.str();
            EXPECT_NE(err.str().find("Usage: quorle print"), std::string::npos);
            EXPECT_TRUE(device.documents.empty());
        }
    }
}

TEST_F(CommandLinePrintTest, ProgressReportsForTheListedStudents) {
    WriteText("quorle.prg", "{lastname}\n{grades}{x}");
    EXPECT_EQ(Run({"progress", classFile, "-o", dir.File("out.pdf"), "--students", "2", "--columns", "tests"}), 0)
        << err.str();
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.PageTexts(0),
              (std::vector<std::string>{"Baker", "Unit 1", " 95.00", "Average", " 95.45", "Grade", "  A "}));
    // The warning a dialog would show, on standard error; the options file untouched.
    EXPECT_NE(err.str().find("Only the following can be in braces ({ and }) :"), std::string::npos) << err.str();
    EXPECT_FALSE(dir.Exists("QUORLE.PRP"));
    EXPECT_NE(out.str().find("1 page"), std::string::npos);
}

TEST_F(CommandLinePrintTest, WarningNoticesTakeTheLevelOfQuorleLowOrTheirOwn) {
    WriteText("quorle.wrn", "{firstname}");
    EXPECT_EQ(Run({"warning", classFile, "-o", dir.File("out.pdf")}), 1);
    EXPECT_NE(err.str().find("Unable to open quorle.low"), std::string::npos);

    WriteText("quorle.low", std::string("96\0", 3));
    EXPECT_EQ(Run({"warning", classFile, "-o", dir.File("out.pdf")}), 0) << err.str();
    ASSERT_EQ(device.pages.size(), 2u);  // Ann (4.55) and Bob (95.45) are below 96
    EXPECT_EQ(device.PageTexts(1), (std::vector<std::string>{"Bob", "Bob"}));

    EXPECT_EQ(Run({"warning", classFile, "-o", dir.File("out.pdf"), "--level", "4.5"}), 1);
    EXPECT_NE(err.str().find("nothing to print: no student's average is below 4.5"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("was not written"), std::string::npos);
    EXPECT_EQ(device.pages.size(), 2u);
}

}  // namespace
}  // namespace quorle::testing
