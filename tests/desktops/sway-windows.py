#!/usr/bin/env python3
"""The windows in sway's tree (`swaymsg -t get_tree` on standard input), one line each, tabs
between: kind (xwayland or wayland), focused, fullscreen and decorated (1 or 0 each), rect
"x y w h" of its container, name."""
import json
import sys


def windows(node):
    if node.get("type") in ("con", "floating_con") and node.get("shell"):
        yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from windows(child)


for w in windows(json.load(sys.stdin)):
    r = w["rect"]
    print("\t".join(str(v) for v in (
        "xwayland" if w["shell"] == "xwayland" else "wayland", int(w["focused"]),
        int(w.get("fullscreen_mode", 0) > 0), int(w.get("border") in ("normal", "csd")),
        f'{r["x"]} {r["y"]} {r["width"]} {r["height"]}', w.get("name") or "")))
