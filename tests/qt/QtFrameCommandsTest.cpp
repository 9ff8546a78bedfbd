// The frame as a teacher meets it: greyed class commands, staggered class
// windows, F1, the keys of message boxes, the chart window's first size and
// the grades pane's headings in real screen fonts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <functional>

#include "QtTestApp.h"
#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "platform/Dialog.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/QtWindowHost.h"
#include "record/ClassFile.h"
#include "resources/ClassDialogs.h"
#include "resources/Menus.h"
#include "seating/SeatPrint.h"
#include "seating/SeatingChartFile.h"
#include "seating/SeatingChartWindow.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

namespace cmd = resources::cmd;

// The help pages in the program directory, where the viewer looks first.
void CopyHelp(const testing::TempDir& dir) {
    namespace fs = std::filesystem;
    fs::copy(QUORLE_HELP_DIR, fs::path(dir.Path()) / "help", fs::copy_options::recursive);
}

TEST(QtFrameCommands, ClassCommandsAreGreyedWhileNoClassIsOpen) {
    TestApp();
    testing::TempDir dir;
    QtFrame frame(resources::MainFrameLayout());
    QtUi ui(&frame);
    TDecoClient client(frame, ui);
    frame.SetClient(&client);
    frame.show();
    const auto button = [&frame](int id) {
        return frame.ControlBar()->findChild<QAbstractButton*>(QString("command%1").arg(id));
    };
    const auto expectAll = [&](bool open) {
        for (const int id : resources::ClassCommands()) {
            ASSERT_NE(frame.CommandAction(id), nullptr) << id;
            EXPECT_EQ(frame.CommandAction(id)->isEnabled(), open) << id;
        }
        for (const int id : {cmd::kNewGrade, cmd::kPrintGrades, cmd::kAddStudents, cmd::kSaveAs, cmd::kCascade})
            EXPECT_EQ(button(id)->isEnabled(), open) << id;
        for (const int id : {cmd::kNew, cmd::kOpen, cmd::kExit, cmd::kHelp, cmd::kEditProgress, cmd::kDeleteFile})
            EXPECT_TRUE(frame.CommandAction(id)->isEnabled()) << id;
        EXPECT_TRUE(button(cmd::kOpen)->isEnabled());
    };
    expectAll(false);
    ASSERT_TRUE(client.OpenClass(SampleClass("biology.gdr")));
    expectAll(true);
    client.Command(cmd::kCloseAll);
    QApplication::processEvents();
    expectAll(false);
    frame.SetClient(nullptr);
}

TEST(QtFrameCommands, ClassesOpenedOneAfterAnotherStandAStepApart) {
    TestApp();
    testing::TempDir dir;
    QtFrame frame(resources::MainFrameLayout());
    QtUi ui(&frame);
    TDecoClient client(frame, ui);
    frame.SetClient(&client);
    frame.show();
    QApplication::processEvents();
    std::vector<QPoint> corners;
    for (const char* name : {"biology.gdr", "algebra-weighted.gdr", "empty.gdr"}) {
        ASSERT_TRUE(client.OpenClass(SampleClass(name)));
        corners.push_back(frame.MdiArea()->currentSubWindow()->geometry().topLeft());
    }
    // The first fills the area; the second takes the usual place, the third
    // a step from it.
    EXPECT_EQ(corners[0], QPoint(0, 0));
    EXPECT_EQ(frame.MdiArea()->subWindowList().front()->size(), frame.MdiArea()->viewport()->size());
    const platform::Rect placement = client.DefaultPlacement();
    EXPECT_EQ(corners[1], QPoint(placement.left, placement.top));
    const int step = corners[2].x() - corners[1].x();
    EXPECT_GE(step, 16);
    EXPECT_EQ(corners[2] - corners[1], QPoint(step, step));
    frame.grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("frame-staggered.png"));
    // A place that is free again is taken again.
    platform::ChildWindow* second = frame.Children()[1];
    frame.DestroyChild(*second);
    client.ChildClosed(*second);
    ASSERT_TRUE(client.OpenClass(SampleClass("algebra-weighted.gdr")));
    EXPECT_EQ(frame.MdiArea()->currentSubWindow()->geometry().topLeft(), corners[1]);
    client.Command(cmd::kCloseAll);
    QApplication::processEvents();
    frame.SetClient(nullptr);
}

class TopicDialog : public platform::Dialog {
public:
    explicit TopicDialog(platform::DialogResource resource) : Dialog(std::move(resource)) {}
    void Clicked(platform::DialogHost&, int id) override { clicked.push_back(id); }
    std::vector<int> clicked;
};

TEST(QtFrameCommands, F1OpensTheHelpOnTheActiveWindowOrDialog) {
    TestApp();
    testing::TempDir dir;
    CopyHelp(dir);
    QtFrame frame(resources::MainFrameLayout());
    QtUi ui(&frame);
    ui.SetHelpBooks(resources::HelpBooks());
    ui.SetHelpTopics(resources::ContextHelpTopics());
    TDecoClient client(frame, ui);
    frame.SetClient(&client);
    frame.show();

    // Windows: the page of their topic in the help viewer.
    ui.ContextHelp(&frame);
    ASSERT_NE(ui.Viewer(), nullptr);
    EXPECT_EQ(ui.Viewer()->CurrentPage(), "contents.html");
    ASSERT_TRUE(client.OpenClass(SampleClass("biology.gdr")));
    ui.ContextHelp(&frame);
    EXPECT_EQ(ui.Viewer()->CurrentPage(), "classwindow.html");
    TSeatingChartWindow chart(ui, client.ActiveClass()->Record());
    frame.CreateTopWindow(chart, *client.ActiveClass(), ChartWindowAttributes());
    ui.ContextHelp(dynamic_cast<QtTopWindow*>(chart.TopHost()));
    EXPECT_EQ(ui.Viewer()->CurrentPage(), "seating.html");

    // Dialogs: F1 pressed in them shows their topic in a pop-up, or does what
    // their Help button does.
    struct Case {
        platform::DialogResource resource;
        QString page;   // the pop-up's page, or
        int helpButton;  // the Help button clicked
    };
    platform::DialogResource display = resources::DisplayOptionsDialogResource();
    platform::DialogResource withHelp;
    withHelp.id = 9999;
    withHelp.caption = "With Help";
    withHelp.controls.push_back({77, platform::ControlKind::PushButton, "&Help", 0, 0});
    platform::DialogResource unknown;
    unknown.id = 9998;
    unknown.caption = "No Topic";
    const std::vector<Case> cases{{display, "display.html", 0}, {withHelp, "", 77}, {unknown, "", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resource.caption);
        TopicDialog dialog(c.resource);
        QString popupPage;
        WhenModalAppears([&](QWidget* modal) {
            QTest::keyClick(modal, Qt::Key_F1);
            for (QWidget* child : modal->findChildren<QWidget*>())
                if (child->isWindow() && child->windowTitle() == "Quorle Help")
                    if (auto* text = child->findChild<QTextBrowser*>())
                        popupPage = QFileInfo(text->source().toLocalFile()).fileName();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        ui.RunModal(dialog);
        EXPECT_EQ(popupPage, c.page);
        EXPECT_EQ(dialog.clicked, c.helpButton ? std::vector<int>{c.helpButton} : std::vector<int>{});
    }
    // A dialog without a topic of its own: its owner's, the class window.
    EXPECT_EQ(ui.Viewer()->CurrentPage(), "classwindow.html");
    client.Command(cmd::kCloseAll);
    QApplication::processEvents();
    frame.SetClient(nullptr);
}

TEST(QtFrameCommands, EveryMessageBoxButtonHasItsAccessKey) {
    TestApp();
    QtUi ui;
    QStringList labels;
    WhenModalAppears([&](QWidget* box) {
        labels.clear();
        for (QAbstractButton* button : qobject_cast<QMessageBox*>(box)->buttons()) labels << button->text();
        QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    });
    EXPECT_EQ(ui.MessageBox("File has changed", "a.gdr has changed. Do you want to save changes ?",
                            platform::Buttons::YesNoCancel, platform::Icon::Question),
              platform::Answer::Cancel);
    labels.sort();
    EXPECT_EQ(labels, QStringList({"&Cancel", "&No", "&Yes"}));
    WhenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_N, Qt::AltModifier); });
    EXPECT_EQ(ui.MessageBox("Delete?", "Sure?", platform::Buttons::YesNo, platform::Icon::Question),
              platform::Answer::No);
}

class Owner : public platform::ChildWindow {
public:
    bool CanClose() override { return true; }
};

// The chart window opens as large as its picture, as far as the screen and
// the frame allow.
TEST(QtFrameCommands, ChartWindowOpensAsLargeAsItsPicture) {
    TestApp();
    testing::TempDir dir;
    ClassRecord small = ReadClassFile(std::string(QUORLE_EXAMPLES_DIR) + "/biology.gdr");
    small.fileName = dir.File("small.gdr");
    ASSERT_TRUE(WriteClassFile(small));
    SeatingChart two;
    SetDesk(two.grid, 0, 0, true);
    SetDesk(two.grid, 1, 0, true);
    two.Recount();
    two.seats = {TPeople::Seated("Emily", "Anderson"), TPeople::Free()};
    ASSERT_TRUE(WriteChartFile(ChartPath(small.fileName), two));
    const ClassRecord large = ReadClassFile(std::string(QUORLE_EXAMPLES_DIR) + "/biology.gdr");
    struct Case {
        const ClassRecord* record;
        QSize frameSize;
        bool whole;  // the whole picture fits the frame
    };
    for (const Case& c : {Case{&small, QSize(790, 590), true}, Case{&large, QSize(790, 590), false},
                          Case{&large, QSize(500, 300), false}}) {
        SCOPED_TRACE(c.record->fileName + " in " + std::to_string(c.frameSize.width()));
        QtFrame frame;
        frame.resize(c.frameSize);
        frame.show();
        QtUi ui(&frame);
        Owner owner;
        frame.CreateChild(owner, platform::Rect{10, 10, 300, 200}).Show();
        TSeatingChartWindow chart(ui, *c.record);
        frame.CreateTopWindow(chart, owner, ChartWindowAttributes());
        auto* window = dynamic_cast<QtTopWindow*>(chart.TopHost());
        ASSERT_TRUE(chart.LoadAndShow(c.record->fileName));
        QApplication::processEvents();
        // The picture's size as the window draws it.
        platform::Canvas& canvas = window->MeasuringCanvas();
        canvas.SelectFont(ChartScreenFont());
        int width = 0;
        for (const auto& line : chart.Picture()) width = std::max(width, canvas.TextExtent(line).cx);
        const int height = canvas.TextExtent("X").cy * static_cast<int>(chart.Picture().size());
        canvas.RestoreFont();
        const QSize view = window->View()->viewport()->size();
        // Each way as large as the picture, or as the frame (and the screen) allow.
        const QSize most = frame.size().boundedTo(window->screen()->availableGeometry().size());
        EXPECT_TRUE(view.width() >= width || window->width() == most.width()) << window->width();
        EXPECT_TRUE(view.height() >= height || window->height() == most.height()) << window->height();
        EXPECT_LE(window->width(), most.width());
        EXPECT_LE(window->height(), most.height());
        if (c.whole) {
            // No wider than the picture needs.
            EXPECT_LE(view.width(), width + 20);
            window->grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("seating-chart-fitted.png"));
        }
        frame.DestroyChild(owner);
    }
}

// A canvas that draws nothing and measures with a real screen font, keeping
// where each text went.
class MeasuredCanvas : public platform::Canvas {
public:
    explicit MeasuredCanvas(platform::Canvas& real) : real_(real) {}
    void SelectFont(const platform::FontSpec& font) override { real_.SelectFont(font); }
    void RestoreFont() override { real_.RestoreFont(); }
    platform::Size TextExtent(std::string_view text) override { return real_.TextExtent(text); }
    void TextOut(int x, int y, std::string_view text) override { drawn.push_back({x, y, std::string(text)}); }
    void Line(int, int, int, int, int) override {}
    void Rectangle(const platform::Rect&, int) override {}
    void SetTextColor(platform::Color) override {}
    void SetDefaultTextColor() override {}
    void SetBackgroundTransparent(bool) override {}
    int DeviceCaps(platform::DeviceCap cap) const override { return real_.DeviceCaps(cap); }

    struct Text {
        int x;
        int y;
        std::string text;
    };
    std::vector<Text> drawn;

private:
    platform::Canvas& real_;
};

// The headings of the grades pane keep a space between them in the screen
// font at every size and resolution ("Lab Cells" then "Test Aver").
TEST(QtFrameCommands, PaneHeadingsKeepASpaceBetweenThem) {
    TestApp();
    ClassRecord record = NewClassRecord();
    record.display.fill(0);
    record.display[kShowGradesFirst + static_cast<int>(kLabs)] = 1;
    record.display[kShowAverageFirst + static_cast<int>(kTests)] = 1;
    record.display[kShowAverageFirst + static_cast<int>(kQuizzes)] = 1;
    record.display[kShowAverageFirst + static_cast<int>(kExtra1)] = 1;
    for (const char* title : {"Lab Cells", "Microscop", "WWWWWWWWW"})
        record.Row(0).scores[kLabs].push_back(TGrades{10.0f, FixedText<10>(title)});
    for (const int dpi : {96, 110, 120, 144}) {
        for (int points = 7; points <= 14; ++points) {
            SCOPED_TRACE(std::to_string(dpi) + " dpi, " + std::to_string(points) + " points");
            QImage image(1, 1, QImage::Format_RGB32);
            image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
            image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
            QPainter painter(&image);
            QFont font("DejaVu Sans Mono");
            font.setFamilies({"DejaVu Sans Mono", "Liberation Mono", "Noto Mono", "Courier New", "Monospace"});
            font.setStyleHint(QFont::TypeWriter);
            font.setFixedPitch(true);
            font.setPointSize(points);
            font.setKerning(false);
            QtCanvas real(painter, font, platform::Size{1, 1}, dpi, dpi);
            MeasuredCanvas canvas(real);
            TGradeWindow pane(record, nullptr);
            pane.Paint(canvas, platform::Rect{0, 0, 4000, 4000});
            std::vector<MeasuredCanvas::Text> headings;
            for (const auto& text : canvas.drawn)
                if (text.y == 0) headings.push_back(text);
            ASSERT_GE(headings.size(), 6u);
            EXPECT_EQ(headings[0].text, "Lab Cells");
            EXPECT_EQ(headings[3].text, "Test Aver");
            for (std::size_t i = 0; i + 1 < headings.size(); ++i)
                EXPECT_LE(headings[i].x + real.TextExtent(headings[i].text + " ").cx, headings[i + 1].x)
                    << headings[i].text << " / " << headings[i + 1].text;
        }
    }
}

}  // namespace
}  // namespace quorle::qt
