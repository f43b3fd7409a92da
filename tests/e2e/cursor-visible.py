#!/usr/bin/env python3
"""Tells whether the mouse cursor the X server shows now has any visible pixel.
Exit status 0: visible, 1: invisible (a hidden cursor), 2: could not tell.
Talks to libX11 and libXfixes through ctypes."""

import ctypes
import ctypes.util
import sys


class CursorImage(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short),
        ("y", ctypes.c_short),
        ("width", ctypes.c_ushort),
        ("height", ctypes.c_ushort),
        ("xhot", ctypes.c_ushort),
        ("yhot", ctypes.c_ushort),
        ("cursor_serial", ctypes.c_ulong),
        ("pixels", ctypes.POINTER(ctypes.c_ulong)),  # ARGB, one long each
        ("atom", ctypes.c_ulong),
        ("name", ctypes.c_char_p),
    ]


def main():
    names = [ctypes.util.find_library(n) for n in ("X11", "Xfixes")]
    if not all(names):
        return 2
    x11, xfixes = (ctypes.CDLL(n) for n in names)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return 2
    image = xfixes.XFixesGetCursorImage(ctypes.c_void_p(display))
    if not image:
        return 2
    c = image.contents
    visible = any(c.pixels[i] >> 24 for i in range(c.width * c.height))
    return 0 if visible else 1


sys.exit(main())
