// File > New through the fake platform: Cancel at either of the first two
// steps leaves nothing; otherwise the class is named, written, filled with
// students and given its grading system, and its window shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "grading/GradingDefaults.h"
#include "record/ClassFile.h"
#include "record/UsualSettings.h"
#include "resources/ClassDialogs.h"
#include "resources/GradingDialogs.h"
#include "resources/Menus.h"
#include "resources/RosterDialogs.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

using testing::FakeDialogHost;
using testing::FakeFrame;
using testing::FakeUi;
using testing::TempDir;
namespace res = resources;

struct NewClassFixture {
    TempDir dir;
    FakeUi ui = [this] {
        FakeUi u;
        u.programDirectory = dir.Path();
        return u;
    }();
    FakeFrame frame{platform::Size{1024, 768}};
    TDecoClient client{frame, ui};

    NewClassFixture() {
        frame.client = &client;
        std::filesystem::create_directory(dir.File("classes"));
        const GradingSystem usual = UsualGradingSystem();
        for (const GradingDefault which : kGradingDefaultsReadOrder)
            EXPECT_TRUE(WriteGradingDefault(dir.Path(), which, usual));
    }
    std::vector<std::string> ClassFiles() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.File("classes")))
            names.push_back(e.path().filename().string());
        return names;
    }
};

testing::DialogScript ClassInfo(const char* course, const char* period) {
    return [=](FakeDialogHost& host) {
        host.Type(res::kIdCourseTitle, course);
        host.Type(res::kIdInstructor, "Mrs. Hale");
        host.Type(res::kIdPeriod, period);
        EXPECT_TRUE(host.PressOk());
    };
}

testing::DialogScript Student(const char* last, const char* first) {
    return [=](FakeDialogHost& host) {
        host.Type(res::kIdEntryLastName, last);
        host.Type(res::kIdEntryFirstName, first);
        EXPECT_TRUE(host.PressOk());
    };
}

testing::DialogScript Cancel() {
    return [](FakeDialogHost& host) { host.PressCancel(); };
}

TEST(NewClass, CancelAtClassInformationOrFileNameLeavesNoWindowAndNoFile) {
    for (int step = 0; step < 2; ++step) {
        SCOPED_TRACE(step);
        NewClassFixture f;
        if (step == 0) f.ui.dialogs = {Cancel()};
        else f.ui.dialogs = {ClassInfo("Biology", "2")};  // the file dialog has no script: cancelled
        f.client.Command(res::cmd::kNew);
        EXPECT_TRUE(f.frame.Children().empty());
        EXPECT_EQ(f.client.OpenClassCount(), 0);
        EXPECT_TRUE(f.ClassFiles().empty());
        EXPECT_EQ(f.ui.fileDialogs.size(), static_cast<std::size_t>(step));
        EXPECT_TRUE(f.ui.boxes.empty());
    }
}

TEST(NewClass, MakesAWeightedClassWithThreeStudents) {
    NewClassFixture f;
    std::filesystem::remove(f.dir.File("QUORLE.OPT"));  // no display defaults: a warning, the class is still made
    const std::string path = f.dir.File("classes/biology.gdr");
    f.ui.fileNames = {path};
    f.ui.dialogs = {ClassInfo("Biology", "2"),
                    Student("Adams", "Ann"),
                    Student("Baker", "Bob"),
                    Student("Cole", "Cy"),
                    Cancel(),
                    [](FakeDialogHost& host) {
                        host.Click(res::kIdWeighted);
                        EXPECT_TRUE(host.PressOk());
                    },
                    [](FakeDialogHost& host) {
                        EXPECT_EQ(host.Text(res::kIdFirstWeight), "25");  // from QUORLE.WTS
                        EXPECT_TRUE(host.PressOk());
                    },
                    [](FakeDialogHost& host) {
                        EXPECT_EQ(host.Text(res::kIdFirstLimit), "90");  // from QUORLE.NPL
                        EXPECT_TRUE(host.PressOk());
                    }};
    f.client.Command(res::cmd::kNew);

    EXPECT_EQ(f.ui.dialogCaptions,
              (std::vector<std::string>{"Class Information", "Enter/Edit Student Information",
                                        "Enter/Edit Student Information", "Enter/Edit Student Information",
                                        "Enter/Edit Student Information", "Grading System", "Weighted Percentages",
                                        "Enter Lowest Value for Each"}));
    // QUORLE.OPT is missing: the box says which file and why.
    EXPECT_EQ(f.ui.BoxTexts(),
              (std::vector<std::string>{"File cannot be found!\nNo such file or folder: " + f.dir.File("QUORLE.OPT")}));
    ASSERT_EQ(f.frame.Children().size(), 1u);
    EXPECT_EQ(f.client.OpenClassCount(), 1);
    TDecoChild* window = f.client.ActiveClass();
    ASSERT_NE(window, nullptr);
    const ClassRecord& r = window->Record();
    ASSERT_EQ(r.RowCount(), 4);
    EXPECT_EQ(r.Row(0).lastName.View(), "Possible");
    EXPECT_EQ(r.Row(3).lastName.View(), "Cole");
    std::set<std::string> ids;
    for (int i = 1; i < 4; ++i) {
        const int id = std::stoi(r.Row(i).id.Str());
        EXPECT_GE(id, 1);
        EXPECT_LE(id, 999);
        ids.insert(r.Row(i).id.Str());
    }
    EXPECT_EQ(ids.size(), 3u);  // three students, three numbers
    EXPECT_EQ(r.grading.weightedFlag, 1);
    EXPECT_EQ(r.grading.pointsFlag, 0);
    EXPECT_EQ(r.grading.weights[3].View(), "25");
    EXPECT_EQ(r.fileName, path);
    EXPECT_FALSE(r.modified);
    EXPECT_EQ(f.dir.Read("classes/biology.gdr"), SerializeClassFile(r));
    EXPECT_EQ(f.dir.Read("QUORLE.SYS"), (std::vector<unsigned char>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.frame.HostOf(*window)->caption, "Biology       Period 2  " + path);
    EXPECT_EQ(window->Names().SelectionBoxCount(), 3);
    EXPECT_TRUE(f.frame.HostOf(*window)->Shown());
    EXPECT_GT(f.frame.HostOf(*window)->PaneHost(window->Names())->focusCount, 0);
}

}  // namespace
}  // namespace quorle
