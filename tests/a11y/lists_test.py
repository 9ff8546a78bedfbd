"""The seating chart and the class picture read as lists through the
accessibility bus, keys only: each seat and each picture line is an item
standing where it is drawn, Down moves the focus to the next item, Escape and
Ctrl+W close the windows; menu items are named without their key and give it
as their shortcut."""
import os

import pyatspi

from a11y import CLASSES, Program, check, find, finish, keys, role, showing, wait_for

CLASS = os.path.join(CLASSES, "biology.gdr")


def focused_item(lst):
    for i in range(lst.childCount):
        item = lst.getChildAtIndex(i)
        if item is not None and item.getState().contains(pyatspi.STATE_FOCUSED):
            return item
    return None


def list_named(app, start):
    return find(app, lambda a: role(a) == "list" and showing(a) and a.name.startswith(start))


def walk_list(app, start, count, first_names):
    lst = wait_for(f"the list {start!r}", lambda: list_named(app, start))
    check(lst.childCount == count, f"{start}: {lst.childCount} items, not {count}")
    window = lst.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for i, name in enumerate(first_names):
        item = lst.getChildAtIndex(i)
        check(item.name == name, f"{start}: item {i} reads {item.name!r}, not {name!r}")
        box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        check(box.width > 0 and box.height > 0 and window.x <= box.x < window.x + window.width and
              window.y <= box.y < window.y + window.height, f"{start}: item {i} is not on the window: {box}")
    for i, name in enumerate(first_names[1:], 1):
        keys("Down")
        try:
            wait_for(f"{name!r} focused", lambda: (f := focused_item(lst)) is not None and f.name == name, timeout=10)
        except TimeoutError as error:
            check(False, str(error))
    return lst


def closed_by(app, lst, key, start):
    keys(key)
    try:
        wait_for(f"{start} closed by {key}", lambda: list_named(app, start) is None, timeout=10)
    except TimeoutError as error:
        check(False, str(error))


with Program(CLASS) as program:
    program.focus()
    wait_for("the class window's table", lambda: find(program.app, lambda a: role(a) == "table"))

    keys("alt+f")
    item = wait_for("File > Open", lambda: find(program.app, lambda a: role(a) == "menu item" and showing(a) and
                                               a.name.startswith("Open")))
    check(item.name == "Open...", f"File > Open is named {item.name!r}")
    binding = item.queryAction().getKeyBinding(0)
    check(binding.endswith(";F3"), f"File > Open gives the keys {binding!r}")
    keys("Escape", "Escape")

    keys("alt+o", "s")
    chart = walk_list(program.app, "Seating Chart", 30,
                      ["Seat 1, column 1, place 1: Emily Anderson", "Seat 2, column 1, place 2: Olivia Hughes",
                       "Seat 3, column 1, place 3: Mateo García"])
    check(chart.description == "30 seats in 5 columns, 24 taken", f"the chart reads {chart.description!r}")
    closed_by(program.app, chart, "Escape", "Seating Chart")

    program.focus()  # no window manager gives the keyboard back to the frame
    keys("alt+d", "p")
    picture = wait_for("the class picture", lambda: list_named(program.app, "Class Picture"))
    count = picture.childCount
    check(count > 8, f"the picture has {count} lines")
    names = [picture.getChildAtIndex(i).name for i in range(3)]
    check(names[0] == "Letter grades", f"the picture starts {names}")
    walk_list(program.app, "Class Picture", count, names)
    closed_by(program.app, picture, "ctrl+w", "Class Picture")
finish()
