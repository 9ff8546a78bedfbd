#pragma once
// Texts of one line in a fixed-pitch font, whose gaps are whole numbers of
// characters to within a device pixel, joined into one run with spaces
// between them: a report page is a few hundred runs instead of thousands of
// texts, and every character stays where it was asked for.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorle::platform {

class TextRuns {
public:
    // Where a run goes when it is complete: its top left corner and its text.
    using Put = std::function<void(int x, int y, const std::string& text)>;
    explicit TextRuns(Put put) : put_(std::move(put)) {}

    // The advance of one character of the font in use; 0 (a font that is not
    // fixed-pitch) lets every text go out on its own.
    void SetAdvance(double advance);
    void Add(int x, int y, std::string_view text);
    // Every open run goes out.
    void Flush();

private:
    struct Run {
        int x = 0;
        int y = 0;
        std::string text;
    };
    // A few lines are kept open at once: the wide layout writes a heading
    // line and a value line in turns.
    static constexpr std::size_t kOpenRuns = 4;
    Put put_;
    double advance_ = 0.0;
    std::vector<Run> runs_;
};

}  // namespace quorle::platform
