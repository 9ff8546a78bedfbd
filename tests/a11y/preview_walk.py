"""Print Preview reached by keys alone: File > Print Preview, the options
taken as they are, every question answered No, then the page read line by
line and the buttons met with Tab. QUORLE_ORCA_WALK=preview scripts/orca-walk
runs it with Orca listening."""
import os
import time

import pyatspi

from a11y import CLASSES, Program, check, find, finish, press, pump, role, showing, shown_window, wait_for

CLASS = os.path.join(CLASSES, "biology.gdr")


def preview(app):
    return shown_window(app, "Print Preview")


pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused")
with Program(CLASS) as program:
    program.focus()
    pump(3)
    press("Right", "Left")
    press("alt+f")
    pump(2)
    press("w")
    wait_for("the print options", lambda: find(program.app, lambda a: showing(a) and role(a) == "dialog"), timeout=30)
    pump(2)
    press("Return")  # the print options as they are
    deadline = time.time() + 60
    while preview(program.app) is None and time.time() < deadline:
        if find(program.app, lambda a: showing(a) and role(a) == "alert"):
            press("n")  # each question answered No
        pump(1.5)
    window = wait_for("the preview", lambda: preview(program.app), timeout=30)
    pump(2)
    press("Down", "Down", "Down")
    for _ in range(11):
        press("Tab")
    press("Next")
    pump(1)
    check(window is not None, "the preview opened")
    press("Escape")
    pump(1)
finish()
