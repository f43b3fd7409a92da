#!/usr/bin/env python3
"""Lists the windows in sway's tree (`swaymsg -t get_tree` on standard input), one line each:
shell, focused (1/0), fullscreen mode, border, x y width height of its container, name;
separated by tabs, the name last."""
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
        w["shell"], int(w["focused"]), w.get("fullscreen_mode", 0), w.get("border", ""),
        f'{r["x"]} {r["y"]} {r["width"]} {r["height"]}', w.get("name") or "")))
