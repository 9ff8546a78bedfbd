#pragma once
// Reads a drawn class picture back from a recording canvas, as a teacher
// reads it: the bar over each letter with the count written over it, and the
// histogram's bars placed on its scale (the labels 0 ... 100 under it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/RecordingCanvas.h"

namespace quorle::testing {

struct DrawnBar {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Height() const { return bottom - top; }
    int Centre() const { return (left + right) / 2; }
};

struct ReadPicture {
    // Letter plot: bar height (0: no bar) and the count written over it, by letter.
    std::map<std::string, int> letterHeight;
    std::map<std::string, std::string> letterCount;
    std::vector<std::string> letters;  // left to right
    // Histogram: bar height and count written over it, by band (0 ... 19, 20 above 100).
    std::map<int, int> bandHeight;
    std::map<int, std::string> bandCount;
    std::optional<DrawnText> averageLabel;
    std::optional<int> averageLineX;
    int scaleLeft = 0;  // the x of "0" and of "100" under the histogram
    int scaleRight = 0;
    int rectangles = 0;
};

// The rectangles the canvas drew: four lines in a row around a box.
inline std::vector<DrawnBar> Rectangles(const std::vector<DrawnLine>& lines) {
    std::vector<DrawnBar> bars;
    for (std::size_t i = 0; i + 3 < lines.size(); ++i) {
        const DrawnLine &a = lines[i], &b = lines[i + 1], &c = lines[i + 2], &d = lines[i + 3];
        if (a.y1 == a.y2 && b.x1 == b.x2 && c.y1 == c.y2 && d.x1 == d.x2 && a.x2 == b.x1 && b.y2 == c.y1 &&
            c.x2 == d.x1 && d.y2 == a.y1 && a.x1 == d.x1 && a.x1 < a.x2 && a.y1 < b.y2) {
            bars.push_back(DrawnBar{a.x1, a.y1, a.x2, b.y2});
            i += 3;
        }
    }
    return bars;
}

inline int TextCentre(const DrawnText& t, int charWidth) {
    return t.x + static_cast<int>(t.text.size()) * charWidth / 2;
}

// charWidth: the canvas's character width in the picture's font.
inline ReadPicture ReadClassPicture(const std::vector<DrawnText>& texts, const std::vector<DrawnLine>& lines,
                                    int charWidth) {
    ReadPicture read;
    int averagesTop = 0;
    for (const auto& t : texts)
        if (t.text == "Overall averages") averagesTop = t.y;
    EXPECT_GT(averagesTop, 0) << "no \"Overall averages\"";
    const std::vector<DrawnBar> bars = Rectangles(lines);
    read.rectangles = static_cast<int>(bars.size());
    // The letters: the texts right under the first plot's baseline (the
    // lowest texts above the second heading that are not numbers).
    int letterRow = 0;
    for (const auto& t : texts)
        if (t.y < averagesTop && !t.text.empty() && std::isalpha(static_cast<unsigned char>(t.text[0])) &&
            t.text.size() <= 2)
            letterRow = std::max(letterRow, t.y);
    for (const auto& t : texts) {
        if (t.y != letterRow || t.text.size() > 2) continue;
        read.letters.push_back(t.text);
        const int centre = TextCentre(t, charWidth);
        int height = 0;
        int top = letterRow;
        for (const auto& bar : bars)
            if (bar.top < averagesTop && bar.Centre() == centre) height = bar.Height(), top = bar.top;
        read.letterHeight[t.text] = height;
        // The count: the number written just over the bar (or the baseline).
        for (const auto& n : texts)
            if (n.y < top && n.y >= top - 3 * n.fontHeight && TextCentre(n, charWidth) == centre &&
                std::isdigit(static_cast<unsigned char>(n.text[0])))
                read.letterCount[t.text] = n.text;
    }
    // The scale: "0" and "100" on the histogram's label row.
    int scaleRow = 0;
    for (const auto& t : texts)
        if (t.y > averagesTop && t.text == "100") scaleRow = t.y;
    for (const auto& t : texts) {
        if (t.y != scaleRow) continue;
        if (t.text == "0") read.scaleLeft = TextCentre(t, charWidth);
        if (t.text == "100") read.scaleRight = TextCentre(t, charWidth);
    }
    const int slot = (read.scaleRight - read.scaleLeft) / 20;
    EXPECT_GT(slot, 0);
    if (slot <= 0) return read;
    for (const auto& bar : bars) {
        if (bar.top < averagesTop) continue;
        // The band above 100 stands one band apart, right of 100.
        const int place = (bar.Centre() - read.scaleLeft) / slot;
        const int band = place > 20 ? 20 : place;
        read.bandHeight[band] = bar.Height();
        for (const auto& n : texts)
            if (n.y < bar.top && n.y >= bar.top - 3 * n.fontHeight && TextCentre(n, charWidth) == bar.Centre())
                read.bandCount[band] = n.text;
    }
    for (const auto& t : texts)
        if (t.text.rfind("Class Average ", 0) == 0) read.averageLabel = t;
    // The class average's line: the boldest upright line of the histogram.
    int boldest = 0;
    for (const auto& l : lines)
        if (l.x1 == l.x2 && l.y1 > averagesTop && l.penWidth > boldest) boldest = l.penWidth;
    // (It may stand in pieces, around the counts it passes.)
    std::set<int> xs;
    for (const auto& l : lines)
        if (l.penWidth == boldest && boldest > 1) xs.insert(l.x1 == l.x2 && l.y1 > averagesTop ? l.x1 : -1);
    if (xs.size() == 1 && *xs.begin() >= 0) read.averageLineX = *xs.begin();
    return read;
}

// The largest count's bar is the tallest; every other bar is its count's share
// of it, rounded down, and at least a pixel for a count above 0.
template <typename Key>
void ExpectHeightsFollowCounts(const std::map<Key, int>& heights, const std::map<Key, std::string>& counts) {
    long long most = 0, tallest = 0;
    for (const auto& [key, height] : heights)
        if (std::stoi(counts.at(key)) > most) most = std::stoi(counts.at(key)), tallest = height;
    for (const auto& [key, height] : heights) {
        const long long count = std::stoi(counts.at(key));
        EXPECT_EQ(height, count == 0 ? 0 : std::max(1LL, count * tallest / most)) << key;
    }
}

inline ReadPicture ReadClassPicture(const RecordingCanvas& canvas) {
    return ReadClassPicture(canvas.texts, canvas.lines, 8);
}

}  // namespace quorle::testing
