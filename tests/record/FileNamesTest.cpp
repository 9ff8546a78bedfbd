#include "record/FileNames.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace quorle::testing {
namespace {

namespace fs = std::filesystem;

// Keeps the working folder of the test and restores it.
struct InFolder {
    explicit InFolder(const std::string& path) : saved(fs::current_path()) { fs::current_path(path); }
    ~InFolder() { fs::current_path(saved); }
    fs::path saved;
};

TEST(EnsureExtension, KeepsTheExtensionInAnyCaseAndReplacesAnyOther) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/t/BIOLOGY.GDR", "/t/BIOLOGY.GDR"},
        {"/t/Bio.Gdr", "/t/Bio.Gdr"},
        {"/t/bio.gdr", "/t/bio.gdr"},
        {"/t/Period3.TXT", "/t/Period3.gdr"},
        {"/t/Period3", "/t/Period3.gdr"},
        {"/t/v1.2/bio", "/t/v1.2/bio.gdr"},
        {"bio.old.gdr", "bio.old.gdr"},
        {"bio.gdr.bak", "bio.gdr.gdr"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(EnsureExtension(c.path, "gdr"), c.expected) << c.path;
    EXPECT_EQ(EnsureExtension("/t/x.COL", ".col"), "/t/x.COL");
}

TEST(SiblingPath, FindsTheFileWhateverTheCaseElseNamesItAsGiven) {
    TempDir dir;
    dir.Write("lower.cht", {1});
    dir.Write("UPPER.CHT", {1});
    dir.Write("Mixed.Cht", {1});
    fs::create_directory(dir.File("folder.CHT"));
    const struct {
        const char* classFile;
        const char* expected;
    } cases[] = {
        {"lower.gdr", "lower.cht"},   {"UPPER.GDR", "UPPER.CHT"}, {"Mixed.gdr", "Mixed.Cht"},
        {"absent.gdr", "absent.CHT"}, {"folder.gdr", "folder.CHT"},
        // The name before the extension is matched exactly.
        {"LOWER.gdr", "LOWER.CHT"},
    };
    for (const auto& c : cases) EXPECT_EQ(SiblingPath(dir.File(c.classFile), "CHT"), dir.File(c.expected)) << c.classFile;

    InFolder here(dir.Path());
    EXPECT_EQ(SiblingPath("lower.gdr", "CHT"), "lower.cht");
    EXPECT_EQ(SiblingPath("absent.gdr", "CHT"), "absent.CHT");
}

TEST(SameFile, OneFileByEveryPathAndNeverTwoFiles) {
    TempDir dir;
    dir.Write("bio.gdr", {1});
    dir.Write("chem.gdr", {1});
    fs::create_directory(dir.File("sub"));
    fs::create_symlink(dir.File("bio.gdr"), dir.File("link.gdr"));
    InFolder here(dir.Path());
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {"bio.gdr", dir.File("bio.gdr"), true},
        {"./sub/../bio.gdr", "bio.gdr", true},
        {"link.gdr", dir.File("bio.gdr"), true},
        {"bio.gdr", "chem.gdr", false},
        {"link.gdr", "chem.gdr", false},
        // Files not written yet lead to the same place or not.
        {"new.gdr", dir.File("new.gdr"), true},
        {"new.gdr", "sub/new.gdr", false},
        {"", "bio.gdr", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(SameFile(c.b, c.a), c.same) << c.b << " / " << c.a;
    }
}

TEST(FilesWithExtension, ListsRegularFilesInAnyCaseSortedByName) {
    TempDir dir;
    for (const char* name : {"b.gdr", "A.GDR", "c.Gdr", "notes.txt", "gdr", "d.gdr.bak"}) dir.Write(name, {1});
    fs::create_directory(dir.File("folder.gdr"));
    EXPECT_EQ(FilesWithExtension(dir.Path(), "gdr"),
              (std::vector<std::string>{dir.File("A.GDR"), dir.File("b.gdr"), dir.File("c.Gdr")}));
    EXPECT_TRUE(FilesWithExtension(dir.File("missing"), "gdr").empty());
}

}  // namespace
}  // namespace quorle::testing
