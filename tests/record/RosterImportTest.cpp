#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/ClassFile.h"
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

// A control character would cut the name short or hide in it: the line is
// refused, named by its number. The printable ends (space, tilde) are names.
TEST(RosterImport, AControlCharacterInANameRefusesItsLine) {
    const struct {
        std::string line;
        std::string error;  // empty: taken
    } cases[] = {
        {std::string("Lee\0Smith,Bo", 12), "Line 3: the last name has a control character (code 0), which a name cannot hold."},
        {"Lee,B\x1B[31mo", "Line 3: the first name has a control character (code 27), which a name cannot hold."},
        {"Lee\a,Bo", "Line 3: the last name has a control character (code 7), which a name cannot hold."},
        {"Lee,B\to", "Line 3: the first name has a control character (code 9), which a name cannot hold."},
        {"Lee,Bo\x7F", "Line 3: the first name has a control character (code 127), which a name cannot hold."},
        {"Lee,\x1F", "Line 3: the first name has a control character (code 31), which a name cannot hold."},
        {"Lee Ann,Bo~", ""},
        {"\tLee ,Bo", ""},  // tabs around a name are trimmed
    };
    for (const auto& c : cases) {
        const RosterImport result = ParseRosterCsv("Last,First\nAdams,Ann\n" + c.line + "\nZed,Zoe\n");
        EXPECT_EQ(result.error, c.error) << c.line;
        EXPECT_EQ(result.students.size(), c.error.empty() ? 3u : 0u) << c.line;
    }
}

std::string RosterOf(int students, const std::string& tail = "") {
    std::string csv = "Last,First\n";
    for (int i = 0; i < students; ++i) csv += "Last" + std::to_string(i) + ",First\n";
    return csv + tail;
}

// A class holds at most 999 students (the IDs run out there) and a file of at
// most 64 MiB: a roster that would take it past either is refused before
// anyone is added, naming the limit.
TEST(RosterImport, ARosterThatWouldOutgrowTheClassIsRefused) {
    const auto withStudents = [](int count, std::size_t items) {
        ClassRecord record = NewClassRecord();
        record.Row(0).scores[kHomework].resize(items, TGrades{10.0f, FixedText<10>("HW")});
        for (int i = 0; i < count; ++i) AddStudent(record, "S", "T", std::to_string(i + 1));
        return record;
    };
    const std::string full = "The roster holds more students than the class has room for: a class holds at most 999 students, ";
    const std::string large = "With these students the class file would be larger than 64 MiB, the most a class file may hold.";
    // 430 + 14 x 100000 bytes now, and 59 + 14 x 100000 more per student: 46 fit.
    const struct {
        int has;
        std::size_t items;
        int roster;
        std::string error;
    } cases[] = {
        {0, 0, 999, ""},
        {0, 0, 1000, full + "and this one has 0."},
        {990, 0, 9, ""},
        {990, 0, 10, full + "and this one has 990."},
        {999, 0, 1, full + "and this one has 999."},
        {0, 100000, 46, ""},
        {0, 100000, 47, large},
    };
    for (const auto& c : cases) {
        const ClassRecord record = withStudents(c.has, c.items);
        const RosterImport result = ParseRosterFor(record, RosterOf(c.roster));
        EXPECT_EQ(result.error, c.error) << c.has << " + " << c.roster;
        EXPECT_EQ(result.students.size(), c.error.empty() ? static_cast<std::size_t>(c.roster) : 0u);
    }
    // A far too long roster is refused once it has shown too many students:
    // the damaged end of the file is never reached.
    const RosterImport endless = ParseRosterFor(NewClassRecord(), RosterOf(100000, "\"never closed,\n"));
    EXPECT_EQ(endless.error, full + "and this one has 0.");
    EXPECT_EQ(ParseRosterCsv(RosterOf(3, "\"never closed,\n"), 3).error, "Line 5: a quoted field is not closed.");
}

}  // namespace
}  // namespace quorle
