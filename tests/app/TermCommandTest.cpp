#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/ImportGradesCommand.h"
#include "app/TermCommand.h"
#include "record/ClassFile.h"
#include "record/UsualSettings.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using quorle::testing::TempDir;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

template <typename Run>
Outcome Call(Run run, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = run(args, out, err);
    return {status, out.str(), err.str()};
}

// A class with one test of 100 points; each student is {last, first, id, score}.
struct Student {
    const char* last;
    const char* first;
    const char* id;
    float score;
};
ClassRecord TestClass(const std::vector<Student>& students) {
    ClassRecord record = NewClassRecord();
    record.grading = UsualGradingSystem();
    record.Row(0).scores[kTests].push_back(TGrades{100.0f, FixedText<10>("Test")});
    for (const Student& s : students) AddStudent(record, s.last, s.first, s.id).scores[kTests][0].value = s.score;
    return record;
}

void Write(ClassRecord record, const std::string& path) {
    record.fileName = path;
    ASSERT_TRUE(WriteClassFile(record));
}

TEST(TermWeights, AsManyNumbersAsClassesWithAPositiveSum) {
    struct Case {
        const char* text;
        std::size_t classes;
        std::vector<double> weights;  // empty: refused with problem
        const char* problem;
    };
    const Case cases[] = {
        {"40,40,20", 3, {40, 40, 20}, ""},
        {"0.5,.5,0", 3, {0.5, 0.5, 0}, ""},
        {"1,2", 3, {}, "--weights needs one weight for each of the 3 classes"},
        {"1,2,3,4", 3, {}, "--weights needs one weight for each of the 3 classes"},
        {"1,-2,3", 3, {}, "the weight \"-2\" is not a number of at least 0"},
        {"1,,3", 3, {}, "the weight \"\" is not a number of at least 0"},
        {"1e3,1", 2, {}, "the weight \"1e3\" is not a number of at least 0"},
        {"0,0", 2, {}, "the weights add up to 0"},
    };
    for (const Case& c : cases) {
        std::string problem;
        const auto weights = ParseTermWeights(c.text, c.classes, problem);
        EXPECT_EQ(weights.value_or(std::vector<double>{}), c.weights) << c.text;
        EXPECT_EQ(problem, c.problem) << c.text;
    }
}

TEST(TermCommand, CombinesTheGradingPeriodsByIdNumber) {
    TempDir dir;
    // Period 1: Ann and Bo; period 2 has Bo renamed, Ann gone and Cy new.
    Write(TestClass({{"Lee", "Ann", "7", 90}, {"Diaz", "Bo", "8", 60}}), dir.File("fall-quarter-one.gdr"));
    Write(TestClass({{"Diaz", "Bob", "8", 80}, {"Fox", "Cy", "9", 70}}), dir.File("q2.gdr"));
    const std::vector<std::string> files{dir.File("fall-quarter-one.gdr"), dir.File("q2.gdr")};
    const std::string heading = "Last Name\tFirst Name\tID #\tfall-quar\tq2\tTerm Aver\tGrade\n";
    struct Case {
        std::vector<std::string> options;
        std::string out;
    };
    const Case cases[] = {
        {{}, heading + "Lee\tAnn\t7\t 90.00\t N/A\t 90.00\t  A \n"
                       "Diaz\tBob\t8\t 60.00\t 80.00\t 70.00\t  C \n"
                       "Fox\tCy\t9\t N/A\t 70.00\t 70.00\t  C \n\nClass Average\t 76.67\n"},
        {{"--weights", "1,3"}, heading + "Lee\tAnn\t7\t 90.00\t N/A\t 90.00\t  A \n"
                                         "Diaz\tBob\t8\t 60.00\t 80.00\t 75.00\t  C \n"
                                         "Fox\tCy\t9\t N/A\t 70.00\t 70.00\t  C \n\nClass Average\t 78.33\n"},
        {{"--rank", "--weights", "0,1"}, heading + "Diaz\tBob\t8\t 60.00\t 80.00\t 80.00\t  B \n"
                                                   "Fox\tCy\t9\t N/A\t 70.00\t 70.00\t  C \n"
                                                   "Lee\tAnn\t7\t 90.00\t N/A\t  0.00\t  F \n\nClass Average\t 50.00\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.options;
        args.insert(args.end(), files.begin(), files.end());
        const Outcome outcome = Call(RunTermCommand, args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.out, c.out);
    }
    // One ID number given to two students of each class: each is matched by
    // his name, in whatever order the classes hold them.
    Write(TestClass({{"Lee", "Ann", "7", 90}, {"Kim", "Jo", "7", 50}}), dir.File("a.gdr"));
    Write(TestClass({{"Kim", "Jo", "7", 70}, {"Lee", "Ann", "7", 80}}), dir.File("b.gdr"));
    EXPECT_EQ(Call(RunTermCommand, {dir.File("a.gdr"), dir.File("b.gdr")}).out,
              "Last Name\tFirst Name\tID #\ta\tb\tTerm Aver\tGrade\n"
              "Lee\tAnn\t7\t 90.00\t 80.00\t 85.00\t  B \nKim\tJo\t7\t 50.00\t 70.00\t 60.00\t  D \n\n"
              "Class Average\t 72.50\n");
    // -o writes the same table as the export's CSV.
    ASSERT_EQ(Call(RunTermCommand, {files[0], files[1], "-o", dir.File("term.csv")}).status, 0);
    const std::vector<unsigned char> csv = dir.Read("term.csv");
    EXPECT_EQ(std::string(csv.begin(), csv.end()),
              "Last Name,First Name,ID #,fall-quar,q2,Term Aver,Grade\r\nLee,Ann,7,90.00,N/A,90.00,A\r\n"
              "Diaz,Bob,8,60.00,80.00,70.00,C\r\nFox,Cy,9,N/A,70.00,70.00,C\r\n\r\nClass Average,76.67\r\n");
}

TEST(TermCommand, BadArgumentsAreUsageErrors) {
    TempDir dir;
    Write(TestClass({{"Lee", "Ann", "7", 90}}), dir.File("a.gdr"));
    const std::string a = dir.File("a.gdr");
    const std::vector<std::vector<std::string>> cases{
        {}, {"--weights", "1,2", a}, {"--weights", "-1", a}, {"--weights"}, {"--bogus", a}, {a, "-o"}, {a, "-o", a}};
    for (const auto& args : cases) EXPECT_EQ(Call(RunTermCommand, args).status, 2) << args.size();
    EXPECT_EQ(Call(RunTermCommand, {a, dir.File("missing.gdr")}).status, 1);
}

TEST(ImportGradesCommand, AddsTheColumnOrChangesNothing) {
    TempDir dir;
    const std::string cls = dir.File("bio.gdr");
    Write(TestClass({{"Lee", "Ann", "7", 90}, {"Diaz", "Bo", "8", 60}}), cls);
    dir.Write("good.csv", {'I', 'D', ';', 'S', '\n', '8', ';', '9', ',', '5', '\n'});
    dir.Write("bad.csv", {'I', 'D', ',', 'S', '\n', '9', ',', '1', '\n'});
    const std::vector<unsigned char> before = dir.Read("bio.gdr");
    const std::string good = dir.File("good.csv");
    const std::pair<std::vector<std::string>, int> refused[] = {  // the arguments, the exit status
        {{good, cls, "--category", "quiz", "--title", "Q", "--points", "10"}, 2},
        {{good, cls, "--category", "labs", "--title", "Q", "--points", "123456"}, 2},
        {{good, cls, "--category", "labs", "--title", "Q", "--points", "-1"}, 2},
        {{good, cls, "--category", "labs", "--title", "Q"}, 2},
        {{good, "--category", "labs", "--title", "Q", "--points", "1"}, 2},
        {{dir.File("bad.csv"), cls, "--category", "labs", "--title", "Q", "--points", "1"}, 1},
        {{dir.File("none.csv"), cls, "--category", "labs", "--title", "Q", "--points", "1"}, 1},
    };
    for (const auto& [args, status] : refused) {
        EXPECT_EQ(Call(RunImportGradesCommand, args).status, status) << args.back();
        EXPECT_EQ(dir.Read("bio.gdr"), before);
    }
    const Outcome outcome =
        Call(RunImportGradesCommand, {good, cls, "--category", "quizzes", "--title", "Quiz 1", "--points", "10"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "Added 1 grade to " + cls + "; 1 student left omitted\n");
    const ClassRecord record = ReadClassFile(cls);
    ASSERT_EQ(record.Row(2).scores[kQuizzes].size(), 1u);
    EXPECT_EQ(record.Row(0).scores[kQuizzes][0].value, 10.0f);
    EXPECT_EQ(record.Row(0).scores[kQuizzes][0].title.Str(), "Quiz 1");
    EXPECT_EQ(record.Row(1).scores[kQuizzes][0].value, kOmitMarker);
    EXPECT_EQ(record.Row(2).scores[kQuizzes][0].value, 9.5f);
}

}  // namespace
}  // namespace quorle
