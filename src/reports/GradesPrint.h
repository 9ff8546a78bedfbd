#pragma once
// The grades report: its print options and their file QUORLE.POP, the Print
// Display Options dialog, and the printout TGradesPrint.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "grading/GradeColumns.h"
#include "record/ClassRecord.h"
#include "reports/ClassHeader.h"
#include "reports/PageRecords.h"
#include "reports/PrintJob.h"
#include "reports/ReportFont.h"

namespace quorle {

inline constexpr int kPrintOptionCount = 25;
inline constexpr const char* kPrintOptionFile = "QUORLE.POP";

// 25 choices, 1 for chosen. Index order: 0 last name, 1 first name, 2 ID,
// 3..8 the grades of each category, 9..14 the category averages, 15..20 the
// category points, 21 total points, 22 points possible, 23 current order,
// 24 rank order.
using PrintOptions = std::array<std::int32_t, kPrintOptionCount>;

// Option indexes.
inline constexpr int kPrintLastName = 0;
inline constexpr int kPrintFirstName = 1;
inline constexpr int kPrintId = 2;
inline constexpr int kPrintGradesFirst = 3;   // + category
inline constexpr int kPrintAverageFirst = 9;  // + category
inline constexpr int kPrintPointsFirst = 15;  // + category
inline constexpr int kPrintTotalPoints = 21;
inline constexpr int kPrintPossiblePoints = 22;
inline constexpr int kPrintCurrentOrder = 23;
inline constexpr int kPrintRankOrder = 24;

// Nothing chosen, current order: what a missing QUORLE.POP gives.
PrintOptions DefaultPrintOptions();

// Fills the leading options from the bytes of an option file (25
// little-endian ints; a short file fills only as many as it holds).
void ParsePrintOptions(std::span<const unsigned char> bytes, PrintOptions& options);
std::vector<unsigned char> SerializePrintOptions(const PrintOptions& options);

// QUORLE.POP in the program directory. Load: the defaults when the file cannot
// be read, else the leading options it holds. Save: false when it cannot be
// written (nothing is said; the old file stays as it was).
std::string PrintOptionPath(const std::string& programDirectory);
void LoadPrintOptions(const std::string& programDirectory, PrintOptions& options);
bool SavePrintOptions(const std::string& programDirectory, const PrintOptions& options);

// "Print Display Options" (dialog 312): the class window's options in, the
// choice back on OK.
class TGradePrintDialog : public platform::Dialog {
public:
    TGradePrintDialog(PrintOptions& options, std::string extra1Name, std::string extra2Name);

    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    PrintOptions& options_;
    std::string extra1_;
    std::string extra2_;
};

// Whether the printout keeps the chosen options in QUORLE.POP. The command
// line prints with options of its own and leaves the dialog's file alone.
enum class KeepOptions { Save, DoNotSave };

class TGradesPrint : public TCountedPrintout {
public:
    // Asks the last-test and last-quiz questions through the Ui when their
    // categories are not chosen and the class has such grades.
    TGradesPrint(std::string title, const ClassRecord& record, TMyPrinter& printer, platform::Ui& ui,
                 const PrintOptions& options, KeepOptions keep = KeepOptions::Save);

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    bool Wide() const { return ColumnCount() > 9; }

    // The line cost of a student row for a column count.
    static int LineCost(int columnCount);

protected:
    void PrintPage(platform::PrintDevice& device, const TStart& record, bool lastOfJob) override;

private:
    int ColumnWidth(const GradeColumn& column, const ReportUnits& units) const;
    // The longest line of a page in characters, margin included.
    int WidestLineChars() const;
    // A row from y, which moves on under it. False when the device failed.
    bool PrintRow(platform::PrintDevice& device, const TStudent& row, bool possibleRow, int& y);
    void PrintHeadingLine(platform::Canvas& canvas, const ReportUnits& units, int y);
    bool PrintSummary(platform::PrintDevice& device, int y);
    int SummaryHeight(const ReportUnits& units) const;
    // The class header and, narrow and when asked, the heading line under it:
    // the y where the rows start.
    int StartBody(platform::Canvas& canvas, bool headings);
    // Room for a block `height` pixels high from top: a block that would pass
    // the bottom of the paper goes on a further sheet of the page, at the top
    // of its body (top moves there). A sheet whose body is still empty takes
    // the block whatever its height. False when the device failed.
    bool MakeRoom(platform::PrintDevice& device, int& top, int height, bool headings);

    // The page being printed: its font and units, where the rows start on
    // each of its sheets and the number those sheets carry.
    struct Sheet {
        platform::FontSpec font;
        ReportUnits units;
        int bodyTop = 0;
        int number = 1;
    };
    Sheet sheet_;

    GradingSystem grading_;
    PrintOptions options_;
    ClassInfo info_;
    platform::Date today_;
    std::vector<TStudent> rows_;
    std::vector<GradeColumn> columns_;
    std::vector<std::string> headings_;
    // The averages row, one text per column (empty where nothing is printed),
    // and the class average; computed once, in roster order.
    std::vector<std::string> columnMeans_;
    std::string classAverage_;
    std::array<int, 5> distribution_{};
};

}  // namespace quorle
