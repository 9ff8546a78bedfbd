#include "reports/ClassListsPrint.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "record/Random.h"
#include "reports/PrintMenuCommands.h"
#include "reports/ReportFixtures.h"

namespace quorle::testing {
namespace {

// The lists' measures on the 2400 x 3200 recording page: the report font is
// one 72nd of the page height, 44 high, so a character is 22 wide.
constexpr int kH = 44;
constexpr int kW = 22;
constexpr int kT = 10 * kW;
constexpr int kF = 15 * kW;

class ClassListsTest : public ::testing::Test {
protected:
    void PrintNames(const ClassRecord& record) {
        ui.printDialogs.push_back(PrintDialogOk(device, &parent));
        PrintNamesCommand(ui, &parent, record);
    }
    void PrintRandom(const ClassRecord& record, RecordingPrintDevice& on) {
        ui.printDialogs.push_back(PrintDialogOk(on, &parent));
        PrintRandomListCommand(ui, &parent, record);
    }
    FakeUi ui;
    FakeParent parent;
    RecordingPrintDevice device;
};

ClassRecord ClassOf(int students) {
    ClassRecord record = PointsClass();
    AddStudents(record, students);
    return record;
}

std::vector<DrawnText> At(const RecordingPrintDevice::Page& page, int y) {
    std::vector<DrawnText> out;
    for (const auto& t : page.texts)
        if (t.y == y) out.push_back(t);
    return out;
}

TEST_F(ClassListsTest, NamesAndIdsSplitFortyFiveThenFortySix) {
    // students -> the last names on each page, first and last
    const struct {
        int students;
        std::vector<std::pair<int, int>> pages;
    } cases[] = {
        {0, {{0, -1}}},
        {1, {{1, 1}}},
        {45, {{1, 45}}},
        {46, {{1, 45}, {46, 46}}},
        {91, {{1, 45}, {46, 91}}},
        {92, {{1, 45}, {46, 91}, {92, 92}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.students);
        RecordingPrintDevice on;
        ui.printDialogs.push_back(PrintDialogOk(on, &parent));
        PrintNamesCommand(ui, &parent, ClassOf(c.students));
        ASSERT_EQ(on.pages.size(), c.pages.size());
        EXPECT_EQ(on.documents, std::vector<std::string>{"Names and IDs"});
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            const auto& page = on.pages[p];
            // Every page carries the title and the column heads.
            EXPECT_EQ(Texts(At(page, 5 * kH)), std::vector<std::string>{"Names and ID's for Biology, Period 3"});
            EXPECT_EQ(Texts(At(page, 7 * kH)), (std::vector<std::string>{"Last Name", "First Name", "ID#"}));
            const auto [first, last] = c.pages[p];
            const int rows = last - first + 1;
            for (int r = 0; r < rows; ++r) {
                const int s = first + r;
                const auto row = At(page, 8 * kH + r * kH);
                ASSERT_EQ(Texts(row), (std::vector<std::string>{"Last" + std::to_string(s),
                                                                "First" + std::to_string(s), std::to_string(s)}));
                EXPECT_EQ(row[0].x, kT);
                EXPECT_EQ(row[1].x, kT + kF);
                EXPECT_EQ(row[2].x, kT + 2 * kF);
                EXPECT_EQ(row[0].fontHeight, kH);
            }
            EXPECT_TRUE(At(page, 8 * kH + rows * kH).empty());
            EXPECT_EQ(FindOn(page, "Possible"), nullptr);
        }
    }
}

TEST_F(ClassListsTest, CollatedCopiesEachCarryEveryPage) {
    ui.printDialogs.push_back(PrintDialogOk(device, &parent, [](platform::PrintSetup& setup) {
        setup.copies = 2;
        setup.flags |= platform::kPrintCollate;
    }));
    PrintNamesCommand(ui, &parent, ClassOf(46));
    ASSERT_EQ(device.documents.size(), 2u);
    ASSERT_EQ(device.pages.size(), 4u);
    EXPECT_NE(FindOn(device.pages[2], "Last1"), nullptr);
    EXPECT_NE(FindOn(device.pages[3], "Last46"), nullptr);
}

// The random list's names, place by place, block by block.
struct Placed {
    int x;
    int y;
    std::string text;
};

std::vector<std::vector<Placed>> Blocks(const RecordingPrintDevice::Page& page) {
    // Blocks are separated by two empty lines; the title stands alone above.
    std::vector<std::vector<Placed>> blocks;
    int lastY = -1;
    for (const auto& t : page.texts) {
        if (t.y == 5 * kH) continue;
        if (lastY < 0 || t.y > lastY + kH) blocks.emplace_back();
        blocks.back().push_back(Placed{t.x, t.y, t.text});
        lastY = t.y;
    }
    return blocks;
}

TEST_F(ClassListsTest, RandomListFillsThePageWithWholeOrderings) {
    PrintRandom(ClassOf(12), device);
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.documents, std::vector<std::string>{"Random Lists"});
    const auto& page = device.pages[0];
    const DrawnText* title = FindOn(page, "Random List for Biology, Period 3");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, kT / 2);
    EXPECT_EQ(title->y, 5 * kH);

    // Three names to a line (2400 / (2 x 330)), so 12 students take 4 lines;
    // a block with the gap after it is 6 lines high, and blocks follow while
    // one more ends above the bottom: 10 blocks from y = 7 lines.
    const auto blocks = Blocks(page);
    ASSERT_EQ(blocks.size(), 10u);
    const int places[] = {kT / 2, kT / 2 + 2 * kF + 2 * kW, kT / 2 + 4 * kF + 4 * kW};
    std::set<std::vector<std::string>> orders;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        SCOPED_TRACE(b);
        const auto& block = blocks[b];
        ASSERT_EQ(block.size(), 24u);  // first and last name of each student
        std::multiset<std::string> seen;
        std::vector<std::string> order;
        for (std::size_t i = 0; i < block.size(); i += 2) {
            const int place = static_cast<int>(i / 2);
            EXPECT_EQ(block[i].y, 7 * kH + static_cast<int>(b) * 6 * kH + (place / 3) * kH);
            EXPECT_EQ(block[i].x, places[place % 3]);
            EXPECT_EQ(block[i + 1].x, places[place % 3] + kF);
            ASSERT_EQ(block[i].text.substr(0, 5), "First");
            // First and last name of the same student side by side.
            EXPECT_EQ(block[i + 1].text, "Last" + block[i].text.substr(5));
            seen.insert(block[i].text);
            order.push_back(block[i].text);
        }
        EXPECT_EQ(seen.size(), 12u);
        EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()).size(), 12u);
        orders.insert(order);
    }
    // Each block is a fresh ordering of its own.
    EXPECT_GT(orders.size(), 5u);
    EXPECT_EQ(FindOn(page, "Possible"), nullptr);
}

TEST_F(ClassListsTest, RandomListIsSeededFromTheClock) {
    const ClassRecord record = ClassOf(20);
    RecordingPrintDevice first, same, later;
    PrintRandom(record, first);
    PrintRandom(record, same);
    ui.now += 1;
    PrintRandom(record, later);
    EXPECT_EQ(first.PageTexts(0), same.PageTexts(0));
    EXPECT_NE(first.PageTexts(0), later.PageTexts(0));

    // The first draws of the clock's seed decide the first block: the first
    // student drawn is entry r mod n of the seeded generator.
    RandomGenerator generator;
    generator.Seed(static_cast<std::uint32_t>(ui.now));
    int k = 0;
    do k = static_cast<int>(generator.Next() % 21u);
    while (k == 0);
    EXPECT_EQ(Blocks(later.pages[0])[0][0].text, "First" + std::to_string(k));
}

TEST_F(ClassListsTest, RandomListOfAnEmptyClassIsTheTitleOnly) {
    PrintRandom(ClassOf(0), device);
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.PageTexts(0), std::vector<std::string>{"Random List for Biology, Period 3"});
}

}  // namespace
}  // namespace quorle::testing

namespace quorle::testing {
namespace {

// A class of `students`, the first with a last name of `longest` letters.
ClassRecord WithLongestLastName(int students, int longest) {
    ClassRecord record = PointsClass();
    AddStudent(record, std::string(static_cast<std::size_t>(longest), 'W'), "Ann", "1");
    for (int i = 2; i <= students; ++i) AddStudent(record, "Li", "Bo", std::to_string(i));
    return record;
}

// The random list's font is the page's (44 high, characters 22 wide) unless
// the last place's longest last name would run past the paper's edge, or the
// first block past its bottom: then it is just small enough, and every name
// stays whole.
TEST_F(ClassListsTest, RandomListShrinksToKeepItsLastPlaceAndFirstBlockOnThePaper) {
    const struct {
        int width;
        int students;
        int longest;
        int fontHeight;
    } cases[] = {
        // Three places of 32 characters from a margin of 5; the third's last
        // name, 14 letters, ends at 98 characters: 2156 pixels.
        {2156, 3, 14, 44},
        {2155, 3, 14, 43},
        // With two students the third place stays empty.
        {2155, 2, 14, 44},
        // 7 lines above the block and 65 lines of three: 72 of the page's 72.7.
        {2400, 195, 4, 44},
        {2400, 198, 4, 43},
    };
    for (const auto& c : cases) {
        RecordingPrintDevice paper(c.width, 3200);
        PrintRandom(WithLongestLastName(c.students, c.longest), paper);
        ASSERT_EQ(paper.pages.size(), 1u) << c.width << " " << c.students;
        int right = 0;
        int bottom = 0;
        int whole = 0;
        for (const auto& t : paper.pages[0].texts) {
            EXPECT_EQ(t.fontHeight, c.fontHeight) << c.width << " " << c.students;
            right = std::max(right, t.x + static_cast<int>(t.text.size()) * (t.fontHeight / 2));
            bottom = std::max(bottom, t.y + t.fontHeight);
            if (t.text == std::string(static_cast<std::size_t>(c.longest), 'W')) ++whole;
        }
        EXPECT_LE(right, c.width) << c.width << " " << c.students;
        EXPECT_LE(bottom, 3200) << c.width << " " << c.students;
        EXPECT_GE(whole, 1) << c.width << " " << c.students;
    }
}

}  // namespace
}  // namespace quorle::testing
