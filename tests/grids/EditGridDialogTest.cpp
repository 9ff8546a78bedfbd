#include "grids/EditGridDialog.h"

#include <gtest/gtest.h>

#include "resources/GridDialogs.h"
#include "support/FakeUi.h"

namespace quorle::testing {
namespace {

namespace r = resources;

TColumn Column(std::string_view heading) {
    return TColumn{FixedText<80>(heading), static_cast<std::int32_t>(heading.size())};
}

std::vector<std::string> Headings(const TColumnList& columns) {
    std::vector<std::string> out;
    for (const auto& c : columns) out.push_back(c.heading.Str());
    return out;
}

std::vector<int> Spaces(const TColumnList& columns) {
    std::vector<int> out;
    for (const auto& c : columns) out.push_back(c.spaces);
    return out;
}

// The dialog open on a grid, as the teacher sees it.
class EditGridTest : public ::testing::Test {
protected:
    void Open(TColumnList start) {
        columns = std::move(start);
        dialog = std::make_unique<TEditGridDialog>(ui, columns, [this] { ++redraws; });
        host = std::make_unique<FakeDialogHost>(*dialog);
        dialog->SetupWindow(*host);
    }
    // Types a text one key at a time after what the field holds.
    void TypeKeys(std::string_view keys) {
        std::string text = host->Text(r::kIdColumnTitle);
        for (char c : keys) {
            text += c;
            host->Type(r::kIdColumnTitle, text);
        }
    }
    std::string Number() const { return host->Text(r::kIdColumnNumber); }

    FakeUi ui;
    TColumnList columns;
    std::unique_ptr<TEditGridDialog> dialog;
    std::unique_ptr<FakeDialogHost> host;
    int redraws = 0;
};

TEST_F(EditGridTest, OpensOnTheFirstColumnOrWithNothingToDelete) {
    Open({Column("Essay"), Column("Quiz")});
    EXPECT_EQ(host->ListItems(r::kIdColumnList), (std::vector<std::string>{"Essay", "Quiz"}));
    EXPECT_EQ(host->Selection(r::kIdColumnList), 0);
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(host->Text(r::kIdColumnTitle), "Essay");
    EXPECT_TRUE(host->IsEnabled(r::kIdColumnTitle));
    EXPECT_TRUE(host->IsEnabled(r::kIdDeleteColumn));

    Open({});
    EXPECT_TRUE(host->ListItems(r::kIdColumnList).empty());
    EXPECT_EQ(Number(), "");
    EXPECT_FALSE(host->IsEnabled(r::kIdColumnTitle));
    EXPECT_FALSE(host->IsEnabled(r::kIdDeleteColumn));
}

TEST_F(EditGridTest, EveryKeyTypedBecomesTheHeadingAndRedrawsTheGrid) {
    Open({Column("Essay"), Column("Quiz")});
    host->Select(r::kIdColumnList, 1);
    EXPECT_EQ(Number(), "2");
    EXPECT_EQ(host->Text(r::kIdColumnTitle), "Quiz");
    const int before = redraws;
    TypeKeys(" 1");
    EXPECT_EQ(Headings(columns), (std::vector<std::string>{"Essay", "Quiz 1"}));
    EXPECT_EQ(Spaces(columns), (std::vector<int>{5, 6}));
    EXPECT_EQ(host->ListItems(r::kIdColumnList), (std::vector<std::string>{"Essay", "Quiz 1"}));
    EXPECT_EQ(host->Selection(r::kIdColumnList), 1);
    EXPECT_EQ(redraws, before + 2);
    // Shortening always succeeds and lowers the width.
    host->Type(r::kIdColumnTitle, "Q");
    EXPECT_EQ(Spaces(columns), (std::vector<int>{5, 1}));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(EditGridTest, FiftySpacesAreTheLimit) {
    Open({Column(std::string(45, 'A')), Column("Quiz")});
    host->Select(r::kIdColumnList, 1);
    TypeKeys("5");  // 49 + 1
    EXPECT_EQ(TotalSpaces(columns), 50);
    EXPECT_TRUE(ui.boxes.empty());

    TypeKeys("6");  // the next one is refused
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Warning");
    EXPECT_EQ(ui.boxes[0].text, "You are limited to 50 total spaces");
    EXPECT_EQ(ui.boxes[0].icon, Icon::Exclamation);
    EXPECT_EQ(columns[1], Column("Quiz5"));
    EXPECT_EQ(host->ListItems(r::kIdColumnList)[1], "Quiz5");
    EXPECT_EQ(host->Text(r::kIdColumnTitle), "Quiz56");  // the field keeps what was typed
    host->Type(r::kIdColumnTitle, "Quiz56");  // End, an arrow: nothing changed, no second warning
    EXPECT_EQ(ui.boxes.size(), 1u);

    host->Type(r::kIdColumnTitle, "Q");  // shorter at the limit
    host->Type(r::kIdColumnTitle, "Q123456789");  // pasted: counts whole
    EXPECT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(columns[1], Column("Q"));
    EXPECT_EQ(TotalSpaces(columns), 46);
}

TEST_F(EditGridTest, InsertGoesRightAfterTheSelectedColumnOrFirst) {
    Open({Column("A"), Column("B"), Column("C")});
    host->Select(r::kIdColumnList, 1);  // column 2
    host->Click(r::kIdInsertColumn);
    EXPECT_EQ(Headings(columns), (std::vector<std::string>{"A", "B", "", "C"}));
    EXPECT_EQ(Spaces(columns), (std::vector<int>{1, 1, 0, 1}));
    EXPECT_EQ(host->ListItems(r::kIdColumnList), (std::vector<std::string>{"A", "B", "", "C"}));
    EXPECT_EQ(host->Selection(r::kIdColumnList), 2);
    EXPECT_EQ(Number(), "3");
    EXPECT_EQ(host->Text(r::kIdColumnTitle), "");
    EXPECT_EQ(host->Focus(), r::kIdColumnTitle);
    TypeKeys("New");
    EXPECT_EQ(Headings(columns), (std::vector<std::string>{"A", "B", "New", "C"}));

    Open({});
    host->Click(r::kIdInsertColumn);
    EXPECT_EQ(columns.size(), 1u);
    EXPECT_EQ(Number(), "1");
    EXPECT_TRUE(host->IsEnabled(r::kIdColumnTitle));
    EXPECT_TRUE(host->IsEnabled(r::kIdDeleteColumn));
}

TEST_F(EditGridTest, DeleteSelectsTheNextColumnOrTheLastOrNothing) {
    Open({Column("A"), Column("B"), Column("C")});
    host->Select(r::kIdColumnList, 1);
    host->Click(r::kIdDeleteColumn);
    EXPECT_EQ(Headings(columns), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(Number(), "2");
    EXPECT_EQ(host->Text(r::kIdColumnTitle), "C");

    host->Click(r::kIdDeleteColumn);  // the last one: the one before it is selected
    EXPECT_EQ(Headings(columns), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Number(), "1");
    EXPECT_EQ(host->Text(r::kIdColumnTitle), "A");

    host->Click(r::kIdDeleteColumn);  // the last remaining column
    EXPECT_TRUE(columns.empty());
    EXPECT_TRUE(host->ListItems(r::kIdColumnList).empty());
    EXPECT_EQ(host->Selection(r::kIdColumnList), -1);
    EXPECT_EQ(host->Text(r::kIdColumnTitle), "");
    EXPECT_FALSE(host->IsEnabled(r::kIdColumnTitle));
    EXPECT_EQ(Number(), "");
    EXPECT_FALSE(host->IsEnabled(r::kIdDeleteColumn));
}

TEST(ColumnEditing, CancelRestoresHeadingsSpacesAndOrderExactlyAndOkKeepsTheChanges) {
    const TColumnList original{TColumn{FixedText<80>("Essay"), 5}, TColumn{FixedText<80>("Wide"), 9},
                               TColumn{FixedText<80>(""), 0}};
    auto edits = [](FakeDialogHost& host) {
        host.Select(r::kIdColumnList, 1);
        host.Type(r::kIdColumnTitle, "W");
        host.Click(r::kIdInsertColumn);
        host.Type(r::kIdColumnTitle, "Extra");
        host.Select(r::kIdColumnList, 0);
        host.Click(r::kIdDeleteColumn);
    };
    for (const bool ok : {false, true}) {
        FakeUi ui;
        TColumnList columns = original;
        int redraws = 0;
        ui.dialogs.push_back([&](FakeDialogHost& host) {
            edits(host);
            // The grid showed every change while the dialog was open.
            EXPECT_EQ(Headings(columns), (std::vector<std::string>{"W", "Extra", ""}));
            if (ok) host.PressOk();
            else host.PressCancel();
        });
        EXPECT_EQ(RunColumnEditing(ui, columns, [&] { ++redraws; }), ok);
        EXPECT_EQ(ui.dialogCaptions, std::vector<std::string>{"Change Grid Properties"});
        if (ok) EXPECT_EQ(Spaces(columns), (std::vector<int>{1, 5, 0}));
        else EXPECT_EQ(columns, original);
        EXPECT_GT(redraws, 0);
    }
}

}  // namespace
}  // namespace quorle::testing
