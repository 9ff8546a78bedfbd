// The names and grades panes: layout, painting, scrolling, hit testing,
// selection boxes, the status bar and the keys.
#include <gtest/gtest.h>

#include "ClassFixture.h"
#include "grading/Compute.h"
#include "support/RecordingCanvas.h"

namespace quorle::testing {
namespace {

using platform::Key;
using platform::Point;
using platform::Rect;

std::vector<std::string> Texts(const std::vector<DrawnText>& line) {
    std::vector<std::string> out;
    for (const auto& t : line) out.push_back(t.text);
    return out;
}
std::vector<int> Xs(const std::vector<DrawnText>& line) {
    std::vector<int> out;
    for (const auto& t : line) out.push_back(t.x);
    return out;
}

// Paints what a pane shows at its scroll position: the clip is the client
// area moved by the scroll offset (the canvas origin is moved by the host).
RecordingCanvas PaintVisible(platform::Window& pane, platform::Size client) {
    const auto& s = pane.GetScroller();
    const int x = s.xPos * s.xUnit;
    const int y = s.yPos * s.yUnit;
    RecordingCanvas canvas(client.cx, client.cy);
    pane.Paint(canvas, Rect{x, y, x + client.cx, y + client.cy});
    return canvas;
}

RecordingCanvas PaintAll(platform::Window& pane) {
    RecordingCanvas canvas;
    pane.Paint(canvas, Rect{0, 0, 1 << 24, 1 << 24});
    return canvas;
}

TEST(PaneLayout, NamesPaneWidthFollowsTheFlagsAndGradesPaneTakesTheRest) {
    ClassWindowFixture f(SmallClass());
    EXPECT_EQ(f.Host().Panes(), (std::vector<platform::Window*>{&f.Names(), &f.Grades()}));
    EXPECT_EQ(f.Host().PanePlacement(f.Names()), (Rect{0, 0, 300, 600}));  // 120 + 20 + 120 + 40
    EXPECT_EQ(f.Host().PanePlacement(f.Grades()), (Rect{300, 0, 800, 600}));
    EXPECT_EQ(f.NamesHost().ClientSize(), (platform::Size{300, 600}));

    f.child->Record().display[kShowFirstName] = 0;
    f.child->Relayout();
    EXPECT_EQ(f.Host().PanePlacement(f.Names()), (Rect{0, 0, 180, 600}));  // 120 + 20 + 40
    f.child->Record().display[kShowId] = 0;
    f.child->Relayout();
    EXPECT_EQ(f.Host().PanePlacement(f.Names()), (Rect{0, 0, 140, 600}));
    EXPECT_EQ(f.Host().PanePlacement(f.Grades()), (Rect{140, 0, 800, 600}));
}

TEST(PaneLayout, ResizingLaysOutAgainAndScrollsTheGradesPaneHome) {
    ClassWindowFixture f(BigClass(60, 40));
    f.Grades().ScrollTo(5, 20);
    EXPECT_EQ(f.Names().GetScroller().yPos, 0);  // follows at the next paint or sync
    f.Grades().Scrolled();
    EXPECT_EQ(f.Names().GetScroller().yPos, 20);

    f.Host().Resize({1000, 700});
    EXPECT_EQ(f.Host().PanePlacement(f.Grades()), (Rect{300, 0, 1000, 700}));
    EXPECT_EQ(f.Host().PanePlacement(f.Names()), (Rect{0, 0, 300, 700}));
    EXPECT_EQ(f.Grades().GetScroller().xPos, 0);
    EXPECT_EQ(f.Grades().GetScroller().yPos, 0);
    EXPECT_EQ(f.Names().GetScroller().yPos, 0);
}

TEST(PaneLayout, SetUpShowsTheWindowCaptionsItAndFocusesTheNamesPane) {
    ClassWindowFixture f(SmallClass());
    EXPECT_TRUE(f.Host().Shown());
    EXPECT_EQ(f.Host().caption, "Algebra       Period 3  Untitled");
    EXPECT_EQ(f.NamesHost().focusCount, 1);
    EXPECT_EQ(f.GradesHost().focusCount, 0);
}

TEST(NamesPane, PaintsHeadingsAndRowsInTheColourCycleWithNameRectangles) {
    ClassWindowFixture f(SmallClass());
    RecordingCanvas c = f.NamesHost().Paint();
    auto head = c.Line(0);
    EXPECT_EQ(Texts(head), (std::vector<std::string>{"Last Name", "First Name", "ID #"}));
    EXPECT_EQ(Xs(head), (std::vector<int>{20, 140, 260}));
    for (const auto& t : head) EXPECT_TRUE(t.defaultColor);

    EXPECT_EQ(Texts(c.Line(16)), (std::vector<std::string>{"Possible", "Points", "    "}));
    EXPECT_EQ(Texts(c.Line(32)), (std::vector<std::string>{"Adams", "Ann", "1"}));
    EXPECT_EQ(Xs(c.Line(64)), (std::vector<int>{20, 140, 260}));
    const platform::Color expected[] = {platform::kRed, platform::kBlue, platform::kMagenta, platform::kRed};
    for (int j = 0; j < 4; ++j)
        for (const auto& t : c.Line((j + 1) * 16)) {
            EXPECT_FALSE(t.defaultColor);
            EXPECT_EQ(t.color, expected[j]) << t.text;
        }

    const auto& sq = f.Names().Squares();
    ASSERT_EQ(sq.size(), 12u);
    EXPECT_EQ(sq[0], (TSquare{20, 140, 16, 32, 0, 0, kKindName}));
    EXPECT_EQ(sq[4], (TSquare{140, 260, 32, 48, 1, 0, kKindName}));
    EXPECT_EQ(sq[11], (TSquare{260, 300, 64, 80, 3, 0, kKindName}));

    EXPECT_EQ(f.Names().GetScroller().xUnit, 0);
    EXPECT_EQ(f.Names().GetScroller().yUnit, 16);
    EXPECT_EQ(f.Names().GetScroller().yRange, 0);  // five lines fit in 600
}

TEST(NamesPane, HidesFirstNameAndIdColumnsWhenNotShown) {
    ClassRecord r = SmallClass();
    r.display[kShowFirstName] = 0;
    ClassWindowFixture f(std::move(r));
    RecordingCanvas c = f.NamesHost().Paint();
    EXPECT_EQ(Texts(c.Line(0)), (std::vector<std::string>{"Last Name", "ID #"}));
    EXPECT_EQ(Xs(c.Line(32)), (std::vector<int>{20, 140}));
    EXPECT_EQ(f.Names().Squares()[1], (TSquare{140, 180, 16, 32, 0, 0, kKindName}));
}

TEST(GradesPane, PaintsHeadingsCellsComputedColumnsAndRectangles) {
    ClassWindowFixture f(SmallClass());
    RecordingCanvas c = f.GradesHost().Paint();
    auto head = c.Line(0);
    EXPECT_EQ(Texts(head), (std::vector<std::string>{"T1", "T2", "Q1", "Test Aver", "Total Pts", "Average", "Grade"}));
    EXPECT_EQ(Xs(head), (std::vector<int>{0, 80, 160, 240, 320, 400, 480}));
    for (const auto& t : head) EXPECT_TRUE(t.defaultColor);

    EXPECT_EQ(Texts(c.Line(16)), (std::vector<std::string>{" 10.00", " 20.00", "  5.00", "100.00", " 35.00", "100.00"}));
    EXPECT_EQ(Texts(c.Line(32)),
              (std::vector<std::string>{"  9.00", " 18.00", "  5.00", " 90.00", " 32.00", " 91.43", "  A "}));
    EXPECT_EQ(Texts(c.Line(48)),
              (std::vector<std::string>{"  8.00", " N/A", "  4.00", " 80.00", " 12.00", " 80.00", "  B "}));
    EXPECT_EQ(Texts(c.Line(64)),
              (std::vector<std::string>{"  5.00", " 10.00", "  2.00", " 50.00", " 17.00", " 48.57", "  F "}));
    EXPECT_EQ(Xs(c.Line(64)), (std::vector<int>{0, 80, 160, 240, 320, 400, 480}));
    EXPECT_EQ(c.Line(48)[0].color, platform::kMagenta);
    EXPECT_EQ(c.Line(64)[6].color, platform::kRed);

    const auto& h = f.Grades().HeadingSquares();
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0], (TSquare{0, 80, 0, 16, kTests, 0, kKindHeading}));
    EXPECT_EQ(h[2], (TSquare{160, 240, 0, 16, kQuizzes, 0, kKindHeading}));
    const auto& cells = f.Grades().CellSquares();
    ASSERT_EQ(cells.size(), 12u);  // computed columns get none
    EXPECT_EQ(cells[0], (TSquare{0, 80, 16, 32, 0, 0, kTests}));
    EXPECT_EQ(cells[7], (TSquare{80, 160, 48, 64, 2, 1, kTests}));
    EXPECT_EQ(cells[11], (TSquare{160, 240, 64, 80, 3, 0, kQuizzes}));

    const auto& s = f.Grades().GetScroller();
    EXPECT_EQ(s.xUnit, 80);
    EXPECT_EQ(s.yUnit, 16);
    EXPECT_EQ(s.xRange, 1);  // seven columns, six fit in 500
    EXPECT_EQ(s.yRange, 0);
}

TEST(GradesPane, WithNothingChosenStillShowsAverageAndGrade) {
    ClassRecord r = SmallClass();
    r.display.fill(0);
    r.extra1Name = "Lab2";
    ClassWindowFixture f(std::move(r));
    RecordingCanvas c = f.GradesHost().Paint();
    EXPECT_EQ(Texts(c.Line(0)), (std::vector<std::string>{"Average", "Grade"}));
    EXPECT_EQ(Texts(c.Line(16)), (std::vector<std::string>{"100.00"}));
    EXPECT_EQ(f.Grades().GetScroller().xRange, 0);

    f.child->Record().display[kShowAverageFirst + int{kExtra1}] = 1;
    f.child->Record().display[kShowPointsFirst + int{kExtra2}] = 1;
    f.child->Record().display[kShowPossiblePoints] = 1;
    f.child->Repaint();
    c = f.GradesHost().Paint();
    EXPECT_EQ(Texts(c.Line(0)), (std::vector<std::string>{"Lab2 Aver", "Extra2 Pt", "Poss Pts", "Average", "Grade"}));
    EXPECT_EQ(f.Grades().GetScroller().xRange, 0);
}

// Scrolled to the end, the last column and the last row stand fully in view
// and the pane is full: not one column or row more could have been shown.
TEST(PaneLayout, ScrollRangesEndWithTheLastColumnAndRowInView) {
    const struct {
        int students, items;
        platform::Rect window;
    } cases[] = {
        {100, 30, {0, 0, 800, 600}},
        {100, 30, {0, 0, 810, 611}},  // sizes that are no whole number of units
        {3, 2, {0, 0, 800, 600}},     // everything fits: nothing to scroll
        {40, 12, {0, 0, 400, 300}},
    };
    for (const auto& c : cases) {
        ClassWindowFixture f(BigClass(c.students, c.items), c.window);
        TGradeWindow& g = f.Grades();
        const auto& s = g.GetScroller();
        const platform::Size view = f.GradesHost().ClientSize();
        g.KeyDown(Key::End);
        for (int i = 0; i < 1000; ++i) g.KeyDown(Key::Down);
        const int columnsRight = static_cast<int>(g.Columns().size()) * s.xUnit - s.xPos * s.xUnit;
        const int rowsBottom = (c.students + 2) * s.yUnit - s.yPos * s.yUnit;
        EXPECT_LE(columnsRight, view.cx) << c.students;
        EXPECT_LE(rowsBottom, view.cy) << c.students;
        if (s.xRange > 0) {
            EXPECT_GT(columnsRight, view.cx - s.xUnit) << c.students;
        }
        if (s.yRange > 0) {
            EXPECT_GT(rowsBottom, view.cy - s.yUnit) << c.students;
        }
        // The names pane shows the same lines.
        EXPECT_EQ(f.Names().GetScroller().yPos, s.yPos);
        EXPECT_EQ(f.NamesHost().ClientSize().cy, view.cy);
    }
}

TEST(GradesPane, PaintsOnlyWhatIsVisibleAndAgreesWithAFullPaint) {
    ClassWindowFixture f(BigClass(200, 120));
    const platform::Size client = f.GradesHost().ClientSize();
    f.Grades().ScrollTo(37, 91);
    RecordingCanvas full = PaintAll(f.Grades());
    const auto fullHeadings = f.Grades().HeadingSquares();
    const auto fullCells = f.Grades().CellSquares();

    RecordingCanvas part = PaintVisible(f.Grades(), client);
    const Rect clip{37 * 80, 91 * 16, 37 * 80 + client.cx, 91 * 16 + client.cy};
    auto meets = [&](const DrawnText& t) {
        const int w = static_cast<int>(t.text.size()) * 8;
        return t.x < clip.right && t.x + w > clip.left && t.y < clip.bottom && t.y + 16 > clip.top;
    };
    // Nothing outside the clip is drawn; everything a full paint draws inside it is.
    for (const auto& t : part.texts) EXPECT_TRUE(meets(t)) << t.text << " at " << t.x << "," << t.y;
    std::size_t inside = 0;
    for (const auto& t : full.texts) {
        if (!meets(t)) continue;
        ++inside;
        bool found = false;
        for (const auto& p : part.texts)
            if (p.x == t.x && p.y == t.y && p.text == t.text && p.color == t.color) found = true;
        EXPECT_TRUE(found) << t.text << " at " << t.x << "," << t.y;
    }
    EXPECT_EQ(inside, part.texts.size());
    // The heading line and the Possible Points row stay on the first two
    // visible lines; the student rows scroll under them, row 92 first.
    EXPECT_EQ(part.Line(91 * 16).front().text, f.Grades().Heading(f.Grades().Columns()[37]));
    EXPECT_EQ(part.Line(92 * 16).front().x, 37 * 80);
    EXPECT_EQ(part.Line(92 * 16).front().color, platform::kRed);  // the Possible Points row
    EXPECT_EQ(part.Line(93 * 16).front().color, RowColor(92));
    EXPECT_FALSE(f.Grades().HeadingSquares().empty());
    for (const auto& sq : f.Grades().HeadingSquares()) EXPECT_EQ(sq.top, 91 * 16);
    for (const auto& sq : f.Grades().CellSquares())
        EXPECT_NE(std::find(fullCells.begin(), fullCells.end(), sq), fullCells.end());
    EXPECT_FALSE(fullHeadings.empty());
    // The names pane follows the grades pane's line and paints only its rows.
    EXPECT_EQ(f.Names().GetScroller().yPos, 91);
    RecordingCanvas names = PaintVisible(f.Names(), f.NamesHost().ClientSize());
    EXPECT_EQ(names.Find("Last Name")->y, 91 * 16);
    EXPECT_EQ(names.Find("Possible")->y, 92 * 16);
    EXPECT_EQ(names.Find("Last91")->y, 93 * 16);  // row 92
    EXPECT_EQ(names.Find("Last91")->color, RowColor(92));
    EXPECT_EQ(names.Find("Last90"), nullptr);  // under the frozen lines
    EXPECT_EQ(names.Find("Last88"), nullptr);
    EXPECT_LE(names.texts.size(), 3u * (600 / 16 + 2));
}

TEST(GradesPane, HeadingsStopShortOfTheNextColumn) {
    ClassRecord r = SmallClass();
    r.extra1Name = "Extra1xyz";  // a name from a file can be 9 characters: 14 with " Aver"
    r.display[kShowAverageFirst + int{kExtra1}] = 1;
    ClassWindowFixture f(std::move(r));
    // Columns: T1 T2 Q1 "Test Aver" "Extra1xyz Aver" "Total Pts"...
    RecordingCanvas c = f.GradesHost().Paint();
    const DrawnText* cut = c.Find("Extra1xyz");
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->x, 4 * 80);
    EXPECT_EQ(c.Find("Test Aver")->x, 3 * 80);
}

TEST(GradesPane, AWideValueLeftOfTheClipStillReachesIntoIt) {
    ClassRecord r = SmallClass();
    r.Row(1).scores[kTests][1].value = 1e9f;  // "1000000000.00": wider than its column
    ClassWindowFixture f(std::move(r));
    // Columns: T1 T2 Q1 ...; clip from the middle of column 2.
    RecordingCanvas c;
    f.Grades().Paint(c, Rect{2 * 80 + 10, 0, 800, 100});
    const DrawnText* wide = c.Find("1000000000.00");
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->x, 1 * 80);
    EXPECT_EQ(c.Find("T2"), nullptr);
}

TEST(HitTest, BordersHitNothingAndInsidesHitTheirRectangle) {
    ClassWindowFixture f(SmallClass());
    TGradeWindow& g = f.Grades();
    EXPECT_EQ(g.HitTest({1, 1}), (TSquare{0, 80, 0, 16, kTests, 0, kKindHeading}));
    EXPECT_FALSE(g.HitTest({80, 8}));   // left/right border
    EXPECT_FALSE(g.HitTest({40, 16}));  // between heading and first row
    EXPECT_FALSE(g.HitTest({0, 8}));
    EXPECT_EQ(g.HitTest({81, 49}), (TSquare{80, 160, 48, 64, 2, 1, kTests}));
    EXPECT_EQ(g.HitTest({239, 79}), (TSquare{160, 240, 64, 80, 3, 0, kQuizzes}));
    EXPECT_FALSE(g.HitTest({250, 40}));  // a computed column
    EXPECT_FALSE(g.HitTest({40, 90}));   // below the last row
    EXPECT_FALSE(g.HitTest({40, 80}));
    EXPECT_TRUE(g.CurrentHit() == std::nullopt);

    TNameWindow& n = f.Names();
    EXPECT_EQ(n.HitTest({21, 33}), (TSquare{20, 140, 32, 48, 1, 0, kKindName}));
    EXPECT_FALSE(n.HitTest({20, 40}));
    EXPECT_FALSE(n.HitTest({140, 40}));
    EXPECT_EQ(n.HitTest({141, 40}), (TSquare{140, 260, 32, 48, 1, 0, kKindName}));
    EXPECT_EQ(n.HitTest({299, 17}), (TSquare{260, 300, 16, 32, 0, 0, kKindName}));
    EXPECT_FALSE(n.HitTest({300, 17}));
    EXPECT_FALSE(n.HitTest({10, 40}));  // the selection box margin
    EXPECT_FALSE(n.HitTest({30, 8}));   // headings are not names
}

TEST(HitTest, AddsTheScrollOffsetAndAgreesWithThePaintedRectangles) {
    ClassWindowFixture f(BigClass(80, 30));
    TGradeWindow& g = f.Grades();
    g.ScrollTo(3, 10);
    PaintVisible(g, f.GradesHost().ClientSize());
    auto cells = g.HeadingSquares();
    const auto painted = g.CellSquares();
    ASSERT_FALSE(cells.empty());
    ASSERT_FALSE(painted.empty());
    cells.insert(cells.end(), painted.begin(), painted.end());
    // Every client point hits the first painted rectangle that strictly
    // contains it, headings first: the frozen heading line and Possible Points
    // row included.
    for (int y = 0; y < 600; y += 3)
        for (int x = 0; x < 500; x += 7) {
            const Point pane{x + 240, y + 160};
            std::optional<TSquare> expected;
            for (const auto& sq : cells)
                if (sq.left < pane.x && pane.x < sq.right && sq.top < pane.y && pane.y < sq.bottom) {
                    expected = sq;
                    break;
                }
            ASSERT_EQ(g.HitTest({x, y}), expected) << x << "," << y;
        }
    // The names pane adds its own (followed) offset under its frozen lines.
    EXPECT_FALSE(f.Names().HitTest({30, 5}));
    EXPECT_EQ(f.Names().HitTest({30, 21})->first, 0);
    EXPECT_EQ(f.Names().HitTest({30, 37})->first, 11);
}

TEST(StatusBar, NamesPaneHintsEverywhereGradesPaneNamesTheCell) {
    ClassWindowFixture f(SmallClass());
    const std::string hint = " Double Click Left Button to Change.  Right Button to Delete.";
    f.Names().MouseMove({5, 5});
    EXPECT_EQ(f.frame.statusText, hint);
    f.Grades().MouseMove({90, 50});
    EXPECT_EQ(f.frame.statusText, "Bob Baker/T2");
    f.Grades().MouseMove({90, 8});  // a heading leaves the status bar alone
    EXPECT_EQ(f.frame.statusText, "Bob Baker/T2");
    f.Grades().MouseMove({250, 50});
    EXPECT_EQ(f.frame.statusText, hint);
}

TEST(SelectionBoxes, OnePerStudentAppendedAndRemovedAtTheEnd) {
    ClassWindowFixture f(SmallClass());
    auto& boxes = f.NamesHost().checkBoxes;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes.at(1001).rect, (Rect{0, 32, 16, 48}));
    EXPECT_EQ(boxes.at(1003).rect, (Rect{0, 64, 16, 80}));
    EXPECT_FALSE(boxes.at(1002).checked);

    f.NamesHost().SetCheckBoxChecked(1002, true);
    EXPECT_TRUE(f.Names().IsSelected(2));
    EXPECT_FALSE(f.Names().IsSelected(1));
    f.Names().CheckBoxClicked(1002);
    EXPECT_EQ(f.NamesHost().focusCount, 2);  // the click hands focus back to the pane

    AddStudent(f.child->Record(), "Dunn", "Di", "4");
    f.Names().AddSelectionBox();
    EXPECT_EQ(boxes.at(1004).rect, (Rect{0, 80, 16, 96}));
    EXPECT_EQ(f.Names().SelectionBoxCount(), 4);
    f.Names().RemoveSelectionBox(4);
    f.Names().RemoveSelectionBox(3);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes.at(1002).checked);

    ClassRecord empty = NewClassRecord();
    ClassWindowFixture g(std::move(empty));
    EXPECT_TRUE(g.NamesHost().checkBoxes.empty());
    AddStudent(g.child->Record(), "Ames", "Al", "1");
    g.Names().AddSelectionBox();
    EXPECT_EQ(g.NamesHost().checkBoxes.at(1001).rect, (Rect{0, 32, 16, 48}));
}

TEST(Keys, MoveTheGradesPaneFromEitherPaneAndPassOthersOn) {
    ClassWindowFixture f(BigClass(100, 30));
    TGradeWindow& g = f.Grades();
    const auto& s = g.GetScroller();
    EXPECT_TRUE(g.KeyDown(Key::Down));
    EXPECT_TRUE(g.KeyDown(Key::Down));
    EXPECT_EQ(s.yPos, 2);
    EXPECT_TRUE(g.KeyDown(Key::Up));
    EXPECT_EQ(s.yPos, 1);
    EXPECT_TRUE(g.KeyDown(Key::PageDown));
    EXPECT_EQ(s.yPos, 1 + 600 / 16);
    EXPECT_TRUE(g.KeyDown(Key::PageUp));
    EXPECT_TRUE(g.KeyDown(Key::PageUp));
    EXPECT_EQ(s.yPos, 0);
    EXPECT_TRUE(g.KeyDown(Key::Right));
    EXPECT_TRUE(g.KeyDown(Key::Right));
    EXPECT_TRUE(g.KeyDown(Key::Left));
    EXPECT_EQ(s.xPos, 1);
    EXPECT_TRUE(f.Names().KeyDown(Key::Down));
    EXPECT_EQ(s.yPos, 1);
    EXPECT_EQ(f.Names().GetScroller().yPos, 1);
    EXPECT_TRUE(f.Names().KeyDown(Key::End));
    EXPECT_EQ(s.xPos, s.xRange);
    EXPECT_EQ(s.yPos, 1);
    EXPECT_TRUE(g.KeyDown(Key::Home));
    EXPECT_EQ(s.xPos, 0);
    EXPECT_EQ(s.yPos, 1);
    EXPECT_FALSE(g.KeyDown(Key::Other));
    EXPECT_FALSE(f.Names().KeyDown(Key::Other));
    for (int i = 0; i < 200; ++i) g.KeyDown(Key::Down);
    EXPECT_EQ(s.yPos, s.yRange);
}

}  // namespace
}  // namespace quorle::testing

namespace quorle::testing {
namespace {

TEST(FitToColumn, KeepsACharactersGapWhateverTheScreenFontRoundsTo) {
    // A screen font 7.8 pixels a character: ten are 78, one measures 8.
    EXPECT_EQ(platform::FitToColumn("Test Aver", 78, 78), "Test Aver");
    EXPECT_EQ(platform::FitToColumn("Extra1 Aver", 78, 78), "Extra1 Av");
    EXPECT_EQ(platform::FitToColumn("Smithson-Whitley", 117, 78), "Smithson-Whitl");  // fifteen-character column
    EXPECT_EQ(platform::FitToColumn("Montgomery-Kay", 117, 78), "Montgomery-Kay");  // a name that exactly fits
    EXPECT_EQ(platform::FitToColumn("Abernathy", 80, 80), "Abernathy");             // the same on paper
    EXPECT_EQ(platform::FitToColumn("", 78, 78), "");
    EXPECT_EQ(platform::FitToColumn("Abc", 78, 0), "Abc");  // a device that measures nothing cuts nothing
}

}  // namespace
}  // namespace quorle::testing
