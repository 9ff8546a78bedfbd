#pragma once
// The term report: the term grades table (each student's average in each
// grading period, the term average and its letter) printed as the grades
// report prints a class: the class header, a heading line, one line per
// student, 43 students to a page, and the class average at the end.
//
// Columns are as wide as their longest text. When the table is wider than
// the paper the font is made smaller, down to seven tenths of the report
// font; a table wider still is cut between its figure columns, and each part
// goes on a further sheet of the page under "Page N (continued)", the names
// and ID repeated. A page whose lines pass the bottom of the paper goes on on
// a further sheet likewise. No text is cut off at the paper's edge.
#include <string>
#include <utility>
#include <vector>

#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/PageRecords.h"
#include "reports/PrintJob.h"
#include "reports/ReportFont.h"

namespace quorle {

// What the term report prints, as plain texts (Windows-1252).
struct TermReport {
    // The class header's course, instructor and period (the last period's).
    ClassInfo info;
    // Said under the class header ("Term grades of fall1 (40), ..."): as many
    // lines as the paper's width makes of it.
    std::string subtitle;
    // The headings: the first three (last name, first name, ID) stand on
    // every sheet, the others are figures.
    std::vector<std::string> headings;
    // One line of cells per student, as many as the headings.
    std::vector<std::vector<std::string>> rows;
    // The mean of the term averages (empty: none, a term without students).
    std::string classAverage;
};

class TTermPrint : public TCountedPrintout {
public:
    TTermPrint(std::string title, TermReport report, TMyPrinter& printer, const platform::Date& today);

protected:
    void PrintPage(platform::PrintDevice& device, const TStart& record, bool lastOfJob) override;

private:
    // Figure columns [first, end) of a sheet.
    using Part = std::pair<std::size_t, std::size_t>;
    // The figure columns cut into parts that each fit the paper across, in
    // the smallest font the report may take on this device.
    std::vector<Part> Parts(platform::PrintDevice& device) const;
    // The widest line of a part in characters: margin, names and its figures.
    int PartChars(const Part& part) const;
    // The class header, the subtitle and the heading line of a part: the y
    // where the rows start.
    int StartBody(platform::Canvas& canvas, const Part& part);
    // One line of cells of a part at y.
    void PrintCells(platform::Canvas& canvas, const std::vector<std::string>& cells, const Part& part, int y) const;
    // Room for a line at y: past the paper's bottom the page goes on on a
    // further sheet (y moves to its body). False when the device failed.
    bool MakeRoom(platform::PrintDevice& device, int& y, const Part& part);

    TermReport report_;
    platform::Date today_;
    // Each column's width in characters: its longest text and a space.
    std::vector<int> chars_;
    // The sheet being printed: its font and units, where its rows start.
    platform::FontSpec font_;
    ReportUnits units_;
    int bodyTop_ = 0;
};

}  // namespace quorle
