#include "reports/ProgressTemplate.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "reports/ReportFixtures.h"

namespace quorle::testing {
namespace {

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::string> Lines(const TTemplate& t) {
    std::vector<std::string> out;
    for (const auto& s : t) out.push_back(s.text.Str());
    return out;
}

TEST(TemplateFileTest, EveryFileLineBecomesItsTemplateLines) {
    const std::string seventyTwo(72, 'a');
    const std::string tabs(30, '\t');
    const struct {
        std::string file;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"one\ntwo", {"one", "two"}},
        {"one\ntwo\n", {"one", "two"}},               // the end of the file adds no line
        {"one\r\n\r\nthree\r\n", {"one", "", "three"}},  // carriage returns dropped, empty lines kept
        {seventyTwo + "\nnext", {seventyTwo, "next"}},   // exactly 72: one line
        {seventyTwo + "bc\n", {seventyTwo, "bc"}},       // longer: goes on as the next line
        {"a\tb", {"a     b"}},
        {tabs, {std::string(99, ' ')}},                  // 150 spaces cut at 99
        {std::string("x\0y\n", 4), {"xy"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Lines(ParseTemplate(Bytes(c.file))), c.lines) << c.file;
}

TEST(TemplateFileTest, EditorTextAndFileBytesKeepTheLetterWithinItsLimit) {
    // In: every line end CR LF, a line end counting one.
    EXPECT_EQ(TemplateEditorText(Bytes("Dear {firstname},\n\nHello\r\n\n"), 1199),
              "Dear {firstname},\r\n\r\nHello\r\n\r\n");
    EXPECT_EQ(TemplateEditorText(Bytes("abc\ndef"), 5), "abc\r\nd");
    EXPECT_EQ(TemplateEditorText(Bytes("abc\ndef"), 3), "abc");
    // Out: every line as the box shows it, soft breaks (CR CR LF) included, is a line of the file.
    const struct {
        std::string edited;
        std::size_t limit;
        std::string file;
    } cases[] = {
        {"one\r\ntwo", 1199, "one\r\ntwo"},
        {"a long line \r\r\nwrapped\r\n", 1199, "a long line \r\nwrapped\r\n"},
        {"x\ny", 1199, "x\r\ny"},
        {"abcdef", 4, "abcd"},
        {"abc\r\ndef", 3, "abc"},  // never half a line end
    };
    for (const auto& c : cases) EXPECT_EQ(TemplateFileBytes(c.edited, c.limit), Bytes(c.file)) << c.edited;
    // What the editor wrote reads back as the same lines.
    EXPECT_EQ(Lines(ParseTemplate(TemplateFileBytes("one \r\r\ntwo\r\n\r\nthree", 1199))),
              (std::vector<std::string>{"one ", "two", "", "three"}));
}

// Prints one letter on a recording canvas (characters 8 x 16).
struct Walk {
    explicit Walk(std::string_view file, int right = INT_MAX) {
        LetterFields fields;
        fields.lastName = "Adams";
        fields.firstName = "Ann";
        fields.course = "Biology";
        fields.instructor = "Ms. Gray";
        fields.period = "3";
        fields.date = "3/7/1997";
        fields.grades = [this](int& x, int& y) {
            canvas.TextOut(x, y, "<grades>");
            y += 100;
        };
        fields.warn = [this](PlaceholderWarning w) { warnings.push_back(w); };
        fields.right = right;
        end = PrintLetter(canvas, ReportUnits{80, 120, 16}, ParseTemplate(Bytes(file)), 50, fields);
    }
    std::vector<std::string> Texts() const { return testing::Texts(canvas.texts); }
    RecordingCanvas canvas;
    std::vector<PlaceholderWarning> warnings;
    int end = 0;
};

using W = PlaceholderWarning;

TEST(PlaceholderWalkTest, FillsTheSevenNamesAndWarnsOfEverythingElse) {
    const struct {
        std::string line;
        std::vector<std::string> texts;
        std::vector<W> warnings;
    } cases[] = {
        {"Dear {firstname} {lastname}:", {"Dear ", "Ann", " ", "Adams", ":"}, {}},
        {"{course} {period} {instructor} {date}", {"Biology", " ", "3", " ", "Ms. Gray", " ", "3/7/1997"}, {}},
        {"{LastName} {FIRSTNAME}!", {" ", "!"}, {W::UnknownName, W::UnknownName}},  // case-sensitive
        {"{}x", {"x"}, {W::UnknownName}},
        {"{thirteenchars}ok", {"ok"}, {W::UnknownName}},                            // 13: closed
        {"{abcdefghijklmnop} end", {"abcdefghijklmnop} end"}, {W::Unclosed, W::UnknownName}},
        {"{abcdefghijklmn}end", {"end"}, {W::Unclosed, W::UnknownName}},           // "}" right after 14
        {"at the end {date", {"at the end ", "date"}, {W::Unclosed, W::UnknownName}},
        {"a\t{lastname}", {"a     ", "Adams"}, {}},
    };
    for (const auto& c : cases) {
        const Walk walk(c.line);
        EXPECT_EQ(walk.Texts(), c.texts) << c.line;
        EXPECT_EQ(walk.warnings, c.warnings) << c.line;
    }
}

TEST(PlaceholderWalkTest, TextsStandWhereTheCharactersFall) {
    const Walk walk("Dear {firstname},\n\n{grades} after\nlast");
    const auto& t = walk.canvas.texts;
    ASSERT_EQ(walk.Texts(), (std::vector<std::string>{"Dear ", "Ann", ",", "<grades>", " after", "last"}));
    EXPECT_EQ(t[0].x, 80);
    EXPECT_EQ(t[0].y, 50);
    EXPECT_EQ(t[1].x, 80 + 5 * 8);
    EXPECT_EQ(t[2].x, 80 + 8 * 8);
    // The block starts on the third line and the line goes on where the block left it.
    EXPECT_EQ(t[3].x, 80);
    EXPECT_EQ(t[3].y, 50 + 2 * 16);
    EXPECT_EQ(t[4].x, 80);
    EXPECT_EQ(t[4].y, 50 + 2 * 16 + 100);
    EXPECT_EQ(t[5].y, 50 + 3 * 16 + 100);
    EXPECT_EQ(walk.end, 50 + 4 * 16 + 100);
}

TEST(PlaceholderWalkTest, ALineTooLongForThePageWrapsAtASpace) {
    // Twenty characters of 8 from the margin at 80 reach the edge at 240.
    using T = std::vector<std::tuple<int, int, std::string>>;
    const struct {
        std::string file;
        T texts;
        int end;
    } cases[] = {
        {"12345678901234567890", {{80, 50, "12345678901234567890"}}, 66},  // exactly to the edge
        {"1234567890 123456789 1", {{80, 50, "1234567890 123456789"}, {80, 66, "1"}}, 82},
        {"Dear {firstname} {lastname} and more words",  // filled in: the names stay texts of their own
         {{80, 50, "Dear "}, {120, 50, "Ann"}, {144, 50, " "}, {152, 50, "Adams"}, {192, 50, " and"},
          {80, 66, "more words"}},
         82},
        {"abcdefghijklmnopqrstuvwxyz", {{80, 50, "abcdefghijklmnopqrst"}, {80, 66, "uvwxyz"}}, 82},  // cut at the edge
        {"aaaa bbbb cccc dddd eeee\nnext", {{80, 50, "aaaa bbbb cccc dddd"}, {80, 66, "eeee"}, {80, 82, "next"}}, 98},
        {"aaaaaaaaaaaaaaaaaaa   b", {{80, 50, "aaaaaaaaaaaaaaaaaaa"}, {80, 66, "b"}}, 82},
        {"{course} so far this term", {{80, 50, "Biology"}, {136, 50, " so far this"}, {80, 66, "term"}}, 82},
    };
    for (const auto& c : cases) {
        const Walk walk(c.file, 240);
        T texts;
        for (const auto& t : walk.canvas.texts) texts.emplace_back(t.x, t.y, t.text);
        EXPECT_EQ(texts, c.texts) << c.file;
        EXPECT_EQ(walk.end, c.end) << c.file;
    }
}

}  // namespace
}  // namespace quorle::testing
