#!/usr/bin/env python3
"""What a screen reader finds of a process, through AT-SPI (pyatspi, for Debian's own
/usr/bin/python3), on the accessibility bus of the session bus in DBUS_SESSION_BUS_ADDRESS.

  a11y-probe.py tree PID      the process's accessible objects, one "ROLE|NAME|KEYS" line
                              each (KEYS: the key bindings of its first action, not asked for
                              with A11Y_KEYS=0), depth first; exit status 1 when the process
                              is not on the bus
  a11y-probe.py answers PID   the seconds a question to the process takes to be answered
                              (it is on the bus and answers, or it is not there at all)
"""
import os
import sys
import time

import pyatspi


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away while the list was read
            pass
    return None


def keys(acc):
    if os.environ.get("A11Y_KEYS") == "0":
        return ""
    try:
        action = acc.queryAction()
        return action.getKeyBinding(0) if action.nActions else ""
    except NotImplementedError:
        return ""


def tree(acc):
    yield f"{acc.getRoleName()}|{acc.name}|{keys(acc)}"
    for child in acc:
        if child is not None:
            yield from tree(child)


def main():
    verb, pid = sys.argv[1], int(sys.argv[2])
    if verb == "tree":
        app = application(pid)
        if app is None:
            return 1
        for line in tree(app):
            print(line.replace("\n", "\\n"))
        return 0
    if verb == "answers":
        start = time.monotonic()
        app = application(pid)
        if app is not None:
            [child.name for child in app if child is not None]
        print(f"{time.monotonic() - start:.2f}")
        return 0
    return 2


sys.exit(main())
