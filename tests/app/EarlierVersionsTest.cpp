#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
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
            EXPECT_EQ(frame.HostOf(*version)->caption,
                      "Biology       Period 3  Version of bio.gdr saved " + oldest + " (read-only)");
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

// Everything in the folder, file by file: nothing of it may change while a
// version is only read.
std::map<std::string, Bytes> Folder(const std::string& folder) {
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path().string()] = ReadBytes(entry.path().string());
    return files;
}

TEST_F(EarlierVersionsTest, AnOpenedVersionRefusesEveryChangeUntilSavedAsACopy) {
    ASSERT_TRUE(client.OpenClass(path));
    ui.dialogs.push_back([](FakeDialogHost& host) {
        host.Select(resources::kIdVersionList, 0);  // the version with Quiz 5
        host.Click(resources::kIdOpenVersion);
    });
    client.Command(cmd::kEarlierVersions);
    auto* version = dynamic_cast<TDecoChild*>(frame.ActiveChild());
    ASSERT_NE(version, nullptr);
    ASSERT_TRUE(version->IsReadOnly());
    const std::string refusal =
        "This is an earlier version of bio.gdr, opened to be read: it cannot be changed.\nTo make it the class "
        "again, use Restore in File > Earlier Versions of bio.gdr; to keep a copy to work on, use Save As.";
    const auto enabled = [&](int id) {
        const auto it = frame.commandEnabled.find(id);
        return it == frame.commandEnabled.end() || it->second;
    };
    const auto folder = Folder(dir.Path());
    const auto versions = Folder(home.VersionsFolder());
    const std::string caption = frame.HostOf(*version)->caption;
    EXPECT_NE(caption.find("Version of bio.gdr saved "), std::string::npos);
    EXPECT_EQ(caption.substr(caption.size() - 12), " (read-only)");

    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const auto command = [&](int id) { return [&, id] { client.Command(id); }; };
    const Case cases[] = {
        {"New Grade", command(cmd::kNewGrade)},
        {"Add Students", command(cmd::kAddStudents)},
        {"Import Students", command(cmd::kImportStudents)},
        {"Grading System", command(cmd::kGradingSystem)},
        {"Alphabetize", command(cmd::kAlphabetize)},
        {"Edit Student", command(cmd::kStudentInfo)},
        {"Change Grade Title", command(cmd::kChangeGradeTitle)},
        {"Class Information", command(cmd::kClassInformation)},
        {"Display Options", command(cmd::kDisplayOptions)},
        {"Extra names", command(cmd::kExtraNames)},
        {"Undo", command(cmd::kUndo)},
        {"Redo", command(cmd::kRedo)},
        {"Save", command(cmd::kSave)},
        {"name double-click", [&] { version->Names().LeftDoubleClick(platform::Point{30, 2 * 16 + 5}); }},
        {"drop or transfer", [&] { version->Names().RightClick(platform::Point{30, 2 * 16 + 5}); }},
        {"grade value", [&] { version->Grades().LeftDoubleClick(platform::Point{10, 2 * 16 + 5}); }},
        {"delete grade set", [&] { version->Grades().RightClick(platform::Point{10, 5}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.boxes.clear();
        ui.dialogCaptions.clear();
        c.act();
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].caption, "Information");
        EXPECT_EQ(ui.boxes[0].text, refusal);
        EXPECT_EQ(ui.boxes[0].buttons, platform::Buttons::Ok);
        EXPECT_TRUE(ui.dialogCaptions.empty()) << "refused before any dialog";
        EXPECT_EQ(Folder(dir.Path()), folder);
        EXPECT_EQ(Folder(home.VersionsFolder()), versions);
        EXPECT_EQ(SerializeClassFile(version->Record()), states[1]);
        EXPECT_FALSE(version->Record().modified);
        EXPECT_EQ(frame.HostOf(*version)->caption, caption);
        EXPECT_FALSE(enabled(cmd::kNewGrade)) << "greyed while the version is active";
        EXPECT_FALSE(enabled(cmd::kSave));
    }
    // Printing and looking stay open to it.
    EXPECT_TRUE(enabled(cmd::kPrintGrades));
    EXPECT_TRUE(enabled(cmd::kSaveAs));

    // Save As makes it a class of its own: written, no longer read-only.
    ui.boxes.clear();
    const std::string copy = dir.File("copy.gdr");
    ui.fileNames.push_back(copy);
    client.Command(cmd::kSaveAs);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(ReadBytes(copy), states[1]);
    EXPECT_FALSE(version->IsReadOnly());
    EXPECT_EQ(frame.HostOf(*version)->caption, WindowCaption(version->Record()));
    EXPECT_TRUE(enabled(cmd::kNewGrade));
    ui.answers.push_back(Answer::No);  // drop Bob Baker, no transfer
    version->Names().RightClick(platform::Point{30, 2 * 16 + 5});
    EXPECT_EQ(ReadClassFile(copy).StudentCount(), 1);
    EXPECT_EQ(ReadBytes(path), states[2]) << "the class itself never changed";
}

}  // namespace
}  // namespace quorle
