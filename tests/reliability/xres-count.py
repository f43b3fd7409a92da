#!/usr/bin/env python3
"""Prints the X resources the server holds for the client that owns a resource id, one
"TYPE COUNT" line per resource type (the server's own atom names, blanks as "_": WINDOW,
GC, GLXContext, ...). Usage: xres-count.py RESOURCE-ID (decimal or 0x hex), e.g. a window id.
Talks to libXRes and libX11 through ctypes: the counts are the server's, not the client's
idea of what it holds."""

import ctypes
import ctypes.util
import sys


class Type(ctypes.Structure):
    _fields_ = [("resource_type", ctypes.c_ulong), ("count", ctypes.c_uint)]


def load(name):
    path = ctypes.util.find_library(name)
    if not path:
        sys.exit("xres-count.py: lib%s not found" % name)
    return ctypes.CDLL(path)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: xres-count.py RESOURCE-ID")
    xid = int(sys.argv[1], 0)
    x = load("X11")
    xres = load("XRes")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XGetAtomName.restype = ctypes.c_void_p
    x.XGetAtomName.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x.XFree.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xres.XResQueryClientResources.argtypes = [
        ctypes.c_void_p,
        ctypes.c_ulong,
        ctypes.POINTER(ctypes.c_int),
        ctypes.POINTER(ctypes.POINTER(Type)),
    ]

    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("xres-count.py: cannot open the display")
    n = ctypes.c_int(0)
    types = ctypes.POINTER(Type)()
    if not xres.XResQueryClientResources(display, xid, ctypes.byref(n), ctypes.byref(types)):
        sys.exit("xres-count.py: no client owns 0x%x" % xid)
    for i in range(n.value):
        atom = x.XGetAtomName(display, types[i].resource_type)
        name = ctypes.string_at(atom).decode() if atom else str(types[i].resource_type)
        if atom:
            x.XFree(atom)
        print(name.replace(" ", "_"), types[i].count)
    if n.value:
        x.XFree(types)
    x.XCloseDisplay(display)


if __name__ == "__main__":
    main()
