#pragma once
// The letters of progress reports and warning notices: the template files
// quorle.prg and quorle.wrn as the printout reads them and as the editor shows
// and writes them, and the walk that prints one student's letter, filling the
// placeholders in braces.
#include <climits>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "record/FixedText.h"
#include "reports/ReportFont.h"

namespace quorle {

// A file line is read in pieces of at most this many characters; a longer
// line goes on as the next template line.
inline constexpr std::size_t kTemplateReadChars = 72;
// What a template line holds once its tabs are five spaces each.
inline constexpr std::size_t kSentenceChars = 99;
// The most a template file may hold to be read at all.
inline constexpr std::size_t kMaxTemplateBytes = std::size_t{1} << 20;

// One line of a letter.
struct TSentence {
    FixedText<kSentenceChars + 1> text;
};
using TTemplate = std::vector<TSentence>;

// The template lines of a file's bytes: every line of the file (a line feed
// ends it, carriage returns and zero bytes are dropped) makes one template
// line for each 72 characters it holds, at least one; the end of the file
// after a line feed adds none. Every tab becomes five spaces, and a line is
// cut at 99 characters.
TTemplate ParseTemplate(std::span<const unsigned char> bytes);

// The letter as the editor shows it: the file's text with every line ending
// in carriage return and line feed, cut to `limit` characters (a line end
// counting as one, as in the edit box).
std::string TemplateEditorText(std::span<const unsigned char> bytes, std::size_t limit);
// The file bytes of an edited letter: every line of the text (a soft line
// break marked by the edit box ends a line too) is a line of the file, ending
// in carriage return and line feed; nothing is added after the last. At most
// `limit` characters are kept, a line end counting as one.
std::vector<unsigned char> TemplateFileBytes(std::string_view edited, std::size_t limit);

// The two warnings of a placeholder that is not one of the seven.
enum class PlaceholderWarning { Unclosed, UnknownName };
std::string PlaceholderWarningText(PlaceholderWarning warning);

// A placeholder starting at the "{" at `brace` of a line: its name, where the
// walk goes on, and whether it was left open (no "}" within 14 characters).
struct Placeholder {
    std::string_view name;
    std::size_t next = 0;
    bool unclosed = false;
};
Placeholder ReadPlaceholder(std::string_view line, std::size_t brace);

// What fills a letter's placeholders for one student.
struct LetterFields {
    std::string lastName;
    std::string firstName;
    std::string course;
    std::string instructor;
    std::string period;
    std::string date;
    // {grades}: prints the block from (x, y) and leaves x and y where it ends.
    std::function<void(int& x, int& y)> grades;
    // A warning, shown once for each occurrence.
    std::function<void(PlaceholderWarning)> warn;
    // The right edge of the printable page: a filled-in line that would run
    // past it goes on in the lines below.
    int right = INT_MAX;
};

// Prints one letter with its first line at y: plain text at one ten-character
// width from the left, the placeholders filled. A line too long for the page
// wraps at its last space that fits (a word longer than a whole line is cut at
// the edge and goes on below), and the lines after it move down. Returns the y
// below the last line.
int PrintLetter(platform::Canvas& canvas, const ReportUnits& units, const TTemplate& lines, int y,
                const LetterFields& fields);

// A letter's texts taken down rather than printed, measured on the page's
// device, so that the letter can be placed once its height is known.
struct LetterText {
    int x = 0;
    int y = 0;
    std::string text;
    // The top of the line it stands on, or of its band of the grades block:
    // texts of one top go onto a page together.
    int top = 0;
};

class LetterRecorder : public platform::Canvas {
public:
    explicit LetterRecorder(platform::Canvas& device) : device_(device) {}

    void SelectFont(const platform::FontSpec& font) override { device_.SelectFont(font); }
    void RestoreFont() override { device_.RestoreFont(); }
    platform::Size TextExtent(std::string_view text) override { return device_.TextExtent(text); }
    void TextOut(int x, int y, std::string_view text) override {
        texts.push_back(LetterText{x, y, std::string(text), keepTop >= 0 ? keepTop : y});
    }
    // A letter is text only.
    void SetTextColor(platform::Color) override {}
    void SetDefaultTextColor() override {}
    void SetBackgroundTransparent(bool) override {}
    void Line(int, int, int, int, int) override {}
    void Rectangle(const platform::Rect&, int) override {}
    int DeviceCaps(platform::DeviceCap cap) const override { return device_.DeviceCaps(cap); }

    // The bottom of the lowest text, `line` being a text's height; 0 without texts.
    int Bottom(int line) const;

    std::vector<LetterText> texts;
    // While 0 or more: the texts drawn belong together under this top.
    int keepTop = -1;

private:
    platform::Canvas& device_;
};

}  // namespace quorle
