#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "app/HeadlessUi.h"

namespace quorle {
namespace {

// SOURCE_DATE_EPOCH, when it holds only digits, is the clock of a headless
// run: the date on a report's header and the seed of a random list. Anything
// else leaves the real clock.
TEST(HeadlessClock, SourceDateEpochStandsInForTheClock) {
    const char* oldTz = std::getenv("TZ");
    const std::optional<std::string> savedTz = oldTz ? std::optional<std::string>(oldTz) : std::nullopt;
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const struct {
        const char* value;  // nullptr: unset
        std::optional<std::int64_t> fixed;
        int year, month, day;
    } cases[] = {
        {"1738584000", 1738584000, 2025, 2, 3},  // Monday 3 February 2025, noon
        {"0", 0, 1970, 1, 1},
        {"1738627199", 1738627199, 2025, 2, 3},  // the day's last second
        {"1738627200", 1738627200, 2025, 2, 4},
        {"12abc", std::nullopt, 0, 0, 0},
        {"-5", std::nullopt, 0, 0, 0},
        {"", std::nullopt, 0, 0, 0},
        {nullptr, std::nullopt, 0, 0, 0},
    };
    HeadlessUi ui;
    for (const auto& c : cases) {
        const std::string what = c.value ? c.value : "(unset)";
        if (c.value)
            ::setenv("SOURCE_DATE_EPOCH", c.value, 1);
        else
            ::unsetenv("SOURCE_DATE_EPOCH");
        const std::int64_t before = std::time(nullptr);
        const std::int64_t now = ui.Now();
        const platform::Date today = ui.Today();
        if (c.fixed) {
            EXPECT_EQ(now, *c.fixed) << what;
            EXPECT_EQ(today.year, c.year) << what;
            EXPECT_EQ(today.month, c.month) << what;
            EXPECT_EQ(today.day, c.day) << what;
        } else {
            EXPECT_GE(now, before) << what;
            EXPECT_LE(now, std::time(nullptr)) << what;
            EXPECT_GE(today.year, 2024) << what;
        }
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
    if (savedTz)
        ::setenv("TZ", savedTz->c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

}  // namespace
}  // namespace quorle
