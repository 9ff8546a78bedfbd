#include "reports/SheetsPrint.h"

#include <gtest/gtest.h>

#include "reports/PrintMenuCommands.h"
#include "reports/ReportFixtures.h"
#include "resources/SheetDialogs.h"

namespace quorle::testing {
namespace {

namespace res = resources;

// A rectangle as the recording device keeps it: four lines from the top left.
std::vector<Rect> Boxes(const RecordingPrintDevice::Page& page) {
    std::vector<Rect> out;
    for (std::size_t i = 0; i + 3 < page.lines.size(); i += 4)
        out.push_back(Rect{page.lines[i].x1, page.lines[i].y1, page.lines[i + 1].x1, page.lines[i + 1].y2});
    return out;
}

std::vector<DrawnText> At(const RecordingPrintDevice::Page& page, int y) {
    std::vector<DrawnText> out;
    for (const auto& t : page.texts)
        if (t.y == y) out.push_back(t);
    return out;
}

ClassRecord ClassOf(int students) {
    ClassRecord record = PointsClass();
    AddStudents(record, students);
    return record;
}

DialogScript TypeAndOk(std::string text) {
    return [text](FakeDialogHost& host) {
        host.Type(res::kIdCountEntry, text);
        host.PressOk();
    };
}

class SheetsTest : public ::testing::Test {
protected:
    FakeUi ui;
    FakeParent parent;
    RecordingPrintDevice device;
};

// ------------------------------------------------------------ count dialogs

TEST_F(SheetsTest, CountDialogsTakeOnlyTheirRange) {
    const struct {
        bool sheets;
        const char* typed;
        bool accepted;
    } cases[] = {
        {true, "30", true}, {true, "31", false}, {true, "0", false},
        {true, "", false},  {false, "50", true}, {false, "51", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sheets ? "sheets " : "days ") + c.typed);
        FakeUi person;
        int count = -1;
        TSheetsDialog sheets(person, count);
        TAttendanceDialog days(person, count);
        platform::Dialog& dialog = c.sheets ? static_cast<platform::Dialog&>(sheets) : days;
        FakeDialogHost host(dialog);
        dialog.SetupWindow(host);
        EXPECT_EQ(host.Focus(), res::kIdCountEntry);
        host.Type(res::kIdCountEntry, c.typed);
        EXPECT_EQ(host.PressOk(), c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(person.boxes.empty());
            EXPECT_EQ(count, std::stoi(c.typed));
        } else {
            ASSERT_EQ(person.boxes.size(), 1u);
            EXPECT_EQ(person.boxes[0].caption, "Information");
            EXPECT_EQ(person.boxes[0].icon, Icon::Exclamation);
            EXPECT_EQ(person.boxes[0].text, c.sheets ? "The number of grades on the sheet must be from 1 to 30."
                                                     : "The number of days of attendance must be from 1 to 50.");
            // The dialog stays open with the entry as typed.
            EXPECT_FALSE(host.Ended());
            EXPECT_EQ(host.Text(res::kIdCountEntry), c.typed);
            EXPECT_EQ(count, -1);
        }
    }
}

// ------------------------------------------------------------- grade sheets

// One 60th of 3200: the character is 53 high and 26 wide.
constexpr int kSheetH = 53;
constexpr int kSheetW = 26;
constexpr int kSheetT = 10 * kSheetW;

TEST_F(SheetsTest, GradeSheetsDrawANameBoxAndTheGradeBoxesOnPagesOf45Then46) {
    ClassRecord record = ClassOf(46);
    ui.dialogs.push_back(TypeAndOk("3"));
    ui.printDialogs.push_back(PrintDialogOk(device, &parent));
    PrintGradeSheetsCommand(ui, &parent, record);
    EXPECT_EQ(ui.dialogCaptions, std::vector<std::string>{"Number of Grades"});
    EXPECT_EQ(device.documents, std::vector<std::string>{"Grade Sheets"});
    ASSERT_EQ(device.pages.size(), 2u);

    const int nameBox = kSheetT + 2 * kSheetW;
    for (std::size_t p = 0; p < 2; ++p) {
        const auto& page = device.pages[p];
        const DrawnText* title = FindOn(page, "Grade Sheets for Biology, Period 3");
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->x, kSheetT / 5);
        EXPECT_EQ(title->y, 0);
        EXPECT_EQ(title->fontHeight, kSheetH);
        const int students = p == 0 ? 45 : 1;
        const auto boxes = Boxes(page);
        ASSERT_EQ(boxes.size(), static_cast<std::size_t>(students * 4));
        for (int r = 0; r < students; ++r) {
            const int s = (p == 0 ? 1 : 46) + r;
            const int y = 5 * kSheetH + r * kSheetH;
            const auto row = At(page, y);
            ASSERT_EQ(Texts(row), (std::vector<std::string>{"Last" + std::to_string(s), "F."}));
            EXPECT_EQ(row[0].x, 0);
            EXPECT_EQ(row[1].x, kSheetT);
            EXPECT_EQ(boxes[static_cast<std::size_t>(r * 4)], (Rect{0, y, nameBox, y + kSheetH}));
            for (int g = 0; g < 3; ++g) {
                const int x = nameBox + g * 2 * kSheetW;
                EXPECT_EQ(boxes[static_cast<std::size_t>(r * 4 + 1 + g)], (Rect{x, y, x + 2 * kSheetW, y + kSheetH}));
            }
        }
    }
}

// -------------------------------------------------------- first day dialog

struct DateCase {
    int monthId;
    std::string date;
    std::vector<Answer> leapAnswers;
    std::vector<std::string> boxes;  // texts shown, in order
    bool accepted;
    bool leapYear;
};

const char* const kLeapQuestion = "Is this year a leap year?";

TEST_F(SheetsTest, FirstDayIsCheckedAgainstItsMonth) {
    const int jan = res::kIdJanuary;
    const std::vector<DateCase> cases = {
        {jan, "31", {}, {}, true, false},
        {jan, "32", {}, {"January has 31 days."}, false, false},
        {jan + 1, "28", {Answer::No}, {kLeapQuestion}, true, false},
        {jan + 1, "29", {Answer::No}, {kLeapQuestion, "February has 28 days this year."}, false, false},
        {jan + 1, "29", {Answer::Yes}, {kLeapQuestion}, true, true},
        {jan + 1, "30", {Answer::Yes}, {kLeapQuestion, "February has 29 days this year."}, false, true},
        {jan + 3, "31", {}, {"April has 30 days."}, false, false},
        {jan + 3, "30", {}, {}, true, false},
        {jan + 8, "31", {}, {"September has 30 days."}, false, false},
        {jan + 11, "32", {}, {"December has 31 days."}, false, false},
        {jan + 11, "31", {}, {}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.monthId - jan + 1) + "/" + c.date);
        FakeUi person;
        person.answers.assign(c.leapAnswers.begin(), c.leapAnswers.end());
        TFirstDay first;
        TDateInfoDialog dialog(person, 5, first);
        FakeDialogHost host(dialog);
        dialog.SetupWindow(host);
        host.Click(c.monthId);
        host.Type(res::kIdDateEntry, c.date);
        EXPECT_EQ(host.PressOk(), c.accepted);
        EXPECT_EQ(person.BoxTexts(), c.boxes);
        for (const auto& box : person.boxes) {
            if (box.text == kLeapQuestion) {
                EXPECT_EQ(box.caption, "Question");
                EXPECT_EQ(box.buttons, Buttons::YesNo);
                EXPECT_EQ(box.icon, Icon::Question);
            } else {
                EXPECT_EQ(box.caption, "Information");
                EXPECT_EQ(box.icon, Icon::Information);
            }
        }
        EXPECT_EQ(first.leapYear, c.leapYear);
        if (c.accepted) {
            EXPECT_EQ(first.date, (TDates{c.monthId - jan + 1, std::stoi(c.date)}));
        }
    }
}

TEST_F(SheetsTest, JanuaryAsksAboutLeapYearOnlyWhenThePeriodMayReachFebruarysEnd) {
    const struct {
        int days;
        const char* date;
        bool asked;
    } cases[] = {
        {30, "20", true},   // 30 x 7 / 5 + 1 = 43 >= 59 - 20
        {30, "15", false},  // 43 < 44
        {50, "40", false},  // no valid date, no question
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.days) + " days from 1/" + c.date);
        FakeUi person;
        person.answers.push_back(Answer::Yes);
        TFirstDay first;
        TDateInfoDialog dialog(person, c.days, first);
        FakeDialogHost host(dialog);
        dialog.SetupWindow(host);
        host.Type(res::kIdDateEntry, c.date);
        host.PressOk();
        const auto texts = person.BoxTexts();
        EXPECT_EQ(!texts.empty() && texts.back() == kLeapQuestion, c.asked);
        EXPECT_EQ(first.leapYear, c.asked);
    }
}

// -------------------------------------------------------------- week starts

TEST_F(SheetsTest, WeekStartsFollowTheSchoolWeeksAndTheAnswers) {
    const struct {
        TDates first;
        int weekday;
        int days;
        bool leap;
        std::vector<bool> answers;         // to "Start next week with ...?"
        std::vector<std::string> asked;    // the dates asked about
        std::vector<std::string> starts;
    } cases[] = {
        {{1, 30}, kFriday, 3, false, {}, {"2/2"}, {"1/30", "2/2"}},
        {{3, 2}, kMonday, 6, false, {false, true}, {"3/9", "3/16"}, {"3/2", "3/16"}},
        {{12, 29}, kMonday, 6, false, {}, {"1/5"}, {"12/29", "1/5"}},
        {{2, 26}, kFriday, 2, true, {}, {"2/29"}, {"2/26", "2/29"}},
        {{2, 26}, kFriday, 2, false, {}, {"3/1"}, {"2/26", "3/1"}},
        {{4, 29}, 2, 3, false, {}, {}, {"4/29"}},
        {{1, 5}, kMonday, 1, false, {}, {}, {"1/5"}},
        {{1, 30}, kFriday, 1, false, {}, {}, {"1/30"}},
        {{9, 1}, kMonday, 50, false, {}, {"9/8", "9/15", "9/22", "9/29", "10/6", "10/13", "10/20", "10/27", "11/3"},
         {"9/1", "9/8", "9/15", "9/22", "9/29", "10/6", "10/13", "10/20", "10/27", "11/3"}},
        // A holiday week over New Year: the skip rolls into January.
        {{12, 22}, kMonday, 6, false, {false, true}, {"12/29", "1/5"}, {"12/22", "1/5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first.Text() + " for " + std::to_string(c.days));
        std::vector<std::string> asked;
        std::size_t next = 0;
        const auto starts = WeekStarts(c.first, c.weekday, c.days, c.leap, [&](const TDates& monday) {
            asked.push_back(monday.Text());
            return next < c.answers.size() ? c.answers[next++] : true;
        });
        std::vector<std::string> texts;
        for (const auto& s : starts) texts.push_back(s.Text());
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(texts, c.starts);
    }
}

// -------------------------------------------------------- attendance sheets

class AttendanceTest : public SheetsTest {
protected:
    // Length of Attendance, then the first day; the Next Week questions take
    // the answers queued in ui.answers (Yes when none).
    void Print(const ClassRecord& record, int days, int weekdayId, int monthId, const std::string& date) {
        ui.dialogs.push_back(TypeAndOk(std::to_string(days)));
        ui.dialogs.push_back([=](FakeDialogHost& host) {
            host.Click(weekdayId);
            host.Click(monthId);
            host.Type(res::kIdDateEntry, date);
            host.PressOk();
        });
        ui.printDialogs.push_back(PrintDialogOk(device, &parent));
        PrintAttendanceCommand(ui, &parent, record);
    }
};

TEST_F(AttendanceTest, FridayJanuary30ForThreeDays) {
    Print(ClassOf(2), 3, res::kIdFriday, res::kIdJanuary, "30");
    EXPECT_EQ(ui.dialogCaptions, (std::vector<std::string>{"Length of Attendance", "First Day for Attendance"}));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Next Week");
    EXPECT_EQ(ui.boxes[0].text, "Start next week with 2/2?");
    EXPECT_EQ(ui.boxes[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.boxes[0].icon, Icon::Question);
    EXPECT_EQ(device.documents, std::vector<std::string>{"Attendance Sheets"});
    ASSERT_EQ(device.pages.size(), 1u);
    const auto& page = device.pages[0];

    // Up to 30 days the font is one 60th of eight ninths of the page (2844 / 60).
    constexpr int h = 47, w = 23, t = 10 * w, x0 = t + 2 * w;
    const DrawnText* title = FindOn(page, "Attendance Sheets for Biology, Period 3");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, t / 5);
    EXPECT_EQ(title->y, 0);
    EXPECT_EQ(title->fontHeight, h);

    // Boxes F, M, T: a gap of one character after Friday.
    const int left[] = {x0, x0 + 3 * w, x0 + 5 * w};
    const auto dates = At(page, 3 * h);
    ASSERT_EQ(Texts(dates), (std::vector<std::string>{"1/30", "2/2"}));
    EXPECT_EQ(dates[0].x, x0 - 2 * w);
    EXPECT_EQ(dates[1].x, left[1]);
    const auto initials = At(page, 4 * h);
    ASSERT_EQ(Texts(initials), (std::vector<std::string>{"F", "M", "T"}));
    for (int d = 0; d < 3; ++d) EXPECT_EQ(initials[static_cast<std::size_t>(d)].x, left[d] + w / 2);

    const auto boxes = Boxes(page);
    ASSERT_EQ(boxes.size(), 6u);
    for (int r = 0; r < 2; ++r) {
        const int y = 5 * h + r * 2 * h;
        const auto row = At(page, y + h / 2);
        ASSERT_EQ(Texts(row), (std::vector<std::string>{"Last" + std::to_string(r + 1), "F."}));
        EXPECT_EQ(row[0].x, 0);
        EXPECT_EQ(row[1].x, t);
        for (int d = 0; d < 3; ++d)
            EXPECT_EQ(boxes[static_cast<std::size_t>(r * 3 + d)], (Rect{left[d], y, left[d] + 2 * w, y + 2 * h}));
    }
    // The initials stand over the first row only.
    EXPECT_EQ(CountOn(page, "M"), 1);
}

TEST_F(AttendanceTest, FontAndPageSplitFollowTheNumberOfDays) {
    const struct {
        int days;
        int students;
        int fontHeight;       // printed: (3200 * 8 / 9) / N
        int countingHeight;   // for the page split: 3200 / N
        std::vector<int> pageSizes;
    } cases[] = {
        // N = 60: rows of 2 x 53 while below 3200 - 530: 26, then 27 a page.
        {30, 54, 47, 53, {26, 27, 1}},
        // N = 62
        {31, 27, 46, 52, {26, 1}},
        // N = 100: rows of 64 while below 2880: 45, then 46.
        {50, 46, 28, 32, {45, 1}},
        {50, 0, 28, 32, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.days) + " days, " + std::to_string(c.students) + " students");
        RecordingPrintDevice on;
        ui.dialogs.push_back(TypeAndOk(std::to_string(c.days)));
        ui.dialogs.push_back([](FakeDialogHost& host) {
            host.Click(res::kIdJanuary + 8);
            host.Type(res::kIdDateEntry, "1");
            host.PressOk();
        });
        ui.printDialogs.push_back(PrintDialogOk(on, &parent));
        PrintAttendanceCommand(ui, &parent, ClassOf(c.students));
        ASSERT_FALSE(on.Canvas().fonts.empty());
        EXPECT_EQ(on.Canvas().fonts[0].height, -c.countingHeight);
        ASSERT_EQ(on.pages.size(), c.pageSizes.size());
        const int h = c.fontHeight;
        const int w = h / 2;
        int student = 1;
        for (std::size_t p = 0; p < c.pageSizes.size(); ++p) {
            const auto& page = on.pages[p];
            EXPECT_EQ(page.texts.at(0).fontHeight, h);
            EXPECT_EQ(Boxes(page).size(), static_cast<std::size_t>(c.pageSizes[p] * c.days));
            if (c.pageSizes[p] == 0) continue;
            EXPECT_EQ(FindOn(page, "Last" + std::to_string(student))->y, 5 * h + h / 2);
            student += c.pageSizes[p];
            EXPECT_EQ(FindOn(page, "Last" + std::to_string(student - 1))->y, 5 * h + (c.pageSizes[p] - 1) * 2 * h + h / 2);
            // The last box of a row: a Monday start puts a gap after every
            // fifth box before it.
            const auto boxes = Boxes(page);
            const int last = c.days - 1;
            EXPECT_EQ(boxes[static_cast<std::size_t>(last)].left, 12 * w + last * 2 * w + (last / 5) * w);
        }
    }
}

TEST_F(AttendanceTest, ClosingTheFirstDayDialogOrCancellingTheLengthPrintsNothing) {
    ui.dialogs.push_back(TypeAndOk("5"));  // the first day dialog then closes unscripted
    PrintAttendanceCommand(ui, &parent, ClassOf(2));
    PrintAttendanceCommand(ui, &parent, ClassOf(2));  // Cancel at the length
    EXPECT_EQ(ui.dialogCaptions, (std::vector<std::string>{"Length of Attendance", "First Day for Attendance",
                                                           "Length of Attendance"}));
    EXPECT_EQ(ui.printDialogCount, 0);
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
}  // namespace quorle::testing

namespace quorle::testing {
namespace {

// The initial stands one ten-character width from the left on both forms; a
// last name keeps a character's space before it.
TEST_F(AttendanceTest, ALastNameKeepsASpaceBeforeTheInitial) {
    const struct {
        const char* last;
        const char* printed;
    } names[] = {{"Abernathys", "Abernathy"}, {"Abernathy", "Abernathy"}, {"Featherstonemw", "Featherst"}};
    for (bool attendance : {false, true}) {
        for (const auto& n : names) {
            ClassRecord record = PointsClass();
            AddStudent(record, n.last, "Maria", "1");
            device = RecordingPrintDevice();
            if (attendance) {
                Print(record, 5, res::kIdMonday, res::kIdJanuary + 2, "2");
            } else {
                ui.dialogs.push_back(TypeAndOk("3"));
                ui.printDialogs.push_back(PrintDialogOk(device, &parent));
                PrintGradeSheetsCommand(ui, &parent, record);
            }
            ASSERT_EQ(device.pages.size(), 1u) << n.last;
            const DrawnText* name = FindOn(device.pages[0], n.printed);
            const DrawnText* initial = FindOn(device.pages[0], "M.");
            ASSERT_NE(name, nullptr) << n.last << (attendance ? " attendance" : " sheets");
            ASSERT_NE(initial, nullptr) << n.last;
            EXPECT_EQ(name->x, 0);
            EXPECT_EQ(initial->y, name->y);
            // Characters are half the font's height wide.
            EXPECT_LT(static_cast<int>(std::string(n.printed).size()) * (name->fontHeight / 2), initial->x) << n.last;
        }
    }
}

// The last week's date stands over its Monday box and may reach past the
// last box: the sheet's font then shrinks for it as for the boxes.
TEST_F(AttendanceTest, TheLastWeeksDateStaysOnThePaper) {
    // 30 days from Wednesday 9/4: the date 10/14 over box 28, at character
    // 12 + 56 + 6 = 74, ends at 79 characters of 23 pixels: 1817.
    for (const int width : {1817, 1816}) {
        device = RecordingPrintDevice(width, 3200);
        Print(ClassOf(2), 30, res::kIdMonday + 2, res::kIdJanuary + 8, "4");
        ASSERT_EQ(device.pages.size(), 1u);
        const DrawnText* date = FindOn(device.pages[0], "10/14");
        ASSERT_NE(date, nullptr);
        // 46 would still draw characters 23 wide.
        EXPECT_EQ(date->fontHeight, width == 1817 ? 47 : 45) << width;
        EXPECT_LE(date->x + 5 * (date->fontHeight / 2), width) << width;
    }
}

}  // namespace
}  // namespace quorle::testing
