#!/usr/bin/env python3
"""What the X server itself says, and one thing a window manager does, through libX11 (and
libXfixes, libXRes) by ctypes: nothing beyond the standard library and the X client libraries.

  x11-probe.py close WINDOW      sends WM_DELETE_WINDOW, as a window manager's close button
  x11-probe.py cursor            exit status 0: the cursor shown now has a visible pixel;
                                 1: it has none (a hidden cursor)
  x11-probe.py resources XID     the server's resources of the client that owns XID, one
                                 "TYPE COUNT" line per type (the server's atom names, blanks
                                 as "_": WINDOW, GC, GLXContext, ...)
  x11-probe.py keyboard          for each line "NAME down|up" on standard input, the key
                                 that carries the keysym NAME (F1, Escape, n) goes down or up
                                 through XTEST, as on a keyboard: that one key, with no
                                 modifier the keysym might be found under; answers "done"
                                 (or "failed") for each
WINDOW and XID are decimal or 0x hex. Exit status 2: the server could not be asked."""
import ctypes
import ctypes.util
import sys

P, L, UL, INT = ctypes.c_void_p, ctypes.c_long, ctypes.c_ulong, ctypes.c_int


def library(name):
    path = ctypes.util.find_library(name)
    if not path:
        sys.exit(f"x11-probe.py: lib{name} not found")
    return ctypes.CDLL(path)


x = library("X11")
x.XOpenDisplay.restype = P
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = UL
x.XInternAtom.argtypes = [P, ctypes.c_char_p, INT]
x.XGetAtomName.restype = P
x.XGetAtomName.argtypes = [P, UL]
x.XFree.argtypes = [P]
x.XSync.argtypes = [P, INT]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", INT), ("serial", UL), ("send_event", INT), ("display", P),
                ("window", UL), ("message_type", UL), ("format", INT), ("data", L * 5)]


class Event(ctypes.Union):
    # XEvent is padded to 24 longs whatever the member.
    _fields_ = [("xclient", ClientMessage), ("pad", L * 24)]


def close(display, window):
    event = Event()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = window
    event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x.XSendEvent.argtypes = [P, UL, INT, L, ctypes.POINTER(Event)]
    ok = x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x.XSync(display, 0)
    return 0 if ok else 2


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", UL), ("pixels", ctypes.POINTER(UL)),  # ARGB, one long each
                ("atom", UL), ("name", ctypes.c_char_p)]


def cursor(display):
    xfixes = library("Xfixes")
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [P]
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        return 2
    c = image.contents
    return 0 if any(c.pixels[i] >> 24 for i in range(c.width * c.height)) else 1


class ResourceType(ctypes.Structure):
    _fields_ = [("resource_type", UL), ("count", ctypes.c_uint)]


def resources(display, xid):
    xres = library("XRes")
    xres.XResQueryClientResources.argtypes = [P, UL, ctypes.POINTER(INT),
                                              ctypes.POINTER(ctypes.POINTER(ResourceType))]
    n, types = INT(0), ctypes.POINTER(ResourceType)()
    if not xres.XResQueryClientResources(display, xid, ctypes.byref(n), ctypes.byref(types)):
        print(f"x11-probe.py: no client owns {xid:#x}", file=sys.stderr)
        return 2
    for t in types[:n.value]:
        atom = x.XGetAtomName(display, t.resource_type)
        print(ctypes.string_at(atom).decode().replace(" ", "_") if atom else t.resource_type, t.count)
        x.XFree(atom)
    if n.value:
        x.XFree(types)
    return 0


def key(display, name, direction):
    xtst = library("Xtst")
    x.XStringToKeysym.restype = UL
    x.XStringToKeysym.argtypes = [ctypes.c_char_p]
    x.XKeysymToKeycode.restype = ctypes.c_ubyte
    x.XKeysymToKeycode.argtypes = [P, UL]
    xtst.XTestFakeKeyEvent.argtypes = [P, ctypes.c_uint, INT, UL]
    code = x.XKeysymToKeycode(display, x.XStringToKeysym(name.encode()))
    if not code or direction not in ("down", "up"):
        print(f"x11-probe.py: no key {name} to go {direction}", file=sys.stderr)
        return 2
    xtst.XTestFakeKeyEvent(display, code, int(direction == "down"), 0)
    x.XSync(display, 0)
    return 0


def keyboard(display):
    for line in sys.stdin:
        words = line.split()
        ok = len(words) == 2 and key(display, *words) == 0
        print("done" if ok else "failed", flush=True)
    return 0


def main():
    verbs = {"close": (close, 1), "cursor": (cursor, 0), "resources": (resources, 1),
             "keyboard": (keyboard, 0)}
    if len(sys.argv) < 2 or sys.argv[1] not in verbs or len(sys.argv) != 2 + verbs[sys.argv[1]][1]:
        sys.exit(__doc__)
    display = x.XOpenDisplay(None)
    if not display:
        print("x11-probe.py: cannot open the display", file=sys.stderr)
        return 2
    verb, _ = verbs[sys.argv[1]]
    args = [int(a, 0) for a in sys.argv[2:]]
    status = verb(display, *args)
    x.XCloseDisplay.argtypes = [P]
    x.XCloseDisplay(display)
    return status


sys.exit(main())
