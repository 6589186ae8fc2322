#!/usr/bin/python3
"""Reads and operates the running calculator over the desktop accessibility
bus (AT-SPI), as a screen reader does. Ends with '<n> passed, <m> failed'."""
import pyatspi

from atspi_reading import check, descendants, finish, wait_for


def by_name(app, name, role):
    """The node a screen reader announces as `name`: its own name, or for a
    combo box (whose name is its value) the label it is labelled by."""
    for node in descendants(app):
        if node.getRole() != role:
            continue
        labels = [r.getTarget(i).name for r in node.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for i in range(r.getNTargets())]
        if node.name == name or (role == pyatspi.ROLE_COMBO_BOX and name in labels):
            return node
    return None


def main():
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a is not None and a.name == "Torvane"), None), 10)
    check(app is not None, "the calculator is on the accessibility bus")
    if app is None:
        return
    button = pyatspi.ROLE_PUSH_BUTTON
    # Each button is read by its caption and says what a press does.
    for name in ("CU", "Raceway or\u00a0Cable", "Insulation 60°C", "Ambient 30°C ",
                 "Wires\u00a0# 1-3", "Exit", "About"):
        node = by_name(app, name, button)
        check(node is not None and node.description != "", "button %r with a description" % name)
    # Each list by what it lists, its row as its value.
    wire_size = by_name(app, "Wire size", pyatspi.ROLE_COMBO_BOX)
    check(wire_size is not None and wire_size.name == "     14 AWG", "the wire-size list")
    check(by_name(app, "Ampacity", pyatspi.ROLE_COMBO_BOX) is not None, "the ampacity list")
    result = by_name(app, "Corrected ampacity", pyatspi.ROLE_COMBO_BOX)
    showing = lambda: result.getState().contains(pyatspi.STATE_SHOWING)
    check(result is not None and not showing(), "the hidden result box is not announced")

    # Pressed through the bus, the ambient button is read by its new caption
    # and the result box is announced.
    by_name(app, "Ambient 30°C ", button).queryAction().doAction(0)
    check(wait_for(lambda: by_name(app, "Ambient 35°C", button)), "read as 'Ambient 35°C'")
    check(wait_for(showing), "the result box is announced once a correction applies")

main()
finish()
