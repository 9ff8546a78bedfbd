#include "grids/ClassGrid.h"

namespace quorle {

TClassGrid::TClassGrid(platform::Ui& ui, const ClassRecord& record, int displayHeight)
    : ui_(ui), record_(record), displayHeight_(displayHeight) {}

TClassGrid::~TClassGrid() = default;

bool TClassGrid::ReplaceWindow() {
    // A grid the teacher changed is never thrown away unasked.
    if (window_ && window_->Visible() && !window_->ConfirmDiscard()) return false;
    window_.reset();
    window_ = std::make_unique<TAssignGridWindow>(ui_, record_, displayHeight_);
    window_->SetFocusClass(focusClass_);
    if (maker_) maker_(*window_);
    return true;
}

void TClassGrid::NewGrid() {
    if (ReplaceWindow()) window_->StartNew();
}

void TClassGrid::OpenGrid() {
    if (ReplaceWindow()) window_->StartOpen();
}

void TClassGrid::DeleteGrid() { DeleteGridFile(ui_); }

bool TClassGrid::CanClose() { return !window_ || !window_->Visible() || window_->ConfirmDiscard(); }

}  // namespace quorle
