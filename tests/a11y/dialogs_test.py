"""Every dialog of the Edit and Options menus, opened from the keyboard, read
through the accessibility bus: every control a teacher can work has a name (the
label beside it or the group it sits in), every message box its text."""
import os
import time

import pyatspi

from a11y import CLASSES, Program, check, find, find_all, finish, is_table, keys, role, showing, tree, wait_for

# A class without a seating chart yet: Seating Chart asks how to make one.
CLASS = os.path.join(CLASSES, "algebra-weighted.gdr")

# The menu commands that open dialogs of the program's own, and the keys that
# choose them. (Import Students and New Grading Period begin with the desktop's
# file dialog, Alphabetize opens none, and the help viewer is read on its own.)
COMMANDS = [
    ("New Grade", ["F4"]),
    ("Add Students", ["alt+e", "a"]),
    ("Student Info/Grades", ["F5"]),
    ("Change/Delete Grade Title", ["alt+e", "c"]),
    ("Grading System", ["alt+e", "g"]),
    ("Class Information", ["alt+e", "i"]),
    ("Progress Report", ["alt+e", "p"]),
    ("Warning Notice", ["alt+e", "Up", "Up", "Return"]),  # above Find Student ("Ne&w Grade" shares its letter)
    ("Seating Chart", ["alt+o", "s"]),
    ("New Grade Column", ["alt+e", "l"]),
    ("Term Grades", ["alt+f", "t"]),
]

# What a teacher works: these must have names.
WORKED = {"push button", "check box", "radio button", "text", "combo box", "list", "spin button",
          "toggle button", "password text", "list box", "entry"}


def dialogs(app):
    return [w for w in app if w is not None and role(w) in ("dialog", "alert", "file chooser") and showing(w)]


def unnamed_controls(window):
    bad = []
    for acc in find_all(window, lambda a: role(a) in WORKED and showing(a)):
        if not acc.name.strip():
            bad.append(role(acc))
    return bad


def message_text(window):
    labels = find_all(window, lambda a: role(a) == "label" and a.name.strip())
    return " ".join(label.name for label in labels)


def close_dialogs(app):
    for _ in range(8):
        if not dialogs(app):
            return True
        keys("Escape")
        time.sleep(0.5)
    return not dialogs(app)


with Program(CLASS) as program:
    wait_for("the class window's table", lambda: find(program.app, is_table))
    program.focus()
    # The control bar's buttons are named by their commands.
    bar = find(program.app, lambda a: role(a) == "tool bar")
    buttons = [b.name for b in find_all(bar, lambda a: role(a) == "push button")] if bar else []
    check(len(buttons) >= 10 and all(buttons), f"the control bar's buttons are named {buttons}")
    check("Open (F3)" in buttons and "New Grade (F4)" in buttons, f"the control bar's buttons are named {buttons}")
    opened = 0
    for name, sequence in COMMANDS:
        keys(*sequence)
        try:
            first = wait_for(f"a dialog from {name}", lambda: dialogs(program.app), timeout=10)
        except TimeoutError:
            check(False, f"{name}: no dialog opened from the keys {sequence}")
            close_dialogs(program.app)
            continue
        # A command may open one dialog after another: read each as it comes.
        seen = 0
        while seen < 6:
            window = first[0]
            opened += 1
            seen += 1
            is_message = role(window) == "alert" or not find_all(
                window, lambda a: role(a) in WORKED - {"push button"})
            bad = unnamed_controls(window)
            check(not bad, f"{name}: {window.name!r} has unnamed controls {bad}\n" + "\n".join(tree(window)))
            if is_message:
                check(message_text(window), f"{name}: the message {window.name!r} has no readable text")
            print(f"{name}: {window.name!r} read", flush=True)
            keys("Escape")
            time.sleep(0.7)
            first = dialogs(program.app)
            if not first:
                break
        check(close_dialogs(program.app), f"{name}: its dialogs did not close with Escape")
    check(opened >= len(COMMANDS), f"only {opened} dialogs opened")
finish()
