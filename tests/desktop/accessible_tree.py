#!/usr/bin/python3
# Prints what a screen reader sees of the program with the given process id: its accessible
# objects depth first, as a JSON list (empty while the program is not on the accessibility bus).
import json
import sys

import pyatspi


def walk(node, depth, out):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        box = [box.x, box.y, box.width, box.height]
    except NotImplementedError:
        box = [0, 0, 0, 0]
    role = node.getRoleName()
    out.append({"depth": depth, "role": role, "name": node.name or "", "box": box,
                "states": [pyatspi.stateToString(s) for s in node.getState().getStates()],
                "text": node.queryText().getText(0, -1) if role == "text" else ""})
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1, out)


out = []
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.get_process_id() == int(sys.argv[1]):
        walk(app, 0, out)
        break
print(json.dumps(out))
