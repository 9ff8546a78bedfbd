// The class window's file handling (Save, Save As, the "has changed" prompt)
// and its commands: Class Information, Window Display Options, Extra names.
#include <gtest/gtest.h>

#include <filesystem>

#include "ClassFixture.h"
#include "classwin/ClassInfoDialog.h"
#include "classwin/ClassSaving.h"
#include "classwin/ClassWindow.h"
#include "classwin/DisplayOptionsDialog.h"
#include "classwin/ExtraNamesDialog.h"
#include "grading/DisplayOptions.h"
#include "record/ClassFile.h"
#include "reports/ReportFixtures.h"
#include "resources/Menus.h"
#include "seating/SeatingChartFile.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

using platform::Answer;

const std::vector<unsigned char> kChart{1, 2, 3};

// A chart of four desks, Adams, Baker and Cole seated.
std::vector<unsigned char> SeatedChart() {
    SeatingChart chart;
    for (int p = 0; p < 4; ++p) SetDesk(chart.grid, 0, p, true);
    chart.Recount();
    chart.seats = {TPeople::Seated("Ann", "Adams"), TPeople::Seated("Bob", "Baker"), TPeople::Seated("Cy", "Cole"),
                   TPeople::Free()};
    return SerializeChartFile(chart);
}
const char* kChangedSuffix = " has changed. Do you want to save changes ?";

struct ClassWindowFileTest : ::testing::Test {
    TempDir dir;
    std::unique_ptr<ClassWindowFixture> f;

    void Open(ClassRecord r) { f = std::make_unique<ClassWindowFixture>(std::move(r)); }
    ClassRecord& Rec() { return f->child->Record(); }
    FakeUi& Ui() { return f->ui; }
};

TEST_F(ClassWindowFileTest, SaveAsToANewNameWritesDeletesTheChartThereAndRecaptions) {
    Open(SmallClass());
    dir.Write("new.CHT", kChart);
    Ui().fileNames.push_back(dir.File("new.gdr"));
    Rec().modified = true;
    EXPECT_TRUE(f->child->SaveAs());
    EXPECT_TRUE(Ui().boxes.empty());
    EXPECT_EQ(Ui().fileDialogs.size(), 1u);
    EXPECT_TRUE(Ui().fileDialogs[0].save);
    EXPECT_EQ(Ui().fileDialogs[0].options.filter, "Class Files (*.gdr)|*.gdr;*.GDR|");
    EXPECT_EQ(Ui().fileDialogs[0].options.defaultExtension, "gdr");
    EXPECT_FALSE(dir.Exists("new.CHT"));
    EXPECT_EQ(dir.Read("new.gdr"), SerializeClassFile(Rec()));
    EXPECT_FALSE(Rec().modified);
    EXPECT_EQ(Rec().fileName, dir.File("new.gdr"));
    EXPECT_EQ(f->Host().caption, "Algebra       Period 3  " + dir.File("new.gdr"));
}

TEST_F(ClassWindowFileTest, SaveAsThatCannotWriteKeepsTheChartThere) {
    Open(SmallClass());
    // A folder stands where the class would go: the write fails.
    std::filesystem::create_directory(dir.File("taken.gdr"));
    dir.Write("taken.CHT", kChart);
    Ui().fileNames.push_back(dir.File("taken.gdr"));
    Ui().answers = {Answer::Yes};
    EXPECT_FALSE(f->child->SaveAs());
    ASSERT_EQ(Ui().boxes.size(), 2u);
    EXPECT_EQ(Ui().boxes[1].text, "File cannot be found!\nIs a folder: " + dir.File("taken.gdr"));
    EXPECT_EQ(dir.Read("taken.CHT"), kChart);
    // The class keeps the name it has, and so does its caption.
    EXPECT_TRUE(Rec().fileName.empty());
    EXPECT_EQ(f->Host().caption, "Algebra       Period 3  Untitled");
}

TEST_F(ClassWindowFileTest, SaveAsOverExistingFileAsksAndNoAsksForAnotherName) {
    Open(SmallClass());
    dir.Write("old.gdr", {9});
    dir.Write("old.CHT", kChart);
    Ui().fileNames = {dir.File("old.gdr"), dir.File("old.gdr"), dir.File("other.gdr")};
    Ui().answers = {Answer::No, Answer::No};
    EXPECT_TRUE(f->child->SaveAs());
    ASSERT_EQ(Ui().boxes.size(), 2u);
    EXPECT_EQ(Ui().boxes[0].caption, "File exists");
    EXPECT_EQ(Ui().boxes[0].text, "File already exists.  Overwrite ?");
    EXPECT_EQ(Ui().boxes[0].buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(Ui().boxes[0].icon, platform::Icon::Question);
    EXPECT_EQ(dir.Read("old.gdr"), std::vector<unsigned char>{9});
    EXPECT_TRUE(dir.Exists("old.CHT"));
    EXPECT_TRUE(dir.Exists("other.gdr"));
    EXPECT_EQ(Rec().fileName, dir.File("other.gdr"));
}

TEST_F(ClassWindowFileTest, SaveAsOverExistingFileYesOverwritesCancelChangesNothing) {
    Open(SmallClass());
    dir.Write("old.gdr", {9});
    dir.Write("old.CHT", kChart);
    Ui().fileNames = {dir.File("old.gdr")};
    Ui().answers = {Answer::Cancel};
    EXPECT_FALSE(f->child->SaveAs());
    EXPECT_EQ(dir.Read("old.gdr"), std::vector<unsigned char>{9});
    EXPECT_TRUE(dir.Exists("old.CHT"));
    EXPECT_TRUE(Rec().fileName.empty());
    EXPECT_EQ(f->Host().captions.size(), 1u);

    Ui().fileNames = {dir.File("old.gdr")};
    Ui().answers = {Answer::Yes};
    EXPECT_TRUE(f->child->SaveAs());
    EXPECT_EQ(dir.Read("old.gdr"), SerializeClassFile(Rec()));
    EXPECT_FALSE(dir.Exists("old.CHT"));

    // A cancelled file dialog asks nothing and writes nothing.
    EXPECT_FALSE(f->child->SaveAs());
    EXPECT_EQ(Rec().fileName, dir.File("old.gdr"));
}

TEST_F(ClassWindowFileTest, SaveAsItsOwnNameKeepsItsChartAndOtherExtensionsBecomeGdr) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("mine.gdr");
    Open(std::move(r));
    dir.Write("mine.gdr", {1});
    dir.Write("mine.CHT", SeatedChart());
    Ui().fileNames = {dir.File("mine.gdr")};
    Ui().answers = {Answer::Yes};
    EXPECT_TRUE(f->child->SaveAs());
    EXPECT_EQ(dir.Read("mine.CHT"), SeatedChart());

    // A name typed with another extension is written as .gdr, and asked about
    // when that .gdr exists.
    Ui().fileNames = {dir.File("notes.TXT")};
    EXPECT_TRUE(f->child->SaveAs());
    EXPECT_EQ(Rec().fileName, dir.File("notes.gdr"));
    EXPECT_TRUE(dir.Exists("notes.gdr"));
    EXPECT_EQ(Ui().boxes.size(), 1u);
    Ui().fileNames = {dir.File("notes.txt")};
    Ui().answers = {Answer::Cancel};
    EXPECT_FALSE(f->child->SaveAs());
    EXPECT_EQ(Ui().boxes.back().caption, "File exists");
}

// Save As to another name takes the class's chart along as a copy: the new
// file's chart follows the class from then on, the old file keeps its own.
TEST_F(ClassWindowFileTest, SaveAsTakesTheChartAlongAndTheOldFileKeepsItsOwn) {
    const std::vector<unsigned char> seated = SeatedChart();
    const struct {
        const char* name;
        const char* oldChart;  // beside a/alg.gdr: "seated" or "junk"
        const char* chosen;
        const char* stale;     // a chart already beside the chosen name, or ""
        const char* message;   // "" for none
        const char* newChart;  // the chart beside the new name afterwards ("" for none)
    } cases[] = {
        {"another folder", "seated", "b/alg.gdr", "", "", "b/alg.CHT"},
        {"same folder, over a class with a chart", "seated", "a/old.gdr", "a/old.CHT", "", "a/old.CHT"},
        {"a chart in lower case there", "seated", "b/new.gdr", "b/new.cht", "", "b/new.cht"},
        {"a chart that cannot be read", "junk", "b/alg.gdr", "b/alg.CHT", "File cannot be opened!", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.File("a"));
        std::filesystem::remove_all(dir.File("b"));
        std::filesystem::create_directories(dir.File("a"));
        std::filesystem::create_directories(dir.File("b"));
        ClassRecord r = SmallClass();
        r.fileName = dir.File("a/alg.gdr");
        ASSERT_TRUE(WriteClassFile(r));
        const std::vector<unsigned char> oldChart = std::string(c.oldChart) == "seated" ? seated : kChart;
        dir.Write("a/alg.CHT", oldChart);
        if (*c.stale) dir.Write(c.stale, kChart);
        if (std::string(c.chosen) == "a/old.gdr") dir.Write("a/old.gdr", {9});
        Open(std::move(r));
        if (oldChart == seated) {
            ASSERT_TRUE(f->child->Command(resources::cmd::kSeatingChart));  // the chart window shows it
        }

        Ui().fileNames = {dir.File(c.chosen)};
        Ui().answers = {Answer::Yes};
        EXPECT_TRUE(f->child->SaveAs());
        EXPECT_EQ(dir.Read(c.chosen), SerializeClassFile(Rec()));
        std::vector<std::string> messages;
        for (const auto& box : Ui().boxes)
            if (box.caption != "File exists") messages.push_back(box.text.substr(0, box.text.find('\n')));
        EXPECT_EQ(messages, *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(dir.Read("a/alg.CHT"), oldChart);
        if (!*c.newChart) {
            EXPECT_FALSE(ChartExists(dir.File(c.chosen)));
            continue;
        }
        EXPECT_EQ(ChartPath(dir.File(c.chosen)), dir.File(c.newChart));
        EXPECT_EQ(dir.Read(c.newChart), seated);
        ASSERT_EQ(f->frame.TopWindows().size(), 1u);
        EXPECT_EQ(f->frame.TopWindows()[0]->caption, "Seating Chart for " + dir.File(c.newChart));

        // Adams dropped from the class under its new name leaves the new chart only.
        Ui().answers = {Answer::No};
        f->Names().RightClick({30, 2 * 16 + 5});
        EXPECT_EQ(Rec().RowCount(), 3);
        EXPECT_EQ(ReadChartFile(dir.File(c.newChart))->seats[0], TPeople::Free());
        EXPECT_EQ(dir.Read("a/alg.CHT"), seated);
    }
}

// An upper-case class file is the file that changes: no second file beside it.
TEST_F(ClassWindowFileTest, UpperCaseClassFileOpenedChangedAndSavedIsTheFileThatChanges) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("BIOLOGY.GDR");
    ASSERT_TRUE(WriteClassFile(r));
    const auto before = dir.Read("BIOLOGY.GDR");
    Open(ReadClassFile(dir.File("BIOLOGY.GDR")));
    Rec().info.instructor = "Jones";
    Rec().modified = true;

    EXPECT_TRUE(f->child->Save());
    EXPECT_EQ(Ui().boxes.size(), 0u);
    EXPECT_NE(dir.Read("BIOLOGY.GDR"), before);
    EXPECT_EQ(ReadClassFile(dir.File("BIOLOGY.GDR")).info.instructor.Str(), "Jones");
    // The "has changed" prompt and the caption name the file that is written.
    Rec().modified = true;
    Ui().answers = {Answer::Yes};
    EXPECT_TRUE(f->child->CanClose());
    EXPECT_EQ(Ui().boxes.at(0).text, std::string("BIOLOGY.GDR") + kChangedSuffix);
    EXPECT_EQ(f->Host().caption, "Algebra       Period 3  " + dir.File("BIOLOGY.GDR"));
    // Save As onto it asks before overwriting it, under its own name.
    Ui().fileNames = {dir.File("BIOLOGY.GDR")};
    Ui().answers = {Answer::Cancel};
    EXPECT_FALSE(f->child->SaveAs());
    EXPECT_EQ(Ui().boxes.back().caption, "File exists");

    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"BIOLOGY.GDR"});
}

// Save As onto the class's own file by another path is a save: its chart
// (found in any case of its extension) stays.
TEST_F(ClassWindowFileTest, SaveAsOntoItselfByAnotherPathKeepsTheChart) {
    std::filesystem::create_symlink(dir.File("own.gdr"), dir.File("link.gdr"));
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const struct {
        const char* opened;
        std::string chosen;
        const char* chart;
    } cases[] = {
        {"own.gdr", dir.File("own.gdr"), "own.CHT"},
        {"own.gdr", dir.File("sub/../own.gdr"), "own.cht"},
        {"own.gdr", "link.gdr", "own.CHT"},
        {"link.gdr", "own.gdr", "own.cht"},
    };
    std::filesystem::create_directory(dir.File("sub"));
    for (const auto& c : cases) {
        ClassRecord r = SmallClass();
        r.fileName = c.opened;
        ASSERT_TRUE(WriteClassFile(r));
        dir.Write(c.chart, kChart);
        Open(std::move(r));
        Ui().fileNames = {c.chosen};
        Ui().answers = {Answer::Yes};
        EXPECT_TRUE(f->child->SaveAs()) << c.chosen;
        EXPECT_EQ(dir.Read(c.chart), kChart) << c.opened << " saved as " << c.chosen;
        std::filesystem::remove(dir.File(c.chart));
    }
    std::filesystem::current_path(saved);
}

TEST_F(ClassWindowFileTest, SaveWritesANamedClassWithoutAskingAndAFailureWarns) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("c.gdr");
    r.modified = true;
    Open(std::move(r));
    EXPECT_TRUE(f->child->Save());
    EXPECT_TRUE(Ui().fileDialogs.empty());
    EXPECT_EQ(dir.Read("c.gdr"), SerializeClassFile(Rec()));
    EXPECT_FALSE(Rec().modified);

    Rec().fileName = dir.File("missing-folder/c.gdr");
    Rec().modified = true;
    EXPECT_FALSE(f->child->Save());
    ASSERT_EQ(Ui().boxes.size(), 1u);
    EXPECT_EQ(Ui().boxes[0].caption, "Warning");
    EXPECT_EQ(Ui().boxes[0].text, "File cannot be found!\nNo such file or folder: " + dir.File("missing-folder/c.gdr"));
    EXPECT_EQ(Ui().boxes[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(Rec().modified);
}

TEST_F(ClassWindowFileTest, SaveOfAnUntitledClassRunsSaveAs) {
    Open(SmallClass());
    EXPECT_FALSE(f->child->Save());  // the dialog is cancelled
    EXPECT_EQ(Ui().fileDialogs.size(), 1u);
    Ui().fileNames = {dir.File("u.gdr")};
    EXPECT_TRUE(f->child->Save());
    EXPECT_TRUE(dir.Exists("u.gdr"));
}

TEST_F(ClassWindowFileTest, UnmodifiedClassClosesWithoutAsking) {
    Open(SmallClass());
    EXPECT_TRUE(f->frame.CloseChild(*f->child));
    EXPECT_TRUE(Ui().boxes.empty());
    EXPECT_EQ(f->frame.destroyed.size(), 1u);
}

TEST_F(ClassWindowFileTest, ChangedPromptCancelKeepsNoClosesWithoutWriting) {
    Open(SmallClass());
    Rec().modified = true;
    Ui().answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(f->child->CanClose());
    ASSERT_EQ(Ui().boxes.size(), 1u);
    EXPECT_EQ(Ui().boxes[0].caption, "File has changed");
    EXPECT_EQ(Ui().boxes[0].text, std::string("Untitled") + kChangedSuffix);
    EXPECT_EQ(Ui().boxes[0].buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(Ui().boxes[0].icon, platform::Icon::Question);
    EXPECT_TRUE(f->child->CanClose());
    EXPECT_TRUE(Ui().fileDialogs.empty());
}

TEST_F(ClassWindowFileTest, ChangedPromptYesOnUntitledRunsSaveAsAndItsCancelKeepsTheWindow) {
    Open(SmallClass());
    Rec().modified = true;
    Ui().answers = {Answer::Yes};
    EXPECT_FALSE(f->frame.CloseChild(*f->child));
    EXPECT_EQ(Ui().fileDialogs.size(), 1u);
    EXPECT_TRUE(f->frame.destroyed.empty());

    Ui().answers = {Answer::Yes};
    Ui().fileNames = {dir.File("saved.gdr")};
    EXPECT_TRUE(f->child->CanClose());
    EXPECT_EQ(dir.Read("saved.gdr"), SerializeClassFile(Rec()));
    EXPECT_FALSE(Rec().modified);
}

TEST_F(ClassWindowFileTest, ChangedPromptYesWritesANamedClassAndShowsItsBaseName) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("period3.txt");
    r.modified = true;
    Open(std::move(r));
    EXPECT_TRUE(f->child->CanClose());
    EXPECT_EQ(Ui().boxes[0].text, std::string("period3.gdr") + kChangedSuffix);
    EXPECT_TRUE(dir.Exists("period3.gdr"));
    EXPECT_EQ(f->Host().caption, "Algebra       Period 3  " + dir.File("period3.gdr"));
}

TEST_F(ClassWindowFileTest, ChangedPromptYesKeepsTheWindowOpenWhenTheWriteFails) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("gone/c.gdr");
    r.modified = true;
    Open(std::move(r));
    EXPECT_FALSE(f->child->CanClose());
    ASSERT_EQ(Ui().boxes.size(), 2u);
    EXPECT_EQ(Ui().boxes[1].text, "File cannot be found!\nNo such file or folder: " + dir.File("gone/c.gdr"));
    EXPECT_EQ(Ui().boxes[1].caption, "Warning");
    EXPECT_TRUE(Rec().modified);
}

TEST_F(ClassWindowFileTest, CaptionConvertsTheFileNameAndNamesAnUntitledClass) {
    ClassRecord r = NewClassRecord();
    Open(std::move(r));
    EXPECT_EQ(f->Host().caption, "Untitled");
    Rec().info.course = "Bio";
    Rec().info.period = "2-3";
    Rec().fileName = dir.File("caf\xC3\xA9.gdr");  // UTF-8 path
    f->child->UpdateCaption();
    EXPECT_EQ(f->Host().caption, "Bio       Period 2-3  " + dir.File("caf\xE9.gdr"));
}

TEST_F(ClassWindowFileTest, ClassInformationKeepsToItsLimitsRecaptionsAndWrites) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("c.gdr");
    Open(std::move(r));
    Ui().dialogs.push_back([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(101), "Algebra");
        EXPECT_EQ(h.Text(102), "Smith");
        EXPECT_EQ(h.Text(103), "3");
        h.Type(101, std::string(40, 'C'));
        h.Type(102, std::string(60, 'I'));
        h.Type(103, std::string(30, 'P'));
        h.PressOk();
    });
    EXPECT_TRUE(f->child->Command(107));
    EXPECT_EQ(Ui().dialogCaptions.back(), "Class Information");
    EXPECT_EQ(Rec().info.course.Str(), std::string(29, 'C'));
    EXPECT_EQ(Rec().info.instructor.Str(), std::string(49, 'I'));
    EXPECT_EQ(Rec().info.period.Str(), std::string(19, 'P'));
    EXPECT_EQ(f->Host().caption,
              std::string(29, 'C') + "       Period " + std::string(19, 'P') + "  " + dir.File("c.gdr"));
    EXPECT_EQ(dir.Read("c.gdr"), SerializeClassFile(Rec()));

    // The dialog's resource holds the limits too, for the screen.
    TClassInfoDialog probe(Rec().info);
    EXPECT_EQ(probe.Resource().Find(101)->textLimit, 29);
    EXPECT_EQ(probe.Resource().Find(102)->textLimit, 49);
    EXPECT_EQ(probe.Resource().Find(103)->textLimit, 19);

    std::filesystem::remove(dir.File("c.gdr"));
    Ui().dialogs.push_back([](FakeDialogHost& h) {
        h.Type(101, "Other");
        h.PressCancel();
    });
    EXPECT_TRUE(f->child->Command(107));
    EXPECT_EQ(Rec().info.course.Str(), std::string(29, 'C'));
    EXPECT_FALSE(dir.Exists("c.gdr"));
    EXPECT_FALSE(f->child->Command(24333));
}

TEST_F(ClassWindowFileTest, DisplayOptionsUntickingIdHidesItSavesTheClassAndTheDefaults) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("c.gdr");
    Open(std::move(r));
    Ui().programDirectory = dir.Path();
    const DisplayFlags before = Rec().display;
    Ui().dialogs.push_back([&](FakeDialogHost& h) {
        for (int i = 0; i < kDisplayFlagCount; ++i) EXPECT_EQ(h.IsChecked(102 + i), before[i] == 1) << i;
        h.Click(103);
        h.PressOk();
    });
    EXPECT_TRUE(f->child->Command(301));
    EXPECT_EQ(Ui().dialogCaptions.back(), "Window Display Options");
    EXPECT_EQ(Rec().display[kShowId], 0);
    EXPECT_EQ(f->Host().PanePlacement(f->Names()), (platform::Rect{0, 0, 260, 600}));
    RecordingCanvas c = f->NamesHost().Paint();
    EXPECT_EQ(c.Find("ID #"), nullptr);
    EXPECT_EQ(dir.Read("c.gdr"), SerializeClassFile(Rec()));
    EXPECT_EQ(dir.Read("QUORLE.OPT"), SerializeDisplayOptions(Rec().display));
    EXPECT_EQ(dir.Read("QUORLE.OPT").size(), 88u);
    EXPECT_EQ(dir.Read("QUORLE.OPT")[4], 0);  // the ID flag
    EXPECT_EQ(dir.Read("QUORLE.OPT")[0], 1);
    EXPECT_TRUE(Ui().boxes.empty());

    // A class made afterwards starts with the ID column hidden.
    ClassRecord fresh = NewClassRecord();
    EXPECT_TRUE(LoadDisplayDefaults(dir.Path(), fresh));
    EXPECT_EQ(fresh.display, Rec().display);
}

TEST_F(ClassWindowFileTest, DisplayOptionsCancelWritesNothingAndAnUnwritableOptionFileWarns) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("c.gdr");
    Open(std::move(r));
    Ui().programDirectory = dir.Path();
    const DisplayFlags before = Rec().display;
    Ui().dialogs.push_back([](FakeDialogHost& h) {
        h.Click(102);
        h.Click(110);
        h.PressCancel();
    });
    EXPECT_TRUE(f->child->Command(301));
    EXPECT_EQ(Rec().display, before);
    EXPECT_FALSE(dir.Exists("c.gdr"));
    EXPECT_FALSE(dir.Exists("QUORLE.OPT"));

    Ui().programDirectory = dir.File("no-such-folder");
    Ui().dialogs.push_back([](FakeDialogHost& h) { h.PressOk(); });
    EXPECT_TRUE(f->child->Command(301));
    ASSERT_EQ(Ui().boxes.size(), 1u);
    EXPECT_EQ(Ui().boxes[0].text,
              "File cannot be found!\nNo such file or folder: " + dir.File("no-such-folder/QUORLE.OPT"));
    EXPECT_EQ(Ui().boxes[0].caption, "Warning");
    EXPECT_TRUE(dir.Exists("c.gdr"));
}

TEST_F(ClassWindowFileTest, ExtraNamesRenameTheLabelsAndHeadingsMarkChangedAndWriteNothing) {
    ClassRecord r = SmallClass();
    r.fileName = dir.File("c.gdr");
    r.display[kShowAverageFirst + int{kExtra1}] = 1;
    Open(std::move(r));
    Ui().dialogs.push_back([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(101), "Extra1");
        EXPECT_EQ(h.Text(102), "Extra2");
        h.Type(101, "Lab2");
        h.Type(102, "Projects");  // at most 6 characters
        h.PressOk();
    });
    const int invalidations = f->GradesHost().invalidations;
    EXPECT_TRUE(f->child->Command(302));
    EXPECT_EQ(Ui().dialogCaptions.back(), "Change Extra 1 or 2 Name");
    EXPECT_EQ(Rec().extra1Name.Str(), "Lab2");
    EXPECT_EQ(Rec().extra2Name.Str(), "Projec");
    EXPECT_TRUE(Rec().modified);
    EXPECT_FALSE(dir.Exists("c.gdr"));
    EXPECT_GT(f->GradesHost().invalidations, invalidations);
    EXPECT_NE(f->GradesHost().Paint().Find("Lab2 Aver"), nullptr);

    Ui().dialogs.push_back([](FakeDialogHost& h) {
        EXPECT_EQ(h.Text(150), "Lab2");
        EXPECT_EQ(h.Text(152), "Lab2 Average");
        EXPECT_EQ(h.Text(154), "Lab2 Points");
        EXPECT_EQ(h.Text(151), "Projec");
        EXPECT_EQ(h.Text(153), "Projec Average");
        EXPECT_EQ(h.Text(155), "Projec Points");
        h.PressCancel();
    });
    EXPECT_TRUE(f->child->Command(301));

    Rec().modified = false;
    Ui().dialogs.push_back([](FakeDialogHost& h) {
        h.Type(101, "X");
        h.PressCancel();
    });
    EXPECT_TRUE(f->child->Command(302));
    EXPECT_EQ(Rec().extra1Name.Str(), "Lab2");
    EXPECT_FALSE(Rec().modified);
    EXPECT_FALSE(dir.Exists("c.gdr"));
}

TEST_F(ClassWindowFileTest, CommandsOnAnUntitledClassMarkItChangedWithoutAWarning) {
    Open(SmallClass());
    Ui().programDirectory = dir.Path();
    Ui().dialogs.push_back([](FakeDialogHost& h) {
        h.Type(101, "Chemistry");
        h.PressOk();
    });
    Ui().dialogs.push_back([](FakeDialogHost& h) { h.PressOk(); });
    EXPECT_TRUE(f->child->Command(107));
    EXPECT_TRUE(f->child->Command(301));
    EXPECT_TRUE(Ui().boxes.empty());
    EXPECT_TRUE(Rec().modified);
    EXPECT_EQ(f->Host().caption, "*Chemistry       Period 3  Untitled");
    EXPECT_TRUE(dir.Exists("QUORLE.OPT"));
}

}  // namespace
}  // namespace quorle::testing

namespace quorle::testing {
namespace {

// A device that notes, outside itself, how many pages it started and whether
// the class window was enabled while one printed (the job destroys the device).
struct WatchingDevice : RecordingPrintDevice {
    WatchingDevice(platform::ChildHost& window, bool& enabled, int& pages)
        : window_(window), enabled_(enabled), pages_(pages) {}
    int StartPage() override {
        enabled_ = enabled_ || window_.IsEnabled();
        ++pages_;
        return RecordingPrintDevice::StartPage();
    }
    platform::ChildHost& window_;
    bool& enabled_;
    int& pages_;
};

TEST(ClassWindowPrint, MakeupWorkPrintsWithTheWindowDisabledAndCancelLeavesItEnabled) {
    TempDir dir;
    ClassWindowFixture f(SmallClass());
    f.ui.programDirectory = dir.Path();

    // Cancelled print dialog: nothing printed, the window stays enabled.
    EXPECT_TRUE(f.child->Command(123));
    EXPECT_EQ(f.ui.printDialogCount, 1);
    EXPECT_TRUE(f.Host().IsEnabled());

    bool enabledWhilePrinting = false;
    int pages = 0;
    f.ui.printDialogs.push_back([&](platform::PrintSetup&) -> std::unique_ptr<platform::PrintDevice> {
        return std::make_unique<WatchingDevice>(f.Host(), enabledWhilePrinting, pages);
    });
    EXPECT_TRUE(f.child->Command(123));
    EXPECT_EQ(pages, 1);
    EXPECT_FALSE(enabledWhilePrinting);
    EXPECT_TRUE(f.Host().IsEnabled());
}

TEST(ClassWindowPrint, GradesCancelledInTheOptionsDialogPrintsNothing) {
    TempDir dir;
    ClassWindowFixture f(SmallClass());
    f.ui.programDirectory = dir.Path();
    EXPECT_TRUE(f.child->Command(110));
    EXPECT_EQ(f.ui.dialogCaptions.back(), "Print Display Options");
    EXPECT_EQ(f.ui.printDialogCount, 0);
    EXPECT_FALSE(dir.Exists("QUORLE.POP"));
}

TEST(ClassWindowPrint, ListsAndFormsStartWithTheirFirstQuestion) {
    // command -> the dialog it opens first ("" for straight to the print dialog)
    const struct {
        int command;
        const char* firstDialog;
    } cases[] = {{115, ""}, {116, ""}, {118, "Number of Grades"}, {117, "Length of Attendance"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        ClassWindowFixture f(SmallClass());
        EXPECT_TRUE(f.child->Command(c.command));
        if (*c.firstDialog == 0) {
            EXPECT_TRUE(f.ui.dialogCaptions.empty());
            EXPECT_EQ(f.ui.printDialogCount, 1);
        } else {
            EXPECT_EQ(f.ui.dialogCaptions, std::vector<std::string>{c.firstDialog});
            EXPECT_EQ(f.ui.printDialogCount, 0);
        }
        EXPECT_TRUE(f.Host().IsEnabled());
    }
}

TEST(ClassWindowPrint, ProgressReportsGoToTheStudentsTickedInTheNamesPane) {
    TempDir dir;
    ClassWindowFixture f(SmallClass());
    f.ui.programDirectory = dir.Path();
    dir.Write("quorle.prg", {'{', 'f', 'i', 'r', 's', 't', 'n', 'a', 'm', 'e', '}'});
    f.NamesHost().SetCheckBoxChecked(f.Names().SelectionBoxId(1), true);
    f.NamesHost().SetCheckBoxChecked(f.Names().SelectionBoxId(3), true);
    RecordingPrintDevice device;
    f.ui.dialogs.push_back([](FakeDialogHost& host) { host.PressOk(); });
    f.ui.printDialogs.push_back([&](platform::PrintSetup&) -> std::unique_ptr<platform::PrintDevice> {
        return std::make_unique<WatchedDevice>(device, nullptr);
    });
    EXPECT_TRUE(f.child->Command(112));
    EXPECT_EQ(f.ui.dialogCaptions, std::vector<std::string>{"Progress/Warning Print Options"});
    ASSERT_EQ(device.pages.size(), 1u);
    EXPECT_EQ(device.PageTexts(0), (std::vector<std::string>{"Ann", "Cy"}));
    EXPECT_TRUE(f.Host().IsEnabled());
}

}  // namespace
}  // namespace quorle::testing
