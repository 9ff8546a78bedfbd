#include "grids/ColumnPrint.h"

namespace quorle {

TColumnPrint::TColumnPrint(TMyPrinter& printer, const TColumnList& columns, const std::vector<TStudent>& roster,
                           std::string_view course, std::string_view period, platform::Date today)
    : TPrintout(kGridPrintTitle),
      printer_(printer),
      columns_(columns),
      roster_(roster),
      course_(course),
      period_(period),
      today_(today),
      groups_(StudentGroups(static_cast<int>(roster.size()))) {}

void TColumnPrint::GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) {
    OfferEveryPage(PageCount(), printer_.Setup(), minPage, maxPage, selFrom, selTo);
}

bool TColumnPrint::PageExists(int page) { return page <= PageCount(); }

void TColumnPrint::RenderPage(int page, const platform::Rect&, unsigned) {
    if (device_ == nullptr || page < 1 || page > PageCount() || pageSize_.cx <= 0 || pageSize_.cy <= 0) return;
    const GridSheet sheet{columns_, roster_, course_, period_, today_};
    // A grid wider than the paper is set in a font just small enough to fit.
    SelectReportFont(*device_, pageSize_, kGridLinesPerPage, GridSheetWidthCells(sheet));
    device_->SetBackgroundTransparent(true);
    const platform::Size cell = GridCellSize(*device_);
    GridDrawer(*device_, sheet, cell.cx, cell.cy).DrawGroup(groups_[static_cast<std::size_t>(page - 1)], 0);
    device_->RestoreFont();
}

void PrintGrid(platform::Ui& ui, platform::ChildHost* parent, const TColumnList& columns, const ClassRecord& record) {
    TMyPrinter printer;
    TColumnPrint printout(printer, columns, record.roster, record.info.course.View(), record.info.period.View(),
                          ui.Today());
    printer.RunPrintJob(ui, parent, printout, true);
}

}  // namespace quorle
