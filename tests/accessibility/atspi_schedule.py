#!/usr/bin/python3
"""Reads the schedule window over the desktop accessibility bus (AT-SPI), as
a screen reader does: the table by its name, every column header, the cells
of the answer, the problem in words, the counts, and the values for empty
cells by their labels. Started with the schedule of tests/accessibility.
Ends with '<n> passed, <m> failed'."""
import pyatspi

from atspi_reading import check, descendants, finish, wait_for


def first(app, role, name=None):
    return next((n for n in descendants(app)
                 if n.getRole() == role and (name is None or n.name == name)), None)


def main():
    app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a is not None and a.name == "Torvane"), None))
    check(app is not None, "the program is on the accessibility bus")
    if app is None:
        return
    table = wait_for(lambda: first(app, pyatspi.ROLE_TABLE, "Circuits"))
    check(table is not None, "the table is read as 'Circuits'")
    if table is None:
        return
    cells = table.queryTable()
    headers = [cells.getColumnDescription(c) or
               (cells.getColumnHeader(c).name if cells.getColumnHeader(c) else "")
               for c in range(cells.nColumns)]
    check(headers == ["Circuit", "Load (A)", "Length", "Voltage", "Size", "Sets", "Breaker",
                      "Bonding", "Governed by", "Usable ampacity", "Voltage drop %", "Problem"],
          "every column header read: %r" % headers)
    check(cells.nRows == 2, "every row of the file is a row")
    read = [[cells.getAccessibleAt(r, c).name for c in range(cells.nColumns)]
            for r in range(cells.nRows)]
    check(read[0][:11] == ["P-1", "16", "12", "120", "12 AWG", "1", "20 A (chosen)",
                           "14 AWG Cu", "Ampacity", "20 A", "2.04"],
          "a sized circuit read cell by cell: %r" % read[0])
    check(read[1][11] == 'the load "abc" is not a positive number of amperes',
          "a problem read in words: %r" % read[1][11])
    counts = first(app, pyatspi.ROLE_LABEL, "2 circuits: 1 sized, 1 with a problem")
    check(counts is not None, "the counts read from the status line")
    # A combo box is read by its value and the label it is labelled by.
    labels = set()
    for node in descendants(app):
        if node.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT):
            labels.update(r.getTarget(i).name for r in node.getRelationSet()
                          if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                          for i in range(r.getNTargets()))
    check({"Material", "Installation", "Insulation", "Terminations", "Ambient (°C)",
           "Conductors", "System", "Voltage (V)", "Power factor",
           "Maximum drop (%)"} <= labels,
          "every value for empty cells labelled: %r" % sorted(labels))


main()
finish()
