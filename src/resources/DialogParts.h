#pragma once
// The pieces dialog resources are built from.
#include <span>
#include <string>

#include "platform/Dialog.h"

namespace quorle::resources {

platform::ControlResource Control(platform::ControlKind kind, int id, std::string text, int row, int column,
                                  int columnSpan = 1, int group = 0);

// A static text; id -1 when nothing refers to it.
platform::ControlResource Label(std::string text, int row, int column, int columnSpan = 1, int id = -1);

// An edit box with a border that takes at most limit characters; style adds
// to the border (digits only, say).
platform::ControlResource EditBox(int id, int limit, int row, int column, int columnSpan = 1, unsigned style = 0);

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

// The labels beside the figure boxes of the Extra categories; they carry the
// class's names for them: "%s" (150, 151), "%s Average" (152, 153) and
// "%s Points" (154, 155) for Extra1 and Extra2.
inline constexpr int kIdExtra1Label = 150;
inline constexpr int kIdExtra2Label = 151;
inline constexpr int kIdExtra1AverageLabel = 152;
inline constexpr int kIdExtra2AverageLabel = 153;
inline constexpr int kIdExtra1PointsLabel = 154;
inline constexpr int kIdExtra2PointsLabel = 155;

// The figure boxes that the display and print option dialogs share, in three
// columns from row 1: the leading boxes then the grades of each category
// (104-109); the category averages (110-115); the category points (116-121),
// total points (122) and points possible (123). OK and Cancel under them.
void AddFigureBoxes(platform::DialogResource& dialog, std::span<const CheckBoxItem> leading);

// OK (the default button) and Cancel side by side.
void AddOkCancel(platform::DialogResource& dialog, int row, int okColumn);

}  // namespace quorle::resources
