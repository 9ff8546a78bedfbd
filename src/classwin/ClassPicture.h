#pragma once
// The class picture: the class at a glance, drawn through the canvas on the
// screen and on paper alike. Two plots: how many students have each letter
// grade of the class's grading system, and the students' overall averages in
// bands of 5 points with the class average marked. Every figure comes from
// the grade computation, so the picture agrees with the panes and reports.
#include <array>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "record/ClassRecord.h"
#include "reports/Printout.h"

namespace quorle {

inline constexpr const char* kPicturePrintTitle = "Class Picture";
// The bands of the averages: 0-4.99, 5-9.99, ..., 90-94.99, then 95-100 (an
// average of exactly 100 stands in the top band), and one band for averages
// above 100 (extra credit), drawn only when a student has one.
inline constexpr int kAverageBands = 20;
inline constexpr int kOverHundredBand = kAverageBands;
// Lines of the report font a page is measured in.
inline constexpr int kPictureLinesPerPage = 60;
// The screen's font height, and the smallest area the picture is laid out in.
inline constexpr int kPictureScreenFontHeight = 16;
inline constexpr platform::Size kPictureMinimumArea{480, 400};

// What the picture shows, figured from the class.
struct ClassPictureFigures {
    // The letters of the grading system, best first, "F" last ("A+" ... "F"
    // with plus and minus, "A" ... "F" without), and how many students have each.
    std::vector<std::string> letters;
    std::vector<int> letterCounts;
    // Students per band of the overall average (the last: above 100).
    std::array<int, kAverageBands + 1> bandCounts{};
    // The students counted, and those left out because nothing of theirs is
    // graded yet (no grade that is not omitted).
    int counted = 0;
    int leftOut = 0;
    // The class average of the students counted (the grade computation's
    // class average over them; the class's own when none is left out).
    float classAverage = 0.0f;
};

// The band an overall average falls in, by the average as it is shown (two
// decimals): 4.99 in band 0, 5.00 in band 1, 100.00 in band 19, 100.01 in the
// band above 100.
int AverageBand(float average);
// Whether a student has anything graded: a grade that is not omitted.
bool HasGradedWork(const TStudent& student);
ClassPictureFigures FigureClassPicture(const ClassRecord& record);
// A bar's height in pixels: the largest count fills the plot, the others in
// proportion (rounded down), and a count above 0 always shows at least a pixel.
int BarHeight(int count, int most, int plotHeight);

// "Class Picture - " and the class's name: its course title, else its file's
// name, else "Untitled"; with ", Period " and the period when it has one.
std::string ClassPictureTitle(const ClassRecord& record);
// The note under the plots: who is left out ("" when nobody is).
std::string LeftOutNote(int leftOut);
// The picture read as lines, for a screen reader: "Letter grades", one line
// per letter ("A: 5 students"), "Overall averages", one line per band that
// holds students ("70 to 74.99: 3 students", ">100: 1 student"), the class
// average and the note.
std::vector<std::string> ClassPictureLines(const ClassRecord& record);
// What the picture is, in a sentence ("Letter grades and overall averages of
// 24 students.").
std::string ClassPictureDescription(const ClassRecord& record);

// The label under the band above 100.
inline constexpr const char* kOverHundredLabel = ">100";

// Draws the picture in the area (0, 0)-(area): on the screen in the screen
// font (an area smaller than the minimum is laid out at the minimum), on paper
// (onPaper) in the report font of kPictureLinesPerPage lines a page.
void PaintClassPicture(platform::Canvas& canvas, const ClassRecord& record, platform::Size area, bool onPaper);

// The printed picture: one page, no page numbers to choose.
class TClassPicturePrint : public TPrintout {
public:
    explicit TClassPicturePrint(const ClassRecord& record);
    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override;
    void RenderPage(int page, const platform::Rect& band, unsigned flags) override;

private:
    const ClassRecord& record_;
};

}  // namespace quorle
