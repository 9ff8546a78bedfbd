#include <gtest/gtest.h>

#include <sstream>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "app/CommandLine.h"
#include "app/ShowCommand.h"
#include "record/ClassFile.h"
#include "app/RunWords.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using quorle::testing::RunWords;
using quorle::testing::TempDir;

ClassRecord ShowClass() {
    ClassRecord record = NewClassRecord();
    record.grading.pointsFlag = 1;
    record.grading.limits = {LimitText("90"), LimitText("80"), LimitText("70"), LimitText("60")};
    record.extra1Name = "Project";
    record.display.fill(0);
    record.display[kShowFirstName] = 1;
    record.display[kShowGradesFirst + static_cast<int>(kTests)] = 1;
    record.display[kShowAverageFirst + static_cast<int>(kTests)] = 1;
    record.display[kShowAverageFirst + static_cast<int>(kExtra1)] = 1;
    record.display[kShowPointsFirst + static_cast<int>(kTests)] = 1;
    record.display[kShowTotalPoints] = 1;
    record.Row(0).scores[kTests].push_back(TGrades{100.0f, FixedText<10>("Cells")});
    record.Row(0).scores[kTests].push_back(TGrades{50.0f, FixedText<10>("Genetics")});
    record.Row(0).scores[kQuizzes].push_back(TGrades{10.0f, FixedText<10>("Quiz 1")});
    TStudent& a = AddStudent(record, "Dubois", "Ren\xE9" "e", "101");
    a.scores[kTests][0].value = 70.0f;
    a.scores[kTests][1].value = 45.5f;
    a.scores[kQuizzes][0].value = 9.0f;
    TStudent& b = AddStudent(record, "Brooks", "Marcus", "7");
    b.scores[kTests][0].value = 95.0f;  // second test omitted
    b.scores[kQuizzes][0].value = 10.0f;
    return record;
}

TEST(ShowTable, ColumnsFollowTheDisplayFlags) {
    const auto lines = BuildShowTable(ShowClass(), ShowOptions{});
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], (ShowLine{"Last Name", "First Name", "Cells", "Genetics", "Test Aver", "Project Aver", "Test Pts",
                                  "Total Pts", "Average", "Grade"}));
    EXPECT_EQ(lines[1], (ShowLine{"Possible", "Points", "100.00", " 50.00", "100.00", "  0.00", "150.00", "160.00",
                                  "100.00", ""}));
    // 115.5 + 9 of 160 points
    EXPECT_EQ(lines[2], (ShowLine{"Dubois", "Ren\xE9" "e", " 70.00", " 45.50", " 77.00", "  0.00", "115.50", "124.50",
                                  " 77.81", "  C "}));
    EXPECT_EQ(lines[3], (ShowLine{"Brooks", "Marcus", " 95.00", " N/A", " 95.00", "  0.00", " 95.00", "105.00",
                                  " 95.45", "  A "}));
    EXPECT_TRUE(lines[4].empty());
    EXPECT_EQ(lines[5], (ShowLine{"Class Average", " 86.63"}));
    EXPECT_EQ(lines[6], (ShowLine{"Distribution", "1", "0", "1", "0", "0"}));
}

TEST(ShowTable, AllShowsEveryColumnAndRankReorders) {
    ShowOptions options;
    options.all = true;
    options.rank = true;
    const auto lines = BuildShowTable(ShowClass(), options);
    EXPECT_EQ(lines[0], (ShowLine{"Last Name", "First Name", "ID #", "Cells", "Genetics", "Quiz 1", "Test Aver",
                                  "Quiz Aver", "HW Aver", "Lab Aver", "Project Aver", "Extra2 Aver", "Test Pts",
                                  "Quiz Pts", "HW Pts", "Lab Pts", "Project Pts", "Extra2 Pts", "Total Pts", "Poss Pts",
                                  "Average", "Grade"}));
    EXPECT_EQ(lines[1][2], "    ");  // the Possible Points row's ID
    EXPECT_EQ(lines[2][0], "Brooks");
    EXPECT_EQ(lines[2][2], "7");
    EXPECT_EQ(lines[2][18], "105.00");
    EXPECT_EQ(lines[2][19], "110.00");
    EXPECT_EQ(lines[3][0], "Dubois");
    for (std::size_t i = 1; i < 4; ++i) EXPECT_EQ(lines[i].size(), lines[0].size());
}

TEST(ShowTable, ClassWithoutStudents) {
    ClassRecord record = NewClassRecord();
    const auto lines = BuildShowTable(record, ShowOptions{});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (ShowLine{"Last Name", "Average", "Grade"}));
    EXPECT_EQ(lines[1], (ShowLine{"Possible", "  0.00", ""}));
    EXPECT_TRUE(lines[2].empty());
    EXPECT_EQ(lines[3], (ShowLine{"Distribution", "0", "0", "0", "0", "0"}));
}

TEST(ShowOutput, Utf8TabSeparated) {
    std::ostringstream out;
    WriteShowTable({{"Last Name", "First Name"}, {"Dubois", "Ren\xE9" "e"}, {}, {"Bad\tname\n", "x"}}, out);
    EXPECT_EQ(out.str(), "Last Name\tFirst Name\nDubois\tRenée\n\nBad name \tx\n");
}

TEST(ShowCommand, ReadsTheFileAndReportsFailures) {
    TempDir dir;
    ClassRecord record = ShowClass();
    record.fileName = dir.File("bio.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    std::string out, err;
    EXPECT_EQ(RunWords({"show", dir.File("bio.gdr")}, out, err), 0);
    EXPECT_EQ(err, "");
    EXPECT_EQ(out.substr(0, out.find('\n')), "Last Name\tFirst Name\tCells\tGenetics\tTest Aver\tProject Aver\tTest Pts\tTotal Pts\tAverage\tGrade");
    EXPECT_NE(out.find("Dubois\tRenée\t 70.00\t 45.50\t"), std::string::npos);
    EXPECT_NE(out.find("\nPossible\tPoints\t100.00\t 50.00\t100.00\t  0.00\t150.00\t160.00\t100.00\t\n"), std::string::npos);
    const std::string tail = "\n\nClass Average\t 86.63\nDistribution\t1\t0\t1\t0\t0\n";
    ASSERT_GT(out.size(), tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);

    EXPECT_EQ(RunWords({"show", "--rank", "--all", dir.File("bio.gdr")}, out, err), 0);
    EXPECT_EQ(out.substr(out.find("\n", out.find("\nPossible") + 1) + 1, 6), "Brooks");

    EXPECT_EQ(RunWords({"show", dir.File("none.gdr")}, out, err), 1);
    EXPECT_EQ(err, "File cannot be found!\nNo such file or folder: " + dir.File("none.gdr") + "\n");
    EXPECT_EQ(out, "");
    dir.Write("text.gdr", {'n', 'o', 't', ' ', 'a', ' ', 'c', 'l', 'a', 's', 's'});
    EXPECT_EQ(RunWords({"show", dir.File("text.gdr")}, out, err), 1);
    EXPECT_EQ(err, "Incorrect file format\n" + dir.File("text.gdr") + "\n");
}

// The command prints row by row into one buffer; every byte must be what the
// table of cells gives: the sample classes, a class without students, and
// names with accents, tabs and line breaks (a damaged file), in every order.
TEST(ShowCommand, PrintsTheTableOfCellsByteForByte) {
    ClassRecord damaged = ShowClass();
    damaged.Row(1).lastName = "Du\tbo\nis\x7F";
    damaged.Row(2).firstName = "\x80\x8D\x9F\xFF";
    damaged.Row(0).scores[kTests][0].title = FixedText<10>("Ce\rlls");
    struct Case {
        std::string what;
        ClassRecord record;
    };
    std::vector<Case> cases = {{"made here", ShowClass()}, {"damaged", damaged}, {"no students", NewClassRecord()}};
    TempDir dir;
    for (const char* name : {"biology.gdr", "algebra-weighted.gdr", "empty.gdr"}) {
        std::filesystem::copy_file(std::filesystem::path(QUORLE_EXAMPLES_DIR) / name, dir.File(name));
        cases.push_back({name, ReadClassFile(dir.File(name))});
    }
    for (const Case& c : cases)
        for (const auto& [all, rank, words] :
             {std::tuple{false, false, std::vector<std::string>{"show"}},
              std::tuple{true, false, std::vector<std::string>{"show", "--all"}},
              std::tuple{false, true, std::vector<std::string>{"show", "--rank"}},
              std::tuple{true, true, std::vector<std::string>{"show", "--all", "--rank"}}}) {
            ShowOptions options;
            options.all = all;
            options.rank = rank;
            std::ostringstream table;
            WriteShowTable(BuildShowTable(c.record, options), table);
            std::string text = "kept ";
            AppendShowText(c.record, options, text);
            EXPECT_EQ(text, "kept " + table.str()) << c.what << " all " << all << " rank " << rank;
            // Written a row at a time (every row fills the chunk), it is the same text.
            std::ostringstream chunked;
            EXPECT_TRUE(WriteShowText(c.record, options, chunked, 1)) << c.what;
            EXPECT_EQ(chunked.str(), table.str()) << c.what << " all " << all << " rank " << rank;

            ClassRecord saved = c.record;
            saved.fileName = dir.File("shown.gdr");
            ASSERT_TRUE(WriteClassFile(saved)) << c.what;
            std::vector<std::string> args = words;
            args.push_back(saved.fileName);
            std::string out, err;
            EXPECT_EQ(RunWords(args, out, err), 0) << c.what;
            EXPECT_EQ(out, table.str()) << c.what << " all " << all << " rank " << rank;
        }
}

TEST(ShowCommand, BadArgumentsGiveUsage) {
    std::string out, err;
    EXPECT_EQ(RunWords({"show"}, out, err), 2);
    EXPECT_NE(err.find("quorle show [--all] [--rank] CLASS.gdr"), std::string::npos);
    EXPECT_EQ(RunWords({"show", "--sort", "a.gdr"}, out, err), 2);
    EXPECT_EQ(RunWords({"show", "a.gdr", "b.gdr"}, out, err), 2);
    EXPECT_EQ(RunWords({"show", "--help"}, out, err), 0);
    EXPECT_NE(out.find("--rank"), std::string::npos);
}

TEST(CommandLine, RecognisesItsSubcommandsAndHelp) {
    std::string a0 = "quorle", show = "show", print = "print", help = "--help", h = "-h", helpWord = "help",
                file = "bio.gdr";
    char* showArgv[] = {a0.data(), show.data()};
    char* printArgv[] = {a0.data(), print.data()};
    char* helpArgv[] = {a0.data(), help.data()};
    char* hArgv[] = {a0.data(), h.data()};
    char* helpWordArgv[] = {a0.data(), helpWord.data()};
    char* fileArgv[] = {a0.data(), file.data()};
    EXPECT_TRUE(IsCommandLineCommand(2, showArgv));
    EXPECT_TRUE(IsCommandLineCommand(2, printArgv));
    EXPECT_TRUE(IsCommandLineCommand(2, helpArgv));
    EXPECT_TRUE(IsCommandLineCommand(2, hArgv));
    EXPECT_TRUE(IsCommandLineCommand(2, helpWordArgv));
    EXPECT_FALSE(IsCommandLineCommand(2, fileArgv));
    EXPECT_FALSE(IsCommandLineCommand(1, fileArgv));

    std::string out, err;
    EXPECT_EQ(RunWords({"--help"}, out, err), 0);
    EXPECT_NE(out.find("quorle show [--all] [--rank] CLASS.gdr"), std::string::npos);
    EXPECT_NE(out.find("quorle print REPORT CLASS.gdr -o OUT.pdf [options]  (see quorle print --help)"),
              std::string::npos);
}

}  // namespace
}  // namespace quorle
