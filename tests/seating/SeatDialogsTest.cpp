// The chart dialogs' resources as the teacher sees them, and how an entry
// becomes a seat number.
#include "seating/SeatDialogs.h"

#include <gtest/gtest.h>

#include "resources/SeatingDialogs.h"

namespace quorle {
namespace {

TEST(SeatDialogResources, TheArrangementGridStandsAsTheRoom) {
    const auto d = resources::SeatsInfoDialogResource();
    EXPECT_EQ(d.caption, "Choose Seat Arrangement");
    const auto* back = d.Find(resources::kIdBackLabel);
    const auto* front = d.Find(resources::kIdFrontLabel);
    ASSERT_TRUE(back && front);
    EXPECT_EQ(back->text, "Back");
    EXPECT_EQ(front->text, "Front");
    for (int k = 0; k < 70; ++k) {
        const auto* box = d.Find(101 + k);
        ASSERT_NE(box, nullptr) << k;
        EXPECT_EQ(box->kind, platform::ControlKind::CheckBox);
        EXPECT_EQ(box->column, k / 10) << k;  // 101..110 the left column
        EXPECT_EQ(box->row, 1 + k % 10) << k;  // lowest id at the top
        EXPECT_GT(box->row, back->row);
        EXPECT_LT(box->row, front->row);
    }
    bool hint = false;
    for (const auto& c : d.controls)
        hint |= c.text == "Where there is a seat make a check mark with the mouse." && c.row > front->row;
    EXPECT_TRUE(hint);
    ASSERT_NE(d.Find(platform::kIdOk), nullptr);
    ASSERT_NE(d.Find(platform::kIdCancel), nullptr);

    for (const auto& prompt : {resources::SeatNumberDialogResource(), resources::SeatAddDialogResource()}) {
        EXPECT_EQ(prompt.caption, "Seat Number");
        EXPECT_EQ(prompt.Find(resources::kIdSeatEntry)->textLimit, 2);
    }
    const auto change = resources::ChangeSeatsDialogResource();
    EXPECT_EQ(change.caption, "Switch Seats");
    EXPECT_EQ(change.Find(101)->textLimit, 2);
    EXPECT_EQ(change.Find(102)->textLimit, 2);
}

TEST(SeatNumbers, EntriesReadAsDecimalAndRefusedWithTheirMessage) {
    const struct {
        const char* entry;
        int number;
    } numbers[] = {{"", 0}, {"7", 7}, {"07", 7}, {"12", 12}, {" 3", 3}, {"4x", 4}, {"x4", 0}, {"-1", -1}};
    for (const auto& n : numbers) EXPECT_EQ(ParseSeatNumber(n.entry), n.number) << n.entry;
    const SeatList seats = {TPeople::Seated("Ann", "Adams"), TPeople::Free()};
    EXPECT_STREQ(SeatRefusal(seats, 0), "This seat does not exist.");
    EXPECT_STREQ(SeatRefusal(seats, 3), "This seat does not exist.");
    EXPECT_STREQ(SeatRefusal(seats, 1), "This seat is already taken.");
    EXPECT_EQ(SeatRefusal(seats, 2), nullptr);
    EXPECT_EQ(SeatQuestion("Ann", "Adams"), "What seat number for Ann Adams?");
}

}  // namespace
}  // namespace quorle
