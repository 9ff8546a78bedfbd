// The student information dialog: what the teacher is told, in which order,
// and what the dialog hands back.
#include <gtest/gtest.h>

#include "classwin/StudentDialog.h"
#include "resources/RosterDialogs.h"
#include "support/FakeUi.h"

namespace quorle {
namespace {

using testing::FakeDialogHost;
using testing::FakeUi;
namespace res = resources;

TEST(StudentDialog, RefusesEntriesWithTheFirstFaultInOrder) {
    const std::string unstorable = "Ma\x81x";
    const struct {
        StudentEntry entry;
        std::string message;
    } cases[] = {
        {{"", "", ""}, kFirstNameMissing},
        {{"", "Ann", "5"}, kLastNameMissing},
        {{"Smith", "   ", "5"}, kFirstNameMissing},  // spaces alone are no name
        {{" ", "Ann", "5"}, kLastNameMissing},
        {{"Van Dyke", "Mary Ann", "5"}, ""},
        {{"Smith", "Ann", "1000"}, kIdTooHigh},
        {{"Smith", "Ann", "12345"}, kIdTooHigh},
        {{"Smith", "Ann", "00999"}, kIdTooLong},
        {{"Smith", unstorable, "5"}, "The first name holds a character that cannot be stored in a class file!"},
        {{"Sm\tith", "Ann", "5"}, "The last name holds a character that cannot be stored in a class file!"},
        {{"Smith", "Ann", "999"}, ""},
        {{"Smith", "Ann", "0"}, ""},
        {{"Smith", "Ann", ""}, ""},             // no check on the ID beyond its value and width
        {{"M\xfcller", "Ren\xe9", "12"}, ""},  // accented letters are Windows-1252
    };
    for (const auto& c : cases)
        EXPECT_EQ(StudentEntryProblem(c.entry), c.message) << c.entry.last << "/" << c.entry.first << "/" << c.entry.id;
}

TEST(StudentDialog, ShowsEachMessageAndComesBackWithTheEntriesAsTyped) {
    FakeUi ui;
    std::vector<std::string> seenAfterRefusal;
    ui.dialogs.push_back([&](FakeDialogHost& host) {
        EXPECT_EQ(host.Text(res::kIdEntryId), "17");
        EXPECT_EQ(host.Focus(), res::kIdEntryLastName);
        // After each refusal the box at fault is the one to type in.
        EXPECT_FALSE(host.PressOk());  // both names empty: the first name is asked for first
        EXPECT_EQ(host.Focus(), res::kIdEntryFirstName);
        host.Type(res::kIdEntryFirstName, "Ann");
        EXPECT_FALSE(host.PressOk());
        EXPECT_EQ(host.Focus(), res::kIdEntryLastName);
        host.Type(res::kIdEntryLastName, "Smith");
        host.Type(res::kIdEntryId, "1000");
        EXPECT_FALSE(host.PressOk());
        EXPECT_EQ(host.Focus(), res::kIdEntryId);
        seenAfterRefusal = {host.Text(res::kIdEntryLastName), host.Text(res::kIdEntryFirstName),
                            host.Text(res::kIdEntryId)};
        host.Type(res::kIdEntryId, "999");
        EXPECT_TRUE(host.PressOk());
    });
    StudentEntry entry{"", "", "17"};
    ASSERT_TRUE(RunStudentDialog(ui, entry));
    EXPECT_EQ(ui.BoxTexts(), (std::vector<std::string>{kFirstNameMissing, kLastNameMissing, kIdTooHigh}));
    for (const auto& box : ui.boxes) {
        EXPECT_EQ(box.caption, "Warning");
        EXPECT_EQ(box.icon, platform::Icon::Exclamation);
    }
    EXPECT_EQ(seenAfterRefusal, (std::vector<std::string>{"Smith", "Ann", "1000"}));
    EXPECT_EQ(entry.last, "Smith");
    EXPECT_EQ(entry.first, "Ann");
    EXPECT_EQ(entry.id, "999");
    EXPECT_EQ(ui.dialogCaptions, (std::vector<std::string>{"Enter/Edit Student Information"}));
}

TEST(StudentDialog, CancelLeavesTheEntryAsItWas) {
    FakeUi ui;
    ui.dialogs.push_back([](FakeDialogHost& host) {
        host.Type(res::kIdEntryLastName, "Changed");
        host.PressCancel();
    });
    StudentEntry entry{"Adams", "Bob", "3"};
    EXPECT_FALSE(RunStudentDialog(ui, entry));
    EXPECT_EQ(entry.last, "Adams");
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace quorle
