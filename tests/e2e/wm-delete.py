#!/usr/bin/env python3
"""Sends WM_DELETE_WINDOW to a window, as a window manager does when its close button is
clicked. Usage: wm-delete.py WINDOW-ID (decimal or 0x hex). Talks to libX11 through ctypes,
so it needs nothing beyond the standard library and the X client library itself."""

import ctypes
import ctypes.util
import sys

CLIENT_MESSAGE = 33
NO_EVENT_MASK = 0


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    # XEvent is padded to 24 longs whatever the member.
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: wm-delete.py WINDOW-ID")
    window = int(sys.argv[1], 0)
    name = ctypes.util.find_library("X11")
    if not name:
        sys.exit("wm-delete.py: libX11 not found")
    x = ctypes.CDLL(name)
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [
        ctypes.c_void_p,
        ctypes.c_ulong,
        ctypes.c_int,
        ctypes.c_long,
        ctypes.POINTER(Event),
    ]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("wm-delete.py: cannot open the display")
    protocols = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
    delete = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)

    event = Event()
    event.xclient.type = CLIENT_MESSAGE
    event.xclient.window = window
    event.xclient.message_type = protocols
    event.xclient.format = 32
    event.xclient.data[0] = delete
    event.xclient.data[1] = 0  # CurrentTime
    ok = x.XSendEvent(display, window, 0, NO_EVENT_MASK, ctypes.byref(event))
    x.XSync(display, 0)
    x.XCloseDisplay(display)
    if not ok:
        sys.exit("wm-delete.py: XSendEvent failed")


if __name__ == "__main__":
    main()
