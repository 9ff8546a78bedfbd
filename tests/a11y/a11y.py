"""What the accessibility tests share: starting the program, waiting with a
time limit, walking the tree a screen reader sees, and pressing keys."""
import os
import subprocess
import sys
import time

import pyatspi

PROGRAM = os.environ["QUORLE_A11Y_PROGRAM"]
CLASSES = os.environ["QUORLE_A11Y_CLASSES"]
WORK = os.environ["QUORLE_A11Y_WORK"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def finish():
    if failures:
        print(f"{len(failures)} check(s) failed", flush=True)
        sys.exit(1)
    print("passed", flush=True)
    sys.exit(0)


def wait_for(what, find, timeout=30.0, step=0.25):
    """find() until it gives something true; an error means not yet."""
    end = time.monotonic() + timeout
    last = None
    while time.monotonic() < end:
        try:
            found = find()
            if found:
                return found
        except Exception as error:  # the tree changes while it is read
            last = error
        time.sleep(step)
    raise TimeoutError(f"timed out waiting for {what}" + (f" ({last})" if last else ""))


class Program:
    """The program on a class file, ended when the test leaves."""

    def __init__(self, *args):
        self.log = open(os.path.join(WORK, "program.log"), "w")
        self.process = subprocess.Popen([PROGRAM, *args], stdout=self.log, stderr=subprocess.STDOUT,
                                        cwd=CLASSES)
        self.app = wait_for("the program on the accessibility bus", self._find_app, timeout=60)

    def focus(self):
        """Gives the program's main window the keyboard (there is no window
        manager to do it)."""
        def windows():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                                   capture_output=True, text=True, timeout=10).stdout.split()
            return found
        for window in wait_for("a window of the program", windows, timeout=20):
            subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=10)
            subprocess.run(["xdotool", "mousemove", "--window", window, "5", "5"], timeout=10)
            break
        time.sleep(0.5)

    def _find_app(self):
        if self.process.poll() is not None:
            self.log.flush()
            with open(os.path.join(WORK, "program.log")) as log:
                print(log.read()[-3000:])
            raise SystemExit(f"the program ended with status {self.process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(timeout=10)
        self.log.close()
        return False


def role(acc):
    return acc.getRoleName()


def is_table(acc):
    """A table, or a pane read as one (the class window's grades)."""
    return role(acc) == "table" or "Table" in pyatspi.listInterfaces(acc)


def walk(acc, depth=0, limit=40):
    """Every object below acc, tables' cells left out (a table is read through
    its table interface)."""
    if acc is None or depth > limit:
        return
    yield acc
    if is_table(acc):
        return
    for i in range(acc.childCount):
        try:
            child = acc.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1, limit)


def find(root, predicate):
    for acc in walk(root):
        try:
            if predicate(acc):
                return acc
        except Exception:
            pass
    return None


def find_all(root, predicate):
    out = []
    for acc in walk(root):
        try:
            if predicate(acc):
                out.append(acc)
        except Exception:
            pass
    return out


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def keys(*names):
    """Presses keys on the display ("alt+e", "Escape", ...)."""
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True, timeout=10)
        time.sleep(0.3)


def press(*names, wait=1.0):
    """Keys pressed one by one, the bus answered between them and after."""
    for name in names:
        keys(name)
        pump(0.3)
    pump(wait)


def shown_window(app, prefix):
    """The showing window whose name begins with prefix, or None."""
    return find(app, lambda a: showing(a) and a.name.startswith(prefix))


def click(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True, timeout=10)
    time.sleep(0.3)


def tree(acc, depth=0, limit=6):
    """The tree as text, for a failure's report."""
    lines = []
    if acc is None or depth > limit:
        return lines
    lines.append("  " * depth + f"{role(acc)} {acc.name!r}")
    if not is_table(acc):
        for i in range(min(acc.childCount, 60)):
            lines += tree(acc.getChildAtIndex(i), depth + 1, limit)
    return lines


def pump(seconds):
    """Waits, answering the bus meanwhile (a reader's key events pass through it)."""
    from gi.repository import GLib
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)
