"""A class window walked by keys alone, as a blind teacher walks it with a
screen reader, with two classes open. The keyboard is on the table from the
start, its cursor on the first student's first grade; every move of the cursor
is a focus event of the cell it is on, which carries the cell's value as name
and its student and column as its headers; a value typed into a cell is an
editable text that says each change; and after Undo, New Grade, Add Students
(left with Escape) and a message box the keyboard is on the same class's table
again. Every focus event in the class window is a cell of its table. Last
the seating chart and the class picture are walked.

scripts/orca-walk runs this same walk with Orca listening."""
import os
import subprocess
import time

import pyatspi

from a11y import CLASSES, PROGRAM, Program, check, find, finish, keys, pump, role, wait_for

FIRST = os.path.join(CLASSES, "algebra-weighted.gdr")
CLASS = os.path.join(CLASSES, "biology.gdr")  # opened last: the active class


def shown(path):
    text = subprocess.run([PROGRAM, "show", path], capture_output=True, text=True, check=True, timeout=60).stdout
    lines = [[cell.strip() for cell in line.split("\t")] for line in text.split("\n\n")[0].split("\n")]
    return lines[0], lines[1:]


headings, rows = shown(CLASS)
grade = headings.index("ID #") + 1


def student(r):
    return "Points possible" if r == 0 else f"{rows[r][0]} {rows[r][1]}"


# Every focus event and every change of a text, as a reader hears them.
heard = []


def listen(event):
    try:
        source = event.source
        entry = {"type": event.type, "role": role(source), "name": source.name,
                 "is_table": "Table" in pyatspi.listInterfaces(source), "table": None, "cell": None,
                 "data": event.any_data}
        parent = source.parent
        if entry["role"] == "table cell" and parent is not None:
            index = source.getIndexInParent()
            grid = parent.queryTable()
            entry["table"] = parent.name
            r, c = grid.getRowAtIndex(index), grid.getColumnAtIndex(index)
            entry["cell"] = (r, c)
            # What a reader says with the value: the row's and the column's header.
            entry["headers"] = (grid.getRowHeader(r).name, grid.getColumnHeader(c).name)
        heard.append(entry)
    except Exception as error:  # an object gone meanwhile
        heard.append({"type": event.type, "role": None, "error": str(error)})


def focus_events():
    return [e for e in heard if e["type"].startswith("object:state-changed:focused") and e.get("data", 1)]


# With Orca listening (scripts/orca-walk) the walk goes slower, for Orca to
# keep up with it.
SLOW = 4.0 if os.environ.get("QUORLE_A11Y_ORCA") else 1.0


def press(*names, wait=0.6):
    """Keys pressed; the focus events they bring."""
    before = len(focus_events())
    for name in names:
        keys(name)
        pump(0.05 * SLOW)
    pump(wait * SLOW)
    return focus_events()[before:]


def expect_cell(events, what, r, c):
    """The last focus event was Biology's cell (r, c), with what a reader says of it."""
    cells = [e for e in events if e.get("cell") is not None]
    if not check(cells, f"{what}: no cell was focused ({[(e['role'], e.get('name')) for e in events]})"):
        return
    got = (cells[-1]["table"], cells[-1]["cell"], cells[-1]["name"], cells[-1]["headers"])
    wanted = ("Biology grades", (r, c), rows[r][c], (student(r), headings[c]))
    check(got == wanted, f"{what}: the focus is on {got}, not {wanted}")


pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused", "object:text-changed")
with Program(FIRST, CLASS) as program:
    program.focus()
    pump(1)
    wait_for("the first cell focused", lambda: pump(0.2) or [e for e in focus_events() if e["cell"]], timeout=20)
    expect_cell(focus_events(), "as opened", 1, grade)
    table = wait_for("the class's table", lambda: find(program.app, lambda a: a.name == "Biology grades"))

    for k in range(1, 6):
        expect_cell(press("Right"), f"Right {k}", 1, grade + k)
    for k in range(1, 6):
        expect_cell(press("Down"), f"Down {k}", 1 + k, grade + 5)
    r, c = 6, grade + 5

    # A value typed: the cell is editable while it is typed, each character
    # a change of its text; Enter stores it and goes down.
    start = len(heard)
    press("7", "period", "5")
    typed = heard[start:]
    inserted = "".join(e["data"] for e in typed if e["type"] == "object:text-changed:insert")
    check(inserted.endswith("7.5"), f"the typed text was said as {inserted!r}")
    cell = table.queryTable().getAccessibleAt(r, c)
    check(cell.getState().contains(pyatspi.STATE_EDITABLE), "the cell typed into is not editable")
    text = cell.queryText()
    check(text.getText(0, -1) == "7.5" and text.caretOffset == 3,
          f"the cell typed into holds {text.getText(0, -1)!r}, its caret at {text.caretOffset}")
    expect_cell(press("Return"), "Enter after 7.5", r + 1, c)

    # Undo on the cell takes the value back, says it, and leaves the keyboard in the table.
    press("Up")
    expect_cell(press("ctrl+z", wait=1.5), "Undo", r, c)

    # New Grade: a test named Q9, no value for anyone.
    events = press("F4", wait=1.5)
    check(any(e["role"] == "radio button" for e in events), "the Grade Type dialog took no focus")
    press("Return", wait=1.0)
    press("Q", "9", "Return", wait=1.0)
    for _ in range(len(rows)):
        press("Return", wait=0.4)
    headings, rows = shown(CLASS)  # the new grade's column among them
    pump(2.0 * SLOW)
    expect_cell(focus_events(), "after New Grade", r, c)
    expect_cell(press("Left", "Right"), "Left and Right after New Grade", r, c)

    # Add Students, left with Escape.
    press("alt+e", "a", wait=1.5)
    expect_cell(press("Escape", wait=1.5), "after Escape in Add Students", r, c)

    # A message box over a dialog: Find Student for a name no one has.
    press("ctrl+f", wait=1.0)
    events = press("z", "z", "q", "Return", wait=1.5)
    check(any(e["role"] == "push button" for e in events), "the message box took no focus")
    press("Return", wait=1.0)
    expect_cell(press("Escape", wait=1.5), "after the message box and Find Student", r, c)

    # In the class window the keyboard was on nothing but cells: the table
    # itself, as it takes the keyboard back, hands it on to its cell at once.
    focused = focus_events()
    for i, e in enumerate(focused):
        if e.get("is_table"):
            following = [n for n in focused[i + 1:] if not n.get("is_table")]
            check(following and following[0].get("cell") is not None,
                  f"the table took the keyboard and gave it to {following[0] if following else None}")
        check(e.get("is_table") or e["role"] not in ("filler", "panel", "menu bar"),
              f"the keyboard went to a {e['role']} {e.get('name')!r}")

    # The seating chart and the class picture, lists walked with Down, each
    # left with Escape.
    for menu, item, walking in (("alt+o", ("s",), ("Down",) * 3), ("alt+d", ("p",), ("Down",) * 3)):
        press(menu, wait=1.0)
        for key in item:
            press(key, wait=2.0)
        press(*walking, wait=1.0)
        press("Escape", wait=1.5)
    expect_cell(press("Left", "Right"), "after the chart and the picture", r, c)
    pump(3 * (SLOW - 1))  # Orca's last words
finish()
