"""Term Grades reached by keys alone: File > Term Grades with the open class
chosen, OK, then the term's table walked by the arrows and left with Escape.
QUORLE_ORCA_WALK=term scripts/orca-walk runs it with Orca listening."""
import os

import pyatspi

from a11y import CLASSES, Program, check, find, finish, is_table, keys, press, pump, role, showing, shown_window, wait_for

CLASS = os.path.join(CLASSES, "biology.gdr")


pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused")
with Program(CLASS) as program:
    program.focus()
    pump(3)
    # The File menu, asked again while the reader is still busy with the window.
    for _ in range(4):
        press("alt+f")
        press("t")
        if find(program.app, lambda a: showing(a) and role(a) == "dialog"):
            break
        press("Escape")
    wait_for("the Term Grades dialog", lambda: find(program.app, lambda a: showing(a) and role(a) == "dialog"),
             timeout=30)
    pump(1)
    press("alt+w")
    keys("1")
    press("Return", wait=2)
    window = wait_for("the term window", lambda: shown_window(program.app, "Term Grades:"), timeout=30)
    pump(2)
    press("Down", "Down", "Right", "Right", "Right", "End")
    table = find(window, is_table)
    check(table is not None, "the term window reads as a table")
    if table is not None:
        cells = table.queryTable()
        check(cells.nColumns >= 6 and cells.nRows > 20, f"the table has {cells.nRows} rows of {cells.nColumns}")
        check(cells.getColumnDescription(cells.nColumns - 2) == "Term Aver",
              f"the last heading but one is {cells.getColumnDescription(cells.nColumns - 2)!r}")
    press("Escape", wait=2)
    # The keyboard is back on the class's table.
    focused = find(program.app, lambda a: is_table(a) and showing(a) and a.getState().contains(pyatspi.STATE_FOCUSED))
    check(focused is not None and focused.name.endswith("grades"), f"the keyboard went to {focused and focused.name!r}")
finish()
