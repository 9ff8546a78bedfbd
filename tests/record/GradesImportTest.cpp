#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "record/GradesImport.h"

namespace quorle {
namespace {

constexpr float N = kOmitMarker;

// Four students, two of them with accents (Windows-1252) and two named alike.
ClassRecord FourStudents() {
    ClassRecord record = NewClassRecord();
    AddStudent(record, "Dubois", "Ren\xE9" "e", "108");
    AddStudent(record, "Ib\xE1\xF1" "ez", "Luc\xED" "a", "129");
    AddStudent(record, "Lee", "Ann", "7");
    AddStudent(record, "Lee Ann", "Jo", "8");
    return record;
}

TEST(GradesImport, MatchesStudentsAndReadsTheirScores) {
    struct Case {
        const char* name;
        std::string csv;
        std::string column;
        std::vector<float> values;  // rows 1..4
    };
    const Case cases[] = {
        {"ID column, leading zeros, missing student omitted", "ID #,Score\n0108,8\n129 ,9.5\n7,10\n", "", {8, 9.5f, 10, N}},
        {"last and first name, case, accents, spaces (UTF-8)",
         "Last Name,First Name,Pts\n DUBOIS ,renee,1\nIbanez,LUC\xC3\x8D" "A,2\n", "", {1, 2, N, N}},
        {"the same in Windows-1252", "Last Name;First Name;Pts\nIb\xE1\xF1" "ez;Luc\xED" "a;3\n", "", {N, 3, N, N}},
        {"one Name column, Last, First", "Name,Score\n\"Dubois, Renee\",4\n\"Lee, Ann\",5\n", "", {4, N, 5, N}},
        {"one Name column, First Last, any space", "Name,Score\nRenee Dubois,4\nJo Lee Ann,6\n", "", {4, N, N, 6}},
        {"decimal comma with semicolons", "ID;Score\n108;7,5\n", "", {7.5f, N, N, N}},
        {"empty, N/A, -, EX omitted", "ID,Score\n108,\n129,n/a\n7,-\n8,ex\n", "", {N, N, N, N}},
        {"last column of numbers, text columns passed", "ID,Quiz,Attempt,Note\n108,6,1,late\n129,7,2,\n", "", {1, 2, N, N}},
        {"--column names the scores", "ID,Quiz,Attempt\n108,6,1\n129,7,2\n", "quiz", {6, 7, N, N}},
        {"blank spreadsheet rows skipped, BOM", "\xEF\xBB\xBFID,Score\n108,3\n,\n , \n", "", {3, N, N, N}},
    };
    for (const Case& c : cases) {
        const GradesImport result = ParseGradesCsv(FourStudents(), c.csv, c.column);
        ASSERT_EQ(result.error, "") << c.name;
        std::vector<float> expected{N};
        expected.insert(expected.end(), c.values.begin(), c.values.end());
        EXPECT_EQ(result.values, expected) << c.name;
        const int added = static_cast<int>(std::count_if(c.values.begin(), c.values.end(), [](float v) { return v != N; }));
        EXPECT_EQ(result.added, added) << c.name;
        EXPECT_EQ(result.omitted, 4 - added) << c.name;
    }
}

TEST(GradesImport, RefusesTheFileNamingItsLine) {
    const struct {
        std::string csv;
        std::string error;
        const char* column = "";
    } cases[] = {
        {"ID,Score\n108,1\n999,2\n", "Line 3: the line matches no student of the class."},
        {"Name,Score\nAnn Lee Ann,1\n", "Line 2: the line matches no student of the class."},
        {"Last,First,S\nLee,Ann,1\nLEE,ann,2\n", "Line 3: Ann Lee is matched again (first on line 2)."},
        {"ID,Score\n108,1\n7,x1\n", "Line 1: no column holds scores (numbers); name it with --column."},
        {"ID,Score\n108,1\n7,-3\n", "Line 3: the score \"-3\" is negative."},
        {"Score,Email\n1,a@b\n", "Line 1: no column names the students (\"ID\", \"Last Name\" and \"First Name\", or \"Name\")."},
        {"ID,Score\n108,100000\n", "Line 2: the score \"100000\" is larger than a grade can be (99999)."},
        {"ID,Score\n", "The file holds no header row and no scores."},
        {"ID,Score\n108,\"open\n", "Line 2: a quoted field is not closed."},
        {"ID,Q\n108,abc\n", "Line 2: the score \"abc\" is not a number.", "Q"},
        {"ID,Q\n108,1\n", "Line 1: no column is headed \"Score\".", "Score"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseGradesCsv(FourStudents(), c.csv, c.column).error, c.error) << c.csv;
    // A line whose name two students share.
    ClassRecord twins = FourStudents();
    AddStudent(twins, "Lee", "Ann", "9");
    EXPECT_EQ(ParseGradesCsv(twins, "Name,S\nAnn Lee,1\n").error,
              "Line 2: the line matches two students of the class (Ann Lee and Ann Lee).");
}

}  // namespace
}  // namespace quorle
