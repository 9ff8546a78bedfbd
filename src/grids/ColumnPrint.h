#pragma once
// The printed assignment grid: one page per student group, each page the
// group's heading block and table exactly as the grid window draws them.
#include <string>
#include <vector>

#include "grids/GridDrawing.h"
#include "grids/GridFile.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/PageRecords.h"
#include "reports/PrintJob.h"
#include "reports/Printout.h"
#include "reports/ReportFont.h"

namespace quorle {

inline constexpr const char* kGridPrintTitle = "Grid Sheet";
// Character heights that fill the page height.
inline constexpr int kGridLinesPerPage = 60;

class TColumnPrint : public TPrintout {
public:
    // The columns, course and period are copied; the roster is read, not
    // copied: it must outlive the printout and stay unchanged while the job
    // runs (the windows are disabled meanwhile).
    TColumnPrint(TMyPrinter& printer, const TColumnList& columns, const std::vector<TStudent>& roster,
                 std::string_view course, std::string_view period, platform::Date today);

    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override;
    bool PageExists(int page) override;
    void RenderPage(int page, const platform::Rect& band, unsigned flags) override;

    int PageCount() const { return static_cast<int>(groups_.size()); }

private:
    TMyPrinter& printer_;
    TColumnList columns_;
    const std::vector<TStudent>& roster_;
    std::string course_;
    std::string period_;
    platform::Date today_;
    std::vector<TStart> groups_;  // the page records
};

// Print Grid: the print dialog, then one page per group. The parent (may be
// null) is disabled while the job runs.
void PrintGrid(platform::Ui& ui, platform::ChildHost* parent, const TColumnList& columns, const ClassRecord& record);

}  // namespace quorle
