#include "platform/Dialog.h"

#include <gtest/gtest.h>

namespace quorle {
namespace {

TEST(FillLabel, ReplacesTheMarkerAndNeverFormats) {
    EXPECT_EQ(platform::FillLabel("%s Average", "Lab2"), "Lab2 Average");
    EXPECT_EQ(platform::FillLabel("%s", "%d%n"), "%d%n");
    EXPECT_EQ(platform::FillLabel("No marker", "x"), "No marker");
}

// What a box takes as a teacher types into it, one keystroke's text at a time.
TEST(EditRefusal, NamesWhatTheBoxTakes) {
    using platform::kStyleDigitsOnly;
    using platform::kStylePoints;
    const std::string digits = "Only digits can be typed here.";
    const std::string points = "Only digits and one decimal point, with at most two decimals, can be typed here.";
    const struct {
        unsigned style;
        const char* text;
        std::string refusal;
    } cases[] = {
        {kStylePoints, "", ""},
        {kStylePoints, "8", ""},
        {kStylePoints, "8.5", ""},
        {kStylePoints, "17.25", ""},
        {kStylePoints, ".5", ""},
        {kStylePoints, "99999", ""},
        {kStylePoints, "17.255", points},  // a third decimal
        {kStylePoints, "8.5.", points},    // a second point
        {kStylePoints, "8a", points},
        {kStylePoints, "-8", points},
        {kStylePoints, "N/A", points},  // the box shows it; nobody types it
        {kStyleDigitsOnly, "123", ""},
        {kStyleDigitsOnly, "1.5", digits},
        {platform::kStyleNone, "any text.1.2.3", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(platform::EditRefusal(c.style, c.text), c.refusal);
    }
}

}  // namespace
}  // namespace quorle

namespace quorle {
namespace {

using platform::ControlKind;
using platform::ControlResource;

ControlResource At(ControlKind kind, std::string text, int row, int column, int group = 0, int id = -1) {
    ControlResource c;
    c.kind = kind;
    c.text = std::move(text);
    c.row = row;
    c.column = column;
    c.group = group;
    c.id = id;
    return c;
}

// Which controls' texts a screen reader says for each control of a dialog.
TEST(NamingControls, EachControlIsNamedByItsTextItsLabelsOrItsGroup) {
    platform::DialogResource d;
    d.controls = {
        At(ControlKind::Static, "&Last Name:", 0, 0),          // 0
        At(ControlKind::Edit, "", 0, 1),                        // 1 named by 0
        At(ControlKind::Edit, "", 0, 2),                        // 2 no label right before it: the caption
        At(ControlKind::CheckBox, "Plus and &Minus", 1, 0),     // 3 itself
        At(ControlKind::CheckBox, "", 2, 0),                    // 4 named by the static beside it
        At(ControlKind::Static, "%s Average", 2, 1, 0, 152),    // 5
        At(ControlKind::RadioButton, "", 3, 0),                 // 6 the static is a row lower: the caption
        At(ControlKind::Static, "Grade in %s for:", 4, 1),      // 7
        At(ControlKind::Static, "", 5, 1, 0, 102),              // 8 a second line, filled when shown
        At(ControlKind::Edit, "", 6, 1),                        // 9 named by both lines
        At(ControlKind::GroupBox, "Seats", 7, 0, 0, 40),        // 10
        At(ControlKind::ComboBox, "", 0, 0, 40),                // 11 named by its group
        At(ControlKind::Static, "Rows:", 1, 0, 0),              // 12 outside the group
        At(ControlKind::ListBox, "", 1, 1, 40),                 // 13 its label is in another group: the group
        At(ControlKind::PushButton, "OK", 8, 1, 0, 1),          // 14 itself
    };
    const std::vector<std::vector<int>> expected{{0},  {0},     {},   {3},  {5},  {5},  {},   {7},
                                                 {8},  {7, 8},  {10}, {10}, {12}, {10}, {14}};
    for (std::size_t i = 0; i < d.controls.size(); ++i)
        EXPECT_EQ(platform::NamingControls(d, i), expected[i]) << "control " << i;
    EXPECT_EQ(platform::NamingControls(d, d.controls.size()), std::vector<int>{});
}

TEST(SpokenLabel, DropsMnemonicsAndTheClosingColon) {
    const struct {
        const char* label;
        const char* spoken;
    } cases[] = {
        {"&Last Name:", "Last Name"}, {"Tests:", "Tests"},   {"Fish && Chips", "Fish & Chips"},
        {"A+:", "A+"},                {"%s :", "%s"},        {"  Period : ", "Period"},
        {"&", ""},                    {":", ""},             {"", ""},
        {"Save &as...", "Save as..."},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::SpokenLabel(c.label), c.spoken) << c.label;
}

}  // namespace
}  // namespace quorle
