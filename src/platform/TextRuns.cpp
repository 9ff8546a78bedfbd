#include "platform/TextRuns.h"

#include <cmath>

namespace quorle::platform {

void TextRuns::SetAdvance(double advance) {
    Flush();
    advance_ = advance;
}

void TextRuns::Add(int x, int y, std::string_view text) {
    if (advance_ <= 0.0) {
        put_(x, y, std::string(text));
        return;
    }
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        Run& run = runs_[i];
        if (run.y != y) continue;
        const double end = run.x + static_cast<double>(run.text.size()) * advance_;
        const double gap = (static_cast<double>(x) - end) / advance_;
        const long spaces = std::lround(gap);
        if (gap > -0.01 && spaces >= 0 && spaces < 4096 &&
            std::abs(end + static_cast<double>(spaces) * advance_ - static_cast<double>(x)) < 1.0) {
            run.text.append(static_cast<std::size_t>(spaces), ' ');
            run.text.append(text);
            return;
        }
        // It cannot join the line's run: the run goes out, this one starts.
        put_(run.x, run.y, run.text);
        runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(i));
        break;
    }
    if (runs_.size() >= kOpenRuns) {
        put_(runs_.front().x, runs_.front().y, runs_.front().text);
        runs_.erase(runs_.begin());
    }
    runs_.push_back(Run{x, y, std::string(text)});
}

void TextRuns::Flush() {
    std::vector<Run> runs;
    runs.swap(runs_);
    for (const Run& run : runs) put_(run.x, run.y, run.text);
}

}  // namespace quorle::platform
