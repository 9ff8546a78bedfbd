#pragma once
// What a screen reader may read of a window that draws its content: a table
// (the class window's names and grades) or lines of text (the pictures of the
// seating chart and the assignment grid). A window hands one of these to its
// host; the platform turns it into the desktop's accessibility objects and
// asks it again whenever a reader looks. Texts are single-byte, as everywhere
// above the platform.
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace quorle::platform {

struct CellPosition {
    int row = 0;
    int column = 0;
    bool operator==(const CellPosition&) const = default;
};

class AccessibleTable {
public:
    virtual ~AccessibleTable() = default;
    // A short name of the table ("Biology grades").
    virtual std::string TableName() const = 0;
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    virtual std::string ColumnHeader(int column) const = 0;
    virtual std::string RowHeader(int row) const = 0;
    virtual std::string CellText(int row, int column) const = 0;
    // The cell the keyboard is on, if any.
    virtual std::optional<CellPosition> FocusedCell() const = 0;
    // The text being typed into the focused cell, while it is typed: the cell
    // is then an editable text holding it.
    virtual std::optional<std::string> EditedText() const { return std::nullopt; }
    // Where a cell stands in the host window's client area (a magnifier
    // follows it; a click there reaches it), if it is known.
    virtual std::optional<Rect> CellRect(int /*row*/, int /*column*/) const { return std::nullopt; }
    // A screen reader is reading the table: from now on the keyboard is
    // always on a cell (one is chosen when none is), for the reader to say.
    virtual void ReaderPresent() {}
};

class AccessibleText {
public:
    virtual ~AccessibleText() = default;
    // What the picture is, in a few words ("Seating chart of Biology: 6 rows of 5 seats").
    virtual std::string Description() const = 0;
    // The picture read line by line, top to bottom.
    virtual std::vector<std::string> Lines() const = 0;
    // Where a line's part of the picture stands in the host window's client
    // area (a screen reader's review and a magnifier follow it), if known.
    virtual std::optional<Rect> LineRect(int /*line*/) const { return std::nullopt; }
    // The line the keyboard is on, when the lines are a list the arrow keys
    // walk (the host announces it as the focused item of the list).
    virtual std::optional<int> FocusedLine() const { return std::nullopt; }
};

}  // namespace quorle::platform
