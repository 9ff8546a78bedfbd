// The file side of the roster operations: which IDs a folder's class files use,
// the proposal of a free one, the transfer of a student into another class file
// and the class file of a new grading period, checked on the bytes on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/RosterFile.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using testing::TempDir;

ClassRecord ClassWithIds(int from, int to) {
    ClassRecord r = NewClassRecord();
    r.Row(0).scores[kTests].push_back(TGrades{10.0f, FixedText<10>("T1")});
    for (int id = from; id <= to; ++id) AddStudent(r, "L" + std::to_string(id), "F", std::to_string(id));
    return r;
}

std::vector<int> Flags(const UsedIds& used) {
    std::vector<int> ids;
    for (int i = 0; i <= kHighestId; ++i)
        if (used.test(static_cast<std::size_t>(i))) ids.push_back(i);
    return ids;
}

TEST(IdScan, TrustsOnlyWholeClassFilesOfTheClassFolder) {
    TempDir dir;
    ClassRecord good = ClassWithIds(1, 2);
    AddStudent(good, "Wide", "Id", "1000");  // outside 0..999: no flag
    AddStudent(good, "Neg", "Id", "-4");
    dir.Write("good.gdr", SerializeClassFile(good));
    dir.Write("UPPER.GDR", SerializeClassFile(ClassWithIds(7, 7)));
    dir.Write("other.txt", SerializeClassFile(ClassWithIds(9, 9)));  // not a class file name

    // Damaged or foreign files named .gdr give nothing, not even the IDs read
    // before the damage.
    auto truncated = SerializeClassFile(ClassWithIds(20, 22));
    truncated.resize(truncated.size() - 3);
    dir.Write("truncated.gdr", truncated);
    auto foreign = SerializeClassFile(ClassWithIds(30, 30));
    foreign[0] = 'X';
    foreign[1] = 0;
    dir.Write("foreign.gdr", foreign);
    auto huge = SerializeClassFile(ClassWithIds(40, 40));
    huge[367] = 0xFF;  // row count far beyond the bytes
    huge[368] = 0xFF;
    dir.Write("huge.gdr", huge);
    ClassRecord ragged = ClassWithIds(50, 51);
    ragged.Row(2).scores[kTests].clear();  // a row without the class's test
    dir.Write("ragged.gdr", SerializeClassFile(ragged));
    dir.Write("text.gdr", std::vector<unsigned char>{'h', 'e', 'l', 'l', 'o'});
    std::filesystem::create_directory(dir.File("folder.gdr"));

    EXPECT_EQ(Flags(ScanUsedIds(dir.Path())), (std::vector<int>{0, 1, 2, 7}));
    EXPECT_EQ(ClassFolder(dir.File("good.gdr")), dir.Path());
    EXPECT_EQ(ClassFolder("good.gdr"), ".");
}

TEST(IdScan, ProposesTheOnlyFreeNumberAndSaysWhenNoneIsFree) {
    TempDir dir;
    dir.Write("a.gdr", SerializeClassFile(ClassWithIds(1, 500)));
    dir.Write("b.gdr", SerializeClassFile(ClassWithIds(501, 998)));
    const UsedIds used = ScanUsedIds(dir.Path());
    RandomGenerator random;
    random.Seed(857700000u);
    const IdProposal proposal = ProposeId(used, random);
    EXPECT_TRUE(proposal.free);
    EXPECT_EQ(proposal.id, 999);

    UsedIds full = used;
    full.set(999);
    const IdProposal none = ProposeId(full, random);
    EXPECT_FALSE(none.free);
    EXPECT_GE(none.id, 1);
    EXPECT_LE(none.id, 999);

    // Proposals spread over the free numbers and never give a used one.
    UsedIds some;
    for (int i = 1; i <= 990; ++i) some.set(static_cast<std::size_t>(i));
    for (int k = 0; k < 50; ++k) {
        const IdProposal p = ProposeId(some, random);
        EXPECT_TRUE(p.free);
        EXPECT_GT(p.id, 990);
    }
}

TEST(TransferStudent, CarriesMatchingGradesIntoTheDestinationItemsOnly) {
    TempDir dir;
    ClassRecord destination = NewClassRecord();
    destination.info.course = "Biology";
    destination.Row(0).scores[kTests] = {TGrades{50.0f, FixedText<10>("Unit1")}, TGrades{20.0f, FixedText<10>("Quiz")}};
    destination.Row(0).scores[kLabs] = {TGrades{5.0f, FixedText<10>("Lab A")}};
    AddStudent(destination, "Old", "Olga", "12");
    destination.Row(1).scores[kTests][0].value = 44.0f;
    dir.Write("dest.gdr", SerializeClassFile(destination));

    TStudent moving("Moved", "Max", "77");
    moving.scores[kTests] = {TGrades{45.0f, FixedText<10>("Unit1")}, TGrades{18.0f, FixedText<10>("Unit2")},
                             TGrades{9.0f, FixedText<10>("Unit3")}};
    moving.scores[kHomework] = {TGrades{3.0f, FixedText<10>("HW1")}};
    ASSERT_TRUE(TransferStudent(dir.File("dest.gdr"), moving));

    ClassRecord expected = destination;
    TStudent& row = AddStudent(expected, "Moved", "Max", "77");
    row.scores[kTests][0].value = 45.0f;  // Unit1 matches; Quiz and Lab A omitted
    EXPECT_EQ(dir.Read("dest.gdr"), SerializeClassFile(expected));

    // A title contained in the destination's title counts as the same item.
    ClassRecord into = NewClassRecord();
    into.Row(0).scores[kQuizzes] = {TGrades{10.0f, FixedText<10>("Quiz 1b")}};
    TStudent q("Q", "Q", "1");
    q.scores[kQuizzes] = {TGrades{7.0f, FixedText<10>("Quiz 1")}};
    AppendTransferredStudent(into, q);
    EXPECT_EQ(into.Row(1).scores[kQuizzes][0].value, 7.0f);
    EXPECT_EQ(into.Row(1).scores[kQuizzes][0].title.View(), "Quiz 1b");
}

TEST(TransferStudent, WritesNothingToAFileThatIsNotAClass) {
    TempDir dir;
    const std::vector<unsigned char> notes{'m', 'y', ' ', 'n', 'o', 't', 'e', 's'};
    dir.Write("notes.gdr", notes);
    auto truncated = SerializeClassFile(ClassWithIds(1, 3));
    truncated.resize(truncated.size() - 1);
    dir.Write("short.gdr", truncated);
    const TStudent s("A", "B", "5");
    EXPECT_FALSE(TransferStudent(dir.File("notes.gdr"), s));
    EXPECT_FALSE(TransferStudent(dir.File("short.gdr"), s));
    EXPECT_FALSE(TransferStudent(dir.File("missing.gdr"), s));
    EXPECT_EQ(dir.Read("notes.gdr"), notes);
    EXPECT_EQ(dir.Read("short.gdr"), truncated);
    EXPECT_FALSE(dir.Exists("missing.gdr"));
}

TEST(NewGradingPeriod, FileHasTheSameStudentsAndSettingsAndNoGrades) {
    TempDir dir;
    ClassRecord r = NewClassRecord();
    r.info.course = "Chemistry";
    r.info.period = "5";
    r.grading.pointsFlag = 0;
    r.grading.weightedFlag = 1;
    r.grading.limits = {LimitText("93"), LimitText("85"), LimitText("75"), LimitText("65")};
    r.grading.weights = {LimitText("40"), LimitText("30"), LimitText("10"), LimitText("20"), LimitText("0"),
                         LimitText("0")};
    r.extra1Name = "Lab2";
    r.display.fill(1);
    for (int s = 1; s <= 5; ++s) AddStudent(r, "Last" + std::to_string(s), "First", std::to_string(100 + s));
    for (int g = 0; g < 12; ++g)
        for (auto& row : r.roster) row.scores[g % 4].push_back(TGrades{7.0f, FixedText<10>("G" + std::to_string(g))});

    ASSERT_TRUE(WriteNewGradingPeriod(r, dir.File("next.gdr")));
    const auto bytes = dir.Read("next.gdr");
    const auto source = SerializeClassFile(r);
    ASSERT_EQ(bytes.size(), kHeaderSize + 6 * kMinRowSize);
    // The header (with the row count 6) is the class's own, byte for byte.
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + kHeaderSize, source.begin()));
    for (int row = 0; row < 6; ++row) {
        const auto at = bytes.begin() + static_cast<long>(kHeaderSize + static_cast<std::size_t>(row) * kMinRowSize);
        ByteWriter names;
        names.WriteText(r.Row(row).lastName);
        names.WriteText(r.Row(row).firstName);
        names.WriteText(r.Row(row).id);
        EXPECT_TRUE(std::equal(names.Bytes().begin(), names.Bytes().end(), at)) << "row " << row;
        EXPECT_TRUE(std::all_of(at + 35, at + 59, [](unsigned char b) { return b == 0; })) << "row " << row;
    }
    EXPECT_EQ(ReadClassFile(dir.File("next.gdr")).Row(3).lastName.View(), "Last3");
}

}  // namespace
}  // namespace quorle
