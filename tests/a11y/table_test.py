"""A class window read through the accessibility bus: one table whose row and
column counts, headers and cells are the class as `quorle show` shows it, and
selection boxes named after their students."""
import os
import subprocess

from a11y import CLASSES, PROGRAM, Program, check, find, find_all, finish, is_table, keys, role, wait_for

CLASS = os.path.join(CLASSES, "biology.gdr")

shown = subprocess.run([PROGRAM, "show", CLASS], capture_output=True, text=True, check=True, timeout=60).stdout
lines = [line.split("\t") for line in shown.split("\n")]
headings = lines[0]
rows = []
for line in lines[1:]:
    if line == [""]:
        break
    rows.append([cell.strip() for cell in line])

with Program(CLASS) as program:
    table = wait_for("the class window's table",
                     lambda: find(program.app, lambda a: is_table(a) and a.queryTable().nRows > 0))
    grid = table.queryTable()
    check(grid.nRows == len(rows), f"{grid.nRows} rows, quorle show has {len(rows)}")
    check(grid.nColumns == len(headings), f"{grid.nColumns} columns, quorle show has {len(headings)}")
    check(table.name == "Biology grades" or table.name.endswith("grades"), f"the table is called {table.name!r}")
    for c in range(min(grid.nColumns, len(headings))):
        check(grid.getColumnDescription(c) == headings[c],
              f"column {c} is headed {grid.getColumnDescription(c)!r}, quorle show {headings[c]!r}")
        header = grid.getColumnHeader(c)
        check(header is not None and header.name == headings[c], f"column {c}'s header cell reads wrong")
    for r in range(min(grid.nRows, len(rows))):
        expected = "Points possible" if r == 0 else f"{rows[r][0]} {rows[r][1]}"
        check(grid.getRowDescription(r) == expected,
              f"row {r} is known as {grid.getRowDescription(r)!r}, not {expected!r}")
        for c in range(min(grid.nColumns, len(rows[r]))):
            cell = grid.getAccessibleAt(r, c)
            text = cell.name if cell is not None else None
            check(text == rows[r][c], f"cell ({r}, {c}) reads {text!r}, quorle show {rows[r][c]!r}")

    boxes = find_all(program.app, lambda a: role(a) == "check box" and a.parent.name != "Control bar")
    names = sorted(box.name for box in boxes)
    expected = sorted(f"Select {row[0]} {row[1]}" for row in rows[1:])
    check(names == expected, f"the selection boxes are named {names[:3]}..., not {expected[:3]}...")

    # The seating chart window, read seat by seat: a list of seats.
    program.focus()
    keys("alt+o", "s")
    chart = wait_for("the seating chart's lines",
                     lambda: find(program.app, lambda a: role(a) == "list" and a.childCount > 0), timeout=20)
    seats = [chart.getChildAtIndex(i).name for i in range(chart.childCount)]
    check(seats[0].startswith("Seat 1, column 1, place 1: "), f"the chart's first line reads {seats[0]!r}")
    check(all(line.startswith(f"Seat {i + 1}, ") for i, line in enumerate(seats)), "the seats are not read in order")
    taken = sum(1 for line in seats if not line.endswith(": free"))
    check(chart.description == f"{len(seats)} seats in {chart.description.split(' in ')[1].split(' ')[0]} columns, "
                               f"{taken} taken", f"the chart is described as {chart.description!r}")
    check(any("Emily Anderson" in line for line in seats), "Emily Anderson has no seat in the chart's lines")
finish()
