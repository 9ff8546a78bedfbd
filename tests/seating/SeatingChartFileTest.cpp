// The seat grid and its numbering, the chart file byte for byte, QUORLE.SEA,
// and the file hooks: copy for a new grading period, the Edit Student copy.
#include "seating/SeatingChartFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "record/Binary.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using testing::FakeUi;
using testing::TempDir;

SeatingChart ThreeDesks() {
    SeatingChart chart;
    SetDesk(chart.grid, 0, 0, true);
    SetDesk(chart.grid, 0, 2, true);
    SetDesk(chart.grid, 3, 1, true);
    chart.Recount();
    chart.seats = {TPeople::Seated("Ann", "Adams"), TPeople::Free(), TPeople::Seated("Bob", "Baker")};
    return chart;
}

TEST(SeatGrid, SeatsAreNumberedColumnByColumnFromTheBack) {
    SeatGrid grid{};
    // The left two columns, three places each.
    for (int c = 0; c < 2; ++c)
        for (int p = 0; p < 3; ++p) SetDesk(grid, c, p, true);
    const struct {
        int column, place, number;
    } cases[] = {{0, 0, 1}, {0, 1, 2}, {0, 2, 3}, {1, 0, 4}, {1, 1, 5}, {1, 2, 6}, {2, 0, 0}, {0, 3, 0}};
    for (const auto& c : cases) EXPECT_EQ(SeatNumberAt(grid, c.column, c.place), c.number) << c.column << "," << c.place;
    EXPECT_EQ(CountSeats(grid), 6);
    EXPECT_EQ(ComputeExtents(grid), (Extents{0, 1, 0, 2}));
}

TEST(SeatGrid, CountAndExtentsSeeOnlyTenByTen) {
    SeatGrid grid{};
    grid[10] = 1;                      // column 0, place 10
    grid[10 * 11 + 3] = 1;             // column 10
    EXPECT_EQ(CountSeats(grid), 0);
    EXPECT_TRUE(ComputeExtents(grid).Empty());
    SetDesk(grid, 2, 7, true);
    SetDesk(grid, 5, 4, true);
    grid[9 * 11 + 9] = 7;              // any non-zero byte is a desk
    EXPECT_EQ(CountSeats(grid), 3);
    EXPECT_EQ(ComputeExtents(grid), (Extents{2, 9, 4, 9}));
    const SeatGrid normal = NormalizedGrid(grid);
    EXPECT_EQ(normal[9 * 11 + 9], 1);
    EXPECT_EQ(normal[10], 0);
    EXPECT_EQ(CountSeats(normal), 3);
}

TEST(Seats, NamesArePaddedToFourteenAndFreeSeatsAreBlank) {
    const TPeople ann = TPeople::Seated("Ann", "Adams");
    EXPECT_EQ(ann.firstName.Str(), "Ann           ");
    EXPECT_EQ(ann.lastName.Str(), "Adams         ");
    EXPECT_EQ(TPeople::Seated("Maximilianusxyz", "L").firstName.Str(), "Maximilianusxy");
    EXPECT_TRUE(TPeople::Free().IsFree());
    EXPECT_FALSE(TPeople::Free().IsOccupied());
    // Occupied counts either name; free looks at the last name only.
    const TPeople firstOnly = TPeople::Seated("Cy", "");
    EXPECT_TRUE(firstOnly.IsFree());
    EXPECT_TRUE(firstOnly.IsOccupied());
    EXPECT_EQ(OccupiedSeats({ann, TPeople::Free(), firstOnly}), 2);
}

TEST(Seats, FindSeatMatchesBothNamesAndTakesTheFirst) {
    const SeatList seats = {TPeople::Seated("Ann", "Adams"), TPeople::Seated("Ann", "Baker"),
                            TPeople::Seated("Ann", "Baker"), TPeople::Free()};
    EXPECT_EQ(FindSeat(seats, "Baker", "Ann"), 1);
    EXPECT_EQ(FindSeat(seats, "Baker          ", "Ann"), 1);  // padded or not
    EXPECT_EQ(FindSeat(seats, "Adams", "Bob"), -1);
    EXPECT_EQ(FindSeat(seats, "", ""), 3);
}

TEST(Seats, ComputerFillSeatsEveryStudentOnce) {
    std::vector<TStudent> roster(1);
    for (int i = 0; i < 12; ++i) roster.emplace_back("L" + std::to_string(i), "F" + std::to_string(i), "1");
    for (int seats : {12, 30}) {
        SeatList list(static_cast<std::size_t>(seats), TPeople::Free());
        RandomGenerator random;
        random.Seed(857700000u + static_cast<unsigned>(seats));
        ComputerFill(list, roster, random);
        std::set<std::string> seated;
        for (const auto& s : list)
            if (!s.IsFree()) seated.insert(TrimSeatName(s.lastName.View()) + "," + TrimSeatName(s.firstName.View()));
        EXPECT_EQ(seated.size(), 12u) << seats;
        EXPECT_EQ(OccupiedSeats(list), 12) << seats;
        EXPECT_TRUE(seated.count("L11,F11")) << seats;
        // The same seed seats the class the same way.
        SeatList again(static_cast<std::size_t>(seats), TPeople::Free());
        random.Seed(857700000u + static_cast<unsigned>(seats));
        ComputerFill(again, roster, random);
        EXPECT_EQ(again, list);
    }
    SeatList full(1, TPeople::Seated("A", "B"));
    RandomGenerator random;
    EXPECT_EQ(DrawFreeSeat(full, random), -1);
}

TEST(ChartFile, ThreeDesksAreWrittenByteForByte) {
    const auto bytes = SerializeChartFile(ThreeDesks());
    ASSERT_EQ(bytes.size(), 121u + 4u + 90u);
    std::vector<unsigned char> expected(121, 0);
    expected[0] = expected[2] = expected[3 * 11 + 1] = 1;
    for (unsigned char b : {3, 0, 0, 0}) expected.push_back(b);
    auto name = [&](const std::string& text) {
        for (char ch : text) expected.push_back(static_cast<unsigned char>(ch));
        expected.push_back(0);
    };
    name("Ann           "), name("Adams         ");
    name(std::string(14, ' ')), name(std::string(14, ' '));
    name("Bob           "), name("Baker         ");
    EXPECT_EQ(bytes, expected);
    const auto back = ParseChartFile(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, ThreeDesks());
}

TEST(ChartFile, RefusesShortFilesAndCountsThatDoNotMatchTheDesks) {
    const auto good = SerializeChartFile(ThreeDesks());
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(ParseChartFile(std::span(good).first(n))) << "cut at " << n;
    for (std::int32_t count : {0, 2, 4, -1, 0x7fffffff, static_cast<std::int32_t>(0x80000000)}) {
        auto bad = good;
        ByteWriter n;
        n.WriteInt32(count);
        std::copy(n.Bytes().begin(), n.Bytes().end(), bad.begin() + 121);
        bad.resize(125 + 30 * 5, 0);  // room enough for the lie
        EXPECT_FALSE(ParseChartFile(bad)) << count;
    }
    auto longer = good;
    longer.push_back(0xAB);
    EXPECT_TRUE(ParseChartFile(longer));
    // A name without its terminator keeps its first 14 characters.
    auto unterminated = good;
    std::fill_n(unterminated.begin() + 125, 15, 'Z');
    EXPECT_EQ(ParseChartFile(unterminated)->seats[0].firstName.Str(), std::string(14, 'Z'));
}

TEST(ChartFile, PathsFollowTheClassFileAndFindEitherCase) {
    TempDir dir;
    EXPECT_EQ(ChartPath(dir.File("bio.gdr")), dir.File("bio.CHT"));
    EXPECT_EQ(ChartPath(dir.File("bio")), dir.File("bio.CHT"));
    EXPECT_FALSE(ChartExists(dir.File("bio.gdr")));
    EXPECT_FALSE(ChartExists(""));
    dir.Write("bio.cht", SerializeChartFile(ThreeDesks()));
    EXPECT_EQ(ChartPath(dir.File("bio.gdr")), dir.File("bio.cht"));
    EXPECT_TRUE(ChartExists(dir.File("bio.GDR")));
    EXPECT_TRUE(ReadChartFile(ChartPath(dir.File("bio.gdr"))));
    EXPECT_TRUE(WriteChartFile(dir.File("new.CHT"), ThreeDesks()));
    EXPECT_EQ(dir.Read("new.CHT"), SerializeChartFile(ThreeDesks()));
    EXPECT_FALSE(ReadChartFile(dir.Path()));  // a folder is not a chart
}

TEST(SeatArrangementFile, MissingIsEmptyAndTheValuesRoundTrip) {
    TempDir dir;
    EXPECT_EQ(ReadSeatArrangement(dir.Path()), SeatArrangement{});
    SeatArrangement values{};
    values[0] = values[69] = values[13] = 1;
    ASSERT_TRUE(WriteSeatArrangement(dir.Path(), values));
    const auto bytes = dir.Read("QUORLE.SEA");
    ASSERT_EQ(bytes.size(), 280u);
    EXPECT_EQ(bytes[13 * 4], 1);
    EXPECT_EQ(bytes[69 * 4], 1);
    EXPECT_EQ(ReadSeatArrangement(dir.Path()), values);
    dir.Write("QUORLE.SEA", {1, 0, 0, 0, 1, 0});
    SeatArrangement first{};
    first[0] = 1;
    EXPECT_EQ(ReadSeatArrangement(dir.Path()), first);
    EXPECT_FALSE(WriteSeatArrangement(dir.File("no/such/folder"), values));
}

TEST(CopyChart, CopiesTheChartUnchangedOrSaysWhyNot) {
    TempDir dir;
    FakeUi ui;
    // No chart: nothing to copy, nothing said.
    EXPECT_TRUE(CopyChart(ui, dir.File("old.gdr"), dir.File("new.gdr")));
    EXPECT_FALSE(dir.Exists("new.CHT"));
    auto bytes = SerializeChartFile(ThreeDesks());
    bytes.push_back(9);  // kept as it is
    dir.Write("old.CHT", bytes);
    EXPECT_TRUE(CopyChart(ui, dir.File("old.gdr"), dir.File("new.gdr")));
    EXPECT_EQ(dir.Read("new.CHT"), bytes);
    EXPECT_TRUE(ui.boxes.empty());

    // An unreadable chart is not copied; an unwritable target is reported.
    dir.Write("bad.CHT", {1, 2, 3});
    EXPECT_FALSE(CopyChart(ui, dir.File("bad.gdr"), dir.File("other.gdr")));
    EXPECT_FALSE(dir.Exists("other.CHT"));
    EXPECT_FALSE(CopyChart(ui, dir.File("old.gdr"), dir.File("missing/x.gdr")));
    ASSERT_EQ(ui.boxes.size(), 2u);
    for (const auto& box : ui.boxes) {
        EXPECT_EQ(box.caption, "Warning");
        EXPECT_EQ(box.icon, platform::Icon::Exclamation);
    }
    EXPECT_EQ(ui.boxes[0].text, "File cannot be opened!\nNot a seating chart: " + dir.File("bad.CHT"));
    EXPECT_EQ(ui.boxes[1].text, "File cannot be opened!\nNo such file or folder: " + dir.File("missing/x.CHT"));
}

TEST(ChartCopy, EditStudentLoadsTrimmedNamesAndStoresThemPadded) {
    TempDir dir;
    FakeUi ui;
    const std::string cls = dir.File("bio.gdr");
    SeatingChart copy;
    EXPECT_EQ(LoadChartCopy(ui, cls, copy), ChartCopyStatus::NoChart);
    dir.Write("bio.CHT", SerializeChartFile(ThreeDesks()));
    ASSERT_EQ(LoadChartCopy(ui, cls, copy), ChartCopyStatus::Loaded);
    EXPECT_EQ(copy.seats[0].firstName.Str(), "Ann");
    EXPECT_EQ(copy.seats[1].lastName.Str(), "");
    EXPECT_TRUE(RenameInCopy(copy, "Baker", "Bob", "Barker", "Bob"));
    EXPECT_FALSE(RenameInCopy(copy, "Nobody", "Here", "X", "Y"));
    ASSERT_TRUE(StoreChartCopy(ui, cls, copy));
    SeatingChart expected = ThreeDesks();
    expected.seats[2] = TPeople::Seated("Bob", "Barker");
    EXPECT_EQ(dir.Read("bio.CHT"), SerializeChartFile(expected));

    // Chart deleted meanwhile: nothing written. Unreadable: the warning.
    std::filesystem::remove(dir.File("bio.CHT"));
    EXPECT_TRUE(StoreChartCopy(ui, cls, copy));
    EXPECT_FALSE(dir.Exists("bio.CHT"));
    dir.Write("bio.CHT", {0});
    SeatingChart untouched;
    EXPECT_EQ(LoadChartCopy(ui, cls, untouched), ChartCopyStatus::Failed);
    EXPECT_EQ(untouched, SeatingChart{});
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{"File cannot be opened!\nNot a seating chart: " + dir.File("bio.CHT")});
}

}  // namespace
}  // namespace quorle
