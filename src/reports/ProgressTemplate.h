#pragma once
// The letters of progress reports and warning notices: the template files
// quorle.prg and quorle.wrn as the printout reads them and as the editor shows
// and writes them, and the walk that prints one student's letter, filling the
// placeholders in braces.
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
};

// Prints one letter with its first line at y: plain text at one ten-character
// width from the left, the placeholders filled. Returns the y below the last line.
int PrintLetter(platform::Canvas& canvas, const ReportUnits& units, const TTemplate& lines, int y,
                const LetterFields& fields);

}  // namespace quorle
