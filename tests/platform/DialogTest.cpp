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
