#!/usr/bin/python3
"""Reads the installer as a screen reader does, through the accessibility bus: prints the
tree as read, checks the window's reading order, names, roles, relations and that nothing
hidden is in it, presses Install and reads the confirmation box. Usage: screen_reader.py
DRIVE VERSION LANGUAGE, with the installer showing DRIVE (a stick named PSPCARD) and
focused, in LANGUAGE (C or de: the texts it expects); exits 1 when a check fails."""
import subprocess
import sys
import time

import pyatspi

drive, version, language = sys.argv[1:4]
failed = False

# What the window says in each language checked: the source texts, and German, the
# message box's buttons being Qt's own.
TEXTS = {
    "C": {
        "steps": ["1. Connect PSP in USB Mode.", "2. Select the drive your PSP is connected to.",
                  "3. Press Install to begin installation!"],
        "drive": "Drive", "cancel": "Cancel", "install": "Install",
        "version": "Orvex Tessary installer {}", "close": "Close", "minimise": "Minimise",
        "entry": "PSPCARD, PSP memory stick, ", "warning": "Warning",
        "question": "Are you sure you want to install Orvex Tessary?",
        "details": "Onto PSPCARD ({}): ", "answers": ["Yes", "No"],
    },
    "de": {
        "steps": ["1. PSP im USB-Modus verbinden.", "2. Das Laufwerk Ihrer PSP auswählen.",
                  "3. „Installieren“ drücken, um zu beginnen!"],
        "drive": "Laufwerk", "cancel": "Abbrechen", "install": "Installieren",
        "version": "Orvex Tessary Installationsprogramm {}", "close": "Schließen",
        "minimise": "Minimieren", "entry": "PSPCARD, PSP-Stick, ", "warning": "Warnung",
        "question": "Möchten Sie Orvex Tessary wirklich installieren?",
        "details": "Auf PSPCARD ({}): ", "answers": ["Ja", "Nein"],
    },
}[language]


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

step1, step2, step3 = TEXTS["steps"]
parts = children(window)
check([(part.getRoleName(), part.name) for part in parts] ==
      [("filler", ""), ("label", step1), ("label", step2), ("label", step3),
       ("combo box", TEXTS["drive"]), ("push button", TEXTS["cancel"]),
       ("push button", TEXTS["install"]), ("label", TEXTS["version"].format(version))],
      "the window's parts read top to bottom, then left to right")
check([part.name for part in children(parts[0])] ==
      ["Orvex Tessary", TEXTS["close"], TEXTS["minimise"]],
      "the title bar reads the caption, Close and Minimise")
hidden = hidden_parts(app)
check(not hidden, f"nothing hidden is read, but {hidden}")
box = part_with(window, "combo box")
labels = [relation.getTarget(0).name for relation in box.getRelationSet()
          if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]
check(labels == [step2], "step 2 labels the drive box")
entries = [entry.name for entry in children(children(box)[0])] if box.childCount else []
check(text_of(box) in entries and text_of(box).startswith(TEXTS["entry"]),
      "the drive box's text is its entry")
check(box.getState().contains(pyatspi.STATE_FOCUSED), "the drive box has the keyboard")

install = part_with(window, "push button", TEXTS["install"])
at = install.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
subprocess.run(["xdotool", "mousemove", str(at.x + at.width // 2), str(at.y + at.height // 2),
                "click", "1"], check=True)
alert = wait_for("the confirmation box", lambda: child_with(app, "alert"))
print_tree(alert)
said = [(part.getRoleName(), part.name) for part in children(alert)]
question = ("label", TEXTS["question"])
check(said[:2] == [("image", TEXTS["warning"]), question] and len(said) == 4 and
      said[2][0] == "label" and said[2][1].startswith(TEXTS["details"].format(drive)) and
      said[3][0] == "panel" and [button.name for button in children(children(alert)[3])] ==
      TEXTS["answers"],
      "the confirmation reads its icon's name, its text, the details, then the buttons")
sys.exit(1 if failed else 0)
