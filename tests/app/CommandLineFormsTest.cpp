#include "app/CommandLineForms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/CommandLine.h"
#include "app/CommandLinePrint.h"
#include "record/ClassFile.h"
#include "reports/ReportFixtures.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

class CommandLineFormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClassRecord record = PointsClass();
        AddStudent(record, "Adams", "Ann", "11");
        AddStudent(record, "Baker", "Bob", "12");
        record.fileName = dir.File("bio.gdr");
        ASSERT_TRUE(WriteClassFile(record));
        classFile = record.fileName;
        services.makePdfDevice = [this](PdfBytesSink, const std::string&) -> std::unique_ptr<platform::PrintDevice> {
            return std::make_unique<WatchedDevice>(device, nullptr);
        };
        services.today = [this] { return today; };
    }

    int Run(const std::string& report, std::vector<std::string> options) {
        device = RecordingPrintDevice();
        out.str({});
        err.str({});
        std::vector<std::string> args{report, classFile, "-o", dir.File("out.pdf")};
        args.insert(args.end(), options.begin(), options.end());
        return RunPrintCommand(args, services, out, err);
    }
    std::vector<std::string> PageOne() const { return device.pages.empty() ? std::vector<std::string>{} : device.PageTexts(0); }
    bool Printed(const std::string& text) const {
        const auto texts = PageOne();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    TempDir dir;
    std::string classFile;
    CommandLineServices services;
    RecordingPrintDevice device;
    platform::Date today{2026, 12, 7};  // a Monday
    std::ostringstream out, err;
};

TEST_F(CommandLineFormsTest, EachListAndFormPrints) {
    const struct {
        const char* report;
        std::vector<std::string> options;
        std::vector<std::string> printed;  // on page one
    } cases[] = {
        {"random", {}, {"Random List for Biology, Period 3", "Ann", "Baker"}},
        {"names", {}, {"Names and ID's for Biology, Period 3", "Adams", "Ann", "11"}},
        {"sheets", {"--grades", "30"}, {"Grade Sheets for Biology, Period 3", "Adams", "A."}},
        {"attendance", {"--days", "3", "--start", "1/30/2026"}, {"Attendance Sheets for Biology, Period 3", "1/30", "2/2", "F", "M"}},
        // Without --start: today, a Monday.
        {"attendance", {"--days=5"}, {"12/7", "M", "F"}},
        // February 29 in a leap year, taken from the year of --start.
        {"attendance", {"--days", "30", "--start", "1/29/2024"}, {"1/29", "2/26", "3/4"}},
        {"attendance", {"--days", "30", "--start", "1/27/2025"}, {"1/27", "2/24", "3/3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report + (c.options.empty() ? std::string() : " " + c.options.back()));
        EXPECT_EQ(Run(c.report, c.options), 0) << err.str();
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(out.str(), dir.File("out.pdf") + ": 1 page\n");
        for (const auto& text : c.printed) EXPECT_TRUE(Printed(text)) << text;
    }
}

// Attendance sheets without --start begin today, or on the Monday after a
// Saturday or Sunday, through the program's own entry.
TEST_F(CommandLineFormsTest, TodayOnAWeekendStartsOnTheMondayAfter) {
    const struct {
        platform::Date today;
        std::vector<std::string> dates;     // the week starts printed
        std::vector<std::string> initials;  // over the two boxes
    } cases[] = {
        {{2026, 12, 4}, {"12/4", "12/7"}, {"F", "M"}},  // Friday
        {{2026, 12, 5}, {"12/7"}, {"M", "T"}},          // Saturday
        {{2026, 12, 6}, {"12/7"}, {"M", "T"}},          // Sunday
        {{2026, 12, 7}, {"12/7"}, {"M", "T"}},          // Monday
        {{2027, 1, 30}, {"2/1"}, {"M", "T"}},           // Saturday at a month's end
        {{2027, 1, 31}, {"2/1"}, {"M", "T"}},           // Sunday at a month's end
        {{2022, 12, 31}, {"1/2"}, {"M", "T"}},          // Saturday at a year's end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.today.month) + "/" + std::to_string(c.today.day) + "/" + std::to_string(c.today.year));
        today = c.today;
        device = RecordingPrintDevice();
        std::vector<std::string> words{"quorle", "print", "attendance", classFile, "-o", dir.File("out.pdf"), "--days", "2"};
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        err.str({});
        ASSERT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data(), services, out, err), 0) << err.str();
        std::vector<std::string> dates, initials;
        for (const std::string& text : PageOne()) {
            if (text.find('/') != std::string::npos) dates.push_back(text);
            if (text.size() == 1 && std::string("MTWF").find(text) != std::string::npos) initials.push_back(text);
        }
        EXPECT_EQ(dates, c.dates);
        EXPECT_EQ(initials, c.initials);
    }
}

TEST_F(CommandLineFormsTest, WhatADialogWouldRefuseGoesToStandardErrorWithStatusTwo) {
    const struct {
        const char* report;
        std::vector<std::string> options;
        std::string message;
    } cases[] = {
        {"sheets", {"--grades", "31"}, "The number of grades on the sheet must be from 1 to 30."},
        {"attendance", {"--days", "51"}, "The number of days of attendance must be from 1 to 50."},
        {"attendance", {"--days", "5", "--start", "2/29/2023"}, "February has 28 days this year."},
        {"attendance", {"--days", "5", "--start", "2/28/2026"}, "2/28/2026 is a Saturday; attendance sheets start on a school day."},
        // Bad arguments: the usage line follows.
        {"sheets", {}, "grade sheets need --grades N (1 to 30 boxes per student)"},
        {"attendance", {}, "attendance sheets need --days N (1 to 50 school days)"},
        {"attendance", {"--days", "5", "--start", "13/1/2026"}, "--start needs a date as M/D/YYYY, not '13/1/2026'"},
        {"attendance", {"--days", "5", "--grades", "3"}, "--grades belongs to the grade sheets"},
        {"sheets", {"--grades", "3", "--days", "5"}, "--days and --start belong to the attendance sheets"},
        {"names", {"--days", "5"}, "--grades, --days and --start belong to the grade and attendance sheets"},
        {"random", {"--rank"}, "--columns, --rank, --current, --last-test and --last-quiz belong to the grades report"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Run(c.report, c.options), 2);
        EXPECT_EQ(err.str().rfind("quorle print: " + c.message + "\n", 0), 0u) << err.str();
        EXPECT_TRUE(device.pages.empty());
        EXPECT_EQ(out.str(), "");
    }
}

TEST_F(CommandLineFormsTest, HelpNamesTheReportsAndTheirOptions) {
    out.str({});
    ASSERT_EQ(RunPrintCommand({"--help"}, services, out, err), 0);
    for (const char* word : {"random", "names", "sheets", "attendance", "--grades N", "--days N", "--start M/D/YYYY"})
        EXPECT_NE(out.str().find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace quorle::testing
