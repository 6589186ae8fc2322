#!/usr/bin/python3
"""Reads the running calculator through the desktop accessibility bus (AT-SPI),
as a screen reader does, and operates it through the same bus.

Usage: atspi_walk.py  (the calculator must be running with accessibility on)
Prints one line per check and '<n> passed, <m> failed' at the end.
"""
import sys
import time

import pyatspi

failures = []
passes = 0


def check(condition, what):
    global passes
    if condition:
        passes += 1
        print("PASS  " + what)
    else:
        failures.append(what)
        print("FAIL  " + what)


def find_application(name, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def by_name(app, name, role):
    """The node a screen reader announces as `name`: its own name, or for a
    combo box (whose name is its value) the label it is labelled by."""
    for node in descendants(app):
        if node.getRole() != role:
            continue
        if node.name == name:
            return node
        if role == pyatspi.ROLE_COMBO_BOX and name in labelled_by(node):
            return node
    return None


def wait_for(find, seconds=5):
    """Asks again until the answer is there: the program answers on its own time."""
    deadline = time.time() + seconds
    while True:
        found = find()
        if found or time.time() > deadline:
            return found
        time.sleep(0.1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return ""


def main():
    app = find_application("Torvane")
    check(app is not None, "the calculator is on the accessibility bus")
    if app is None:
        return

    deg = "\u00b0"
    # Each button is read by its caption and says what a press does.
    for name in ("CU", "Raceway or\u00a0Cable", "Insulation 60" + deg + "C", "Ambient 30" + deg + "C ",
                 "Wires\u00a0# 1-3", "Exit", "About"):
        node = by_name(app, name, pyatspi.ROLE_PUSH_BUTTON)
        check(node is not None and node.description != "", "button %r with a description" % name)

    wire_size = by_name(app, "Wire size", pyatspi.ROLE_COMBO_BOX)
    ampacity = by_name(app, "Ampacity", pyatspi.ROLE_COMBO_BOX)
    result = by_name(app, "Corrected ampacity", pyatspi.ROLE_COMBO_BOX)
    check(wire_size is not None, "list named 'Wire size'")
    check(ampacity is not None, "list named 'Ampacity'")
    check(result is not None, "result box named 'Corrected ampacity'")
    if None in (wire_size, ampacity, result):
        return
    check(not showing(result), "the hidden result box is not announced")
    check(wire_size.name == "     14 AWG", "the wire-size list's value is its row: %r" % wire_size.name)
    check(wire_size.description != "", "the wire-size list has a description")

    # Step the ambient temperature twice through the bus, as a screen reader
    # user would, and read the result.
    ambient = by_name(app, "Ambient 30" + deg + "C ", pyatspi.ROLE_PUSH_BUTTON)
    press(ambient)
    ambient = wait_for(lambda: by_name(app, "Ambient 35" + deg + "C", pyatspi.ROLE_PUSH_BUTTON))
    check(ambient is not None, "the ambient button is read as 'Ambient 35" + deg + "C'")
    if ambient is not None:
        press(ambient)
    check(wait_for(lambda: by_name(app, "Ambient 40" + deg + "C", pyatspi.ROLE_PUSH_BUTTON)),
          "the ambient button is read as 'Ambient 40" + deg + "C'")
    result = by_name(app, "Corrected ampacity", pyatspi.ROLE_COMBO_BOX)
    check(wait_for(lambda: showing(result)), "the result box is announced once a correction applies")
    expected = "=12.3 A  (I \u00d7 0.82 \u00d7 1)"

    def shown():
        return text_of(result) or "".join(text_of(child) for child in descendants(result))

    wait_for(lambda: shown() == expected)
    check(shown() == expected, "the result reads %r" % shown())


main()
print("%d passed, %d failed" % (passes, len(failures)))
sys.exit(1 if failures else 0)
