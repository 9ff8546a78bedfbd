#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/Csv.h"
#include "record/RosterImport.h"

namespace quorle {
namespace {

TEST(Csv, RecordsAsRfc4180HasThem) {
    struct Case {
        std::string text;
        char delimiter;
        std::vector<CsvRecord> records;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"a,b\nc,d", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"\"x, y\",\"say \"\"hi\"\"\"\n", ',', {{"x, y", "say \"hi\""}}, {1}},
        {"\"two\nlines\",b\nnext,c\n", ',', {{"two\nlines", "b"}, {"next", "c"}}, {1, 3}},
        {"a;b;\n\n;x\n", ';', {{"a", "b", ""}, {"", "x"}}, {1, 3}},
        {"a,b\rc,d\r", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
    };
    for (const Case& c : cases) {
        const CsvTable table = ParseCsv(c.text, c.delimiter);
        EXPECT_EQ(table.errorLine, 0) << c.text;
        EXPECT_EQ(table.records, c.records) << c.text;
        EXPECT_EQ(table.lines, c.lines) << c.text;
    }
    const std::pair<std::string, int> faulty[] = {
        {"a,b\nc\"d,e\n", 2}, {"a,b\n\"c\"d,e\n", 2}, {"a\nb\n\"open,\nstill\n", 3}};
    for (const auto& [text, line] : faulty) {
        const CsvTable table = ParseCsv(text, ',');
        EXPECT_EQ(table.errorLine, line) << text;
        EXPECT_TRUE(table.records.empty()) << text;
    }
    EXPECT_EQ(GuessCsvDelimiter("Last;First;\"a,b,c\"\n1,2,3,4"), ';');
    EXPECT_EQ(GuessCsvDelimiter("Last,First\n"), ',');
    EXPECT_EQ(CsvLine({"8.63", "N/A", "O'Brien, Liam", "say \"x\"", " A"}),
              "8.63,N/A,\"O'Brien, Liam\",\"say \"\"x\"\"\",\" A\"\r\n");
}

TEST(RosterImport, TakesTheWholeFileOrNamesItsFirstFaultyLine) {
    const RosterImport good = ParseRosterCsv(
        "\xEF\xBB\xBF" "Student ID;Given Name;SURNAME\n"
        "12;Ren\xC3\xA9" "e;Dubois\n"
        "abc; Zo\xC3\xAB ;Sch\xC3\xA4" "fer\n"
        "1000;Al;Smith\n"
        "007;Bo;Lee\n");
    ASSERT_EQ(good.error, "");
    ASSERT_EQ(good.students.size(), 4u);
    EXPECT_EQ(good.students[0].last, "Dubois");
    EXPECT_EQ(good.students[0].first, "Ren\xE9" "e");  // stored as Windows-1252
    EXPECT_EQ(good.students[0].id, "12");
    EXPECT_EQ(good.students[1].first, "Zo\xEB");
    EXPECT_EQ(good.students[1].last, "Sch\xE4" "fer");
    EXPECT_EQ(good.students[1].id, "");  // not a number: proposed
    EXPECT_EQ(good.students[2].id, "");  // out of range: proposed
    EXPECT_EQ(good.students[3].id, "7");

    const std::pair<std::string, std::string> bad[] = {
        {"Last Name,First Name\nSmith,Ann\nVeryVeryLongLastName,Bob\n",
         "Line 3: the last name \"VeryVeryLongLastName\" is longer than 14 characters."},
        {"Last,First\nSmith,Ann\nJones,\n", "Line 3: the first name is empty."},
        {"Last,First\n\xE5\xBC\xA0,Wei\n", "Line 2: the last name \"\xE5\xBC\xA0\" has characters a class file cannot store."},
        {"Last,Given\nSmith,Ann\n", "Line 1: no column for the first name (\"First Name\", \"First\" or \"Given Name\")."},
        {"Name,First\nSmith,Ann\n", "Line 1: no column for the last name (\"Last Name\", \"Last\" or \"Surname\")."},
        {"Last,First,ID\nSmith,Ann,1\nLee\n", "Line 3: the line has 1 fields where the header has 3."},
        {"Last,First\nSmith,\"Ann\n", "Line 2: a quoted field is not closed."},
        {"Last,First\n", "The file holds no students."},
        {"", "The file holds no header row and no students."},
    };
    for (const auto& [text, error] : bad) {
        const RosterImport result = ParseRosterCsv(text);
        EXPECT_EQ(result.error, error) << text;
        EXPECT_TRUE(result.students.empty()) << text;
    }
}

TEST(RosterImport, StudentsAreAddedWithTheirOwnOrFreeIds) {
    ClassRecord record = NewClassRecord();
    record.Row(0).scores[kTests].push_back(TGrades{100.0f, FixedText<10>("Unit1")});
    AddStudent(record, "Old", "Timer", "5").scores[kTests][0].value = 88.0f;
    UsedIds used;
    for (int id = 1; id <= 997; ++id) used.set(static_cast<std::size_t>(id));
    used.reset(5);
    RandomGenerator random;
    const std::vector<ImportedStudent> students = {{"Lee", "Bo", ""}, {"Kim", "Al", "998"}, {"Ng", "Cy", ""}};
    EXPECT_TRUE(AppendImportedStudents(record, students, used, random));
    ASSERT_EQ(record.RowCount(), 5);
    // 998 is given in the file, so the two proposals are 5 and 999 in some order.
    const std::string a = record.Row(2).id.Str();
    const std::string c = record.Row(4).id.Str();
    EXPECT_EQ(record.Row(3).id.Str(), "998");
    EXPECT_TRUE((a == "5" && c == "999") || (a == "999" && c == "5")) << a << " " << c;
    for (int row = 2; row < 5; ++row) {
        ASSERT_EQ(record.Row(row).scores[kTests].size(), 1u);
        EXPECT_EQ(record.Row(row).scores[kTests][0].value, kOmitMarker);
    }
}

}  // namespace
}  // namespace quorle
