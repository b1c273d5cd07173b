#!/usr/bin/python3
# Prints what a screen reader sees of one program: every accessible object of the application
# with the given process id, depth first, one per line:
#   depth TAB role TAB name TAB states (comma-separated) TAB x,y,width,height TAB text
# The text column holds the contents of text objects only. Tabs, line ends and backslashes in
# names and texts are written as \t, \n, \r and \\. Prints nothing while the program is not
# registered on the accessibility bus.
import sys

import pyatspi


def escaped(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r"))


def line(node, depth):
    states = ",".join(sorted(pyatspi.stateToString(s) for s in node.getState().getStates()))
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        extents = "%d,%d,%d,%d" % (box.x, box.y, box.width, box.height)
    except NotImplementedError:
        extents = "0,0,0,0"
    text = ""
    if node.getRoleName() == "text":
        try:
            text = node.queryText().getText(0, -1)
        except NotImplementedError:
            pass
    return "%d\t%s\t%s\t%s\t%s\t%s" % (depth, node.getRoleName(), escaped(node.name or ""), states, extents,
                                      escaped(text))


def walk(node, depth, out):
    out.append(line(node, depth))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            out = []
            walk(app, 0, out)
            print("\n".join(out))
            return 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
