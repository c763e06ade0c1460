#!/usr/bin/python3
"""Reads the installer as a screen reader does, through the accessibility bus: prints the
tree as read, checks the window's reading order, names, roles, relations and that nothing
hidden is in it, presses Install and reads the confirmation box. Usage: screen_reader.py
DRIVE VERSION, with the installer showing DRIVE (a stick named PSPCARD) and focused; exits
1 when a check fails."""
import subprocess
import sys
import time

import pyatspi

drive, version = sys.argv[1:3]
failed = False


def check(holds, what):
    global failed
    if not holds:
        failed = True
        print("FAIL:", what)


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} did not appear on the accessibility bus")


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def child_with(node, role):
    return next((child for child in children(node) if child.getRoleName() == role), None)


def tree(node):
    yield node
    for child in children(node):
        yield from tree(child)


def part_with(node, role, name=None):
    return next(part for part in tree(node)
                if part.getRoleName() == role and name in (None, part.name))


def text_of(node):
    if "Text" not in node.get_interfaces():
        return None
    return node.queryText().getText(0, -1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def read(node):
    """A node as a reader has it: role, name, and what else it says."""
    said = f"{node.getRoleName()} {node.name!r}"
    if node.description:
        said += f", description {node.description!r}"
    if text_of(node) is not None:
        said += f", text {text_of(node)!r}"
    for relation in node.getRelationSet():
        targets = [relation.getTarget(i).name for i in range(relation.getNTargets())]
        said += f", {relation.getRelationType().value_nick} {targets}"
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        said += ", focused"
    return said + ("" if showing(node) else ", not showing")


def print_tree(node, depth=0):
    print("  " * depth + read(node))
    for child in children(node):
        print_tree(child, depth + 1)


def hidden_parts(node):
    """The parts that do not show, but for a combo box's closed list, where readers find its
    entries."""
    found = [] if showing(node) else [read(node)]
    if node.getRoleName() != "combo box":
        for child in children(node):
            found += hidden_parts(child)
    return found


def installer():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in children(desktop)
                 if app and app.name == "orvex-installer" and app.childCount), None)


app = wait_for("the installer's window", installer)
print_tree(app)
window = children(app)[0]
check(window.getRoleName() == "frame", "the window is a frame")

step2 = "2. Select the drive your PSP is connected to."
parts = children(window)
check([(part.getRoleName(), part.name) for part in parts] ==
      [("filler", ""), ("label", "1. Connect PSP in USB Mode."), ("label", step2),
       ("label", "3. Press Install to begin installation!"), ("combo box", "Drive"),
       ("push button", "Cancel"), ("push button", "Install"),
       ("label", f"Orvex Tessary installer {version}")],
      "the window's parts read top to bottom, then left to right")
check([part.name for part in children(parts[0])] == ["Orvex Tessary", "Close", "Minimise"],
      "the title bar reads the caption, Close and Minimise")
hidden = hidden_parts(app)
check(not hidden, f"nothing hidden is read, but {hidden}")
box = part_with(window, "combo box")
labels = [relation.getTarget(0).name for relation in box.getRelationSet()
          if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]
check(labels == [step2], "step 2 labels the drive box")
entries = [entry.name for entry in children(children(box)[0])] if box.childCount else []
check(text_of(box) in entries and text_of(box).startswith("PSPCARD, PSP memory stick, "),
      "the drive box's text is its entry")
check(box.getState().contains(pyatspi.STATE_FOCUSED), "the drive box has the keyboard")

install = part_with(window, "push button", "Install")
at = install.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
subprocess.run(["xdotool", "mousemove", str(at.x + at.width // 2), str(at.y + at.height // 2),
                "click", "1"], check=True)
alert = wait_for("the confirmation box", lambda: child_with(app, "alert"))
print_tree(alert)
said = [(part.getRoleName(), part.name) for part in children(alert)]
question = ("label", "Are you sure you want to install Orvex Tessary?")
check(said[:2] == [("image", "Warning"), question] and len(said) == 4 and
      said[2][0] == "label" and said[2][1].startswith(f"Onto PSPCARD ({drive}): ") and
      said[3][0] == "panel",
      "the confirmation reads its icon's name, its text, the details, then the buttons")
sys.exit(1 if failed else 0)
