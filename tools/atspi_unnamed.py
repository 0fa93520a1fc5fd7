#!/usr/bin/env python3
"""Lists the controls of every window that a screen reader reaches without a name.

Each window is opened by `orvane-ui-probe show WINDOW` and read over AT-SPI, the desktop's
accessibility bus, as Orca reads it: every showing, focusable control whose name is empty is
printed as "WINDOW: role (path)". The exit status is 1 when any is found.

Run it inside a display with a session bus and Qt's accessibility on, as tools/atspi_unnamed.sh
does: dbus-run-session, Xvfb, QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Needs python3-pyatspi.
"""

import os
import subprocess
import sys
import time

import pyatspi

WINDOWS = ["Form1", "frmTaxInfo", "frmSaveUser", "DialogHeader", "DialogState", "DialogCity",
           "DialogNonCity", "DialogVac", "Form2", "MDIForm1", "frmChecks", "HelpWindow", "frmDateMain"]
PROGRAM = "orvane-ui-probe"


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def unnamed(node, path, found, seen, depth=0):
    if depth > 60:
        return
    try:
        states = node.getState()
        role = node.getRoleName()
        name = (node.name or "").strip()
    except Exception:
        return
    if not states.contains(pyatspi.STATE_SHOWING) and depth > 1:
        return
    if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING):
        seen.append(role)
        if not name:
            found.append(f"{role} ({path})")
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            unnamed(child, f"{path}/{i}:{role}", found, seen, depth + 1)


def look(probe, window):
    proc = subprocess.Popen([probe, "show", window], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        if proc.stdout.readline().strip() != "ready":
            return [f"{window}: the probe did not show it"]
        found, seen = [], []
        app = None
        for _ in range(50):
            app = application(proc.pid)
            if app is not None and app.childCount > 0:
                break
            time.sleep(0.2)
        if app is None:
            return [f"{window}: not on the accessibility bus"]
        time.sleep(0.5)
        for i in range(app.childCount):
            top = app.getChildAtIndex(i)
            if top is not None and top.getState().contains(pyatspi.STATE_SHOWING):
                unnamed(top, top.name or "window", found, seen)
        if not seen:  # a window read as empty would pass unseen
            return [f"{window}: no focusable control found"]
        print(f"{window}: {len(seen)} focusable controls", file=sys.stderr)
        return [f"{window}: {item}" for item in found]
    finally:
        proc.kill()
        proc.wait()


def main():
    probe = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "build", PROGRAM)
    windows = sys.argv[2:] or WINDOWS
    problems = []
    for window in windows:
        problems += look(probe, window)
    for line in problems:
        print(line)
    print(f"{len(problems)} unnamed focusable controls in {len(windows)} windows", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
