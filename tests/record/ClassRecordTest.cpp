#include <gtest/gtest.h>

#include "record/ClassRecord.h"

namespace quorle {
namespace {

TEST(ClassRecord, NewRecordHoldsOnlyThePossiblePointsRow) {
    ClassRecord record = NewClassRecord();
    ASSERT_EQ(record.RowCount(), 1);
    EXPECT_EQ(record.Row(0).lastName.View(), "Possible");
    EXPECT_EQ(record.Row(0).firstName.View(), "Points");
    EXPECT_EQ(record.Row(0).id.View(), "    ");
    for (int c = 0; c < kCategoryCount; ++c) EXPECT_TRUE(record.Row(0).scores[c].empty());
    EXPECT_EQ(record.extra1Name.View(), "Extra1");
    EXPECT_EQ(record.extra2Name.View(), "Extra2");
}

}  // namespace
}  // namespace quorle
