// Changing, dropping and transferring a student, from the names pane and from
// Edit Student: the class file, the destination class and both seating charts.
#include <gtest/gtest.h>

#include "EditFixture.h"
#include "resources/EditDialogs.h"
#include "resources/Menus.h"
#include "resources/RosterDialogs.h"

namespace quorle::testing {
namespace {

namespace res = resources;
using platform::Answer;
using platform::Point;

Point NameOf(int row) { return Point{30, (row + 1) * 16 + 5}; }

struct StudentChangeTest : EditTest {
    void EditStudents() { f->child->Command(res::cmd::kStudentInfo); }
};

TEST_F(StudentChangeTest, DoubleClickOnANameChangesTheStudentAfterItsChecksAndRenamesTheFirstMatchingSeat) {
    ClassRecord r = SmallClass();
    r.Row(3).lastName = "Adams";  // two students named Ann Adams
    r.Row(3).firstName = "Ann";
    Open(r);
    PutChart("alg.CHT", {{"Bob", "Baker"}, {"Ann", "Adams"}, {"Ann", "Adams"}}, 4);
    std::vector<std::string> boxes;
    Script([this, &boxes](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(res::kIdEntryLastName), "Adams");
        EXPECT_EQ(h.Text(res::kIdEntryFirstName), "Ann");
        EXPECT_EQ(h.Text(res::kIdEntryId), "1");
        h.Type(res::kIdEntryFirstName, "");
        h.Type(res::kIdEntryLastName, "");
        EXPECT_FALSE(h.PressOk());
        h.Type(res::kIdEntryFirstName, "Anna");
        EXPECT_FALSE(h.PressOk());
        h.Type(res::kIdEntryLastName, "Adler");
        h.Type(res::kIdEntryId, "1000");
        EXPECT_FALSE(h.PressOk());
        h.Type(res::kIdEntryId, "999");
        boxes = Ui().BoxTexts();
        EXPECT_TRUE(h.PressOk());
    });
    f->Names().LeftDoubleClick(NameOf(1));
    EXPECT_EQ(boxes, (std::vector<std::string>{"You must put something in for a first name!!",
                                               "You must put something in for a last name!!",
                                               "The highest value an ID number can have is 999!"}));
    EXPECT_EQ(Rec().Row(1).lastName.Str(), "Adler");
    EXPECT_EQ(Rec().Row(1).firstName.Str(), "Anna");
    EXPECT_EQ(Rec().Row(1).id.Str(), "999");
    ExpectWritten();
    EXPECT_EQ(Seats(), (std::vector<std::string>{"Bob Baker", "Anna Adler", "Ann Adams", ""}));
    EXPECT_EQ(f->NamesHost().Paint().Line(32)[0].text, "Adler");

    // Cancel: the class, its file and its chart stay.
    const auto file = OnDisk();
    const auto chart = dir.Read("alg.CHT");
    Script([](FakeDialogHost& h) {
        h.Type(res::kIdEntryLastName, "Zed");
        h.PressCancel();
    });
    f->Names().LeftDoubleClick(NameOf(2));
    EXPECT_EQ(Rec().Row(2).lastName.Str(), "Baker");
    EXPECT_EQ(OnDisk(), file);
    EXPECT_EQ(dir.Read("alg.CHT"), chart);
}

TEST_F(StudentChangeTest, DroppingAStudentFreesHisSeat) {
    Open(SmallClass());
    PutChart("alg.CHT", {{"Ann", "Adams"}, {"Bob", "Baker"}}, 3);
    Ui().answers = {Answer::No};
    f->Names().RightClick(NameOf(2));
    EXPECT_EQ(Seats(), (std::vector<std::string>{"Ann Adams", "", ""}));
    EXPECT_EQ(ReadClassFile(dir.File("alg.gdr")).RowCount(), 3);
}

// A transfer, from the names pane or from Edit Student: the destination gains
// the student with its own grade items and seats him; this class loses him.
TEST_F(StudentChangeTest, ATransferMovesTheStudentToTheDestinationAndItsChart) {
    for (bool fromDialog : {false, true}) {
        SCOPED_TRACE(fromDialog ? "Edit Student" : "names pane");
        Open(SmallClass());
        ClassRecord destination = ClassOf(1);  // its tests: T1 only
        destination.fileName = dir.File("dest.gdr");
        ASSERT_TRUE(WriteClassFile(destination));
        PutChart("alg.CHT", {{"Ann", "Adams"}, {"Bob", "Baker"}}, 2);
        PutChart("dest.CHT", {{"S1", "Student1"}}, 2);
        Ui().answers = {Answer::Yes, Answer::Yes};  // transfer; the computer picks the seat
        Ui().fileNames.push_back(dir.File("dest.gdr"));
        if (fromDialog) {
            Script([](FakeDialogHost& h) {
                h.Select(res::kIdStudentList, 1);
                h.Click(res::kIdDeleteStudent);
                EXPECT_TRUE(h.Ended());
            });
            EditStudents();
        } else {
            f->Names().RightClick(NameOf(1));
        }
        EXPECT_EQ(Ui().BoxTexts(), (std::vector<std::string>{"Do you want to transfer Ann Adams to another class ?",
                                                             "Do you want the computer to assign Ann Adams a seat?"}));
        const ClassRecord dest = ReadClassFile(dir.File("dest.gdr"));
        ASSERT_EQ(dest.RowCount(), 3);
        EXPECT_EQ(dest.Row(2).lastName.Str(), "Adams");
        ASSERT_EQ(dest.Row(2).scores[kTests].size(), 1u);
        EXPECT_EQ(dest.Row(2).scores[kTests][0].value, 9.0f);
        EXPECT_EQ(Seats("dest.CHT"), (std::vector<std::string>{"S1 Student1", "Ann Adams"}));
        EXPECT_EQ(Seats(), (std::vector<std::string>{"", "Bob Baker"}));
        const ClassRecord source = ReadClassFile(dir.File("alg.gdr"));
        ASSERT_EQ(source.RowCount(), 3);
        EXPECT_EQ(source.Row(1).lastName.Str(), "Baker");
        EXPECT_EQ(f->Names().SelectionBoxCount(), 2);
    }
}

TEST_F(StudentChangeTest, EditStudentRenamesTheFirstMatchingSeatOnOkOnly) {
    for (bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        ClassRecord r = SmallClass();
        r.Row(2).lastName = "Adams";
        r.Row(2).firstName = "Ann";
        Open(r);
        PutChart("alg.CHT", {{"Ann", "Adams"}, {"Cy", "Cole"}, {"Ann", "Adams"}}, 3);
        const auto chart = dir.Read("alg.CHT");
        const auto file = OnDisk();
        Script([ok](FakeDialogHost& h) {
            h.Select(res::kIdStudentList, 2);  // the second Ann Adams
            h.Type(res::kIdEditLast, "Abbot");
            h.Type(res::kIdEditFirst, "Anne");
            if (ok)
                EXPECT_TRUE(h.PressOk());
            else
                h.PressCancel();
        });
        EditStudents();
        if (ok) {
            EXPECT_EQ(Seats(), (std::vector<std::string>{"Anne Abbot", "Cy Cole", "Ann Adams"}));
            EXPECT_EQ(Rec().Row(2).lastName.Str(), "Abbot");
            ExpectWritten();
        } else {
            EXPECT_EQ(dir.Read("alg.CHT"), chart);
            EXPECT_EQ(OnDisk(), file);
            EXPECT_EQ(Rec().Row(2).lastName.Str(), "Adams");
        }
    }
}

TEST_F(StudentChangeTest, EditStudentDoesNotOpenWhenTheChartCannotBeRead) {
    Open(SmallClass());
    dir.Write("alg.CHT", {1, 2, 3});
    const auto file = OnDisk();
    EditStudents();
    ASSERT_EQ(Ui().boxes.size(), 1u);
    EXPECT_EQ(Ui().boxes[0].caption, "Warning");
    EXPECT_EQ(Ui().boxes[0].text, "File cannot be opened!\nNot a seating chart: " + dir.File("alg.CHT"));
    EXPECT_TRUE(Ui().dialogCaptions.empty());
    EXPECT_EQ(OnDisk(), file);
    EXPECT_EQ(dir.Read("alg.CHT"), (std::vector<unsigned char>{1, 2, 3}));
}

}  // namespace
}  // namespace quorle::testing
