"""Keys only: the chart and the picture are lists walked by Down, each item where it is drawn;
Escape and Ctrl+W close them; File > Open is named without its key and gives it as its shortcut."""
import os

import pyatspi

from a11y import CLASSES, Program, check, find, finish, keys, role, showing, wait_for


def waited(what, condition):
    try:
        wait_for(what, condition, timeout=10)
    except TimeoutError as error:
        check(False, str(error))


def listed(app, start):
    return find(app, lambda a: role(a) == "list" and showing(a) and a.name.startswith(start))


def walk(app, start, count, names):
    lst = wait_for(start, lambda: listed(app, start))
    check(count is None or lst.childCount == count, f"{start}: {lst.childCount} items, not {count}")
    area = lst.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    names = names or [lst.getChildAtIndex(i).name for i in range(3)]
    for i, name in enumerate(names):
        if i:
            keys("Down")
        item = lst.getChildAtIndex(i)
        box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        check(item.name == name and box.width > 0 and area.x <= box.x < area.x + area.width and
              area.y <= box.y < area.y + area.height, f"{start}: item {i} {item.name!r} at {box}")
        waited(f"{name!r} focused", lambda: item.getState().contains(pyatspi.STATE_FOCUSED))
    return lst


with Program(os.path.join(CLASSES, "biology.gdr")) as program:
    program.focus()
    keys("alt+f")
    item = wait_for("File > Open", lambda: find(program.app, lambda a: role(a) == "menu item" and showing(a) and
                                               a.name.startswith("Open")))
    check(item.name == "Open..." and item.queryAction().getKeyBinding(0).endswith(";F3"),
          f"File > Open is {item.name!r} with {item.queryAction().getKeyBinding(0)!r}")
    keys("Escape", "Escape", "alt+o", "s")
    chart = walk(program.app, "Seating Chart", 30, ["Seat 1, column 1, place 1: Emily Anderson",
                                                    "Seat 2, column 1, place 2: Olivia Hughes"])
    check(chart.description == "30 seats in 5 columns, 24 taken", f"the chart reads {chart.description!r}")
    for start, opening, closing in [("Seating Chart", None, "Escape"), ("Class Picture", ("alt+d", "p"), "ctrl+w")]:
        if opening:
            program.focus()  # no window manager gives the keyboard back to the frame
            keys(*opening)
            picture = walk(program.app, start, None, None)
            check(picture.getChildAtIndex(0).name == "Letter grades", "the picture starts elsewhere")
        keys(closing)
        waited(f"{start} closed by {closing}", lambda: listed(program.app, start) is None)
finish()
