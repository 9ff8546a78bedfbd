#pragma once
// The dialog of the assignment grid window: Change Grid Properties.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kEditGridDialogId = 705;

// Change Grid Properties: the drop-down list of the column headings (101), the
// selected column's 1-based number (106, read-only), its heading (105, 79
// characters), Insert Column (112) and Delete Column (111).
inline constexpr int kIdColumnList = 101;
inline constexpr int kIdColumnTitle = 105;
inline constexpr int kIdColumnNumber = 106;
inline constexpr int kIdDeleteColumn = 111;
inline constexpr int kIdInsertColumn = 112;
inline constexpr int kColumnTitleLimit = 79;

platform::DialogResource EditGridDialogResource();

}  // namespace quorle::resources
