#include "reports/ProgressTemplate.h"

#include <algorithm>
#include <array>

namespace quorle {

namespace {

// The most characters a placeholder's name is looked for in.
constexpr std::size_t kPlaceholderChars = 14;
constexpr std::string_view kTabSpaces = "     ";

// Calls `line` with each line of a file's bytes, carriage returns and zero
// bytes left out; text after the last line feed is a line only when it holds
// something.
template <typename Fn>
void ForEachFileLine(std::span<const unsigned char> bytes, Fn&& line) {
    std::string current;
    for (const unsigned char byte : bytes) {
        if (byte == '\n') {
            line(current);
            current.clear();
        } else if (byte != '\r' && byte != '\0') {
            current.push_back(static_cast<char>(byte));
        }
    }
    if (!current.empty()) line(current);
}

// Keeps at most `limit` characters, carriage returns not counted (a line end
// is one character, as in the edit box); never ends inside a line end.
void CutToChars(std::string& text, std::size_t limit) {
    std::size_t counted = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') continue;
        if (counted == limit) {
            text.resize(i);
            break;
        }
        ++counted;
    }
    while (!text.empty() && text.back() == '\r') text.pop_back();
}

// Every line end, whatever it was (CR LF, the box's soft break CR CR LF, a
// bare LF), becomes CR LF; zero bytes go; at most `limit` characters stay.
std::string WithLineEnds(std::string_view text, std::size_t limit) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\r' || c == '\0') continue;
        if (c == '\n') out += '\r';
        out.push_back(c);
    }
    CutToChars(out, limit);
    return out;
}

TSentence MakeSentence(std::string_view piece) {
    std::string text;
    for (const char c : piece) {
        if (c == '\t')
            text += kTabSpaces;
        else
            text.push_back(c);
        if (text.size() >= kSentenceChars) break;
    }
    if (text.size() > kSentenceChars) text.resize(kSentenceChars);
    return TSentence{FixedText<kSentenceChars + 1>(text)};
}

}  // namespace

TTemplate ParseTemplate(std::span<const unsigned char> bytes) {
    TTemplate lines;
    ForEachFileLine(bytes, [&lines](const std::string& line) {
        if (line.empty()) {
            lines.push_back(TSentence{});
            return;
        }
        for (std::size_t at = 0; at < line.size(); at += kTemplateReadChars)
            lines.push_back(MakeSentence(std::string_view(line).substr(at, kTemplateReadChars)));
    });
    return lines;
}

std::string TemplateEditorText(std::span<const unsigned char> bytes, std::size_t limit) {
    return WithLineEnds(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), limit);
}

std::vector<unsigned char> TemplateFileBytes(std::string_view edited, std::size_t limit) {
    const std::string text = WithLineEnds(edited, limit);
    return std::vector<unsigned char>(text.begin(), text.end());
}

std::string PlaceholderWarningText(PlaceholderWarning warning) {
    const char* head = warning == PlaceholderWarning::Unclosed ? "Only the following can be in braces ({ and } :)"
                                                               : "Only the following can be in braces ({ and }) :";
    return std::string(head) + "{lastname},{firstname},{period},{course},{instructor},{date}, and {grades}." +
           " They must appear exactly as above.";
}

Placeholder ReadPlaceholder(std::string_view line, std::size_t brace) {
    const std::size_t start = brace + 1;
    std::size_t length = 0;
    while (length < kPlaceholderChars && start + length < line.size() && line[start + length] != '}') ++length;
    const bool closedHere = start + length < line.size() && line[start + length] == '}';
    if (closedHere && length < kPlaceholderChars) return Placeholder{line.substr(start, length), start + length + 1, false};
    // Left open: a "}" right after the fourteen characters still ends the
    // placeholder; otherwise what follows the "{" prints as plain text.
    Placeholder open{line.substr(start, length), start, true};
    if (length == kPlaceholderChars && closedHere) open.next = start + length + 1;
    return open;
}

int PrintLetter(platform::Canvas& canvas, const ReportUnits& units, const TTemplate& lines, int y,
                const LetterFields& fields) {
    const std::array<std::pair<std::string_view, const std::string*>, 6> values{{
        {"lastname", &fields.lastName},
        {"firstname", &fields.firstName},
        {"course", &fields.course},
        {"instructor", &fields.instructor},
        {"period", &fields.period},
        {"date", &fields.date},
    }};
    for (const TSentence& sentence : lines) {
        const std::string_view line = sentence.text.View();
        int x = units.ten;
        // Plain characters go out as runs: in the fixed-pitch report font a run
        // stands exactly where its characters one by one would.
        std::size_t runStart = 0;
        auto flush = [&](std::size_t end) {
            if (end > runStart) {
                const std::string_view run = line.substr(runStart, end - runStart);
                canvas.TextOut(x, y, run);
                x += canvas.TextExtent(run).cx;
            }
        };
        std::size_t i = 0;
        while (i < line.size()) {
            if (line[i] != '{') {
                ++i;
                continue;
            }
            flush(i);
            const Placeholder placeholder = ReadPlaceholder(line, i);
            i = placeholder.next;
            runStart = i;
            if (placeholder.unclosed) {
                // Nothing of the seven is fourteen characters long, nor cut off
                // by the end of its line: the name is not looked up.
                if (fields.warn) fields.warn(PlaceholderWarning::Unclosed);
                if (fields.warn) fields.warn(PlaceholderWarning::UnknownName);
                continue;
            }
            if (placeholder.name == "grades") {
                if (fields.grades) fields.grades(x, y);
                continue;
            }
            const auto known = std::find_if(values.begin(), values.end(),
                                            [&](const auto& entry) { return entry.first == placeholder.name; });
            if (known == values.end()) {
                if (fields.warn) fields.warn(PlaceholderWarning::UnknownName);
                continue;
            }
            const std::string& value = *known->second;
            if (!value.empty()) {
                canvas.TextOut(x, y, value);
                x += canvas.TextExtent(value).cx;
            }
        }
        flush(line.size());
        y += units.line;
    }
    return y;
}

}  // namespace quorle
