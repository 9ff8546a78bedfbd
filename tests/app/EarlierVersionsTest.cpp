#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "record/ClassFile.h"
#include "record/VersionStore.h"
#include "resources/Menus.h"
#include "resources/VersionDialogs.h"
#include "support/DataHome.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace quorle {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using testing::DataHome;
using testing::FakeDialogHost;
using testing::FakeFrame;
using testing::FakeUi;
using testing::TempDir;
namespace cmd = resources::cmd;
using Bytes = std::vector<unsigned char>;

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A class saved three times before the window opens it: as it began, with
// Quiz 5, then without Bob Baker. The first two are its earlier versions.
class EarlierVersionsTest : public ::testing::Test {
protected:
    EarlierVersionsTest() : client(frame, ui) {
        frame.client = &client;
        ui.programDirectory = dir.Path();
        ClassRecord record = NewClassRecord();
        record.info.course = "Biology";
        record.info.period = "3";
        AddStudent(record, "Adams", "Ann", "101");
        AddStudent(record, "Baker", "Bob", "102");
        record.fileName = path;
        states.push_back(SerializeClassFile(record));
        WriteClassFile(record);
        for (TStudent& student : record.roster) {
            TGrades quiz;
            quiz.title = "Quiz 5";
            quiz.value = 10;
            student.scores[kQuizzes].push_back(quiz);
        }
        states.push_back(SerializeClassFile(record));
        WriteClassFile(record);
        RemoveStudent(record, 2);
        states.push_back(SerializeClassFile(record));
        WriteClassFile(record);
    }

    DataHome home;  // before the client, which tells the teacher through ui
    TempDir dir;
    std::string path = dir.File("bio.gdr");
    std::vector<Bytes> states;
    FakeUi ui;
    FakeFrame frame{platform::Size{1024, 768}};
    TDecoClient client;
};

TEST_F(EarlierVersionsTest, ListsNewestFirstThenOpensOrRestoresTheChosenVersion) {
    const auto versions = ListVersions(path);
    ASSERT_EQ(versions.size(), 2u);
    const std::string oldest = LocalTimeText(versions[0].time);
    const std::vector<std::string> lines{LocalTimeText(versions[1].time) + "   added Quiz 5",
                                         oldest + "   oldest version kept"};
    struct Case {
        const char* what;
        int line;
        int button;
        std::optional<Answer> answer;  // to the question of Restore
        std::size_t windows;
        Bytes file;
    };
    const Case cases[] = {
        {"Close", 0, platform::kIdCancel, {}, 1, states[2]},
        {"Open", 1, resources::kIdOpenVersion, {}, 2, states[2]},
        {"Restore, No", 1, resources::kIdRestoreVersion, Answer::No, 1, states[2]},
        {"Restore, Yes", 1, resources::kIdRestoreVersion, Answer::Yes, 1, states[0]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        client.Command(cmd::kCloseAll);
        ASSERT_TRUE(client.OpenClass(path));
        ui.boxes.clear();
        std::vector<std::string> shown;
        std::string heading, caption;
        ui.dialogs.push_back([&](FakeDialogHost& host) {
            caption = host.Caption();
            heading = host.Text(resources::kIdVersionsHeading);
            shown = host.ListItems(resources::kIdVersionList);
            host.Select(resources::kIdVersionList, c.line);
            host.Click(c.button);
        });
        if (c.answer) ui.answers.push_back(*c.answer);
        client.Command(cmd::kEarlierVersions);

        EXPECT_EQ(caption, "Earlier Versions");
        EXPECT_EQ(heading, "Earlier versions of bio.gdr, newest first:");
        EXPECT_EQ(shown, lines);
        EXPECT_EQ(frame.Children().size(), c.windows);
        EXPECT_EQ(ReadBytes(path), c.file);
        if (c.answer) {
            ASSERT_EQ(ui.boxes.size(), 1u);
            EXPECT_EQ(ui.boxes[0].caption, "Earlier Versions");
            EXPECT_EQ(ui.boxes[0].text, "Do you want to restore the version of bio.gdr saved " + oldest +
                                            " ?\nThe class as it is now is kept as an earlier version.");
            EXPECT_EQ(ui.boxes[0].icon, platform::Icon::Question);
        } else {
            EXPECT_TRUE(ui.boxes.empty());
        }
        if (c.button == resources::kIdOpenVersion) {
            auto* version = dynamic_cast<TDecoChild*>(frame.ActiveChild());
            ASSERT_NE(version, nullptr);
            EXPECT_EQ(frame.HostOf(*version)->caption, "Biology       Period 3  Version of bio.gdr saved " + oldest + " (read-only)");
            EXPECT_EQ(version->Record().fileName, "") << "saving it asks for a name";
            EXPECT_FALSE(version->Record().modified);
            EXPECT_EQ(SerializeClassFile(version->Record()), states[0]);
        }
        if (c.answer == Answer::Yes) {
            auto* window = dynamic_cast<TDecoChild*>(frame.ActiveChild());
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->Record().StudentCount(), 2);
            const auto after = ListVersions(path);
            EXPECT_EQ(ReadBytes(after.back().path), states[2]) << "the class as it was is a version too";
        }
    }
}

TEST_F(EarlierVersionsTest, AFolderThatCannotTakeVersionsIsToldOnceAndTheSavesGoOn) {
    fs::remove_all(home.VersionsFolder());
    std::ofstream(home.VersionsFolder()) << "not a folder";
    ASSERT_TRUE(client.OpenClass(path));
    auto* window = dynamic_cast<TDecoChild*>(frame.ActiveChild());
    ASSERT_NE(window, nullptr);
    for (const char* course : {"Biology II", "Biology III", "Biology IV"}) {
        window->Record().info.course = course;
        client.Command(cmd::kSave);
        EXPECT_EQ(ReadClassFile(path).info.course.Str(), course);
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Warning");
    EXPECT_EQ(ui.boxes[0].text, std::string(kVersionsNotKept) + "\nA part of the path is not a folder: " +
                                    VersionFolder(path));
    EXPECT_EQ(ui.boxes[0].icon, platform::Icon::Exclamation);

    // With no version to show, the command says so.
    ui.boxes.clear();
    client.Command(cmd::kEarlierVersions);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Information");
    EXPECT_EQ(ui.boxes[0].text,
              "No earlier versions of bio.gdr are kept yet. A version is kept each time the class is saved.");
    EXPECT_TRUE(ui.dialogCaptions.empty());
}

}  // namespace
}  // namespace quorle
