"""The cell cursor read through the accessibility bus: a click on a grade cell
puts the cursor there, Right and Down move it, and each time the table's
focused cell is the cursor's, with the text the pane draws there; a value
typed into it is read as an editable text."""
import os
import subprocess

import pyatspi

from a11y import CLASSES, PROGRAM, Program, check, click, find, finish, is_table, keys, role, wait_for

CLASS = os.path.join(CLASSES, "biology.gdr")

shown = subprocess.run([PROGRAM, "show", CLASS], capture_output=True, text=True, check=True, timeout=60).stdout
lines = [[cell.strip() for cell in line.split("\t")] for line in shown.split("\n")]
headings, rows = lines[0], lines[1:]
first_grade = headings.index("ID #") + 1 if "ID #" in headings else 2


def focused(table, r, c):
    cell = table.queryTable().getAccessibleAt(r, c)
    return cell is not None and cell.getState().contains(pyatspi.STATE_FOCUSED) and cell


with Program(CLASS) as program:
    table = wait_for("the class window's table", lambda: find(program.app, is_table))
    grid = table.queryTable()
    start = grid.getAccessibleAt(1, first_grade)
    box = start.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    check(box.width > 0 and box.height > 0, f"the first grade cell has no place on the screen: {box}")
    click(box.x + box.width // 2, box.y + box.height // 2)
    for key, (r, c) in [(None, (1, first_grade)), ("Right", (1, first_grade + 1)), ("Down", (2, first_grade + 1)),
                        ("Left", (2, first_grade)), ("Up", (1, first_grade))]:
        if key:
            keys(key)
        try:
            cell = wait_for(f"cell ({r}, {c}) focused", lambda: focused(table, r, c), timeout=10)
            check(cell.name == rows[r][c], f"the focused cell ({r}, {c}) reads {cell.name!r}, not {rows[r][c]!r}")
        except TimeoutError as error:
            check(False, str(error))

    # A value typed into the cell is read as an editable text holding it;
    # Escape leaves the cell read-only with its old value.
    def editing(text):
        cell = focused(table, 1, first_grade)
        return cell and cell.getState().contains(pyatspi.STATE_EDITABLE) and cell.name == text and cell

    keys("7", "period", "5")
    try:
        wait_for("the typed value read as an editable cell", lambda: editing("7.5"), timeout=10)
    except TimeoutError as error:
        check(False, str(error))
    keys("Escape")
    try:
        wait_for("the cell read-only again with its old value",
                 lambda: (cell := focused(table, 1, first_grade)) and not cell.getState().contains(
                     pyatspi.STATE_EDITABLE) and cell.name == rows[1][first_grade], timeout=10)
    except TimeoutError as error:
        check(False, str(error))
finish()
