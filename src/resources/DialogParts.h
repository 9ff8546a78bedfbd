#pragma once
// The pieces dialog resources are built from.
#include <span>
#include <string>

#include "platform/Dialog.h"

namespace quorle::resources {

platform::ControlResource Control(platform::ControlKind kind, int id, std::string text, int row, int column,
                                  int columnSpan = 1, int group = 0);

// An edit box with a border that takes at most limit characters.
platform::ControlResource EditBox(int id, int limit, int row, int column, int columnSpan = 1);

// One check box of a column. A box named after an Extra category has no text
// of its own (text nullptr): the static beside it (labelId, labelText "%s ...")
// carries the class's name for the category.
struct CheckBoxItem {
    int id;
    const char* text;
    int labelId;
    const char* labelText;
};

// The boxes one under the other from firstRow, each two grid columns wide.
void AddCheckBoxColumn(platform::DialogResource& dialog, std::span<const CheckBoxItem> boxes, int firstRow,
                       int column, int group = 0);

// OK (the default button) and Cancel side by side.
void AddOkCancel(platform::DialogResource& dialog, int row, int okColumn);

}  // namespace quorle::resources
