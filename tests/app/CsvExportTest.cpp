#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CsvExport.h"
#include "record/ClassFile.h"
#include "platform/Text1252.h"
#include "record/Csv.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using namespace quorle::testing;

// The example with omitted grades, plus and minus letters and accented names.
ClassRecord Algebra() { return ReadClassFile(QUORLE_EXAMPLES_DIR "/algebra-weighted.gdr"); }

std::vector<CsvRecord> ReadBack(const std::vector<unsigned char>& bytes) {
    const CsvTable table = ParseCsv(std::string(bytes.begin(), bytes.end()), ',');
    EXPECT_EQ(table.errorLine, 0) << table.error;
    return table.records;
}

TEST(ExportClassCommand, WritesTheShownTableAsCsvAfterTheOverwriteQuestion) {
    TempDir dir;
    const ClassRecord record = Algebra();
    dir.Write("taken.csv", {'o', 'l', 'd'});
    FakeUi ui;
    // The taken name is refused with No, then a name without extension is given one.
    ui.fileNames = {dir.File("taken.csv"), dir.File("algebra")};
    ui.answers = {Answer::No};
    ExportClassCommand(ui, record);

    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "File already exists.  Overwrite ?");
    EXPECT_EQ(dir.Read("taken.csv"), (std::vector<unsigned char>{'o', 'l', 'd'}));
    const auto rows = ReadBack(dir.Read("algebra.csv"));
    const auto shown = BuildShowTable(record, ShowOptions{});
    // Rows of the table, the empty line between students and summary skipped
    // as CSV readers skip it.
    std::vector<ShowLine> expected;
    for (const ShowLine& line : shown)
        if (!line.empty()) expected.push_back(line);
    ASSERT_EQ(rows.size(), expected.size());
    EXPECT_EQ(rows[0][0], "Last Name");
    EXPECT_EQ(rows[2][0], "\xC3\x81lvarez");  // UTF-8
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), expected[r].size()) << r;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            std::string want = expected[r][c];
            want.erase(0, std::min(want.size(), want.find_first_not_of(' ')));
            want.erase(want.find_last_not_of(' ') + 1);
            EXPECT_EQ(rows[r][c], platform::Cp1252ToUtf8(want)) << "row " << r << " column " << c;
        }
    }
    bool omitted = false;
    for (const auto& row : rows)
        for (const auto& cell : row) omitted = omitted || cell == "N/A";
    EXPECT_TRUE(omitted);

    ui.fileNames = {dir.Path() + "/no such folder/x.csv"};
    ExportClassCommand(ui, record);
    EXPECT_EQ(ui.boxes.back().text, "File cannot be opened!\nNo such file or folder: " + dir.Path() + "/no such folder/x.csv");
}

// A window's export never writes over a file of the program, whatever its
// name, nor through a link: it says so and the file stays as it was.
TEST(ExportCsvCommand, RefusesFilesOfTheProgramAndLinks) {
    TempDir dir;
    const std::vector<unsigned char> classBytes = SerializeClassFile(Algebra());
    dir.Write("class.csv", classBytes);
    dir.Write("target.txt", {'k', 'e', 'p', 't'});
    std::filesystem::create_symlink(dir.File("target.txt"), dir.File("link.csv"));
    const struct {
        const char* name;
        const char* message;
        std::vector<unsigned char> kept;
    } cases[] = {
        {"class.csv", "class.csv would write over a class file; nothing was written.", classBytes},
        {"link.csv", "link.csv is a symbolic link; nothing was written.", {'k', 'e', 'p', 't'}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeUi ui;
        ui.fileNames = {dir.File(c.name)};
        ui.answers = {Answer::Yes};  // overwrite it
        ExportCsvCommand(ui, "a,b\r\n");
        EXPECT_EQ(ui.BoxTexts().back(), c.message);
        EXPECT_EQ(dir.Read(c.name), c.kept);
        EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.csv")));
    }
}

}  // namespace
}  // namespace quorle
