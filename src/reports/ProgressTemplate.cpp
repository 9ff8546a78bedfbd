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

namespace {

// The texts of one line of a letter, from (x, y) on: where they fit, each at
// the x its predecessors leave; otherwise the line is broken at spaces into
// lines from the left margin. x and y are left at the end of the last text.
void PrintPieces(platform::Canvas& canvas, const ReportUnits& units, const std::vector<std::string>& pieces,
                 int right, int& x, int& y) {
    int total = 0;
    for (const std::string& piece : pieces) total += canvas.TextExtent(piece).cx;
    if (x + total <= right || total == 0) {
        for (const std::string& piece : pieces) {
            canvas.TextOut(x, y, piece);
            x += canvas.TextExtent(piece).cx;
        }
        return;
    }
    std::string line;
    std::vector<std::size_t> starts;
    for (const std::string& piece : pieces) {
        starts.push_back(line.size());
        line += piece;
    }
    const std::size_t n = line.size();
    auto width = [&](std::size_t a, std::size_t b) {
        return b > a ? canvas.TextExtent(std::string_view(line).substr(a, b - a)).cx : 0;
    };
    // Each piece's share of [a, b), from x on.
    auto emit = [&](std::size_t a, std::size_t b, int at) {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const std::size_t from = std::max(a, starts[i]);
            const std::size_t to = std::min(b, starts[i] + pieces[i].size());
            if (from >= to) continue;
            const std::string_view part = std::string_view(line).substr(from, to - from);
            canvas.TextOut(at, y, part);
            at += canvas.TextExtent(part).cx;
        }
        return at;
    };
    const int left = units.ten;
    std::size_t a = 0;
    for (;;) {
        // The most that fits from a: text widths grow with their length.
        const int room = right - x;
        std::size_t fits = a;
        if (room > 0) {
            std::size_t hi = n;
            while (fits < hi) {
                const std::size_t mid = fits + (hi - fits + 1) / 2;
                if (width(a, mid) <= room)
                    fits = mid;
                else
                    hi = mid - 1;
            }
        }
        std::size_t end = fits;
        if (fits < n) {
            const std::size_t space = line.rfind(' ', fits);
            if (space != std::string::npos && space > a) {
                end = space;  // at the last space that fits, without the spaces before it
                while (end > a && line[end - 1] == ' ') --end;
            } else if (x > left) {
                end = a;  // nothing fits after what stands before: all on the next line
            } else if (end == a) {
                end = a + 1;  // not even a character: one, so that the walk goes on
            }
        }
        const int reached = emit(a, end, x);
        a = end;
        if (a < n)
            while (a < n && line[a] == ' ') ++a;
        if (a >= n) {
            x = reached;
            return;
        }
        y += units.line;
        x = left;
    }
}

}  // namespace

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
    std::vector<std::string> pieces;
    for (const TSentence& sentence : lines) {
        const std::string_view line = sentence.text.View();
        int x = units.ten;
        // Plain characters go out as runs: in the fixed-pitch report font a run
        // stands exactly where its characters one by one would.
        pieces.clear();
        std::size_t runStart = 0;
        auto run = [&](std::size_t end) {
            if (end > runStart) pieces.emplace_back(line.substr(runStart, end - runStart));
        };
        std::size_t i = 0;
        while (i < line.size()) {
            if (line[i] != '{') {
                ++i;
                continue;
            }
            run(i);
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
                PrintPieces(canvas, units, pieces, fields.right, x, y);
                pieces.clear();
                if (fields.grades) fields.grades(x, y);
                continue;
            }
            const auto known = std::find_if(values.begin(), values.end(),
                                            [&](const auto& entry) { return entry.first == placeholder.name; });
            if (known == values.end()) {
                if (fields.warn) fields.warn(PlaceholderWarning::UnknownName);
                continue;
            }
            if (!known->second->empty()) pieces.push_back(*known->second);
        }
        run(line.size());
        PrintPieces(canvas, units, pieces, fields.right, x, y);
        y += units.line;
    }
    return y;
}

int LetterRecorder::Bottom(int line) const {
    int bottom = 0;
    for (const LetterText& text : texts) bottom = std::max(bottom, text.y + line);
    return bottom;
}

}  // namespace quorle
