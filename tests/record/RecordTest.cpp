#include <gtest/gtest.h>

#include <cstring>

#include "record/ClassRecord.h"
#include "record/Random.h"

namespace quorle {
namespace {

TEST(ClassRecordRows, AddedStudentGetsEveryItemOmitted) {
    ClassRecord record = NewClassRecord();
    for (const char* title : {"Test 1", "Test 2", "Test 3"})
        record.Row(0).scores[kTests].push_back(TGrades{100.0f, FixedText<10>(title)});
    record.Row(0).scores[kQuizzes].push_back(TGrades{10.0f, FixedText<10>("Quiz 1")});
    TStudent& s = AddStudent(record, "Anderson", "Emily", "101");
    ASSERT_EQ(s.scores[kTests].size(), 3u);
    ASSERT_EQ(s.scores[kQuizzes].size(), 1u);
    EXPECT_EQ(s.scores[kTests][2].title.View(), "Test 3");
    EXPECT_EQ(s.scores[kQuizzes][0].title.View(), "Quiz 1");
    for (const auto& g : s.scores[kTests]) EXPECT_EQ(g.value, kOmitMarker);
    EXPECT_EQ(s.scores[kQuizzes][0].value, kOmitMarker);
    for (int c = kHomework; c < kCategoryCount; ++c) EXPECT_TRUE(s.scores[c].empty());
}

TEST(ClassRecordRows, SwapMovesNamesIdsAndValuesButNotTitles) {
    ClassRecord record = NewClassRecord();
    record.Row(0).scores[kLabs].push_back(TGrades{25.0f, FixedText<10>("Osmosis")});
    for (int i = 1; i <= 4; ++i) {
        TStudent& s = AddStudent(record, "Last" + std::to_string(i), "First" + std::to_string(i), std::to_string(i));
        s.scores[kLabs][0].value = static_cast<float>(i * 5);
    }
    record.Row(4).scores[kLabs][0].title = "Other";  // only to see that titles stay put
    SwapAdjacent(record, 3);
    EXPECT_EQ(record.Row(3).lastName.View(), "Last4");
    EXPECT_EQ(record.Row(3).firstName.View(), "First4");
    EXPECT_EQ(record.Row(3).id.View(), "4");
    EXPECT_EQ(record.Row(3).scores[kLabs][0].value, 20.0f);
    EXPECT_EQ(record.Row(4).scores[kLabs][0].value, 15.0f);
    EXPECT_EQ(record.Row(3).scores[kLabs][0].title.View(), "Osmosis");
    EXPECT_EQ(record.Row(4).scores[kLabs][0].title.View(), "Other");
    EXPECT_THROW(SwapAdjacent(record, 0), std::out_of_range);
    EXPECT_THROW(SwapAdjacent(record, 4), std::out_of_range);
    RemoveStudent(record, 1);
    EXPECT_EQ(record.RowCount(), 4);
    EXPECT_EQ(record.Row(1).lastName.View(), "Last2");
    EXPECT_THROW(RemoveStudent(record, 0), std::out_of_range);
}

TEST(FixedTextField, KeepsAtMostSizeLessOneCharacters) {
    FixedText<10> title("Evolution");  // 9 characters fit
    EXPECT_EQ(title.View(), "Evolution");
    title = "Evolutions!";
    EXPECT_EQ(title.View(), "Evolution");
    EXPECT_EQ(title.Bytes()[9], 0);
    title = std::string_view("ab\0cd", 5);
    EXPECT_EQ(title.View(), "ab");
    for (std::size_t i = 2; i < 10; ++i) EXPECT_EQ(title.Bytes()[i], 0);
    const unsigned char raw[5] = {'1', '2', '3', '4', '5'};
    FixedText<5> id;
    id.AssignRaw(raw);
    EXPECT_EQ(id.View(), "1234");
    // A field set to a part of its own text.
    FixedText<15> last("Smith   ");
    last = last.View().substr(0, 5);
    EXPECT_EQ(last.View(), "Smith");
    EXPECT_EQ(last.Bytes()[5], 0);
}

TEST(RandomGenerator, FollowsTheLinearCongruentialRecurrence) {
    RandomGenerator random;
    random.Seed(1700000000u);
    EXPECT_EQ(random.State(), 1700000000u);
    unsigned __int128 state = 1700000000u;
    const unsigned __int128 multiplier = (static_cast<unsigned __int128>(346) << 32) + 20021;
    for (int i = 0; i < 1000; ++i) {
        state = (state * multiplier + 1) & ~static_cast<std::uint64_t>(0);
        const auto expected = static_cast<std::uint32_t>(static_cast<std::uint64_t>(state) >> 32) & 0x7FFFFFFFu;
        const std::uint32_t drawn = random.Next();
        ASSERT_EQ(drawn, expected) << i;
        ASSERT_LE(drawn, 0x7FFFFFFFu);
    }
    random.Seed(0);
    EXPECT_EQ(random.Next(), 0u);    // state 1
    EXPECT_EQ(random.Next(), 346u);  // state 346 * 2^32 + 20022
    EXPECT_EQ(&ProcessRandom(), &ProcessRandom());
}

}  // namespace
}  // namespace quorle
